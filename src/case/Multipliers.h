#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tidewell {

// The entries of the three multiplier lists, top to bottom. The multiplier an
// entry sets is LeadingNumber of its text.
inline constexpr std::string_view SectionFactorEntries[] = {"1.0", "0.2", "0.5", "0.8",
                                                            "1.2", "1.5", "2.0"};
inline constexpr std::string_view InflowFactorEntries[] = {"1.0", "0.2", "0.5", "0.8",
                                                           "1.2", "1.5", "2.0", "5.0"};

// The three lists in the window's order (List1 to List3).
enum class MultiplierList { SectionFactor, InflowTempFactor, InflowFactor };
inline constexpr std::array<MultiplierList, 3> kMultiplierLists{
    MultiplierList::SectionFactor, MultiplierList::InflowTempFactor, MultiplierList::InflowFactor};

// The one name of each list outside the window: the command-line option, the
// key in a case file ("section-factor", "inflow-temp-factor", "inflow-factor").
std::string_view ListName(MultiplierList list);
std::span<const std::string_view> ListEntries(MultiplierList list);

// The smallest and largest multiplier that a list offers.
struct MultiplierBounds {
    double Smallest;
    double Largest;
};
MultiplierBounds BoundsOf(std::span<const std::string_view> entries);

struct CaseRecord;

// Stores the multiplier an entry sets: the section and inflow factors in
// double precision, the inflow-temperature factor in single precision.
void ApplyMultiplier(CaseRecord& record, MultiplierList list, std::string_view entry);

}  // namespace tidewell
