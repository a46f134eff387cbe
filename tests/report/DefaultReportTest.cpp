// The default case's report, byte for byte against the golden file, and what
// changes when the basic conditions hold numbers instead of typed texts.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "case/CaseRecord.h"
#include "engine/ModelState.h"
#include "engine/RunDriver.h"
#include "report/ReportFile.h"
#include "report/ReportLines.h"
#include "ui/MainModel.h"

namespace tidewell {
namespace {

using test::DecodeCodePage932;
using test::FirstDifference;
using test::GoldenPath;
using test::ReadBytes;
using test::RecordingSink;
using test::ScratchDir;
using test::SplitCrLfLines;

class DefaultReport : public testing::Test {
  protected:
    void SetUp() override {
        const auto golden = ReadBytes(GoldenPath("default_report.txt"));
        ASSERT_TRUE(golden.has_value()) << GoldenPath("default_report.txt");
        Golden = *golden;
        const auto goldenUtf8 = ReadBytes(GoldenPath("default_report.utf8.txt"));
        ASSERT_TRUE(goldenUtf8.has_value());
        const auto lines = SplitCrLfLines(*goldenUtf8);
        ASSERT_TRUE(lines.has_value());
        ASSERT_EQ(lines->size(), 26u);
        GoldenLines = *lines;
    }

    ScratchDir Dir;
    RecordingSink Messages;
    std::string Golden;
    std::vector<std::string> GoldenLines;  // UTF-8, without line ends
};

TEST_F(DefaultReport, StartUpThenCalculateWritesTheGoldenReport) {
    const std::string path = Dir.File("Tidewell_OUT.txt");
    MainModel model(Messages, path);
    model.FormLoad();
    const RunResult run = model.Command1_Click();

    EXPECT_EQ(run.Status, RunStatus::Completed);
    EXPECT_EQ(run.ReportError, std::nullopt);
    const auto written = ReadBytes(path);
    ASSERT_TRUE(written.has_value()) << "no report at " << path;
    const auto difference = FirstDifference(Golden, *written);
    EXPECT_EQ(difference, std::nullopt) << difference.value_or("");
    EXPECT_TRUE(Dir.TemporaryLeftovers().empty());
}

TEST_F(DefaultReport, CalculateWritesTidewellOutTxtInTheWorkingDirectory) {
    {
        const test::WorkingDirectory inScratch(Dir.Path());
        MainModel model(Messages);
        model.FormLoad();
        model.Command1_Click();
    }
    EXPECT_EQ(Dir.Entries(), std::vector<std::string>{"Tidewell_OUT.txt"});
    const auto written = ReadBytes(Dir.File("Tidewell_OUT.txt"));
    ASSERT_TRUE(written.has_value());
    const auto difference = FirstDifference(Golden, *written);
    EXPECT_EQ(difference, std::nullopt) << difference.value_or("");
}

// DefaultCase() holds every basic condition as a number, so lines 5 to 8
// write them in the report number form with a trailing blank; the window
// would have stored the texts " 1000", " 18", ... without one.
TEST_F(DefaultReport, BasicConditionsHoldingNumbersAreWrittenWithATrailingBlank) {
    const std::string path = Dir.File("Tidewell_OUT.txt");
    const CaseRecord record = DefaultCase();
    ModelState model;
    ReportFile report(path);
    const RunResult run = RunCalculation(record, model, report, Messages);
    ASSERT_EQ(run.Status, RunStatus::Completed);
    ASSERT_EQ(run.ReportError, std::nullopt);

    const auto written = ReadBytes(path);
    ASSERT_TRUE(written.has_value());
    const auto decoded = DecodeCodePage932(*written);
    ASSERT_TRUE(decoded.has_value());
    const auto lines = SplitCrLfLines(*decoded);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 26u);

    std::vector<std::string> expected = GoldenLines;
    expected[4] = "    湾面積(km2)= 1000 　平均水深(m)= 18 　湾容積(km3)= 18 ";
    expected[5] = "    湾口部長さ(km)= 7 　湾口部水深(m)= 18 　湾口部断面積(km2)= .126 ";
    expected[6] = "    外海水水温(℃)= 18 ";
    expected[7] = "    流入水水温(℃)= 15 　流入水流量(m3/秒)= 331 　流入負荷量(℃/秒)= 4965 ";
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ((*lines)[i], expected[i]) << "line " << i + 1;
    }
}

// The window's record after start-up, run without the window: the same lines
// the golden file holds, before any conversion.
TEST_F(DefaultReport, ConditionAndResultLinesOfTheStartUpCaseMatchTheGoldenText) {
    MainModel window(Messages, Dir.File("Tidewell_OUT.txt"));
    window.FormLoad();
    ModelState model;
    NoReport report;
    // Runs the set-up and the steps; the lines are then built from its state.
    ASSERT_EQ(RunCalculation(window.Record(), model, report, Messages).Status,
              RunStatus::Completed);

    std::vector<std::string> lines = ConditionLines(window.Record(), model);
    ASSERT_EQ(lines.size(), 23u);
    for (std::string& line : ResultLines(RunStatus::Completed, model))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 26u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], GoldenLines[i]) << "line " << i + 1;
    }
}

struct BayMeanRow {
    const char* Name;
    double BayMean;
    const char* Line26;
};

class ResultLine : public testing::TestWithParam<BayMeanRow> {};

// Line 26 rounds the bay mean to 2 decimals, exact halves to the even
// neighbour, and writes it in the report number form. The values are exact
// binary fractions, so the halves really are halves.
TEST_P(ResultLine, WritesTheBayMeanRoundedToTwoDecimals) {
    ModelState model;
    model.ComponentCount = 1;
    model.BayMeanConc[kTemperature] = GetParam().BayMean;
    const std::vector<std::string> lines = ResultLines(RunStatus::Completed, model);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "[計算結果]");
    EXPECT_EQ(lines[2], GetParam().Line26);
}

INSTANTIATE_TEST_SUITE_P(
    BayMeans, ResultLine,
    testing::Values(BayMeanRow{"WholeDegrees", 18.0, "    湾内平均水温(℃)= 18 "},
                    BayMeanRow{"HalfGoesDownToEven", 0.125, "    湾内平均水温(℃)= .12 "},
                    BayMeanRow{"HalfGoesUpToEven", 0.375, "    湾内平均水温(℃)= .38 "},
                    BayMeanRow{"MoreThanTwoDecimals", 17.703125, "    湾内平均水温(℃)= 17.7 "},
                    BayMeanRow{"BelowZero", -1.5, "    湾内平均水温(℃)=-1.5 "},
                    BayMeanRow{"Zero", 0.0, "    湾内平均水温(℃)= 0 "}),
    [](const testing::TestParamInfo<BayMeanRow>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tidewell
