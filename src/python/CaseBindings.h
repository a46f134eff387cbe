#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "case/MessageLog.h"
#include "model/MainModel.h"
#include "session/TypedInputs.h"

// A case as the Python module keeps it: the inputs the user gave, as
// (name, text) pairs in the order given, entered into a freshly started
// window model exactly as the command line enters its options.
namespace tidewell::python {

using GivenInputs = std::vector<std::pair<std::string, std::string>>;

session::TypedInputs TypedOf(const GivenInputs& given);

// A started window model with its message log (which answers yes to a long
// run, as the command line does).
struct StartedModel {
    MessageLog Log;
    model::MainModel Model;

    explicit StartedModel(const std::string& reportPath = "");
};

// (name, title, prompt) of a refusal, for the module's RefusedInput.
pybind11::tuple RefusalTuple(const session::NamedRefusal& refusal);
pybind11::tuple MessageTuple(const Message& message);

void BindCase(pybind11::module_& module);

}  // namespace tidewell::python
