#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <chrono>
#include <cstdint>
#include <memory>

#include "engine/RunDriver.h"

class QProgressDialog;
class QWidget;

namespace tidewell::window {

// Progress of a calculation. The run calls back every few thousand steps on
// the window's thread; once it has taken longer than `delay` a dialog shows
// the steps done, the share done and the time left, and offers to cancel.
// What the dialog says is refreshed by the clock, several times a second,
// however fast the steps go; the callback keeps the window painting by
// processing events now and then, and tells the run to stop once the user
// has cancelled. Short runs never show the dialog.
//
// The dialog does not block the window, so the window can still be closed;
// while it is open the window's `content` takes no input.
class RunProgressDialog {
  public:
    explicit RunProgressDialog(QWidget& owner,
                               std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~RunProgressDialog();
    RunProgressDialog(const RunProgressDialog&) = delete;
    RunProgressDialog& operator=(const RunProgressDialog&) = delete;

    engine::RunProgress Callback();

    // Begin before a run, End after it.
    void Begin(QWidget* content);
    void End();
    // Closes the dialog, if open, and gives the window back its input.
    void Finish();
    // Asks the run to stop at its next progress call.
    void Cancel() { Cancelled = true; }
    bool Running() const { return InRun; }

    // Whether the dialog has appeared since the last Begin.
    bool WasShown() const { return Shown; }
    // The dialog while it is open, otherwise null.
    QProgressDialog* Dialog() const { return Window.get(); }

  private:
    bool Report(std::int64_t done, std::int64_t total);
    void Open();
    void ShowProgress(std::int64_t done, std::int64_t total);

    QWidget& Owner;
    std::chrono::milliseconds Delay;
    QPointer<QWidget> Content;
    QPointer<QWidget> FocusBefore;
    QElapsedTimer SinceStart;
    QElapsedTimer SinceEvents;
    QElapsedTimer SinceText;
    std::unique_ptr<QProgressDialog> Window;
    bool Shown = false;
    bool InRun = false;
    bool Cancelled = false;
};

}  // namespace tidewell::window
