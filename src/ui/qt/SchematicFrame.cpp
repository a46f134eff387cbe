#include "SchematicFrame.h"

#include <QPainter>

namespace tidewell::window {

SchematicFrame::SchematicFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {}

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

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const int left = 4;
    const QRect captionRect(left, 0, metrics.horizontalAdvance(caption), metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter, caption);
}

}  // namespace tidewell::window
