#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "CliRun.h"

namespace tidewell {
namespace {

using json = nlohmann::json;

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
