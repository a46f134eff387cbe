#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <map>

#include "CaptionFit.h"
#include "ControlTable.h"
#include "GothicFonts.h"
#include "LegendPanel.h"
#include "MenuBar.h"
#include "QtText.h"
#include "SchematicFrame.h"
#include "Twips.h"
#include "WindowText.h"

namespace tidewell::window {
namespace {

const QColor kStaleText(128, 128, 128);

void FillBackground(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// A button shows its background colour as a solid face, as a graphical
// button does; the border still shows it being pressed.
QString ButtonStyle(const QColor& face) {
    return QStringLiteral(
               "QPushButton { background-color: %1; border: 1px solid #606060; padding: 0px; }"
               "QPushButton:pressed { background-color: %2; border: 2px inset #404040; }"
               "QPushButton:focus { border: 1px dotted #000000; }")
        .arg(face.name(), face.darker(115).name());
}

int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> picked = list.selectedItems();
    return picked.isEmpty() ? model::kNoSelection : list.row(picked.front());
}

// Marks a widget as showing what belongs to earlier inputs, or unmarks it:
// its text greyed (the model's tooltip says why).
void MarkStale(QWidget& widget, QPalette::ColorRole textRole, bool stale) {
    QPalette palette = widget.palette();
    const QColor text = stale ? kStaleText : QApplication::palette().color(textRole);
    if (palette.color(textRole) == text)
        return;
    palette.setColor(textRole, text);
    widget.setPalette(palette);
}

}  // namespace

void MainWindow::WindowMessages::Show(const Message& message) {
    Window.RunDialog.Finish();
    if (Window.CloseAfterRun)
        return;
    Window.ShowModel();  // the widgets are built before the model first runs
    Target.Show(message);
}

bool MainWindow::WindowMessages::Ask(const Message& question) {
    return Target.Ask(question);
}

SaveAnswer MainWindow::WindowMessages::AskToSave(const Message& question) {
    return Target.AskToSave(question);
}

MainWindow::MainWindow(MessageSink& messages, std::string reportPath, QWidget* parent)
    : QWidget(parent),
      RunDialog(*this),
      Messages(*this, messages),
      ReportFile(QString::fromStdString(reportPath)),
      PresenterModel(std::make_unique<model::MainModel>(Messages, std::move(reportPath))) {
    UseGothicSubstitutes();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(ToQString(kCaption));
    setFont(FontFor(ControlFont::Window));

    BuildControls();
    Menus = BuildMenuBar(*this, ReportFile, Menu());
    RecentMenu = Menus->findChild<QMenu*>(QStringLiteral("RecentMenu"));
    resize(TwipsToPixels(kClientWidth, logicalDpiX()),
           MenuBarHeight() + TwipsToPixels(kClientHeight, logicalDpiY()));
    FitOuterPanel(size());

    PresenterModel->SetRunProgress(RunDialog.Callback());
    PresenterModel->SetWindowFontName(font().family().toStdString());
    PresenterModel->FormLoad();
    FillLists();
    ShowModel();
    ShowRecentFiles();
    SetTabOrder();
    ConnectControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    std::map<std::string_view, QWidget*> containers{{std::string_view{}, this}};
    for (const ControlLayout& layout : Controls()) {
        QWidget* control = CreateControl(layout, containers.at(layout.Container));
        containers.emplace(layout.Name, control);
    }
    FitCaptionFonts(*this);
}

QWidget* MainWindow::CreateControl(const ControlLayout& layout, QWidget* container) {
    QWidget* control = nullptr;
    QPalette::ColorRole backRole = QPalette::Window;
    switch (layout.Kind) {
        case ControlKind::Panel:
            if (layout.Name == "Picture2") {
                Picture2 = new LegendPanel(container);
                control = Picture2;
            } else {
                Picture1 = new QWidget(container);
                control = Picture1;
            }
            control->setFocusPolicy(Qt::TabFocus);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(CaptionText(layout.Caption), container);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            control = label;
            break;
        }
        case ControlKind::TextField: {
            auto* field = new QLineEdit(container);
            field->setReadOnly(!model::IsEditable(*model::FieldNumbered(layout.ModelIndex)));
            field->setTextMargins(0, 0, 0, 0);
            Fields[layout.ModelIndex] = field;
            backRole = QPalette::Base;
            control = field;
            break;
        }
        case ControlKind::List: {
            auto* list = new QListWidget(container);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
            list->setUniformItemSizes(true);
            Lists[layout.ModelIndex] = list;
            backRole = QPalette::Base;
            control = list;
            break;
        }
        case ControlKind::Frame: {
            auto* frame = new SchematicFrame(CaptionText(layout.Caption), container);
            Frames[layout.ModelIndex] = frame;
            control = frame;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(CaptionText(layout.Caption), container);
            button->setAutoDefault(true);  // Enter presses it, as Space does
            Commands[layout.ModelIndex] = button;
            control = button;
            break;
        }
    }
    control->setObjectName(ToQString(layout.Name));
    control->setFont(FontFor(layout.Font));
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    control->setGeometry(TwipsToPixels(layout.Left, dpiX), TwipsToPixels(layout.Top, dpiY),
                         TwipsToPixels(layout.Width, dpiX), TwipsToPixels(layout.Height, dpiY));
    switch (layout.Background) {
        case Back::Color:
            if (layout.Kind == ControlKind::Button) {
                control->setStyleSheet(ButtonStyle(ToQColor(layout.Paint)));
            } else {
                FillBackground(*control, backRole, ToQColor(layout.Paint));
            }
            break;
        case Back::Default:
            // Labels get the toolkit's own label colour rather than their
            // container's; fields and lists paint their base colour anyway.
            if (layout.Kind == ControlKind::Label) {
                FillBackground(*control, backRole, QApplication::palette().color(QPalette::Window));
            }
            break;
        case Back::Transparent:
            control->setAutoFillBackground(false);
            break;
    }
    return control;
}

void MainWindow::FillLists() {
    for (int n = 1; n <= model::kListCount; ++n) {
        QListWidget& list = *Lists[n];
        QSignalBlocker quiet(&list);
        list.clear();
        for (const std::string& entry : PresenterModel->List(n).Entries)
            list.addItem(ToQString(entry));
        // One row high, measured from the row itself so a tall Japanese face
        // is not cut off.
        const int rowHeight = list.sizeHintForRow(0) + 2 * list.frameWidth();
        list.resize(list.width(), std::max(list.height(), rowHeight));
        list.scrollToTop();
    }
}

void MainWindow::SetTabOrder() {
    QWidget* previous = nullptr;
    for (std::string_view name : TabOrder()) {
        auto* next = findChild<QWidget*>(ToQString(name));
        if (previous != nullptr && next != nullptr)
            QWidget::setTabOrder(previous, next);
        if (next != nullptr)
            previous = next;
    }
}

void MainWindow::ConnectControls() {
    for (const model::FieldInfo& info : model::FieldTable()) {
        if (!info.Input)
            continue;
        connect(Fields[model::NumberOf(info.Id)], &QLineEdit::textEdited, this,
                [this, field = info.Id](const QString& text) { FieldEdited(field, text); });
    }
    for (int n = 1; n <= model::kListCount; ++n) {
        connect(Lists[n], &QListWidget::itemSelectionChanged, this,
                [this, n] { ListSelectionChanged(n); });
        connect(Lists[n]->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, n](int topRow) { ListScrolled(n, topRow); });
    }
    connect(Commands[1], &QPushButton::clicked, this, &MainWindow::Calculate);
    connect(Commands[2], &QPushButton::clicked, this, &QWidget::close);
    connect(Commands[3], &QPushButton::clicked, this, &MainWindow::RestoreDefaults);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitOuterPanel(event->size());
}

int MainWindow::MenuBarHeight() const {
    return Menus == nullptr ? 0 : Menus->sizeHint().height();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!RunDialog.Running()) {
        if (MayDropChanges()) {
            QWidget::closeEvent(event);
        } else {
            event->ignore();
        }
        return;
    }
    CloseAfterRun = true;
    RunDialog.Cancel();
    event->ignore();
}

void MainWindow::FitOuterPanel(QSize clientArea) {
    // The menu bar runs along the top; the outer panel fills the rest. A
    // minimized window may report an empty client area: keep the last fit.
    const int top = MenuBarHeight();
    if (Picture1 == nullptr || clientArea.isEmpty() || clientArea.height() <= top)
        return;
    if (Menus != nullptr)
        Menus->setGeometry(0, 0, clientArea.width(), top);
    Picture1->setGeometry(0, top, clientArea.width(), clientArea.height() - top);
}

void MainWindow::FieldEdited(model::Field field, const QString& text) {
    PresenterModel->SetFieldText(field, text.toStdString());
    ShowModel();
}

void MainWindow::ListSelectionChanged(int list) {
    if (Mirroring)
        return;
    PresenterModel->SelectListEntry(list, SelectedRow(*Lists[list]));
    ShowModel();
}

// A one-row list scrolls by whole entries, so the top row is the one in view.
void MainWindow::ListScrolled(int list, int topRow) {
    if (Mirroring)
        return;
    PresenterModel->SelectListEntry(list, topRow);
    ShowModel();
}

void MainWindow::Calculate() {
    RunDialog.Begin(Picture1);
    PresenterModel->Command1_Click();
    RunDialog.End();
    if (CloseAfterRun) {
        close();
        return;
    }
    ShowModel();
    if (const auto refused = PresenterModel->RefusedField())
        Fields[model::NumberOf(*refused)]->setFocus();
}

void MainWindow::RestoreDefaults() {
    PresenterModel->Command3_Click();
    ShowModel();
}

void MainWindow::ShowModel() {
    const QScopedValueRollback mirroring(Mirroring, true);
    for (int n = 1; n <= model::kFieldCount; ++n)
        ShowField(n);
    for (int n = 1; n <= model::kListCount; ++n)
        ShowListSelection(n);
    for (int n = 1; n <= model::kFrameCount; ++n)
        ShowFrameColor(n);
    Picture2->SetDrawing(PresenterModel->Legend());
    ShowResultTips();
    ShowCaseTitle();
    ShowLastRun();
}

// The result field's own tip, when it has none from the model, is its text
// when that is cut off.
void MainWindow::ShowResultTips() {
    const bool stale = PresenterModel->ResultIsStale();
    QLineEdit& result = *Fields[model::NumberOf(model::Field::Result)];
    MarkStale(result, QPalette::Text, stale);
    const QString resultTip = TipText(PresenterModel->ResultToolTip());
    if (resultTip.isEmpty()) {
        ShowOverflowTip(result);
    } else {
        result.setToolTip(resultTip);
    }
    for (int frame = 1; frame <= model::kBayFrameCount; ++frame) {
        MarkStale(*Frames[frame], QPalette::WindowText, stale);
        Frames[frame]->setToolTip(TipText(PresenterModel->FrameToolTip(frame)));
    }
}

void MainWindow::ShowField(int field) {
    QLineEdit& box = *Fields[field];
    const std::optional<MessageId> word = PresenterModel->FieldWord(field);
    const QString text =
        word ? ModelText({*word, {}}) : ToQString(PresenterModel->FieldText(field));
    // An unchanged text is left alone, so the cursor of the field being
    // typed in stays where it is.
    if (box.text() == text)
        return;
    QSignalBlocker quiet(&box);
    box.setText(text);
    box.setCursorPosition(0);
    ShowOverflowTip(box);
}

void MainWindow::ShowListSelection(int list) {
    QListWidget& box = *Lists[list];
    const int selected = PresenterModel->List(list).Selected;
    if (SelectedRow(box) == selected)
        return;
    if (selected == model::kNoSelection) {
        box.clearSelection();
    } else {
        box.setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
        box.scrollToItem(box.item(selected), QAbstractItemView::PositionAtTop);
    }
}

void MainWindow::ShowFrameColor(int frame) {
    QGroupBox& box = *Frames[frame];
    const QColor color = ToQColor(PresenterModel->FrameBackground(frame));
    if (box.palette().color(QPalette::Window) == color && box.autoFillBackground())
        return;
    FillBackground(box, QPalette::Window, color);
}

}  // namespace tidewell::window
