// The window driven through its widgets as a user would: it forwards events to
// the model, mirrors the model, and gets its dialogs, lists and keys right.
#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <functional>
#include <memory>

#include "ui/qt/LegendPanel.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtMessageSink.h"

using tidewell::Field;
using tidewell::Message;
using tidewell::window::MainWindow;
using FieldTexts = QMap<int, QString>;

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

QStringList StartTextsWith(const FieldTexts& changes) {
    QStringList texts = kStartTexts;
    for (auto change = changes.begin(); change != changes.end(); ++change)
        texts[change.key() - 1] = change.value();
    return texts;
}

// Calls act once on the first Dialog that comes up while poll runs.
template <typename Dialog>
void WhenDialogAppears(QTimer& poll, std::function<void(Dialog*)> act) {
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, act] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(top); dialog && dialog->isVisible()) {
                poll.stop();
                act(dialog);
                return;
            }
        }
    });
    poll.start();
}

// Records the window's messages and questions instead of showing boxes.
class RecordingSink final : public tidewell::MessageSink {
  public:
    void Show(const Message& message) override {
        Shown.push_back(message);
        OnShow();
    }
    bool Ask(const Message& question) override {
        Asked.push_back(question);
        return Answer;
    }
    std::function<void()> OnShow = [] {};  // called while the message would be on screen
    std::vector<Message> Shown;
    std::vector<Message> Asked;
    bool Answer = false;
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private:
    template <typename T = QWidget>
    T* Named(const QString& name) const {
        return Window->findChild<T*>(name);
    }
    bool TypeInto(int field, const QString& text) {
        Fields[field]->setFocus();
        QTest::keyClick(Fields[field], Qt::Key_A, Qt::ControlModifier);  // select all
        if (Fields[field]->selectedText() != Fields[field]->text())
            return false;
        QTest::keyClicks(Fields[field], text);
        return true;
    }
    bool PickEntry(int list, const QString& entry) {
        const QList<QListWidgetItem*> found = Lists[list]->findItems(entry, Qt::MatchExactly);
        if (found.size() != 1)
            return false;
        Lists[list]->scrollToItem(found.front(), QAbstractItemView::PositionAtTop);
        const QPoint middle = Lists[list]->visualItemRect(found.front()).center();
        QTest::mouseClick(Lists[list]->viewport(), Qt::LeftButton, {}, middle);
        return true;
    }
    void Click(int command) { QTest::mouseClick(Commands[command], Qt::LeftButton); }
    template <typename Read>
    static auto Collect(int count, Read read) {
        QList<decltype(read(1))> all;
        for (int n = 1; n <= count; ++n)
            all << read(n);
        return all;
    }
    QStringList Texts() const {
        return Collect(16, [this](int n) { return Fields[n]->text(); });
    }
    QStringList ModelTexts() const {
        return Collect(
            16, [this](int n) { return QString::fromStdString(Window->Presenter().FieldText(n)); });
    }
    QList<QColor> Colors() const {
        return Collect(7, [this](int n) { return Frames[n]->palette().color(QPalette::Window); });
    }
    QList<int> Selections() const {  // the selected row of each list, -1 for none
        return Collect(
            3, [this](int n) { return Lists[n]->selectionModel()->selectedRows().value(0).row(); });
    }
    QString TopEntry(int list) const {
        return Lists[list]->indexAt(QPoint(2, 2)).data().toString();
    }
    QByteArray Report() const {
        QFile report(ReportPath);
        return report.open(QIODevice::ReadOnly) ? report.readAll() : QByteArray();
    }
    // A wide, deep bay with little inflow: hundreds of millions of steps,
    // minutes on any machine.
    void TypeLongCase() {
        QVERIFY(TypeInto(1, "100000"));
        QVERIFY(TypeInto(2, "100"));
        QVERIFY(TypeInto(9, "1"));
    }

    // Fails a test that would hang on an unexpected modal window: when time is
    // up it notes the culprit and rejects every dialog, so cleanup() can fail.
    QTimer Watchdog;
    QString Culprit;
    void Bite() {
        QWidget* modal = QApplication::activeModalWidget();
        Culprit = modal ? "modal window left open: " + modal->windowTitle()
                        : QString("test ran past its time limit");
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
                dialog->reject();
        }
    }
    std::unique_ptr<QTemporaryDir> WorkDir;
    std::unique_ptr<RecordingSink> Sink;
    std::unique_ptr<MainWindow> Window;
    QString ReportPath;
    std::array<QLineEdit*, 17> Fields{};     // Text1 .. Text16
    std::array<QListWidget*, 4> Lists{};     // List1 .. List3
    std::array<QGroupBox*, 8> Frames{};      // 1..5 the bay, 6 inflow, 7 sea
    std::array<QPushButton*, 4> Commands{};  // Command1 calculate, 2 exit, 3 restore
  private slots:
    void init() {
        Culprit.clear();
        connect(&Watchdog, &QTimer::timeout, this, &WindowTest::Bite, Qt::UniqueConnection);
        Watchdog.start(30000);
        WorkDir = std::make_unique<QTemporaryDir>();
        QVERIFY(WorkDir->isValid());
        ReportPath = WorkDir->filePath("Tidewell_OUT.txt");
        Sink = std::make_unique<RecordingSink>();
        Window = std::make_unique<MainWindow>(*Sink, ReportPath.toStdString());
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        for (int n = 1; n <= 16; ++n)
            QVERIFY(Fields[n] = Named<QLineEdit>(QString("Text%1").arg(n)));
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(Lists[n] = Named<QListWidget>(QString("List%1").arg(n)));
            QVERIFY(Commands[n] = Named<QPushButton>(QString("Command%1").arg(n)));
        }
        for (int n = 1; n <= 7; ++n)
            QVERIFY(Frames[n] = Named<QGroupBox>(n <= 5 ? QString("Frame1_%1").arg(n - 1)
                                                        : QString("Frame%1").arg(n - 4)));
    }

    void cleanup() {
        Watchdog.stop();
        Window.reset();
        Sink.reset();
        WorkDir.reset();
        QVERIFY2(Culprit.isEmpty(), qPrintable(Culprit));
        QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
    }

    // The default case's texts and colours (on screen, not only in the
    // palette), the model's legend, and three one-row lists showing "1.0" with
    // nothing selected.
    void showsDefaultCaseAtStartUp() {
        QCOMPARE(Texts(), kStartTexts);
        QCOMPARE(Colors(), kStartColors);
        for (int n = 1; n <= 7; ++n) {
            const QImage image = Frames[n]->grab().toImage();
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 4), kStartColors[n - 1]);
        }
        QVERIFY(Sink->Shown.empty());
        QCOMPARE(Window->windowTitle(), QString("Tidewell Ver110"));
        auto* legend = dynamic_cast<tidewell::window::LegendPanel*>(Named("Picture2"));
        QVERIFY2(legend && legend->Drawing() == Window->Presenter().Legend(),
                 "Picture2 does not carry the model's legend");
        const QStringList seven{"1.0", "0.2", "0.5", "0.8", "1.2", "1.5", "2.0"};
        for (int list = 1; list <= 3; ++list) {
            QListWidget* box = Lists[list];
            QCOMPARE(Collect(box->count(), [box](int n) { return box->item(n - 1)->text(); }),
                     list == 1 ? seven : seven + QStringList{"5.0"});
            QCOMPARE(TopEntry(list), QString("1.0"));
        }
        QCOMPARE(Selections(), QList<int>({-1, -1, -1}));
    }

    // Every field the user may type into hands each keystroke to the model;
    // the display fields take none.
    void typingReachesModelInEditableFieldsOnly_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("editable");
        QTest::newRow("Text1 bay area") << 1 << true;
        QTest::newRow("Text2 mean depth") << 2 << true;
        QTest::newRow("Text3 bay volume") << 3 << false;
        QTest::newRow("Text4 mouth length") << 4 << true;
        QTest::newRow("Text7 sea temperature") << 7 << true;
        QTest::newRow("Text8 inflow temperature") << 8 << true;
        QTest::newRow("Text9 inflow rate") << 9 << true;
        QTest::newRow("Text16 result") << 16 << false;
    }
    void typingReachesModelInEditableFieldsOnly() {
        QFETCH(int, field);
        QFETCH(bool, editable);
        const tidewell::CaseRecord before = Window->Presenter().Record();
        Fields[field]->setFocus();
        QTest::keyClick(Fields[field], Qt::Key_End);
        QTest::keyClicks(Fields[field], "5");  // " 1000" -> " 10005" and so on: all accepted
        const QString typed = kStartTexts[field - 1] + "5";
        QCOMPARE(Fields[field]->text(), editable ? typed : kStartTexts[field - 1]);
        QCOMPARE(ModelTexts()[field - 1], Fields[field]->text());
        QCOMPARE(Window->Presenter().Record() != before, editable);
        QCOMPARE(Texts(), ModelTexts());  // the dependent fields on screen too
        QCOMPARE(Fields[field]->cursorPosition(), Fields[field]->text().size());
        QVERIFY(Sink->Shown.empty());
    }

    void calculateWithRefusedTextRunsNothingAndFocusesTheField() {
        QVERIFY(TypeInto(9, "0"));
        QCOMPARE(Sink->Shown.size(), std::size_t{1});
        Click(1);  // the click takes the focus to the button
        QCOMPARE(Sink->Shown.size(), std::size_t{2});
        QCOMPARE(Sink->Shown[1], Sink->Shown[0]);
        QCOMPARE(Sink->Shown[1].Title, std::string("流量の入力制限"));
        QTRY_VERIFY(Fields[9]->hasFocus());
        QVERIFY(!QFile::exists(ReportPath));
        QCOMPARE(Texts(), StartTextsWith({{9, "0"}}));
    }

    // Whatever a one-row list shows after scrolling or a click is the entry
    // in force.
    void listPicksTheEntryInView_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("field");  // the changed field and its text
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("down arrow twice") << 1 << "arrows" << "0.5" << 11 << " .063";
        QTest::newRow("wheel one notch") << 1 << "wheel" << "0.2" << 11 << " .0252";
        QTest::newRow("down key twice") << 1 << "keys" << "0.5" << 11 << " .063";
        QTest::newRow("click") << 2 << "click" << "1.2" << 12 << " 5958";
        // clang-format on
    }
    void listPicksTheEntryInView() {
        QFETCH(int, list);
        QFETCH(QString, how);
        QFETCH(QString, entry);
        QFETCH(int, field);
        QFETCH(QString, text);
        QListWidget* box = Lists[list];
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
            QVERIFY(PickEntry(list, entry));
        }
        QCOMPARE(TopEntry(list), entry);
        const int row = box->row(box->findItems(entry, Qt::MatchExactly).value(0));
        QCOMPARE(Window->Presenter().List(list).Selected, row);
        QList<int> selections{-1, -1, -1};
        selections[list - 1] = row;
        QCOMPARE(Selections(), selections);
        QCOMPARE(Fields[field]->text(), text);
        QCOMPARE(Texts(), ModelTexts());
        QCOMPARE(Fields[6]->text(), QString(" .126"));
    }

    // The result and the bay's colours are on screen while the completion
    // message shows; an edit afterwards marks both stale until the next run.
    void calculateShowsResultThenMarksItStaleAfterAnEdit() {
        QVERIFY(!QFile::exists(ReportPath));
        QStringList textsUnderMessage;
        QList<QColor> colorsUnderMessage;
        Sink->OnShow = [&] {
            textsUnderMessage = Texts();
            colorsUnderMessage = Colors();
        };
        Click(1);
        const QList<QColor> yellowBay{kYellow, kYellow,      kYellow, kYellow,
                                      kYellow, kYellowGreen, kOrange};
        QCOMPARE(textsUnderMessage, StartTextsWith({{16, " 17.7"}}));
        QCOMPARE(colorsUnderMessage, yellowBay);
        const Message done{"計算終了です！", "計算結果(湾内平均水温)\r 17.7(℃)"};
        QCOMPARE(Sink->Shown, std::vector<Message>{done});
        QVERIFY(Sink->Asked.empty());
        QVERIFY(!Window->Progress().WasShown());
        QCOMPARE(Report().count("\r\n"), 26);

        const QColor ownText = Fields[16]->palette().color(QPalette::Text);
        const auto staleMarks = [this] {
            QList<bool> marked{Fields[16]->toolTip().contains(kStaleNote)};
            for (int frame = 1; frame <= 7; ++frame)
                marked << Frames[frame]->toolTip().contains(kStaleNote);
            return marked;
        };
        QVERIFY(TypeInto(2, "20"));
        QCOMPARE(Fields[16]->text(), QString(" 17.7"));
        QCOMPARE(staleMarks(), QList<bool>({true, true, true, true, true, true, false, false}));
        QVERIFY(Fields[16]->palette().color(QPalette::Text) != ownText);
        Click(1);  // a new run: fresh again
        QCOMPARE(staleMarks(), QList<bool>(8, false));
        QCOMPARE(Fields[16]->palette().color(QPalette::Text), ownText);
    }

    // A long run is asked about first; cancelling its progress dialog or
    // closing the window stops it soon and keeps the result, frames and report.
    void longRunStopsWhenCancelledOrClosed_data() {
        QTest::addColumn<bool>("closing");
        QTest::newRow("cancel") << false;
        QTest::newRow("close the window") << true;
    }
    void longRunStopsWhenCancelledOrClosed() {
        QFETCH(bool, closing);
        Click(1);
        const QByteArray reportBefore = Report();
        TypeLongCase();
        Sink->Answer = true;
        const QStringList textsBefore = Texts();
        const QList<QColor> colorsBefore = Colors();
        Sink->Shown.clear();
        QString progressText;
        QTimer poll;
        WhenDialogAppears<QProgressDialog>(poll, [&](QProgressDialog* dialog) {
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
        QCOMPARE(Sink->Asked.size(), std::size_t{1});
        QCOMPARE(Sink->Asked[0].Title, std::string("計算時間の確認"));
        QCOMPARE(Report(), reportBefore);
        QCOMPARE(Window->isVisible(), !closing);
        QCOMPARE(Sink->Shown.size(), std::size_t{closing ? 0u : 1u});
        if (closing)
            return;
        QVERIFY(Window->Progress().WasShown() && Window->Progress().Dialog() == nullptr);
        QVERIFY2(progressText.contains(QRegularExpression("ステップ（[0-9]+\\.[0-9]%）\n残り約")),
                 qPrintable(progressText));
        QCOMPARE(Sink->Shown.front().Title, std::string("計算中止"));
        QCOMPARE(Texts(), textsBefore);
        QCOMPARE(Colors(), colorsBefore);
        QVERIFY(Named("Picture1")->isEnabled());
    }

    // The restore button, clicked or pressed by key, brings back the start-up
    // state with every list showing and holding "1.0".
    void restoreButtonBringsBackStartState_data() {
        QTest::addColumn<int>("key");  // 0: a click
        QTest::newRow("click") << 0;
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void restoreButtonBringsBackStartState() {
        QFETCH(int, key);
        QVERIFY(PickEntry(3, "5.0"));
        QVERIFY(TypeInto(7, "25"));
        Click(1);
        QVERIFY(Texts() != kStartTexts && Colors() != kStartColors);
        Commands[3]->setFocus();
        if (key == 0)
            Click(3);
        else
            QTest::keyClick(Commands[3], Qt::Key(key));
        QCOMPARE(Texts(), kStartTexts);
        QCOMPARE(Colors(), kStartColors);
        QCOMPARE(Selections(), QList<int>({0, 0, 0}));
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(TopEntry(n), QString("1.0"));
    }

    void exitCommandClosesWindow() {
        Click(2);
        QTRY_VERIFY(!Window->isVisible());
        QVERIFY(!QFile::exists(ReportPath));
        QVERIFY(Sink->Shown.empty());
    }

    void messageBoxIsModalWithTitlePromptAndButtons_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("shown");
        QTest::newRow("completion with line break") << false << "計算結果(湾内平均水温)\r 17.7(℃)"
                                                    << "計算結果(湾内平均水温)\n 17.7(℃)\nOK";
        QTest::newRow("question defaulting to No")
            << true << "計算に約1分かかる見込みです。\r実行しますか？"
            << "計算に約1分かかる見込みです。\n実行しますか？\nYes No default No";
    }
    void messageBoxIsModalWithTitlePromptAndButtons() {
        QFETCH(bool, question);
        QFETCH(QString, prompt);
        QFETCH(QString, shown);
        QStringList seen;
        QTimer poll;
        WhenDialogAppears<QMessageBox>(poll, [&](QMessageBox* box) {
            QStringList buttons;
            for (auto button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No}) {
                if (box->button(button))
                    buttons << box->button(button)->text().remove('&');
            }
            if (box->defaultButton() == box->button(QMessageBox::No))
                buttons << "default No";
            seen << box->windowTitle() << box->text() + "\n" + buttons.join(' ')
                 << (box->icon() == QMessageBox::NoIcon ? "no icon" : "icon")
                 << (box->isModal() ? "modal" : "modeless");
            box->reject();
        });
        tidewell::window::QtMessageSink sink;
        const Message message{"題名", prompt.toStdString()};
        if (question) {
            QVERIFY(!sink.Ask(message));  // closing the box is the default answer
        } else {
            sink.Show(message);
        }
        QCOMPARE(seen, QStringList({"題名", shown, "no icon", "modal"}));
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowTest.moc"
