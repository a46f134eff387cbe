#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "TypedInputs.h"
#include "case/CaseRecord.h"
#include "case/Message.h"

// The one input a calibration solves for, treated as a continuous number:
// a basic condition or a list's multiplier, everything else as in the case.
namespace tidewell::session {

using CalibratedInput = std::variant<BasicInput, MultiplierList>;

// By the name of its option ("bay-area", ..., "inflow-factor").
std::optional<CalibratedInput> CalibratedInputNamed(std::string_view name);
std::string_view NameOf(CalibratedInput input);
// As a message names it: "湾面積", "流入水流量の倍率".
Message CaptionOf(CalibratedInput input);

// Where the input is searched: a multiplier between the smallest and largest
// entry any list offers; a length, area, depth or flow from a tenth to ten
// times its value in the case (not below its field's limit), on a log scale;
// a temperature from its field's limit to twice its value, or 40 degC when
// that is more.
struct SearchRange {
    double Low = 0.0;
    double High = 0.0;
    bool LogScale = false;

    // Point k of n + 1 points spread evenly from Low to High.
    double Point(int k, int n) const;
};
SearchRange SearchRangeOf(const CaseRecord& record, CalibratedInput input);

// The case of one trial with the input at `value`: a basic condition's
// 17-digit text typed after the case's inputs into a freshly started model,
// a multiplier stored in the case as a picked entry stores it. Empty, with
// the field's message, when the field refuses the text.
struct TrialCase {
    std::optional<CaseRecord> Record;
    std::optional<Message> Refusal;
};
// The inputs entered into a freshly started model.
TrialCase EnteredCase(const TypedInputs& inputs);
TrialCase TrialCaseOf(const TypedInputs& base, CalibratedInput input, double value);

// The value the trial's case holds for the input (a single-precision
// multiplier as stored).
double InputValueOf(const CaseRecord& record, CalibratedInput input);

// A basic condition's value as the user would type it: the window's number
// form, provided its field accepts it in the case; else its 17-digit text.
std::string TextToType(const TypedInputs& base, BasicInput input, double value);

}  // namespace tidewell::session
