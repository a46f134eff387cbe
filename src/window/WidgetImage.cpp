#include "WidgetImage.h"

#include <QIODevice>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

#include "ReplacingFile.h"

namespace tidewell::window {

std::optional<Message> WriteWidgetImage(const QString& path, QWidget& widget,
                                        const QString& title) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    return WriteReplacing(path, [&](QIODevice& device) {
        if (!svg)
            return widget.grab().save(&device, "PNG");
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        generator.setSize(widget.size());
        generator.setViewBox(QRect(QPoint(0, 0), widget.size()));
        generator.setTitle(title);
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        widget.render(&painter);
        return painter.end();
    });
}

}  // namespace tidewell::window
