#include "CalibratedInput.h"

#include <algorithm>
#include <cmath>

#include "case/CaseInput.h"
#include "case/FullPrecisionText.h"
#include "case/Multipliers.h"
#include "case/NumberText.h"
#include "model/MainModel.h"

namespace tidewell::session {
namespace {

constexpr double kScaleSpan = 10;        // a tenth to ten times the case's value
constexpr double kWarmestSearched = 40;  // degC

bool IsTemperature(BasicInput input) {
    return input == BasicInput::SeaTemp || input == BasicInput::InflowTemp;
}

}  // namespace

TrialCase EnteredCase(const TypedInputs& inputs) {
    MessageLog log;
    model::MainModel model(log, "");
    model.FormLoad();
    if (std::optional<Message> refusal = ApplyInputs(model, log, inputs))
        return {std::nullopt, std::move(refusal)};
    return {model.Record(), std::nullopt};
}

namespace {

// The case's inputs with the basic condition's text replaced.
TrialCase Entered(const TypedInputs& base, BasicInput input, const std::string& text) {
    TypedInputs inputs = base;
    inputs.Texts[input] = text;
    return EnteredCase(inputs);
}

}  // namespace

std::optional<CalibratedInput> CalibratedInputNamed(std::string_view name) {
    if (const std::optional<BasicInput> input = InputNamed(name))
        return *input;
    if (const std::optional<MultiplierList> list = ListNamed(name))
        return *list;
    return std::nullopt;
}

std::string_view NameOf(CalibratedInput input) {
    if (const auto* basic = std::get_if<BasicInput>(&input))
        return InputName(*basic);
    return ListName(std::get<MultiplierList>(input));
}

Message CaptionOf(CalibratedInput input) {
    if (const auto* basic = std::get_if<BasicInput>(&input))
        return {InfoOf(*basic).Caption, {}};
    return {MessageId::MultiplierCaption, {ListCaption(std::get<MultiplierList>(input))}};
}

double SearchRange::Point(int k, int n) const {
    if (k == 0)
        return Low;
    if (k == n)
        return High;
    const double share = static_cast<double>(k) / n;
    return LogScale ? Low * std::pow(High / Low, share) : Low + (High - Low) * share;
}

SearchRange SearchRangeOf(const CaseRecord& record, CalibratedInput input) {
    if (std::holds_alternative<MultiplierList>(input)) {
        SearchRange range{BoundsOf(ListEntries(kMultiplierLists.front())).Smallest, 0.0, true};
        for (MultiplierList list : kMultiplierLists) {
            const MultiplierBounds bounds = BoundsOf(ListEntries(list));
            range.Low = std::min(range.Low, bounds.Smallest);
            range.High = std::max(range.High, bounds.Largest);
        }
        return range;
    }
    const auto basic = std::get<BasicInput>(input);
    const InputInfo& info = InfoOf(basic);
    const double value = ValueOf(record, basic).Value();
    if (IsTemperature(basic))
        return {info.Limit, std::max(2 * value, kWarmestSearched), false};
    const double low = value / kScaleSpan;
    return {info.LimitAccepted ? std::max(low, info.Limit) : low, value * kScaleSpan, true};
}

TrialCase TrialCaseOf(const TypedInputs& base, CalibratedInput input, double value) {
    if (const auto* basic = std::get_if<BasicInput>(&input))
        return Entered(base, *basic, SeventeenDigits(value));
    // The list's own pick, if any, is overwritten with the value.
    TrialCase trial = EnteredCase(base);
    if (trial.Record)
        StoreMultiplier(*trial.Record, std::get<MultiplierList>(input), value);
    return trial;
}

double InputValueOf(const CaseRecord& record, CalibratedInput input) {
    if (const auto* basic = std::get_if<BasicInput>(&input))
        return ValueOf(record, *basic).Value();
    return MultiplierOf(record, std::get<MultiplierList>(input));
}

std::string TextToType(const TypedInputs& base, BasicInput input, double value) {
    const std::string shown = DisplayText(value);
    if (Entered(base, input, shown).Record)
        return shown;
    return SeventeenDigits(value);
}

}  // namespace tidewell::session
