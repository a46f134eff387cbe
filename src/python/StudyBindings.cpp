#include "StudyBindings.h"

#include <pybind11/stl.h>

#include <array>
#include <optional>
#include <string>

#include "CaseBindings.h"
#include "Interrupts.h"
#include "session/Calibration.h"
#include "session/CalibrationJson.h"
#include "session/CaseFileCommands.h"
#include "session/SpreadFile.h"
#include "session/Uncertainty.h"
#include "session/UncertaintyJson.h"
#include "session/UncertaintySummary.h"

namespace py = pybind11;

namespace tidewell::python {
namespace {

// (summary JSON, samples CSV), or the refusal of an input or of the spreads
// as a ("refused" | "spread", tuple) pair.
py::object Uncertainty(const GivenInputs& given, const std::string& spreadText, std::size_t samples,
                       std::uint64_t seed, unsigned threads) {
    StartedModel started;
    if (const auto refusal = session::ApplyNamedInputs(started.Model, started.Log, TypedOf(given)))
        return py::make_tuple("refused", RefusalTuple(*refusal));
    const session::SpreadFileParse spreads = session::ParseSpreadFile(spreadText);
    if (!spreads.Spread)
        return py::make_tuple("spread", MessageTuple(spreads.Problem));
    const session::UncertaintyPlan plan{*spreads.Spread, samples, seed, threads};
    const CaseFile theCase = session::CaseOfModel(started.Model);
    Interrupts interrupts;
    session::UncertaintyRun run;
    {
        const py::gil_scoped_release released;
        run = session::RunUncertainty(
            theCase, plan, [&](std::size_t, std::size_t) { return interrupts.Continue(); });
    }
    interrupts.RaiseIfInterrupted();
    const session::UncertaintySummary summary = session::SummariseUncertainty(run, plan.Spread);
    return py::make_tuple(session::UncertaintyJson(plan, run, summary), session::SamplesCsv(run));
}

// (JSON, problem tuple or None), or ("refused", tuple) for a refused input.
py::object Solve(const GivenInputs& given, const std::string& input, std::optional<double> mean,
                 const std::array<std::optional<double>, engine::kBayCellCount>& cells) {
    const std::optional<session::CalibratedInput> solved = session::CalibratedInputNamed(input);
    if (!solved)
        throw py::value_error("no input is named '" + input + "'");
    StartedModel started;
    if (const auto refusal = session::ApplyNamedInputs(started.Model, started.Log, TypedOf(given)))
        return py::make_tuple("refused", RefusalTuple(*refusal));
    const session::CalibrationRequest request{
        session::InputsOfModel(started.Model), *solved, {mean, cells}};
    Interrupts interrupts;
    session::Calibration result;
    {
        const py::gil_scoped_release released;
        result = session::Calibrate(request, [&](int) { return interrupts.Continue(); });
    }
    interrupts.RaiseIfInterrupted();
    return py::make_tuple(
        session::CalibrationJson(*solved, result),
        result.Problem ? py::object(MessageTuple(*result.Problem)) : py::object(py::none()));
}

}  // namespace

void BindStudies(py::module_& module) {
    module.def("uncertainty", &Uncertainty, py::arg("given"), py::arg("spreads"),
               py::arg("samples"), py::arg("seed"), py::arg("threads"),
               "Samples a case's basic conditions from spreads given as JSON text; returns "
               "(summary JSON, samples CSV) as tidewell-cli --uncertainty writes them.");
    module.def("solve", &Solve, py::arg("given"), py::arg("input"), py::arg("mean"),
               py::arg("cells"),
               "Solves one input for a bay mean or observed cells; returns (JSON as "
               "tidewell-cli --solve-for prints it, problem message or None).");
}

}  // namespace tidewell::python
