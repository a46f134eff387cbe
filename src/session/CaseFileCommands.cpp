#include "CaseFileCommands.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tidewell::session {
namespace {

// Text1, Text2, Text4, Text7, Text8 and Text9, by BasicInput.
constexpr std::array<int, kBasicInputs.size()> kFieldOfInput{1, 2, 4, 7, 8, 9};

int FieldOf(BasicInput input) {
    return kFieldOfInput[static_cast<std::size_t>(input)];
}

int ListOf(MultiplierList list) {
    return static_cast<int>(list) + 1;
}

class RecordingSink final : public MessageSink {
  public:
    void Show(const Message& message) override { Shown.push_back(message); }
    std::vector<Message> Shown;
};

// Types the text so that the field's handler runs even when the field shows
// it already: a blank after a number leaves its value, so the detour through
// it changes nothing but the stored text.
void TypeText(model::MainModel& model, int field, const std::string& text) {
    if (model.FieldText(field) == text)
        model.SetFieldText(field, text + " ");
    model.SetFieldText(field, text);
}

std::optional<int> IndexOf(const model::ListBox& box, const std::string& entry) {
    const auto found = std::find(box.Entries.begin(), box.Entries.end(), entry);
    if (found == box.Entries.end())
        return std::nullopt;
    return static_cast<int>(found - box.Entries.begin());
}

// Applies the case as a user would. With `watched`, stops at the first
// message it receives and returns what was refused and why.
std::optional<Message> Replay(model::MainModel& model, const CaseFile& file,
                              const RecordingSink* watched) {
    model.Command3_Click();
    for (BasicInput input : kBasicInputs) {
        TypeText(model, FieldOf(input), file.Text(input));
        if (watched && !watched->Shown.empty()) {
            const Message& refusal = watched->Shown.front();
            return Message{MessageId::InputRefused,
                           {std::string(InputName(input)), file.Text(input),
                            MessageArg::TitleOf(refusal), refusal}};
        }
    }
    for (MultiplierList list : kMultiplierLists) {
        const auto& entry = file.Entry(list);
        if (!entry)
            continue;
        const auto index = IndexOf(model.List(ListOf(list)), *entry);
        if (!index)
            return Message{MessageId::EntryNotListed, {std::string(ListName(list)), *entry}};
        model.SelectListEntry(ListOf(list), *index);
    }
    return std::nullopt;
}

// Why the case cannot be opened, found on a model of its own.
std::optional<Message> RefusalOf(const model::MainModel& model, const CaseFile& file) {
    RecordingSink messages;
    model::MainModel scratch(messages, model.ReportPath());
    scratch.FormLoad();
    return Replay(scratch, file, &messages);
}

}  // namespace

CaseFile CaseOfModel(const model::MainModel& model) {
    CaseFile file;
    for (BasicInput input : kBasicInputs)
        file.Text(input) = model.FieldText(FieldOf(input));
    for (MultiplierList list : kMultiplierLists) {
        const model::ListBox& box = model.List(ListOf(list));
        if (box.Selected != model::kNoSelection)
            file.Entry(list) = box.Entries[static_cast<std::size_t>(box.Selected)];
    }
    return file;
}

std::optional<Message> OpenCase(model::MainModel& model, const std::string& path) {
    CaseFileRead read = ReadCaseFile(path);
    if (!read.Case)
        return read.Refusal;
    return OpenCase(model, *read.Case, path);
}

std::optional<Message> OpenCase(model::MainModel& model, const CaseFile& file,
                                const std::string& path) {
    if (const auto refusal = RefusalOf(model, file))
        return CaseFileRefusal(path, *refusal);
    Replay(model, file, nullptr);
    return std::nullopt;
}

std::optional<Message> SaveCase(const model::MainModel& model, const std::string& path) {
    const CaseFile file = CaseOfModel(model);
    if (const auto refusal = RefusalOf(model, file))
        return CaseFileWriteFailure(path, *refusal);
    return WriteCaseFile(path, file);
}

}  // namespace tidewell::session
