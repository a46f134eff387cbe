#pragma once

#include <QApplication>
#include <functional>
#include <vector>

#include "case/Message.h"

// Records the window's messages instead of showing boxes, and whether some
// other modal window (a progress dialog left open) was up at that moment.
class RecordingMessageSink final : public tidewell::MessageSink {
  public:
    void Show(const tidewell::Message& message) override {
        Shown.push_back(message);
        ModalOpenAtShow.push_back(QApplication::activeModalWidget() != nullptr);
        if (OnShow)
            OnShow();
    }

    // Called while the message would be on screen.
    std::function<void()> OnShow;

    std::vector<tidewell::Message> Shown;
    std::vector<bool> ModalOpenAtShow;
};
