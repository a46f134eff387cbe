#pragma once

#include <QString>
#include <string_view>
#include <vector>

#include "case/Message.h"

// The window's words in the language in use (see Language.h). The control
// table's captions and the message catalog's texts are translated as they
// are written; the arguments of a message (numbers, file names, what the
// user typed) are put in after translation, as they are.
namespace tidewell::window {

// A control's caption from the control table.
QString CaptionText(std::string_view caption);

// A text of the lower layers (a progress line, a chart title, a word): its
// prompt, translated, lines broken with "\n".
QString ModelText(const Message& text);

// A tooltip: one message per line.
QString TipText(const std::vector<Message>& lines);

// A message as a box shows it: title and prompt, lines broken with "\n".
struct ShownMessage {
    QString Title;
    QString Prompt;
};
ShownMessage MessageText(const Message& message);

}  // namespace tidewell::window
