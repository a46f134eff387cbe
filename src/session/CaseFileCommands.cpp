#include "CaseFileCommands.h"

#include <vector>

#include "TypedInputs.h"

namespace tidewell::session {
namespace {

// The six texts, then each list's entry (a list without one stays at the
// restored "1.0").
std::vector<InputStep> StepsOf(const CaseFile& file) {
    std::vector<InputStep> steps;
    for (BasicInput input : kBasicInputs)
        steps.push_back({input, file.Text(input)});
    for (MultiplierList list : kMultiplierLists) {
        if (const auto& entry = file.Entry(list))
            steps.push_back({list, *entry});
    }
    return steps;
}

// Applies the case as a user would, from the defaults on; what was refused
// and why, if anything.
std::optional<Message> Replay(model::MainModel& model, const MessageLog& log,
                              const CaseFile& file) {
    model.Command3_Click();
    const std::optional<InputRefusal> refusal = EnterInputs(model, log, StepsOf(file));
    if (!refusal)
        return std::nullopt;
    const std::string name(refusal->Name());
    if (const std::optional<Message>& why = refusal->FieldRefusal)
        return Message{MessageId::InputRefused,
                       {name, refusal->Step.Text, MessageArg::TitleOf(*why), *why}};
    return Message{MessageId::EntryNotListed, {name, refusal->Step.Text}};
}

// Why the case cannot be opened, found on a model of its own.
std::optional<Message> RefusalOf(const model::MainModel& model, const CaseFile& file) {
    MessageLog messages;
    model::MainModel scratch(messages, model.ReportPath());
    scratch.FormLoad();
    return Replay(scratch, messages, file);
}

}  // namespace

CaseFile CaseOfModel(const model::MainModel& model) {
    CaseFile file;
    for (BasicInput input : kBasicInputs)
        file.Text(input) = model.FieldText(model::FieldOf(input));
    for (MultiplierList list : kMultiplierLists) {
        const model::ListBox& box = model.List(ListNumber(list));
        if (box.Selected != model::kNoSelection)
            file.Entry(list) = box.Entries[static_cast<std::size_t>(box.Selected)];
    }
    return file;
}

TypedInputs InputsOfModel(const model::MainModel& model) {
    const CaseFile file = CaseOfModel(model);
    TypedInputs inputs;
    for (BasicInput input : kBasicInputs)
        inputs.Texts[input] = file.Text(input);
    for (MultiplierList list : kMultiplierLists) {
        if (const auto& entry = file.Entry(list))
            inputs.Picks[list] = *entry;
    }
    return inputs;
}

std::optional<Message> OpenCase(model::MainModel& model, const std::string& path) {
    CaseFileRead read = ReadCaseFile(path);
    if (!read.Case)
        return read.Refusal;
    return OpenCase(model, *read.Case, path);
}

std::optional<Message> OpenCase(model::MainModel& model, const CaseFile& file,
                                const std::string& path) {
    if (auto busy = model.ChangeRefusal())
        return busy;
    if (const auto refusal = RefusalOf(model, file))
        return CaseFileRefusal(path, *refusal);
    // Checked on a model of its own already, the case is taken whole.
    const MessageLog unused;
    Replay(model, unused, file);
    return std::nullopt;
}

std::optional<Message> SaveCase(const model::MainModel& model, const std::string& path) {
    const CaseFile file = CaseOfModel(model);
    if (const auto refusal = RefusalOf(model, file))
        return CaseFileWriteFailure(path, *refusal);
    return WriteCaseFile(path, file);
}

}  // namespace tidewell::session
