// tidewell-cli: drives the window's model the way a user drives the window.
#include <iostream>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "JsonReport.h"
#include "ui/MainModel.h"

namespace {

using namespace tidewell;

enum ExitStatus { kSuccess = 0, kRefused = 2, kNoResult = 3, kReportFailed = 4 };

// Prints each message to standard error as "title:prompt" and keeps it.
class PrintedMessages final : public MessageSink {
  public:
    void Show(const Message& message) override {
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

void PrintResult(const MainModel& model, const RunResult& run) {
    std::cout << model.FieldText(16) << "\n";
    if (run.Status != RunStatus::Completed)
        return;
    for (int cell = 1; cell <= 5; ++cell) {
        std::cout << (cell > 1 ? " " : "")
                  << SeventeenDigits(model.Bay().CellConc[kTemperature][cell]);
    }
    std::cout << "\n";
}

int StatusOf(const RunResult& run) {
    if (run.Status != RunStatus::Completed)
        return kNoResult;
    return run.ReportError ? kReportFailed : kSuccess;
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
        return kSuccess;
    }
    if (options.Version) {
        std::cout << "tidewell-cli (Tidewell Ver110) " << TIDEWELL_VERSION << "\n";
        return kSuccess;
    }

    PrintedMessages messages;
    MainModel model(messages, options.ReportPath);
    model.FormLoad();
    if (!ApplyOptions(model, messages, options)) {
        if (options.Json)
            std::cout << JsonReport(model, 0, messages.Shown) << "\n";
        return kRefused;
    }
    const RunResult run = model.Command1_Click();
    if (options.Json) {
        std::cout << JsonReport(model, run.StepCount, messages.Shown) << "\n";
    } else {
        PrintResult(model, run);
    }
    return StatusOf(run);
}
