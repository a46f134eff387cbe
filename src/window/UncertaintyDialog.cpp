#include "UncertaintyDialog.h"
#include "ProposedName.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "GothicFonts.h"
#include "ReplacingFile.h"
#include "WidgetImage.h"
#include "WindowText.h"

namespace tidewell::window {
namespace {

constexpr std::array kShapes{engine::SpreadShape::None, engine::SpreadShape::Uniform,
                             engine::SpreadShape::Normal, engine::SpreadShape::Triangular};
constexpr std::size_t kHistogramBins = 20;

QString ShapeCaption(engine::SpreadShape shape) {
    switch (shape) {
        case engine::SpreadShape::Uniform:
            return QCoreApplication::translate("UncertaintyDialog", "一様");
        case engine::SpreadShape::Normal:
            return QCoreApplication::translate("UncertaintyDialog", "正規");
        case engine::SpreadShape::Triangular:
            return QCoreApplication::translate("UncertaintyDialog", "三角");
        case engine::SpreadShape::None:
            break;
    }
    return QCoreApplication::translate("UncertaintyDialog", "なし");
}

QLineSeries* Segment(QPointF from, QPointF to, const QPen& pen, const QString& name) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    series->append(from);
    series->append(to);
    return series;
}

// A legend entry for the first series of a kind only.
void Add(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y,
         bool inLegend) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    if (!inLegend)
        for (QLegendMarker* marker : chart.legend()->markers(series))
            marker->setVisible(false);
}

QValueAxis* ValueAxis(const QString& title, double low, double high) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    if (!(high > low)) {
        const double pad = std::max(0.05, std::abs(low) * 1e-3);
        low -= pad;
        high += pad;
    }
    // A little room at both ends, so bars and marks at the extremes show whole.
    const double margin = (high - low) * 0.04;
    axis->setRange(low - margin, high + margin);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    return axis;
}

QChart* NewChart(const QFont& font) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(font);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

void Replace(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);  // the view does not delete the chart it held
    delete old;
}

QChartView* NewView(QWidget* parent, const char* name) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 240);
    return view;
}

}  // namespace

UncertaintyDialog::UncertaintyDialog(const CaseFile& theCase, MessageSink& messages,
                                     QWidget* parent, unsigned threads)
    : QDialog(parent), Current(theCase), RunCase(theCase), Messages(messages), Threads(threads) {
    UseGothicSubstitutes();
    setObjectName(QStringLiteral("UncertaintyDialog"));
    setWindowTitle(QCoreApplication::translate("UncertaintyDialog", "不確かさ"));
    setFont(FontFor(ControlFont::Window));
    setModal(false);

    auto* editor = new QGridLayout;
    editor->addWidget(new QLabel(QCoreApplication::translate("UncertaintyDialog", "条件"), this), 0,
                      0);
    editor->addWidget(new QLabel(QCoreApplication::translate("UncertaintyDialog", "分布"), this), 0,
                      1);
    editor->addWidget(new QLabel(QCoreApplication::translate("UncertaintyDialog", "幅 (%)"), this),
                      0, 2);
    for (BasicInput input : kBasicInputs) {
        const auto d = static_cast<std::size_t>(input);
        const int row = static_cast<int>(d) + 1;
        auto* shape = new QComboBox(this);
        shape->setObjectName(QStringLiteral("Shape%1").arg(d));
        for (engine::SpreadShape each : kShapes)
            shape->addItem(ShapeCaption(each), static_cast<int>(each));
        auto* percent = new QDoubleSpinBox(this);
        percent->setObjectName(QStringLiteral("Percent%1").arg(d));
        percent->setRange(0.0, 1000.0);
        percent->setDecimals(2);
        percent->setValue(10.0);
        percent->setToolTip(
            QCoreApplication::translate("UncertaintyDialog", "一様・三角は±の幅、正規は標準偏差"));
        editor->addWidget(new QLabel(ModelText({InfoOf(input).Caption, {}}), this), row, 0);
        editor->addWidget(shape, row, 1);
        editor->addWidget(percent, row, 2);
        Shapes[d] = shape;
        Percents[d] = percent;
    }
    const int below = static_cast<int>(kBasicInputs.size()) + 1;
    Samples = new QSpinBox(this);
    Samples->setObjectName(QStringLiteral("SampleCount"));
    Samples->setRange(1, 1000000);
    Samples->setValue(1000);
    Seed = new QSpinBox(this);
    Seed->setObjectName(QStringLiteral("Seed"));
    Seed->setRange(0, 2147483647);
    Seed->setValue(1);
    editor->addWidget(
        new QLabel(QCoreApplication::translate("UncertaintyDialog", "サンプル数"), this), below, 0);
    editor->addWidget(Samples, below, 1, 1, 2);
    editor->addWidget(
        new QLabel(QCoreApplication::translate("UncertaintyDialog", "乱数の種"), this), below + 1,
        0);
    editor->addWidget(Seed, below + 1, 1, 1, 2);
    editor->setRowStretch(below + 2, 1);

    RunButton = new QPushButton(QCoreApplication::translate("UncertaintyDialog", "実行"), this);
    RunButton->setObjectName(QStringLiteral("RunUncertainty"));
    CancelButton = new QPushButton(QCoreApplication::translate("UncertaintyDialog", "中止"), this);
    CancelButton->setObjectName(QStringLiteral("CancelUncertainty"));
    CsvButton =
        new QPushButton(QCoreApplication::translate("UncertaintyDialog", "CSVで保存…"), this);
    CsvButton->setObjectName(QStringLiteral("SaveSamplesCsv"));
    ImageButton =
        new QPushButton(QCoreApplication::translate("UncertaintyDialog", "画像を保存…"), this);
    ImageButton->setObjectName(QStringLiteral("SaveChartsImage"));
    ImageButton->setToolTip(
        QCoreApplication::translate("UncertaintyDialog", "グラフをPNGまたはSVGで保存します"));
    auto* closeButton =
        new QPushButton(QCoreApplication::translate("UncertaintyDialog", "閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseUncertainty"));
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("UncertaintyProgress"));
    Counts = new QLabel(this);
    Counts->setObjectName(QStringLiteral("UncertaintyCounts"));
    Counts->setWordWrap(true);
    StaleNote = new QLabel(ModelText({MessageId::UncertaintyStale, {}}), this);
    StaleNote->setObjectName(QStringLiteral("UncertaintyStale"));
    StaleNote->setStyleSheet(QStringLiteral("color: #b00000"));
    StaleNote->setWordWrap(true);

    Charts = new QWidget(this);
    Charts->setObjectName(QStringLiteral("UncertaintyCharts"));
    HistogramView = NewView(Charts, "MeanHistogram");
    BandView = NewView(Charts, "CellBands");
    TornadoView = NewView(Charts, "Tornado");
    auto* charts = new QGridLayout(Charts);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(HistogramView, 0, 0, 1, 2);
    charts->addWidget(BandView, 1, 0);
    charts->addWidget(TornadoView, 1, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(editor);
    left->addWidget(RunButton);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(Charts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Progress, 1);
    buttons->addWidget(CancelButton);
    buttons->addWidget(CsvButton);
    buttons->addWidget(ImageButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(Counts);
    layout->addWidget(StaleNote);
    layout->addLayout(buttons);

    connect(RunButton, &QPushButton::clicked, this, &UncertaintyDialog::Start);
    connect(CancelButton, &QPushButton::clicked, this, &UncertaintyDialog::Cancel);
    connect(CsvButton, &QPushButton::clicked, this, &UncertaintyDialog::AskAndSaveCsv);
    connect(ImageButton, &QPushButton::clicked, this, &UncertaintyDialog::AskAndSaveImage);
    connect(closeButton, &QPushButton::clicked, this, &UncertaintyDialog::reject);

    resize(1000, 640);
    ShowRun();
}

void UncertaintyDialog::FollowCase(const CaseFile& now) {
    Current = now;
    StaleNote->setVisible(IsStale());
}

bool UncertaintyDialog::IsStale() const {
    return Run != nullptr && !(Current == RunCase);
}

session::UncertaintyPlan UncertaintyDialog::Plan() const {
    session::UncertaintyPlan plan;
    for (std::size_t d = 0; d < Shapes.size(); ++d) {
        const auto shape = static_cast<engine::SpreadShape>(Shapes[d]->currentData().toInt());
        if (shape != engine::SpreadShape::None)
            plan.Spread[d] = {shape, Percents[d]->value()};
    }
    plan.Samples = static_cast<std::size_t>(Samples->value());
    plan.Seed = static_cast<std::uint64_t>(Seed->value());
    plan.Threads = Threads;
    return plan;
}

void UncertaintyDialog::Start() {
    if (Running)
        return;
    const session::UncertaintyPlan plan = Plan();
    RunCase = Current;
    RunSpreads = plan.Spread;
    Running = true;
    Progress->setRange(0, 0);
    ShowRunning();
    // The worker owns its copy of the case and the plan; it reaches the
    // dialog only through queued calls, which run on the dialog's thread.
    Job.Start([this, theCase = RunCase, plan](std::stop_token stop) {
        const engine::BatchProgress progress = [this, &stop](std::size_t done, std::size_t total) {
            Job.Post([this, done, total] { ShowProgress(done, total); });
            return !stop.stop_requested();
        };
        auto run =
            std::make_shared<session::UncertaintyRun>(RunUncertainty(theCase, plan, progress));
        Job.Post([this, run] { Finish(run); });
    });
}

void UncertaintyDialog::Cancel() {
    Job.Cancel();
    CancelButton->setEnabled(false);
}

void UncertaintyDialog::done(int result) {
    Cancel();
    QDialog::done(result);
}

void UncertaintyDialog::ShowProgress(std::size_t done, std::size_t total) {
    if (!Running)
        return;
    Progress->setRange(0, static_cast<int>(total));
    Progress->setValue(static_cast<int>(done));
}

void UncertaintyDialog::Finish(std::shared_ptr<session::UncertaintyRun> run) {
    Running = false;
    Run = std::move(run);
    Summed = session::SummariseUncertainty(*Run, RunSpreads);
    std::vector<double> means;
    for (const session::SampledCase& sample : Run->Samples) {
        if (const auto mean = sample.Mean())
            means.push_back(*mean);
    }
    Bins = model::HistogramOf(means, kHistogramBins);
    ShowRun();
}

std::optional<std::array<double, 3>> UncertaintyDialog::MarkedPercentiles() const {
    if (!Summed || !Summed->Mean)
        return std::nullopt;
    return std::array{Summed->Mean->P5, Summed->Mean->P50, Summed->Mean->P95};
}

void UncertaintyDialog::ShowRunning() {
    RunButton->setEnabled(!Running);
    CancelButton->setEnabled(Running);
    CancelButton->setVisible(Running);
    Progress->setVisible(Running);
    CsvButton->setEnabled(!Running && Run != nullptr);
    ImageButton->setEnabled(!Running && Run != nullptr);
    for (QComboBox* shape : Shapes)
        shape->setEnabled(!Running);
    for (QDoubleSpinBox* percent : Percents)
        percent->setEnabled(!Running);
    Samples->setEnabled(!Running);
    Seed->setEnabled(!Running);
}

void UncertaintyDialog::ShowRun() {
    ShowRunning();
    StaleNote->setVisible(IsStale());
    if (Summed) {
        const session::StatusCounts& c = Summed->Counts;
        QString words = ModelText(model::CountWords(c.Result, c.Unstable, c.CannotRun, c.Refused));
        if (Run->Cancelled)
            words += QCoreApplication::translate("UncertaintyDialog", "（中止）");
        Counts->setText(words);
    } else {
        Counts->setText(
            QCoreApplication::translate("UncertaintyDialog", "分布を選んで実行してください。"));
    }
    ShowHistogram();
    ShowBands();
    ShowTornado();
}

void UncertaintyDialog::ShowHistogram() {
    QChart* chart = NewChart(font());
    chart->setTitle(QCoreApplication::translate("UncertaintyDialog", "湾内平均水温の分布"));
    const auto marks = MarkedPercentiles();
    const std::optional<double> base = Run ? Run->Base.Mean() : std::nullopt;
    double low = 0.0, high = 1.0;
    std::size_t top = 1;
    if (!Bins.empty()) {
        low = Bins.front().Low;
        high = Bins.back().High;
        for (const model::HistogramBin& bin : Bins)
            top = std::max(top, bin.Count);
    }
    if (base) {
        low = Bins.empty() ? *base : std::min(low, *base);
        high = Bins.empty() ? *base : std::max(high, *base);
    }
    auto* x =
        ValueAxis(QCoreApplication::translate("UncertaintyDialog", "湾内平均水温 (℃)"), low, high);
    auto* y = ValueAxis(QCoreApplication::translate("UncertaintyDialog", "サンプル数"), 0.0,
                        static_cast<double>(top) * 1.1);
    y->setRange(0.0, static_cast<double>(top) * 1.1);  // counts start at zero
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    if (!Bins.empty()) {
        auto* outline = new QLineSeries;
        for (const model::HistogramBin& bin : Bins) {
            const auto count = static_cast<double>(bin.Count);
            outline->append(bin.Low, 0.0);
            outline->append(bin.Low, count);
            outline->append(bin.High, count);
            outline->append(bin.High, 0.0);
        }
        auto* bars = new QAreaSeries(outline);
        bars->setName(QCoreApplication::translate("UncertaintyDialog", "サンプル"));
        bars->setColor(QColor(120, 160, 220));
        bars->setBorderColor(QColor(60, 90, 150));
        Add(*chart, bars, x, y, true);
    }
    const double tall = static_cast<double>(top) * 1.05;
    if (base) {
        Add(*chart,
            Segment({*base, 0.0}, {*base, tall}, QPen(QColor(200, 30, 30), 2.5),
                    QCoreApplication::translate("UncertaintyDialog", "単独計算")),
            x, y, true);
    }
    if (marks) {
        const std::array<const char*, 3> names{"P5", "P50", "P95"};
        for (std::size_t k = 0; k < marks->size(); ++k) {
            QPen pen(k == 1 ? QColor(20, 20, 20) : QColor(90, 90, 90), k == 1 ? 2.0 : 1.5);
            pen.setStyle(k == 1 ? Qt::SolidLine : Qt::DashLine);
            Add(*chart,
                Segment({(*marks)[k], 0.0}, {(*marks)[k], tall}, pen,
                        QString::fromLatin1(names[k])),
                x, y, true);
        }
    }
    chart->legend()->setVisible(Run != nullptr);
    Replace(*HistogramView, chart);
}

void UncertaintyDialog::ShowBands() {
    QChart* chart = NewChart(font());
    chart->setTitle(QCoreApplication::translate("UncertaintyDialog", "区画ごとの P5–P95"));
    std::vector<model::BandRow> rows;
    if (Summed && Summed->Mean) {
        std::optional<std::array<double, engine::kBayCellCount>> cells;
        if (Run->Base.HasResult())
            cells = Run->Base.Outcome.Cells;
        rows = model::BandRows(Summed->Cells, cells);
    }
    double low = 0.0, high = 1.0;
    if (!rows.empty()) {
        low = rows.front().P5;
        high = rows.front().P95;
        for (const model::BandRow& row : rows) {
            low = std::min({low, row.P5, row.Run.value_or(row.P5)});
            high = std::max({high, row.P95, row.Run.value_or(row.P95)});
        }
    }
    auto* x = new QCategoryAxis;
    x->setTitleText(QCoreApplication::translate("UncertaintyDialog", "区画"));
    x->setRange(0.5, static_cast<double>(engine::kBayCellCount) + 0.5);
    x->setStartValue(0.5);
    for (std::size_t k = 1; k <= engine::kBayCellCount; ++k)
        x->append(QString::number(k), static_cast<double>(k) + 0.5);
    auto* y = ValueAxis(QCoreApplication::translate("UncertaintyDialog", "水温 (℃)"), low, high);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto* middles = new QScatterSeries;
    middles->setName(QStringLiteral("P50"));
    middles->setMarkerSize(6);
    middles->setColor(QColor(20, 20, 20));
    auto* runs = new QScatterSeries;
    runs->setName(QCoreApplication::translate("UncertaintyDialog", "単独計算"));
    runs->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    runs->setMarkerSize(10);
    runs->setColor(QColor(200, 30, 30));
    for (const model::BandRow& row : rows) {
        const auto at = static_cast<double>(row.Cell);
        QPen pen(QColor(120, 160, 220), 14.0);
        pen.setCapStyle(Qt::FlatCap);
        Add(*chart, Segment({at - 0.0, row.P5}, {at, row.P95}, pen, QStringLiteral("P5–P95")), x, y,
            row.Cell == 1);
        middles->append(at, row.P50);
        if (row.Run)
            runs->append(at, *row.Run);
    }
    Add(*chart, runs, x, y, true);
    Add(*chart, middles, x, y, true);  // on top: the median often sits on the run
    chart->legend()->setVisible(!rows.empty());
    Replace(*BandView, chart);
}

void UncertaintyDialog::ShowTornado() {
    QChart* chart = NewChart(font());
    chart->setTitle(
        QCoreApplication::translate("UncertaintyDialog", "一つずつ端に置いたときの湾内平均水温"));
    std::vector<model::TornadoRow> rows;
    const std::optional<double> base = Run ? Run->Base.Mean() : std::nullopt;
    if (base) {
        std::vector<model::TornadoEnds> ends;
        for (const session::TornadoBar& bar : Run->Tornado)
            ends.push_back({bar.Input, bar.Low.Mean(), bar.High.Mean()});
        rows = model::TornadoRows(ends, *base);
    }
    double low = base.value_or(0.0), high = base.value_or(1.0);
    for (const model::TornadoRow& row : rows) {
        low = std::min({low, *base + row.Low, *base + row.High});
        high = std::max({high, *base + row.Low, *base + row.High});
    }
    auto* x =
        ValueAxis(QCoreApplication::translate("UncertaintyDialog", "湾内平均水温 (℃)"), low, high);
    auto* y = new QCategoryAxis;
    const auto n = static_cast<double>(rows.size());
    y->setRange(-0.5, std::max(n, 1.0) - 0.5);
    y->setStartValue(-0.5);
    for (std::size_t k = rows.size(); k-- > 0;)  // the widest swing on top
        y->append(ModelText({InfoOf(rows[k].Input).Caption, {}}), n - static_cast<double>(k) - 0.5);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double at = n - 1.0 - static_cast<double>(k);
        QPen lowPen(QColor(70, 110, 200), 16.0), highPen(QColor(220, 110, 60), 16.0);
        lowPen.setCapStyle(Qt::FlatCap);
        highPen.setCapStyle(Qt::FlatCap);
        Add(*chart,
            Segment({*base, at}, {*base + rows[k].Low, at}, lowPen,
                    QCoreApplication::translate("UncertaintyDialog", "下端")),
            x, y, k == 0);
        Add(*chart,
            Segment({*base, at}, {*base + rows[k].High, at}, highPen,
                    QCoreApplication::translate("UncertaintyDialog", "上端")),
            x, y, k == 0);
    }
    if (base) {
        Add(*chart,
            Segment({*base, -0.5}, {*base, std::max(n, 1.0) - 0.5}, QPen(Qt::black, 1.5),
                    QCoreApplication::translate("UncertaintyDialog", "単独計算")),
            x, y, true);
    }
    chart->legend()->setVisible(!rows.empty());
    Replace(*TornadoView, chart);
}

bool UncertaintyDialog::SaveCsv(const QString& path) {
    if (Run == nullptr || Running) {
        Messages.Show({MessageId::UncertaintyNotRun, {}});
        return false;
    }
    const std::string csv = session::SamplesCsv(*Run);
    const std::optional<Message> failure = WriteReplacing(path, csv);
    if (failure)
        Messages.Show({MessageId::SweepCsvFailed, {path.toStdString(), *failure}});
    return !failure;
}

bool UncertaintyDialog::SaveImage(const QString& path) {
    const std::optional<Message> failure = WriteWidgetImage(path, *Charts, windowTitle());
    if (failure)
        Messages.Show({MessageId::ImageSaveFailed, {path.toStdString(), *failure}});
    return !failure;
}

void UncertaintyDialog::AskAndSaveCsv() {
    const QString path =
        AskSavePath(*this, QCoreApplication::translate("UncertaintyDialog", "CSVで保存"),
                    session::SavedOutput::SamplesCsv);
    if (!path.isEmpty())
        SaveCsv(path);
}

void UncertaintyDialog::AskAndSaveImage() {
    const QString path =
        AskSavePath(*this, QCoreApplication::translate("UncertaintyDialog", "画像を保存"),
                    session::SavedOutput::UncertaintyImage);
    if (!path.isEmpty())
        SaveImage(path);
}

}  // namespace tidewell::window
