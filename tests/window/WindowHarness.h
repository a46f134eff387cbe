#pragma once

#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "TestSupport.h"

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

template <typename Test>
int RunWindowTest(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace tidewell::test
