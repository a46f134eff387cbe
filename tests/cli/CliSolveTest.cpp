#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "CliRun.h"

namespace tidewell {
namespace {

using json = nlohmann::json;
using test::CliFolder;

constexpr double kTarget = 17.65;  // degC, within every input's reach from the default case

class SolvesTheDefaultCase : public test::CliFolder,
                             public testing::WithParamInterface<const char*> {};

// Each input alone brings the default case to the target; the text to type,
// typed, or the nearest entry, picked, gives what the answer says.
TEST_P(SolvesTheDefaultCase, ForEachInputToAReachableMean) {
    const std::string input = GetParam();
    const test::Outcome run = Run("--solve-for " + input + " --target " + std::to_string(kTarget));
    ASSERT_EQ(run.Status, 0) << run.Err;
    const json answer = json::parse(run.Out);
    EXPECT_EQ(answer["input"], input);
    EXPECT_LE(std::fabs(answer["mean"].get<double>() - kTarget), 0.0005);
    EXPECT_EQ(answer["residual"], std::fabs(answer["mean"].get<double>() - kTarget));
    EXPECT_LE(answer["runs"].get<int>(), 40);
    const bool typed = answer.contains("text");
    const std::string given = typed ? answer["text"].get<std::string>()
                                    : answer["nearestEntry"]["entry"].get<std::string>();
    const test::Outcome check = Run("--json --no-report --" + input + " '" + given + "'");
    ASSERT_EQ(check.Status, 0) << check.Err;
    const double mean = json::parse(check.Out)["BayMeanConc"].get<double>();
    if (typed) {
        EXPECT_NEAR(mean, kTarget, 0.0005);
        // The answer's mean and cells are those of one run with the value typed whole.
        char whole[32];
        std::snprintf(whole, sizeof whole, "%.17g", answer["value"].get<double>());
        const json exact = RunJson("--" + input + " " + whole);
        EXPECT_EQ(answer["mean"], exact["BayMeanConc"]);
        EXPECT_EQ(answer["cells"], exact["cells"]);
    } else {
        EXPECT_EQ(mean, answer["nearestEntry"]["mean"].get<double>());
    }
    EXPECT_FALSE(std::filesystem::exists(Report));
}

// Fitted to observed cells, the residual is the RMS over those cells of the
// answer's cells, which are those of one run with the value typed whole.
TEST_F(CliFolder, ObservedCellsFitWithTheirRms) {
    const std::array<double, 3> observed{17.4, 17.6, 17.85};  // cells 1, 3 and 5
    const test::Outcome run =
        Run("--inflow-rate 420 --solve-for mouth-length --observed 17.4,,17.6,,17.85");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const json answer = json::parse(run.Out);
    double squares = 0;
    for (std::size_t k = 0; k < observed.size(); ++k)
        squares += std::pow(answer["cells"][2 * k].get<double>() - observed[k], 2);
    EXPECT_DOUBLE_EQ(answer["residual"].get<double>(), std::sqrt(squares / 3));
    char whole[32];
    std::snprintf(whole, sizeof whole, "%.17g", answer["value"].get<double>());
    EXPECT_EQ(answer["cells"],
              RunJson("--inflow-rate 420 --mouth-length " + std::string(whole))["cells"]);
}

INSTANTIATE_TEST_SUITE_P(Inputs, SolvesTheDefaultCase,
                         testing::Values("bay-area", "mean-depth", "mouth-length", "sea-temp",
                                         "inflow-temp", "inflow-rate", "section-factor",
                                         "inflow-temp-factor", "inflow-factor"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
}  // namespace tidewell
