#include "Multipliers.h"

#include <algorithm>

#include "CaseRecord.h"
#include "NumericText.h"

namespace tidewell {

MultiplierBounds BoundsOf(std::span<const std::string_view> entries) {
    MultiplierBounds bounds{LeadingNumber(entries.front()), LeadingNumber(entries.front())};
    for (std::string_view entry : entries) {
        bounds.Smallest = std::min(bounds.Smallest, LeadingNumber(entry));
        bounds.Largest = std::max(bounds.Largest, LeadingNumber(entry));
    }
    return bounds;
}

std::span<const std::string_view> EntriesOf(MultiplierList list) {
    if (list == MultiplierList::Section)
        return SectionFactorEntries;
    return InflowFactorEntries;
}

void ApplyMultiplier(CaseRecord& record, MultiplierList list, std::string_view entry) {
    const double factor = LeadingNumber(entry);
    switch (list) {
        case MultiplierList::Section:
            record.SectionFactor = factor;
            break;
        case MultiplierList::InflowTemp:
            record.InflowTempFactor = static_cast<float>(factor);
            break;
        case MultiplierList::Inflow:
            record.InflowFactor = factor;
            break;
    }
}

}  // namespace tidewell
