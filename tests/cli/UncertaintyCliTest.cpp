#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <vector>

#include "CliRun.h"
#include "case/Csv.h"
#include "engine/SampleStatistics.h"

namespace tidewell {
namespace {

using test::CliFolder;
using test::ReadFile;
using Json = nlohmann::json;

constexpr int kSamples = 40;
// The default case's bay mean, as one run prints it with --json.
constexpr double kDefaultMean = 17.702943770961888;

class Uncertainty : public CliFolder {
  protected:
    void SetUp() override {
        test::WriteFile(Folder / "s.json", R"({"bay-area": {"dist": "uniform", "percent": 10},
            "inflow-rate": {"dist": "normal", "percent": 20}})");
    }
    // The bay mean one run of the case prints.
    double SingleMean(const std::string& options) const {
        return RunJson(options)["BayMeanConc"].get<double>();
    }
};

TEST_F(Uncertainty, ThreadCountChangesNoSample) {
    const test::Outcome one = Run("--uncertainty s.json --samples 24 --threads 1 --out 1.csv");
    const test::Outcome two = Run("--uncertainty s.json --samples 24 --threads 2 --out 2.csv");
    EXPECT_EQ(one.Status, 0) << one.Err;
    EXPECT_EQ(one.Out, two.Out);
    EXPECT_EQ(ReadFile(Folder / "1.csv"), ReadFile(Folder / "2.csv"));
}

// The summary agrees with the samples it lists and with single runs: every
// figure is recomputed here from the CSV or from a run of its own.
TEST_F(Uncertainty, SummaryAgreesWithTheSamplesAndWithSingleRuns) {
    const test::Outcome run =
        Run("--uncertainty s.json --samples " + std::to_string(kSamples) + " --seed 7 --out o.csv");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const Json summary = Json::parse(run.Out);
    EXPECT_EQ(summary["samples"], kSamples);
    EXPECT_EQ(summary["seed"], 7);
    EXPECT_EQ(summary["counts"],
              Json::parse(R"({"result": 40, "unstable": 0, "cannot-run": 0, "refused": 0})"));
    EXPECT_EQ(summary["base"].get<double>(), kDefaultMean);

    const std::vector<CsvRecord> rows = ReadCsv(ReadFile(Folder / "o.csv")).Records;
    ASSERT_EQ(rows.size(), kSamples + 1u);
    std::vector<double> areas, rates, means;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r][0], std::to_string(r));
        EXPECT_EQ(rows[r][2], " 18");  // the case's own text where nothing spreads
        EXPECT_EQ(rows[r][7], "result");
        areas.push_back(std::stod(rows[r][1]));
        rates.push_back(std::stod(rows[r][6]));
        means.push_back(std::stod(rows[r][8]));
    }
    for (const std::size_t r : {1, 17, 40}) {  // a sample is the run of its texts
        const Json single =
            RunJson("--bay-area '" + rows[r][1] + "' --inflow-rate '" + rows[r][6] + "'");
        EXPECT_EQ(std::stod(rows[r][8]), single["BayMeanConc"].get<double>()) << r;
        for (std::size_t k = 0; k < 5; ++k)
            EXPECT_EQ(std::stod(rows[r][9 + k]), single["cells"][k].get<double>()) << r;
    }
    // Drawn independently of the areas, not in step with them. The statistics
    // themselves are checked against hand-worked values in the engine's tests.
    EXPECT_LT(std::fabs(engine::RankCorrelation(areas, rates)), 0.9);
    const engine::Distribution expected = engine::Summarise(means);
    const Json& mean = summary["mean"];
    for (const auto& [key, value] : {std::pair{"p5", expected.P5},
                                     {"p25", expected.P25},
                                     {"p50", expected.P50},
                                     {"p75", expected.P75},
                                     {"p95", expected.P95},
                                     {"mean", expected.Mean},
                                     {"sd", expected.Sd}})
        EXPECT_NEAR(mean[key].get<double>(), value, 1e-12) << key;
    ASSERT_EQ(summary["cells"].size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        std::vector<double> cells;
        for (std::size_t r = 1; r < rows.size(); ++r)
            cells.push_back(std::stod(rows[r][9 + k]));
        EXPECT_NEAR(summary["cells"][k]["p75"].get<double>(), engine::Summarise(cells).P75, 1e-12);
    }
    EXPECT_NEAR(summary["rankCorrelation"]["bay-area"].get<double>(),
                engine::RankCorrelation(areas, means), 1e-12);
    EXPECT_NEAR(summary["rankCorrelation"]["inflow-rate"].get<double>(),
                engine::RankCorrelation(rates, means), 1e-12);

    // The ends: +-10 % of 1000, and two standard deviations (+-40 %) of 331.
    const Json& tornado = summary["tornado"];
    ASSERT_EQ(tornado.size(), 2u);
    double lastSwing = INFINITY;
    for (const Json& bar : tornado) {
        const std::string option = "--" + bar["input"].get<std::string>() + " ";
        EXPECT_EQ(bar["meanLow"].get<double>(), SingleMean(option + bar["low"].get<std::string>()));
        EXPECT_EQ(bar["meanHigh"].get<double>(),
                  SingleMean(option + bar["high"].get<std::string>()));
        const double swing =
            std::fabs(bar["meanHigh"].get<double>() - bar["meanLow"].get<double>());
        EXPECT_LE(swing, lastSwing);
        lastSwing = swing;
        const double base = bar["input"] == "bay-area" ? 1000.0 : 331.0;
        const double width = bar["input"] == "bay-area" ? 0.1 : 0.4;
        EXPECT_NEAR(std::stod(bar["low"].get<std::string>()), base * (1 - width), 1e-9);
        EXPECT_NEAR(std::stod(bar["high"].get<std::string>()), base * (1 + width), 1e-9);
    }
}

}  // namespace
}  // namespace tidewell
