#pragma once

#include <QWidget>

#include "case/Message.h"
#include "model/PlotView.h"
#include "model/SeriesPlot.h"

class QChartView;
class QLabel;
class QPushButton;
class QRubberBand;

namespace tidewell::window {

// A separate window with the time-series chart of the last calculation: the
// five cells over the days of the run, the sea and inflow temperatures, and
// each cell's steady state dashed in the cell's colour, under a title with the
// run's conditions. The value under the mouse shows below the chart. Dragging
// a rectangle zooms in, a right-click zooms out; a double-click, Home or
// "全体表示" shows the whole run again. "画像を保存…" (Ctrl+S) saves the chart
// as PNG, or as SVG for a name ending in .svg. Escape or Ctrl+W closes it. It
// draws the SeriesPlot it is given and decides nothing about the data.
class SeriesChartWindow final : public QWidget {
  public:
    explicit SeriesChartWindow(MessageSink& messages, QWidget* parent = nullptr);
    ~SeriesChartWindow() override;

    // Replaces the chart with `plot`. It does not open or raise the window.
    void ShowPlot(const model::SeriesPlot& plot);
    const model::SeriesPlot& Plot() const { return Shown; }
    const model::PlotView& ShownView() const { return Viewed; }

    // Saves the chart to `path` (SVG when it ends in .svg, PNG otherwise);
    // a failure is reported to the messages, naming the path and the reason.
    bool SaveImage(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AskAndSave();
    void ShowValueAt(QPointF viewportPosition);
    void ShowView(const model::PlotView& view);
    void ShowWholeRun();
    void ZoomOut();
    // What a mouse event on the chart does to the view; true when it was used.
    bool Zooms(const QEvent& event);
    model::PlotPoint ValueAt(QPointF viewportPosition) const;

    MessageSink& Messages;
    model::SeriesPlot Shown;
    model::PlotView Viewed;
    QLabel* MessageLine = nullptr;
    QChartView* ChartView = nullptr;
    QRubberBand* Band = nullptr;
    QPoint BandStart;
    QLabel* ValueLine = nullptr;
    QPushButton* WholeButton = nullptr;
    QPushButton* SaveButton = nullptr;
};

}  // namespace tidewell::window
