#include "MultiplierSweep.h"

namespace tidewell::engine {
namespace {

int EntryCount(MultiplierList list) {
    return static_cast<int>(ListEntries(list).size());
}

std::string_view Entry(MultiplierList list, int index) {
    return ListEntries(list)[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<SweepCombination> AllCombinations() {
    std::vector<SweepCombination> all;
    for (int s = 0; s < EntryCount(MultiplierList::SectionFactor); ++s) {
        for (int t = 0; t < EntryCount(MultiplierList::InflowTempFactor); ++t) {
            for (int q = 0; q < EntryCount(MultiplierList::InflowFactor); ++q)
                all.push_back({s, t, q});
        }
    }
    return all;
}

CaseRecord WithCombination(CaseRecord base, const SweepCombination& c) {
    ApplyMultiplier(base, MultiplierList::SectionFactor,
                    Entry(MultiplierList::SectionFactor, c.Section));
    ApplyMultiplier(base, MultiplierList::InflowTempFactor,
                    Entry(MultiplierList::InflowTempFactor, c.InflowTemp));
    ApplyMultiplier(base, MultiplierList::InflowFactor,
                    Entry(MultiplierList::InflowFactor, c.Inflow));
    return base;
}

}  // namespace tidewell::engine
