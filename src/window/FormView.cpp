#include "FormView.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CaptionFit.h"
#include "LegendPanel.h"
#include "QtText.h"
#include "WindowText.h"

namespace tidewell::window {
namespace {

const QColor kStaleText(128, 128, 128);

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

// A result word (計算不安定, 計算できません) in the window's language; any other
// text as the model holds it.
void ShowField(QLineEdit& box, const model::MainModel& model, int field) {
    const std::optional<MessageId> word = model.FieldWord(field);
    const QString text = word ? ModelText({*word, {}}) : ToQString(model.FieldText(field));
    // An unchanged text is left alone, so the cursor of the field being
    // typed in stays where it is.
    if (box.text() == text)
        return;
    QSignalBlocker quiet(&box);
    box.setText(text);
    box.setCursorPosition(0);
    ShowOverflowTip(box);
}

void ShowListSelection(QListWidget& box, int selected) {
    if (SelectedRow(box) == selected)
        return;
    if (selected == model::kNoSelection) {
        box.clearSelection();
    } else {
        box.setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
        box.scrollToItem(box.item(selected), QAbstractItemView::PositionAtTop);
    }
}

void ShowFrameColor(QGroupBox& box, const QColor& color) {
    if (box.palette().color(QPalette::Window) == color && box.autoFillBackground())
        return;
    FillBackground(box, QPalette::Window, color);
}

// The result field's own tip, when it has none from the model, is its text
// when that is cut off. The start temperature shown before the first run is
// no result either, and looks like a stale one.
void ShowResultTips(const MainForm& form, const model::MainModel& model) {
    const bool stale = model.ResultIsStale();
    QLineEdit& result = *form.Fields[model::NumberOf(model::Field::Result)];
    MarkStale(result, QPalette::Text, stale || model.ResultIsStartValue());
    const QString resultTip = TipText(model.ResultToolTip());
    if (resultTip.isEmpty()) {
        ShowOverflowTip(result);
    } else {
        result.setToolTip(resultTip);
    }
    for (int frame = 1; frame <= model::kBayFrameCount; ++frame) {
        MarkStale(*form.Frames[frame], QPalette::WindowText, stale);
        form.Frames[frame]->setToolTip(TipText(model.FrameToolTip(frame)));
    }
}

// Typing, picking, calculating and restoring wait for the run; the exit
// button stays, as closing asks first.
void ShowRunState(const MainForm& form, const model::MainModel& model) {
    const bool idle = !model.Running();
    for (const model::FieldInfo& info : model::FieldTable()) {
        if (model::IsEditable(info.Id))
            form.Fields[model::NumberOf(info.Id)]->setEnabled(idle);
    }
    for (int n = 1; n <= model::kListCount; ++n)
        form.Lists[n]->setEnabled(idle);
    form.Commands[1]->setEnabled(idle);
    form.Commands[3]->setEnabled(idle);
}

}  // namespace

int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> picked = list.selectedItems();
    return picked.isEmpty() ? model::kNoSelection : list.row(picked.front());
}

void FillBackground(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void ShowModelOn(const MainForm& form, const model::MainModel& model) {
    for (int n = 1; n <= model::kFieldCount; ++n)
        ShowField(*form.Fields[n], model, n);
    for (int n = 1; n <= model::kListCount; ++n)
        ShowListSelection(*form.Lists[n], model.List(n).Selected);
    for (int n = 1; n <= model::kFrameCount; ++n)
        ShowFrameColor(*form.Frames[n], ToQColor(model.FrameBackground(n)));
    form.Picture2->SetDrawing(model.Legend());
    ShowResultTips(form, model);
    ShowRunState(form, model);
}

}  // namespace tidewell::window
