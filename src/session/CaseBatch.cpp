#include "CaseBatch.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <set>
#include <thread>

#include "case/DecimalRounding.h"
#include "case/FullPrecisionText.h"
#include "case/NumberText.h"
#include "case/SafeFile.h"
#include "model/UnstableMessage.h"
#include "report/CsvColumns.h"
#include "report/ReportFile.h"
#include "report/SweepCsv.h"

namespace tidewell::session {
namespace {

constexpr std::string_view kNameColumn = "name";

// A report file name made of the row's name when it is a plain, unused one,
// else of the row's number. Every name given is kept in `used`, so that no two
// rows write one file.
std::string ReportName(const std::string& name, std::size_t row, UsedReportNames& used) {
    const bool plain = !name.empty() && name != "." && name != ".." &&
                       name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
    if (plain && used.insert(name + ".txt").second)
        return name + ".txt";
    const std::string fallback = "row" + std::to_string(row + 1);
    std::string file = fallback + ".txt";
    for (int n = 2; !used.insert(file).second; ++n)
        file = fallback + "-" + std::to_string(n) + ".txt";
    return file;
}

bool WasSetUp(const CaseRowResult& result) {
    return !result.Refused && (result.Outcome.Run.Status == engine::RunStatus::Completed ||
                               result.Outcome.Run.Status == engine::RunStatus::Unstable);
}

std::string NameOf(const std::vector<std::string>& columns, const CsvRecord& row) {
    const auto column = std::find(columns.begin(), columns.end(), kNameColumn);
    return column == columns.end() ? std::string() : row[column - columns.begin()];
}

// Types the row into a freshly started model: its case, or nothing when the
// row is refused (then `result` says why); the indices go into `result`.
std::optional<CaseRecord> TypeRow(const std::vector<std::string>& columns, const CsvRecord& row,
                                  CaseRowResult& result) {
    TypedInputs inputs;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (!IsCleanUtf8(row[c])) {
            result.Refused = true;
            result.Message = OneLine({MessageId::BatchCellNotText, {columns[c]}});
            return std::nullopt;
        }
        if (columns[c] != kNameColumn && !row[c].empty())
            inputs.Set(columns[c], row[c]);
    }
    MessageLog log;
    model::MainModel model(log, "");
    model.FormLoad();
    if (const std::optional<Message> refusal = ApplyInputs(model, log, inputs)) {
        result.Refused = true;
        result.Message = OneLine(*refusal);
        return std::nullopt;
    }
    result.ResidenceTime = model.FieldText(model::Field::ResidenceTime);
    result.Closedness = model.FieldText(model::Field::Closedness);
    result.LoadPerVolume = model.FieldText(model::Field::LoadPerVolume);
    return model.Record();
}

}  // namespace

std::optional<Message> NoResultMessage(const engine::BatchOutcome& outcome) {
    switch (outcome.Run.Status) {
        case engine::RunStatus::Completed:
        case engine::RunStatus::Cancelled:
            return std::nullopt;
        case engine::RunStatus::Unstable:
            return model::UnstableMessage(outcome.Run.Scale);
        case engine::RunStatus::NotRun:
            break;
    }
    if (outcome.Messages.empty())
        return std::nullopt;
    return outcome.Messages.back();
}

std::string OneLine(const Message& message) {
    std::string line = message.Title() + ": " + message.Prompt();
    std::replace(line.begin(), line.end(), '\r', ' ');
    return line;
}

std::string FailureOf(const engine::BatchOutcome& outcome) {
    if (outcome.Run.Status == engine::RunStatus::Cancelled)
        return Message{MessageId::Cancelled, {}}.Title();
    const std::optional<Message> message = NoResultMessage(outcome);
    return message ? OneLine(*message) : std::string();
}

std::vector<CaseRowResult> RunCaseBatch(const CaseBatch& batch, const std::string& reportFolder,
                                        const engine::BatchProgress& progress, unsigned threads) {
    UsedReportNames used;
    return RunCaseRows(batch.Columns, batch.Rows, 0, reportFolder, used, progress, threads);
}

std::vector<CaseRowResult> RunCaseRows(const std::vector<std::string>& columns,
                                       std::span<const CsvRecord> rows, std::size_t firstRow,
                                       const std::string& reportFolder, UsedReportNames& usedNames,
                                       const engine::BatchProgress& progress, unsigned threads) {
    std::vector<CaseRowResult> results(rows.size());
    std::vector<std::optional<CaseRecord>> records(rows.size());
    // Rows are independent: they are typed on every core, a few at a time.
    std::atomic<std::size_t> next{0};
    const auto typeRows = [&] {
        constexpr std::size_t kRowsAtATime = 64;
        for (std::size_t begin; (begin = next.fetch_add(kRowsAtATime)) < rows.size();) {
            for (std::size_t r = begin; r < std::min(begin + kRowsAtATime, rows.size()); ++r)
                records[r] = TypeRow(columns, rows[r], results[r]);
        }
    };
    {
        const unsigned cores = threads > 0 ? threads : std::thread::hardware_concurrency();
        std::vector<std::jthread> workers(std::max(1u, cores) - 1);
        for (std::jthread& worker : workers)
            worker = std::jthread(typeRows);
        typeRows();
    }
    // Report names depend on the rows before: given in order.
    std::vector<CaseRecord> cases;
    std::vector<std::size_t> rowOfCase;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!records[r])
            continue;
        if (!reportFolder.empty()) {
            results[r].ReportPath =
                reportFolder + "/" + ReportName(NameOf(columns, rows[r]), firstRow + r, usedNames);
        }
        cases.push_back(std::move(*records[r]));
        rowOfCase.push_back(r);
    }
    const engine::BatchReports reports = [&](std::size_t i) -> std::unique_ptr<engine::RunReport> {
        const std::string& path = results[rowOfCase[i]].ReportPath;
        return path.empty() ? nullptr : std::make_unique<report::ReportFile>(path);
    };
    std::vector<engine::BatchOutcome> outcomes =
        engine::RunBatch(cases, progress, threads, reports);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        CaseRowResult& result = results[rowOfCase[i]];
        result.Outcome = std::move(outcomes[i]);
        result.Message = FailureOf(result.Outcome);
        if (const auto& failure = result.Outcome.Run.ReportError) {
            result.ReportFailed = true;
            result.Message = OneLine({MessageId::ReportWriteFailed, {result.ReportPath, *failure}});
        }
    }
    return results;
}

std::string CaseBatchCsvHeader(const std::vector<std::string>& columns) {
    std::string csv = std::string(kNameColumn);
    for (const std::string& column : columns) {
        if (column != kNameColumn)
            csv += "," + column;
    }
    return csv + ",residence-time,closedness,load-per-volume,time-step,step-count,status,mean," +
           "result," + report::CellColumns() + ",message\n";
}

CaseRowColumns RowColumns(const CaseRowResult& result) {
    const engine::BatchOutcome& outcome = result.Outcome;
    CaseRowColumns columns;
    columns.ResidenceTime = result.ResidenceTime;
    columns.Closedness = result.Closedness;
    columns.LoadPerVolume = result.LoadPerVolume;
    if (WasSetUp(result)) {
        columns.TimeStep = outcome.TimeStep;
        columns.StepCount = outcome.Run.StepCount;
    }
    columns.Status = result.Refused ? "refused" : report::StatusWord(outcome.Run.Status);
    if (result.HasResult()) {
        columns.Mean = outcome.Mean;
        columns.Result = DisplayText(RoundDecimals(outcome.Mean, 2));
        for (std::size_t cell = 0; cell < outcome.Cells.size(); ++cell)
            columns.Cells[cell] = outcome.Cells[cell];
    }
    columns.Message = result.Message;
    return columns;
}

namespace {

// A list entry written as another text of its number is written as the
// entry it picked, as a case file keeps it; anything else as given.
std::string GivenCell(const std::string& column, const std::string& cell) {
    if (const std::optional<MultiplierList> list = ListNamed(column)) {
        if (const std::optional<std::string_view> entry = EntryNamed(*list, cell))
            return std::string(*entry);
    }
    return CleanUtf8(cell);
}

}  // namespace

std::string CaseBatchCsvRow(const std::vector<std::string>& columns, const CsvRecord& row,
                            const CaseRowResult& result) {
    std::string name, given;
    for (std::size_t c = 0; c < columns.size() && c < row.size(); ++c) {
        if (columns[c] == kNameColumn)
            name = CleanUtf8(row[c]);
        else
            given += "," + CsvField(GivenCell(columns[c], row[c]));
    }
    const CaseRowColumns values = RowColumns(result);
    const auto number = [](const std::optional<double>& value) {
        return value ? SeventeenDigits(*value) : std::string();
    };
    std::string csv = CsvField(name) + given + "," + CsvField(values.ResidenceTime) + "," +
                      CsvField(values.Closedness) + "," + CsvField(values.LoadPerVolume) + "," +
                      number(values.TimeStep) + "," +
                      (values.StepCount ? std::to_string(*values.StepCount) : "") + "," +
                      values.Status + "," + number(values.Mean) + "," +
                      (values.Result.empty() ? "" : CsvField(values.Result));
    for (const std::optional<double>& cell : values.Cells)
        csv += "," + number(cell);
    return csv + "," + CsvField(values.Message) + "\n";
}

std::string CaseBatchCsv(const CaseBatch& batch, const std::vector<CaseRowResult>& results) {
    std::string csv = CaseBatchCsvHeader(batch.Columns);
    for (std::size_t r = 0; r < results.size() && r < batch.Rows.size(); ++r)
        csv += CaseBatchCsvRow(batch.Columns, batch.Rows[r], results[r]);
    return csv;
}

}  // namespace tidewell::session
