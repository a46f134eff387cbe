#include "ReplacingFile.h"

#include <QBuffer>
#include <QFile>

#include "case/SafeFile.h"

namespace tidewell::window {

// The content is made in memory first, so a writer that fails leaves the
// file untouched; the file itself is written by the program's one writer.
std::optional<Message> WriteReplacing(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer))
        return Message{MessageId::ContentsNotWritten, {}};
    const QByteArray& bytes = buffer.data();
    return WriteReplacing(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<Message> WriteReplacing(const QString& path, std::string_view text) {
    return WriteFileSafely(QFile::encodeName(path).toStdString(), text);
}

}  // namespace tidewell::window
