#include "MainForm.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <map>

#include "CaptionFit.h"
#include "ControlTable.h"
#include "FormView.h"
#include "GothicFonts.h"
#include "LegendPanel.h"
#include "QtText.h"
#include "SchematicFrame.h"
#include "Twips.h"
#include "WindowText.h"

namespace tidewell::window {
namespace {

// A button shows its background colour as a solid face, as a graphical
// button does; the border still shows it being pressed.
QString ButtonStyle(const QColor& face) {
    return QStringLiteral(
               "QPushButton { background-color: %1; border: 1px solid #606060; padding: 0px; }"
               "QPushButton:pressed { background-color: %2; border: 2px inset #404040; }"
               "QPushButton:focus { border: 1px dotted #000000; }")
        .arg(face.name(), face.darker(115).name());
}

QWidget* CreateControl(MainForm& form, const ControlLayout& layout, QWidget* container) {
    switch (layout.Kind) {
        case ControlKind::Panel:
            if (layout.Name == "Picture2")
                return form.Picture2 = new LegendPanel(container);
            return form.Picture1 = new QWidget(container);
        case ControlKind::Label: {
            auto* label = new QLabel(CaptionText(layout.Caption), container);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::TextField: {
            auto* field = new QLineEdit(container);
            field->setReadOnly(!model::IsEditable(*model::FieldNumbered(layout.ModelIndex)));
            field->setTextMargins(0, 0, 0, 0);
            return form.Fields[layout.ModelIndex] = field;
        }
        case ControlKind::List: {
            auto* list = new QListWidget(container);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
            list->setUniformItemSizes(true);
            return form.Lists[layout.ModelIndex] = list;
        }
        case ControlKind::Frame:
            return form.Frames[layout.ModelIndex] =
                       new SchematicFrame(CaptionText(layout.Caption), container);
        case ControlKind::Button: {
            auto* button = new QPushButton(CaptionText(layout.Caption), container);
            button->setAutoDefault(true);  // Enter presses it, as Space does
            return form.Commands[layout.ModelIndex] = button;
        }
    }
    return nullptr;
}

void PaintBackground(QWidget& control, const ControlLayout& layout) {
    const bool base = layout.Kind == ControlKind::TextField || layout.Kind == ControlKind::List;
    const QPalette::ColorRole role = base ? QPalette::Base : QPalette::Window;
    switch (layout.Background) {
        case Back::Color:
            if (layout.Kind == ControlKind::Button) {
                control.setStyleSheet(ButtonStyle(ToQColor(layout.Paint)));
            } else {
                FillBackground(control, role, ToQColor(layout.Paint));
            }
            break;
        case Back::Default:
            // Labels get the toolkit's own label colour rather than their
            // container's; fields and lists paint their base colour anyway.
            if (layout.Kind == ControlKind::Label)
                FillBackground(control, role, QApplication::palette().color(QPalette::Window));
            break;
        case Back::Transparent:
            control.setAutoFillBackground(false);
            break;
    }
}

void FillLists(const MainForm& form, const model::MainModel& model) {
    for (int n = 1; n <= model::kListCount; ++n) {
        QListWidget& list = *form.Lists[n];
        QSignalBlocker quiet(&list);
        list.clear();
        for (const std::string& entry : model.List(n).Entries)
            list.addItem(ToQString(entry));
        // One row high, measured from the row itself so a tall Japanese face
        // is not cut off.
        const int rowHeight = list.sizeHintForRow(0) + 2 * list.frameWidth();
        list.resize(list.width(), std::max(list.height(), rowHeight));
        list.scrollToTop();
    }
}

void SetTabOrder(QWidget& window) {
    QWidget* previous = nullptr;
    for (std::string_view name : TabOrder()) {
        auto* next = window.findChild<QWidget*>(ToQString(name));
        if (previous != nullptr && next != nullptr)
            QWidget::setTabOrder(previous, next);
        if (next != nullptr)
            previous = next;
    }
}

}  // namespace

MainForm BuildMainForm(QWidget& window, const model::MainModel& model) {
    MainForm form;
    std::map<std::string_view, QWidget*> containers{{std::string_view{}, &window}};
    const int dpiX = window.logicalDpiX();
    const int dpiY = window.logicalDpiY();
    for (const ControlLayout& layout : Controls()) {
        QWidget* control = CreateControl(form, layout, containers.at(layout.Container));
        if (layout.Kind == ControlKind::Panel)
            control->setFocusPolicy(Qt::TabFocus);
        control->setObjectName(ToQString(layout.Name));
        control->setFont(FontFor(layout.Font));
        control->setGeometry(TwipsToPixels(layout.Left, dpiX), TwipsToPixels(layout.Top, dpiY),
                             TwipsToPixels(layout.Width, dpiX), TwipsToPixels(layout.Height, dpiY));
        PaintBackground(*control, layout);
        containers.emplace(layout.Name, control);
    }
    FitCaptionFonts(window);
    FillLists(form, model);
    SetTabOrder(window);
    return form;
}

}  // namespace tidewell::window
