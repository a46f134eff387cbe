#include "RunBindings.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <optional>

#include "CaseBindings.h"
#include "Interrupts.h"
#include "engine/SteadyState.h"
#include "report/SweepCsv.h"
#include "session/CaseBatch.h"
#include "session/StepLimit.h"

namespace py = pybind11;

namespace tidewell::python {
namespace {

py::list MessagesOf(const MessageLog& log) {
    py::list messages;
    for (const Message& message : log.Shown)
        messages.append(MessageTuple(message));
    return messages;
}

// Day and the five cells per row.
py::array_t<double> SeriesArray(const std::vector<engine::SeriesRow>& rows) {
    py::array_t<double> series({static_cast<py::ssize_t>(rows.size()), py::ssize_t{6}});
    auto cells = series.mutable_unchecked<2>();
    for (py::ssize_t r = 0; r < static_cast<py::ssize_t>(rows.size()); ++r) {
        const engine::SeriesRow& row = rows[static_cast<std::size_t>(r)];
        cells(r, 0) = row.Day;
        for (py::ssize_t c = 0; c < 5; ++c)
            cells(r, c + 1) = row.Cells[static_cast<std::size_t>(c)];
    }
    return series;
}

// The model's state after the run, as the command line's JSON gives it.
py::dict Outcome(const StartedModel& started, const engine::RunResult& run,
                 const std::string& status) {
    const model::MainModel& model = started.Model;
    const engine::ModelState& bay = model.Bay();
    const bool hasResult = run.Status == engine::RunStatus::Completed;
    const bool setUp = hasResult || run.Status == engine::RunStatus::Unstable;
    py::dict outcome;
    outcome["status"] = status;
    py::list fields, lists, cells;
    for (int field = 1; field <= model::kFieldCount; ++field)
        fields.append(model.FieldText(field));
    for (int list = 1; list <= model::kListCount; ++list)
        lists.append(model.List(list).Selected);
    for (int cell = 1; cell <= engine::kBayCellCount; ++cell)
        cells.append(bay.CellConc[engine::kTemperature][cell]);
    outcome["fields"] = fields;
    outcome["lists"] = lists;
    outcome["cells"] = cells;
    outcome["mean"] = hasResult ? py::object(py::float_(bay.BayMeanConc[engine::kTemperature]))
                                : py::object(py::none());
    outcome["time_step"] = bay.TimeStep;
    outcome["calc_days"] = bay.CalcDays;
    outcome["step_count"] = run.StepCount;
    outcome["steady_state"] =
        hasResult ? py::object(py::cast(engine::SteadyState(bay))) : py::object(py::none());
    outcome["series"] = setUp ? SeriesArray(model.Series().Rows()) : SeriesArray({});
    outcome["messages"] = MessagesOf(started.Log);
    outcome["report_error"] =
        run.ReportError ? py::object(py::str(session::OneLine(*run.ReportError))) : py::none();
    return outcome;
}

py::dict Run(const GivenInputs& given, const std::string& reportPath,
             std::optional<std::int64_t> maxSteps) {
    const session::TypedInputs typed = TypedOf(given);
    StartedModel started(reportPath);
    Interrupts interrupts;
    engine::RunResult run;
    std::optional<session::NamedRefusal> refusal;
    bool tooLong = false;
    {
        const py::gil_scoped_release released;
        refusal = session::ApplyNamedInputs(started.Model, started.Log, typed);
        if (!refusal && maxSteps) {
            if (const auto limit = session::StepLimitRefusal(started.Model.Record(), *maxSteps)) {
                started.Log.Show(*limit);
                tooLong = true;
            }
        }
        if (!refusal && !tooLong) {
            started.Model.SetRunProgress(
                [&](std::int64_t, std::int64_t) { return interrupts.Continue(); });
            run = started.Model.Command1_Click();
        }
    }
    interrupts.RaiseIfInterrupted();
    if (refusal) {
        py::dict outcome = Outcome(started, run, "refused");
        outcome["refusal"] = RefusalTuple(*refusal);
        return outcome;
    }
    return Outcome(started, run, tooLong ? "cannot-run" : report::StatusWord(run.Status));
}

}  // namespace

void BindRun(py::module_& module) {
    module.def("run", &Run, py::arg("given"), py::arg("report_path"), py::arg("max_steps"),
               "Enters the given inputs into a freshly started window model and presses "
               "calculate, with the GIL released; the report goes to report_path (none when "
               "empty). Returns what the window then shows as a dict.");
}

}  // namespace tidewell::python
