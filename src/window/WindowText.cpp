#include "WindowText.h"

#include <QCoreApplication>
#include <QStringList>
#include <string>

#include "QtText.h"
#include "case/MessageCatalog.h"

namespace tidewell::window {
namespace {

constexpr char kCaptionContext[] = "Controls";

QString Translated(const char* source) {
    if (*source == '\0')
        return {};
    return QCoreApplication::translate(kMessageContext, source);
}

QString ArgText(const MessageArg& arg) {
    switch (arg.Kind) {
        case MessageArg::Part::Text:
            return ToQString(arg.Text);
        case MessageArg::Part::Title:
            return MessageText(*arg.Phrase).Title;
        case MessageArg::Part::Prompt:
            break;
    }
    return ModelText(*arg.Phrase);
}

// `pattern` with each %n replaced by the n-th argument in one pass, so an
// argument that itself holds "%1" (a file name) stays as it is.
QString WithArgs(const QString& pattern, const std::vector<MessageArg>& args) {
    QString filled;
    for (qsizetype n = 0; n < pattern.size(); ++n) {
        if (pattern[n] == QLatin1Char('%') && n + 1 < pattern.size()) {
            const int arg = pattern[n + 1].digitValue();
            if (arg >= 1) {
                if (static_cast<std::size_t>(arg) <= args.size())
                    filled += ArgText(args[static_cast<std::size_t>(arg) - 1]);
                ++n;
                continue;
            }
        }
        filled += pattern[n];
    }
    return filled;
}

}  // namespace

QString CaptionText(std::string_view caption) {
    return QCoreApplication::translate(kCaptionContext, std::string(caption).c_str());
}

QString ModelText(const Message& text) {
    return WithArgs(Translated(CatalogEntryOf(text.Id).Prompt), text.Args);
}

QString TipText(const std::vector<Message>& lines) {
    QStringList shown;
    for (const Message& line : lines)
        shown << ModelText(line);
    return shown.join(QLatin1Char('\n'));
}

ShownMessage MessageText(const Message& message) {
    return {WithArgs(Translated(CatalogEntryOf(message.Id).Title), message.Args),
            ModelText(message)};
}

}  // namespace tidewell::window
