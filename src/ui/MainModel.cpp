#include "MainModel.h"

#include <utility>

#include "case/CaseIndices.h"
#include "case/Multipliers.h"
#include "case/DecimalRounding.h"
#include "case/NumberText.h"

namespace tidewell {

MainModel::MainModel(MessageSink& messages, std::string reportPath)
    : Messages(messages), Report(std::move(reportPath)) {
    // Until start-up replaces them, fields show their own names and frames
    // their design colours.
    for (int field = 1; field <= kFieldCount; ++field)
        Texts[field] = "Text" + std::to_string(field);
    for (int frame = 1; frame <= 5; ++frame)
        FrameBackgrounds[frame] = Rgb(128, 255, 255);
    FrameBackgrounds[kInflowFrame] = Rgb(255, 128, 0);
    FrameBackgrounds[kSeaFrame] = Rgb(128, 128, 255);
}

void MainModel::FormLoad() {
    FillLists();
    LoadDefaultCase();
    BuildColorScale(Colors);
    ColorAllFrames();
    LegendPicture = DrawLegend(Colors, WindowFontName);
}

bool MainModel::IsEditable(int field) {
    return field == 1 || field == 2 || field == 4 || field == 7 || field == 8 || field == 9;
}

void MainModel::SetFieldText(int field, std::string_view text) {
    if (Texts[field] == text)
        return;
    Texts[field] = text;
    switch (field) {
        case 1:
            Text1_Change();
            break;
        case 2:
            Text2_Change();
            break;
        case 4:
            Text4_Change();
            break;
        case 7:
            Text7_Change();
            break;
        case 8:
            Text8_Change();
            break;
        case 9:
            Text9_Change();
            break;
        default:
            break;  // display fields have no handler
    }
}

void MainModel::ShowDisplay(int field, std::string text) {
    Texts[field] = std::move(text);
}

bool MainModel::SelectListEntry(int list, int index) {
    ListBox& box = Lists[list];
    if (index < 0 || index >= static_cast<int>(box.Entries.size()))
        return false;
    if (box.Selected == index)
        return true;
    box.Selected = index;
    switch (list) {
        case 1:
            List1_Click();
            break;
        case 2:
            List2_Click();
            break;
        case 3:
            List3_Click();
            break;
        default:
            break;
    }
    return true;
}

void MainModel::FillLists() {
    const auto fill = [](ListBox& box, std::span<const std::string_view> entries) {
        box.Entries.assign(entries.begin(), entries.end());
        box.Selected = kNoSelection;
    };
    fill(Lists[1], SectionFactorEntries);
    fill(Lists[2], InflowFactorEntries);
    fill(Lists[3], InflowFactorEntries);
}

// Every record field is set before the first text is written, so the
// handlers that the writes set off see the complete default case.
void MainModel::LoadDefaultCase() {
    Case = DefaultCase();
    SetFieldText(1, DisplayText(Case.BayArea.Value()));
    SetFieldText(2, DisplayText(Case.MeanDepth.Value()));
    ShowDisplay(3, DisplayText(Case.BayVolume));
    SetFieldText(4, DisplayText(Case.MouthLength.Value()));
    ShowDisplay(5, DisplayText(Case.MouthDepth.Value()));
    ShowDisplay(6, DisplayText(Case.MouthSection));
    SetFieldText(7, DisplayText(Case.SeaTemp.Value()));
    SetFieldText(8, DisplayText(Case.InflowTemp.Value()));
    SetFieldText(9, DisplayText(Case.InflowRate.Value()));
    ShowDisplay(10, DisplayText(Case.InflowLoad));
    ShowChangedSection();
    ShowChangedLoad(5);
    ShowResidenceTime();
    ShowClosedness();
    ShowLoadPerVolume();
    ShowDisplay(16, DisplayText(Case.BayStartTemp.Value()));
}

void MainModel::ColorFrame(int frame) {
    PickFrameColor(Colors, FrameTemp, frame, FrameColor);
    FrameBackgrounds[frame] = FrameColor;
}

// The bay frames show the start temperature, the inflow frame the inflow
// temperature as entered, the sea frame the sea temperature.
void MainModel::SetFrameTempsFromCase() {
    for (int frame = 1; frame <= 5; ++frame) {
        FrameTemp[frame] = static_cast<float>(Case.BayStartTemp.Value());
    }
    FrameTemp[kInflowFrame] = static_cast<float>(Case.InflowTemp.Value());
    FrameTemp[kSeaFrame] = static_cast<float>(Case.SeaTemp.Value());
}

void MainModel::ColorAllFrames() {
    SetFrameTempsFromCase();
    for (int frame = 1; frame <= kFrameCount; ++frame)
        ColorFrame(frame);
}

void MainModel::ShowChangedSection() {
    ShowDisplay(11, DisplayText(RoundDecimals(ChangedSection(Case), 5)));
}

void MainModel::ShowChangedLoad(int decimals) {
    ShowDisplay(12, DisplayText(RoundDecimals(ChangedLoad(Case), decimals)));
}

void MainModel::ShowResidenceTime() {
    ShowDisplay(13, DisplayText(RoundDecimals(ResidenceTime(Case), 1)));
}

void MainModel::ShowClosedness() {
    ShowDisplay(14, DisplayText(RoundDecimals(Closedness(Case), 2)));
}

void MainModel::ShowLoadPerVolume() {
    ShowDisplay(15, DisplayText(RoundDecimals(LoadPerVolume(Case), 3)));
}

}  // namespace tidewell
