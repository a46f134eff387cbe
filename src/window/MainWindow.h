#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "MenuBar.h"
#include "RunProgressDialog.h"
#include "case/Message.h"
#include "model/MainModel.h"
#include "model/SweepTable.h"
#include "report/ReportFile.h"
#include "session/SavedCase.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

namespace tidewell::window {

struct ControlLayout;
class LegendPanel;
class SeriesChartWindow;
class SweepDialog;

// The Tidewell window over MainModel. It builds its widgets from the control
// table, forwards every edit, list pick and command to the model, and then
// shows what the model holds: the sixteen field texts, the three list
// selections, the seven frame colours and the legend. It computes nothing.
// A multiplier list's entry in view is its selected entry: scrolling a list
// picks the entry it scrolls to.
class MainWindow final : public QWidget {
  public:
    explicit MainWindow(MessageSink& messages, std::string reportPath = report::kDefaultReportPath,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    const model::MainModel& Presenter() const { return *PresenterModel; }
    const RunProgressDialog& Progress() const { return RunDialog; }

    // The menu commands with the path their file dialog would ask for. Each
    // shows its own failure; false when nothing was opened or written.
    // Opening asks first when the open case has unsaved changes.
    bool OpenCaseFile(const QString& path);
    bool SaveCaseFile(const QString& path);
    bool ExportSeriesCsv(const QString& path);
    // A recent file that is gone is dropped from the list, with a message.
    void OpenRecentFile(const QString& path);
    QStringList RecentFiles() const;

    // The chart window (one, non-modal, created when first needed), shown
    // and raised; it always shows the last run.
    SeriesChartWindow& ShowChart();
    // A sensitivity dialog for the current case and lists; it deletes itself
    // when closed. Null while a field holds a text it refused.
    SweepDialog* ShowSweep();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // During a run, closing cancels the run and closes once it has stopped.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Before a message is shown, the window is brought up to the model (the
    // result and the cell colours are on screen under the completion
    // message) and a run's progress dialog is closed, so the message is not
    // stacked over it. A window closing during a run says nothing more.
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

    void BuildControls();
    QWidget* CreateControl(const ControlLayout& layout, QWidget* container);
    void FillLists();
    void SetTabOrder();
    void ConnectControls();
    void FitOuterPanel(QSize clientArea);
    int MenuBarHeight() const;

    void FieldEdited(model::Field field, const QString& text);
    void ListSelectionChanged(int list);
    void ListScrolled(int list, int topRow);
    void Calculate();
    void RestoreDefaults();

    // Brings every widget up to the model's state without raising the
    // widgets' change signals.
    void ShowModel();
    void ShowField(int field);
    void ShowListSelection(int list);
    void ShowFrameColor(int frame);
    void ShowResultTips();

    // MainWindowMenus.cpp: the file and view commands.
    MenuCommands Menu();
    void AskAndOpen();
    bool Save();
    bool AskAndSaveAs();
    void AskAndExportCsv();
    // True when nothing would be lost: no unsaved changes, or the user saved
    // them or chose to drop them.
    bool MayDropChanges();
    void Remember(const QString& path);
    void SetRecentFiles(const QStringList& files);
    void ShowRecentFiles();
    void ShowCaseTitle();
    void ShowLastRun();
    void PickCombination(const engine::SweepCombination& combination);

    RunProgressDialog RunDialog;
    WindowMessages Messages;
    QString ReportFile;
    std::unique_ptr<model::MainModel> PresenterModel;
    bool Mirroring = false;      // the widgets are being brought up to the model
    bool CloseAfterRun = false;  // the window was closed during a run
    session::SavedCase OpenFile;
    std::uint64_t PlottedRun = 0;  // the model's run the chart shows
    SeriesChartWindow* Charts = nullptr;
    QMenu* RecentMenu = nullptr;

    QMenuBar* Menus = nullptr;
    QWidget* Picture1 = nullptr;
    LegendPanel* Picture2 = nullptr;
    std::array<QLineEdit*, model::kFieldCount + 1> Fields{};
    std::array<QListWidget*, model::kListCount + 1> Lists{};
    std::array<QGroupBox*, model::kFrameCount + 1> Frames{};
    std::array<QPushButton*, 4> Commands{};
};

}  // namespace tidewell::window
