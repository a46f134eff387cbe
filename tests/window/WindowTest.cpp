// The window driven through its widgets as a user would: it forwards events to
// the model, mirrors the model, and gets its dialogs, lists, keys and menus
// (case files, the chart, the sensitivity, calibration and uncertainty dialogs) right; every
// caption is whole in its control with the font it is drawn in. Run under an English locale,
// everything it shows is English.
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QProcess>
#include <QValueAxis>
#include <atomic>
#include <memory>
#include <optional>
#include <tuple>

#include "BayCases.h"
#include "WindowHarness.h"
#include "model/AxisTicks.h"
#include "model/RunEstimate.h"
#include "session/CaseFileCommands.h"
#include "window/CalibrationDialog.h"
#include "window/CaptionFit.h"
#include "window/ControlTable.h"
#include "window/GothicFonts.h"
#include "window/HelpDialog.h"
#include "window/Language.h"
#include "window/LegendPanel.h"
#include "window/MainWindow.h"
#include "window/QtMessageSink.h"
#include "window/QtText.h"
#include "window/SchematicFrame.h"
#include "window/SeriesChartWindow.h"
#include "window/SweepDialog.h"
#include "window/UncertaintyDialog.h"
#include "window/WindowText.h"

using namespace tidewell;
using namespace tidewell::window;
using test::Named;

Q_DECLARE_METATYPE(tidewell::SaveAnswer)

namespace {

const QStringList kStartTexts{" 1000",  " 18",   " 18",   " 7",    " 18",   " .126",
                              " 18",    " 15",   " 331",  " 4965", " .126", " 4965",
                              " 629.4", " 4.52", " .024", " 18"};  // Text1 .. Text16
const QColor kOrange(255, 191, 0);                                 // 18 to below 20 degC
const QColor kYellowGreen(191, 255, 64);                           // 14 to below 16 degC
const QColor kYellow(255, 255, 0);                                 // 16 to below 18 degC
const QList<QColor> kStartColors{kOrange, kOrange,      kOrange, kOrange,
                                 kOrange, kYellowGreen, kOrange};  // bay 1..5, inflow, sea
const QString kStaleNote("入力が計算後に変更されています。計算開始で再計算してください");

const QRegularExpression kJapanese("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]");

// Every text a window shows: title, captions, tooltips, menus and their
// entries, list and table cells with their headers, chart axes.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QObject* object : window.findChildren<QObject*>())
        for (const char* property : {"text", "title", "toolTip"})
            texts << object->property(property).toString();
    for (const QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel& m = *view->model();
        for (int row = -1; row < m.rowCount(); ++row)
            for (int col = -1; col < m.columnCount(); ++col)
                texts << m.index(row, col).data().toString()
                      << m.headerData(row, Qt::Vertical).toString()
                      << m.headerData(col, Qt::Horizontal).toString();
    }
    for (const QChartView* chart : window.findChildren<QChartView*>()) {
        texts << chart->chart()->title();
        for (QAbstractAxis* axis : chart->chart()->axes()) {
            texts << axis->titleText();
            if (auto* categories = qobject_cast<QCategoryAxis*>(axis))
                texts << categories->categoriesLabels();
        }
        for (const QAbstractSeries* series : chart->chart()->series())
            texts << series->name();
    }
    return texts;
}

QString Caption(const QWidget& control) {
    return control.property(control.inherits("QGroupBox") ? "title" : "text").toString();
}

// What of `control` is hidden by the controls stacked above it, in its own coordinates.
QRegion Covered(const QWidget& control) {
    QRegion covered;
    const QObjectList& all = control.parentWidget()->children();
    for (qsizetype n = all.indexOf(const_cast<QWidget*>(&control)) + 1; n < all.size(); ++n) {
        if (auto* above = qobject_cast<QWidget*>(all[n]); above && above->isVisible())
            covered += above->geometry().translated(-control.pos());
    }
    return covered;
}

// Whether the caption, drawn in `font`, is whole and uncovered: a label's
// starts at its contents' left, a button's is centred in the contents its
// style lays out; both are centred vertically. Only the ink counts upwards
// and downwards, the whole advance across.
bool CaptionWhole(const QWidget& control, const QFont& font) {
    const QFontMetrics metrics(font);
    QRect room = control.contentsRect();
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    const int width = metrics.horizontalAdvance(Caption(control));
    const int left = control.inherits("QPushButton") ? room.center().x() - width / 2 : room.left();
    const QRect ink = metrics.tightBoundingRect(Caption(control));  // relative to the baseline
    const int baseline = (control.height() - metrics.height()) / 2 + metrics.ascent();
    const QRect text(left, baseline + ink.top(), width, ink.height());
    return room.contains(text) && (Covered(control) & text).isEmpty();
}

}  // namespace

class WindowTest : public test::MainWindowTest {
    Q_OBJECT

    QLineEdit* Field(int n) const { return test::TextField(*Window, n); }
    // The cells outlined as the lists' combination, as (column, row).
    static QList<QPoint> CurrentCells(const QTableWidget& grid) {
        QList<QPoint> cells;
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.columnCount(); ++c)
                if (grid.item(r, c)->data(SweepDialog::kCurrentRole).toBool())
                    cells << QPoint(c, r);
        return cells;
    }

    // The cell with the lowest or highest mean.
    static QTableWidgetItem* ExtremeCell(const QTableWidget& grid, bool highest) {
        QTableWidgetItem* found = nullptr;
        for (int r = 0; r < grid.rowCount(); ++r) {
            for (int c = 0; c < grid.columnCount(); ++c) {
                QTableWidgetItem* item = grid.item(r, c);
                if (!found || (item->text().toDouble() > found->text().toDouble()) == highest)
                    found = item;
            }
        }
        return found;
    }

    QListWidget* List(int n) const {
        return Named<QListWidget>(*Window, QStringLiteral("List%1").arg(n));
    }
    // Chooses the input by name, enters the target mean or (with cells) the observed cells,
    // presses 計算 and waits for the answer.
    static void SolveIn(CalibrationDialog& dialog, const QString& input, const QString& mean,
                        const QStringList& cells) {
        auto* inputs = Named<QComboBox>(dialog, "CalibratedInput");
        inputs->setCurrentIndex(inputs->findData(input));
        Named<QRadioButton>(dialog, cells.isEmpty() ? "ByMean" : "ByCells")->setChecked(true);
        Named<QLineEdit>(dialog, "TargetMean")->setText(mean);
        for (qsizetype k = 0; k < cells.size(); ++k)
            Named<QLineEdit>(dialog, QStringLiteral("Observed%1").arg(k + 1))->setText(cells[k]);
        QTest::mouseClick(Named<QPushButton>(dialog, "Solve"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&dialog] { return !dialog.IsRunning(); }, 60000));
    }

    // The axes show the view, with the round ticks that fit it into at most eight intervals.
    static bool ShowsRoundTicks(const QChartView& view, const model::PlotView& shown) {
        const auto round = [&view](Qt::Orientation along, const model::AxisRange& range) {
            const auto* axis = qobject_cast<QValueAxis*>(view.chart()->axes(along).value(0));
            const model::AxisTicks ticks = model::TicksOf(range, 8);
            return axis && axis->tickType() == QValueAxis::TicksDynamic &&
                   axis->min() == range.Low && axis->max() == range.High &&
                   axis->tickInterval() == ticks.Step && axis->tickAnchor() == ticks.First;
        };
        return round(Qt::Horizontal, shown.Days) && round(Qt::Vertical, shown.Temps);
    }

    // A calculation is waited for until its outcome is shown.
    void Click(int command) {
        QTest::mouseClick(Named<QPushButton>(*Window, QStringLiteral("Command%1").arg(command)),
                          Qt::LeftButton);
        if (command == 1 &&
            !QTest::qWaitFor([this] { return !Window->Presenter().Running(); }, 60000))
            QFAIL("the calculation did not finish");
    }
    template <typename Read>
    static auto Each(int count, Read read) {
        QList<decltype(read(1))> all;
        for (int n = 1; n <= count; ++n)
            all << read(n);
        return all;
    }
    QStringList Texts() const {
        return Each(16, [this](int n) { return Field(n)->text(); });
    }
    QStringList ModelTexts() const {
        return Each(
            16, [this](int n) { return QString::fromStdString(Window->Presenter().FieldText(n)); });
    }
    QGroupBox* Frame(int n) const {  // 1..5 the bay, 6 inflow, 7 sea
        return Named<QGroupBox>(*Window, n <= 5 ? QStringLiteral("Frame1_%1").arg(n - 1)
                                                : QStringLiteral("Frame%1").arg(n - 4));
    }
    QList<QColor> Colors() const {
        return Each(7, [this](int n) { return Frame(n)->palette().color(QPalette::Window); });
    }
    QList<int> Selections() const {  // the selected row of each list, -1 for none
        return Each(
            3, [this](int n) { return List(n)->selectionModel()->selectedRows().value(0).row(); });
    }
    QString CasePath() const { return WorkDir->filePath("bay.tidewell"); }
    QString TopEntry(int list) const { return List(list)->indexAt(QPoint(2, 2)).data().toString(); }
    QByteArray Report() const { return FileBytes(ReportPath); }

    // Holds every later run at its first step until Release is set, so the
    // window can be driven while its run is going.
    void HoldRuns() {
        Window->WatchRuns([this](std::int64_t, std::int64_t) {
            Release.wait(false);
            return true;
        });
    }
    void ReleaseRuns() {
        Release = true;
        Release.notify_all();
    }
    // The command line's report and result for the inputs on screen.
    std::pair<QByteArray, QString> CommandLineRun() const {
        MessageLog quiet;
        const QString path = WorkDir->filePath("cli.txt");
        model::MainModel cli(quiet, path.toStdString());
        cli.FormLoad();
        for (const model::FieldInfo& info : model::FieldTable()) {
            if (model::IsEditable(info.Id))
                cli.SetFieldText(info.Id, Field(model::NumberOf(info.Id))->text().toStdString());
        }
        for (int list = 1; list <= 3; ++list)
            cli.SelectListEntry(list, Selections()[list - 1]);
        cli.Command1_Click();
        QFile report(path);
        return {report.open(QIODevice::ReadOnly) ? report.readAll() : QByteArray(),
                QString::fromStdString(cli.FieldText(16))};
    }

    static QByteArray FileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the command line prints for these arguments: a file it would write.
    static QByteArray CliOutput(const QStringList& arguments) {
        QProcess cli;
        cli.start(QStringLiteral(TIDEWELL_CLI), arguments);
        return cli.waitForFinished(120000) ? cli.readAllStandardOutput() : QByteArray();
    }

    // The window's uncertainty dialog after a run of `samples` samples with
    // the bay area uniform and the inflow rate normal; null if it never ends.
    QPointer<UncertaintyDialog> RunUncertainty(int samples) {
        QPointer<UncertaintyDialog> dialog = Window->ShowUncertainty();
        Named<QComboBox>(*dialog, "Shape0")->setCurrentIndex(1);
        Named<QComboBox>(*dialog, "Shape5")->setCurrentIndex(2);
        Named<QDoubleSpinBox>(*dialog, "Percent5")->setValue(20);
        Named<QSpinBox>(*dialog, "SampleCount")->setValue(samples);
        QTest::mouseClick(Named<QPushButton>(*dialog, "RunUncertainty"), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return dialog && !dialog->IsRunning(); }, 60000))
            return nullptr;
        return dialog;
    }

    std::atomic<bool> Release{false};

  private slots:
    void initTestCase() { UseOwnSettings(); }
    void init() {
        Release = false;
        OpenWindow();
    }
    void cleanup() {
        ReleaseRuns();  // a held run would keep the window from closing
        CloseWindow();
    }

    // The default case's texts and colours (on screen, not only in the
    // palette), the model's legend and lists, each showing "1.0" with
    // nothing selected; the result field holds the start temperature.
    void showsDefaultCaseAtStartUp() {
        QCOMPARE(Texts(), kStartTexts);
        QCOMPARE(Colors(), kStartColors);
        const QImage bay = Frame(3)->grab().toImage();  // drawn, not only in the palette
        QCOMPARE(bay.pixelColor(bay.width() / 2, bay.height() - 4), kOrange);
        QVERIFY(Sink->Shown.empty());
        QCOMPARE(Window->windowTitle(), QString("Tidewell Ver110[*]"));  // shown without [*]
        QVERIFY(!Window->isWindowModified());
        QCOMPARE(Named<QPushButton>(*Window, "Command1")->text(), "計算開始");  // by default
        auto* legend = dynamic_cast<LegendPanel*>(Named(*Window, "Picture2"));
        QVERIFY(legend && legend->Drawing() == Window->Presenter().Legend());
        for (int list = 1; list <= 3; ++list) {
            const auto& entries = Window->Presenter().List(list).Entries;
            QCOMPARE(List(list)->item(int(entries.size()) - 1)->text().toStdString(),
                     entries.back());
            QCOMPARE(TopEntry(list) + QString::number(List(list)->count()),
                     "1.0" + QString::number(entries.size()));
        }
        QCOMPARE(Selections(), QList<int>({-1, -1, -1}));
        // The start temperature is greyed like a stale result, with a tip saying it is none.
        QCOMPARE(Field(16)->toolTip(),
                 "湾内の初期水温です。計算結果ではありません。計算開始で計算してください");
        QVERIFY(Field(16)->palette().color(QPalette::Text) !=
                QApplication::palette().color(QPalette::Text));
    }

    // Every field the user may type into hands each keystroke to the model;
    // the display fields take none.
    void typingReachesTheModelInEditableFieldsOnly_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("editable");
        const QList<int> editable{1, 2, 4, 7, 8, 9};
        for (int n = 1; n <= 16; ++n)
            QTest::newRow(qPrintable(QString("Text%1").arg(n))) << n << editable.contains(n);
    }
    void typingReachesTheModelInEditableFieldsOnly() {
        QFETCH(int, field);
        QFETCH(bool, editable);
        const CaseRecord before = Window->Presenter().Record();
        Field(field)->setFocus();
        QTest::keyClick(Field(field), Qt::Key_End);
        QTest::keyClicks(Field(field), "5");  // " 1000" -> " 10005" and so on: all accepted
        QCOMPARE(Field(field)->text(), kStartTexts[field - 1] + (editable ? "5" : ""));
        QCOMPARE(Window->Presenter().Record() != before, editable);
        QCOMPARE(Texts(), ModelTexts());  // the dependent fields on screen too
        QCOMPARE(Field(field)->cursorPosition(), Field(field)->text().size());
        QVERIFY(Sink->Shown.empty());
    }

    void calculateWithRefusedTextRunsNothingAndFocusesTheField() {
        test::Type(*Window, 9, "0");
        QCOMPARE(Sink->Shown.size(), std::size_t{1});
        Click(1);  // the click takes the focus to the button
        QCOMPARE(Sink->Shown.size(), std::size_t{2});
        QTRY_VERIFY(Field(9)->hasFocus());
        QVERIFY(!QFile::exists(ReportPath));
    }

    // Whatever a one-row list shows after scrolling or a click is the entry
    // in force.
    void listPicksTheEntryInView_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("entry");
        for (const auto& [name, list, how, entry] :
             {std::tuple{"down arrow twice", 1, "arrows", "0.5"},
              {"wheel one notch", 1, "wheel", "0.2"},
              {"down key twice", 1, "keys", "0.5"},
              {"click", 2, "click", "1.2"}})
            QTest::newRow(name) << list << QString(how) << QString(entry);
    }
    void listPicksTheEntryInView() {
        QFETCH(int, list);
        QFETCH(QString, how);
        QFETCH(QString, entry);
        QListWidget* box = List(list);
        const int row = box->row(box->findItems(entry, Qt::MatchExactly).value(0));
        if (how == "arrows") {
            for (int click = 0; click < 2; ++click)
                box->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        } else if (how == "wheel") {
            const QPointF at = box->viewport()->rect().center();
            QWheelEvent wheel(at, box->viewport()->mapToGlobal(at), {}, QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box->viewport(), &wheel);
        } else if (how == "keys") {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Down);
            QTest::keyClick(box, Qt::Key_Down);
        } else {
            box->scrollToItem(box->item(row), QAbstractItemView::PositionAtTop);
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                              box->visualItemRect(box->item(row)).center());
        }
        QCOMPARE(TopEntry(list), entry);
        QCOMPARE(Window->Presenter().List(list).Selected, row);
        QList<int> selections{-1, -1, -1};
        selections[list - 1] = row;
        QCOMPARE(Selections(), selections);
        QVERIFY(Texts() != kStartTexts);  // the dependent fields follow
        QCOMPARE(Texts(), ModelTexts());
    }

    // The result and the bay's colours are on screen while the completion
    // message shows; an edit afterwards marks both stale until the next run.
    void calculateShowsResultThenMarksItStaleAfterAnEdit() {
        QStringList textsUnderMessage;
        QList<QColor> colorsUnderMessage;
        Sink->OnShow = [&] {
            textsUnderMessage = Texts();
            colorsUnderMessage = Colors();
        };
        Click(1);
        QStringList result = kStartTexts;
        result[15] = " 17.7";
        QCOMPARE(textsUnderMessage, result);
        QCOMPARE(colorsUnderMessage, QList<QColor>({kYellow, kYellow, kYellow, kYellow, kYellow,
                                                    kYellowGreen, kOrange}));
        QCOMPARE(
            test::WordsOf(Sink->Shown),
            std::vector<test::Words>({{"計算終了です！", "計算結果(湾内平均水温)\r 17.7(℃)"}}));
        QVERIFY(Sink->Asked.empty() && !Window->Progress().WasShown());

        const QColor ownText = Field(16)->palette().color(QPalette::Text);
        const auto staleMarks = [this] {
            QList<bool> marked{Field(16)->toolTip().contains(kStaleNote)};
            for (int frame = 1; frame <= 7; ++frame)
                marked << Frame(frame)->toolTip().contains(kStaleNote);
            return marked;
        };
        test::Type(*Window, 2, "20");
        QCOMPARE(Field(16)->text(), QString(" 17.7"));
        QCOMPARE(staleMarks(), QList<bool>({true, true, true, true, true, true, false, false}));
        QVERIFY(Field(16)->palette().color(QPalette::Text) != ownText);
        Click(1);  // a new run: fresh again
        QCOMPARE(staleMarks(), QList<bool>(8, false));
        QCOMPARE(Field(16)->palette().color(QPalette::Text), ownText);
    }

    // A long run is asked about first; cancelling its progress dialog or
    // closing the window, agreeing to stop it, stops it soon and keeps the result, frames and
    // report.
    void longRunStopsWhenCancelledOrClosed_data() {
        QTest::addColumn<bool>("closing");
        QTest::newRow("cancel") << false;
        QTest::newRow("close the window") << true;
    }
    void longRunStopsWhenCancelledOrClosed() {
        QFETCH(bool, closing);
        Click(1);
        const QByteArray reportBefore = Report();
        // A wide, deep bay with little inflow: minutes on any machine.
        test::Type(*Window, 1, "100000");
        test::Type(*Window, 2, "100");
        test::Type(*Window, 9, "1");
        Sink->Answer = true;
        Sink->SaveReply = SaveAnswer::Discard;  // closing asks before the typed case is lost
        const QStringList textsBefore = Texts();
        const QList<QColor> colorsBefore = Colors();
        Sink->Shown.clear();
        QString progressText;
        QTimer poll;
        test::WhenDialogAppears<QProgressDialog>(poll, [&](QProgressDialog* dialog) {
            if (closing) {
                Window->close();
                return;
            }
            QTest::qWait(600);  // the words follow the clock
            progressText = dialog->labelText();
            dialog->cancel();
        });
        QElapsedTimer clock;
        clock.start();
        Click(1);
        QVERIFY2(clock.elapsed() < 5000, "the run went on after it was stopped");
        QCOMPARE(test::WordsOf(Sink->Asked).size(), std::size_t{closing ? 3u : 1u});
        QCOMPARE(Sink->Asked[0].Title(), std::string("計算時間の確認"));
        if (closing) {
            QCOMPARE(Sink->Asked[1].Title(), std::string("計算中"));
            QCOMPARE(Sink->Asked[2].Prompt(),
                     std::string("入力した条件を保存しますか？\r保存しないと入力は失われます"));
        }
        QCOMPARE(Report(), reportBefore);
        QCOMPARE(Window->isVisible(), !closing);
        QCOMPARE(Sink->Shown.size(), std::size_t{closing ? 0u : 1u});
        if (closing)
            return;
        QVERIFY(Window->Progress().WasShown() && Window->Progress().Dialog() == nullptr);
        QVERIFY2(progressText.contains(QRegularExpression("ステップ（[0-9]+\\.[0-9]%）\n残り約")),
                 qPrintable(progressText));
        QCOMPARE(Sink->Shown.front().Title(), std::string("計算中止"));
        QCOMPARE(Texts(), textsBefore);
        QCOMPARE(Colors(), colorsBefore);
    }

    // While a run is going nothing may change the case under it: the controls
    // and case commands are disabled, and what slips through (a sweep's pick,
    // a calibration applied) is refused. The
    // result shown is then the command line's for the inputs on screen.
    void runRefusesChangesToItsCase_data() {
        QTest::addColumn<QString>("change");
        for (const char* change : {"sweep pick", "calibration"})
            QTest::newRow(change) << QString(change);
    }
    void runRefusesChangesToItsCase() {
        QFETCH(QString, change);
        test::Type(*Window, 1, "2000");
        QVERIFY(Window->SaveCaseFile(CasePath()));
        test::Type(*Window, 1, "3000");
        QPointer<SweepDialog> sweep = Window->ShowSweep();
        QVERIFY(QTest::qWaitForWindowExposed(sweep));
        QPointer<CalibrationDialog> calibration = Window->ShowCalibration();
        SolveIn(*calibration, "sea-temp", "17", {});
        HoldRuns();
        QTest::mouseClick(Named<QPushButton>(*Window, "Command1"), Qt::LeftButton);
        QVERIFY(Window->Presenter().Running());
        const QStringList texts = Texts();
        QList<bool> enabled;
        for (const char* name :
             {"Text1", "List1", "Command1", "Command3", "OpenAction", "SaveAsAction", "RecentMenu"})
            enabled << Named<QObject>(*Window, name)->property("enabled").toBool();
        QCOMPARE(enabled, QList<bool>(7, false));
        if (change == "sweep pick") {
            auto* grid = Named<QTableWidget>(*sweep, "SweepGrid");
            const QPoint cell = grid->visualRect(grid->model()->index(3, 6)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        } else {
            Named<QPushButton>(*calibration, "ApplyCalibration")->click();
            QCOMPARE(Sink->Shown.at(0).Title(), std::string("計算中"));
        }
        sweep->close();
        calibration->close();
        QCOMPARE(Texts(), texts);
        QCOMPARE(Selections(), QList<int>({-1, -1, -1}));
        ReleaseRuns();
        QTRY_VERIFY(!Window->Presenter().Running());
        const auto [report, result] = CommandLineRun();
        QCOMPARE(Report(), report);
        QCOMPARE(Field(16)->text(), result);
        QCOMPARE(Sink->Shown.back().Title(), std::string("計算終了です！"));
        QVERIFY(Named<QPushButton>(*Window, "Command1")->isEnabled());
    }

    // Closing during a run asks; declining, or agreeing and then keeping the
    // unsaved changes, leaves a window that still shows its messages and runs.
    void closingDuringARunCanBeTakenBack_data() {
        QTest::addColumn<bool>("stop");
        QTest::newRow("keep running") << false;
        QTest::newRow("stop, keep the changes") << true;
    }
    void closingDuringARunCanBeTakenBack() {
        QFETCH(bool, stop);
        QVERIFY(Window->SaveCaseFile(CasePath()));
        test::Type(*Window, 1, "2000");
        HoldRuns();
        QTest::mouseClick(Named<QPushButton>(*Window, "Command1"), Qt::LeftButton);
        Sink->Answer = stop;
        Window->close();
        QCOMPARE(Sink->Asked.size(), std::size_t{1});
        QCOMPARE(Sink->Asked[0].Title(), std::string("計算中"));
        ReleaseRuns();
        QTRY_VERIFY(!Window->Presenter().Running());
        QVERIFY(Window->isVisible());
        QCOMPARE(Sink->Asked.size(), std::size_t{stop ? 2u : 1u});  // then: save the changes?
        QCOMPARE(Sink->Shown.size(), std::size_t{stop ? 0u : 1u});
        test::Type(*Window, 9, "0");
        Click(1);
        QCOMPARE(Sink->Shown.size(), std::size_t{stop ? 2u : 3u});
        QCOMPARE(Sink->Shown.back().Title(), std::string("流量の入力制限"));
        test::Type(*Window, 9, "331");
        Click(1);
        QCOMPARE(Sink->Shown.back().Title(), std::string("計算終了です！"));
        QCOMPARE(Field(16)->text(), CommandLineRun().second);
        QVERIFY(Window->isVisible());
    }

    // The restore button, clicked or pressed by key, asks before the typed
    // case is discarded and then brings back the start-up state with every
    // list showing and holding "1.0" (いいえ keeps the case); the exit button
    // asks before typed work is lost, then closes the window.
    void buttonsRestoreOrExit_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("key");  // 0: a click
        QTest::addColumn<bool>("yes");
        QTest::newRow("restore click") << 3 << 0 << true;
        QTest::newRow("restore Return") << 3 << int(Qt::Key_Return) << true;
        QTest::newRow("restore Enter") << 3 << int(Qt::Key_Enter) << true;
        QTest::newRow("restore Space") << 3 << int(Qt::Key_Space) << true;
        QTest::newRow("restore declined") << 3 << 0 << false;
        QTest::newRow("exit click") << 2 << 0 << true;
    }
    void buttonsRestoreOrExit() {
        QFETCH(int, command);
        QFETCH(int, key);
        QFETCH(bool, yes);
        List(3)->setCurrentRow(7);
        test::Type(*Window, 7, "25");
        Click(1);
        QVERIFY(Texts() != kStartTexts && Colors() != kStartColors);
        const QStringList typed = Texts();
        const std::size_t shown = Sink->Shown.size();
        Sink->SaveReply = SaveAnswer::Discard;
        Sink->Answer = yes;
        auto* button = Named<QPushButton>(*Window, QStringLiteral("Command%1").arg(command));
        button->setFocus();
        if (key == 0)
            Click(command);
        else
            QTest::keyClick(button, Qt::Key(key));
        QCOMPARE(Sink->Shown.size(), shown);
        if (command == 2) {
            QTRY_VERIFY(!Window->isVisible());
            QCOMPARE(Sink->Asked.back().Title(), std::string("変更の保存"));
            return;
        }
        QCOMPARE(test::WordsOf(Sink->Asked),
                 std::vector<test::Words>({{"デフォルトに戻す",
                                            "入力した条件をすべて破棄してデフォルトに戻しますか？\r"
                                            "破棄した入力は元に戻せません"}}));
        if (!yes) {
            QCOMPARE(Texts(), typed);
            return;
        }
        QCOMPARE(Texts(), kStartTexts);
        QCOMPARE(Colors(), kStartColors);
        QCOMPARE(Selections(), QList<int>({0, 0, 0}));
        QCOMPARE(TopEntry(3), QString("1.0"));
    }

    // Message boxes are modal with the title, the prompt's line breaks, no
    // icon and their buttons; a question's default is its safe answer, and
    // each button gives its own answer.
    void messageBoxShowsTheMessageAndAnswersWhatIsClicked_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("click");  // empty: the box is closed
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<int>("answer");
        const auto row = [](const char* name, const char* kind, const char* click,
                            const char* buttons, int answer) {
            QTest::newRow(name) << kind << click << buttons << answer;
        };
        const char* save = "キャンセル 保存 保存しない default キャンセル";
        row("message", "show", "", "OK default OK", 0);
        // Qt's own buttons speak Japanese too.
        row("question closed", "ask", "", "いいえ(N) はい(Y) default いいえ(N)", false);
        row("question yes", "ask", "はい(Y)", "いいえ(N) はい(Y) default いいえ(N)", true);
        row("don't save", "save", "保存しない", save, int(SaveAnswer::Discard));
        row("save", "save", "保存", save, int(SaveAnswer::Save));
    }
    void messageBoxShowsTheMessageAndAnswersWhatIsClicked() {
        QFETCH(QString, kind);
        QFETCH(QString, click);
        QFETCH(QString, buttons);
        QFETCH(int, answer);
        QStringList seen;
        QTimer poll;
        test::WhenDialogAppears<QMessageBox>(poll, [&](QMessageBox* box) {
            QStringList buttons;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text().remove('&');
            buttons.sort();
            if (box->defaultButton())
                buttons << "default " + box->defaultButton()->text().remove('&');
            seen << box->windowTitle() << box->text() + "\n" + buttons.join(' ')
                 << (box->icon() == QMessageBox::NoIcon && box->isModal() ? "modal" : "other");
            for (QAbstractButton* button : box->buttons()) {
                if (button->text().remove('&') == click)
                    return button->click();
            }
            box->reject();
        });
        QtMessageSink sink;
        const Message message{MessageId::UnsavedChanges, {"題名"}};
        int given = 0;
        if (kind == "ask")
            given = sink.Ask(message);
        else if (kind == "save")
            given = int(sink.AskToSave(message));
        else
            sink.Show(message);
        QCOMPARE(given, answer);
        QCOMPARE(seen,
                 QStringList(
                     {"変更の保存",
                      "「題名」への変更を保存しますか？\n保存しないと変更は失われます\n" + buttons,
                      "modal"}));
    }

    void captionFitsItsControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("designed");  // the point size the layout asks for
        for (const auto& control : Controls()) {
            if (!control.Caption.empty()) {
                const QString name = QString::fromUtf8(control.Name.data(), control.Name.size());
                QTest::newRow(qPrintable(name)) << name << FontFor(control.Font).pointSizeF();
            }
        }
    }
    void captionFitsItsControl() {
        QFETCH(QString, name);
        QFETCH(double, designed);
        QWidget* control = Named(*Window, name);
        const QFontMetrics metrics(control->font());
        const QString family = QFontInfo(control->font()).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
                 qPrintable(family));
        for (const uint code : Caption(*control).toUcs4())
            QVERIFY2(metrics.inFontUcs4(code),
                     qPrintable("no glyph U+" + QString::number(code, 16)));
        if (auto* frame = dynamic_cast<SchematicFrame*>(control)) {
            const QStringList lines = frame->CaptionLines();
            QCOMPARE(lines.join(QString()), Caption(*control));
            const QRect inside = frame->rect().adjusted(2, 0, -2, -2);  // clear of the border
            QRegion covered = Covered(*frame);
            for (const QWidget* child : frame->findChildren<QWidget*>())  // e.g. Label27
                covered += child->geometry();
            for (int n = 0; n < lines.size(); ++n) {
                const QRect line = frame->CaptionLineRect(n);
                QVERIFY2(inside.contains(line) && (covered & line).isEmpty(), qPrintable(lines[n]));
                QCOMPARE(line.width(), metrics.horizontalAdvance(lines[n]));
            }
            // Smaller only to stay on one line, and only as far as needed.
            const double size = frame->font().pointSizeF();
            QVERIFY(size == designed || (lines.size() == 1 && size >= 7.5));
            if (size < designed) {
                QFont larger = frame->font();
                larger.setPointSizeF(size + 0.5);
                frame->setFont(larger);
                QVERIFY(frame->CaptionLines().size() > 1);
            }
            return;
        }
        QVERIFY2(CaptionWhole(*control, control->font()),
                 qPrintable(QString("%1 px at %2 pt")
                                .arg(metrics.horizontalAdvance(Caption(*control)))
                                .arg(control->font().pointSizeF())));
        // Shrunk only as far as needed: half a point larger no longer fits.
        QFont larger = control->font();
        larger.setPointSizeF(larger.pointSizeF() + 0.5);
        QVERIFY(control->font().pointSizeF() == designed || !CaptionWhole(*control, larger));
    }

    // A display value wider than its field shows whole in the field's
    // tooltip, and only while it is too wide.
    void wideDisplayValueShowsWholeInTooltip() {
        auto* rate = Field(9);
        auto* residence = Field(13);
        for (const QString text : {" .0001", " 331"}) {
            rate->setText(text);
            emit rate->textEdited(text);
            const bool wide = text == " .0001";
            QCOMPARE(residence->text(), wide ? " 2083333333.3" : " 629.4");
            QCOMPARE(residence->toolTip(), wide ? residence->text() : QString());
            QCOMPARE(rate->toolTip(), QString());  // an editable field scrolls instead
        }
    }

    // A frame's caption breaks after a space rather than inside a word.
    void captionsBreakBetweenWords() {
        const QFontMetrics metrics(QApplication::font());
        QCOMPARE(WrapCaption("bay bay bay", metrics, metrics.horizontalAdvance("bay ba")),
                 QStringList({"bay ", "bay ", "bay"}));
        QCOMPARE(WrapCaption("abcdef", metrics, metrics.horizontalAdvance("abc")),
                 QStringList({"abc", "def"}));
    }

    // The option names a language exactly; the locale is English by its language code.
    void languageIsChosenByOptionOrLocale() {
        using L = Language;
        QVERIFY(LanguageNamed("en") == L::English && LanguageNamed("ja") == L::Japanese);
        QVERIFY(!LanguageNamed("en_US") && !LanguageNamed(""));
        QVERIFY(LanguageOfLocale("en-GB") == L::English &&
                LanguageOfLocale("de_DE") == L::Japanese);
    }

    // Under an English locale: a text typed (field 0: none), then Calculate; the
    // message's title and the result, then every text shown, help and about included.
    void windowAndMessagesAreEnglish_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("result");
        for (const auto& [name, field, text, title, result] :
             {std::tuple{"completed", 0, "", "Calculation finished!", " 17.7"},
              {"long run asked", 9, "0.001", "Calculation time", " 18"}})
            QTest::newRow(name) << field << QString(text) << QString(title) << QString(result);
    }
    void windowAndMessagesAreEnglish() {
        if (SystemLanguage() != Language::English)
            QSKIP("for an English locale");
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, result);
        if (field != 0)
            test::Type(*Window, field, text);
        Click(1);
        const auto shown = MessageText((Sink->Asked.empty() ? Sink->Shown : Sink->Asked).back());
        QCOMPARE(shown.Title, title);
        QCOMPARE(Field(16)->text(), result);
        test::Type(*Window, 2, "20");  // marks the result stale, with a tooltip
        const QStringList texts = ShownTexts(*Window)
                                  << shown.Prompt << GuideText("out.txt") << AboutText();
        QCOMPARE(texts.filter(kJapanese).join(" | "), QString());
    }

    // A message is translated as a whole; what is put into it (numbers, file
    // names, what the user typed) stays as given, translated phrases aside.
    void messagesTranslateAroundTheirArguments() {
        if (SystemLanguage() != Language::English)
            QSKIP("for an English locale");
        using enum MessageId;
        const QList<std::pair<Message, QString>> rows{
            {model::ProgressText(1234567, 9000000, 12.0),
             "Calculating: 1,234,567 / 9,000,000 steps (13.7%)\nabout 1 min 15 s left"},
            {{ReportWriteFailed, {"/tmp/湾%2.txt", Message{NoSuchFile, {}}}},
             "Could not write the report file \"/tmp/湾%2.txt\".\nNo such file or folder"},
            {{InputRefused,
              {"bay-area", "x", MessageArg::TitleOf({SeaTempNotNumber, {}}),
               Message{SeaTempNotNumber, {}}}},
             "\"x\" is not accepted for \"bay-area\" (Sea water temperature: Enter a number.)"},
            {{UnsavedChanges, {"不安定"}},
             "Save the changes to \"不安定\"?\nChanges not saved will be lost."}};
        for (const auto& [message, english] : rows)
            QCOMPARE(MessageText(message).Prompt, english);
        QCOMPARE(MessageText({UnsavedChanges, {"不安定"}}).Title, QString("Save changes"));
    }

    // Under an English locale: the chart before any run, the sensitivity and uncertainty
    // dialogs after their runs, the calibration dialog with its answer and with a refusal.
    void dialogsAreEnglish() {
        if (SystemLanguage() != Language::English)
            QSKIP("for an English locale");
        QStringList texts = ShownTexts(Window->ShowChart());
        QVERIFY(texts.contains("No result yet. Press Calculate."));
        QPointer<SweepDialog> sweep = Window->ShowSweep();
        QTRY_VERIFY_WITH_TIMEOUT(sweep && !sweep->IsRunning(), 60000);
        texts << ShownTexts(*sweep);
        sweep->close();
        const auto uncertainty = RunUncertainty(20);
        QVERIFY(uncertainty && uncertainty->Summary());
        texts << ShownTexts(*uncertainty);
        QPointer<CalibrationDialog> calibration = Window->ShowCalibration();
        for (const char* target : {"17.5", "40"}) {
            SolveIn(*calibration, "inflow-factor", target, {});
            texts << ShownTexts(*calibration);
        }
        QVERIFY(texts.join(" ").contains("No answer"));
        QCOMPARE(texts.filter(kJapanese).join(" | "), QString());
        calibration->close();
    }

    // Before any run a chart shows only its message; opened after a run, it shows it and follows
    // each run after: a line per curve, a cell's steady state dashed in the cell's colour. The
    // series saves as CSV, the chart as SVG or PNG by name; a failure names the path.
    void chartFollowsEveryRunAndSaves() {
        const SeriesChartWindow fresh(*Sink);
        QVERIFY(Named<QChartView>(fresh, "SeriesChart")->chart()->series().isEmpty());
        QCOMPARE(Named<QLabel>(fresh, "PlotMessage")->text(),
                 "計算結果がありません。計算開始を押してください。");
        auto* exportCsv = Named<QAction>(*Window, "ExportCsvAction");
        QVERIFY(!Named<QLabel>(fresh, "PlotMessage")->isHidden() && !exportCsv->isEnabled());
        for (const char* area : {"1000", "3000"}) {
            test::Type(*Window, 1, area);
            Click(1);
            SeriesChartWindow& chart = Window->ShowChart();  // opened after the first run
            const auto& rows = Window->Presenter().LastRun()->Rows;
            QCOMPARE(chart.Plot().Curves.at(4).Points.back().Temp, rows.back().Cells[4]);
            const auto lines = Named<QChartView>(chart, "SeriesChart")->chart()->series();
            QCOMPARE(lines.size(), 12);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const auto* line = qobject_cast<QLineSeries*>(lines[i]);
                const auto& curve = chart.Plot().Curves[static_cast<std::size_t>(i)];
                QCOMPARE(line->name(), QString::fromStdString(curve.Name.Prompt()));
                // Drawn from the curve's first point to its last (fewer points between).
                QCOMPARE(line->at(0), QPointF(curve.Points.front().Day, curve.Points.front().Temp));
                QCOMPARE(line->at(line->count() - 1),
                         QPointF(curve.Points.back().Day, curve.Points.back().Temp));
                QCOMPARE(line->pen().style(), i >= 7 ? Qt::DashLine : Qt::SolidLine);
                QVERIFY(i < 7 ||
                        line->color() == qobject_cast<QLineSeries*>(lines[i - 7])->color());
            }
            QVERIFY(Named<QLabel>(chart, "PlotMessage")->isHidden());
        }
        QVERIFY(exportCsv->isEnabled() && Window->ExportSeriesCsv(WorkDir->filePath("s.csv")));
        QCOMPARE(FileBytes(WorkDir->filePath("s.csv")),
                 CliOutput({"--bay-area", "3000", "--no-report", "--series", "-"}));
        QVERIFY(!Window->ExportSeriesCsv(WorkDir->filePath("none/s.csv")));
        QCOMPARE(Sink->Shown.back().Title(), std::string("CSV出力エラー"));
        // Each row: the image's name and how the file starts (empty: the save fails).
        const QList<std::pair<QString, QByteArray>> images{
            {"chart.png", "\x89PNG"}, {"chart.SVG", "<?xml"}, {"missing/chart.png", ""}};
        for (const auto& [name, start] : images) {
            Sink->Shown.clear();
            QTemporaryDir dir;
            const QString path = dir.filePath(name);
            const bool saved = Window->ShowChart().SaveImage(path);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                     saved ? QStringList{name} : QStringList());
            QFile file(path);
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            QVERIFY(bytes.startsWith(start) &&
                    (start != "<?xml" ||
                     (bytes.contains("</svg>") && bytes.contains("viewBox=\"0 0 "))));
            QCOMPARE(Sink->Shown.size(), saved ? 0u : 1u);
            QVERIFY(saved || QString::fromStdString(Sink->Shown[0].Prompt()).contains(path));
        }
    }

    // Each row: how the user gets back to the whole run after zooming in,
    // twice and then out again. Zooming out never goes past the whole run;
    // the ticks stay at round steps, finer when zoomed. Escape or Ctrl+W closes the chart.
    void chartZoomsAndComesBackToTheWholeRun_data() {
        QTest::addColumn<QString>("back");
        QTest::newRow("double-click") << "double-click";
        QTest::newRow("Home") << "Home";
        QTest::newRow("button") << "button";
    }
    void chartZoomsAndComesBackToTheWholeRun() {
        QFETCH(QString, back);
        Click(1);
        SeriesChartWindow& chart = Window->ShowChart();
        QTRY_COMPARE(QApplication::activeWindow(), &chart);
        auto* view = Named<QChartView>(chart, "SeriesChart");
        const model::PlotView whole = chart.ShownView();
        QVERIFY(ShowsRoundTicks(*view, whole));
        QCOMPARE(whole.Days.Low, 0.0);
        const auto at = [view](double day, double temp) {
            QChart* c = view->chart();
            return view->mapFromScene(c->mapToScene(c->mapToPosition({day, temp})));
        };
        const auto drag = [&](QPoint from, QPoint to) {
            QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
            QTest::mouseMove(view->viewport(), to);
            QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
        };
        const double lastDay = whole.Days.High, low = whole.Temps.Low, high = whole.Temps.High;
        drag(at(lastDay * 0.1, low + (high - low) * 0.6),
             at(lastDay * 0.3, low + (high - low) * 0.2));
        const model::PlotView zoomed = chart.ShownView();
        QVERIFY(std::abs(zoomed.Days.Low - lastDay * 0.1) < lastDay * 0.01 &&
                std::abs(zoomed.Days.High - lastDay * 0.3) < lastDay * 0.01);
        QVERIFY(ShowsRoundTicks(*view, zoomed));
        for (int n = 0; n < 6; ++n)
            QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at(lastDay / 2, low));
        QCOMPARE(chart.ShownView(), whole);
        QVERIFY(ShowsRoundTicks(*view, whole));

        drag(at(lastDay * 0.5, high), at(lastDay * 0.6, low));
        QVERIFY(chart.ShownView().Days.High < lastDay * 0.7);
        if (back == "double-click")
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at(lastDay * 0.55, low));
        else if (back == "Home")
            QTest::keyClick(&chart, Qt::Key_Home);
        else
            QTest::mouseClick(Named<QPushButton>(chart, "WholeRun"), Qt::LeftButton);
        QCOMPARE(chart.ShownView(), whole);
        QVERIFY(ShowsRoundTicks(*view, whole));
        QTest::keySequence(&chart, back == "Home" ? QKeySequence("Ctrl+W") : QKeySequence("Esc"));
        QTRY_VERIFY(!chart.isVisible());
    }

    // A zoomed chart saved as SVG is small and draws its curves inside the
    // plot only (their lines in the legend aside); its title names the run's
    // conditions.
    void chartSavesOnlyWhatItShows() {
        test::Type(*Window, 1, "3000");
        Click(1);
        SeriesChartWindow& chart = Window->ShowChart();
        QTRY_COMPARE(QApplication::activeWindow(), &chart);
        auto* view = Named<QChartView>(chart, "SeriesChart");
        QChart* plotted = view->chart();
        QVERIFY(plotted->title().contains("湾面積 3000 km2"));
        const auto onView = [view, plotted](const QRectF& inChart) {
            const QRect r = view->mapFromScene(plotted->mapToScene(inChart)).boundingRect();
            return QRectF(r.translated(view->viewport()->pos())).adjusted(-2, -2, 2, 2);
        };
        // A rectangle about cell 1 a fifth into the run.
        const model::PlotPoint early =
            chart.Plot().Curves[0].Points.at(chart.Plot().Curves[0].Points.size() / 5);
        const QPoint on = view->mapFromScene(
            plotted->mapToScene(plotted->mapToPosition({early.Day, early.Temp})));
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, on - QPoint(50, 40));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, on + QPoint(50, 40));
        QVERIFY(chart.ShownView() != model::WholeView(chart.Plot()));
        const QString path = WorkDir->filePath("zoomed.svg");
        QVERIFY(chart.SaveImage(path));
        const QRectF area = onView(plotted->plotArea());
        const QRectF legend = onView(plotted->legend()->geometry());
        QSet<QString> pens;
        for (const model::PlotCurve& curve : chart.Plot().Curves)
            pens << ToQColor(curve.Pen).name();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.size() < 200'000);
        QXmlStreamReader svg(&file);
        QString pen;
        QPointF shift;
        int drawn = 0;
        QString written;  // split where the script changes: the legend's "セル5" and " 定常"
        const QRegularExpression pair("(-?[0-9.e]+),(-?[0-9.e]+)");
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = svg.attributes();
            if (svg.name() == QLatin1String("text")) {
                written += svg.readElementText();
            } else if (svg.name() == QLatin1String("g")) {
                pen = a.value("stroke").toString();
                const QStringList m = a.value("transform").toString().remove("matrix(").split(',');
                shift = m.size() == 6 ? QPointF(m[4].toDouble(), m[5].chopped(1).toDouble())
                                      : QPointF();
            } else if (pens.contains(pen)) {
                auto points =
                    pair.globalMatch(a.value("points").toString() + a.value("d").toString());
                while (points.hasNext()) {
                    const auto xy = points.next();
                    const QPointF p =
                        QPointF(xy.captured(1).toDouble(), xy.captured(2).toDouble()) + shift;
                    QVERIFY2(area.contains(p) || legend.contains(p), qPrintable(pen));
                    ++drawn;
                }
            }
        }
        QVERIFY(!svg.hasError() && drawn > 10);
        // The legend and the ticks are those of the view shown, not of the whole run.
        const auto* days = qobject_cast<QValueAxis*>(plotted->axes(Qt::Horizontal).value(0));
        QVERIFY(written.contains(ModelText(chart.Plot().Curves.back().Name)));
        QVERIFY(written.contains(
            QString::asprintf(qPrintable(days->labelFormat()), days->tickAnchor())));
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
        QVERIFY(Sink->Asked.empty() && !Window->isVisible());
        Window->show();
        test::Type(*Window, 1, "4000");
        List(3)->setCurrentRow(5);
        QVERIFY(Window->isWindowModified());
        Sink->SaveReply = answer;
        Window->close();
        QCOMPARE(Sink->Asked.size(), std::size_t{1});
        QCOMPARE(Window->isVisible(), stays);
        Sink->SaveReply = SaveAnswer::Discard;
        QVERIFY(Window->OpenCaseFile(CasePath()));
        QCOMPARE(test::TextField(*Window, 1)->text(), savedArea);
        QCOMPARE(List(3)->currentRow(), savedRow);
        QVERIFY(!Window->isWindowModified() && Sink->Shown.empty());
    }

    void missingRecentFileLeavesTheList() {
        QVERIFY(Window->SaveCaseFile(CasePath()));
        QVERIFY(Window->SaveCaseFile(WorkDir->filePath("other.tidewell")));
        auto* recent = Named<QMenu>(*Window, "RecentMenu");
        QCOMPARE(recent->actions().size(), 2);
        QCOMPARE(recent->actions().at(0)->text(), QString("&1 other.tidewell"));
        QVERIFY(QFile::remove(CasePath()));
        recent->actions().at(1)->trigger();  // the older one, from its menu entry
        QTRY_COMPARE(Sink->Shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(Sink->Shown[0].Prompt()).contains(CasePath()));
        QCOMPARE(recent->actions().size(), 1);
    }

    // The dialog opens on the window's picks, fills every combination from background runs,
    // re-slices by the held list without running again, saves all as CSV, and hands a
    // double-clicked pick back to the window's lists; a refused text runs no sweep.
    // Rows and columns ascend although the lists start at 1.0; the outline of the lists'
    // combination, never a selection, follows the held list and the window's lists.
    void sweepShowsEveryCombinationAndPicksBack() {
        List(2)->setCurrentRow(4);
        List(3)->setCurrentRow(5);
        QPointer<SweepDialog> dialog = Window->ShowSweep();
        QVERIFY(dialog && dialog->IsRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 90000);
        auto* grid = Named<QTableWidget>(*dialog, "SweepGrid");
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({7, 8}));
        QCOMPARE(CurrentCells(*grid), QList<QPoint>({{5, 3}}));  // section 1.0, inflow 1.5
        QVERIFY(Named<QLabel>(*dialog, "SweepCaption")->text().startsWith("湾内平均水温(℃)"));
        Named<QComboBox>(*dialog, "HeldEntry")->setCurrentIndex(0);
        QCOMPARE(grid->item(3, 3)->text(), QString("17.70"));
        Named<QComboBox>(*dialog, "HeldList")->setCurrentIndex(0);  // hold the section
        QVERIFY(!dialog->IsRunning());
        QCOMPARE(CurrentCells(*grid), QList<QPoint>({{5, 4}}));  // inflow temperature 1.2
        QCOMPARE(QList<int>({grid->rowCount(), grid->columnCount()}), QList<int>({8, 8}));
        const QStringList ascending{"0.2", "0.5", "0.8", "1.0", "1.2", "1.5", "2.0", "5.0"};
        QStringList rows, columns;
        for (int n = 0; n < 8; ++n) {
            rows << grid->verticalHeaderItem(n)->text();
            columns << grid->horizontalHeaderItem(n)->text();
        }
        QCOMPARE(rows, ascending);
        QCOMPARE(columns, ascending);
        QCOMPARE(grid->item(3, 3)->text(), QString("17.70"));
        QVERIFY(dialog->SaveCsv(WorkDir->filePath("sweep.csv")));
        // Every combination, not the slice shown, as the command line sweeps them.
        QCOMPARE(FileBytes(WorkDir->filePath("sweep.csv")), CliOutput({"--sweep", "-"}));
        QVERIFY(!dialog->SaveCsv(WorkDir->filePath("missing/sweep.csv")));
        QVERIFY(QString::fromStdString(Sink->Shown.at(0).Prompt()).contains("missing/sweep"));
        const QPoint cell = grid->visualRect(grid->model()->index(1, 7)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(!grid->selectionModel()->hasSelection());  // the outline is the one highlight
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        // Row 0.5 of the inflow temperature, column 5.0 of the inflow.
        QCOMPARE(QList<int>({List(1)->currentRow(), List(2)->currentRow(), List(3)->currentRow()}),
                 QList<int>({0, 2, 7}));
        QCOMPARE(CurrentCells(*grid), QList<QPoint>({{7, 1}}));
        List(2)->setCurrentRow(1);  // the window's pick moves it: inflow temperature 0.2
        QCOMPARE(CurrentCells(*grid), QList<QPoint>({{7, 0}}));
        dialog->close();
        QTRY_VERIFY(dialog.isNull());  // deleted on close
        test::Type(*Window, 9, "0");
        const std::size_t shown = Sink->Shown.size();
        QCOMPARE(Window->ShowSweep(), nullptr);
        QCOMPARE(Sink->Shown.size(), shown + 1);
    }

    // On the window's scale the default case's table spans several 2-degree levels; spread
    // over its own range its coldest cell is white and its warmest red, and the range is named.
    void sweepColorsOverTheWindowScaleOrItsOwnRange() {
        QPointer<SweepDialog> dialog = Window->ShowSweep();
        QTRY_VERIFY_WITH_TIMEOUT(dialog && !dialog->IsRunning(), 90000);
        auto* grid = Named<QTableWidget>(*dialog, "SweepGrid");
        auto* coloring = Named<QComboBox>(*dialog, "SweepColoring");
        QCOMPARE(coloring->count(), 2);
        QCOMPARE(Named<QLabel>(*dialog, "SweepColorRange")->text(), QString());
        QVERIFY(ExtremeCell(*grid, false)->background().color() != Qt::white);
        coloring->setCurrentIndex(1);
        QTableWidgetItem* coldest = ExtremeCell(*grid, false);
        QTableWidgetItem* warmest = ExtremeCell(*grid, true);
        QCOMPARE(coldest->background().color(), QColor(Qt::white));
        QCOMPARE(warmest->background().color(), QColor(Qt::red));
        QCOMPARE(Named<QLabel>(*dialog, "SweepColorRange")->text(),
                 QString("白 %1 ℃ ～ 赤 %2 ℃").arg(coldest->text(), warmest->text()));
        coloring->setCurrentIndex(0);
        QCOMPARE(ExtremeCell(*grid, true)->background().color(), kYellow);  // below the sea's 18
        dialog->close();
    }

    // Each row: the input, the target mean or the observed cells (empty: not measured), and
    // what the dialog's refusal says (empty: solved). The dialog's answer is the calibration's
    // of the window's case; the RMS shown is its residual; 適用 types its text or picks its
    // nearest entry, after which the answer is stale.
    void calibrationSolvesTheWindowsCaseOrSaysWhyNot_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("refusal");
        const QStringList none, observed{"", "17.9", " ", "", "17.6"};
        for (const auto& [name, input, mean, cells, refusal] :
             {std::tuple{"multiplier", "inflow-factor", "17.5", none, ""},
              {"temperature", "sea-temp", "17", none, ""},
              {"cells", "mouth-length", "", observed, ""},
              {"out of reach", "inflow-factor", "40", none, "16.88067 ～ 17.93663(℃)"},
              {"no number", "inflow-factor", "x", none, "湾内平均水温「x」は数値ではありません"},
              {"no cell", "inflow-factor", "", QStringList(5),
               "観測水温を一つ以上入力してください"}})
            QTest::newRow(name) << QString(input) << QString(mean) << cells << QString(refusal);
    }
    void calibrationSolvesTheWindowsCaseOrSaysWhyNot() {
        QFETCH(QString, input);
        QFETCH(QString, mean);
        QFETCH(QStringList, cells);
        QFETCH(QString, refusal);
        if (refusal.isEmpty())
            test::Type(*Window, 2, "20");
        QPointer<CalibrationDialog> dialog = Window->ShowCalibration();
        SolveIn(*dialog, input, mean, cells);
        auto* apply = Named<QPushButton>(*dialog, "ApplyCalibration");
        if (!refusal.isEmpty()) {
            const QString shown = Named<QLabel>(*dialog, "CalibrationOutcome")->text();
            QVERIFY2(shown.contains(refusal), qPrintable(shown));
            QVERIFY(!dialog->Answer() && !apply->isEnabled());
            dialog->close();
            return;
        }
        session::CalibrationTarget target;
        if (cells.isEmpty())
            target.Mean = mean.toDouble();
        for (qsizetype k = 0; k < cells.size(); ++k)
            if (!cells[k].trimmed().isEmpty())
                target.Cells[static_cast<std::size_t>(k)] = cells[k].toDouble();
        const auto calibrated = *session::CalibratedInputNamed(input.toStdString());
        const session::Calibration expected =
            session::Calibrate({session::InputsOfModel(Window->Presenter()), calibrated, target});
        QVERIFY(dialog->Answer() && expected.Status == session::CalibrationStatus::Solved);
        QCOMPARE(dialog->Answer()->Value, expected.Value);
        QCOMPARE(dialog->Answer()->Runs, expected.Runs);
        auto* table = Named<QTableWidget>(*dialog, "FitTable");
        QCOMPARE(table->item(7, 2)->text(), QString::number(expected.Residual, 'f', 3));
        QCOMPARE(table->item(1, 0)->text().isEmpty(), cells.isEmpty());
        QVERIFY(!dialog->IsStale());
        QTest::mouseClick(apply, Qt::LeftButton);
        if (const auto* basic = std::get_if<BasicInput>(&calibrated))
            QCOMPARE(Window->Presenter().FieldText(model::FieldOf(*basic)), expected.Text);
        else
            QCOMPARE(List(ListNumber(std::get<MultiplierList>(calibrated)))->currentItem()->text(),
                     QString::fromStdString(expected.Nearest->Entry));
        QVERIFY(dialog->IsStale() && !apply->isEnabled());
        dialog->close();
    }

    // The value under the mouse is the point nearest on screen: at (5 days,
    // 15 degC), one day off to the side is nearer than three degrees up.
    void chartNamesThePointNearestOnScreen() {
        model::SeriesPlot plot;
        plot.Curves = {{.Name = {MessageId::Plain, {"上"}}, .Points = {{5, 18}}},
                       {.Name = {MessageId::Plain, {"横"}}, .Points = {{6, 15}}}};
        plot.Days = {0, 10};
        plot.Temps = {10, 20};
        SeriesChartWindow charts(*Sink);
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

    // The histogram holds every sample with a result and marks the summary's
    // median of the same plan run again; the bands and bars are drawn; a
    // change to the case marks the result stale, and a new run clears it.
    void uncertaintyFillsItsChartsAndFollowsTheCase() {
        const auto dialog = RunUncertainty(40);
        QVERIFY(dialog && dialog->Summary() && dialog->Summary()->Mean);
        std::size_t counted = 0;
        for (const model::HistogramBin& bin : dialog->Histogram())
            counted += bin.Count;
        QCOMPARE(counted, dialog->Summary()->Counts.Result);
        QVERIFY(counted > 30);
        const session::UncertaintyPlan plan = dialog->Plan();
        const session::UncertaintyRun rerun =
            session::RunUncertainty(session::CaseOfModel(Window->Presenter()), plan);
        const auto again = session::SummariseUncertainty(rerun, plan.Spread);
        QCOMPARE(dialog->MarkedPercentiles().value()[1], again.Mean->P50);
        QCOMPARE(Named<QChartView>(*dialog, "Tornado")->chart()->series().size(), 5);  // 2 bars
        QVERIFY(Named<QLabel>(*dialog, "UncertaintyCounts")
                    ->text()
                    .startsWith(QString("結果あり %1 件").arg(counted)));

        const QString csv = WorkDir->filePath("samples.csv");
        QVERIFY(dialog->SaveCsv(csv) && dialog->SaveImage(WorkDir->filePath("charts.svg")));
        QCOMPARE(FileBytes(csv), QByteArray::fromStdString(session::SamplesCsv(rerun)));

        QVERIFY(!dialog->IsStale());
        test::Type(*Window, 1, " 1200");
        QVERIFY(dialog->IsStale() && Named<QLabel>(*dialog, "UncertaintyStale")->isVisible());
        QTest::mouseClick(Named<QPushButton>(*dialog, "RunUncertainty"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 60000);
        QVERIFY(!dialog->IsStale());
    }

    // Runs that would take hours stop soon after 中止 or closing the dialog;
    // the combinations not finished show as not calculated.
    // Escape and Ctrl+W close it, whichever control has the focus.
    void sweepStopsWhenCancelledOrClosed_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"中止", "closing", "Escape", "Ctrl+W"})
            QTest::newRow(how) << QString(how);
    }
    void sweepStopsWhenCancelledOrClosed() {
        QFETCH(QString, how);
        SweepDialog dialog(test::BayCase(1000, 1e-7), {}, *Sink, nullptr, 2);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.IsRunning());
        auto* grid = Named<QTableWidget>(dialog, "SweepGrid");
        grid->setFocus();
        if (how == "closing")
            dialog.close();
        else if (how == "中止")
            QTest::mouseClick(Named<QPushButton>(dialog, "CancelSweep"), Qt::LeftButton);
        else
            QTest::keySequence(grid, QKeySequence(how));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRunning(), 20000);
        QCOMPARE(dialog.isVisible(), how == "中止");
        QCOMPARE(Named<QTableWidget>(dialog, "SweepGrid")->item(0, 0)->text(), QString("未計算"));
    }
};

int main(int argc, char* argv[]) {
    return tidewell::test::RunWindowTest<WindowTest>(argc, argv);
}

#include "WindowTest.moc"
