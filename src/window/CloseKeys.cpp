#include "CloseKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace tidewell::window {

void CloseKeys(QWidget& window) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }
}

}  // namespace tidewell::window
