// The window's menus forward to the model and mirror it: case files and the
// title's unsaved mark, recent files, the chart window, the sensitivity dialog.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "ui/qt/MainWindow.h"
#include "ui/qt/QtMessageSink.h"
#include "ui/qt/SeriesChartWindow.h"
#include "ui/qt/SweepDialog.h"

using namespace tidewell;

namespace {
class Sink final : public MessageSink {
  public:
    void Show(const Message& message) override { Shown.push_back(message); }
    SaveAnswer AskToSave(const Message& question) override {
        Asked.push_back(question);
        return Answer;
    }
    std::vector<Message> Shown, Asked;
    SaveAnswer Answer = SaveAnswer::Cancel;
};
}  // namespace

Q_DECLARE_METATYPE(tidewell::SaveAnswer)

class MenusTest : public QObject {
    Q_OBJECT

    template <typename T = QWidget>
    T* Named(const QString& name) const {
        T* found = Window->findChild<T*>(name);
        if (!found)
            qFatal("no child named %s", qPrintable(name));
        return found;
    }
    void Type(int field, const QString& text) {
        auto* box = Named<QLineEdit>(QStringLiteral("Text%1").arg(field));
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QString CasePath() const { return Dir->filePath("bay.tidewell"); }

    QTemporaryDir Settings;
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<Sink> Messages;
    std::unique_ptr<window::MainWindow> Window;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Settings.path());
    }
    void init() {
        Dir = std::make_unique<QTemporaryDir>();
        Messages = std::make_unique<Sink>();
        Window =
            std::make_unique<window::MainWindow>(*Messages, Dir->filePath("out.txt").toStdString());
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }
    void cleanup() {
        Window.reset();
        QSettings().clear();
        QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
    }

    // Captions with mnemonics, shortcuts, and the file menu's order.
    void menuEntries() {
        const QStringList entries{"FileMenu/OpenAction/開く(&O)…/Ctrl+O",
                                  "FileMenu/SaveAction/保存(&S)/Ctrl+S",
                                  "FileMenu/SaveAsAction/名前を付けて保存(&A)…/Ctrl+Shift+S",
                                  "FileMenu/ExportCsvAction/結果をCSVで保存(&E)…/",
                                  "FileMenu/QuitAction/終了(&X)/Ctrl+Q",
                                  "ViewMenu/ChartAction/時系列グラフ(&G)/Ctrl+G",
                                  "ViewMenu/SweepAction/感度分析(&S)…/Ctrl+T"};
        for (const QString& entry : entries) {
            const QStringList part = entry.split('/');
            const QAction* action = Named<QMenu>(part[0])->findChild<QAction*>(part[1]);
            QVERIFY2(action && Named<QMenu>(part[0])->actions().contains(action),
                     qPrintable(entry));
            QCOMPARE(action->text() + "/" + action->shortcut().toString(), part[2] + "/" + part[3]);
        }
        QStringList file;
        for (QAction* item : Named<QMenu>("FileMenu")->actions())
            file << (item->menu() ? item->menu()->objectName() : item->objectName());
        QCOMPARE(file, QStringList({"OpenAction", "SaveAction", "SaveAsAction", "RecentMenu",
                                    "ExportCsvAction", "", "QuitAction"}));
    }

    void chartFollowsEveryRunAndCsvNeedsOne() {
        auto* exportCsv = Named<QAction>("ExportCsvAction");
        QVERIFY(!exportCsv->isEnabled());
        window::SeriesChartWindow& chart = Window->ShowChart();
        QVERIFY(chart.Plot().Curves.empty() && !chart.Plot().Message.empty());
        for (const char* area : {"1000", "3000"}) {
            Type(1, area);
            QTest::mouseClick(Named<QPushButton>("Command1"), Qt::LeftButton);
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
        QCOMPARE(Window->windowTitle(), QString("Tidewell Ver110"));
        Type(1, "3000");
        Named<QListWidget>("List3")->setCurrentRow(2);
        QVERIFY(!Window->isWindowModified());  // no file: nothing to mark
        QVERIFY(Window->SaveCaseFile(CasePath()));
        QCOMPARE(Window->windowTitle(), QString("bay.tidewell[*] - Tidewell Ver110"));
        QVERIFY(!Window->isWindowModified());
        QTest::mouseClick(Named<QPushButton>("Command3"), Qt::LeftButton);  // the defaults
        QVERIFY(Window->isWindowModified());
        Messages->Answer = SaveAnswer::Discard;
        QVERIFY(Window->OpenCaseFile(CasePath()));
        QCOMPARE(Messages->Asked.size(), std::size_t{1});
        QCOMPARE(Named<QLineEdit>("Text1")->text(), QString("3000"));
        QCOMPARE(Named<QListWidget>("List3")->currentRow(), 2);
        QVERIFY(!Window->isWindowModified());
        QVERIFY(Messages->Shown.empty());
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
        Messages->Answer = answer;
        Window->close();
        QCOMPARE(Messages->Asked.size(), std::size_t{1});
        QCOMPARE(Window->isVisible(), stays);
        QFile saved(CasePath());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains(("\"" + savedArea + "\"").toUtf8()));
    }

    // The box offers the three answers, キャンセル the default; each click is
    // its own answer.
    void saveQuestionBoxAnswersWhatIsClicked() {
        const QList<std::pair<QString, SaveAnswer>> clicks{{"保存", SaveAnswer::Save},
                                                           {"保存しない", SaveAnswer::Discard},
                                                           {"キャンセル", SaveAnswer::Cancel}};
        for (const auto& [click, answer] : clicks) {
            QStringList buttons;
            QTimer poll;
            connect(&poll, &QTimer::timeout, &poll, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                poll.stop();
                for (QAbstractButton* button : box->buttons())
                    buttons << button->text();
                buttons << "default " + box->defaultButton()->text();
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == click)
                        button->click();
                }
            });
            poll.start(10);
            window::QtMessageSink sink;
            QCOMPARE(sink.AskToSave({"変更の保存", "?"}), answer);
            buttons.sort();
            QCOMPARE(buttons,
                     QStringList({"default キャンセル", "キャンセル", "保存", "保存しない"}));
        }
    }

    void missingRecentFileLeavesTheList() {
        QVERIFY(Window->SaveCaseFile(CasePath()));
        QVERIFY(Window->SaveCaseFile(Dir->filePath("other.tidewell")));
        auto* recent = Named<QMenu>("RecentMenu");
        QCOMPARE(recent->actions().size(), 2);
        QCOMPARE(recent->actions().at(0)->text(), QString("&1 other.tidewell"));
        QVERIFY(QFile::remove(CasePath()));
        recent->actions().at(1)->trigger();  // the older one, from its menu entry
        QTRY_COMPARE(Messages->Shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(Messages->Shown[0].Prompt).contains(CasePath()));
        QCOMPARE(recent->actions().size(), 1);
    }

    // The dialog opens on the window's picks and hands its pick back to them.
    void sweepPickSetsTheWindowsLists() {
        Named<QListWidget>("List2")->setCurrentRow(4);
        Named<QListWidget>("List3")->setCurrentRow(5);
        QPointer<window::SweepDialog> dialog = Window->ShowSweep();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        const SweepCombination opened = dialog->Table().Current();
        QVERIFY(opened.Section == 0 && opened.InflowTemp == 4 && opened.Inflow == 5);
        auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("SweepGrid"));
        const QPoint cell = grid->visualRect(grid->model()->index(3, 6)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        const SweepCombination picked = dialog->Table().Current();
        QCOMPARE(picked.Inflow, 6);  // the column's entry
        const QList<int> expected{picked.Section, picked.InflowTemp, picked.Inflow};
        for (int list = 1; list <= 3; ++list) {
            QCOMPARE(Named<QListWidget>(QStringLiteral("List%1").arg(list))->currentRow(),
                     expected[list - 1]);
        }
        dialog->close();
        QTRY_VERIFY(dialog.isNull());  // deleted on close
        Type(9, "0");                  // a refused text: no sweep on it
        const std::size_t shown = Messages->Shown.size();
        QCOMPARE(Window->ShowSweep(), nullptr);
        QCOMPARE(Messages->Shown.size(), shown + 1);
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    MenusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MenusTest.moc"
