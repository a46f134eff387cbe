#include "ReplacingFile.h"

#include <QSaveFile>

namespace tidewell::window {

std::optional<QString> WriteReplacing(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        // A writer can fail with the device still fine: then say so in words.
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("内容を書き出せませんでした");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

}  // namespace tidewell::window
