#include "MainModel.h"

#include <utility>

#include "case/CaseIndices.h"
#include "case/DecimalRounding.h"
#include "case/Multipliers.h"
#include "case/NumberText.h"

namespace tidewell::model {

MainModel::MainModel(MessageSink& messages, std::string reportPath)
    : Messages(messages), ReportFilePath(std::move(reportPath)) {}

void MainModel::FormLoad() {
    FillLists();
    ShowDefaultCase();
}

// The start-up steps from the default case on; the restore command repeats them.
void MainModel::ShowDefaultCase() {
    LoadDefaultCase();
    BuildColorScale(CurrentScale);
    ColorAllFrames();
    CurrentLegend = DrawLegend(CurrentScale, WindowFontName);
    ShowsResult = false;
    Stale = false;
    FramesShowRun = false;
}

void MainModel::SetFieldText(int n, std::string_view text) {
    if (const auto field = FieldNumbered(n))
        SetFieldText(*field, text);
}

void MainModel::SetFieldText(Field field, std::string_view text) {
    if (RunInProgress)
        return;
    std::string& shown = Texts[NumberOf(field)];
    if (shown == text)
        return;
    shown = text;
    if (!InfoOf(field).Input)
        return;  // display fields have no handler
    switch (field) {
        case Field::BayArea:
            return Text1_Change();
        case Field::MeanDepth:
            return Text2_Change();
        case Field::MouthLength:
            return Text4_Change();
        case Field::SeaTemp:
            return Text7_Change();
        case Field::InflowTemp:
            return Text8_Change();
        case Field::InflowRate:
            return Text9_Change();
        default:
            return;
    }
}

std::optional<Field> MainModel::RefusedField() const {
    for (const FieldInfo& info : FieldTable()) {
        if (Refusals[NumberOf(info.Id)])
            return info.Id;
    }
    return std::nullopt;
}

void MainModel::ShowDisplay(Field field, std::string text) {
    Texts[NumberOf(field)] = std::move(text);
}

void MainModel::InputChanged() {
    Stale = ShowsResult;
}

bool MainModel::SelectListEntry(int list, int index) {
    if (RunInProgress || list < 1 || list > kListCount)
        return false;
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
        default:
            List3_Click();
            break;
    }
    InputChanged();
    return true;
}

void MainModel::FillLists() {
    for (const ListInfo& list : ListTable()) {
        ListBox& box = Lists[static_cast<std::size_t>(list.Number)];
        box.Entries.assign(list.Entries.begin(), list.Entries.end());
        box.Selected = kNoSelection;
    }
}

// Every record field is set before the first text is written, so the
// handlers that the writes set off see the complete default case. The
// defaults are always accepted, so no refusal outlives them.
void MainModel::LoadDefaultCase() {
    const CaseRecord& c = CurrentRecord = DefaultCase();
    Refusals = {};
    SetFieldText(Field::BayArea, DisplayText(c.BayArea.Value()));
    SetFieldText(Field::MeanDepth, DisplayText(c.MeanDepth.Value()));
    ShowDisplay(Field::BayVolume, DisplayText(c.BayVolume));
    SetFieldText(Field::MouthLength, DisplayText(c.MouthLength.Value()));
    ShowDisplay(Field::MouthDepth, DisplayText(c.MouthDepth.Value()));
    ShowDisplay(Field::MouthSection, DisplayText(c.MouthSection));
    SetFieldText(Field::SeaTemp, DisplayText(c.SeaTemp.Value()));
    SetFieldText(Field::InflowTemp, DisplayText(c.InflowTemp.Value()));
    SetFieldText(Field::InflowRate, DisplayText(c.InflowRate.Value()));
    ShowDisplay(Field::InflowLoad, DisplayText(c.InflowLoad));
    ShowChangedSection();
    ShowChangedLoad(5);
    ShowResidenceTime();
    ShowClosedness();
    ShowLoadPerVolume();
    ShowDisplay(Field::Result, DisplayText(c.BayStartTemp.Value()));
}

void MainModel::ColorFrame(int frame) {
    PickFrameColor(CurrentScale, CurrentFrameTemperatures, frame, FrameColor);
    FrameBackgrounds[frame] = FrameColor;
}

// The bay frames show the start temperature, the inflow frame the inflow
// temperature as entered, the sea frame the sea temperature.
void MainModel::SetFrameTempsFromCase() {
    for (int frame = 1; frame <= kBayFrameCount; ++frame)
        CurrentFrameTemperatures[frame] = static_cast<float>(CurrentRecord.BayStartTemp.Value());
    CurrentFrameTemperatures[kInflowFrame] = static_cast<float>(CurrentRecord.InflowTemp.Value());
    CurrentFrameTemperatures[kSeaFrame] = static_cast<float>(CurrentRecord.SeaTemp.Value());
}

void MainModel::ColorAllFrames() {
    SetFrameTempsFromCase();
    for (int frame = 1; frame <= kFrameCount; ++frame)
        ColorFrame(frame);
}

void MainModel::ShowChangedSection() {
    ShowDisplay(Field::ChangedSection,
                DisplayText(RoundDecimals(ChangedSection(CurrentRecord), 5)));
}

void MainModel::ShowChangedLoad(int decimals) {
    ShowDisplay(Field::ChangedLoad,
                DisplayText(RoundDecimals(ChangedLoad(CurrentRecord), decimals)));
}

void MainModel::ShowResidenceTime() {
    ShowDisplay(Field::ResidenceTime, DisplayText(RoundDecimals(ResidenceTime(CurrentRecord), 1)));
}

void MainModel::ShowClosedness() {
    ShowDisplay(Field::Closedness, DisplayText(RoundDecimals(Closedness(CurrentRecord), 2)));
}

void MainModel::ShowLoadPerVolume() {
    ShowDisplay(Field::LoadPerVolume, DisplayText(RoundDecimals(LoadPerVolume(CurrentRecord), 3)));
}

}  // namespace tidewell::model
