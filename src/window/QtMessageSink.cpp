#include "QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "WindowText.h"

namespace tidewell::window {

// A modal box without icon, parented to whatever the user is looking at, or
// else the main window; `buttons` holds `defaultButton`.
void QtMessageSink::Prepare(QMessageBox& box, const Message& message) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr)
        parent = QApplication::activeWindow();
    if (parent == nullptr)
        parent = MainWindow.data();
    const ShownMessage shown = MessageText(message);
    box.setParent(parent, box.windowFlags());
    box.setWindowTitle(shown.Title);
    box.setTextFormat(Qt::PlainText);
    box.setText(shown.Prompt);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowModality(Qt::ApplicationModal);
}

int QtMessageSink::Run(const Message& message, QMessageBox::StandardButtons buttons,
                       QMessageBox::StandardButton defaultButton) {
    QMessageBox box;
    Prepare(box, message);
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(defaultButton);
    return box.exec();
}

void QtMessageSink::Show(const Message& message) {
    Run(message, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageSink::Ask(const Message& question) {
    return Run(question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tidewell::window

namespace tidewell::window {

SaveAnswer QtMessageSink::AskToSave(const Message& question) {
    QMessageBox box;
    Prepare(box, question);
    QPushButton* save = box.addButton(QCoreApplication::translate("QtMessageSink", "保存"),
                                      QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QCoreApplication::translate("QtMessageSink", "保存しない"),
                                         QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("QtMessageSink", "キャンセル"),
                                        QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

}  // namespace tidewell::window
