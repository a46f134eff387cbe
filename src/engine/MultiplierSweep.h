#pragma once

#include <span>
#include <vector>

#include "case/CaseRecord.h"
#include "case/Multipliers.h"

// Every combination of the three multiplier lists for one set of basic
// conditions: 7 x 8 x 8 = 448 what-ifs.
namespace tidewell::engine {

// Indices into the entries of the section, inflow-temperature and inflow lists.
struct SweepCombination {
    int Section = 0;
    int InflowTemp = 0;
    int Inflow = 0;

    int Entry(MultiplierList list) const;
    SweepCombination With(MultiplierList list, int entry) const;
    bool operator==(const SweepCombination&) const = default;
};

// Section entries outermost, then inflow temperature, then inflow.
std::vector<SweepCombination> AllCombinations();

// The case with the combination's multipliers in place of its own.
CaseRecord WithCombination(CaseRecord base, const SweepCombination& combination);
// The case of each combination, in their order.
std::vector<CaseRecord> SweepCases(const CaseRecord& base,
                                   std::span<const SweepCombination> combinations);

}  // namespace tidewell::engine
