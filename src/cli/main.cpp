// tidewell-cli: drives the window's model the way a user drives the window.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "CliProgress.h"
#include "JsonReport.h"
#include "ui/MainModel.h"

namespace {

using namespace tidewell;

enum ExitStatus { kSuccess = 0, kRefused = 2, kNoResult = 3, kReportFailed = 4 };

// Prints each message to standard error as "title:prompt" and keeps it.
class PrintedMessages final : public MessageSink {
  public:
    void Show(const Message& message) override {
        if (Progress != nullptr)
            Progress->Finish();  // a message starts on a clean line
        std::string prompt = message.Prompt;
        for (char& c : prompt) {
            if (c == '\r')
                c = '\n';
        }
        std::cerr << message.Title << ":" << prompt << "\n";
        Shown.push_back(message);
    }
    // The command line runs what it is asked to, however long it takes.
    bool Ask(const Message&) override { return true; }
    std::vector<Message> Shown;
    ProgressLine* Progress = nullptr;
};

std::string EntryList(const ListBox& box) {
    std::string list;
    for (const std::string& entry : box.Entries)
        list += (list.empty() ? "" : ", ") + entry;
    return list;
}

int PickIndex(const ListBox& box, const std::string& entry) {
    for (size_t i = 0; i < box.Entries.size(); ++i) {
        if (box.Entries[i] == entry)
            return static_cast<int>(i);
    }
    return kNoSelection;
}

// Applies the texts and picks; false when one was refused (its message shown).
bool ApplyOptions(MainModel& model, PrintedMessages& messages, const CliOptions& options) {
    for (const auto& [field, text] : options.FieldTexts) {
        const size_t before = messages.Shown.size();
        model.SetFieldText(field, text);
        // An input handler shows a message only when it refuses the text.
        if (messages.Shown.size() != before)
            return false;
    }
    static const char* const kListNames[] = {"", "湾口部断面積", "流入水水温", "流入水流量"};
    for (const auto& [list, entry] : options.ListPicks) {
        const int index = PickIndex(model.List(list), entry);
        if (index == kNoSelection) {
            messages.Show({"倍率の指定", "「" + entry + "」は" + kListNames[list] +
                                             "の倍率にありません。\r" +
                                             EntryList(model.List(list)) + " から選んでください"});
            return false;
        }
        model.SelectListEntry(list, index);
    }
    return true;
}

void PrintResult(std::ostream& out, const MainModel& model) {
    out << model.FieldText(16) << "\n";
    for (int cell = 1; cell <= 5; ++cell) {
        out << (cell > 1 ? " " : "") << SeventeenDigits(model.Bay().CellConc[kTemperature][cell]);
    }
    out << "\n";
}

int StatusOf(const RunResult& run) {
    if (run.Status == RunStatus::Cancelled && CancelSignal != 0)
        return 128 + CancelSignal;
    if (run.Status != RunStatus::Completed)
        return kNoResult;
    return run.ReportError ? kReportFailed : kSuccess;
}

// True when the planned run is longer than the user allows (and says so).
bool TooLong(const MainModel& model, const CliOptions& options, MessageSink& messages) {
    if (!options.MaxSteps)
        return false;
    const std::optional<std::int64_t> steps = PlannedStepCount(model.Record());
    if (!steps || *steps <= *options.MaxSteps)
        return false;
    messages.Show({"計算ステップ数の制限", "計算ステップ数 " + std::to_string(*steps) + " が上限 " +
                                               std::to_string(*options.MaxSteps) +
                                               " を超えるため計算しません"});
    return true;
}

// Flushes what was printed; a failure (a full disk, a closed pipe) is an error.
int Finish(std::ostream& out, int status) {
    out.flush();
    if (!out) {
        std::cerr << "tidewell-cli: cannot write the output: " << std::strerror(errno) << "\n";
        return kReportFailed;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const CliParse parse = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parse.Options) {
        std::cerr << "tidewell-cli: " << parse.Error << "\n"
                  << "Try 'tidewell-cli --help' for more information.\n";
        return kRefused;
    }
    const CliOptions& options = *parse.Options;
    if (options.Help) {
        std::cout << CliUsage();
        return Finish(std::cout, kSuccess);
    }
    if (options.Version) {
        std::cout << "tidewell-cli (Tidewell Ver110) " << TIDEWELL_VERSION << "\n";
        return Finish(std::cout, kSuccess);
    }
    // With the report on standard output, the result goes to standard error.
    std::ostream& out = options.ReportPath == kStandardOutput ? std::cerr : std::cout;

    PrintedMessages messages;
    MainModel model(messages, options.ReportPath);
    model.FormLoad();
    if (!ApplyOptions(model, messages, options)) {
        if (options.Json)
            out << JsonReport(model, 0, false, messages.Shown) << "\n";
        return Finish(out, kRefused);
    }
    if (TooLong(model, options, messages)) {
        if (options.Json)
            out << JsonReport(model, 0, false, messages.Shown) << "\n";
        return Finish(out, kNoResult);
    }
    WatchCancelSignals();
    ProgressLine progress(::isatty(STDERR_FILENO) ? stderr : nullptr);
    messages.Progress = &progress;
    model.SetRunProgress(
        [&](std::int64_t done, std::int64_t total) { return progress.Update(done, total); });
    const RunResult run = model.Command1_Click();
    progress.Finish();
    const bool hasResult = run.Status == RunStatus::Completed;
    if (options.Json) {
        out << JsonReport(model, run.StepCount, hasResult, messages.Shown) << "\n";
    } else if (hasResult) {
        PrintResult(out, model);
    }
    return Finish(out, StatusOf(run));
}
