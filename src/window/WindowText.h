#pragma once

#include <QString>
#include <string_view>

#include "case/Message.h"

// The window's words in the language in use (see Language.h). The control
// table and the presentation model speak Japanese; their texts are looked up
// here, keyed by the Japanese text, as the window shows them. The model, the
// command line and the report keep their Japanese.
namespace tidewell::window {

// A control's caption from the control table.
QString CaptionText(std::string_view caption);

// A text of the model: a field's text, a message's title or prompt, a
// progress line. Each line (split at "\r") is looked up whole; a line with
// numbers, names or paths inside is matched against the model's patterns
// and its parts are put into the translated pattern (themselves looked up).
// A text without a translation is shown as it is.
QString ModelText(std::string_view text);

// A message as a box shows it: title and prompt, line breaks kept as "\r".
struct ShownMessage {
    QString Title;
    QString Prompt;
};
ShownMessage MessageText(const Message& message);

}  // namespace tidewell::window
