#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tidewell {

// What the command line asks for: texts typed into the six input fields and
// entries picked in the three lists, applied in that order, then calculate.
struct CliOptions {
    // Field number and the text to write into it, in field order.
    std::vector<std::pair<int, std::string>> FieldTexts;
    // List number and the entry text to pick, in list order.
    std::vector<std::pair<int, std::string>> ListPicks;
    std::string ReportPath = "Tidewell_OUT.txt";  // "-": standard output; "": none
    std::optional<std::int64_t> MaxSteps;         // refuse a longer run
    bool Json = false;
    bool Help = false;
    bool Version = false;
};

struct CliParse {
    std::optional<CliOptions> Options;
    std::string Error;  // when Options is empty
};

CliParse ParseCliOptions(const std::vector<std::string>& arguments);

std::string CliUsage();

}  // namespace tidewell
