// The window in English: under an English locale every text it shows is
// English and every caption fits; the language is chosen as the program
// chooses it, and Japanese stays the default.
#include <QChart>
#include <QChartView>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "WindowHarness.h"
#include "case/CaseRecord.h"
#include "ui/RunEstimate.h"
#include "ui/SeriesPlot.h"
#include "ui/qt/CaptionFit.h"
#include "ui/qt/HelpDialog.h"
#include "ui/qt/Language.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/SeriesChartWindow.h"
#include "ui/qt/SweepDialog.h"
#include "ui/qt/WindowText.h"

using tidewell::Message;
using tidewell::window::Language;

namespace {

bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF) ||
               (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF);
    });
}

// Every text the window shows: its title, captions, field texts, tooltips
// and its menus' entries.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        for (const char* property : {"text", "title", "toolTip"})
            texts << widget->property(property).toString();
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text();
    for (const QMenu* menu : window.findChildren<QMenu*>())
        texts << menu->title();
    for (const QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel& model = *view->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column)
                texts << model.index(row, column).data().toString();
            texts << model.headerData(row, Qt::Vertical).toString();
        }
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.headerData(column, Qt::Horizontal).toString();
    }
    for (const QChartView* chart : window.findChildren<QChartView*>()) {
        for (const QAbstractAxis* axis : chart->chart()->axes())
            texts << axis->titleText();
    }
    texts.removeAll(QString());
    return texts;
}

}  // namespace

class EnglishTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> WorkDir;
    tidewell::test::RecordingSink Sink;
    std::unique_ptr<tidewell::window::MainWindow> Window;

    QLineEdit* Field(int n) const { return tidewell::test::TextField(*Window, n); }
    void Type(int field, const QString& text) { tidewell::test::Type(*Window, field, text); }

  private slots:
    void initTestCase() {
        QCOMPARE(tidewell::window::SystemLanguage(), Language::English);  // run under LANG=en_US
        QVERIFY(tidewell::window::UseLanguage(Language::English));
    }
    void init() {
        WorkDir = std::make_unique<QTemporaryDir>();
        Sink.Shown.clear();
        Sink.Asked.clear();
        Window = std::make_unique<tidewell::window::MainWindow>(
            Sink, WorkDir->filePath("Tidewell_OUT.txt").toStdString());
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }
    void cleanup() { Window.reset(); }

    // The locale's language (Japanese unless English), and the option's
    // (only the exact names).
    void languageIsChosenByLocaleOrOption() {
        using L = Language;
        const std::vector<std::tuple<QString, L, std::optional<L>>> rows{
            {"en", L::English, L::English}, {"ja", L::Japanese, L::Japanese},
            {"en_US", L::English, {}},      {"en-GB", L::English, {}},
            {"de_DE", L::Japanese, {}},     {"C", L::Japanese, {}},
            {"", L::Japanese, {}}};
        for (const auto& [name, locale, option] : rows) {
            QVERIFY2(tidewell::window::LanguageOfLocale(name) == locale &&
                         tidewell::window::LanguageNamed(name) == option,
                     qPrintable(name));
        }
    }

    // Each row: a text typed (field 0: none), then Calculate; the last
    // message's title and the result field, then every text shown, are English.
    void windowAndMessagesAreEnglish_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, int field, const char* text, const char* title,
                            const char* result) {
            QTest::newRow(name) << field << QString(text) << QString(title) << QString(result);
        };
        row("completed", 0, "", "Calculation finished!", " 17.7");
        row("refused", 9, "0", "Inflow rate limit", " 18");
        row("not a number", 7, "-", "Sea water temperature", " 18");
        row("unstable", 1, "20", "Unstable calculation", "Unstable");
        row("long run asked", 9, "0.001", "Calculation time", " 18");
    }
    void windowAndMessagesAreEnglish() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, result);
        if (field != 0)
            Type(field, text);
        QTest::mouseClick(Window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(Sink.Shown.size() + Sink.Asked.size() > 0);
        const auto shown = tidewell::window::MessageText(Sink.Asked.empty() ? Sink.Shown.back()
                                                                            : Sink.Asked.back());
        QCOMPARE(shown.Title, title);
        QCOMPARE(Field(16)->text(), result);
        Type(2, "20");  // an edit after a result marks it stale, with an English tooltip
        const QStringList texts = ShownTexts(*Window) << shown.Prompt;
        for (const QString& text : texts)
            QVERIFY2(!HasJapanese(text), qPrintable(text));
    }

    // Model texts with parts inside are translated by pattern, the parts
    // themselves looked up and never read as patterns.
    void patternedModelTexts_data() {
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("english");
        const auto row = [](const char* name, const std::string& japanese, const char* english) {
            QTest::newRow(name) << QString::fromStdString(japanese) << QString(english);
        };
        row("progress", tidewell::ProgressText(1234567, 9000000, 12.0),
            "Calculating: 1,234,567 / 9,000,000 steps (13.7%)\rabout 1 min 15 s left");
        row("starting", tidewell::ProgressText(0, 90, 0),
            "Calculating: 0 / 90 steps (0.0%)\restimating the time left");
        row("days", tidewell::DurationWords(2 * 86400 + 7200), "about 2 d 2 h");
        row("path kept", "レポートファイル「/tmp/湾%2.txt」を書き込めませんでした。\rNo such file",
            "Could not write the report file \"/tmp/湾%2.txt\".\rNo such file");
        row("nested", "「bay-area」の「x」を受け付けません（外海水の水温: 数値を入力してください）",
            "\"x\" is not accepted for \"bay-area\" (Sea water temperature: Enter a number.)");
        row("result", "計算結果(湾内平均水温)\r 17.7(℃)",
            "Result (mean bay water temperature)\r 17.7(℃)");
        row("unknown", "未知の文", "未知の文");
    }
    void patternedModelTexts() {
        QFETCH(QString, japanese);
        QFETCH(QString, english);
        QCOMPARE(tidewell::window::ModelText(japanese.toStdString()), english);
    }

    // A frame's caption breaks after a space rather than inside a word.
    // Each row: the caption, the text as wide as allowed, the lines.
    void captionsBreakBetweenWords() {
        const QList<QStringList> rows{{"bay bay bay", "bay ba", "bay ", "bay ", "bay"},
                                      {"abcdef", "abc", "abc", "def"},
                                      {"湾内水：計算", "湾内水", "湾内水", "：計算"}};
        const QFontMetrics metrics(Window->font());
        for (const QStringList& row : rows) {
            QCOMPARE(
                tidewell::window::WrapCaption(row[0], metrics, metrics.horizontalAdvance(row[1])),
                row.mid(2));
        }
    }

    // The chart window before any run and the sensitivity dialog after its runs.
    void chartAndSweepAreEnglish() {
        tidewell::window::SeriesChartWindow chart(Sink);
        chart.ShowPlot(tidewell::PlotOfNoRun());
        tidewell::window::SweepDialog sweep(tidewell::DefaultCase(), {}, Sink);
        QTRY_VERIFY_WITH_TIMEOUT(!sweep.IsRunning(), 60000);
        const QStringList texts = ShownTexts(chart) + ShownTexts(sweep);
        QVERIFY(texts.contains("No result yet. Press Calculate."));
        QVERIFY(texts.contains("Sensitivity"));
        for (const QString& text : texts)
            QVERIFY2(!HasJapanese(text), qPrintable(text));
    }

    // The help page and the about box in either language; Japanese again
    // once chosen, as without a translation.
    void helpInBothLanguagesJapaneseByDefault() {
        const QString english = tidewell::window::GuideText("Tidewell_OUT.txt");
        QVERIFY(english.startsWith("<h3>Using Tidewell</h3>") && english.contains("_OUT.txt"));
        QVERIFY2(!HasJapanese(english + tidewell::window::AboutText()), qPrintable(english));
        QVERIFY(tidewell::window::UseLanguage(Language::Japanese));
        tidewell::window::MainWindow japanese(Sink);
        const QString guide = tidewell::window::GuideText("Tidewell_OUT.txt");
        const QString about = tidewell::window::AboutText();
        tidewell::window::UseLanguage(Language::English);
        QVERIFY(guide.startsWith("<h3>Tidewell の使い方</h3>") && about.contains("ライセンス"));
        QCOMPARE(japanese.findChild<QPushButton*>("Command1")->text(), "計算開始");
        QCOMPARE(japanese.findChild<QMenu*>("HelpMenu")->title(), "ヘルプ(&H)");
    }
};

int main(int argc, char* argv[]) {
    return tidewell::test::RunWindowTest<EnglishTest>(argc, argv);
}

#include "EnglishTest.moc"
