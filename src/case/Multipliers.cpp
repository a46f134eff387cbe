#include "Multipliers.h"

#include <algorithm>
#include <cstddef>

#include "CaseRecord.h"
#include "NumericText.h"

namespace tidewell {
namespace {

constexpr std::string_view kSectionEntries[] = {"1.0", "0.2", "0.5", "0.8", "1.2", "1.5", "2.0"};
constexpr std::string_view kInflowEntries[] = {"1.0", "0.2", "0.5", "0.8",
                                               "1.2", "1.5", "2.0", "5.0"};

using enum MultiplierList;

constexpr std::array<ListInfo, kMultiplierLists.size()> kLists{{
    {SectionFactor, 1, "section-factor", kSectionEntries, MessageId::SectionCaption,
     "multiplier on the bay-mouth cross-section"},
    {InflowTempFactor, 2, "inflow-temp-factor", kInflowEntries, MessageId::InflowTempCaption,
     "multiplier on the inflow temperature"},
    {InflowFactor, 3, "inflow-factor", kInflowEntries, MessageId::InflowRateCaption,
     "multiplier on the inflow rate"},
}};

constexpr bool InListOrder() {
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        if (kLists[i].Id != kMultiplierLists[i] || kLists[i].Number != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}
static_assert(InListOrder());

}  // namespace

std::span<const ListInfo> ListTable() {
    return kLists;
}

std::optional<std::size_t> EntryIndexOf(MultiplierList list, std::string_view text) {
    const std::span<const std::string_view> entries = ListEntries(list);
    if (const auto same = std::find(entries.begin(), entries.end(), text); same != entries.end())
        return static_cast<std::size_t>(same - entries.begin());
    const std::optional<double> value = NumericValue(text);
    if (!value)
        return std::nullopt;
    for (std::size_t n = 0; n < entries.size(); ++n) {
        if (LeadingNumber(entries[n]) == *value)
            return n;
    }
    return std::nullopt;
}

std::optional<std::string_view> EntryNamed(MultiplierList list, std::string_view text) {
    if (const std::optional<std::size_t> index = EntryIndexOf(list, text))
        return ListEntries(list)[*index];
    return std::nullopt;
}

MultiplierBounds BoundsOf(std::span<const std::string_view> entries) {
    MultiplierBounds bounds{LeadingNumber(entries.front()), LeadingNumber(entries.front())};
    for (std::string_view entry : entries) {
        bounds.Smallest = std::min(bounds.Smallest, LeadingNumber(entry));
        bounds.Largest = std::max(bounds.Largest, LeadingNumber(entry));
    }
    return bounds;
}

const ListInfo& InfoOf(MultiplierList list) {
    return ListTable()[static_cast<std::size_t>(list)];
}

std::string_view ListName(MultiplierList list) {
    return InfoOf(list).Name;
}

std::span<const std::string_view> ListEntries(MultiplierList list) {
    return InfoOf(list).Entries;
}

Message ListCaption(MultiplierList list) {
    return {InfoOf(list).Caption, {}};
}

int ListNumber(MultiplierList list) {
    return InfoOf(list).Number;
}

std::optional<MultiplierList> ListNumbered(int n) {
    for (const ListInfo& info : ListTable()) {
        if (info.Number == n)
            return info.Id;
    }
    return std::nullopt;
}

std::optional<MultiplierList> ListNamed(std::string_view name) {
    for (const ListInfo& info : ListTable()) {
        if (info.Name == name)
            return info.Id;
    }
    return std::nullopt;
}

void StoreMultiplier(CaseRecord& record, MultiplierList list, double factor) {
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

void ApplyMultiplier(CaseRecord& record, MultiplierList list, std::string_view entry) {
    StoreMultiplier(record, list, LeadingNumber(entry));
}

double MultiplierOf(const CaseRecord& record, MultiplierList list) {
    switch (list) {
        case MultiplierList::SectionFactor:
            return record.SectionFactor;
        case MultiplierList::InflowTempFactor:
            return static_cast<double>(record.InflowTempFactor);
        case MultiplierList::InflowFactor:
            break;
    }
    return record.InflowFactor;
}

}  // namespace tidewell
