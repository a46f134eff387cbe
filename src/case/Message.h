#pragma once

#include <string>

namespace tidewell {

// A modal message: the window shows it with an OK button only, the command
// line prints it, tests record it.
struct Message {
    std::string Title;
    std::string Prompt;  // a carriage return ("\r") breaks the line

    bool operator==(const Message&) const = default;
};

// The answers to "save the changes?": save, drop them, or do neither.
enum class SaveAnswer { Save, Discard, Cancel };

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Returns when the user has acknowledged the message.
    virtual void Show(const Message& message) = 0;
    // A yes/no question whose default answer is no; true for yes. A sink
    // that cannot ask gives the default answer.
    virtual bool Ask(const Message& /*question*/) { return false; }
    // Save / don't save / cancel, cancel the default. A sink that cannot ask
    // cancels, so nothing is lost.
    virtual SaveAnswer AskToSave(const Message& /*question*/) { return SaveAnswer::Cancel; }
};

}  // namespace tidewell
