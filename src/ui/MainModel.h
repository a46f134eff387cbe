#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ColorScale.h"
#include "LegendDrawing.h"
#include "case/CaseRecord.h"
#include "case/Message.h"
#include "engine/ModelState.h"
#include "engine/RunDriver.h"
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
namespace tidewell {

inline constexpr int kFieldCount = 16;  // Text1 .. Text16
inline constexpr int kListCount = 3;    // List1 .. List3
inline constexpr int kNoSelection = -1;

struct ListBox {
    std::vector<std::string> Entries;
    int Selected = kNoSelection;
};

class MainModel {
  public:
    explicit MainModel(MessageSink& messages, std::string reportPath = kDefaultReportPath);

    // Start-up: fills the lists, loads the default case, builds the colour
    // scale, colours the frames and draws the legend.
    void FormLoad();

    // Field n = 1 .. 16. Editable fields are 1, 2, 4, 7, 8 and 9.
    const std::string& FieldText(int field) const { return Texts[field]; }
    static bool IsEditable(int field);
    void SetFieldText(int field, std::string_view text);

    // List n = 1 .. 3.
    const ListBox& List(int list) const { return Lists[list]; }
    // Selects an entry as a click would; false for an index outside the list.
    bool SelectListEntry(int list, int index);

    // Frame n = 1 .. 7: the bay frames from the head, the inflow, the sea.
    Color FrameBackground(int frame) const { return FrameBackgrounds[frame]; }

    RunResult Command1_Click();  // calculate
    void Command3_Click();       // restore the defaults

    void SetRunProgress(RunProgress progress) { Progress = std::move(progress); }
    void SetWindowFontName(std::string name) { WindowFontName = std::move(name); }

    const CaseRecord& Record() const { return Case; }
    const ModelState& Model() const { return Bay; }
    const ColorScale& Scale() const { return Colors; }
    const LegendDrawing& Legend() const { return LegendPicture; }
    const FrameTemps& FrameTemperatures() const { return FrameTemp; }
    const std::string& ReportPath() const { return Report.Path(); }

  private:
    void LoadDefaultCase();
    void FillLists();
    void SetFrameTempsFromCase();
    void ColorAllFrames();
    void ColorFrame(int frame);
    void ShowDisplay(int field, std::string text);

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
    ReportFile Report;
    RunProgress Progress;
    std::string WindowFontName;

    std::array<std::string, kFieldCount + 1> Texts;
    std::array<ListBox, kListCount + 1> Lists;
    std::array<Color, kFrameCount + 1> FrameBackgrounds{};

    CaseRecord Case;
    ModelState Bay;
    ColorScale Colors;
    FrameTemps FrameTemp{};
    Color FrameColor = 0;
    LegendDrawing LegendPicture;
};

}  // namespace tidewell
