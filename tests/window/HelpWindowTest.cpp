// The help window, the report viewer and the names the save dialogs propose,
// driven through the main window's keys, menus and buttons.
#include <memory>

#include "WindowHarness.h"
#include "case/BasicInput.h"
#include "case/CaseInput.h"
#include "case/Multipliers.h"
#include "window/GuideText.h"
#include "window/HelpDialog.h"
#include "window/Language.h"
#include "window/MainWindow.h"
#include "window/ProposedName.h"
#include "window/ReportViewer.h"
#include "window/SeriesChartWindow.h"
#include "window/WindowText.h"

using namespace tidewell;
using namespace tidewell::window;
using test::Named;

namespace {

// The row of the guide's limits table that starts with `option`.
QString LimitsRow(const QString& guide, const QString& option) {
    const qsizetype at = guide.indexOf(QStringLiteral("<tt>") + option + QStringLiteral("</tt>"));
    if (at < 0)
        return {};
    return guide.mid(at, guide.indexOf(QStringLiteral("</tr>"), at) - at);
}

}  // namespace

class HelpWindowTest : public test::MainWindowTest {
    Q_OBJECT

    void Calculate() {
        QTest::mouseClick(Named<QPushButton>(*Window, "Command1"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([this] { return !Window->Presenter().Running(); }, 60000));
    }
    ReportViewer& OpenViewer() {
        Named<QAction>(*Window, "ReportAction")->trigger();
        return *Named<ReportViewer>(*Window, "ReportViewer");
    }

  private slots:
    void initTestCase() { UseOwnSettings(); }
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    // Every basic condition's option, limit (the number and whether it is
    // itself accepted) and refusal message is in its row of the guide, and
    // every list's entries in its own.
    void guideStatesEveryInputsLimit() {
        if (SystemLanguage() != Language::Japanese)
            QSKIP("the words are Japanese");
        const QString guide = GuideText(ReportPath);
        for (const InputInfo& input : InputTable()) {
            const QString row = LimitsRow(guide, "--" + QString::fromUtf8(input.Name.data()));
            const QString limit = QString::number(input.Limit);
            QVERIFY2(row.contains(limit + (input.LimitAccepted ? " 以上" : " より大きい")),
                     qPrintable(row));
            QVERIFY2(row.contains(MessageText(RefusalOf(input.Id)).Prompt.toHtmlEscaped()),
                     qPrintable(row));
        }
        for (const ListInfo& list : ListTable()) {
            const QString row = LimitsRow(guide, "--" + QString::fromUtf8(list.Name.data()));
            for (std::string_view entry : list.Entries)
                QVERIFY2(row.contains(QString::fromUtf8(entry.data(), entry.size())),
                         qPrintable(row));
        }
    }

    // F1 opens one resizable, scrolling guide that names the report's full
    // path and links its contents to its sections.
    void f1OpensOneScrollingGuide() {
        QTest::keyClick(Window.get(), Qt::Key_F1);
        QTest::keyClick(Window.get(), Qt::Key_F1);
        const auto guides = Window->findChildren<QDialog*>("GuideBox");
        QCOMPARE(guides.size(), 1);
        QDialog& guide = *guides[0];
        QVERIFY(QTest::qWaitForWindowExposed(&guide));
        auto* browser = Named<QTextBrowser>(guide, "GuideBrowser");
        QVERIFY(browser->toPlainText().contains(QDir::toNativeSeparators(ReportPath)));
        QVERIFY(browser->verticalScrollBar()->maximum() > 0);
        browser->scrollToAnchor("cli");
        QVERIFY(browser->verticalScrollBar()->value() > 0);
        const QSize before = guide.size();
        guide.resize(before + QSize(200, 100));
        QCOMPARE(guide.size(), before + QSize(200, 100));
        guide.close();
    }

    // The viewer shows the report decoded, with its full path, read-only,
    // and copies it.
    void reportViewerShowsAndCopiesTheReport() {
        QVERIFY(QFile::copy(TIDEWELL_GOLDEN_DIR "/default_report.txt", ReportPath));
        ReportViewer& viewer = OpenViewer();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QCOMPARE(Named<QLabel>(viewer, "ReportPath")->text(), QDir::toNativeSeparators(ReportPath));
        auto* text = Named<QPlainTextEdit>(viewer, "ReportText");
        QVERIFY(text->isReadOnly() && text->isVisible());
        QVERIFY(!Named<QLabel>(viewer, "ReportProblem")->isVisible());
        const QStringList lines = text->toPlainText().split('\n');
        QCOMPARE(lines.size(), 26);
        QCOMPARE(lines.front(), " 閉鎖性海域水温計算 by 簡易計算モデル Tidewell_Ver110");
        QCOMPARE(lines.back(), "    湾内平均水温(℃)= 17.7 ");
        const QFontMetrics metrics(text->font());  // a full-width character takes two columns
        QVERIFY(metrics.horizontalAdvance("i.") == metrics.horizontalAdvance("WM") &&
                metrics.horizontalAdvance("湾") == metrics.horizontalAdvance("00"));
        QApplication::clipboard()->clear();
        QTest::mouseClick(Named<QPushButton>(viewer, "CopyReport"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), text->toPlainText());
    }

    // Before any calculation the viewer says so; it reads the report again
    // after a run.
    void reportViewerSaysThereIsNoReportUntilARun() {
        ReportViewer& viewer = OpenViewer();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        auto* problem = Named<QLabel>(viewer, "ReportProblem");
        const ShownMessage none = MessageText(
            {MessageId::ReportNotWritten, {QDir::toNativeSeparators(ReportPath).toStdString()}});
        QVERIFY(problem->isVisible() && problem->text().contains(none.Prompt));
        QVERIFY(!Named<QPlainTextEdit>(viewer, "ReportText")->isVisible());
        QVERIFY(!Named<QPushButton>(viewer, "CopyReport")->isEnabled());
        test::Type(*Window, 1, "500");
        Calculate();
        QVERIFY(!problem->isVisible() && Named<QPushButton>(viewer, "CopyReport")->isEnabled());
        QVERIFY(viewer.Text().contains("湾面積(km2)=500　"));
    }

    // A case saved as bay.tidewell: the CSV export's dialog proposes
    // bay-series.csv beside it and the chart window bay.png; untitled, the
    // chart keeps its fixed name.
    void saveDialogsProposeTheCasesName() {
        QCOMPARE(ProposedSavePath(Window->ShowChart(), session::SavedOutput::SeriesImage),
                 QString("tidewell-series.png"));
        QVERIFY(Window->SaveCaseFile(WorkDir->filePath("bay.tidewell")));
        QCOMPARE(ProposedSavePath(Window->ShowChart(), session::SavedOutput::SeriesImage),
                 WorkDir->filePath("bay.png"));
        Calculate();
        QString proposed;
        QTimer poll;
        test::WhenDialogAppears<QFileDialog>(poll, [&proposed](QFileDialog* dialog) {
            proposed = dialog->selectedFiles().value(0);
            dialog->reject();
        });
        Named<QAction>(*Window, "ExportCsvAction")->trigger();
        QCOMPARE(proposed, WorkDir->filePath("bay-series.csv"));
    }
};

int main(int argc, char* argv[]) {
    return tidewell::test::RunWindowTest<HelpWindowTest>(argc, argv);
}

#include "HelpWindowTest.moc"
