#include "MultiplierSweep.h"

namespace tidewell::engine {
namespace {

int EntryCount(MultiplierList list) {
    return static_cast<int>(ListEntries(list).size());
}

}  // namespace

int SweepCombination::Entry(MultiplierList list) const {
    switch (list) {
        case MultiplierList::SectionFactor:
            return Section;
        case MultiplierList::InflowTempFactor:
            return InflowTemp;
        case MultiplierList::InflowFactor:
            break;
    }
    return Inflow;
}

SweepCombination SweepCombination::With(MultiplierList list, int entry) const {
    SweepCombination combination = *this;
    switch (list) {
        case MultiplierList::SectionFactor:
            combination.Section = entry;
            break;
        case MultiplierList::InflowTempFactor:
            combination.InflowTemp = entry;
            break;
        case MultiplierList::InflowFactor:
            combination.Inflow = entry;
            break;
    }
    return combination;
}

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
    for (MultiplierList list : kMultiplierLists)
        ApplyMultiplier(base, list, ListEntries(list)[static_cast<std::size_t>(c.Entry(list))]);
    return base;
}

std::vector<CaseRecord> SweepCases(const CaseRecord& base,
                                   std::span<const SweepCombination> combinations) {
    std::vector<CaseRecord> cases;
    cases.reserve(combinations.size());
    for (const SweepCombination& combination : combinations)
        cases.push_back(WithCombination(base, combination));
    return cases;
}

}  // namespace tidewell::engine
