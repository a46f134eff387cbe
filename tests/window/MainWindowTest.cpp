#include "MainWindowTest.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>

#include "ui/qt/LegendPanel.h"
#include "ui/qt/MainWindow.h"

using tidewell::LegendOp;
using tidewell::window::LegendPanel;
using tidewell::window::MainWindow;

using FieldTexts = QMap<int, QString>;

namespace {

// The sixteen fields right after start-up, index = field number.
const std::array<QString, 17> kStartTexts{QString(), " 1000",  " 18",   " 18",   " 7",    " 18",
                                          " .126",   " 18",    " 15",   " 331",  " 4965", " .126",
                                          " 4965",   " 629.4", " 4.52", " .024", " 18"};

const QColor kOrange18(255, 191, 0);        // 18 to below 20 degC
const QColor kYellowGreen15(191, 255, 64);  // 14 to below 16 degC
const QColor kYellow17(255, 255, 0);        // 16 to below 18 degC
const QColor kRed24(255, 0, 0);             // 24 degC and more

int Pixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QColor ToQColor(tidewell::Color c) {
    return QColor(tidewell::RedOf(c), tidewell::GreenOf(c), tidewell::BlueOf(c));
}

template <typename T>
T* Named(QWidget& root, const QString& name) {
    return root.findChild<T*>(name, Qt::FindChildrenRecursively);
}

}  // namespace

MainWindowTest::MainWindowTest() = default;
MainWindowTest::~MainWindowTest() = default;

void MainWindowTest::init() {
    Watchdog.Start();
    WorkDir = std::make_unique<QTemporaryDir>();
    QVERIFY(WorkDir->isValid());
    ReportPath = WorkDir->filePath("Tidewell_OUT.txt");
    Sink = std::make_unique<RecordingMessageSink>();
    Window = std::make_unique<MainWindow>(*Sink, ReportPath.toStdString());
    Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(Window.get()));

    for (int n = 1; n <= 16; ++n) {
        Fields[n] = Named<QLineEdit>(*Window, QString("Text%1").arg(n));
        QVERIFY2(Fields[n], qPrintable(QString("no QLineEdit named Text%1").arg(n)));
    }
    for (int n = 1; n <= 3; ++n) {
        Lists[n] = Named<QListWidget>(*Window, QString("List%1").arg(n));
        QVERIFY2(Lists[n], qPrintable(QString("no QListWidget named List%1").arg(n)));
        Commands[n] = Named<QPushButton>(*Window, QString("Command%1").arg(n));
        QVERIFY2(Commands[n], qPrintable(QString("no QPushButton named Command%1").arg(n)));
    }
    const std::array<QString, 8> frameNames{QString(),  "Frame1_0", "Frame1_1", "Frame1_2",
                                            "Frame1_3", "Frame1_4", "Frame2",   "Frame3"};
    for (int n = 1; n <= 7; ++n) {
        Frames[n] = Named<QGroupBox>(*Window, frameNames[n]);
        QVERIFY2(Frames[n], qPrintable("no QGroupBox named " + frameNames[n]));
    }
}

void MainWindowTest::cleanup() {
    Watchdog.Stop();
    Window.reset();
    Sink.reset();
    WorkDir.reset();
    QVERIFY2(!Watchdog.HasBitten(), qPrintable(Watchdog.Report()));
    QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level window was left open");
}

bool MainWindowTest::TypeInto(int field, const QString& text) {
    QLineEdit* box = Fields[field];
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // select all, as a user would
    if (box->selectedText() != box->text())
        return false;
    QTest::keyClicks(box, text);
    return true;
}

bool MainWindowTest::PickEntry(int list, const QString& entry) {
    QListWidget* box = Lists[list];
    const QList<QListWidgetItem*> found = box->findItems(entry, Qt::MatchExactly);
    if (found.size() != 1)
        return false;
    box->scrollToItem(found.front(), QAbstractItemView::PositionAtTop);
    const QRect where = box->visualItemRect(found.front());
    if (!box->viewport()->rect().contains(where.center()))
        return false;
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, where.center());
    return true;
}

void MainWindowTest::Click(int command) {
    QTest::mouseClick(Commands[command], Qt::LeftButton);
}

QColor MainWindowTest::FrameColor(int frame) const {
    return Frames[frame]->palette().color(QPalette::Window);
}

int MainWindowTest::SelectedRow(int list) const {
    const QList<QListWidgetItem*> picked = Lists[list]->selectedItems();
    return picked.isEmpty() ? -1 : Lists[list]->row(picked.front());
}

// --- start-up -------------------------------------------------------------

void MainWindowTest::showsDefaultCaseInFieldsAtStartUp_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("editable");
    const std::array<bool, 17> editable{false, true,  true,  false, true,  false, false, true, true,
                                        true,  false, false, false, false, false, false, false};
    for (int n = 1; n <= 16; ++n) {
        QTest::addRow("Text%d", n) << n << editable[n];
    }
}

void MainWindowTest::showsDefaultCaseInFieldsAtStartUp() {
    QFETCH(int, field);
    QFETCH(bool, editable);
    QCOMPARE(Fields[field]->text(), kStartTexts[field]);
    QCOMPARE(QString::fromStdString(Window->Model().FieldText(field)), kStartTexts[field]);
    QCOMPARE(Fields[field]->isReadOnly(), !editable);
    QVERIFY(Sink->Shown.empty());
}

void MainWindowTest::fillsListsWithNothingSelected_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("leftTwips");
    QTest::addColumn<int>("topTwips");
    QTest::addColumn<int>("widthTwips");
    const QStringList seven{"1.0", "0.2", "0.5", "0.8", "1.2", "1.5", "2.0"};
    QTest::newRow("List1 section") << 1 << seven << 1680 << 2040 << 972;
    QTest::newRow("List2 inflow temperature")
        << 2 << (seven + QStringList{"5.0"}) << 1680 << 2280 << 972;
    QTest::newRow("List3 inflow rate") << 3 << (seven + QStringList{"5.0"}) << 3720 << 2280 << 852;
}

void MainWindowTest::fillsListsWithNothingSelected() {
    QFETCH(int, list);
    QFETCH(QStringList, entries);
    QFETCH(int, leftTwips);
    QFETCH(int, topTwips);
    QFETCH(int, widthTwips);
    QListWidget* box = Lists[list];

    QStringList shown;
    for (int row = 0; row < box->count(); ++row)
        shown << box->item(row)->text();
    QCOMPARE(shown, entries);
    QCOMPARE(SelectedRow(list), -1);
    QCOMPARE(Window->Model().List(list).Selected, tidewell::kNoSelection);

    // One row high, measured from the row, and showing the first entry.
    QCOMPARE(box->height(), box->sizeHintForRow(0) + 2 * box->frameWidth());
    const QModelIndex top = box->indexAt(QPoint(2, 2));
    QVERIFY(top.isValid());
    QCOMPARE(top.row(), 0);
    QVERIFY(box->viewport()->height() >= box->sizeHintForRow(0));
    QVERIFY(box->viewport()->height() < 2 * box->sizeHintForRow(0));

    const int dpiX = Window->logicalDpiX();
    const int dpiY = Window->logicalDpiY();
    QCOMPARE(box->x(), Pixels(leftTwips, dpiX));
    QCOMPARE(box->y(), Pixels(topTwips, dpiY));
    QCOMPARE(box->width(), Pixels(widthTwips, dpiX));
}

void MainWindowTest::coloursFramesForStartTemperatures_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<QColor>("color");
    for (int n = 1; n <= 5; ++n)
        QTest::addRow("bay box %d at 18", n) << n << kOrange18;
    QTest::newRow("inflow at 15") << 6 << kYellowGreen15;
    QTest::newRow("outer sea at 18") << 7 << kOrange18;
}

void MainWindowTest::coloursFramesForStartTemperatures() {
    QFETCH(int, frame);
    QFETCH(QColor, color);
    QVERIFY(Frames[frame]->autoFillBackground());
    QCOMPARE(FrameColor(frame), color);
    QCOMPARE(ToQColor(Window->Model().FrameBackground(frame)), color);
    // What is on screen, not only the palette.
    const QImage image = Frames[frame]->grab().toImage();
    const QPoint inside(image.width() / 2, image.height() - 4);
    QCOMPARE(image.pixelColor(inside), color);
}

void MainWindowTest::opensWithCaptionAndDesignedClientArea() {
    QCOMPARE(Window->windowTitle(), QString("Tidewell Ver110"));
    const int dpiX = Window->logicalDpiX();
    const int dpiY = Window->logicalDpiY();
    QCOMPARE(Window->size(), QSize(Pixels(8625, dpiX), Pixels(6675, dpiY)));
    auto* outer = Named<QWidget>(*Window, "Picture1");
    QVERIFY(outer);
    QCOMPARE(outer->geometry(), Window->rect());
}

void MainWindowTest::captionsResolveToFaceWithJapaneseGlyphs() {
    // Every caption of a label, frame or button, in the control's own font:
    // its face must be a Japanese one that holds each character itself,
    // not by falling back to another face glyph by glyph.
    QList<QWidget*> captioned;
    for (QLabel* label : Window->findChildren<QLabel*>())
        captioned << label;
    for (QGroupBox* frame : Window->findChildren<QGroupBox*>())
        captioned << frame;
    for (QPushButton* button : Window->findChildren<QPushButton*>())
        captioned << button;
    QVERIFY(captioned.size() >= 30);

    for (QWidget* control : captioned) {
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(control))
            caption = label->text();
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            caption = frame->title();
        if (auto* button = qobject_cast<QPushButton*>(control))
            caption = button->text();
        const QString where = control->objectName() + ": " + caption;
        QVERIFY2(!caption.isEmpty(), qPrintable(where));

        const QFont font = control->font();
        const QFontInfo info(font);
        QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Japanese),
                 qPrintable(where + " resolves to " + info.family()));
        QVERIFY2(QFontMetrics(font).inFont(QChar(0x6E7E)), qPrintable(where));  // 湾
        const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Japanese);
        QVERIFY2(raw.isValid(), qPrintable(where));
        for (const uint code : caption.toUcs4()) {
            QVERIFY2(raw.supportsCharacter(code),
                     qPrintable(where + QString(" lacks U+%1 in ").arg(code, 4, 16, QChar('0')) +
                                raw.familyName()));
        }
    }
}

void MainWindowTest::placesControlsAtDesignedPositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Picture2 in Picture1") << "Picture2" << QRect(120, 240, 8172, 6012);
    QTest::newRow("Text1 bay area") << "Text1" << QRect(1560, 480, 1332, 264);
    QTest::newRow("Text16 result") << "Text16" << QRect(3240, 3240, 1092, 264);
    QTest::newRow("Command3 restore") << "Command3" << QRect(4200, 120, 1572, 252);
    QTest::newRow("Command1 calculate") << "Command1" << QRect(6360, 3840, 1212, 492);
    QTest::newRow("Frame1_2 bay box 3") << "Frame1_2" << QRect(2760, 3840, 732, 1452);
    QTest::newRow("Label27 in Frame1_2") << "Label27" << QRect(0, 0, 732, 252);
    QTest::newRow("Label26 load per volume") << "Label26" << QRect(1560, 2880, 2775, 255);
}

void MainWindowTest::placesControlsAtDesignedPositions() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    auto* control = Named<QWidget>(*Window, name);
    QVERIFY2(control, qPrintable("no widget named " + name));
    const int dpiX = Window->logicalDpiX();
    const int dpiY = Window->logicalDpiY();
    QCOMPARE(control->geometry(), QRect(Pixels(twips.x(), dpiX), Pixels(twips.y(), dpiY),
                                        Pixels(twips.width(), dpiX), Pixels(twips.height(), dpiY)));
}

void MainWindowTest::followsFocusOrderOfLayout() {
    const QRegularExpression controlName("^(Picture\\d|Text\\d+|List\\d|Command\\d)$");
    auto* first = Named<QWidget>(*Window, "Picture1");
    QVERIFY(first);
    QStringList order;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) &&
            controlName.match(widget->objectName()).hasMatch()) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != first && order.size() < 100);

    QStringList expected{"Picture1", "Picture2", "Command1", "Command2"};
    for (int n = 1; n <= 12; ++n)
        expected << QString("Text%1").arg(n);
    expected << "Command3";
    for (int n = 13; n <= 16; ++n)
        expected << QString("Text%1").arg(n);
    expected << "List1"
             << "List2"
             << "List3";
    QCOMPARE(order, expected);
}

void MainWindowTest::resizingMovesOnlyOuterPanel() {
    auto* outer = Named<QWidget>(*Window, "Picture1");
    auto* inner = Named<QWidget>(*Window, "Picture2");
    QVERIFY(outer && inner);
    const QRect innerBefore = inner->geometry();
    const QRect text1Before = Fields[1]->geometry();

    for (const QSize size : {QSize(900, 700), QSize(300, 200)}) {
        Window->resize(size);
        QTRY_COMPARE(Window->size(), size);
        QTRY_COMPARE(outer->geometry(), QRect(QPoint(0, 0), size));
        QCOMPARE(inner->geometry(), innerBefore);
        QCOMPARE(Fields[1]->geometry(), text1Before);
    }
}

// --- editing ----------------------------------------------------------------

void MainWindowTest::typingRefreshesDependentFields_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<FieldTexts>("changed");
    QTest::newRow("bay area 2000")
        << 1 << "2000" << FieldTexts{{3, " 36"}, {13, " 1258.8"}, {14, " 6.39"}, {15, " .012"}};
    QTest::newRow("mean depth 20")
        << 2 << "20" << FieldTexts{{3, " 20"},   {5, " 20"},     {6, " .14"},
                                   {11, " .14"}, {13, " 699.3"}, {15, " .021"}};
    QTest::newRow("inflow rate 662")
        << 9 << "662" << FieldTexts{{10, " 9930"}, {12, " 9930"}, {13, " 314.7"}, {15, " .048"}};
}

void MainWindowTest::typingRefreshesDependentFields() {
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(FieldTexts, changed);

    QVERIFY(TypeInto(field, typed));

    QVERIFY(Sink->Shown.empty());
    QCOMPARE(Fields[field]->text(), typed);
    QCOMPARE(Fields[field]->cursorPosition(), typed.size());
    QCOMPARE(QString::fromStdString(Window->Model().FieldText(field)), typed);
    for (int n = 1; n <= 16; ++n) {
        if (n == field)
            continue;
        const QString expected = changed.value(n, kStartTexts[n]);
        QVERIFY2(Fields[n]->text() == expected,
                 qPrintable(QString("Text%1 shows '%2', expected '%3'")
                                .arg(n)
                                .arg(Fields[n]->text(), expected)));
    }
}

void MainWindowTest::editingSeaTemperatureRecoloursBayAndSeaFrames() {
    QVERIFY(TypeInto(7, "25"));
    QVERIFY(Sink->Shown.empty());
    QCOMPARE(Window->Model().Record().SeaTemp.Value(), 25.0);
    for (int frame : {1, 2, 3, 4, 5, 7})
        QCOMPARE(FrameColor(frame), kRed24);
    QCOMPARE(FrameColor(6), kYellowGreen15);
    QCOMPARE(Fields[16]->text(), QString(" 18"));
}

void MainWindowTest::refusesEveryKeystrokeThatLeavesBayAreaBelowOne() {
    const tidewell::Message refused{"湾面積の入力制限", "湾面積は1km2以上にしてください。"};
    const double areaBefore = Window->Model().Record().BayArea.Value();

    // Clearing the field is one refused change ...
    Fields[1]->setFocus();
    QTest::keyClick(Fields[1], Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Fields[1], Qt::Key_Delete);
    QCOMPARE(Fields[1]->text(), QString());
    QCOMPARE(Sink->Shown.size(), std::size_t{1});
    // ... and "0", "0.", "0.5" are three more.
    QTest::keyClicks(Fields[1], "0.5");
    QCOMPARE(Fields[1]->text(), QString("0.5"));
    QCOMPARE(Sink->Shown.size(), std::size_t{4});
    for (const tidewell::Message& shown : Sink->Shown)
        QCOMPARE(shown, refused);

    QCOMPARE(Window->Model().Record().BayArea.Value(), areaBefore);
    for (int n = 2; n <= 16; ++n)
        QCOMPARE(Fields[n]->text(), kStartTexts[n]);

    // Correcting it is accepted again: "0.5" + "0" reads 0.50, still refused;
    // a fresh "1" is accepted.
    QVERIFY(TypeInto(1, "1"));
    QCOMPARE(Sink->Shown.size(), std::size_t{4});
    QCOMPARE(Window->Model().Record().BayArea.Value(), 1.0);
}

// --- lists --------------------------------------------------------------------

void MainWindowTest::pickingListEntryRefreshesChangedValues_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("row");
    QTest::addColumn<FieldTexts>("changed");
    QTest::addColumn<QColor>("inflowFrame");
    QTest::newRow("List3 5.0") << 3 << "5.0" << 7
                               << FieldTexts{{12, " 24825"}, {13, " 125.9"}, {15, " .119"}}
                               << kYellowGreen15;
    QTest::newRow("List1 0.5") << 1 << "0.5" << 2 << FieldTexts{{11, " .063"}, {14, " 9.04"}}
                               << kYellowGreen15;
    QTest::newRow("List2 1.2") << 2 << "1.2" << 4 << FieldTexts{{12, " 5958"}, {15, " .029"}}
                               << kOrange18;
}

void MainWindowTest::pickingListEntryRefreshesChangedValues() {
    QFETCH(int, list);
    QFETCH(QString, entry);
    QFETCH(int, row);
    QFETCH(FieldTexts, changed);
    QFETCH(QColor, inflowFrame);

    QVERIFY(PickEntry(list, entry));

    QCOMPARE(SelectedRow(list), row);
    QCOMPARE(Window->Model().List(list).Selected, row);
    for (int other = 1; other <= 3; ++other) {
        if (other != list)
            QCOMPARE(SelectedRow(other), -1);
    }
    for (int n = 1; n <= 16; ++n) {
        const QString expected = changed.value(n, kStartTexts[n]);
        QVERIFY2(Fields[n]->text() == expected,
                 qPrintable(QString("Text%1 shows '%2', expected '%3'")
                                .arg(n)
                                .arg(Fields[n]->text(), expected)));
    }
    QCOMPARE(FrameColor(6), inflowFrame);
    QVERIFY(Sink->Shown.empty());
}

// --- commands -------------------------------------------------------------------

void MainWindowTest::calculateShowsResultColoursBayFramesAndWritesReport() {
    QVERIFY(!QFile::exists(ReportPath));
    QString resultUnderMessage;
    QColor bayColorUnderMessage;
    Sink->OnShow = [&] {
        resultUnderMessage = Fields[16]->text();
        bayColorUnderMessage = FrameColor(1);
    };
    Click(1);

    QCOMPARE(resultUnderMessage, QString(" 17.7"));
    QCOMPARE(bayColorUnderMessage, kYellow17);

    QCOMPARE(Fields[16]->text(), QString(" 17.7"));
    QCOMPARE(Sink->Shown.size(), std::size_t{1});
    QCOMPARE(Sink->Shown.front(),
             (tidewell::Message{"計算終了です！", "計算結果(湾内平均水温)\r 17.7(℃)"}));
    QVERIFY(!Sink->ModalOpenAtShow.front());
    QVERIFY(!Window->Progress().WasShown());

    for (int frame = 1; frame <= 5; ++frame) {
        const double cell = Window->Model().Model().CellConc[1][frame];
        QVERIFY2(cell >= 17.5 && cell < 17.9, qPrintable(QString::number(cell)));
        QCOMPARE(FrameColor(frame), kYellow17);
    }
    QCOMPARE(FrameColor(6), kYellowGreen15);
    QCOMPARE(FrameColor(7), kOrange18);
    for (int n = 1; n <= 15; ++n)
        QCOMPARE(Fields[n]->text(), kStartTexts[n]);

    QFile report(ReportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll().count("\r\n"), 26);
}

void MainWindowTest::restoreDefaultsBringsBackStartStateAndIsIdempotent() {
    QVERIFY(PickEntry(3, "5.0"));
    QVERIFY(PickEntry(1, "2.0"));
    Click(1);
    QCOMPARE(Sink->Shown.size(), std::size_t{1});
    QVERIFY(Fields[16]->text() != kStartTexts[16]);

    Click(3);
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(Fields[n]->text(), kStartTexts[n]);
    for (int list = 1; list <= 3; ++list) {
        QCOMPARE(SelectedRow(list), 0);
        QCOMPARE(Lists[list]->item(0)->text(), QString("1.0"));
        QCOMPARE(Lists[list]->indexAt(QPoint(2, 2)).row(), 0);
        QCOMPARE(Window->Model().List(list).Selected, 0);
    }
    for (int frame : {1, 2, 3, 4, 5, 7})
        QCOMPARE(FrameColor(frame), kOrange18);
    QCOMPARE(FrameColor(6), kYellowGreen15);

    QStringList textsBefore;
    for (int n = 1; n <= 16; ++n)
        textsBefore << Fields[n]->text();
    QList<QColor> colorsBefore;
    for (int frame = 1; frame <= 7; ++frame)
        colorsBefore << FrameColor(frame);
    const tidewell::LegendDrawing legendBefore = Window->Model().Legend();

    Click(3);
    QStringList textsAfter;
    for (int n = 1; n <= 16; ++n)
        textsAfter << Fields[n]->text();
    QList<QColor> colorsAfter;
    for (int frame = 1; frame <= 7; ++frame)
        colorsAfter << FrameColor(frame);
    QCOMPARE(textsAfter, textsBefore);
    QCOMPARE(colorsAfter, colorsBefore);
    QVERIFY(Window->Model().Legend() == legendBefore);
    for (int list = 1; list <= 3; ++list)
        QCOMPARE(SelectedRow(list), 0);
    QCOMPARE(Sink->Shown.size(), std::size_t{1});
}

void MainWindowTest::exitCommandClosesWindow() {
    QVERIFY(Window->isVisible());
    Click(2);
    QTRY_VERIFY(!Window->isVisible());
    QVERIFY(!QFile::exists(ReportPath));
    QVERIFY(Sink->Shown.empty());
}

void MainWindowTest::legendPanelPaintsModelLegend() {
    auto* panel = dynamic_cast<LegendPanel*>(Named<QWidget>(*Window, "Picture2"));
    QVERIFY2(panel, "Picture2 is not the legend panel");
    const tidewell::LegendDrawing& legend = Window->Model().Legend();
    QVERIFY(panel->Drawing() == legend);
    QCOMPARE(QString::fromStdString(legend.FontName), Window->font().family());

    std::vector<const LegendOp*> boxes;
    int labels = 0;
    int outlines = 0;
    for (const LegendOp& op : legend.Ops) {
        if (op.What == LegendOp::Kind::FilledBox)
            boxes.push_back(&op);
        if (op.What == LegendOp::Kind::Label)
            ++labels;
        if (op.What == LegendOp::Kind::BoxOutline)
            ++outlines;
    }
    QCOMPARE(boxes.size(), std::size_t{13});
    QCOMPARE(labels, 14);
    QCOMPARE(outlines, 1);

    // Each box's middle shows its own colour: white on the left, red on the right.
    const QImage image = panel->grab().toImage();
    const double ratio = image.devicePixelRatio();
    const int dpiX = panel->logicalDpiX();
    const int dpiY = panel->logicalDpiY();
    for (const LegendOp* box : boxes) {
        const QPoint middle(static_cast<int>(Pixels((box->X1 + box->X2) / 2, dpiX) * ratio),
                            static_cast<int>(Pixels((box->Y1 + box->Y2) / 2, dpiY) * ratio));
        QCOMPARE(image.pixelColor(middle), ToQColor(box->Paint));
    }
    QCOMPARE(ToQColor(boxes.front()->Paint), QColor(255, 255, 255));
    QCOMPARE(ToQColor(boxes.back()->Paint), kRed24);
}

void MainWindowTest::cancellingLongRunKeepsResultFramesAndReport() {
    Click(1);  // a short run first: its result, colours and report must survive
    QCOMPARE(Fields[16]->text(), QString(" 17.7"));
    QFile report(ReportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray reportBefore = report.readAll();
    report.close();
    Sink->Shown.clear();
    Sink->ModalOpenAtShow.clear();

    // A wide, deep bay with little inflow: tens of millions of steps.
    QVERIFY(TypeInto(1, "100000"));
    QVERIFY(TypeInto(2, "100"));
    QVERIFY(TypeInto(9, "10"));
    QVERIFY(Sink->Shown.empty());
    const QString resultBefore = Fields[16]->text();
    QList<QColor> colorsBefore;
    for (int frame = 1; frame <= 7; ++frame)
        colorsBefore << FrameColor(frame);

    bool sawDialog = false;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        sawDialog = true;
        poll.stop();
        auto* cancel = dialog->findChild<QPushButton*>();
        if (cancel != nullptr)
            cancel->click();
    });
    poll.start();
    QElapsedTimer clock;
    clock.start();
    Click(1);
    poll.stop();

    QVERIFY(sawDialog);
    QVERIFY(Window->Progress().WasShown());
    QVERIFY(Window->Progress().Dialog() == nullptr);
    QVERIFY2(clock.elapsed() < 5000, "the run went on after it was cancelled");
    QCOMPARE(Sink->Shown.size(), std::size_t{1});
    QCOMPARE(Sink->Shown.front().Title, std::string("計算中止"));
    QVERIFY(!Sink->ModalOpenAtShow.front());

    QCOMPARE(Fields[16]->text(), resultBefore);
    QList<QColor> colorsAfter;
    for (int frame = 1; frame <= 7; ++frame)
        colorsAfter << FrameColor(frame);
    QCOMPARE(colorsAfter, colorsBefore);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), reportBefore);
}
