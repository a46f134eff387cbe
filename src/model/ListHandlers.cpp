// The multiplier lists: a pick stores its multiplier and refreshes the
// changed values and indices that depend on it.
#include "MainModel.h"
#include "case/CaseIndices.h"
#include "case/Multipliers.h"
#include "case/NumberText.h"

namespace tidewell::model {
namespace {

std::string_view Picked(const ListBox& box) {
    return box.Entries[static_cast<size_t>(box.Selected)];
}

}  // namespace

void MainModel::List1_Click() {
    ApplyMultiplier(CurrentRecord, MultiplierList::SectionFactor, Picked(Lists[1]));
    ShowChangedSection();
    ShowClosedness();
}

// The changed load is shown to 3 decimals after this pick, and the inflow
// frame shows the multiplied inflow temperature.
void MainModel::List2_Click() {
    CaseRecord& c = CurrentRecord;
    ApplyMultiplier(c, MultiplierList::InflowTempFactor, Picked(Lists[2]));
    const float changedInflowTemp =
        static_cast<float>(static_cast<double>(c.InflowTempFactor) * c.InflowTemp.Value());
    ShowChangedLoad(3);
    ShowLoadPerVolume();
    CurrentFrameTemperatures[kInflowFrame] = changedInflowTemp;
    ColorFrame(kInflowFrame);
}

// The changed load is shown unrounded after this pick.
void MainModel::List3_Click() {
    ApplyMultiplier(CurrentRecord, MultiplierList::InflowFactor, Picked(Lists[3]));
    ShowDisplay(Field::ChangedLoad, DisplayText(ChangedLoad(CurrentRecord)));
    ShowResidenceTime();
    ShowLoadPerVolume();
}

}  // namespace tidewell::model
