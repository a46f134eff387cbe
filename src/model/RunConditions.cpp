#include "RunConditions.h"

#include <cstddef>
#include <string_view>

namespace tidewell::model {
namespace {

// A field's text without the blank the program writes before a number.
std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

Message Quantity(const RunConditions& conditions, std::size_t n) {
    const InputInfo& info = InfoOf(kBasicInputs[n]);
    return {MessageId::ChartQuantity,
            {Message{info.Caption, {}}, Trimmed(conditions.Texts[n]), std::string(info.ShownUnit)}};
}

Message Factor(const RunConditions& conditions, std::size_t n) {
    return {MessageId::ChartFactor,
            {Message{MessageId::MultiplierCaption, {ListCaption(kMultiplierLists[n])}},
             Trimmed(conditions.Entries[n])}};
}

}  // namespace

std::vector<Message> ConditionLines(const RunConditions& conditions) {
    const auto line = [](Message a, Message b, Message c) {
        return Message{MessageId::ChartTitleLine, {std::move(a), std::move(b), std::move(c)}};
    };
    return {line(Quantity(conditions, 0), Quantity(conditions, 1), Quantity(conditions, 2)),
            line(Quantity(conditions, 3), Quantity(conditions, 4), Quantity(conditions, 5)),
            line(Factor(conditions, 0), Factor(conditions, 1), Factor(conditions, 2))};
}

}  // namespace tidewell::model
