#include "CaseBatch.h"

#include <algorithm>
#include <memory>
#include <set>

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
constexpr std::size_t kMaxTableBytes = std::size_t{64} << 20;

bool IsKnownColumn(std::string_view column) {
    const std::vector<std::string_view> names = InputNames();
    return column == kNameColumn || std::find(names.begin(), names.end(), column) != names.end();
}

// A report file name made of the row's name when it is a plain, unused one,
// else of the row's number. Every name given is kept in `used`, so that no two
// rows write one file.
std::string ReportName(const std::string& name, std::size_t row, std::set<std::string>& used) {
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

CaseBatchRead ParseCaseBatch(std::string_view text) {
    CsvTable table = ReadCsv(text);
    if (!table.Error.empty())
        return {std::nullopt, "line " + std::to_string(table.ErrorLine) + ": " + table.Error};
    if (table.Records.empty())
        return {std::nullopt, "no header line naming the columns"};
    CaseBatch batch;
    batch.Columns = std::move(table.Records.front());
    batch.Rows.assign(std::make_move_iterator(table.Records.begin() + 1),
                      std::make_move_iterator(table.Records.end()));
    return CheckCaseBatch(std::move(batch));
}

CaseBatchRead ReadCaseBatch(const std::string& path) {
    const FileRead file = ReadSmallFile(path, kMaxTableBytes);
    CaseBatchRead read = file.Bytes ? ParseCaseBatch(*file.Bytes)
                                    : CaseBatchRead{std::nullopt, file.Problem.Prompt()};
    if (!read.Batch)
        read.Problem = path + ": " + read.Problem;
    return read;
}

CaseBatchRead CheckCaseBatch(CaseBatch batch) {
    for (std::size_t i = 0; i < batch.Columns.size(); ++i) {
        const std::string& column = batch.Columns[i];
        if (!IsKnownColumn(column))
            return {std::nullopt, "unknown column '" + column + "'"};
        if (std::find(batch.Columns.begin(), batch.Columns.begin() + static_cast<long>(i),
                      column) != batch.Columns.begin() + static_cast<long>(i))
            return {std::nullopt, "column '" + column + "' is given twice"};
    }
    for (std::size_t r = 0; r < batch.Rows.size(); ++r) {
        if (batch.Rows[r].size() != batch.Columns.size())
            return {std::nullopt, "row " + std::to_string(r + 1) + " has " +
                                      std::to_string(batch.Rows[r].size()) + " cells, the header " +
                                      std::to_string(batch.Columns.size())};
    }
    return {std::move(batch), {}};
}

std::vector<CaseRowResult> RunCaseBatch(const CaseBatch& batch, const std::string& reportFolder,
                                        const engine::BatchProgress& progress, unsigned threads) {
    std::vector<CaseRowResult> results(batch.Rows.size());
    std::vector<CaseRecord> cases;
    std::vector<std::size_t> rowOfCase;
    std::set<std::string> usedNames;
    for (std::size_t r = 0; r < batch.Rows.size(); ++r) {
        TypedInputs inputs;
        std::string name;
        for (std::size_t c = 0; c < batch.Columns.size(); ++c) {
            const std::string& cell = batch.Rows[r][c];
            if (batch.Columns[c] == kNameColumn)
                name = cell;
            else if (!cell.empty())
                inputs.Set(batch.Columns[c], cell);
        }
        MessageLog log;
        model::MainModel model(log, "");
        model.FormLoad();
        CaseRowResult& result = results[r];
        if (const std::optional<Message> refusal = ApplyInputs(model, log, inputs)) {
            result.Refused = true;
            result.Message = OneLine(*refusal);
            continue;
        }
        result.ResidenceTime = model.FieldText(model::Field::ResidenceTime);
        result.Closedness = model.FieldText(model::Field::Closedness);
        result.LoadPerVolume = model.FieldText(model::Field::LoadPerVolume);
        if (!reportFolder.empty())
            result.ReportPath = reportFolder + "/" + ReportName(name, r, usedNames);
        cases.push_back(model.Record());
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

CaseRowColumns RowColumns(const CaseRowResult& result) {
    const engine::BatchOutcome& outcome = result.Outcome;
    const bool setUp = WasSetUp(result);
    const bool hasResult = result.HasResult();
    CaseRowColumns columns;
    columns.ResidenceTime = result.ResidenceTime;
    columns.Closedness = result.Closedness;
    columns.LoadPerVolume = result.LoadPerVolume;
    if (setUp) {
        columns.TimeStep = outcome.TimeStep;
        columns.StepCount = outcome.Run.StepCount;
    }
    columns.Status = result.Refused ? "refused" : report::StatusWord(outcome.Run.Status);
    if (hasResult) {
        columns.Mean = outcome.Mean;
        columns.Result = DisplayText(RoundDecimals(outcome.Mean, 2));
        for (std::size_t cell = 0; cell < outcome.Cells.size(); ++cell)
            columns.Cells[cell] = outcome.Cells[cell];
    }
    columns.Message = result.Message;
    return columns;
}

std::string CaseBatchCsv(const CaseBatch& batch, const std::vector<CaseRowResult>& results) {
    const auto number = [](const std::optional<double>& value) {
        return value ? SeventeenDigits(*value) : std::string();
    };
    std::string csv = std::string(kNameColumn);
    for (const std::string& column : batch.Columns) {
        if (column != kNameColumn)
            csv += "," + column;
    }
    csv += ",residence-time,closedness,load-per-volume,time-step,step-count,status,mean,result," +
           report::CellColumns() + ",message\n";
    for (std::size_t r = 0; r < results.size() && r < batch.Rows.size(); ++r) {
        std::string name, given;
        for (std::size_t c = 0; c < batch.Columns.size(); ++c) {
            if (batch.Columns[c] == kNameColumn)
                name = batch.Rows[r][c];
            else
                given += "," + CsvField(batch.Rows[r][c]);
        }
        const CaseRowColumns row = RowColumns(results[r]);
        csv += CsvField(name) + given + "," + CsvField(row.ResidenceTime) + "," +
               CsvField(row.Closedness) + "," + CsvField(row.LoadPerVolume) + "," +
               number(row.TimeStep) + "," +
               (row.StepCount ? std::to_string(*row.StepCount) : std::string()) + "," + row.Status +
               "," + number(row.Mean) + "," + CsvField(row.Result);
        for (const std::optional<double>& cell : row.Cells)
            csv += "," + number(cell);
        csv += "," + CsvField(row.Message) + "\n";
    }
    return csv;
}

}  // namespace tidewell::session
