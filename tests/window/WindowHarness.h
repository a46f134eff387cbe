#pragma once

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <vector>

#include "case/Message.h"

// What the window test programs share: a message sink that records instead
// of showing boxes, widget lookup, typing, and the offscreen main().
namespace tidewell::test {

class RecordingSink final : public MessageSink {
  public:
    void Show(const Message& message) override {
        Shown.push_back(message);
        OnShow();
    }
    bool Ask(const Message& question) override {
        Asked.push_back(question);
        return Answer;
    }
    SaveAnswer AskToSave(const Message& question) override {
        Asked.push_back(question);
        return SaveReply;
    }
    std::function<void()> OnShow = [] {};  // called while the message would be on screen
    std::vector<Message> Shown, Asked;
    bool Answer = false;
    SaveAnswer SaveReply = SaveAnswer::Cancel;
};

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
