#include "CliOptions.h"

#include <algorithm>
#include <string_view>

namespace tidewell {
namespace {

struct ValueOption {
    std::string_view Name;
    bool IsField;
    int Number;  // field or list number
};

// In the order they are applied: fields by number, then lists by number.
constexpr ValueOption kValueOptions[] = {
    {"--bay-area", true, 1},        {"--mean-depth", true, 2},
    {"--mouth-length", true, 4},    {"--sea-temp", true, 7},
    {"--inflow-temp", true, 8},     {"--inflow-rate", true, 9},
    {"--section-factor", false, 1}, {"--inflow-temp-factor", false, 2},
    {"--inflow-factor", false, 3},
};

const ValueOption* FindValueOption(std::string_view name) {
    for (const ValueOption& option : kValueOptions) {
        if (option.Name == name)
            return &option;
    }
    return nullptr;
}

void Upsert(std::vector<std::pair<int, std::string>>& entries, int number, std::string value) {
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& entry) { return entry.first == number; });
    if (found != entries.end()) {
        found->second = std::move(value);
    } else {
        entries.emplace_back(number, std::move(value));
    }
}

}  // namespace

CliParse ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        std::string_view name = argument;
        std::optional<std::string> value;
        if (const auto equals = argument.find('=');
            argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            value = std::string(argument.substr(equals + 1));
        }
        if (name == "--json" || name == "--help" || name == "--version") {
            if (value)
                return {std::nullopt, std::string(name) + " takes no value"};
            if (name == "--json")
                options.Json = true;
            if (name == "--help")
                options.Help = true;
            if (name == "--version")
                options.Version = true;
            continue;
        }
        const ValueOption* option = FindValueOption(name);
        if (option == nullptr && name != "--report") {
            return {std::nullopt, "unknown option: " + std::string(argument)};
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                return {std::nullopt, std::string(name) + " needs a value"};
            }
            value = arguments[++i];
        }
        if (option == nullptr) {
            options.ReportPath = *value;
        } else {
            Upsert(option->IsField ? options.FieldTexts : options.ListPicks, option->Number,
                   std::move(*value));
        }
    }
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
  --report PATH              report file (default Tidewell_OUT.txt)
  --json                     print every field, list, frame colour, cell and
                             message as one JSON object instead
  --help                     print this help and exit
  --version                  print the version and exit

Output: the result field's text on the first line, then the five bay cells'
final temperatures from the head of the bay. Messages go to standard error
as "title:prompt".

Exit status:
  0  the calculation finished and the report was written
  2  a text or list entry was refused, or the command line is wrong
  3  the calculation gave no result (unstable, or the case cannot be run)
  4  the result was calculated but the report could not be written
)";
}

}  // namespace tidewell
