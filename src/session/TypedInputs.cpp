#include "TypedInputs.h"

#include <algorithm>

#include "model/SweepTable.h"

namespace tidewell::session {
namespace {

int ListNumber(MultiplierList list) {
    return static_cast<int>(list) + 1;
}

Message EntryNotInList(MultiplierList list, const std::string& entry, const model::ListBox& box) {
    std::string entries;
    for (const std::string& offered : box.Entries)
        entries += (entries.empty() ? "" : ", ") + offered;
    return {MessageId::EntryNotInList, {entry, model::ListCaption(list), entries}};
}

}  // namespace

bool TypedInputs::Set(std::string_view name, std::string value) {
    if (const std::optional<model::Field> field = model::FieldWithOption(name)) {
        Texts[*field] = std::move(value);
        return true;
    }
    for (MultiplierList list : kMultiplierLists) {
        if (ListName(list) == name) {
            Picks[list] = std::move(value);
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> InputNames() {
    std::vector<std::string_view> names;
    for (const model::FieldInfo& info : model::FieldTable()) {
        if (!info.Option.empty())
            names.push_back(info.Option);
    }
    for (MultiplierList list : kMultiplierLists)
        names.push_back(ListName(list));
    return names;
}

std::optional<Message> ApplyInputs(model::MainModel& model, MessageLog& log,
                                   const TypedInputs& inputs) {
    for (const auto& [field, text] : inputs.Texts) {
        model.SetFieldText(field, text);
        // A handler that refuses a text shows why and leaves the field marked.
        if (model.RefusedField() && !log.Shown.empty())
            return log.Shown.back();
    }
    for (const auto& [list, entry] : inputs.Picks) {
        const model::ListBox& box = model.List(ListNumber(list));
        const auto found = std::find(box.Entries.begin(), box.Entries.end(), entry);
        if (found == box.Entries.end()) {
            const Message refusal = EntryNotInList(list, entry, box);
            log.Show(refusal);
            return refusal;
        }
        model.SelectListEntry(ListNumber(list), static_cast<int>(found - box.Entries.begin()));
    }
    return std::nullopt;
}

}  // namespace tidewell::session
