#include "CaptionFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "SchematicFrame.h"

namespace tidewell::window {
namespace {

// The buttons draw a one-pixel border and no padding.
constexpr int kButtonBorder = 1;
// A line edit keeps this much space between its contents and its text.
constexpr int kLineEditTextMargin = 2;

QString CaptionOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(&control))
        return button->text();
    return {};
}

// The controls stacked above `control` in its container.
QList<const QWidget*> SiblingsAbove(const QWidget& control) {
    QList<const QWidget*> above;
    const QWidget* container = control.parentWidget();
    if (container == nullptr)
        return above;
    const QObjectList& all = container->children();
    for (qsizetype n = all.indexOf(const_cast<QWidget*>(&control)) + 1; n < all.size(); ++n) {
        const auto* sibling = qobject_cast<const QWidget*>(all[n]);
        if (sibling != nullptr && !sibling->isWindow() && sibling->isVisibleTo(container))
            above << sibling;
    }
    return above;
}

void FitCaptionFont(QWidget& control) {
    const QString caption = CaptionOf(control);
    if (caption.isEmpty())
        return;
    QFont font = control.font();
    while (QFontMetrics(font).horizontalAdvance(caption) > CaptionRoom(control) &&
           font.pointSizeF() - kCaptionPointStep >= kSmallestCaptionPointSize) {
        font.setPointSizeF(font.pointSizeF() - kCaptionPointStep);
        control.setFont(font);
    }
}

// The width the field's text is drawn in: the field less its frame and margins.
int TextRoom(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    const QRect text = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return text.width() - margins.left() - margins.right() - 2 * kLineEditTextMargin;
}

}  // namespace

int CaptionRoom(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    const QRect contents =
        label != nullptr ? label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0)
                         : control.rect().adjusted(kButtonBorder, 0, -kButtonBorder, 0);
    // The band the caption's line takes, centred as the controls draw it.
    const int lineHeight = control.fontMetrics().height();
    QRect line(contents.left(), (control.height() - lineHeight) / 2, contents.width(), lineHeight);
    line.translate(control.pos());
    int right = line.right();
    for (const QWidget* sibling : SiblingsAbove(control)) {
        const QRect over = sibling->geometry();
        if (over.intersects(line) && over.left() > line.left())
            right = std::min(right, over.left() - 1);
    }
    return right - line.left() + 1;
}

void FitCaptionFonts(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (auto* frame = dynamic_cast<SchematicFrame*>(control))
            frame->FitCaption();
        else if (qobject_cast<QLabel*>(control) != nullptr ||
                 qobject_cast<QPushButton*>(control) != nullptr)
            FitCaptionFont(*control);
    }
}

QStringList WrapCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QChar c : caption) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            // A word is not broken where the line has a space to break after.
            const qsizetype space = c.isSpace() ? -1 : line.lastIndexOf(QLatin1Char(' '));
            lines << line.left(space + 1 > 0 ? space + 1 : line.size());
            line = space + 1 > 0 ? line.mid(space + 1) : QString();
            if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
                lines << line;
                line.clear();
            }
        }
        line += c;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

void ShowOverflowTip(QLineEdit& field) {
    const bool cut = field.fontMetrics().horizontalAdvance(field.text()) > TextRoom(field);
    field.setToolTip(field.isReadOnly() && cut ? field.text() : QString());
}

}  // namespace tidewell::window
