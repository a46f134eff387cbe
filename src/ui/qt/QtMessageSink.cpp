#include "QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace tidewell::window {

void QtMessageSink::Show(const Message& message) {
    // Parented to whatever the user is looking at, or else the main window.
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr)
        parent = QApplication::activeWindow();
    if (parent == nullptr)
        parent = MainWindow.data();
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(message.Title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(message.Prompt).replace(QChar('\r'), QChar('\n')));
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace tidewell::window
