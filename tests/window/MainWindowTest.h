#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <array>
#include <memory>

#include "DialogWatchdog.h"
#include "RecordingMessageSink.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tidewell::window {
class MainWindow;
}

// The window shown on screen, driven through its widgets as a user would,
// checked on the widgets and on the model behind them.
class MainWindowTest : public QObject {
    Q_OBJECT

  public:
    MainWindowTest();
    ~MainWindowTest() override;

  private slots:
    void init();
    void cleanup();

    void showsDefaultCaseInFieldsAtStartUp_data();
    void showsDefaultCaseInFieldsAtStartUp();
    void fillsListsWithNothingSelected_data();
    void fillsListsWithNothingSelected();
    void coloursFramesForStartTemperatures_data();
    void coloursFramesForStartTemperatures();
    void opensWithCaptionAndDesignedClientArea();
    void captionsResolveToFaceWithJapaneseGlyphs();
    void placesControlsAtDesignedPositions_data();
    void placesControlsAtDesignedPositions();
    void followsFocusOrderOfLayout();
    void resizingMovesOnlyOuterPanel();

    void typingRefreshesDependentFields_data();
    void typingRefreshesDependentFields();
    void editingSeaTemperatureRecoloursBayAndSeaFrames();
    void refusesEveryKeystrokeThatLeavesBayAreaBelowOne();

    void pickingListEntryRefreshesChangedValues_data();
    void pickingListEntryRefreshesChangedValues();

    void calculateShowsResultColoursBayFramesAndWritesReport();
    void restoreDefaultsBringsBackStartStateAndIsIdempotent();
    void exitCommandClosesWindow();
    void legendPanelPaintsModelLegend();
    void cancellingLongRunKeepsResultFramesAndReport();

  private:
    bool TypeInto(int field, const QString& text);
    bool PickEntry(int list, const QString& entry);
    void Click(int command);
    QColor FrameColor(int frame) const;
    int SelectedRow(int list) const;

    DialogWatchdog Watchdog{30000};
    std::unique_ptr<QTemporaryDir> WorkDir;
    std::unique_ptr<RecordingMessageSink> Sink;
    std::unique_ptr<tidewell::window::MainWindow> Window;
    QString ReportPath;

    std::array<QLineEdit*, 17> Fields{};     // Text1 .. Text16
    std::array<QListWidget*, 4> Lists{};     // List1 .. List3
    std::array<QGroupBox*, 8> Frames{};      // 1..5 the bay, 6 inflow, 7 sea
    std::array<QPushButton*, 4> Commands{};  // Command1 .. Command3
};
