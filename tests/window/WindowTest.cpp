// The window driven through its widgets as a user would: it forwards events to
// the model, mirrors the model, and gets its own layout, fonts, dialogs and painting right.
#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <functional>
#include <memory>

#include "ui/qt/LegendPanel.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtMessageSink.h"

using tidewell::LegendOp;
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
const QColor kRed(255, 0, 0);                                      // 24 degC and more
const QList<QColor> kStartColors{kOrange, kOrange,      kOrange, kOrange,
                                 kOrange, kYellowGreen, kOrange};  // bay 1..5, inflow, sea

int Pixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QRect Pixels(const QRect& twips, const QWidget& on) {
    const int x = on.logicalDpiX(), y = on.logicalDpiY();
    return {Pixels(twips.x(), x), Pixels(twips.y(), y), Pixels(twips.width(), x),
            Pixels(twips.height(), y)};
}

QColor ToQColor(tidewell::Color c) {
    return QColor(tidewell::RedOf(c), tidewell::GreenOf(c), tidewell::BlueOf(c));
}

QStringList StartTextsWith(const FieldTexts& changes) {
    QStringList texts = kStartTexts;
    for (auto change = changes.begin(); change != changes.end(); ++change)
        texts[change.key() - 1] = change.value();
    return texts;
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

// Records the window's messages instead of showing boxes.
class RecordingSink final : public tidewell::MessageSink {
  public:
    void Show(const Message& message) override {
        Shown.push_back(message);
        OnShow();
    }
    std::function<void()> OnShow = [] {};  // called while the message would be on screen
    std::vector<Message> Shown;
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
    QList<QColor> Colors() const {
        return Collect(7, [this](int n) { return Frames[n]->palette().color(QPalette::Window); });
    }
    QList<int> Selections() const {  // the selected row of each list, -1 for none
        return Collect(
            3, [this](int n) { return Lists[n]->selectionModel()->selectedRows().value(0).row(); });
    }
    QByteArray Report() const {
        QFile report(ReportPath);
        return report.open(QIODevice::ReadOnly) ? report.readAll() : QByteArray();
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

    void showsDefaultCaseAtStartUp() {
        QCOMPARE(Texts(), kStartTexts);
        QCOMPARE(Collect(16, [this](int n) { return Fields[n]->isReadOnly() ? 0 : n; }),
                 QList<int>({1, 2, 0, 4, 0, 0, 7, 8, 9, 0, 0, 0, 0, 0, 0, 0}));  // editable ones
        QCOMPARE(Colors(), kStartColors);
        for (int n = 1; n <= 7; ++n) {  // on screen, not only in the palette
            const QImage image = Frames[n]->grab().toImage();
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 4), kStartColors[n - 1]);
        }
        QVERIFY(Sink->Shown.empty());
        QCOMPARE(Window->windowTitle(), QString("Tidewell Ver110"));
        QCOMPARE(Window->size(), Pixels(QRect(0, 0, 8625, 6675), *Window).size());
        QCOMPARE(Named("Picture1")->geometry(), Window->rect());
    }

    void fillsListsOneRowHighWithNothingSelected_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("entries");
        const QStringList seven{"1.0", "0.2", "0.5", "0.8", "1.2", "1.5", "2.0"};
        QTest::newRow("List1 section") << 1 << seven;
        QTest::newRow("List2 inflow temperature") << 2 << (seven + QStringList{"5.0"});
        QTest::newRow("List3 inflow rate") << 3 << (seven + QStringList{"5.0"});
    }
    void fillsListsOneRowHighWithNothingSelected() {
        QFETCH(int, list);
        QFETCH(QStringList, entries);
        QListWidget* box = Lists[list];
        QCOMPARE(Collect(box->count(), [box](int n) { return box->item(n - 1)->text(); }), entries);
        QCOMPARE(Selections(), QList<int>({-1, -1, -1}));
        QCOMPARE(Window->Presenter().List(list).Selected, tidewell::kNoSelection);
        QCOMPARE(box->height(), box->sizeHintForRow(0) + 2 * box->frameWidth());
        QCOMPARE(box->indexAt(QPoint(2, 2)).data().toString(), QString("1.0"));
    }
    void captionsUseFaceWithJapaneseGlyphs() {
        int captioned = 0;
        for (QWidget* control : Window->findChildren<QWidget*>()) {
            if (!control->inherits("QLabel") && !control->inherits("QGroupBox") &&
                !control->inherits("QPushButton"))
                continue;
            ++captioned;
            const QString caption =
                control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
            const QString where = control->objectName() + ": " + caption;
            const QFontMetrics metrics(control->font());
            const QString family = QFontInfo(control->font()).family();
            QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
                     qPrintable(where + " resolves to " + family));
            QVERIFY2(!caption.isEmpty() && metrics.inFont(QChar(0x6E7E)), qPrintable(where));  // 湾
            for (const uint code : caption.toUcs4())
                QVERIFY2(metrics.inFontUcs4(code),
                         qPrintable(where + " lacks U+" + QString::number(code, 16)));
        }
        QVERIFY(captioned >= 30);
    }

    void placesControlsAtDesignedPositions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Picture2 in Picture1") << "Picture2" << QRect(120, 240, 8172, 6012);
        QTest::newRow("Text1 bay area") << "Text1" << QRect(1560, 480, 1332, 264);
        QTest::newRow("Command1 calculate") << "Command1" << QRect(6360, 3840, 1212, 492);
        QTest::newRow("Frame1_2 bay box 3") << "Frame1_2" << QRect(2760, 3840, 732, 1452);
        QTest::newRow("Label27 in Frame1_2") << "Label27" << QRect(0, 0, 732, 252);
    }
    void placesControlsAtDesignedPositions() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        auto* control = Named(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), Pixels(twips, *Window));
    }

    void followsFocusOrderOfLayout() {
        const QRegularExpression controlName("^(Picture\\d|Text\\d+|List\\d|Command\\d)$");
        QWidget* first = Named("Picture1");
        QStringList order;
        QWidget* widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) &&
                controlName.match(widget->objectName()).hasMatch())
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first && order.size() < 100);
        QStringList expected{"Picture1", "Picture2", "Command1", "Command2"};
        for (int n = 1; n <= 16; ++n)
            expected << QString("Text%1").arg(n);
        expected.insert(16, "Command3");  // after Text12
        QCOMPARE(order, expected + QStringList({"List1", "List2", "List3"}));
    }

    void resizingMovesOnlyOuterPanel() {
        auto* outer = Named("Picture1");
        auto* inner = Named("Picture2");
        const QRect innerBefore = inner->geometry();
        const QRect text1Before = Fields[1]->geometry();
        for (const QSize size : {QSize(900, 700), QSize(300, 200)}) {
            Window->resize(size);
            QTRY_COMPARE(outer->geometry(), QRect(QPoint(0, 0), size));
            QCOMPARE(inner->geometry(), innerBefore);
            QCOMPARE(Fields[1]->geometry(), text1Before);
        }
    }

    void typingRefreshesDependentFieldsAndKeepsCursor() {
        QVERIFY(TypeInto(1, "2000"));
        QCOMPARE(Texts(),
                 StartTextsWith(
                     {{1, "2000"}, {3, " 36"}, {13, " 1258.8"}, {14, " 6.39"}, {15, " .012"}}));
        QCOMPARE(QString::fromStdString(Window->Presenter().FieldText(1)), QString("2000"));
        QCOMPARE(Fields[1]->cursorPosition(), 4);
        QVERIFY(Sink->Shown.empty());
    }

    void editingSeaTemperatureRecoloursBayAndSeaFrames() {
        QVERIFY(TypeInto(7, "25"));
        QCOMPARE(Colors(), QList<QColor>({kRed, kRed, kRed, kRed, kRed, kYellowGreen, kRed}));
        QCOMPARE(Fields[16]->text(), QString(" 18"));
        QVERIFY(Sink->Shown.empty());
    }

    void refusesEveryKeystrokeThatLeavesBayAreaBelowOne() {
        QVERIFY(TypeInto(1, ""));
        QTest::keyClick(Fields[1], Qt::Key_Delete);
        QTest::keyClicks(Fields[1], "0.5");  // "", "0", "0.", "0.5": each refused
        const Message refused{"湾面積の入力制限", "湾面積は1km2以上にしてください。"};
        QCOMPARE(Sink->Shown, std::vector<Message>(4, refused));
        QCOMPARE(Texts(), StartTextsWith({{1, "0.5"}}));
        QCOMPARE(Window->Presenter().Record().BayArea.Value(), 1000.0);
        QCOMPARE(Colors(), kStartColors);
    }

    void pickingListEntryRefreshesWidgetsAndModel_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QList<int>>("selections");
        QTest::addColumn<FieldTexts>("changed");
        QTest::addColumn<QColor>("inflowFrame");
        QTest::newRow("List3 5.0")
            << 3 << "5.0" << QList<int>{-1, -1, 7}
            << FieldTexts{{12, " 24825"}, {13, " 125.9"}, {15, " .119"}} << kYellowGreen;
        QTest::newRow("List2 1.2") << 2 << "1.2" << QList<int>{-1, 4, -1}
                                   << FieldTexts{{12, " 5958"}, {15, " .029"}} << kOrange;
    }
    void pickingListEntryRefreshesWidgetsAndModel() {
        QFETCH(int, list);
        QFETCH(QString, entry);
        QFETCH(QList<int>, selections);
        QFETCH(FieldTexts, changed);
        QFETCH(QColor, inflowFrame);
        QVERIFY(PickEntry(list, entry));
        QCOMPARE(Selections(), selections);
        QCOMPARE(Window->Presenter().List(list).Selected, selections[list - 1]);
        QCOMPARE(Texts(), StartTextsWith(changed));
        QCOMPARE(Colors()[5], inflowFrame);
        QVERIFY(Sink->Shown.empty());
    }

    void calculateShowsResultColoursBayFramesAndWritesReport() {
        QVERIFY(!QFile::exists(ReportPath));
        QStringList textsUnderMessage;
        QList<QColor> colorsUnderMessage;
        bool modalUnderMessage = true;
        Sink->OnShow = [&] {
            textsUnderMessage = Texts();
            colorsUnderMessage = Colors();
            modalUnderMessage = QApplication::activeModalWidget() != nullptr;
        };
        Click(1);
        const QList<QColor> yellowBay{kYellow, kYellow,      kYellow, kYellow,
                                      kYellow, kYellowGreen, kOrange};
        QCOMPARE(textsUnderMessage, StartTextsWith({{16, " 17.7"}}));
        QCOMPARE(colorsUnderMessage, yellowBay);
        const Message done{"計算終了です！", "計算結果(湾内平均水温)\r 17.7(℃)"};
        QCOMPARE(Sink->Shown, std::vector<Message>{done});
        QVERIFY(!modalUnderMessage);
        QVERIFY(!Window->Progress().WasShown());
        QCOMPARE(Report().count("\r\n"), 26);
    }

    void restoreDefaultsBringsBackStartStateAndIsIdempotent() {
        QVERIFY(PickEntry(3, "5.0"));
        QVERIFY(TypeInto(7, "25"));
        Click(1);
        QVERIFY(Texts() != kStartTexts && Colors() != kStartColors);
        for (int restores = 1; restores <= 2; ++restores) {  // the second one changes nothing
            Click(3);
            QCOMPARE(Texts(), kStartTexts);
            QCOMPARE(Colors(), kStartColors);
            QCOMPARE(Selections(), QList<int>({0, 0, 0}));
            for (int n = 1; n <= 3; ++n) {
                QCOMPARE(Lists[n]->indexAt(QPoint(2, 2)).data().toString(), QString("1.0"));
                QCOMPARE(Window->Presenter().List(n).Selected, 0);
            }
        }
        QCOMPARE(Sink->Shown.size(), std::size_t{1});
    }

    void exitCommandClosesWindow() {
        Click(2);
        QTRY_VERIFY(!Window->isVisible());
        QVERIFY(!QFile::exists(ReportPath));
        QVERIFY(Sink->Shown.empty());
    }

    void legendPanelPaintsModelLegend() {
        auto* panel = dynamic_cast<tidewell::window::LegendPanel*>(Named("Picture2"));
        QVERIFY2(panel, "Picture2 is not the legend panel");
        const tidewell::LegendDrawing& legend = Window->Presenter().Legend();
        QVERIFY(panel->Drawing() == legend);
        QMap<LegendOp::Kind, int> counts;
        for (const LegendOp& op : legend.Ops)
            ++counts[op.What];
        QCOMPARE(counts.value(LegendOp::Kind::FilledBox), 13);
        QCOMPARE(counts.value(LegendOp::Kind::Label), 14);
        QCOMPARE(counts.value(LegendOp::Kind::BoxOutline), 1);
        const QImage image = panel->grab().toImage();
        const double ratio = image.devicePixelRatio();
        for (const LegendOp& box : legend.Ops) {  // each box's middle shows its own colour
            if (box.What != LegendOp::Kind::FilledBox)
                continue;
            const QPoint middle(Pixels((box.X1 + box.X2) / 2, panel->logicalDpiX()),
                                Pixels((box.Y1 + box.Y2) / 2, panel->logicalDpiY()));
            QCOMPARE(image.pixelColor(middle * ratio), ToQColor(box.Paint));
        }
    }

    void cancellingLongRunKeepsResultFramesAndReport() {
        Click(1);
        const QByteArray reportBefore = Report();
        QVERIFY(!reportBefore.isEmpty());
        QVERIFY(TypeInto(1, "100000"));  // a wide, deep bay with little inflow:
        QVERIFY(TypeInto(2, "100"));     // tens of millions of steps
        QVERIFY(TypeInto(9, "10"));
        const QString resultBefore = Fields[16]->text();
        const QList<QColor> colorsBefore = Colors();
        Sink->Shown.clear();
        bool modalUnderMessage = true;
        Sink->OnShow = [&] { modalUnderMessage = QApplication::activeModalWidget() != nullptr; };
        bool sawDialog = false;
        QTimer poll;
        WhenModalAppears<QProgressDialog>(poll, [&](QProgressDialog* dialog) {
            sawDialog = true;
            if (auto* cancel = dialog->findChild<QPushButton*>())
                cancel->click();
        });
        QElapsedTimer clock;
        clock.start();
        Click(1);
        QVERIFY(sawDialog && Window->Progress().WasShown());
        QVERIFY2(clock.elapsed() < 5000, "the run went on after it was cancelled");
        QVERIFY(Window->Progress().Dialog() == nullptr);
        QCOMPARE(Sink->Shown.size(), std::size_t{1});
        QCOMPARE(Sink->Shown.front().Title, std::string("計算中止"));
        QVERIFY(!modalUnderMessage);
        QCOMPARE(Fields[16]->text(), resultBefore);
        QCOMPARE(Colors(), colorsBefore);
        QCOMPARE(Report(), reportBefore);
    }

    void messageBoxIsModalWithTitlePromptAndOkOnly_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("shownText");
        QTest::newRow("refused bay area") << "湾面積の入力制限"
                                          << "湾面積は1km2以上にしてください。"
                                          << "湾面積は1km2以上にしてください。";
        QTest::newRow("completion with line break") << "計算終了です！"
                                                    << "計算結果(湾内平均水温)\r 17.7(℃)"
                                                    << "計算結果(湾内平均水温)\n 17.7(℃)";
    }
    void messageBoxIsModalWithTitlePromptAndOkOnly() {
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(QString, shownText);
        QStringList seen;
        QTimer poll;
        WhenModalAppears<QMessageBox>(poll, [&](QMessageBox* box) {
            const bool okOnly = box->buttons() == QList{box->button(QMessageBox::Ok)};
            seen << box->windowTitle() << box->text() << (okOnly ? "OK only" : "other buttons")
                 << (box->icon() == QMessageBox::NoIcon ? "no icon" : "icon")
                 << (box->isModal() ? "modal" : "modeless");
            box->reject();
        });
        tidewell::window::QtMessageSink().Show(Message{title.toStdString(), prompt.toStdString()});
        QCOMPARE(seen, QStringList({title, shownText, "OK only", "no icon", "modal"}));
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
