#pragma once

#include <QGroupBox>

namespace tidewell::window {

// A captioned frame of the schematic. Its whole face shows its background
// colour, which stands for a temperature, so it draws a plain etched border
// and its caption itself instead of the style's shaded group box.
class SchematicFrame final : public QGroupBox {
  public:
    explicit SchematicFrame(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::window
