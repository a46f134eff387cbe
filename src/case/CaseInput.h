#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "BasicInput.h"
#include "CaseRecord.h"
#include "Message.h"

// The checks of the six basic conditions and how an accepted text updates
// the case record.
namespace tidewell {

// Empty when the text may be stored; otherwise the field's refusal message.
// A text is refused when it is not a number, when its leading number is out of
// the field's range, or when it or a quantity computed from it (for any
// multiplier the lists offer) lies beyond the double range.
std::optional<Message> CheckInput(const CaseRecord& record, BasicInput input,
                                  std::string_view text);

// The message a refused text of the input gets (when nothing computed from
// it is the cause).
const Message& RefusalOf(BasicInput input);

// The basic condition's value in the record.
const BasicValue& ValueOf(const CaseRecord& record, BasicInput input);

// Stores an accepted text as typed and recomputes what depends on it in the
// record: the bay volume, the mouth depth and cross-section, the inflow load,
// the bay's start temperature.
void ApplyInput(CaseRecord& record, BasicInput input, std::string text);

}  // namespace tidewell
