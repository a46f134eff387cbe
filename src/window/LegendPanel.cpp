#include "LegendPanel.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <utility>

#include "QtText.h"
#include "Twips.h"

namespace tidewell::window {
LegendPanel::LegendPanel(QWidget* parent) : QWidget(parent) {}

void LegendPanel::SetDrawing(model::LegendDrawing drawing) {
    if (drawing == Legend)
        return;
    Legend = std::move(drawing);
    update();
}

void LegendPanel::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (Legend.Ops.empty())
        return;
    QPainter painter(this);
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const auto at = [dpiX, dpiY](double x, double y) {
        return QPointF(TwipsToPixelsF(x, dpiX), TwipsToPixelsF(y, dpiY));
    };
    const auto pen = [this](model::Color color) {
        QPen line(ToQColor(color), Legend.LineWidth, Qt::SolidLine);
        line.setJoinStyle(Qt::MiterJoin);
        return line;
    };
    // The legend's own face at the panel's size: only the name changes.
    QFont labelFont = font();
    if (!Legend.FontName.empty())
        labelFont.setFamily(ToQString(Legend.FontName));
    painter.setFont(labelFont);
    const QFontMetricsF metrics(labelFont, this);
    const QColor textColor = palette().color(QPalette::WindowText);

    for (const model::LegendOp& op : Legend.Ops) {
        switch (op.What) {
            case model::LegendOp::Kind::FilledBox:
                painter.setPen(pen(op.Paint));
                painter.setBrush(ToQColor(op.Paint));
                painter.drawRect(QRectF(at(op.X1, op.Y1), at(op.X2, op.Y2)).normalized());
                break;
            case model::LegendOp::Kind::BoxOutline:
                painter.setPen(pen(op.Paint));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(at(op.X1, op.Y1), at(op.X2, op.Y2)).normalized());
                break;
            case model::LegendOp::Kind::Label: {
                const QPointF corner = at(op.X1, op.Y1);
                painter.setPen(pen(op.Paint));
                painter.drawPoint(corner);
                painter.setPen(textColor);
                painter.drawText(corner + QPointF(0, metrics.ascent()), ToQString(op.Text));
                break;
            }
        }
    }
}

}  // namespace tidewell::window
