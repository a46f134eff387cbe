// The window's menus forward to the model and mirror it (case files, the title's unsaved
// mark, recent files), and the windows they open: the chart and the sensitivity dialog.
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <memory>

#include "BayCases.h"
#include "WindowHarness.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/SeriesChartWindow.h"
#include "ui/qt/SweepDialog.h"

using namespace tidewell;
using namespace tidewell::window;
using test::Named;

Q_DECLARE_METATYPE(tidewell::SaveAnswer)

class MenusTest : public QObject {
    Q_OBJECT
    QString CasePath() const { return Dir->filePath("bay.tidewell"); }
    QListWidget* List(int n) const { return Named<QListWidget>(*Window, QString("List%1").arg(n)); }

    QTemporaryDir Settings;
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<test::RecordingSink> Messages;
    std::unique_ptr<MainWindow> Window;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Settings.path());
    }
    void init() {
        Dir = std::make_unique<QTemporaryDir>();
        Messages = std::make_unique<test::RecordingSink>();
        Window = std::make_unique<MainWindow>(*Messages, Dir->filePath("out.txt").toStdString());
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }
    void cleanup() {
        Window.reset();
        QSettings().clear();
        QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
    }

    // Before any run a chart shows only its message; opened after a run, it shows it and follows
    // each run after: a line per curve, a cell's steady state dashed in the cell's colour. The
    // series saves as CSV, the chart as SVG or PNG by name; a failure names the path.
    void chartFollowsEveryRunAndSaves() {
        const SeriesChartWindow fresh(*Messages);
        QVERIFY(Named<QChartView>(fresh, "SeriesChart")->chart()->series().isEmpty());
        QCOMPARE(Named<QLabel>(fresh, "PlotMessage")->text(),
                 "計算結果がありません。計算開始を押してください。");
        auto* exportCsv = Named<QAction>(*Window, "ExportCsvAction");
        QVERIFY(!Named<QLabel>(fresh, "PlotMessage")->isHidden() && !exportCsv->isEnabled());
        for (const char* area : {"1000", "3000"}) {
            test::Type(*Window, 1, area);
            QTest::mouseClick(Named<QPushButton>(*Window, "Command1"), Qt::LeftButton);
            SeriesChartWindow& chart = Window->ShowChart();  // opened after the first run
            const auto& rows = Window->Presenter().LastRun()->Rows;
            QCOMPARE(chart.Plot().Curves.at(4).Points.back().Temp, rows.back().Cells[4]);
            const auto lines = Named<QChartView>(chart, "SeriesChart")->chart()->series();
            QCOMPARE(lines.size(), 12);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const auto* line = qobject_cast<QLineSeries*>(lines[i]);
                const auto& curve = chart.Plot().Curves[static_cast<std::size_t>(i)];
                QCOMPARE(line->name(), QString::fromStdString(curve.Name));
                QCOMPARE(line->count(), curve.Points.size());
                QCOMPARE(line->pen().style(), i >= 7 ? Qt::DashLine : Qt::SolidLine);
                QVERIFY(i < 7 ||
                        line->color() == qobject_cast<QLineSeries*>(lines[i - 7])->color());
            }
            QVERIFY(Named<QLabel>(chart, "PlotMessage")->isHidden());
        }
        QVERIFY(exportCsv->isEnabled() && Window->ExportSeriesCsv(Dir->filePath("s.csv")));
        QVERIFY(!Window->ExportSeriesCsv(Dir->filePath("none/s.csv")));
        QCOMPARE(Messages->Shown.back().Title, std::string("CSV出力エラー"));
        // Each row: the image's name and how the file starts (empty: the save fails).
        const QList<std::pair<QString, QByteArray>> images{
            {"chart.png", "\x89PNG"}, {"chart.SVG", "<?xml"}, {"missing/chart.png", ""}};
        for (const auto& [name, start] : images) {
            Messages->Shown.clear();
            QTemporaryDir dir;
            const QString path = dir.filePath(name);
            const bool saved = Window->ShowChart().SaveImage(path);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                     saved ? QStringList{name} : QStringList());
            QFile file(path);
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            QVERIFY(bytes.startsWith(start) && (start != "<?xml" || bytes.contains("</svg>")));
            QCOMPARE(Messages->Shown.size(), saved ? 0u : 1u);
            QVERIFY(saved || QString::fromStdString(Messages->Shown[0].Prompt).contains(path));
        }
    }

    // Each row: the answer to the question on closing with unsaved changes
    // (an area and a list's pick); the case opened again has what was saved.
    void closingAsksAndTheCaseRoundTrips_data() {
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<QString>("savedArea");
        QTest::addColumn<int>("savedRow");
        QTest::newRow("cancel") << SaveAnswer::Cancel << true << "2000" << 2;
        QTest::newRow("discard") << SaveAnswer::Discard << false << "2000" << 2;
        QTest::newRow("save") << SaveAnswer::Save << false << "4000" << 5;
    }
    void closingAsksAndTheCaseRoundTrips() {
        QFETCH(SaveAnswer, answer);
        QFETCH(bool, stays);
        QFETCH(QString, savedArea);
        QFETCH(int, savedRow);
        test::Type(*Window, 1, "2000");
        List(3)->setCurrentRow(2);
        QVERIFY(Window->SaveCaseFile(CasePath()));
        QCOMPARE(Window->windowTitle(), QString("bay.tidewell[*] - Tidewell Ver110"));
        Window->close();  // nothing unsaved: no question
        QVERIFY(Messages->Asked.empty() && !Window->isVisible());
        Window->show();
        test::Type(*Window, 1, "4000");
        List(3)->setCurrentRow(5);
        QVERIFY(Window->isWindowModified());
        Messages->SaveReply = answer;
        Window->close();
        QCOMPARE(Messages->Asked.size(), std::size_t{1});
        QCOMPARE(Window->isVisible(), stays);
        Messages->SaveReply = SaveAnswer::Discard;
        QVERIFY(Window->OpenCaseFile(CasePath()));
        QCOMPARE(test::TextField(*Window, 1)->text(), savedArea);
        QCOMPARE(List(3)->currentRow(), savedRow);
        QVERIFY(!Window->isWindowModified() && Messages->Shown.empty());
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

    // The dialog opens on the window's picks, fills every combination from background runs,
    // re-slices by the held list without running again, saves all as CSV, and hands a
    // double-clicked pick back to the window's lists; a refused text runs no sweep.
    void sweepShowsEveryCombinationAndPicksBack() {
        List(2)->setCurrentRow(4);
        List(3)->setCurrentRow(5);
        QPointer<SweepDialog> dialog = Window->ShowSweep();
        QVERIFY(dialog && dialog->IsRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 90000);
        auto* grid = Named<QTableWidget>(*dialog, "SweepGrid");
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({7, 8}));
        QVERIFY(grid->item(0, 5)->data(SweepDialog::kCurrentRole).toBool() &&
                !grid->item(0, 0)->data(SweepDialog::kCurrentRole).toBool());
        Named<QComboBox>(*dialog, "HeldEntry")->setCurrentIndex(0);
        QCOMPARE(grid->item(0, 0)->text(), QString(" 17.7"));
        Named<QComboBox>(*dialog, "HeldList")->setCurrentIndex(0);  // hold the section
        QVERIFY(!dialog->IsRunning());
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({8, 8}));
        QCOMPARE(grid->item(0, 0)->text(), QString(" 17.7"));
        QVERIFY(dialog->SaveCsv(Dir->filePath("sweep.csv")));
        QFile file(Dir->filePath("sweep.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 450);  // every combination, not the slice shown
        QVERIFY(!dialog->SaveCsv(Dir->filePath("missing/sweep.csv")));
        QVERIFY(QString::fromStdString(Messages->Shown.at(0).Prompt).contains("missing/sweep"));
        const QPoint cell = grid->visualRect(grid->model()->index(3, 6)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(QList<int>({List(1)->currentRow(), List(2)->currentRow(), List(3)->currentRow()}),
                 QList<int>({0, 3, 6}));
        dialog->close();
        QTRY_VERIFY(dialog.isNull());  // deleted on close
        test::Type(*Window, 9, "0");
        const std::size_t shown = Messages->Shown.size();
        QCOMPARE(Window->ShowSweep(), nullptr);
        QCOMPARE(Messages->Shown.size(), shown + 1);
    }

    // The value under the mouse is the point nearest on screen: at (5 days,
    // 15 degC), one day off to the side is nearer than three degrees up.
    void chartNamesThePointNearestOnScreen() {
        SeriesPlot plot;
        plot.Curves = {{.Name = "上", .Points = {{5, 18}}}, {.Name = "横", .Points = {{6, 15}}}};
        plot.Days = {0, 10};
        plot.Temps = {10, 20};
        SeriesChartWindow charts(*Messages);
        charts.resize(900, 600);
        charts.ShowPlot(plot);
        charts.show();
        charts.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&charts));
        auto* view = Named<QChartView>(charts, "SeriesChart");
        QChart* chart = view->chart();
        const QPointF at = view->mapFromScene(chart->mapToScene(chart->mapToPosition({5, 15})));
        QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        const QRectF area = chart->plotArea();
        QVERIFY(area.width() > area.height() && area.width() < 3 * area.height());
        QCOMPARE(Named<QLabel>(charts, "PointValue")->text(), QString("横　6.00日　15.00℃"));
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
        SweepDialog dialog(test::BayCase(1000, 1e-7), {}, *Messages, nullptr, 2);
        dialog.show();
        QTest::qWait(200);
        QVERIFY(dialog.IsRunning());
        if (byClosing)
            dialog.close();
        else
            QTest::mouseClick(Named<QPushButton>(dialog, "CancelSweep"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRunning(), 20000);
        QCOMPARE(Named<QTableWidget>(dialog, "SweepGrid")->item(0, 0)->text(), QString("未計算"));
    }
};

int main(int argc, char* argv[]) {
    return tidewell::test::RunWindowTest<MenusTest>(argc, argv);
}

#include "MenusTest.moc"
