// The time-series chart window and the sensitivity dialog, driven offscreen.
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "BayCases.h"
#include "engine/RunDriver.h"
#include "ui/qt/SeriesChartWindow.h"
#include "ui/qt/SweepDialog.h"

using namespace tidewell;
using window::SeriesChartWindow;
using window::SweepDialog;

namespace {

class RecordingSink final : public MessageSink {
  public:
    void Show(const Message& message) override { Shown.push_back(message); }
    std::vector<Message> Shown;
};

const CaseRecord kEndless = test::BayCase(1000, 1e-7);  // each run would take hours

SeriesPlot PlotOfCase(const CaseRecord& record) {
    ModelState model;
    NoReport report;
    RecordingSink messages;
    TimeSeries series;
    const RunResult run = RunCalculation(record, model, report, messages, {}, &series);
    return PlotOfRun(FinishedRunOf(run.Status, series, model));
}

template <typename T>
T* Named(QWidget* in, const char* name) {
    T* found = in->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget named %s", name);
    return found;
}

}  // namespace

class ViewsTest : public QObject {
    Q_OBJECT

    QChart* Chart() const { return Named<QChartView>(Charts.get(), "SeriesChart")->chart(); }
    QList<QLineSeries*> Lines() const {
        QList<QLineSeries*> lines;
        for (QAbstractSeries* series : Chart()->series())
            lines << qobject_cast<QLineSeries*>(series);
        return lines;
    }
    static QTableWidget* Grid(SweepDialog& dialog) {
        return Named<QTableWidget>(&dialog, "SweepGrid");
    }
    bool ShowChart(const SeriesPlot& plot) {
        Charts->ShowPlot(plot);
        Charts->show();
        Charts->activateWindow();
        return QTest::qWaitForWindowActive(Charts.get());
    }

    RecordingSink Sink;
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<SeriesChartWindow> Charts;

  private slots:
    void init() {
        Sink.Shown.clear();
        Folder = std::make_unique<QTemporaryDir>();
        Charts = std::make_unique<SeriesChartWindow>(Sink);
    }
    void cleanup() {
        Charts.reset();
        Folder.reset();
        QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
    }

    void chartShowsTheRunItIsGiven_data() {
        QTest::addColumn<double>("bayArea");  // 0: no run yet
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("message");
        QTest::newRow("no run yet")
            << 0.0 << 0 << "計算結果がありません。計算開始を押してください。";
        QTest::newRow("default bay") << 1000.0 << 12 << "";
        QTest::newRow("unstable small bay") << 20.0 << 12 << "計算が不安定";
    }
    void chartShowsTheRunItIsGiven() {
        QFETCH(double, bayArea);
        QFETCH(int, lineCount);
        QFETCH(QString, message);
        const SeriesPlot plot = bayArea == 0 ? PlotOfNoRun() : PlotOfCase(test::BayCase(bayArea));
        Charts->ShowPlot(PlotOfCase(DefaultCase()));  // replaced by the next
        QVERIFY(ShowChart(plot));
        QCOMPARE(Charts->windowTitle(), QString("時系列グラフ - Tidewell"));
        const QList<QLineSeries*> lines = Lines();
        QCOMPARE(lines.size(), lineCount);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const PlotCurve& curve = plot.Curves[static_cast<std::size_t>(i)];
            QCOMPARE(lines[i]->name(), QString::fromStdString(curve.Name));
            QCOMPARE(lines[i]->count(), static_cast<int>(curve.Points.size()));
            QCOMPARE(lines[i]->pen().style(), i >= 7 ? Qt::DashLine : Qt::SolidLine);
            if (i >= 7)
                QCOMPARE(lines[i]->pen().color(), lines[i - 7]->pen().color());
        }
        QCOMPARE(Chart()->legend()->isVisible(), lineCount > 0);
        QCOMPARE(qobject_cast<QValueAxis*>(Chart()->axes(Qt::Horizontal).value(0))->titleText(),
                 QString("経過日数（日）"));
        auto* shown = Named<QLabel>(Charts.get(), "PlotMessage");
        QVERIFY(shown->text().startsWith(message));
        QCOMPARE(shown->isVisible(), !message.isEmpty());
    }

    // By the name's extension; a failure names the path and leaves nothing.
    void chartSavesPngOrSvg_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");  // empty: the save fails
        QTest::newRow("png") << "chart.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "chart.SVG" << QByteArray("<?xml");
        QTest::newRow("no extension") << "chart" << QByteArray("\x89PNG");
        QTest::newRow("missing folder") << "missing/chart.png" << QByteArray();
    }
    void chartSavesPngOrSvg() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QVERIFY(ShowChart(PlotOfCase(DefaultCase())));
        const QString path = Folder->filePath(name);
        QCOMPARE(Charts->SaveImage(path), !start.isEmpty());
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly), !start.isEmpty());
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(start));
        if (start == "<?xml")
            QVERIFY(bytes.contains("<svg") && bytes.contains("</svg>"));
        else if (!start.isEmpty())
            QVERIFY(!QImage::fromData(bytes, "PNG").isNull());
        QCOMPARE(QDir(Folder->path()).entryList(QDir::Files),
                 start.isEmpty() ? QStringList() : QStringList{name});
        QCOMPARE(Sink.Shown.size(), start.isEmpty() ? 1u : 0u);
        if (start.isEmpty())
            QVERIFY(QString::fromStdString(Sink.Shown[0].Prompt).contains(path));
    }

    // 448 runs of the default case in the background; switching the held
    // list re-slices without running again; the whole sweep saves as CSV.
    void sweepFillsEveryCombinationAndSavesThemAsCsv() {
        SweepDialog dialog(DefaultCase(), {}, Sink);
        dialog.show();
        QVERIFY(dialog.IsRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRunning(), 90000);
        QCOMPARE(dialog.Table().AllOutcomes().size(), 448u);
        for (const BatchOutcome& outcome : dialog.Table().AllOutcomes())
            QVERIFY(outcome.Run.Status != RunStatus::Cancelled);
        QTableWidget* grid = Grid(dialog);
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({7, 8}));
        QCOMPARE(grid->verticalHeaderItem(1)->text() + grid->horizontalHeaderItem(7)->text(),
                 QString("0.25.0"));
        QCOMPARE(grid->item(0, 0)->text(), QString(" 17.7"));
        QCOMPARE(grid->item(0, 0)->background().color(), QColor(255, 255, 0));
        QVERIFY(grid->item(0, 0)->data(SweepDialog::kCurrentRole).toBool());
        QVERIFY(!grid->item(0, 1)->data(SweepDialog::kCurrentRole).toBool());
        const QString caption = Named<QLabel>(&dialog, "SweepCaption")->text();
        QVERIFY(caption.indexOf("湾口部断面積") < caption.indexOf("流入水流量"));

        Named<QComboBox>(&dialog, "HeldList")->setCurrentIndex(0);  // hold the section
        QVERIFY(!dialog.IsRunning());
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({8, 8}));
        QCOMPARE(grid->item(0, 0)->text(), QString(" 17.7"));
        Named<QComboBox>(&dialog, "HeldEntry")->setCurrentIndex(1);
        QVERIFY(grid->item(0, 0)->text() != QString(" 17.7"));

        const QString path = Folder->filePath("sweep.csv");
        QVERIFY(dialog.SaveCsv(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 450);  // header, 448 rows, nothing after the last LF
        QVERIFY(lines[1].startsWith("1.0,1.0,1.0,result,17.7"));
        QVERIFY(!dialog.SaveCsv(Folder->filePath("missing/sweep.csv")));
        QCOMPARE(Sink.Shown.size(), 1u);
        QVERIFY(QString::fromStdString(Sink.Shown[0].Prompt).contains("missing/sweep.csv"));
        QCOMPARE(QDir(Folder->path()).entryList(QDir::Files), QStringList{"sweep.csv"});
    }

    // Runs that would take hours stop soon after 中止 or closing the dialog;
    // the combinations not finished show as not calculated.
    void sweepStopsWhenCancelledOrClosed_data() {
        QTest::addColumn<bool>("byClosing");
        QTest::newRow("中止") << false;
        QTest::newRow("closing") << true;
    }
    void sweepStopsWhenCancelledOrClosed() {
        QFETCH(bool, byClosing);
        SweepDialog dialog(kEndless, {}, Sink, nullptr, 2);
        dialog.show();
        QTest::qWait(200);
        QVERIFY(dialog.IsRunning());
        if (byClosing)
            dialog.close();
        else
            QTest::mouseClick(Named<QPushButton>(&dialog, "CancelSweep"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRunning(), 20000);
        QCOMPARE(Grid(dialog)->item(0, 0)->text(), QString("未計算"));
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ViewsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewsTest.moc"
