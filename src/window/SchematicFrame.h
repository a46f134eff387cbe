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

    // A caption a little too wide for one line gets a smaller font, by the
    // caption steps down to kSmallestOneLinePointSize; a longer one keeps its
    // font and is broken into lines.
    void FitCaption();
    static constexpr double kSmallestOneLinePointSize = 7.5;

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
