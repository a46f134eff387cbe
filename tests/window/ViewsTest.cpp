// The time-series chart window and the sensitivity dialog, driven offscreen.
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

#include "case/BasicValue.h"
#include "engine/RunDriver.h"
#include "ui/qt/SeriesChartWindow.h"
#include "ui/qt/SweepDialog.h"

using tidewell::CaseRecord;
using tidewell::Message;
using tidewell::SweepCombination;
using tidewell::window::SeriesChartWindow;
using tidewell::window::SweepDialog;

namespace {

class RecordingSink final : public tidewell::MessageSink {
  public:
    void Show(const Message& message) override { Shown.push_back(message); }
    std::vector<Message> Shown;
};

tidewell::SeriesPlot PlotOfCase(const CaseRecord& record) {
    tidewell::ModelState model;
    tidewell::NoReport report;
    RecordingSink messages;
    tidewell::TimeSeries series;
    const auto run = tidewell::RunCalculation(record, model, report, messages, {}, &series);
    return tidewell::PlotOfRun(tidewell::FinishedRunOf(run.Status, series, model));
}

CaseRecord WithBayArea(double area) {
    CaseRecord record = tidewell::DefaultCase();
    record.BayArea = tidewell::BasicValue(area);
    record.BayVolume = tidewell::BayVolumeOf(area, record.MeanDepth.Value());
    return record;
}

// A river so weak that each run would take hours.
CaseRecord EndlessCase() {
    CaseRecord record = tidewell::DefaultCase();
    record.InflowRate = tidewell::BasicValue(1e-7);
    record.InflowLoad = tidewell::InflowLoadOf(1e-7, record.InflowTemp.Value());
    return record;
}

// Calls act once on the first modal Dialog that comes up while poll runs.
template <typename Dialog>
void WhenModalAppears(QTimer& poll, std::function<void(Dialog*)> act) {
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            act(dialog);
        }
    });
    poll.start();
}

}  // namespace

class ViewsTest : public QObject {
    Q_OBJECT

  private:
    template <typename T>
    static T* Named(QWidget* in, const char* name) {
        T* found = in->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no widget named %s", name);
        return found;
    }
    QChart* Chart() const { return Named<QChartView>(Chart_.get(), "SeriesChart")->chart(); }
    QList<QLineSeries*> Lines() const {
        QList<QLineSeries*> lines;
        for (QAbstractSeries* series : Chart()->series())
            lines << qobject_cast<QLineSeries*>(series);
        return lines;
    }
    void WaitForSweep(SweepDialog& dialog) { QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRunning(), 90000); }
    QString CellText(SweepDialog& dialog, int row, int column) {
        const QTableWidgetItem* item = Named<QTableWidget>(&dialog, "SweepGrid")->item(row, column);
        return item ? item->text() : QString("(none)");
    }

    RecordingSink Sink;
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<SeriesChartWindow> Chart_;

  private slots:
    void init() {
        Sink.Shown.clear();
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        Chart_ = std::make_unique<SeriesChartWindow>(Sink);
    }
    void cleanup() {
        Chart_.reset();
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
        const tidewell::SeriesPlot plot =
            bayArea == 0 ? tidewell::PlotOfNoRun() : PlotOfCase(WithBayArea(bayArea));
        Chart_->ShowPlot(PlotOfCase(tidewell::DefaultCase()));  // replaced by the next
        Chart_->ShowPlot(plot);
        Chart_->show();
        QVERIFY(QTest::qWaitForWindowExposed(Chart_.get()));
        QCOMPARE(Chart_->windowTitle(), QString("時系列グラフ - Tidewell"));
        QVERIFY(!Chart_->isModal());
        const QList<QLineSeries*> lines = Lines();
        QCOMPARE(lines.size(), lineCount);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const tidewell::PlotCurve& curve = plot.Curves[static_cast<std::size_t>(i)];
            QCOMPARE(lines[i]->name(), QString::fromStdString(curve.Name));
            QCOMPARE(lines[i]->count(), static_cast<int>(curve.Points.size()));
            QCOMPARE(lines[i]->pen().style(), i >= 7 ? Qt::DashLine : Qt::SolidLine);
            if (i >= 7)
                QCOMPARE(lines[i]->pen().color(), lines[i - 7]->pen().color());
        }
        QCOMPARE(Chart()->legend()->isVisible(), lineCount > 0);
        const auto* days = qobject_cast<QValueAxis*>(Chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(days);
        QCOMPARE(days->titleText(), QString("経過日数（日）"));
        auto* shown = Named<QLabel>(Chart_.get(), "PlotMessage");
        QVERIFY(shown->text().startsWith(message));
        QCOMPARE(shown->isVisible(), !message.isEmpty());
    }

    // The label under the chart names the curve point nearest to the mouse,
    // also at the very edge of the plot, and nothing away from the plot.
    void chartShowsTheValueUnderTheMouse_data() {
        QTest::addColumn<QPointF>("value");  // day, degC
        QTest::addColumn<QPoint>("offset");  // pixels
        QTest::addColumn<QString>("shown");
        QTest::newRow("inner point") << QPointF(2, 15) << QPoint() << "セル2　2.00日　15.00℃";
        QTest::newRow("last point on the edge")
            << QPointF(4, 13.5) << QPoint(2, 0) << "セル1（湾奥）　4.00日　13.50℃";
        QTest::newRow("left of the plot") << QPointF(0, 15) << QPoint(-40, 0) << "";
    }
    void chartShowsTheValueUnderTheMouse() {
        QFETCH(QPointF, value);
        QFETCH(QPoint, offset);
        QFETCH(QString, shown);
        tidewell::FinishedRun run{tidewell::RunStatus::Completed,
                                  {{0, {12, 14, 16, 17, 17.5}},
                                   {2, {13, 15, 17, 17.5, 17.8}},
                                   {4, {13.5, 15.5, 17.5, 17.8, 17.9}}},
                                  {16, 16.5, 17, 17.5, 17.9},
                                  18,
                                  10};
        Chart_->ShowPlot(tidewell::PlotOfRun(run));
        Chart_->show();
        QVERIFY(QTest::qWaitForWindowExposed(Chart_.get()));
        auto* view = Named<QChartView>(Chart_.get(), "SeriesChart");
        const QPointF inChart = Chart()->mapToPosition(value, Lines()[0]);
        const QPoint at = view->mapFromScene(Chart()->mapToScene(inChart)) + offset;
        QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QCOMPARE(Named<QLabel>(Chart_.get(), "PointValue")->text(), shown);
    }

    void chartSavesPngOrSvgByExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png") << "chart.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "chart.SVG" << QByteArray("<?xml");
        QTest::newRow("no extension") << "chart" << QByteArray("\x89PNG");
    }
    void chartSavesPngOrSvgByExtension() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        Chart_->ShowPlot(PlotOfCase(tidewell::DefaultCase()));
        Chart_->show();
        QVERIFY(QTest::qWaitForWindowExposed(Chart_.get()));
        const QString path = Folder->filePath(name);
        QVERIFY(Chart_->SaveImage(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(start));
        if (start == "<?xml")
            QVERIFY(bytes.contains("<svg") && bytes.contains("</svg>"));
        else
            QVERIFY(!QImage::fromData(bytes, "PNG").isNull());
        QCOMPARE(QDir(Folder->path()).entryList(QDir::Files), QStringList{name});
        QVERIFY(Sink.Shown.empty());
    }

    // Ctrl+S and the button both ask for a name and save there.
    void chartAsksWhereToSave_data() {
        QTest::addColumn<bool>("byShortcut");
        QTest::newRow("button") << false;
        QTest::newRow("Ctrl+S") << true;
    }
    void chartAsksWhereToSave() {
        QFETCH(bool, byShortcut);
        Chart_->show();
        Chart_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Chart_.get()));
        const QString path = Folder->filePath("asked.svg");
        QTimer poll;
        WhenModalAppears<QFileDialog>(poll, [&path](QFileDialog* dialog) {
            // Typed as a user would: selectFile() races the folder's loading.
            Named<QLineEdit>(dialog, "fileNameEdit")->setText(path);
            static_cast<QDialog*>(dialog)->accept();  // takes the selected name
        });
        if (byShortcut)
            QTest::keyClick(Chart_.get(), Qt::Key_S, Qt::ControlModifier);
        else
            QTest::mouseClick(Named<QPushButton>(Chart_.get(), "SaveImage"), Qt::LeftButton);
        QTRY_VERIFY(QFileInfo(path).size() > 0);
    }

    void chartReportsAFailedSave() {
        const QString path = Folder->filePath("missing/chart.png");
        QVERIFY(!Chart_->SaveImage(path));
        QCOMPARE(Sink.Shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(Sink.Shown[0].Title), QString("画像保存エラー"));
        QVERIFY(QString::fromStdString(Sink.Shown[0].Prompt).contains(path));
        QVERIFY(!QFileInfo::exists(path));
    }

    // 448 runs of the default case in the background; the table shows the
    // slice of the held list, re-sliced without running again, and the
    // whole sweep saves as CSV.
    void sweepFillsEveryCombinationAndSavesThemAsCsv() {
        SweepDialog dialog(tidewell::DefaultCase(), {}, Sink);
        dialog.show();
        QVERIFY(dialog.IsRunning());
        WaitForSweep(dialog);
        QCOMPARE(dialog.Table().AllOutcomes().size(), std::size_t{448});
        for (const tidewell::BatchOutcome& outcome : dialog.Table().AllOutcomes())
            QVERIFY(outcome.Run.Status != tidewell::RunStatus::Cancelled);
        auto* grid = Named<QTableWidget>(&dialog, "SweepGrid");
        QCOMPARE(grid->rowCount(), 7);
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->verticalHeaderItem(1)->text(), QString("0.2"));
        QCOMPARE(grid->horizontalHeaderItem(7)->text(), QString("5.0"));
        QCOMPARE(CellText(dialog, 0, 0), QString(" 17.7"));
        QCOMPARE(grid->item(0, 0)->background().color(), QColor(255, 255, 0));
        QVERIFY(grid->item(0, 0)->data(SweepDialog::kCurrentRole).toBool());
        QVERIFY(!grid->item(0, 1)->data(SweepDialog::kCurrentRole).toBool());
        const QString caption = Named<QLabel>(&dialog, "SweepCaption")->text();
        QVERIFY(caption.indexOf("湾口部断面積") < caption.indexOf("流入水流量"));

        Named<QComboBox>(&dialog, "HeldList")->setCurrentIndex(0);  // hold the section
        QVERIFY(!dialog.IsRunning());
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(CellText(dialog, 0, 0), QString(" 17.7"));
        Named<QComboBox>(&dialog, "HeldEntry")->setCurrentIndex(1);
        QVERIFY(CellText(dialog, 0, 0) != QString(" 17.7"));
        QVERIFY(!grid->item(0, 0)->data(SweepDialog::kCurrentRole).toBool());

        const QString path = Folder->filePath("sweep.csv");
        QVERIFY(dialog.SaveCsv(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 450);  // header, 448 rows, nothing after the last LF
        QVERIFY(lines[1].startsWith("1.0,1.0,1.0,result,17.7"));
        QCOMPARE(QDir(Folder->path()).entryList(QDir::Files), QStringList{"sweep.csv"});
        QVERIFY(!dialog.SaveCsv(Folder->filePath("missing/sweep.csv")));
        QCOMPARE(Sink.Shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(Sink.Shown[0].Prompt).contains("missing/sweep.csv"));
        QVERIFY(!QFileInfo::exists(Folder->filePath("missing")));
    }

    void sweepHandsOnTheDoubleClickedCombination_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("picked");  // section, inflow temperature, inflow
        QTest::newRow("inflow temperature held") << 1 << 3 << 2 << 5 << QList<int>{2, 3, 5};
        QTest::newRow("section held") << 0 << 4 << 1 << 7 << QList<int>{4, 1, 7};
        QTest::newRow("inflow held") << 2 << 6 << 5 << 0 << QList<int>{5, 0, 6};
    }
    void sweepHandsOnTheDoubleClickedCombination() {
        QFETCH(int, held);
        QFETCH(int, entry);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QList<int>, picked);
        SweepDialog dialog(EndlessCase(), {}, Sink, nullptr, 1);
        QList<int> got;
        dialog.SetPickHandler([&got](const SweepCombination& c) {
            got = {c.Section, c.InflowTemp, c.Inflow};
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Named<QComboBox>(&dialog, "HeldList")->setCurrentIndex(held);
        Named<QComboBox>(&dialog, "HeldEntry")->setCurrentIndex(entry);
        auto* grid = Named<QTableWidget>(&dialog, "SweepGrid");
        const QPoint middle = grid->visualItemRect(grid->item(row, column)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, middle);  // as a user's first click
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, middle);
        QCOMPARE(got, picked);
        QVERIFY(grid->item(row, column)->data(SweepDialog::kCurrentRole).toBool());
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
        SweepDialog dialog(EndlessCase(), {}, Sink, nullptr, 2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(200);
        QVERIFY(dialog.IsRunning());
        if (byClosing)
            dialog.close();
        else
            QTest::mouseClick(Named<QPushButton>(&dialog, "CancelSweep"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRunning(), 20000);
        QCOMPARE(CellText(dialog, 0, 0), QString("未計算"));
        QVERIFY(!Named<QProgressBar>(&dialog, "SweepProgress")->isVisible());
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
