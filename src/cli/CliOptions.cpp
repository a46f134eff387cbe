#include "CliOptions.h"

#include <getopt.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>
#include <utility>

#include "case/BasicInput.h"
#include "case/CaseInput.h"
#include "case/Multipliers.h"
#include "case/NumberText.h"
#include "case/NumericText.h"
#include "engine/MultiplierSweep.h"
#include "report/ReportFile.h"

namespace tidewell::cli {
namespace {

enum OptionCode {
    kJson = 256,
    kHelp,
    kVersion,
    kReport,
    kNoReport,
    kMaxSteps,
    kSeries,
    kSweep,
    kCase,
    kSaveCase,
    kBatch,
    kOut,
    kReportFolder,
    kSolveFor,
    kTarget,
    kObserved,
    kInputBase = 300,  // + the input's place in session::InputNames()
};

// The input options take their names from the inputs and the lists; the rest
// are the tool's own.
const std::vector<option>& Options() {
    // getopt_long wants C strings: the names are copied into lasting storage.
    static std::vector<std::string> names;
    static const std::vector<option> options = [] {
        const std::vector<std::string_view> inputs = session::InputNames();
        names.reserve(inputs.size());
        std::vector<option> all;
        for (std::string_view name : inputs) {
            names.emplace_back(name);
            all.push_back({names.back().c_str(), required_argument, nullptr,
                           kInputBase + static_cast<int>(all.size())});
        }
        const option own[] = {
            {"report", required_argument, nullptr, kReport},
            {"no-report", no_argument, nullptr, kNoReport},
            {"max-steps", required_argument, nullptr, kMaxSteps},
            {"json", no_argument, nullptr, kJson},
            {"series", required_argument, nullptr, kSeries},
            {"sweep", required_argument, nullptr, kSweep},
            {"case", required_argument, nullptr, kCase},
            {"save-case", required_argument, nullptr, kSaveCase},
            {"batch", required_argument, nullptr, kBatch},
            {"out", required_argument, nullptr, kOut},
            {"report-dir", required_argument, nullptr, kReportFolder},
            {"solve-for", required_argument, nullptr, kSolveFor},
            {"target", required_argument, nullptr, kTarget},
            {"observed", required_argument, nullptr, kObserved},
            {"help", no_argument, nullptr, kHelp},
            {"version", no_argument, nullptr, kVersion},
            {nullptr, 0, nullptr, 0},
        };
        all.insert(all.end(), std::begin(own), std::end(own));
        return all;
    }();
    return options;
}

// Why the options cannot go together; empty when they can.
std::string Conflict(const CliOptions& options, bool outGiven, bool reportGiven) {
    const bool targetGiven =
        options.Target.Mean || std::any_of(options.Target.Cells.begin(), options.Target.Cells.end(),
                                           [](const auto& cell) { return cell.has_value(); });
    if (options.SolveFor && !targetGiven)
        return "--solve-for needs --target T or --observed c1,c2,c3,c4,c5";
    if (!options.SolveFor && targetGiven)
        return "--target and --observed go with --solve-for only";
    if (options.SolveFor &&
        (reportGiven || !options.BatchPath.empty() || !options.SweepPath.empty() ||
         !options.SeriesPath.empty() || options.MaxSteps))
        return "--solve-for writes no report: --report, --series, --sweep, --batch and "
               "--max-steps do not go with it";
    const bool batch = !options.BatchPath.empty();
    const bool sweep = !options.SweepPath.empty();
    if (batch &&
        (!options.Inputs.Empty() || !options.CasePath.empty() || !options.SaveCasePath.empty() ||
         !options.SeriesPath.empty() || sweep || options.Json || options.MaxSteps))
        return "--batch takes its cases from the file: only --out and --report-dir go with it";
    if (!batch && (outGiven || !options.ReportFolder.empty()))
        return "--out and --report-dir go with --batch only";
    if (sweep && (!options.SeriesPath.empty() || options.Json))
        return "--sweep runs no single calculation: --series and --json do not go with it";
    const bool single = !batch && !sweep;
    const int toStandardOutput = (single && options.ReportPath == report::kStandardOutput) +
                                 (options.SeriesPath == report::kStandardOutput) +
                                 (options.SweepPath == report::kStandardOutput) +
                                 (batch && options.OutPath == report::kStandardOutput);
    if (toStandardOutput > 1)
        return "only one of --report, --series, --sweep may write to standard output (-)";
    return {};
}

std::optional<std::int64_t> StepLimit(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// A temperature as the fields read numbers; empty for anything else.
std::optional<double> Temperature(std::string_view text) {
    if (!IsNumericText(text))
        return std::nullopt;
    return NumericValue(text);
}

// "c1,c2,c3,c4,c5", an empty place for a cell not measured; at least one given.
std::optional<session::CalibrationTarget> ObservedCells(std::string_view text) {
    session::CalibrationTarget target;
    std::size_t cell = 0, given = 0;
    for (std::size_t start = 0;; ++cell) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view place = text.substr(start, comma - start);
        if (cell >= target.Cells.size())
            return std::nullopt;
        if (place.find_first_not_of(" \t") != std::string_view::npos) {
            target.Cells[cell] = Temperature(place);
            if (!target.Cells[cell])
                return std::nullopt;
            ++given;
        }
        if (comma == text.size())
            break;
        start = comma + 1;
    }
    if (cell + 1 != target.Cells.size() || given == 0)
        return std::nullopt;
    return target;
}

std::string InputNameList() {
    std::string names;
    for (std::string_view name : session::InputNames())
        names += (names.empty() ? "" : ", ") + std::string(name);
    return names;
}

// "--name ARG" and its help, the help starting in one column.
std::string OptionLine(const std::string& option, std::string_view help) {
    constexpr std::size_t kHelpColumn = 29;
    std::string line = "  --" + option + " ";
    line.resize(std::max(kHelpColumn, line.size()), ' ');
    return line.append(help).append("\n");
}

// "--name ARG" and its help wrapped between words to 79 columns.
std::string WrappedOptionLines(const std::string& option, std::string_view help) {
    constexpr std::size_t kWidth = 79;
    std::string lines, line = OptionLine(option, "");
    line.pop_back();
    const std::size_t indent = line.size();
    for (std::size_t start = 0; start < help.size();) {
        const std::size_t blank = std::min(help.find(' ', start), help.size());
        const std::string_view word = help.substr(start, blank - start);
        if (line.size() > indent && line.size() + 1 + word.size() > kWidth) {
            lines += line + "\n";
            line.assign(indent, ' ');
        }
        line += (line.size() > indent ? " " : "") + std::string(word);
        start = blank + 1;
    }
    return lines + line + "\n";
}

// A number as the help writes it: the window's display text without its sign blank.
std::string Plain(double value) {
    const std::string text = DisplayText(value);
    return text.substr(text.find_first_not_of(' '));
}

// "bay area, km2 (at least 1; default 1000)".
std::string InputHelp(const InputInfo& input) {
    const std::string limit = Plain(input.Limit);
    const std::string range = !input.LimitAccepted ? "above " + limit
                              : input.Limit == 0   ? limit + " or more"
                                                   : "at least " + limit;
    return std::string(input.Description) + ", " + std::string(input.Unit) + " (" + range +
           "; default " + Plain(ValueOf(DefaultCase(), input.Id).Value()) + ")";
}

// The entries every list offers, then those only some offer, with the lists
// that lack them: "1.0, ..., 2.0 (and 5.0, except for --section-factor)."
std::string EntriesSentence() {
    const auto offers = [](const ListInfo& list, std::string_view entry) {
        return std::find(list.Entries.begin(), list.Entries.end(), entry) != list.Entries.end();
    };
    std::vector<std::string_view> entries;
    for (const ListInfo& list : ListTable()) {
        for (std::string_view entry : list.Entries) {
            if (std::find(entries.begin(), entries.end(), entry) == entries.end())
                entries.push_back(entry);
        }
    }
    std::string common, extra;
    for (std::string_view entry : entries) {
        std::string lacking;
        for (const ListInfo& list : ListTable()) {
            if (!offers(list, entry))
                lacking += (lacking.empty() ? "--" : ", --") + std::string(list.Name);
        }
        if (lacking.empty())
            common += (common.empty() ? "" : ", ") + std::string(entry);
        else
            extra += " (and " + std::string(entry) + ", except for " + lacking + ")";
    }
    return common + extra + ".";
}

}  // namespace

CliParse ParseCliOptions(const std::vector<std::string>& arguments) {
    // getopt_long wants writable C strings and a program name first.
    std::vector<std::string> words{"tidewell-cli"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    CliOptions options;
    bool outGiven = false;
    bool reportGiven = false;
    bool observedGiven = false;
    opterr = 0;  // errors are reported by the caller
    optind = 0;  // start afresh on every call
    const int argc = static_cast<int>(words.size());
    for (int code;
         (code = getopt_long(argc, argv.data(), "+:", Options().data(), nullptr)) != -1;) {
        const std::string name = optind > 0 && optind <= argc ? argv[optind - 1] : "";
        switch (code) {
            case kJson:
                options.Json = true;
                break;
            case kHelp:
                options.Help = true;
                break;
            case kVersion:
                options.Version = true;
                break;
            case kReport:
                options.ReportPath = optarg;
                reportGiven = true;
                break;
            case kNoReport:
                options.ReportPath.clear();
                break;
            case kMaxSteps:
                options.MaxSteps = StepLimit(optarg);
                if (!options.MaxSteps)
                    return {std::nullopt, "--max-steps needs a whole number of steps, not '" +
                                              std::string(optarg) + "'"};
                break;
            case kSeries:
                options.SeriesPath = optarg;
                break;
            case kSweep:
                options.SweepPath = optarg;
                break;
            case kCase:
                options.CasePath = optarg;
                break;
            case kSaveCase:
                options.SaveCasePath = optarg;
                break;
            case kBatch:
                options.BatchPath = optarg;
                break;
            case kOut:
                options.OutPath = optarg;
                outGiven = true;
                break;
            case kReportFolder:
                options.ReportFolder = optarg;
                break;
            case kSolveFor:
                options.SolveFor = session::CalibratedInputNamed(optarg);
                if (!options.SolveFor)
                    return {std::nullopt, "--solve-for takes one of " + InputNameList() +
                                              ", not '" + std::string(optarg) + "'"};
                break;
            case kTarget:
                if (options.Target.Mean || observedGiven)
                    return {std::nullopt, "give one --target or one --observed"};
                options.Target.Mean = Temperature(optarg);
                if (!options.Target.Mean)
                    return {std::nullopt, "--target needs the bay mean in degC, not '" +
                                              std::string(optarg) + "'"};
                break;
            case kObserved:
                if (options.Target.Mean || observedGiven)
                    return {std::nullopt, "give one --target or one --observed"};
                observedGiven = true;
                if (const auto observed = ObservedCells(optarg)) {
                    options.Target = *observed;
                    break;
                }
                return {std::nullopt,
                        "--observed needs five places c1,c2,c3,c4,c5 in degC, at least one "
                        "given (an empty place is a cell not measured), not '" +
                            std::string(optarg) + "'"};
            case ':':
                return {std::nullopt, name + " needs a value"};
            case '?':
                if (optopt != 0)
                    return {std::nullopt, name.substr(0, name.find('=')) + " takes no value"};
                return {std::nullopt, "unknown option: " + name};
            default:
                options.Inputs.Set(
                    session::InputNames()[static_cast<std::size_t>(code - kInputBase)], optarg);
        }
    }
    if (optind < argc)
        return {std::nullopt, "unexpected argument: " + std::string(argv[optind])};
    if (std::string conflict = Conflict(options, outGiven, reportGiven); !conflict.empty())
        return {std::nullopt, std::move(conflict)};
    return {options, {}};
}

std::string CliUsage() {
    std::string usage = R"(Usage: tidewell-cli [OPTION]...
Calculate the mean water temperature of an enclosed bay, as the Tidewell
window does, and write its report.

Each TEXT is written whole into its input field, as if typed; a text the
field refuses ends the program. Each ENTRY is the text of a list entry:
)";
    usage += EntriesSentence() + "\n\n";
    for (const InputInfo& input : InputTable())
        usage += OptionLine(std::string(input.Name) + " TEXT", InputHelp(input));
    for (const ListInfo& list : ListTable())
        usage += OptionLine(std::string(list.Name) + " ENTRY", list.Description);
    usage += OptionLine("report PATH", "report file (default " +
                                           std::string(report::kDefaultReportPath) + "); - writes");
    usage +=
        R"(                             the report to standard output and the result to
                             standard error
  --no-report                write no report
  --max-steps N              refuse a run of more than N time steps
  --json                     print every field, list, frame colour, cell,
                             message and the cells' steady state as one JSON
                             object instead
  --series FILE              write the run's cells over time as CSV (day,
                             cell1..cell5; days and degC); - writes it to
                             standard output and the result to standard error
  --case FILE                open a case file first; the other options change it
  --save-case FILE           save the case as given, then calculate as usual
  --sweep FILE               instead of one calculation, run all )" +
        std::to_string(engine::AllCombinations().size()) + R"(
                             combinations of the three lists for the basic
                             conditions and write them as CSV (- for standard
                             output); no report is written
  --batch FILE               instead of one calculation, run every row of a CSV
                             table of cases: its header names the columns as
                             the options above ()" +
        std::string(session::InputNames().front()) + " .. " +
        std::string(session::InputNames().back()) + R"(, any
                             of them, any order) and an optional name; an empty
                             cell keeps the default
  --out FILE                 where --batch writes its results (default -)
  --report-dir DIR           with --batch, write each row's report to
                             DIR/NAME.txt (or DIR/rowN.txt)
)" +
        WrappedOptionLines("solve-for NAME",
                           "instead of one calculation, find the value of one input that "
                           "makes the calculation match --target or --observed, the others "
                           "as given; NAME is one of " +
                               InputNameList() + ". Prints one JSON object; no report is written") +
        WrappedOptionLines("target T", "the bay mean to reach, degC") +
        WrappedOptionLines("observed C1,C2,C3,C4,C5",
                           "the observed cells from the head of the bay, degC, fitted by "
                           "least squares; an empty place is a cell not measured") +
        R"(  --help                     print this help and exit
  --version                  print the version and exit

Output: the result field's text on the first line, then the five bay cells'
final temperatures from the head of the bay; nothing when there is no
result. Messages go to standard error as "title:prompt". On a terminal, a
run longer than a second shows its progress on standard error. Ctrl-C (or
SIGTERM) cancels a run and leaves the previous report as it was.

Exit status:
  0  the calculation finished and the report was written (--batch: every
     row has a result; --sweep: always, each row carries its status;
     --solve-for: solved)
  2  a text or list entry was refused, the command line is wrong (an unknown
     --solve-for input, a --target that is no number, no observed cell), a
     case file cannot be opened, or the --batch table cannot be read
  3  no result: the run is unstable, cannot be made, or needs more steps
     than --max-steps allows (--batch: some row has no result; --solve-for:
     the target is out of reach, the answer is not unique, or a trial in
     the bracket gives no result)
  4  the report, a file asked for, or the output could not be written
  130, 143  the run was cancelled by SIGINT, SIGTERM
)";
    return usage;
}

}  // namespace tidewell::cli
