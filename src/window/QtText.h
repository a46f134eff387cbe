#pragma once

#include <QColor>
#include <QString>
#include <string_view>

#include "model/ColorScale.h"

// The model's UTF-8 texts and packed colours as Qt values.
namespace tidewell::window {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToQColor(model::Color color) {
    return QColor(model::RedOf(color), model::GreenOf(color), model::BlueOf(color));
}

}  // namespace tidewell::window
