#pragma once

#include <functional>
#include <vector>

#include "Message.h"

namespace tidewell {

// Keeps every message shown and every question asked, and passes each
// message on to `echo` when there is one. Questions get the answers set here:
// the command line says yes to a long run, tests choose.
class MessageLog final : public MessageSink {
  public:
    explicit MessageLog(MessageSink* echo = nullptr) : Echo(echo) {}

    void Show(const Message& message) override {
        Shown.push_back(message);
        if (Echo != nullptr)
            Echo->Show(message);
        if (OnShow)
            OnShow();
    }
    bool Ask(const Message& question) override {
        Asked.push_back(question);
        if (OnAsk)
            OnAsk(question, Answer);
        return Answer;
    }
    SaveAnswer AskToSave(const Message& question) override {
        Asked.push_back(question);
        return SaveReply;
    }

    std::vector<Message> Shown, Asked;
    bool Answer = false;
    SaveAnswer SaveReply = SaveAnswer::Cancel;
    std::function<void()> OnShow;  // called while the message would be on screen
    std::function<void(const Message& question, bool answer)> OnAsk;  // as each is answered

  private:
    MessageSink* Echo;
};

}  // namespace tidewell
