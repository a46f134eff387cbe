#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "Message.h"

namespace tidewell {

// The three lists in the window's order (List1 to List3).
enum class MultiplierList { SectionFactor, InflowTempFactor, InflowFactor };
inline constexpr std::array<MultiplierList, 3> kMultiplierLists{
    MultiplierList::SectionFactor, MultiplierList::InflowTempFactor, MultiplierList::InflowFactor};

struct ListInfo {
    MultiplierList Id;
    int Number;  // the window's List1 .. List3
    // The one name outside the window: the command-line option, the CSV
    // column, the key in a case file.
    std::string_view Name;
    // The entries top to bottom; the multiplier an entry sets is LeadingNumber
    // of its text.
    std::span<const std::string_view> Entries;
    MessageId Caption;             // in the window: "湾口部断面積", ...
    std::string_view Description;  // in English, for the command line's help
};

// All three, in list order.
std::span<const ListInfo> ListTable();
const ListInfo& InfoOf(MultiplierList list);
std::string_view ListName(MultiplierList list);
std::span<const std::string_view> ListEntries(MultiplierList list);
Message ListCaption(MultiplierList list);
int ListNumber(MultiplierList list);
// The list numbered n (1 .. 3); empty for any other number.
std::optional<MultiplierList> ListNumbered(int n);
// The list named `name`; empty for any other name.
std::optional<MultiplierList> ListNamed(std::string_view name);

// Which entry of the list a text names: the entry itself, or any text that
// reads as the same number as a field reads it ("5", "05", "5.00", "+5" and
// " 5" all name "5.0"). Empty for a text that names no entry. Every list
// entry given outside the window (command line, case file, batch table,
// Python) is matched here.
std::optional<std::size_t> EntryIndexOf(MultiplierList list, std::string_view text);
// The entry's own text, which is what is stored and shown for it.
std::optional<std::string_view> EntryNamed(MultiplierList list, std::string_view text);

// The smallest and largest multiplier that a list offers.
struct MultiplierBounds {
    double Smallest;
    double Largest;
};
MultiplierBounds BoundsOf(std::span<const std::string_view> entries);

struct CaseRecord;

// Stores a multiplier: the section and inflow factors in double precision,
// the inflow-temperature factor in single precision.
void StoreMultiplier(CaseRecord& record, MultiplierList list, double factor);
// Stores the multiplier an entry sets (its leading number).
void ApplyMultiplier(CaseRecord& record, MultiplierList list, std::string_view entry);
// The multiplier the record holds for the list.
double MultiplierOf(const CaseRecord& record, MultiplierList list);

}  // namespace tidewell
