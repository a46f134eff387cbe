#include "OutputName.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string_view>

namespace tidewell::session {
namespace {

struct OutputNaming {
    SavedOutput Output;
    std::string_view AfterCaseName;  // put after the case file's name without its extension
    std::string_view Untitled;
};

using enum SavedOutput;

// The chart is the window's main picture, so its image takes the case's name alone.
constexpr std::array<OutputNaming, 5> kNamings{{
    {SeriesCsv, "-series.csv", ""},
    {SeriesImage, ".png", "tidewell-series.png"},
    {SweepCsv, "-sweep.csv", "tidewell-sweep.csv"},
    {SamplesCsv, "-samples.csv", "tidewell-samples.csv"},
    {UncertaintyImage, "-uncertainty.png", "tidewell-uncertainty.png"},
}};

constexpr bool InOutputOrder() {
    for (std::size_t n = 0; n < kNamings.size(); ++n)
        if (static_cast<std::size_t>(kNamings[n].Output) != n)
            return false;
    return true;
}
static_assert(InOutputOrder());

}  // namespace

std::string ProposedOutputPath(const std::string& casePath, SavedOutput output) {
    const OutputNaming& naming = kNamings[static_cast<std::size_t>(output)];
    const std::filesystem::path file(casePath);
    if (!file.has_filename())
        return std::string(naming.Untitled);
    return (file.parent_path() / (file.stem().string() + std::string(naming.AfterCaseName)))
        .string();
}

}  // namespace tidewell::session
