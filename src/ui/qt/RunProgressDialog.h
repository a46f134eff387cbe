#pragma once

#include <QElapsedTimer>
#include <chrono>
#include <cstdint>
#include <memory>

#include "engine/RunDriver.h"

class QProgressDialog;
class QWidget;

namespace tidewell::window {

// Progress of a calculation. The run calls back every few thousand steps on
// the window's thread; once it has taken longer than `delay` a modal dialog
// shows the fraction of steps done and offers to cancel. The callback keeps
// the window painting by processing events now and then, and tells the run
// to stop once the user has cancelled. Short runs never show the dialog.
class RunProgressDialog {
  public:
    explicit RunProgressDialog(QWidget& owner,
                               std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~RunProgressDialog();
    RunProgressDialog(const RunProgressDialog&) = delete;
    RunProgressDialog& operator=(const RunProgressDialog&) = delete;

    RunProgress Callback();

    // Begin before a run; Finish when the run has ended (it closes the
    // dialog; calling it again does nothing).
    void Begin();
    void Finish();

    // Whether the dialog has appeared since the last Begin.
    bool WasShown() const { return Shown; }
    // The dialog while it is open, otherwise null.
    QProgressDialog* Dialog() const { return Window.get(); }

  private:
    bool Report(std::int64_t done, std::int64_t total);
    void Open();

    QWidget& Owner;
    std::chrono::milliseconds Delay;
    QElapsedTimer SinceStart;
    QElapsedTimer SinceEvents;
    std::unique_ptr<QProgressDialog> Window;
    bool Shown = false;
};

}  // namespace tidewell::window
