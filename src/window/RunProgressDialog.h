#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <memory>

class QProgressDialog;
class QWidget;

namespace tidewell::window {

class RunWorker;

// Progress of the window's calculation, which runs on its worker's thread.
// Once the run has taken longer than `delay` a dialog shows the steps done,
// the share done and the time left, read from the worker by the clock
// several times a second, and its "中止" button cancels the worker. Short
// runs never show the dialog. It does not block the window.
class RunProgressDialog {
  public:
    RunProgressDialog(QWidget& owner, RunWorker& run,
                      std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~RunProgressDialog();
    RunProgressDialog(const RunProgressDialog&) = delete;
    RunProgressDialog& operator=(const RunProgressDialog&) = delete;

    // Begin when the run starts, End when it has finished.
    void Begin();
    void End();

    // Whether the dialog has appeared since the last Begin.
    bool WasShown() const { return Shown; }
    // The dialog while it is open, otherwise null.
    QProgressDialog* Dialog() const { return Window.get(); }

  private:
    void Tick();
    void Open();
    void ShowProgress();

    QWidget& Owner;
    RunWorker& Run;
    std::chrono::milliseconds Delay;
    QTimer Clock;
    QElapsedTimer SinceStart;
    std::unique_ptr<QProgressDialog> Window;
    bool Shown = false;
};

}  // namespace tidewell::window
