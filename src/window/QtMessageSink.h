#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "case/Message.h"

namespace tidewell::window {

// Shows a model message as a modal box: its title, its prompt with each
// carriage return as a line break, an OK button and no icon; a question gets
// Yes and No, No the default. The only place in the program that uses
// QMessageBox.
class QtMessageSink final : public MessageSink {
  public:
    // The window a box is centred on when no other window is active (as when
    // a run's progress dialog has just closed).
    void SetMainWindow(QWidget* window) { MainWindow = window; }

    void Show(const Message& message) override;
    bool Ask(const Message& question) override;
    SaveAnswer AskToSave(const Message& question) override;

  private:
    void Prepare(QMessageBox& box, const Message& message);
    int Run(const Message& message, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton);

    QPointer<QWidget> MainWindow;
};

}  // namespace tidewell::window
