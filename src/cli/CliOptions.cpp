#include "CliOptions.h"

#include <getopt.h>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tidewell {
namespace {

enum OptionCode {
    kJson = 256,
    kHelp,
    kVersion,
    kReport,
    kNoReport,
    kMaxSteps,
    kFieldBase = 300,  // + field number
    kListBase = 400,   // + list number
};

// Fields by number, then lists by number: the order they are applied in.
const option kOptions[] = {
    {"bay-area", required_argument, nullptr, kFieldBase + 1},
    {"mean-depth", required_argument, nullptr, kFieldBase + 2},
    {"mouth-length", required_argument, nullptr, kFieldBase + 4},
    {"sea-temp", required_argument, nullptr, kFieldBase + 7},
    {"inflow-temp", required_argument, nullptr, kFieldBase + 8},
    {"inflow-rate", required_argument, nullptr, kFieldBase + 9},
    {"section-factor", required_argument, nullptr, kListBase + 1},
    {"inflow-temp-factor", required_argument, nullptr, kListBase + 2},
    {"inflow-factor", required_argument, nullptr, kListBase + 3},
    {"report", required_argument, nullptr, kReport},
    {"no-report", no_argument, nullptr, kNoReport},
    {"max-steps", required_argument, nullptr, kMaxSteps},
    {"json", no_argument, nullptr, kJson},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

void Upsert(std::vector<std::pair<int, std::string>>& entries, int number, std::string value) {
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& entry) { return entry.first == number; });
    if (found != entries.end()) {
        found->second = std::move(value);
    } else {
        entries.emplace_back(number, std::move(value));
    }
}

std::optional<std::int64_t> StepLimit(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
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
    opterr = 0;  // errors are reported by the caller
    optind = 0;  // start afresh on every call
    const int argc = static_cast<int>(words.size());
    for (int code; (code = getopt_long(argc, argv.data(), "+:", kOptions, nullptr)) != -1;) {
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
            case ':':
                return {std::nullopt, name + " needs a value"};
            case '?':
                if (optopt != 0)
                    return {std::nullopt, name.substr(0, name.find('=')) + " takes no value"};
                return {std::nullopt, "unknown option: " + name};
            default:
                if (code > kListBase) {
                    Upsert(options.ListPicks, code - kListBase, optarg);
                } else {
                    Upsert(options.FieldTexts, code - kFieldBase, optarg);
                }
        }
    }
    if (optind < argc)
        return {std::nullopt, "unexpected argument: " + std::string(argv[optind])};
    const auto byNumber = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::sort(options.FieldTexts.begin(), options.FieldTexts.end(), byNumber);
    std::sort(options.ListPicks.begin(), options.ListPicks.end(), byNumber);
    return {options, {}};
}

std::string CliUsage() {
    return R"(Usage: tidewell-cli [OPTION]...
Calculate the mean water temperature of an enclosed bay, as the Tidewell
window does, and write its report.

Each TEXT is written whole into its input field, as if typed; a text the
field refuses ends the program. Each ENTRY is the text of a list entry:
1.0, 0.2, 0.5, 0.8, 1.2, 1.5, 2.0 (and 5.0, except for --section-factor).

  --bay-area TEXT            bay area, km2 (at least 1; default 1000)
  --mean-depth TEXT          mean depth, m (at least 1; default 18)
  --mouth-length TEXT        bay-mouth length, km (above 0; default 7)
  --sea-temp TEXT            outer-sea temperature, degC (0 or more; default 18)
  --inflow-temp TEXT         inflow temperature, degC (0 or more; default 15)
  --inflow-rate TEXT         inflow rate, m3/s (above 0; default 331)
  --section-factor ENTRY     multiplier on the bay-mouth cross-section
  --inflow-temp-factor ENTRY multiplier on the inflow temperature
  --inflow-factor ENTRY      multiplier on the inflow rate
  --report PATH              report file (default Tidewell_OUT.txt); - writes
                             the report to standard output and the result to
                             standard error
  --no-report                write no report
  --max-steps N              refuse a run of more than N time steps
  --json                     print every field, list, frame colour, cell and
                             message as one JSON object instead
  --help                     print this help and exit
  --version                  print the version and exit

Output: the result field's text on the first line, then the five bay cells'
final temperatures from the head of the bay; nothing when there is no
result. Messages go to standard error as "title:prompt". On a terminal, a
run longer than a second shows its progress on standard error. Ctrl-C (or
SIGTERM) cancels a run and leaves the previous report as it was.

Exit status:
  0  the calculation finished and the report was written
  2  a text or list entry was refused, or the command line is wrong
  3  no result: the run is unstable, cannot be made, or needs more steps
     than --max-steps allows
  4  the report or the output could not be written
  130, 143  the run was cancelled by SIGINT, SIGTERM
)";
}

}  // namespace tidewell
