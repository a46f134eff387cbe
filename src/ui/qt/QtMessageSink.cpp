#include "QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "WindowText.h"

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
    const ShownMessage shown = MessageText(message);
    QMessageBox box(parent);
    box.setWindowTitle(shown.Title);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(shown.Prompt).replace(QChar('\r'), QChar('\n')));
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
