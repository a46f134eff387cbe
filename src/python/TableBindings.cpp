#include "TableBindings.h"

#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <vector>

#include "CaseBindings.h"
#include "Interrupts.h"
#include "engine/MultiplierSweep.h"
#include "report/SweepCsv.h"
#include "session/CaseBatch.h"

namespace py = pybind11;

namespace tidewell::python {
namespace {

py::object Number(const std::optional<double>& value) {
    return value ? py::object(py::float_(*value)) : py::object(py::none());
}

// The five cell columns, "cell1" .. "cell5", each a list.
std::vector<py::list> CellLists() {
    return std::vector<py::list>(engine::kBayCellCount);
}

void AddCells(py::dict& columns, const std::vector<py::list>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
        columns[py::str("cell" + std::to_string(c + 1))] = cells[c];
}

template <typename Run>
auto WithoutGil(Interrupts& interrupts, const Run& run) {
    const engine::BatchProgress progress = [&](std::size_t, std::size_t) {
        return interrupts.Continue();
    };
    const py::gil_scoped_release released;
    return run(progress);
}

py::object Sweep(const GivenInputs& given, unsigned threads) {
    const session::TypedInputs typed = TypedOf(given);
    StartedModel started;
    if (const auto refusal = session::ApplyNamedInputs(started.Model, started.Log, typed))
        return RefusalTuple(*refusal);
    const std::vector<engine::SweepCombination> combinations = engine::AllCombinations();
    const std::vector<CaseRecord> cases = engine::SweepCases(started.Model.Record(), combinations);
    Interrupts interrupts;
    const std::vector<engine::BatchOutcome> outcomes =
        WithoutGil(interrupts, [&](const engine::BatchProgress& progress) {
            return engine::RunBatch(cases, progress, threads);
        });
    interrupts.RaiseIfInterrupted();

    py::dict columns;
    std::vector<py::list> entries(kMultiplierLists.size()), cells = CellLists();
    py::list status, mean;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        for (std::size_t l = 0; l < kMultiplierLists.size(); ++l) {
            const MultiplierList list = kMultiplierLists[l];
            const auto entry = static_cast<std::size_t>(combinations[i].Entry(list));
            entries[l].append(std::string(ListEntries(list)[entry]));
        }
        const engine::BatchOutcome& outcome = outcomes[i];
        const bool hasResult = outcome.Run.Status == engine::RunStatus::Completed;
        status.append(report::StatusWord(outcome.Run.Status));
        mean.append(Number(hasResult ? std::optional(outcome.Mean) : std::nullopt));
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c].append(Number(hasResult ? std::optional(outcome.Cells[c]) : std::nullopt));
    }
    for (std::size_t l = 0; l < kMultiplierLists.size(); ++l)
        columns[py::str(std::string(ListName(kMultiplierLists[l])))] = entries[l];
    columns["status"] = status;
    columns["mean"] = mean;
    AddCells(columns, cells);
    return columns;
}

py::dict Batch(std::vector<std::string> names, std::vector<CsvRecord> rows, unsigned threads,
               const std::string& reportFolder) {
    session::CaseBatchRead read = session::CheckCaseBatch({std::move(names), std::move(rows)});
    if (!read.Batch)
        throw py::value_error(session::OneLine(*read.Problem));
    const session::CaseBatch& batch = *read.Batch;
    Interrupts interrupts;
    const std::vector<session::CaseRowResult> results =
        WithoutGil(interrupts, [&](const engine::BatchProgress& progress) {
            return session::RunCaseBatch(batch, reportFolder, progress, threads);
        });
    interrupts.RaiseIfInterrupted();

    py::list residence, closedness, load, timeStep, stepCount, status, mean, result, message;
    std::vector<py::list> cells = CellLists();
    for (const session::CaseRowResult& row : results) {
        const session::CaseRowColumns values = session::RowColumns(row);
        residence.append(values.ResidenceTime);
        closedness.append(values.Closedness);
        load.append(values.LoadPerVolume);
        timeStep.append(Number(values.TimeStep));
        stepCount.append(values.StepCount ? py::object(py::int_(*values.StepCount)) : py::none());
        status.append(values.Status);
        mean.append(Number(values.Mean));
        result.append(values.Result);
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c].append(Number(values.Cells[c]));
        message.append(values.Message);
    }
    py::dict columns;
    columns["residence-time"] = residence;
    columns["closedness"] = closedness;
    columns["load-per-volume"] = load;
    columns["time-step"] = timeStep;
    columns["step-count"] = stepCount;
    columns["status"] = status;
    columns["mean"] = mean;
    columns["result"] = result;
    AddCells(columns, cells);
    columns["message"] = message;
    return columns;
}

}  // namespace

void BindTables(py::module_& module) {
    module.def("sweep", &Sweep, py::arg("given"), py::arg("threads"),
               "Every combination of the three lists for the case of the given inputs, on "
               "`threads` workers (0: one per core); the columns by name, or (name, title, "
               "prompt) when an input is refused.");
    module.def("batch", &Batch, py::arg("columns"), py::arg("rows"), py::arg("threads"),
               py::arg("report_dir"),
               "Runs a table of cases (input names or 'name' as columns, texts as cells) as "
               "the command line's batch does; returns the result columns by name.");
}

}  // namespace tidewell::python
