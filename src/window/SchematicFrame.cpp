#include "SchematicFrame.h"

#include <QPainter>
#include <algorithm>

#include "CaptionFit.h"

namespace tidewell::window {
namespace {

// The caption starts this far in from the left edge and keeps clear of the
// two-pixel border on the right.
constexpr int kCaptionLeft = 4;
constexpr int kBorderWidth = 2;

}  // namespace

SchematicFrame::SchematicFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {}

void SchematicFrame::FitCaption() {
    const QFont designed = font();
    QFont smaller = designed;
    while (CaptionLines().size() > 1 &&
           smaller.pointSizeF() - kCaptionPointStep >= kSmallestOneLinePointSize) {
        smaller.setPointSizeF(smaller.pointSizeF() - kCaptionPointStep);
        setFont(smaller);
    }
    if (CaptionLines().size() > 1)
        setFont(designed);
}

QStringList SchematicFrame::CaptionLines() const {
    return WrapCaption(title(), fontMetrics(), width() - kCaptionLeft - kBorderWidth);
}

QRect SchematicFrame::CaptionLineRect(int line) const {
    const QFontMetrics metrics = fontMetrics();
    const QStringList lines = CaptionLines();
    const QString text = line >= 0 && line < lines.size() ? lines[line] : QString();
    return {kCaptionLeft, CaptionTop() + line * metrics.height(), metrics.horizontalAdvance(text),
            metrics.height()};
}

int SchematicFrame::CaptionTop() const {
    int top = 0;
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(this) && child->y() <= 0)
            top = std::max(top, child->geometry().bottom() + 1);
    }
    return top;
}

void SchematicFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // The border runs through the middle of the caption line, as a frame's does.
    const int borderTop = metrics.height() / 2;
    const QRect border = rect().adjusted(0, borderTop, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 1, 1));

    const QStringList lines = CaptionLines();
    for (int n = 0; n < lines.size(); ++n) {
        const QRect box = CaptionLineRect(n);
        painter.fillRect(box, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, lines[n]);
    }
}

}  // namespace tidewell::window
