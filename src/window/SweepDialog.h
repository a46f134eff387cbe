#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>
#include <vector>

#include "BackgroundJob.h"
#include "case/Message.h"
#include "model/SweepTable.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tidewell::window {

// "感度分析": every combination of the three multiplier lists is run once, in
// the background on all cores, for the basic conditions the dialog was opened
// with. One list is held at one entry (two combo boxes); the table shows the
// bay mean for every entry of the other two, smallest multiplier first,
// coloured like the frames or over the table's own range, with the lists'
// current combination outlined as the one highlight (nothing else is
// selected). Double-clicking a cell hands its combination to the pick
// handler. "CSVで保存…" writes all 448 rows. Closing the dialog (also by
// Escape or Ctrl+W), or "中止", stops the sweep; unfinished combinations
// show "未計算".
class SweepDialog final : public QDialog {
  public:
    using PickHandler = std::function<void(const engine::SweepCombination&)>;
    // The item data that marks the cell of the lists' current combination.
    static constexpr int kCurrentRole = Qt::UserRole + 1;

    // Starts the sweep at once; `threads` 0 uses every core.
    SweepDialog(const CaseRecord& base, engine::SweepCombination current, MessageSink& messages,
                QWidget* parent = nullptr, unsigned threads = 0);

    void SetPickHandler(PickHandler handler) { OnPick = std::move(handler); }
    // The main window's lists now stand at `current`: its cell is outlined.
    void FollowLists(const engine::SweepCombination& current);
    // While picks are not allowed (the window is calculating) a double-click
    // changes nothing.
    void AllowPicks(bool allowed) { PicksAllowed = allowed; }
    bool IsRunning() const { return Running; }
    // Asks the sweep to stop; the finished part stays.
    void Cancel();
    // Writes every combination's outcome as CSV; a failure is reported to the
    // messages, naming the path and the reason.
    bool SaveCsv(const QString& path);

    void done(int result) override;

  private:
    void Start(unsigned threads);
    void ShowProgress(std::size_t done, std::size_t total);
    void Finish(std::vector<engine::BatchOutcome> outcomes);
    void HeldListChosen();
    void ShowSlice();
    void CellPicked(int row, int column);
    void AskAndSaveCsv();

    model::SweepTable Sweep;
    MessageSink& Messages;
    PickHandler OnPick;
    model::SweepSlice Shown;
    bool Running = false;
    bool PicksAllowed = true;

    QComboBox* HeldList = nullptr;
    QComboBox* HeldEntry = nullptr;
    QComboBox* Coloring = nullptr;
    QLabel* ColorRange = nullptr;
    QLabel* Caption = nullptr;
    QTableWidget* Grid = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* SaveButton = nullptr;

    BackgroundJob Job{*this};  // last: stopped and joined before anything it reports to goes
};

}  // namespace tidewell::window
