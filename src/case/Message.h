#pragma once

#include <memory>
#include <string>
#include <vector>

#include "MessageId.h"

namespace tidewell {

struct Message;

// What goes into a message's %n: a text put in as it is (a number already
// formatted, a file name, what the user typed: never translated), or
// another catalog text (a reason, a duration) that is translated with the
// message. Of a message put in, its prompt is used unless its title is asked.
struct MessageArg {
    enum class Part { Text, Prompt, Title };

    // Implicit, so a message's arguments read as a plain list: {path, reason}.
    MessageArg(std::string text) : Text(std::move(text)) {}
    MessageArg(const char* text) : Text(text) {}
    MessageArg(Message phrase);
    static MessageArg TitleOf(Message message);

    Part Kind = Part::Text;
    std::string Text;
    std::shared_ptr<const Message> Phrase;  // when Kind is not Text

    bool operator==(const MessageArg&) const;
};

// A message, or any text the lower layers hand the window: which catalog
// entry, and what goes into its %1 .. %n. The command line and the report
// read it in Japanese (Title(), Prompt()); the window translates the entry
// and then puts the arguments in.
struct Message {
    MessageId Id = MessageId::Plain;
    std::vector<MessageArg> Args;

    // The Japanese texts with the arguments put in; a carriage return ("\r")
    // breaks the prompt's lines.
    std::string Title() const;
    std::string Prompt() const;

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
