#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

#include "case/Message.h"

class QIODevice;

namespace tidewell::window {

// Writes a file whole or not at all: `write` fills a buffer, which then
// replaces what `path` names through WriteFileSafely. On any failure the old
// file (if any) stays as it was and no partial file is left. Empty on
// success; otherwise the reason. `write` returns false when it could not
// produce its content.
std::optional<Message> WriteReplacing(const QString& path,
                                      const std::function<bool(QIODevice&)>& write);
// The same for a text made already.
std::optional<Message> WriteReplacing(const QString& path, std::string_view text);

}  // namespace tidewell::window
