// The change handlers of the six editable fields: check the text, store it in
// the case record, refresh the fields and frames that depend on it. A refused
// text shows its message and changes nothing else; the message is kept until
// the field's text is accepted, so a calculation can show it again.
#include "MainModel.h"
#include "case/CaseInput.h"
#include "case/NumberText.h"

namespace tidewell::model {

bool MainModel::Accept(Field field) {
    const int n = NumberOf(field);
    const BasicInput input = *InfoOf(field).Input;
    Refusals[n] = CheckInput(CurrentRecord, input, Texts[n]);
    if (Refusals[n]) {
        Messages.Show(*Refusals[n]);
        return false;
    }
    ApplyInput(CurrentRecord, input, Texts[n]);
    InputChanged();
    return true;
}

void MainModel::Text1_Change() {
    if (!Accept(Field::BayArea))
        return;
    ShowDisplay(Field::BayVolume, DisplayText(CurrentRecord.BayVolume));
    ShowResidenceTime();
    ShowClosedness();
    ShowLoadPerVolume();
}

void MainModel::Text2_Change() {
    if (!Accept(Field::MeanDepth))
        return;
    ShowDisplay(Field::BayVolume, DisplayText(CurrentRecord.BayVolume));
    ShowDisplay(Field::MouthDepth, DisplayText(CurrentRecord.MeanDepth.Value()));
    ShowDisplay(Field::MouthSection, DisplayText(CurrentRecord.MouthSection));
    ShowChangedSection();
    ShowResidenceTime();
    ShowClosedness();
    ShowLoadPerVolume();
}

void MainModel::Text4_Change() {
    if (!Accept(Field::MouthLength))
        return;
    ShowDisplay(Field::MouthSection, DisplayText(CurrentRecord.MouthSection));
    ShowChangedSection();
    ShowClosedness();
}

// The bay frames and the sea frame take the new start temperature; Text16
// keeps what it shows and the inflow frame keeps its colour.
void MainModel::Text7_Change() {
    if (!Accept(Field::SeaTemp))
        return;
    SetFrameTempsFromCase();
    FramesShowRun = false;
    for (int frame = 1; frame <= kBayFrameCount; ++frame)
        ColorFrame(frame);
    ColorFrame(kSeaFrame);
}

// The inflow frame shows the temperature as entered, without its multiplier.
void MainModel::Text8_Change() {
    if (!Accept(Field::InflowTemp))
        return;
    ShowDisplay(Field::InflowLoad, DisplayText(CurrentRecord.InflowLoad));
    ShowChangedLoad(5);
    CurrentFrameTemperatures[kInflowFrame] = static_cast<float>(CurrentRecord.InflowTemp.Value());
    ColorFrame(kInflowFrame);
    ShowLoadPerVolume();
}

void MainModel::Text9_Change() {
    if (!Accept(Field::InflowRate))
        return;
    ShowDisplay(Field::InflowLoad, DisplayText(CurrentRecord.InflowLoad));
    ShowChangedLoad(5);
    ShowResidenceTime();
    ShowLoadPerVolume();
}

}  // namespace tidewell::model
