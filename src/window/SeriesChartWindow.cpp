#include "SeriesChartWindow.h"
#include "ProposedName.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QValueAxis>

#include "GothicFonts.h"
#include "QtText.h"
#include "WidgetImage.h"
#include "WindowText.h"

namespace tidewell::window {
namespace {

QLineSeries* SeriesOf(const model::PlotCurve& curve) {
    auto* series = new QLineSeries;
    series->setName(ModelText(curve.Name));
    QPen pen(ToQColor(curve.Pen));
    pen.setWidthF(curve.Kind == model::CurveKind::Cell ? 2.0 : 1.5);
    pen.setStyle(curve.Dashed ? Qt::DashLine : Qt::SolidLine);
    series->setPen(pen);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(curve.Points.size()));
    for (const model::PlotPoint& p : curve.Points)
        points.append(QPointF(p.Day, p.Temp));
    series->replace(points);
    return series;
}

// `nice`: round ticks, the range only grows. The day axis ends where the
// run ends instead, so the curves fill the plot.
QValueAxis* AxisOf(const Message& title, const model::AxisRange& range, bool nice) {
    auto* axis = new QValueAxis;
    axis->setTitleText(ModelText(title));
    axis->setRange(range.Low, range.High);
    if (nice)
        axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.4g"));
    return axis;
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
    // right-click to zoom out again.
    ChartView->setRubberBand(QChartView::RectangleRubberBand);
    ChartView->viewport()->setMouseTracking(true);
    ChartView->viewport()->installEventFilter(this);
    ValueLine = new QLabel(this);
    ValueLine->setObjectName(QStringLiteral("PointValue"));
    SaveButton =
        new QPushButton(QCoreApplication::translate("SeriesChartWindow", "画像を保存…"), this);
    SaveButton->setObjectName(QStringLiteral("SaveImage"));
    SaveButton->setToolTip(QCoreApplication::translate(
        "SeriesChartWindow", "グラフをPNGまたはSVGで保存します (Ctrl+S)"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ValueLine, 1);
    bottom->addWidget(SaveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MessageLine);
    layout->addWidget(ChartView, 1);
    layout->addLayout(bottom);

    connect(SaveButton, &QPushButton::clicked, this, &SeriesChartWindow::AskAndSave);
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &SeriesChartWindow::AskAndSave);

    resize(760, 520);
    ShowPlot(model::PlotOfNoRun());
}

SeriesChartWindow::~SeriesChartWindow() = default;

void SeriesChartWindow::ShowPlot(const model::SeriesPlot& plot) {
    Shown = plot;
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(font());
    QValueAxis* days = AxisOf(plot.DayAxisTitle, plot.Days, false);
    QValueAxis* temps = AxisOf(plot.TempAxisTitle, plot.Temps, true);
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(temps, Qt::AlignLeft);
    for (const model::PlotCurve& curve : plot.Curves) {
        QLineSeries* series = SeriesOf(curve);
        chart->addSeries(series);
        series->attachAxis(days);
        series->attachAxis(temps);
    }
    chart->legend()->setVisible(!plot.Curves.empty());
    QChart* old = ChartView->chart();
    ChartView->setChart(chart);  // the view does not delete the chart it held
    delete old;
    MessageLine->setText(plot.Note ? ModelText(*plot.Note) : QString());
    MessageLine->setVisible(plot.Note.has_value());
    ValueLine->clear();
}

bool SeriesChartWindow::SaveImage(const QString& path) {
    const std::optional<Message> failure = WriteWidgetImage(path, *ChartView, windowTitle());
    if (failure) {
        Messages.Show({MessageId::ImageSaveFailed, {path.toStdString(), *failure}});
    }
    return !failure;
}

void SeriesChartWindow::AskAndSave() {
    const QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("SeriesChartWindow", "画像を保存"),
        ProposedSavePath(*this, session::SavedOutput::SeriesImage),
        QCoreApplication::translate("SeriesChartWindow", "PNG 画像 (*.png);;SVG 画像 (*.svg)"));
    if (!path.isEmpty())
        SaveImage(path);
}

bool SeriesChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ChartView->viewport() && event->type() == QEvent::MouseMove)
        ShowValueAt(static_cast<QMouseEvent*>(event)->position());
    else if (watched == ChartView->viewport() && event->type() == QEvent::Leave)
        ValueLine->clear();
    return QWidget::eventFilter(watched, event);
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
    const QPointF value = chart->mapToValue(inChart);
    const auto* days = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    const auto* temps = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    const double pixelsPerDay = area.width() / (days->max() - days->min());
    const double pixelsPerDegree = area.height() / (temps->max() - temps->min());
    const std::optional<model::PlotPick> pick =
        model::NearestPoint(Shown, {value.x(), value.y()}, pixelsPerDay, pixelsPerDegree);
    ValueLine->setText(pick ? ModelText(model::PickText(Shown, *pick)) : QString());
}

}  // namespace tidewell::window
