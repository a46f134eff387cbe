#include "CaseBindings.h"

#include <pybind11/stl.h>

#include "case/NumberText.h"
#include "session/CaseFileCommands.h"

namespace py = pybind11;

namespace tidewell::python {
namespace {

// The six texts and three entries the model's fields and lists hold, by name.
py::dict TextsOf(const model::MainModel& model) {
    const CaseFile file = session::CaseOfModel(model);
    py::dict texts;
    for (BasicInput input : kBasicInputs)
        texts[py::str(std::string(InputName(input)))] = file.Text(input);
    for (MultiplierList list : kMultiplierLists) {
        const std::optional<std::string>& entry = file.Entry(list);
        texts[py::str(std::string(ListName(list)))] =
            entry ? py::object(py::str(*entry)) : py::none();
    }
    return texts;
}

// The effective texts, or the refusal, of the given inputs.
py::tuple EnterInputs(const GivenInputs& given) {
    StartedModel started;
    if (const auto refusal = session::ApplyNamedInputs(started.Model, started.Log, TypedOf(given)))
        return py::make_tuple(py::none(), RefusalTuple(*refusal));
    return py::make_tuple(TextsOf(started.Model), py::none());
}

py::tuple OpenCase(const std::string& path) {
    StartedModel started;
    if (const std::optional<Message> refusal = session::OpenCase(started.Model, path))
        return py::make_tuple(py::none(), MessageTuple(*refusal));
    return py::make_tuple(TextsOf(started.Model), py::none());
}

py::object SaveCase(const GivenInputs& given, const std::string& path) {
    StartedModel started;
    if (const auto refusal = session::ApplyNamedInputs(started.Model, started.Log, TypedOf(given)))
        return MessageTuple(refusal->Said);
    if (const std::optional<Message> failure = session::SaveCase(started.Model, path))
        return MessageTuple(*failure);
    return py::none();
}

// The nine inputs as the case layer's tables give them: name, description,
// unit (the basic conditions) and entries (the lists).
py::list InputTableRows() {
    py::list rows;
    for (const InputInfo& info : InputTable())
        rows.append(py::make_tuple(info.Name, info.Description, info.Unit, py::none()));
    for (const ListInfo& info : ListTable()) {
        py::list entries;
        for (std::string_view entry : info.Entries)
            entries.append(py::str(std::string(entry)));
        rows.append(py::make_tuple(info.Name, info.Description, py::none(), entries));
    }
    return rows;
}

}  // namespace

session::TypedInputs TypedOf(const GivenInputs& given) {
    session::TypedInputs typed;
    for (const auto& [name, text] : given) {
        if (!typed.Set(name, text))
            throw py::value_error("no input is named '" + name + "'");
    }
    return typed;
}

StartedModel::StartedModel(const std::string& reportPath) : Model(Log, reportPath) {
    Log.Answer = true;
    Model.FormLoad();
}

py::tuple RefusalTuple(const session::NamedRefusal& refusal) {
    return py::make_tuple(refusal.Name, refusal.Said.Title(), refusal.Said.Prompt(),
                          static_cast<int>(refusal.Said.Id));
}

py::tuple MessageTuple(const Message& message) {
    return py::make_tuple(message.Title(), message.Prompt(), static_cast<int>(message.Id));
}

void BindCase(py::module_& module) {
    module.def("enter_inputs", &EnterInputs, py::arg("given"),
               "Enters (name, text) pairs into a freshly started window model; returns "
               "(texts by name, None) or (None, (name, title, prompt)) of the first refusal.");
    module.def("open_case", &OpenCase, py::arg("path"),
               "Opens a case file in a freshly started window model; returns (texts by name, "
               "None) or (None, (title, prompt)).");
    module.def("save_case", &SaveCase, py::arg("given"), py::arg("path"),
               "Saves the case of the given inputs; None, or (title, prompt) of the failure.");
    module.def(
        "display_text", [](double value) { return DisplayText(value); }, py::arg("value"),
        "A number as the window writes it: ' 1000', ' .5', '-2.5'.");
    module.def(
        "given_text",
        [](const std::string& name, const std::string& text) {
            const std::optional<MultiplierList> list = ListNamed(name);
            const auto entry = list ? EntryNamed(*list, text) : std::nullopt;
            return entry ? std::string(*entry) : text;
        },
        py::arg("name"), py::arg("text"),
        "The text a batch row echoes for input `name`: a list entry written as another "
        "text of its number as that entry (\"05\" -> \"5.0\"), anything else as given.");
    module.def("input_table", &InputTableRows,
               "(name, description, unit, entries) of the six basic conditions in field "
               "order, then of the three lists (unit None, entries their texts).");
}

}  // namespace tidewell::python
