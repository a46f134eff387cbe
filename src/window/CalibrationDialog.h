#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "BackgroundJob.h"
#include "session/CalibrationForm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tidewell::window {

// "逆算": which value of one input makes the calculation meet a target bay
// mean or the observed cells. 計算 solves in the background on a copy of the
// main window's case (中止 or closing stops it); the dialog then shows the
// value, the text to type or the nearest list entry, and observed against
// computed per cell with the bias and RMS, or why there is no answer. 適用
// hands the step to the window. Once the window's case differs from the case
// solved, the answer is marked stale and can no longer be applied.
class CalibrationDialog final : public QDialog {
  public:
    // Returns false when the window refused the step (it says why).
    using ApplyHandler = std::function<bool(const session::InputStep&)>;

    explicit CalibrationDialog(session::TypedInputs current, QWidget* parent = nullptr);

    void SetApplyHandler(ApplyHandler handler) { OnApply = std::move(handler); }
    // The main window's case as it is now.
    void ShowCase(const session::TypedInputs& current);

    bool IsRunning() const { return Running; }
    bool IsStale() const { return Stale; }
    const std::optional<session::Calibration>& Answer() const { return Solved; }
    // The last solve's request (the case, the input, the target).
    const session::CalibrationRequest& Request() const { return Asked; }

    void done(int result) override;

  private:
    void ShowTargetKind();
    void Solve();
    void Cancel();
    void Finish(session::Calibration result);
    void ShowAnswer();
    void ShowRefusal(const Message& why);
    void Apply();
    void AllowEditing(bool allowed);

    session::TypedInputs Current;
    session::CalibrationRequest Asked;
    std::optional<session::Calibration> Solved;
    ApplyHandler OnApply;
    bool Running = false;
    bool Stale = false;

    QComboBox* Input = nullptr;
    QRadioButton* ByMean = nullptr;
    QRadioButton* ByCells = nullptr;
    QLineEdit* MeanText = nullptr;
    std::array<QLineEdit*, engine::kBayCellCount> CellTexts{};
    QLabel* Outcome = nullptr;
    QLabel* StaleNote = nullptr;
    QTableWidget* Table = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* SolveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* ApplyButton = nullptr;

    BackgroundJob Job{*this};  // last: stopped and joined before anything it reports to goes
};

}  // namespace tidewell::window
