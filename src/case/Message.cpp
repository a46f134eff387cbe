#include "Message.h"

#include <algorithm>

#include "MessageCatalog.h"

namespace tidewell {
namespace {

std::string Japanese(const char* pattern, const std::vector<MessageArg>& args) {
    std::string lines = pattern;
    std::replace(lines.begin(), lines.end(), '\n', '\r');
    std::vector<std::string> texts;
    for (const MessageArg& arg : args) {
        if (arg.Kind == MessageArg::Part::Text)
            texts.push_back(arg.Text);
        else
            texts.push_back(arg.Kind == MessageArg::Part::Title ? arg.Phrase->Title()
                                                                : arg.Phrase->Prompt());
    }
    return PutArgs(lines, texts);
}

}  // namespace

MessageArg::MessageArg(Message phrase)
    : Kind(Part::Prompt), Phrase(std::make_shared<const Message>(std::move(phrase))) {}

MessageArg MessageArg::TitleOf(Message message) {
    MessageArg arg(std::move(message));
    arg.Kind = Part::Title;
    return arg;
}

bool MessageArg::operator==(const MessageArg& other) const {
    if (Kind != other.Kind || Text != other.Text)
        return false;
    return !Phrase || !other.Phrase ? Phrase == other.Phrase : *Phrase == *other.Phrase;
}

std::string Message::Title() const {
    return Japanese(CatalogEntryOf(Id).Title, Args);
}

std::string Message::Prompt() const {
    return Japanese(CatalogEntryOf(Id).Prompt, Args);
}

}  // namespace tidewell
