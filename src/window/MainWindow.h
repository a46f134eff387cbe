#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "MainForm.h"
#include "MenuBar.h"
#include "RecentFiles.h"
#include "RunProgressDialog.h"
#include "RunWorker.h"
#include "case/Message.h"
#include "model/MainModel.h"
#include "model/SweepTable.h"
#include "report/ReportFile.h"
#include "session/SavedCase.h"
#include "session/TypedInputs.h"

class QMenuBar;

namespace tidewell::window {

class CalibrationDialog;
class ReportViewer;
class SeriesChartWindow;
class SweepDialog;
class UncertaintyDialog;

// The Tidewell window over MainModel. It builds its widgets from the control
// table, forwards every edit, list pick and command to the model, and then
// shows what the model holds: the sixteen field texts, the three list
// selections, the seven frame colours and the legend. It computes nothing.
// A multiplier list's entry in view is its selected entry: scrolling a list
// picks the entry it scrolls to.
//
// A calculation runs on a worker thread on the model's copy of the case; the
// window stays live, shows its progress, and takes nothing that would change
// the case until the run has finished and its result is shown.
class MainWindow final : public QWidget {
  public:
    explicit MainWindow(MessageSink& messages, std::string reportPath = report::kDefaultReportPath,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    const model::MainModel& Presenter() const { return *PresenterModel; }
    const RunProgressDialog& Progress() const { return RunDialog; }
    // Called on the run's thread at every progress call of each later run;
    // returning false stops that run.
    void WatchRuns(engine::RunProgress watch) { Watch = std::move(watch); }

    // The menu commands with the path their file dialog would ask for. Each
    // shows its own failure; false when nothing was opened or written.
    // Opening asks first when the open case has unsaved changes, and is
    // refused while a calculation is running.
    bool OpenCaseFile(const QString& path);
    bool SaveCaseFile(const QString& path);
    bool ExportSeriesCsv(const QString& path);
    // A recent file that is gone is dropped from the list, with a message.
    void OpenRecentFile(const QString& path);
    QStringList RecentFiles() const { return Recent->Files(); }

    // The chart window (one, non-modal, created when first needed), shown
    // and raised; it always shows the last run.
    SeriesChartWindow& ShowChart();
    // A sensitivity dialog for the current case and lists; it deletes itself
    // when closed. Null while a field holds a text it refused.
    SweepDialog* ShowSweep();
    // A calibration dialog on the current case; it deletes itself when
    // closed. Null while a field holds a text it refused.
    CalibrationDialog* ShowCalibration();
    // An uncertainty dialog for the current case; it deletes itself when
    // closed and follows the case (a result of another case shows as stale).
    UncertaintyDialog* ShowUncertainty();
    // The report viewer (one, non-modal, created when first needed), shown
    // and raised; it reads the report again after every calculation.
    ReportViewer& ShowReport();
    // The case's file; empty while the case has none.
    const std::string& CasePath() const { return OpenFile.Path(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // During a run, closing asks whether to stop it; if so the window closes
    // once the run has stopped, otherwise nothing changes.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Before a message is shown, the window is brought up to the model (the
    // result and the cell colours are on screen under the completion
    // message). A window closing after a run says nothing more.
    class WindowMessages final : public MessageSink {
      public:
        WindowMessages(MainWindow& window, MessageSink& target) : Window(window), Target(target) {}
        void Show(const Message& message) override;
        bool Ask(const Message& question) override;
        SaveAnswer AskToSave(const Message& question) override;

      private:
        MainWindow& Window;
        MessageSink& Target;
    };

    void ConnectControls();
    void FitOuterPanel(QSize clientArea);
    int MenuBarHeight() const;

    void FieldEdited(model::Field field, const QString& text);
    void ListSelectionChanged(int list);
    void ListScrolled(int list, int topRow);
    void Calculate();
    void RunFinished(model::RunOutcome outcome);
    void RestoreDefaults();
    void ShowModel();

    // MainWindowMenus.cpp: the file and view commands.
    MenuCommands Menu();
    void AskAndOpen();
    bool Save();
    bool AskAndSaveAs();
    void AskAndExportCsv();
    // True when nothing would be lost: no unsaved changes, or the user saved
    // them or chose to drop them.
    bool MayDropChanges();
    // False, saying why, while a run is going.
    bool MayChangeCase();
    void Remember(const QString& path);
    void ShowCaseTitle();
    void ShowLastRun();
    void ShowCommandsAllowed();
    void PickCombination(const engine::SweepCombination& combination);
    bool ApplyCalibration(const session::InputStep& step);

    RunWorker Worker;
    RunProgressDialog RunDialog;
    WindowMessages Messages;
    QString ReportFile;
    std::unique_ptr<model::MainModel> PresenterModel;
    MainForm Form;
    bool Mirroring = false;      // the widgets are being brought up to the model
    bool CloseAfterRun = false;  // the user chose to stop the run and close
    engine::RunProgress Watch;
    QPointer<QWidget> FocusBefore;  // where the focus was when the run started
    session::SavedCase OpenFile;
    std::uint64_t PlottedRun = 0;  // the model's run the chart shows
    SeriesChartWindow* Charts = nullptr;
    ReportViewer* Viewer = nullptr;
    QMenuBar* Menus = nullptr;
    std::unique_ptr<window::RecentFiles> Recent;
};

}  // namespace tidewell::window
