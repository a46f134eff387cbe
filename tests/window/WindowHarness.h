#pragma once

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "window/Language.h"
#include "window/MainWindow.h"

// What the window test programs share: widget lookup, typing, waiting for a
// dialog, and the offscreen main().
namespace tidewell::test {

template <typename T = QWidget>
T* Named(const QObject& in, const QString& name) {
    T* found = in.findChild<T*>(name);
    if (!found)
        qFatal("no child named %s", qPrintable(name));
    return found;
}

inline QLineEdit* TextField(const QObject& window, int n) {
    return Named<QLineEdit>(window, QStringLiteral("Text%1").arg(n));
}

// Replaces the field's text by typing, as a user selecting it all would.
inline void Type(const QObject& window, int field, const QString& text) {
    QLineEdit* box = TextField(window, field);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Calls act once on the first visible Dialog that comes up while poll runs.
template <typename Dialog>
void WhenDialogAppears(QTimer& poll, std::function<void(Dialog*)> act) {
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, act] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(top); dialog && dialog->isVisible()) {
                poll.stop();
                act(dialog);
                return;
            }
        }
    });
    poll.start(10);
}

// A main window shown for each test, its report in a fresh folder, its
// recent files in settings of its own, in the language the program would pick.
class MainWindowTest : public QObject {
  protected:
    void UseOwnSettings() {
        window::UseLanguage(window::SystemLanguage());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Settings.path());
    }
    void OpenWindow() {
        WorkDir = std::make_unique<QTemporaryDir>();
        ReportPath = WorkDir->filePath("Tidewell_OUT.txt");
        Sink = std::make_unique<MessageLog>();
        Window = std::make_unique<window::MainWindow>(*Sink, ReportPath.toStdString());
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }
    void CloseWindow() {
        Window.reset();
        Sink.reset();
        WorkDir.reset();
        QSettings().clear();
        QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
    }

    QTemporaryDir Settings;
    std::unique_ptr<QTemporaryDir> WorkDir;
    std::unique_ptr<MessageLog> Sink;
    std::unique_ptr<window::MainWindow> Window;
    QString ReportPath;
};

template <typename Test>
int RunWindowTest(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace tidewell::test
