#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ColorScale.h"
#include "FieldTable.h"
#include "LegendDrawing.h"
#include "RunEstimate.h"
#include "RunJob.h"
#include "SchematicFrames.h"
#include "SeriesPlot.h"
#include "case/CaseRecord.h"
#include "case/Message.h"
#include "engine/ModelState.h"
#include "engine/RunDriver.h"
#include "engine/TimeSeries.h"
#include "report/ReportFile.h"

// The main window without pixels: the sixteen text fields, the three
// multiplier lists, the seven frame colours, the legend and the commands.
//
// Data flows one way: a field's text -> its change handler -> the case record
// -> the dependent display fields and frame colours. The calculate command
// runs the model on the record (set-up, time steps, report) and shows the bay
// mean and the cells' colours. Writing a field's text, by the user or by the
// program, runs its handler at once, nested in the writer; a write that leaves
// the text as it was runs nothing. The Qt window and the command-line tool
// both drive this one object.
//
// What the screen shows is what a run uses: a field left holding a refused
// text stops the calculate command, and a result shown beside inputs changed
// since its run is marked stale. While a calculation is running nothing that
// would change the case is taken: edits, picks and the restore command are
// refused, so the result always belongs to the inputs on screen.
namespace tidewell::model {

inline constexpr int kListCount = 3;  // List1 .. List3
inline constexpr int kNoSelection = -1;

struct ListBox {
    std::vector<std::string> Entries;
    int Selected = kNoSelection;
};

class MainModel {
  public:
    explicit MainModel(MessageSink& messages, std::string reportPath = report::kDefaultReportPath);

    // Start-up: fills the lists, loads the default case, builds the colour
    // scale, colours the frames and draws the legend.
    void FormLoad();

    const std::string& FieldText(Field field) const { return Texts[NumberOf(field)]; }
    void SetFieldText(Field field, std::string_view text);
    // By control number, Text1 .. Text16.
    const std::string& FieldText(int n) const { return Texts[n]; }
    void SetFieldText(int n, std::string_view text);

    // The first editable field whose text was refused and not yet corrected.
    std::optional<Field> RefusedField() const;
    // True once an accepted edit or pick follows the shown result, until the
    // next calculation or restore.
    bool ResultIsStale() const { return Stale; }
    // True while the result field still shows the start temperature that
    // the default case wrote there: from start-up, restore or opening a case
    // until the first run of the case on screen that was not cancelled. It
    // reads like a result but is none, so the window marks it as it marks a
    // stale result.
    bool ResultIsStartValue() const { return !ShowsResult; }

    // List n = 1 .. 3.
    const ListBox& List(int list) const { return Lists[list]; }
    // Selects an entry as a click would; false for an index outside the list.
    bool SelectListEntry(int list, int index);

    // Frame n = 1 .. 7: the bay frames from the head, the inflow, the sea.
    Color FrameBackground(int frame) const { return FrameBackgrounds[frame]; }

    // Calculate. Runs nothing while a field holds a refused text (its message
    // is shown again) or when the user declines a long run. The same as
    // PrepareRun, ExecuteRun with the run progress set here, FinishRun.
    engine::RunResult Command1_Click();
    void Command3_Click();  // restore the defaults

    // The calculate command in three steps, for a window that runs the middle
    // one on another thread. PrepareRun checks the fields and asks about a
    // long run; with a job it starts the running state, which FinishRun ends
    // by showing the outcome (the result, the frames, the messages).
    std::optional<RunJob> PrepareRun();
    engine::RunResult FinishRun(RunOutcome outcome);
    bool Running() const { return RunInProgress; }
    // Why the case may not change now: set while a calculation is running.
    std::optional<Message> ChangeRefusal() const;
    // Whether the user wants a running calculation stopped so the window can close.
    bool AskToStopRunAndClose();

    void SetRunProgress(engine::RunProgress progress) { Progress = std::move(progress); }
    void SetRunEstimator(RunEstimator estimator) { Estimator = std::move(estimator); }
    void SetWindowFontName(std::string name) { WindowFontName = std::move(name); }

    const CaseRecord& Record() const { return CurrentRecord; }
    const engine::ModelState& Bay() const { return CurrentBay; }
    const ColorScale& Scale() const { return CurrentScale; }
    const LegendDrawing& Legend() const { return CurrentLegend; }
    const std::string& ReportPath() const { return ReportFilePath; }
    // The cells over time of the last calculation.
    const engine::TimeSeries& Series() const { return Recording; }

    // The last calculation that was not cancelled: its status, its cells over
    // time and where each cell settles. Empty before the first.
    const std::optional<FinishedRun>& LastRun() const { return Finished; }
    // Counts the runs that were not cancelled: a view of LastRun() compares
    // it to know whether it is behind.
    std::uint64_t RunNumber() const { return FinishedRuns; }
    // Shows a refused field's message again; false while a field holds a
    // text it refused, as nothing may run on what the screen does not show.
    bool FieldsAccepted();

    // A bay frame's final temperature while it shows the last run's cell,
    // and the five cells with their steady states while the result field
    // shows that run's result; either with the stale note once inputs change.
    // Before the first run the result field's tip says that it holds the
    // start temperature. One message per line.
    std::vector<Message> FrameToolTip(int frame) const;
    std::vector<Message> ResultToolTip() const;
    // The word field n shows instead of a number (the result field's
    // "unstable" or "cannot calculate"), for the window to translate.
    std::optional<MessageId> FieldWord(int n) const;

  private:
    void ShowDefaultCase();  // start-up and restore, from the default case on
    void LoadDefaultCase();
    void FillLists();
    void SetFrameTempsFromCase();
    void ColorAllFrames();
    void ColorFrame(int frame);
    void ShowDisplay(Field field, std::string text);
    void InputChanged();
    bool MayRun();
    RunConditions ShownConditions() const;
    void ShowRunResult(const engine::RunResult& run);

    // The change handler of an editable field: false when it refused the text.
    bool Accept(Field field);
    void Text1_Change();
    void Text2_Change();
    void Text4_Change();
    void Text7_Change();
    void Text8_Change();
    void Text9_Change();
    void List1_Click();
    void List2_Click();
    void List3_Click();

    // Display fields that several handlers refresh, with their roundings.
    void ShowChangedSection();
    void ShowChangedLoad(int decimals);
    void ShowResidenceTime();
    void ShowClosedness();
    void ShowLoadPerVolume();

    MessageSink& Messages;
    std::string ReportFilePath;
    engine::RunProgress Progress;
    RunEstimator Estimator = EstimateRun;
    std::string WindowFontName;

    std::array<std::string, kFieldCount + 1> Texts;
    std::array<std::optional<Message>, kFieldCount + 1> Refusals;
    std::array<ListBox, kListCount + 1> Lists;
    std::array<Color, kFrameCount + 1> FrameBackgrounds{};
    bool ShowsResult = false;  // Text16 shows a calculation's outcome
    bool Stale = false;
    bool FramesShowRun = false;  // the bay frames are coloured by the last run's cells
    bool RunInProgress = false;

    CaseRecord CurrentRecord;
    engine::ModelState CurrentBay;
    ColorScale CurrentScale;
    FrameTemps CurrentFrameTemperatures{};
    Color FrameColor = 0;
    LegendDrawing CurrentLegend;
    engine::TimeSeries Recording;  // reserved by the run itself, before its first step
    std::optional<FinishedRun> Finished;
    std::uint64_t FinishedRuns = 0;
};

}  // namespace tidewell::model
