// Every text the window shows is English under an English locale; Japanese is the default.
#include <QChart>
#include <QChartView>
#include <optional>
#include <tuple>

#include "WindowHarness.h"
#include "ui/RunEstimate.h"
#include "ui/qt/CaptionFit.h"
#include "ui/qt/HelpDialog.h"
#include "ui/qt/Language.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/SeriesChartWindow.h"
#include "ui/qt/SweepDialog.h"
#include "ui/qt/WindowText.h"

using namespace tidewell::window;
using namespace tidewell::test;

namespace {

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
    for (const QChartView* chart : window.findChildren<QChartView*>())
        for (const QAbstractAxis* axis : chart->chart()->axes())
            texts << axis->titleText();
    return texts;
}

}  // namespace

class EnglishTest : public QObject {
    Q_OBJECT
    QTemporaryDir WorkDir;
    RecordingSink Sink;

  private slots:
    void init() { QVERIFY(UseLanguage(Language::English)); }

    // The locale's language (Japanese unless English); the option's (exact names only).
    void languageIsChosenByLocaleOrOption() {
        QCOMPARE(SystemLanguage(), Language::English);  // run under LANG=en_US
        using L = Language;
        const QList<std::tuple<QString, L, std::optional<L>>> rows{
            {"en", L::English, L::English}, {"ja", L::Japanese, L::Japanese},
            {"en_US", L::English, {}},      {"en-GB", L::English, {}},
            {"de_DE", L::Japanese, {}},     {"", L::Japanese, {}}};
        for (const auto& [name, locale, option] : rows)
            QVERIFY2(LanguageOfLocale(name) == locale && LanguageNamed(name) == option,
                     qPrintable(name));
    }

    // Each row, in a new window: a field and the text typed into it (none leaves it), then
    // Calculate; the last message's title and the result field; then every text shown.
    void windowAndMessagesAreEnglish() {
        const QList<std::tuple<int, QString, QString, QString>> rows{
            {1, "", "Calculation finished!", " 17.7"},
            {7, "-", "Sea water temperature", " 18"},
            {9, "0.001", "Calculation time", " 18"}};
        for (const auto& [field, text, title, result] : rows) {
            Sink = {};
            MainWindow window(Sink, WorkDir.filePath("out.txt").toStdString());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            Type(window, field, text);
            QTest::mouseClick(Named<QPushButton>(window, "Command1"), Qt::LeftButton);
            QVERIFY(Sink.Shown.size() + Sink.Asked.size() > 0);
            const auto shown = MessageText((Sink.Asked.empty() ? Sink.Shown : Sink.Asked).back());
            QCOMPARE(shown.Title, title);
            QCOMPARE(TextField(window, 16)->text(), result);
            Type(window, 2, "20");  // marks the result stale, with a tooltip
            QCOMPARE((ShownTexts(window) << shown.Prompt).filter(kJapanese).join(" | "), QString());
        }
    }

    // Texts with parts translate by pattern; the parts are looked up, never read as patterns.
    void patternedModelTexts() {
        const QList<std::pair<std::string, QString>> rows{
            {tidewell::ProgressText(1234567, 9000000, 12.0),
             "Calculating: 1,234,567 / 9,000,000 steps (13.7%)\rabout 1 min 15 s left"},
            {"レポートファイル「/tmp/湾%2.txt」を書き込めませんでした。\rNo such file",
             "Could not write the report file \"/tmp/湾%2.txt\".\rNo such file"},
            {"「bay-area」の「x」を受け付けません（外海水の水温: 数値を入力してください）",
             "\"x\" is not accepted for \"bay-area\" (Sea water temperature: Enter a number.)"},
            {"未知の文", "未知の文"}};
        for (const auto& [japanese, english] : rows)
            QCOMPARE(ModelText(japanese), english);
    }

    // A caption breaks after a space, not in a word. Row: caption, widest text allowed, lines.
    void captionsBreakBetweenWords() {
        const QList<QStringList> rows{{"bay bay bay", "bay ba", "bay ", "bay ", "bay"},
                                      {"abcdef", "abc", "abc", "def"},
                                      {"湾内水：計算", "湾内水", "湾内水", "：計算"}};
        const QFontMetrics metrics(QApplication::font());
        for (const QStringList& row : rows)
            QCOMPARE(WrapCaption(row[0], metrics, metrics.horizontalAdvance(row[1])), row.mid(2));
    }

    // The chart window before any run and the sensitivity dialog after its runs.
    void chartAndSweepAreEnglish() {
        MainWindow window(Sink);
        const QStringList chart = ShownTexts(window.ShowChart());
        QPointer<SweepDialog> sweep = window.ShowSweep();
        QTRY_VERIFY_WITH_TIMEOUT(sweep && !sweep->IsRunning(), 60000);
        QVERIFY(chart.contains("No result yet. Press Calculate."));
        QCOMPARE((chart + ShownTexts(*sweep)).filter(kJapanese).join(" | "), QString());
    }

    // The help, the about box and the window are Japanese once chosen, as without translation.
    void japaneseByDefault() {
        QVERIFY(!(GuideText("out.txt") + AboutText()).contains(kJapanese));
        QVERIFY(UseLanguage(Language::Japanese));
        MainWindow japanese(Sink);
        QVERIFY(GuideText("").contains("Tidewell の使い方") && AboutText().contains("ライセンス"));
        QCOMPARE(Named<QPushButton>(japanese, "Command1")->text(), "計算開始");
        QCOMPARE(Named<QMenu>(japanese, "HelpMenu")->title(), "ヘルプ(&H)");
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<EnglishTest>(argc, argv);
}

#include "EnglishTest.moc"
