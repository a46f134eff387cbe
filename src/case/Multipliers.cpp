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

std::string_view ListName(MultiplierList list) {
    switch (list) {
        case MultiplierList::SectionFactor:
            return "section-factor";
        case MultiplierList::InflowTempFactor:
            return "inflow-temp-factor";
        case MultiplierList::InflowFactor:
            return "inflow-factor";
    }
    return {};
}

std::span<const std::string_view> ListEntries(MultiplierList list) {
    if (list == MultiplierList::SectionFactor)
        return SectionFactorEntries;
    return InflowFactorEntries;
}

void ApplyMultiplier(CaseRecord& record, MultiplierList list, std::string_view entry) {
    const double factor = LeadingNumber(entry);
    switch (list) {
        case MultiplierList::SectionFactor:
            record.SectionFactor = factor;
            break;
        case MultiplierList::InflowTempFactor:
            record.InflowTempFactor = static_cast<float>(factor);
            break;
        case MultiplierList::InflowFactor:
            record.InflowFactor = factor;
            break;
    }
}

}  // namespace tidewell
