// The window's menus forward to the model and mirror it (case files and the
// title's unsaved mark, recent files), and the windows they open: the chart
// window and the sensitivity dialog.
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <memory>

#include "BayCases.h"
#include "WindowHarness.h"
#include "engine/RunDriver.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/SeriesChartWindow.h"
#include "ui/qt/SweepDialog.h"

using namespace tidewell;
using test::Named;
using window::SeriesChartWindow;
using window::SweepDialog;

namespace {

const CaseRecord kEndless = test::BayCase(1000, 1e-7);  // each run would take hours

SeriesPlot PlotOfCase(const CaseRecord& record) {
    ModelState model;
    NoReport report;
    test::RecordingSink messages;
    TimeSeries series;
    const RunResult run = RunCalculation(record, model, report, messages, {}, &series);
    return PlotOfRun(FinishedRunOf(run.Status, series, model));
}

}  // namespace

Q_DECLARE_METATYPE(tidewell::SaveAnswer)

class MenusTest : public QObject {
    Q_OBJECT

    void Type(int field, const QString& text) { test::Type(*Window, field, text); }
    QString CasePath() const { return Dir->filePath("bay.tidewell"); }
    QListWidget* List(int n) const {
        return Named<QListWidget>(*Window, QStringLiteral("List%1").arg(n));
    }

    QChart* Chart() const { return Named<QChartView>(*Charts, "SeriesChart")->chart(); }
    QList<QLineSeries*> Lines() const {
        QList<QLineSeries*> lines;
        for (QAbstractSeries* series : Chart()->series())
            lines << qobject_cast<QLineSeries*>(series);
        return lines;
    }
    static QTableWidget* Grid(SweepDialog& dialog) {
        return Named<QTableWidget>(dialog, "SweepGrid");
    }
    bool ShowChart(const SeriesPlot& plot) {
        Charts->ShowPlot(plot);
        Charts->show();
        Charts->activateWindow();
        return QTest::qWaitForWindowActive(Charts.get());
    }

    QTemporaryDir Settings;
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<test::RecordingSink> Messages;
    std::unique_ptr<window::MainWindow> Window;
    std::unique_ptr<SeriesChartWindow> Charts;  // one of its own, apart from the window's

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Settings.path());
    }
    void init() {
        Dir = std::make_unique<QTemporaryDir>();
        Messages = std::make_unique<test::RecordingSink>();
        Window =
            std::make_unique<window::MainWindow>(*Messages, Dir->filePath("out.txt").toStdString());
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        Charts = std::make_unique<SeriesChartWindow>(*Messages);
    }
    void cleanup() {
        Charts.reset();
        Window.reset();
        QSettings().clear();
        QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
    }

    // Each entry with its mnemonic and shortcut, in its menu's order.
    void menuEntries() {
        QStringList entries;
        for (const char* menu : {"FileMenu", "ViewMenu"}) {
            for (const QAction* action : Named<QMenu>(*Window, menu)->actions()) {
                if (!action->isSeparator())
                    entries << action->text() + " " + action->shortcut().toString();
            }
        }
        QCOMPARE(entries,
                 QStringList({"開く(&O)… Ctrl+O", "保存(&S) Ctrl+S",
                              "名前を付けて保存(&A)… Ctrl+Shift+S", "最近使ったファイル(&R) ",
                              "結果をCSVで保存(&E)… ", "終了(&X) Ctrl+Q", "時系列グラフ(&G) Ctrl+G",
                              "感度分析(&S)… Ctrl+T"}));
    }

    // The chart opens on the last run and follows every run after it.
    void chartFollowsEveryRunAndCsvNeedsOne() {
        auto* exportCsv = Named<QAction>(*Window, "ExportCsvAction");
        QVERIFY(!exportCsv->isEnabled());
        QTest::mouseClick(Named<QPushButton>(*Window, "Command1"), Qt::LeftButton);
        window::SeriesChartWindow& chart = Window->ShowChart();
        for (const char* area : {"", "3000"}) {
            if (*area != '\0') {
                Type(1, area);
                QTest::mouseClick(Named<QPushButton>(*Window, "Command1"), Qt::LeftButton);
            }
            const auto& rows = Window->Presenter().LastRun()->Rows;
            QCOMPARE(chart.Plot().Curves.at(4).Points.size(), rows.size());
            QCOMPARE(chart.Plot().Curves.at(4).Points.back().Temp, rows.back().Cells[4]);
        }
        QCOMPARE(&Window->ShowChart(), &chart);  // one chart window
        QVERIFY(exportCsv->isEnabled());
        QVERIFY(Window->ExportSeriesCsv(Dir->filePath("s.csv")));
        QVERIFY(!Window->ExportSeriesCsv(Dir->filePath("none/s.csv")));
        QCOMPARE(Messages->Shown.back().Title, std::string("CSV出力エラー"));
    }

    void caseRoundTripsAndTitleMarksUnsavedChanges() {
        Type(1, "3000");
        List(3)->setCurrentRow(2);
        QVERIFY(!Window->isWindowModified());  // no file: nothing to mark
        QVERIFY(Window->SaveCaseFile(CasePath()));
        QCOMPARE(Window->windowTitle(), QString("bay.tidewell[*] - Tidewell Ver110"));
        QVERIFY(!Window->isWindowModified());
        QTest::mouseClick(Named<QPushButton>(*Window, "Command3"), Qt::LeftButton);  // defaults
        QVERIFY(Window->isWindowModified());
        Messages->SaveReply = SaveAnswer::Discard;
        QVERIFY(Window->OpenCaseFile(CasePath()));
        QCOMPARE(Messages->Asked.size(), std::size_t{1});
        QCOMPARE(test::TextField(*Window, 1)->text(), QString("3000"));
        QCOMPARE(List(3)->currentRow(), 2);
        QVERIFY(!Window->isWindowModified() && Messages->Shown.empty());
    }

    void closingWithUnsavedChangesAsks_data() {
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<QString>("savedArea");
        QTest::newRow("cancel") << SaveAnswer::Cancel << true << "2000";
        QTest::newRow("discard") << SaveAnswer::Discard << false << "2000";
        QTest::newRow("save") << SaveAnswer::Save << false << "4000";
    }
    void closingWithUnsavedChangesAsks() {
        QFETCH(SaveAnswer, answer);
        QFETCH(bool, stays);
        QFETCH(QString, savedArea);
        Type(1, "2000");
        QVERIFY(Window->SaveCaseFile(CasePath()));
        Window->close();  // nothing unsaved: no question
        QVERIFY(Messages->Asked.empty() && !Window->isVisible());
        Window->show();
        Type(1, "4000");
        Messages->SaveReply = answer;
        Window->close();
        QCOMPARE(Messages->Asked.size(), std::size_t{1});
        QCOMPARE(Window->isVisible(), stays);
        QFile saved(CasePath());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains(("\"" + savedArea + "\"").toUtf8()));
    }

    void missingRecentFileLeavesTheList() {
        QVERIFY(Window->SaveCaseFile(CasePath()));
        QVERIFY(Window->SaveCaseFile(Dir->filePath("other.tidewell")));
        auto* recent = Named<QMenu>(*Window, "RecentMenu");
        QCOMPARE(recent->actions().size(), 2);
        QCOMPARE(recent->actions().at(0)->text(), QString("&1 other.tidewell"));
        QVERIFY(QFile::remove(CasePath()));
        recent->actions().at(1)->trigger();  // the older one, from its menu entry
        QTRY_COMPARE(Messages->Shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(Messages->Shown[0].Prompt).contains(CasePath()));
        QCOMPARE(recent->actions().size(), 1);
    }

    // The dialog opens on the window's picks, fills every combination from
    // background runs, re-slices by the held list without running again, saves
    // all as CSV, and hands a double-clicked pick back to the window's lists; a
    // refused text runs no sweep.
    void sweepShowsEveryCombinationAndPicksBack() {
        List(2)->setCurrentRow(4);
        List(3)->setCurrentRow(5);
        QPointer<SweepDialog> dialog = Window->ShowSweep();
        QVERIFY(dialog && dialog->IsRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 90000);
        QTableWidget* grid = Grid(*dialog);
        const auto current = [grid](int row, int column) {
            return grid->item(row, column)->data(SweepDialog::kCurrentRole).toBool();
        };
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({7, 8}));
        QVERIFY(current(0, 5) && !current(0, 0));
        QCOMPARE(grid->verticalHeaderItem(1)->text() + grid->horizontalHeaderItem(7)->text(),
                 QString("0.25.0"));
        Named<QComboBox>(*dialog, "HeldEntry")->setCurrentIndex(0);
        QCOMPARE(grid->item(0, 0)->text(), QString(" 17.7"));
        QCOMPARE(grid->item(0, 0)->background().color(), QColor(255, 255, 0));
        Named<QComboBox>(*dialog, "HeldList")->setCurrentIndex(0);  // hold the section
        QVERIFY(!dialog->IsRunning());
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({8, 8}));
        QCOMPARE(grid->item(0, 0)->text(), QString(" 17.7"));

        QVERIFY(dialog->SaveCsv(Dir->filePath("sweep.csv")));
        QFile file(Dir->filePath("sweep.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 450);  // header, 448 rows, nothing after the last LF
        QVERIFY(lines[1].startsWith("1.0,1.0,1.0,result,17.7"));
        QVERIFY(!dialog->SaveCsv(Dir->filePath("missing/sweep.csv")));
        QVERIFY(QString::fromStdString(Messages->Shown.at(0).Prompt).contains("missing/sweep"));

        const QPoint cell = grid->visualRect(grid->model()->index(3, 6)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(QList<int>({List(1)->currentRow(), List(2)->currentRow(), List(3)->currentRow()}),
                 QList<int>({0, 3, 6}));
        dialog->close();
        QTRY_VERIFY(dialog.isNull());  // deleted on close
        Type(9, "0");
        const std::size_t shown = Messages->Shown.size();
        QCOMPARE(Window->ShowSweep(), nullptr);
        QCOMPARE(Messages->Shown.size(), shown + 1);
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
        auto* shown = Named<QLabel>(*Charts, "PlotMessage");
        QVERIFY(shown->text().startsWith(message));
        QCOMPARE(shown->isVisible(), !message.isEmpty());
    }

    // The value under the mouse is the point nearest on screen: at (5 days,
    // 15 degC), one day off to the side is nearer than three degrees up.
    void chartNamesThePointNearestOnScreen() {
        SeriesPlot plot{"",
                        "",
                        {{"上", CurveKind::Cell, 0, false, false, {{5, 18}}},
                         {"横", CurveKind::Cell, 0, false, false, {{6, 15}}}},
                        {0, 10},
                        {10, 20},
                        ""};
        Charts->resize(900, 600);
        QVERIFY(ShowChart(plot));
        auto* view = Named<QChartView>(*Charts, "SeriesChart");
        const QPointF at = view->mapFromScene(Chart()->mapToScene(Chart()->mapToPosition({5, 15})));
        QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        const QRectF area = Chart()->plotArea();
        QVERIFY(area.width() > area.height() && area.width() < 3 * area.height());
        QCOMPARE(Named<QLabel>(*Charts, "PointValue")->text(), QString("横　6.00日　15.00℃"));
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
        const QString path = Dir->filePath(name);
        QCOMPARE(Charts->SaveImage(path), !start.isEmpty());
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly), !start.isEmpty());
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(start) && (start != "<?xml" || bytes.contains("</svg>")));
        QCOMPARE(QDir(Dir->path()).entryList(QDir::Files).size(), start.isEmpty() ? 0 : 1);
        QCOMPARE(Messages->Shown.size(), start.isEmpty() ? 1u : 0u);
        QVERIFY(start.size() || QString::fromStdString(Messages->Shown[0].Prompt).contains(path));
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
        SweepDialog dialog(kEndless, {}, *Messages, nullptr, 2);
        dialog.show();
        QTest::qWait(200);
        QVERIFY(dialog.IsRunning());
        if (byClosing)
            dialog.close();
        else
            QTest::mouseClick(Named<QPushButton>(dialog, "CancelSweep"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRunning(), 20000);
        QCOMPARE(Grid(dialog)->item(0, 0)->text(), QString("未計算"));
    }
};

int main(int argc, char* argv[]) {
    return tidewell::test::RunWindowTest<MenusTest>(argc, argv);
}

#include "MenusTest.moc"
