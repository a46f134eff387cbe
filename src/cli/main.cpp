// tidewell-cli: drives the window's model the way a user drives the window.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "CliProgress.h"
#include "JsonReport.h"
#include "case/FullPrecisionText.h"
#include "case/SafeFile.h"
#include "engine/SteadyState.h"
#include "model/MainModel.h"
#include "report/SeriesCsv.h"
#include "report/SweepCsv.h"
#include "session/Calibration.h"
#include "session/CalibrationJson.h"
#include "session/CaseBatch.h"
#include "session/CaseBatchStream.h"
#include "session/CaseFileCommands.h"
#include "session/StepLimit.h"
#include "session/TypedInputs.h"
#include "session/Uncertainty.h"
#include "session/UncertaintyJson.h"
#include "session/UncertaintySummary.h"
#include "tidewell/Version.h"

namespace {

using namespace tidewell;

enum ExitStatus { kSuccess = 0, kRefused = 2, kNoResult = 3, kWriteFailed = 4 };

// Prints each message to standard error as "title:prompt".
class PrintedMessages final : public MessageSink {
  public:
    void Show(const Message& message) override {
        if (Progress != nullptr)
            Progress->Finish();  // a message starts on a clean line
        std::string prompt = message.Prompt();
        for (char& c : prompt) {
            if (c == '\r')
                c = '\n';
        }
        std::cerr << message.Title() << ":" << prompt << "\n";
    }
    // A question, then the answer the command line gave it.
    void Answered(const Message& question, bool answer) {
        Show(question);
        if (answer)
            std::cerr << Message{MessageId::AnsweredYes, {}}.Prompt() << "\n";
    }
    cli::ProgressLine* Progress = nullptr;
};

void PrintResult(std::ostream& out, const model::MainModel& model) {
    out << model.FieldText(16) << "\n";
    for (int cell = 1; cell <= 5; ++cell) {
        out << (cell > 1 ? " " : "")
            << SeventeenDigits(model.Bay().CellConc[engine::kTemperature][cell]);
    }
    out << "\n";
}

int CancelStatus() {
    return 128 + cli::CancelSignal;
}

int StatusOf(const engine::RunResult& run) {
    if (run.Status == engine::RunStatus::Cancelled && cli::CancelSignal != 0)
        return CancelStatus();
    if (run.Status != engine::RunStatus::Completed)
        return kNoResult;
    return run.ReportError ? kWriteFailed : kSuccess;
}

// True when the planned run is longer than the user allows (and says so).
bool TooLong(const model::MainModel& model, const cli::CliOptions& options, MessageSink& messages) {
    if (!options.MaxSteps)
        return false;
    const std::optional<Message> refusal =
        session::StepLimitRefusal(model.Record(), *options.MaxSteps);
    if (refusal)
        messages.Show(*refusal);
    return refusal.has_value();
}

// Writes a whole file the user asked for, or standard output for "-"; false
// (and says why) when it cannot be written.
bool WriteOutput(const std::string& path, const std::string& text) {
    if (path == report::kStandardOutput) {
        std::cout << text;
        return true;
    }
    if (const std::optional<Message> failure = WriteFileSafely(path, text)) {
        std::cerr << "tidewell-cli: cannot write " << path << ": " << failure->Prompt() << "\n";
        return false;
    }
    return true;
}

// Flushes what was printed; a failure (a full disk, a closed pipe) is an error.
int Finish(std::ostream& out, int status) {
    out.flush();
    if (!out) {
        std::cerr << "tidewell-cli: cannot write the output: " << std::strerror(errno) << "\n";
        return kWriteFailed;
    }
    return status;
}

cli::ProgressLine TerminalProgress(std::string unit = {}) {
    return cli::ProgressLine(::isatty(STDERR_FILENO) ? stderr : nullptr, std::move(unit));
}

// Every combination of the lists for the model's basic conditions.
int RunSweep(const model::MainModel& model, const cli::CliOptions& options) {
    const std::vector<engine::SweepCombination> combinations = engine::AllCombinations();
    const std::vector<CaseRecord> cases = engine::SweepCases(model.Record(), combinations);
    cli::WatchCancelSignals();
    cli::ProgressLine progress = TerminalProgress("件");
    const std::vector<engine::BatchOutcome> outcomes = engine::RunBatch(
        cases,
        [&](std::size_t done, std::size_t total) {
            return progress.Update(static_cast<std::int64_t>(done),
                                   static_cast<std::int64_t>(total));
        },
        options.Threads);
    progress.Finish();
    if (cli::CancelSignal != 0)
        return CancelStatus();
    if (!WriteOutput(options.SweepPath, report::SweepCsv(combinations, outcomes)))
        return kWriteFailed;
    return Finish(std::cout, kSuccess);
}

// The value of one input that makes the case match the target; no report.
int SolveFor(const model::MainModel& model, const cli::CliOptions& options, MessageSink& messages) {
    const session::CalibratedInput input = *options.SolveFor;
    const session::Calibration result =
        session::Calibrate({session::InputsOfModel(model), input, options.Target});
    if (result.Problem)
        messages.Show(*result.Problem);
    std::cout << session::CalibrationJson(input, result) << "\n";
    return Finish(std::cout,
                  result.Status == session::CalibrationStatus::Solved ? kSuccess : kNoResult);
}

int RunBatchFile(const cli::CliOptions& options) {
    if (!options.ReportFolder.empty() && !std::filesystem::is_directory(options.ReportFolder)) {
        std::cerr << "tidewell-cli: --report-dir " << options.ReportFolder << ": no such folder\n";
        return kRefused;
    }
    // A file appears whole or not at all; standard output takes the rows as
    // they come.
    std::optional<SafeFileStream> file;
    if (options.OutPath != report::kStandardOutput)
        file.emplace(options.OutPath);
    const session::BatchOutput output = [&](std::string_view piece) {
        if (file)
            return file->Write(piece);
        std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        return static_cast<bool>(std::cout);
    };
    cli::WatchCancelSignals();
    cli::ProgressLine progress = TerminalProgress("件");
    const session::StreamedBatch batch = session::StreamCaseBatch(
        options.BatchPath, options.ReportFolder, output,
        [&](std::size_t done, std::size_t total) {
            return progress.Update(static_cast<std::int64_t>(done),
                                   static_cast<std::int64_t>(total));
        },
        options.Threads);
    progress.Finish();
    if (batch.Problem) {
        std::cerr << "tidewell-cli: " << batch.Problem->Title() << ": " << batch.Problem->Prompt()
                  << "\n";
        return kRefused;
    }
    if (cli::CancelSignal != 0)
        return CancelStatus();
    if (file) {
        if (const std::optional<Message> failure = file->Commit()) {
            std::cerr << "tidewell-cli: cannot write " << options.OutPath << ": "
                      << failure->Prompt() << "\n";
            return kWriteFailed;
        }
    }
    int status = kSuccess;
    if (batch.ReportFailed)
        status = kWriteFailed;
    else if (!batch.AllResults)
        status = kNoResult;
    return Finish(std::cout, status);
}

// Samples of the model's case drawn from the spread file; the summary as JSON.
int RunSamples(const model::MainModel& model, const cli::CliOptions& options,
               MessageSink& messages) {
    const session::SpreadFileRead spreads = session::ReadSpreadFile(options.SpreadPath);
    if (!spreads.Spread) {
        messages.Show(*spreads.Refusal);
        return kRefused;
    }
    const session::UncertaintyPlan plan{*spreads.Spread, options.Samples, options.Seed,
                                        options.Threads};
    cli::WatchCancelSignals();
    cli::ProgressLine progress = TerminalProgress("件");
    const session::UncertaintyRun run = session::RunUncertainty(
        session::CaseOfModel(model), plan, [&](std::size_t done, std::size_t total) {
            return progress.Update(static_cast<std::int64_t>(done),
                                   static_cast<std::int64_t>(total));
        });
    progress.Finish();
    if (cli::CancelSignal != 0)
        return CancelStatus();
    const session::UncertaintySummary summary = session::SummariseUncertainty(run, plan.Spread);
    int status = summary.Counts.Result > 0 ? kSuccess : kNoResult;
    if (!options.OutPath.empty() && !WriteOutput(options.OutPath, session::SamplesCsv(run)))
        status = kWriteFailed;
    std::cout << session::UncertaintyJson(plan, run, summary) << "\n";
    return Finish(std::cout, status);
}

}  // namespace

int main(int argc, char** argv) {
    const cli::CliParse parse =
        cli::ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parse.Options) {
        std::cerr << "tidewell-cli: " << parse.Error << "\n"
                  << "Try 'tidewell-cli --help' for more information.\n";
        return kRefused;
    }
    const cli::CliOptions& options = *parse.Options;
    if (options.Help) {
        std::cout << cli::CliUsage();
        return Finish(std::cout, kSuccess);
    }
    if (options.Version) {
        std::cout << "tidewell-cli (Tidewell Ver110) " << kVersion << "\n";
        return Finish(std::cout, kSuccess);
    }
    if (!options.BatchPath.empty())
        return RunBatchFile(options);
    // The sweep and the samples write no report.
    const bool manyRuns = !options.SweepPath.empty() || !options.SpreadPath.empty();
    // With a file on standard output, the result goes to standard error.
    std::ostream& out = options.ReportPath == report::kStandardOutput ||
                                options.SeriesPath == report::kStandardOutput
                            ? std::cerr
                            : std::cout;

    PrintedMessages printed;
    MessageLog messages(&printed);
    messages.Answer = true;  // a long run is what the user asked for
    messages.OnAsk = [&](const Message& question, bool answer) {
        printed.Answered(question, answer);
    };
    model::MainModel model(messages, manyRuns || options.SolveFor ? "" : options.ReportPath);
    model.FormLoad();
    const auto refuse = [&](int status) {
        if (options.Json)
            out << cli::JsonReport(model, 0, false, messages.Shown, std::nullopt) << "\n";
        return Finish(out, status);
    };
    if (!options.CasePath.empty()) {
        if (const std::optional<Message> refusal = session::OpenCase(model, options.CasePath)) {
            messages.Show(*refusal);
            return refuse(kRefused);
        }
    }
    if (session::ApplyInputs(model, messages, options.Inputs))
        return refuse(kRefused);
    if (!options.SaveCasePath.empty()) {
        if (const std::optional<Message> failure = session::SaveCase(model, options.SaveCasePath)) {
            messages.Show(*failure);
            return refuse(kWriteFailed);
        }
    }
    if (!options.SpreadPath.empty())
        return RunSamples(model, options, messages);
    if (!options.SweepPath.empty())
        return RunSweep(model, options);
    if (options.SolveFor)
        return SolveFor(model, options, messages);
    if (TooLong(model, options, messages))
        return refuse(kNoResult);
    cli::WatchCancelSignals();
    cli::ProgressLine progress = TerminalProgress();
    printed.Progress = &progress;
    model.SetRunProgress(
        [&](std::int64_t done, std::int64_t total) { return progress.Update(done, total); });
    const engine::RunResult run = model.Command1_Click();
    progress.Finish();
    const bool hasResult = run.Status == engine::RunStatus::Completed;
    const bool setUp = hasResult || run.Status == engine::RunStatus::Unstable;
    int status = StatusOf(run);
    if (setUp && !options.SeriesPath.empty() &&
        !WriteOutput(options.SeriesPath, report::SeriesCsv(model.Series().Rows())))
        status = kWriteFailed;
    if (options.Json) {
        // An unstable step never settles: it has no steady state to show.
        const auto steady =
            hasResult ? std::optional(engine::SteadyState(model.Bay())) : std::nullopt;
        out << cli::JsonReport(model, run.StepCount, hasResult, messages.Shown, steady) << "\n";
    } else if (hasResult) {
        PrintResult(out, model);
    }
    const int flushed = Finish(std::cout, status);
    return &out == &std::cout ? flushed : Finish(out, flushed);
}
