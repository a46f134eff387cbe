#pragma once

#include <QString>
#include <optional>

#include "case/Message.h"

class QWidget;

namespace tidewell::window {

// Saves what `widget` shows as an SVG drawing when `path` ends in ".svg",
// otherwise as a PNG picture, whole or not at all (WriteReplacing). Empty on
// success; otherwise the reason.
std::optional<Message> WriteWidgetImage(const QString& path, QWidget& widget, const QString& title);

}  // namespace tidewell::window
