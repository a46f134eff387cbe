// How the window looks and presents itself: every caption whole in its
// control with the font it is drawn in, overflowing values in tooltips, the
// menu bar above the panels, the help boxes and the program's icon.
#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <memory>

#include "ui/qt/AppIdentity.h"
#include "ui/qt/ControlTable.h"
#include "ui/qt/GothicFonts.h"
#include "ui/qt/Language.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/SchematicFrame.h"

using tidewell::window::ControlKind;
using tidewell::window::MainWindow;

namespace {

class QuietSink final : public tidewell::MessageSink {
  public:
    void Show(const tidewell::Message& message) override { Shown << message.Title.c_str(); }
    QStringList Shown;
};

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

class WindowLookTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> WorkDir;
    std::unique_ptr<QuietSink> Sink;
    std::unique_ptr<MainWindow> Window;

    template <typename T = QWidget>
    T* Named(const QString& name) const {
        return Window->findChild<T*>(name);
    }

  private slots:
    void init() {
        WorkDir = std::make_unique<QTemporaryDir>();
        Sink = std::make_unique<QuietSink>();
        Window = std::make_unique<MainWindow>(*Sink,
                                              WorkDir->filePath("Tidewell_OUT.txt").toStdString());
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }
    void cleanup() {
        Window.reset();
        QVERIFY(Sink->Shown.isEmpty());
    }

    void captionFitsItsControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("designed");  // the point size the layout asks for
        for (const auto& control : tidewell::window::Controls()) {
            if (!control.Caption.empty()) {
                const QString name = QString::fromUtf8(control.Name.data(), control.Name.size());
                QTest::newRow(qPrintable(name))
                    << name << tidewell::window::FontFor(control.Font).pointSizeF();
            }
        }
    }
    void captionFitsItsControl() {
        QFETCH(QString, name);
        QFETCH(double, designed);
        QWidget* control = Named(name);
        QVERIFY(control);
        const QFontMetrics metrics(control->font());
        const QString family = QFontInfo(control->font()).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
                 qPrintable(family));
        for (const uint code : Caption(*control).toUcs4())
            QVERIFY2(metrics.inFontUcs4(code),
                     qPrintable("no glyph U+" + QString::number(code, 16)));
        if (auto* frame = dynamic_cast<tidewell::window::SchematicFrame*>(control)) {
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

    void wideDisplayValueShowsWholeInTooltip_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("residence");
        QTest::addColumn<bool>("tip");
        QTest::newRow("tiny inflow, long residence") << " .0001"
                                                     << " 2083333333.3" << true;
        QTest::newRow("default inflow") << " 331"
                                        << " 629.4" << false;
        QTest::newRow("tiny, then back") << " .0001|331"
                                         << " 629.4" << false;
    }
    void wideDisplayValueShowsWholeInTooltip() {
        QFETCH(QString, rate);
        QFETCH(QString, residence);
        QFETCH(bool, tip);
        auto* rateField = Named<QLineEdit>("Text9");
        for (const QString& text : rate.split('|')) {
            rateField->setText(text);
            emit rateField->textEdited(text);
        }
        auto* field = Named<QLineEdit>("Text13");
        QCOMPARE(field->text(), residence);
        QCOMPARE(field->toolTip(), tip ? residence : QString());
        QCOMPARE(rateField->toolTip(), QString());  // an editable field scrolls instead
    }

    // Resizing moves only the outer panel, which stays below the menu bar.
    void menuBarSitsAboveUnmovedPanels() {
        auto* bar = Named<QMenuBar>("MenuBar");
        QVERIFY(bar && bar->isVisible());
        const int client = static_cast<int>(std::lround(6675 * Window->logicalDpiY() / 1440.0));
        QCOMPARE(bar->geometry(), QRect(0, 0, Window->width(), bar->sizeHint().height()));
        QCOMPARE(Window->height(), bar->height() + client);
        const QRect innerBefore = Named("Picture2")->geometry();
        const QRect text1Before = Named("Text1")->geometry();
        for (const QSize size : {Window->size(), QSize(900, 700), QSize(300, 200)}) {
            Window->resize(size);
            QTRY_COMPARE(Named("Picture1")->geometry(),
                         QRect(0, bar->height(), size.width(), size.height() - bar->height()));
            QCOMPARE(Named("Picture2")->geometry(), innerBefore);
            QCOMPARE(Named("Text1")->geometry(), text1Before);
        }
    }

    void everyWindowCarriesTheProgramIcon() {
        tidewell::window::SetApplicationIcon();
        QCOMPARE(QGuiApplication::desktopFileName(), QString("io.github.tidewell.Tidewell"));
        const QImage icon = QIcon(tidewell::window::kBuiltInIcon).pixmap(32).toImage();
        QVERIFY(icon.pixelColor(16, 16).alpha() > 0);  // drawn, not an empty square
        QMessageBox box(Window.get());
        QCOMPARE(box.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        QVERIFY(!Window->windowIcon().isNull());
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tidewell::window::UseLanguage(tidewell::window::SystemLanguage());  // as the program does
    WindowLookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowLookTest.moc"
