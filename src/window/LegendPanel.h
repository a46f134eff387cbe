#pragma once

#include <QWidget>

#include "model/LegendDrawing.h"

namespace tidewell::window {

// The inner panel, Picture2: it holds the controls and carries the colour
// legend. The legend is kept as the model's list of drawing operations and
// rendered from it on every repaint, so the drawing persists across
// exposures and resizes.
class LegendPanel final : public QWidget {
  public:
    explicit LegendPanel(QWidget* parent = nullptr);

    void SetDrawing(model::LegendDrawing drawing);
    const model::LegendDrawing& Drawing() const { return Legend; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    model::LegendDrawing Legend;
};

}  // namespace tidewell::window
