#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "RunProgressDialog.h"
#include "case/Message.h"
#include "report/ReportFile.h"
#include "ui/MainModel.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;

namespace tidewell::window {

struct ControlLayout;
class LegendPanel;

// The Tidewell window over MainModel. It builds its widgets from the control
// table, forwards every edit, list pick and command to the model, and then
// shows what the model holds: the sixteen field texts, the three list
// selections, the seven frame colours and the legend. It computes nothing.
// A multiplier list's entry in view is its selected entry: scrolling a list
// picks the entry it scrolls to.
class MainWindow final : public QWidget {
  public:
    explicit MainWindow(MessageSink& messages, std::string reportPath = kDefaultReportPath,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainModel& Presenter() const { return *PresenterModel; }
    const RunProgressDialog& Progress() const { return RunDialog; }

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

    void FieldEdited(Field field, const QString& text);
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
    void ShowStaleResult();

    RunProgressDialog RunDialog;
    WindowMessages Messages;
    QString ReportFile;
    std::unique_ptr<MainModel> PresenterModel;
    bool Mirroring = false;      // the widgets are being brought up to the model
    bool CloseAfterRun = false;  // the window was closed during a run

    QMenuBar* Menus = nullptr;
    QWidget* Picture1 = nullptr;
    LegendPanel* Picture2 = nullptr;
    std::array<QLineEdit*, kFieldCount + 1> Fields{};
    std::array<QListWidget*, kListCount + 1> Lists{};
    std::array<QGroupBox*, kFrameCount + 1> Frames{};
    std::array<QPushButton*, 4> Commands{};
};

}  // namespace tidewell::window
