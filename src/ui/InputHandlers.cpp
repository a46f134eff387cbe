// The change handlers of the six editable fields: check the text, store it in
// the case record, refresh the fields and frames that depend on it. A refused
// text shows its message and changes nothing else.
#include "MainModel.h"
#include "case/CaseInput.h"
#include "case/NumberText.h"

namespace tidewell {
namespace {

// Stores the field's text if it passes its checks; otherwise shows why not.
bool Accept(CaseRecord& record, MessageSink& messages, BasicInput input, const std::string& text) {
    if (const auto refusal = CheckInput(record, input, text)) {
        messages.Show(*refusal);
        return false;
    }
    ApplyInput(record, input, text);
    return true;
}

}  // namespace

void MainModel::Text1_Change() {
    if (!Accept(Case, Messages, BasicInput::BayArea, Texts[1]))
        return;
    ShowDisplay(3, DisplayText(Case.BayVolume));
    ShowResidenceTime();
    ShowClosedness();
    ShowLoadPerVolume();
}

void MainModel::Text2_Change() {
    if (!Accept(Case, Messages, BasicInput::MeanDepth, Texts[2]))
        return;
    ShowDisplay(3, DisplayText(Case.BayVolume));
    ShowDisplay(5, DisplayText(Case.MeanDepth.Value()));
    ShowDisplay(6, DisplayText(Case.MouthSection));
    ShowChangedSection();
    ShowResidenceTime();
    ShowClosedness();
    ShowLoadPerVolume();
}

void MainModel::Text4_Change() {
    if (!Accept(Case, Messages, BasicInput::MouthLength, Texts[4]))
        return;
    ShowDisplay(6, DisplayText(Case.MouthSection));
    ShowChangedSection();
    ShowClosedness();
}

// The bay frames and the sea frame take the new start temperature; Text16
// keeps what it shows and the inflow frame keeps its colour.
void MainModel::Text7_Change() {
    if (!Accept(Case, Messages, BasicInput::SeaTemp, Texts[7]))
        return;
    SetFrameTempsFromCase();
    for (int frame = 1; frame <= 5; ++frame)
        ColorFrame(frame);
    ColorFrame(kSeaFrame);
}

// The inflow frame shows the temperature as entered, without its multiplier.
void MainModel::Text8_Change() {
    if (!Accept(Case, Messages, BasicInput::InflowTemp, Texts[8]))
        return;
    ShowDisplay(10, DisplayText(Case.InflowLoad));
    ShowChangedLoad(5);
    FrameTemp[kInflowFrame] = static_cast<float>(Case.InflowTemp.Value());
    ColorFrame(kInflowFrame);
    ShowLoadPerVolume();
}

void MainModel::Text9_Change() {
    if (!Accept(Case, Messages, BasicInput::InflowRate, Texts[9]))
        return;
    ShowDisplay(10, DisplayText(Case.InflowLoad));
    ShowChangedLoad(5);
    ShowResidenceTime();
    ShowLoadPerVolume();
}

}  // namespace tidewell
