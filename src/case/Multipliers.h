#pragma once

#include <span>
#include <string_view>

namespace tidewell {

// The entries of the three multiplier lists, top to bottom. The multiplier an
// entry sets is LeadingNumber of its text.
inline constexpr std::string_view SectionFactorEntries[] = {"1.0", "0.2", "0.5", "0.8",
                                                            "1.2", "1.5", "2.0"};
inline constexpr std::string_view InflowFactorEntries[] = {"1.0", "0.2", "0.5", "0.8",
                                                           "1.2", "1.5", "2.0", "5.0"};

// The smallest and largest multiplier that a list offers.
struct MultiplierBounds {
    double Smallest;
    double Largest;
};
MultiplierBounds BoundsOf(std::span<const std::string_view> entries);

}  // namespace tidewell

namespace tidewell {

struct CaseRecord;

// The three lists, top to bottom in the window.
enum class MultiplierList { Section, InflowTemp, Inflow };
inline constexpr MultiplierList AllMultiplierLists[] = {
    MultiplierList::Section, MultiplierList::InflowTemp, MultiplierList::Inflow};

std::span<const std::string_view> EntriesOf(MultiplierList list);

// Stores the multiplier an entry sets: the section and inflow factors in
// double precision, the inflow-temperature factor in single precision.
void ApplyMultiplier(CaseRecord& record, MultiplierList list, std::string_view entry);

}  // namespace tidewell
