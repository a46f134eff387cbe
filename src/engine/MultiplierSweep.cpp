#include "MultiplierSweep.h"

namespace tidewell {
namespace {

int EntryCount(MultiplierList list) {
    return static_cast<int>(EntriesOf(list).size());
}

std::string_view Entry(MultiplierList list, int index) {
    return EntriesOf(list)[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<SweepCombination> AllCombinations() {
    std::vector<SweepCombination> all;
    for (int s = 0; s < EntryCount(MultiplierList::Section); ++s) {
        for (int t = 0; t < EntryCount(MultiplierList::InflowTemp); ++t) {
            for (int q = 0; q < EntryCount(MultiplierList::Inflow); ++q)
                all.push_back({s, t, q});
        }
    }
    return all;
}

CaseRecord WithCombination(CaseRecord base, const SweepCombination& c) {
    ApplyMultiplier(base, MultiplierList::Section, Entry(MultiplierList::Section, c.Section));
    ApplyMultiplier(base, MultiplierList::InflowTemp,
                    Entry(MultiplierList::InflowTemp, c.InflowTemp));
    ApplyMultiplier(base, MultiplierList::Inflow, Entry(MultiplierList::Inflow, c.Inflow));
    return base;
}

}  // namespace tidewell
