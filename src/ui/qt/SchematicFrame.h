#pragma once

#include <QGroupBox>

namespace tidewell::window {

// A captioned frame of the schematic. Its whole face shows its background
// colour, which stands for a temperature, so it draws a plain etched border
// and its caption itself instead of the style's shaded group box. A caption
// wider than the frame is broken into lines inside it, so all of it shows.
class SchematicFrame final : public QGroupBox {
  public:
    explicit SchematicFrame(const QString& caption, QWidget* parent = nullptr);

    // The caption as drawn, line by line, and the box each line is drawn in.
    QStringList CaptionLines() const;
    QRect CaptionLineRect(int line) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Below any control placed at the frame's top edge, which would hide it.
    int CaptionTop() const;
};

}  // namespace tidewell::window
