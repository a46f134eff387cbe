#include "SeriesChartWindow.h"
#include "ProposedName.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRubberBand>
#include <QShortcut>
#include <QVBoxLayout>
#include <QValueAxis>

#include "CloseKeys.h"
#include "GothicFonts.h"
#include "QtText.h"
#include "WidgetImage.h"
#include "WindowText.h"
#include "model/AxisTicks.h"

namespace tidewell::window {
namespace {

// Room for this many tick intervals on either axis of a window of any size.
constexpr int kMaxTickIntervals = 8;
// A rectangle narrower or lower than this is a click, not a zoom.
constexpr int kLeastBand = 4;

QPen PenOf(const model::PlotCurve& curve) {
    QPen pen(ToQColor(curve.Pen));
    pen.setWidthF(curve.Kind == model::CurveKind::Cell ? 2.0 : 1.5);
    pen.setStyle(curve.Dashed ? Qt::DashLine : Qt::SolidLine);
    return pen;
}

QLineSeries* SeriesOf(const model::PlotCurve& curve, const std::vector<model::PlotPoint>& piece) {
    auto* series = new QLineSeries;
    series->setName(ModelText(curve.Name));
    series->setPen(PenOf(curve));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(piece.size()));
    for (const model::PlotPoint& p : piece)
        points.append(QPointF(p.Day, p.Temp));
    series->replace(points);
    return series;
}

QValueAxis* AxisOf(const Message& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(ModelText(title));
    axis->setTickType(QValueAxis::TicksDynamic);
    return axis;
}

void ShowRange(QValueAxis& axis, const model::AxisRange& range) {
    const model::AxisTicks ticks = model::TicksOf(range, kMaxTickIntervals);
    axis.setRange(range.Low, range.High);
    axis.setTickAnchor(ticks.First);
    axis.setTickInterval(ticks.Step);
    axis.setLabelFormat(QStringLiteral("%.%1f").arg(ticks.Decimals));
}

QString TitleOf(const model::SeriesPlot& plot) {
    QStringList lines;
    for (const Message& line : plot.Title)
        lines << ModelText(line).toHtmlEscaped();
    // "pre": rich text would fold the wide spaces between the conditions.
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(lines.join("<br>"));
}

}  // namespace

SeriesChartWindow::SeriesChartWindow(MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), Messages(messages) {
    UseGothicSubstitutes();
    setObjectName(QStringLiteral("SeriesChartWindow"));
    setWindowTitle(QCoreApplication::translate("SeriesChartWindow", "時系列グラフ - Tidewell"));
    setFont(FontFor(ControlFont::Window));

    MessageLine = new QLabel(this);
    MessageLine->setObjectName(QStringLiteral("PlotMessage"));
    MessageLine->setWordWrap(true);
    ChartView = new QChartView(new QChart, this);
    ChartView->setObjectName(QStringLiteral("SeriesChart"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setMouseTracking(true);
    // The cells settle early in a long run: drag a rectangle to zoom in,
    // right-click to zoom out again. The window zooms itself, so that zooming
    // out stops at the whole run and the curves are cut to the view.
    ChartView->setRubberBand(QChartView::NoRubberBand);
    ChartView->viewport()->setMouseTracking(true);
    ChartView->viewport()->installEventFilter(this);
    Band = new QRubberBand(QRubberBand::Rectangle, ChartView->viewport());
    ValueLine = new QLabel(this);
    ValueLine->setObjectName(QStringLiteral("PointValue"));
    WholeButton =
        new QPushButton(QCoreApplication::translate("SeriesChartWindow", "全体表示"), this);
    WholeButton->setObjectName(QStringLiteral("WholeRun"));
    WholeButton->setToolTip(QCoreApplication::translate(
        "SeriesChartWindow", "計算期間の全体を表示します (Home、グラフをダブルクリック)"));
    SaveButton =
        new QPushButton(QCoreApplication::translate("SeriesChartWindow", "画像を保存…"), this);
    SaveButton->setObjectName(QStringLiteral("SaveImage"));
    SaveButton->setToolTip(QCoreApplication::translate(
        "SeriesChartWindow", "グラフをPNGまたはSVGで保存します (Ctrl+S)"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ValueLine, 1);
    bottom->addWidget(WholeButton);
    bottom->addWidget(SaveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MessageLine);
    layout->addWidget(ChartView, 1);
    layout->addLayout(bottom);

    connect(WholeButton, &QPushButton::clicked, this, &SeriesChartWindow::ShowWholeRun);
    auto* home = new QShortcut(QKeySequence(Qt::Key_Home), this);
    connect(home, &QShortcut::activated, this, &SeriesChartWindow::ShowWholeRun);
    connect(SaveButton, &QPushButton::clicked, this, &SeriesChartWindow::AskAndSave);
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &SeriesChartWindow::AskAndSave);
    CloseKeys(*this);

    resize(760, 560);
    ShowPlot(model::PlotOfNoRun());
}

SeriesChartWindow::~SeriesChartWindow() = default;

void SeriesChartWindow::ShowPlot(const model::SeriesPlot& plot) {
    Shown = plot;
    auto* chart = new QChart;
    chart->setTitle(TitleOf(plot));
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(font());
    // A line in each curve's own pen, so the steady states show dashed.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->addAxis(AxisOf(plot.DayAxisTitle), Qt::AlignBottom);
    chart->addAxis(AxisOf(plot.TempAxisTitle), Qt::AlignLeft);
    chart->legend()->setVisible(!plot.Curves.empty());
    QChart* old = ChartView->chart();
    ChartView->setChart(chart);  // the view does not delete the chart it held
    delete old;
    MessageLine->setText(plot.Note ? ModelText(*plot.Note) : QString());
    MessageLine->setVisible(plot.Note.has_value());
    ValueLine->clear();
    ShowView(model::WholeView(plot));
}

// The curves are drawn again cut to the view: a picture saved as SVG then
// holds no line outside the plot, whatever the view.
void SeriesChartWindow::ShowView(const model::PlotView& view) {
    Viewed = view;
    QChart* chart = ChartView->chart();
    auto* days = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* temps = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    ShowRange(*days, view.Days);
    ShowRange(*temps, view.Temps);
    chart->removeAllSeries();
    for (const model::PlotCurve& curve : Shown.Curves) {
        std::vector<std::vector<model::PlotPoint>> pieces = model::DrawnPieces(curve.Points, view);
        if (pieces.empty())
            pieces.emplace_back();  // keeps the curve's line in the legend
        for (std::size_t n = 0; n < pieces.size(); ++n) {
            QLineSeries* series = SeriesOf(curve, pieces[n]);
            chart->addSeries(series);
            series->attachAxis(days);
            series->attachAxis(temps);
            for (QLegendMarker* marker : chart->legend()->markers(series))
                marker->setVisible(n == 0);  // one legend line for all pieces
        }
    }
}

void SeriesChartWindow::ShowWholeRun() {
    ShowView(model::WholeView(Shown));
}

void SeriesChartWindow::ZoomOut() {
    ShowView(model::ZoomedOut(Viewed, model::WholeView(Shown)));
}

bool SeriesChartWindow::SaveImage(const QString& path) {
    // The chart lays out a changed view (axes, legend) when the event loop
    // next runs; a picture taken before that would show the old one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const std::optional<Message> failure = WriteWidgetImage(path, *ChartView, windowTitle());
    if (failure) {
        Messages.Show({MessageId::ImageSaveFailed, {path.toStdString(), *failure}});
    }
    return !failure;
}

void SeriesChartWindow::AskAndSave() {
    const QString path =
        AskSavePath(*this, QCoreApplication::translate("SeriesChartWindow", "画像を保存"),
                    session::SavedOutput::SeriesImage);
    if (!path.isEmpty())
        SaveImage(path);
}

bool SeriesChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ChartView->viewport())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove)
        ShowValueAt(static_cast<QMouseEvent*>(event)->position());
    else if (event->type() == QEvent::Leave)
        ValueLine->clear();
    return Zooms(*event) || QWidget::eventFilter(watched, event);
}

bool SeriesChartWindow::Zooms(const QEvent& event) {
    const auto* mouse = dynamic_cast<const QMouseEvent*>(&event);
    if (mouse == nullptr || Shown.Curves.empty())
        return false;
    const QPoint at = mouse->position().toPoint();
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) {
                BandStart = at;
                Band->setGeometry(QRect(at, QSize()));
                Band->show();
            }
            return true;
        case QEvent::MouseMove:
            if (Band->isVisible())
                Band->setGeometry(QRect(BandStart, at).normalized());
            return Band->isVisible();
        case QEvent::MouseButtonRelease:
            if (mouse->button() == Qt::RightButton) {
                ZoomOut();
            } else if (mouse->button() == Qt::LeftButton && Band->isVisible()) {
                Band->hide();
                const QRect rect = QRect(BandStart, at).normalized();
                if (rect.width() >= kLeastBand && rect.height() >= kLeastBand)
                    ShowView(model::ZoomedIn(Viewed, ValueAt(BandStart), ValueAt(at)));
            }
            return true;
        case QEvent::MouseButtonDblClick:
            if (mouse->button() == Qt::LeftButton)
                ShowWholeRun();
            return true;
        default:
            return false;
    }
}

model::PlotPoint SeriesChartWindow::ValueAt(QPointF viewportPosition) const {
    QChart* chart = ChartView->chart();
    const QPointF value =
        chart->mapToValue(chart->mapFromScene(ChartView->mapToScene(viewportPosition.toPoint())));
    return {value.x(), value.y()};
}

void SeriesChartWindow::ShowValueAt(QPointF viewportPosition) {
    QChart* chart = ChartView->chart();
    const QPointF inChart = chart->mapFromScene(ChartView->mapToScene(viewportPosition.toPoint()));
    const QRectF area = chart->plotArea();
    // The first and last points sit on the plot's edges: a few pixels of
    // slack let the mouse reach them.
    const qreal slack = 6;
    if (Shown.Curves.empty() || !area.adjusted(-slack, -slack, slack, slack).contains(inChart)) {
        ValueLine->clear();
        return;
    }
    const double pixelsPerDay = area.width() / (Viewed.Days.High - Viewed.Days.Low);
    const double pixelsPerDegree = area.height() / (Viewed.Temps.High - Viewed.Temps.Low);
    const std::optional<model::PlotPick> pick = model::NearestPoint(
        Shown, ValueAt(viewportPosition), pixelsPerDay, pixelsPerDegree, Viewed.Days, Viewed.Temps);
    ValueLine->setText(pick ? ModelText(model::PickText(Shown, *pick)) : QString());
}

}  // namespace tidewell::window
