#include "Multipliers.h"

#include <algorithm>

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

}  // namespace tidewell
