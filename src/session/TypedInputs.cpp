#include "TypedInputs.h"

#include <algorithm>

namespace tidewell::session {
namespace {

Message EntryNotInList(MultiplierList list, const std::string& entry, const model::ListBox& box) {
    std::string entries;
    for (const std::string& offered : box.Entries)
        entries += (entries.empty() ? "" : ", ") + offered;
    return {MessageId::EntryNotInList, {entry, ListCaption(list), entries}};
}

// Types the text so that the field's handler runs even when the field shows
// it already: a blank after a number leaves its value, so the detour through
// it changes nothing but the stored text.
void TypeText(model::MainModel& model, model::Field field, const std::string& text) {
    if (model.FieldText(field) == text)
        model.SetFieldText(field, text + " ");
    model.SetFieldText(field, text);
}

}  // namespace

bool TypedInputs::Set(std::string_view name, std::string value) {
    if (const std::optional<BasicInput> input = InputNamed(name)) {
        Texts[*input] = std::move(value);
        return true;
    }
    if (const std::optional<MultiplierList> list = ListNamed(name)) {
        const std::optional<std::string_view> entry = EntryNamed(*list, value);
        Picks[*list] = entry ? std::string(*entry) : std::move(value);
        return true;
    }
    return false;
}

std::vector<InputStep> TypedInputs::Steps() const {
    std::vector<InputStep> steps;
    for (const auto& [input, text] : Texts)
        steps.push_back({input, text});
    for (const auto& [list, entry] : Picks)
        steps.push_back({list, entry});
    return steps;
}

std::vector<std::string_view> InputNames() {
    std::vector<std::string_view> names;
    for (const InputInfo& info : InputTable())
        names.push_back(info.Name);
    for (const ListInfo& info : ListTable())
        names.push_back(info.Name);
    return names;
}

std::string_view InputRefusal::Name() const {
    if (const auto* input = std::get_if<BasicInput>(&Step.Input))
        return InputName(*input);
    return ListName(std::get<MultiplierList>(Step.Input));
}

std::optional<InputRefusal> EnterInputs(model::MainModel& model, const MessageLog& log,
                                        const std::vector<InputStep>& steps) {
    for (const InputStep& step : steps) {
        if (const auto* input = std::get_if<BasicInput>(&step.Input)) {
            const std::size_t shown = log.Shown.size();
            TypeText(model, model::FieldOf(*input), step.Text);
            // A handler that refuses a text shows why and leaves the field marked.
            if (model.RefusedField() && log.Shown.size() > shown)
                return InputRefusal{step, log.Shown[shown]};
            continue;
        }
        const auto list = std::get<MultiplierList>(step.Input);
        const std::optional<std::size_t> index = EntryIndexOf(list, step.Text);
        if (!index)
            return InputRefusal{step, std::nullopt};
        model.SelectListEntry(ListNumber(list), static_cast<int>(*index));
    }
    return std::nullopt;
}

std::optional<NamedRefusal> ApplyNamedInputs(model::MainModel& model, MessageLog& log,
                                             const TypedInputs& inputs) {
    const std::optional<InputRefusal> refusal = EnterInputs(model, log, inputs.Steps());
    if (!refusal)
        return std::nullopt;
    const std::string name(refusal->Name());
    if (refusal->FieldRefusal)
        return NamedRefusal{name, *refusal->FieldRefusal};
    const auto list = std::get<MultiplierList>(refusal->Step.Input);
    const Message message = EntryNotInList(list, refusal->Step.Text, model.List(ListNumber(list)));
    log.Show(message);
    return NamedRefusal{name, message};
}

std::optional<Message> ApplyInputs(model::MainModel& model, MessageLog& log,
                                   const TypedInputs& inputs) {
    if (std::optional<NamedRefusal> refusal = ApplyNamedInputs(model, log, inputs))
        return std::move(refusal->Said);
    return std::nullopt;
}

}  // namespace tidewell::session
