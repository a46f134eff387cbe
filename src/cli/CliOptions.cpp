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
#include "engine/Spread.h"
#include "report/ReportFile.h"
#include "session/Uncertainty.h"

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
    kUncertainty,
    kSamples,
    kSeed,
    kThreads,
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
            {"uncertainty", required_argument, nullptr, kUncertainty},
            {"samples", required_argument, nullptr, kSamples},
            {"seed", required_argument, nullptr, kSeed},
            {"threads", required_argument, nullptr, kThreads},
            {"help", no_argument, nullptr, kHelp},
            {"version", no_argument, nullptr, kVersion},
            {nullptr, 0, nullptr, 0},
        };
        all.insert(all.end(), std::begin(own), std::end(own));
        return all;
    }();
    return options;
}

// Which options were given, where their values alone cannot tell.
struct Given {
    bool Out = false, Report = false, Samples = false, Seed = false, Threads = false;
};

// Why the options cannot go together; empty when they can.
std::string Conflict(const CliOptions& options, const Given& given) {
    const bool targetGiven =
        options.Target.Mean || std::any_of(options.Target.Cells.begin(), options.Target.Cells.end(),
                                           [](const auto& cell) { return cell.has_value(); });
    if (options.SolveFor && !targetGiven)
        return "--solve-for needs --target T or --observed c1,c2,c3,c4,c5";
    if (!options.SolveFor && targetGiven)
        return "--target and --observed go with --solve-for only";
    if (options.SolveFor &&
        (given.Report || !options.BatchPath.empty() || !options.SweepPath.empty() ||
         !options.SeriesPath.empty() || options.MaxSteps || !options.SpreadPath.empty()))
        return "--solve-for writes no report: --report, --series, --sweep, --batch, "
               "--uncertainty and --max-steps do not go with it";
    const bool batch = !options.BatchPath.empty();
    const bool sweep = !options.SweepPath.empty();
    const bool uncertainty = !options.SpreadPath.empty();
    if (uncertainty && (batch || sweep || !options.SeriesPath.empty() || options.Json ||
                        !options.ReportFolder.empty()))
        return "--uncertainty prints its own JSON: --batch, --sweep, --series, --json and "
               "--report-dir do not go with it";
    if (!uncertainty && (given.Samples || given.Seed))
        return "--samples and --seed go with --uncertainty only";
    if (given.Threads && !batch && !sweep && !uncertainty)
        return "--threads goes with --sweep, --batch or --uncertainty only";
    if (batch &&
        (!options.Inputs.Empty() || !options.CasePath.empty() || !options.SaveCasePath.empty() ||
         !options.SeriesPath.empty() || sweep || options.Json || options.MaxSteps))
        return "--batch takes its cases from the file: only --out and --report-dir go with it";
    if (!batch && !uncertainty && given.Out)
        return "--out goes with --batch or --uncertainty only";
    if (!batch && !options.ReportFolder.empty())
        return "--report-dir goes with --batch only";
    if (sweep && (!options.SeriesPath.empty() || options.Json))
        return "--sweep runs no single calculation: --series and --json do not go with it";
    const bool single = !batch && !sweep && !uncertainty;
    const int toStandardOutput = (single && options.ReportPath == report::kStandardOutput) +
                                 (options.SeriesPath == report::kStandardOutput) +
                                 (options.SweepPath == report::kStandardOutput) +
                                 (options.OutPath == report::kStandardOutput) + uncertainty;
    if (toStandardOutput > 1)
        return "only one of --report, --series, --sweep, --out and --uncertainty's JSON may "
               "write to standard output (-)";
    return {};
}

// A whole number from `least` to `most`, the whole text.
template <typename Whole>
std::optional<Whole> WholeNumber(std::string_view text, Whole least, Whole most) {
    Whole value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < least || value > most)
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

// Beyond this many samples the samples' texts and results alone fill gigabytes.
constexpr std::size_t kMostSamples = 1'000'000;
constexpr unsigned kMostThreads = 1024;

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

// "uniform, normal or triangular".
std::string ShapeList() {
    using enum engine::SpreadShape;
    return std::string(engine::SpreadShapeName(Uniform)) + ", " +
           std::string(engine::SpreadShapeName(Normal)) + " or " +
           std::string(engine::SpreadShapeName(Triangular));
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
    Given given;
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
                given.Report = true;
                break;
            case kNoReport:
                options.ReportPath.clear();
                break;
            case kMaxSteps:
                options.MaxSteps = WholeNumber<std::int64_t>(optarg, 0, INT64_MAX);
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
                given.Out = true;
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
            case kUncertainty:
                options.SpreadPath = optarg;
                break;
            case kSamples: {
                const auto samples = WholeNumber<std::size_t>(optarg, 1, kMostSamples);
                if (!samples)
                    return {std::nullopt, "--samples needs a whole number from 1 to " +
                                              std::to_string(kMostSamples) + ", not '" +
                                              std::string(optarg) + "'"};
                options.Samples = *samples;
                given.Samples = true;
                break;
            }
            case kSeed: {
                const auto seed = WholeNumber<std::uint64_t>(optarg, 0, UINT64_MAX);
                if (!seed)
                    return {std::nullopt, "--seed needs a whole number 0 or more, not '" +
                                              std::string(optarg) + "'"};
                options.Seed = *seed;
                given.Seed = true;
                break;
            }
            case kThreads: {
                const auto threads = WholeNumber<unsigned>(optarg, 0, kMostThreads);
                if (!threads)
                    return {std::nullopt, "--threads needs a whole number from 0 (every core) to " +
                                              std::to_string(kMostThreads) + ", not '" +
                                              std::string(optarg) + "'"};
                options.Threads = *threads;
                given.Threads = true;
                break;
            }
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
    if (std::string conflict = Conflict(options, given); !conflict.empty())
        return {std::nullopt, std::move(conflict)};
    if (!options.BatchPath.empty() && !given.Out)
        options.OutPath = report::kStandardOutput;
    return {options, {}};
}

std::string CliUsage() {
    std::string usage = R"(Usage: tidewell-cli [OPTION]...
Calculate the mean water temperature of an enclosed bay, as the Tidewell
window does, and write its report.

Each TEXT is written whole into its input field, as if typed; a text the
field refuses ends the program. Each ENTRY is the text of a list entry:
)";
    usage += EntriesSentence() +
             "\nAny text that reads as the same number names the entry too (5, 05, 5.00\n"
             "or +5 for 5.0).\n\n";
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
  --out FILE                 where --batch writes its results (default -), or
                             --uncertainty its samples as CSV (default none)
  --report-dir DIR           with --batch, write each row's report to
                             DIR/NAME.txt (or DIR/rowN.txt for data row N,
                             the Nth row after the header)
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
        R"(  --uncertainty FILE         instead of one calculation, run samples of the
                             case whose basic conditions are drawn from the
                             spreads FILE gives and print their percentiles,
                             counts, rank correlations and tornado as JSON; no
                             report. FILE: {"NAME": {"dist": D, "percent": P},
                             ...} with NAME from )" +
        std::string(InputName(kBasicInputs.front())) + " .. " +
        std::string(InputName(kBasicInputs.back())) + R"(,
                             D )" +
        ShapeList() + R"(, P >= 0
  --samples N                how many samples (default )" +
        std::to_string(session::UncertaintyPlan{}.Samples) + R"()
  --seed S                   the draws' seed, a whole number (default )" +
        std::to_string(session::UncertaintyPlan{}.Seed) + R"()
  --threads N                worker threads for --sweep, --batch and
                             --uncertainty (default 0: one per core); the
                             results never depend on it
  --help                     print this help and exit
  --version                  print the version and exit

Output: the result field's text on the first line, then the five bay cells'
final temperatures from the head of the bay; nothing when there is no
result. Messages go to standard error as "title:prompt". On a terminal, a
run longer than a second shows its progress on standard error. Ctrl-C (or
SIGTERM) cancels a run and leaves the previous report as it was.

Exit status:
  0  the calculation finished and the report was written (--batch: every
     row has a result; --sweep: always, each row carries its status;
     --solve-for: solved; --uncertainty: some sample has a result)
  2  a text or list entry was refused, the command line is wrong (an unknown
     --solve-for input, a --target that is no number, no observed cell), a
     case file cannot be opened, the --batch table or the --uncertainty file
     cannot be used
  3  no result: the run is unstable, cannot be made, or needs more steps
     than --max-steps allows (--batch: some row has no result; --solve-for:
     the target is out of reach, the answer is not unique, or a trial in
     the bracket gives no result; --uncertainty: no sample has one)
  4  the report, a file asked for, or the output could not be written
  130, 143  the run was cancelled by SIGINT, SIGTERM
)";
    return usage;
}

}  // namespace tidewell::cli
