#include "QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "QtText.h"

namespace tidewell::window {

// A modal box without icon, parented to whatever the user is looking at, or
// else the main window; `buttons` holds `defaultButton`.
int QtMessageSink::Run(const Message& message, QMessageBox::StandardButtons buttons,
                       QMessageBox::StandardButton defaultButton) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr)
        parent = QApplication::activeWindow();
    if (parent == nullptr)
        parent = MainWindow.data();
    QMessageBox box(parent);
    box.setWindowTitle(ToQString(message.Title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(message.Prompt).replace(QChar('\r'), QChar('\n')));
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

void QtMessageSink::Show(const Message& message) {
    Run(message, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageSink::Ask(const Message& question) {
    return Run(question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tidewell::window
