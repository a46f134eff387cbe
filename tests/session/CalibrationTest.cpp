#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "case/FullPrecisionText.h"
#include "case/MessageLog.h"
#include "case/NumberText.h"
#include "engine/BatchRunner.h"
#include "model/MainModel.h"
#include "session/Calibration.h"
#include "session/CalibrationForm.h"

namespace tidewell {
namespace {

using session::CalibrationStatus;

// The bay mean of the default case with these inputs, calculated as the
// window calculates it.
double WindowMean(const session::TypedInputs& inputs) {
    MessageLog log;
    log.Answer = true;
    model::MainModel model(log, "");
    model.FormLoad();
    EXPECT_EQ(session::ApplyInputs(model, log, inputs), std::nullopt);
    EXPECT_EQ(model.Command1_Click().Status, engine::RunStatus::Completed);
    return model.Bay().BayMeanConc[engine::kTemperature];
}

session::TypedInputs Given(const std::string& name, const std::string& value) {
    session::TypedInputs inputs;
    inputs.Set(name, value);
    return inputs;
}

session::Calibration Solve(const std::string& name, const session::TypedInputs& base,
                           session::CalibrationTarget target) {
    return session::Calibrate({base, *session::CalibratedInputNamed(name), target});
}

// A number as the messages give it: seven digits, no sign blank.
std::string Short(double value) {
    return DisplayText(static_cast<float>(value)).substr(1);
}

struct RoundTrip {
    const char* Name;
    const char* Input;
    const char* Chosen;   // typed, or picked for a list
    double RelativeMiss;  // how far a mean within the tolerance lets the input be
};

class RoundTrips : public testing::TestWithParam<RoundTrip> {};

// Run with a chosen input, solve the default case for that run's mean: the
// input comes back, and the solved case is the window's case bit for bit.
TEST_P(RoundTrips, SolvingForAResultGivesItsInputBack) {
    const RoundTrip& row = GetParam();
    const double target = WindowMean(Given(row.Input, row.Chosen));
    const session::Calibration solved = Solve(row.Input, {}, {target, {}});
    ASSERT_EQ(solved.Status, CalibrationStatus::Solved) << solved.Problem->Prompt();
    EXPECT_LE(std::fabs(solved.Mean - target), session::kMeanTolerance);
    EXPECT_DOUBLE_EQ(solved.Residual, std::fabs(solved.Mean - target));
    EXPECT_NEAR(solved.Value, std::stod(row.Chosen), row.RelativeMiss * std::stod(row.Chosen));
    EXPECT_LE(solved.Runs, session::kMostRuns);
    if (!solved.Text.empty()) {
        EXPECT_EQ(WindowMean(Given(row.Input, SeventeenDigits(solved.Value))), solved.Mean);
        EXPECT_EQ(solved.Text, DisplayText(solved.Value));
    } else {
        EXPECT_FALSE(solved.Nearest->Entry.empty());
        EXPECT_EQ(solved.Nearest->Mean, WindowMean(Given(row.Input, solved.Nearest->Entry)));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, RoundTrips, testing::Values(
    RoundTrip{"InflowFactor", "inflow-factor", "1.5", 0.01},
    RoundTrip{"SectionFactor", "section-factor", "0.8", 0.01},
    RoundTrip{"InflowTempFactor", "inflow-temp-factor", "2.0", 0.001},
    RoundTrip{"BayArea", "bay-area", "2500", 0.03},
    RoundTrip{"MouthLength", "mouth-length", "4.25", 0.01},
    RoundTrip{"InflowTemp", "inflow-temp", "9.5", 0.001},
    RoundTrip{"InflowRate", "inflow-rate", "600", 0.01}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST(Calibration, RefusesAnUnreachableMeanWithTheRangeTheScanReached) {
    const double fastest = WindowMean(Given("inflow-factor", "5.0"));
    const double slowest = WindowMean(Given("inflow-factor", "0.2"));
    const session::Calibration refused = Solve("inflow-factor", {}, {slowest + 0.01, {}});
    EXPECT_EQ(refused.Status, CalibrationStatus::Unreachable);
    EXPECT_EQ(refused.Runs, session::kScanIntervals + 1);
    ASSERT_TRUE(refused.Problem);
    EXPECT_EQ(refused.Problem->Title(), "逆算できません");
    EXPECT_NE(
        refused.Problem->Prompt().find("流入水流量の倍率を .2 から 5 まで変えて得られる範囲 " +
                                       Short(fastest) + " ～ " + Short(slowest) + "(℃)"),
        std::string::npos)
        << refused.Problem->Prompt();
}

// Three of the five cells of a known case are enough to find its mouth.
TEST(Calibration, ObservedCellsRecoverTheInputThatMadeThem) {
    const session::TypedInputs base = Given("inflow-rate", "420");
    session::TypedInputs known = base;
    known.Set("mouth-length", "5.5");
    MessageLog log;
    model::MainModel model(log, "");
    model.FormLoad();
    ASSERT_EQ(session::ApplyInputs(model, log, known), std::nullopt);
    const engine::BatchOutcome run = engine::RunOneCase(model.Record());
    session::CalibrationTarget observed;
    for (std::size_t cell : {0u, 2u, 4u})
        observed.Cells[cell] = run.Cells[cell];
    const session::Calibration fit = Solve("mouth-length", base, observed);
    ASSERT_EQ(fit.Status, CalibrationStatus::Solved) << fit.Problem->Prompt();
    EXPECT_NEAR(fit.Value, 5.5, 1e-6);
    EXPECT_LT(fit.Residual, 1e-7);
    EXPECT_LE(fit.Runs, session::kMostRuns);
}

// Without inflow temperature its multiplier changes nothing; two cells
// pulling apart at the far ends of the bay fit best at an end of the range.
TEST(Calibration, SaysWhenNoSingleInputAnswers) {
    const session::TypedInputs cold = Given("inflow-temp", "0");
    const session::Calibration flat = Solve("inflow-temp-factor", cold, {WindowMean(cold), {}});
    EXPECT_EQ(flat.Status, CalibrationStatus::NotUnique);
    EXPECT_EQ(flat.Problem->Title(), "逆算の答えが一つに決まりません");
    session::CalibrationTarget apart;
    apart.Cells[0] = 10.0;
    apart.Cells[4] = 30.0;
    const session::Calibration end = Solve("section-factor", {}, apart);
    EXPECT_EQ(end.Status, CalibrationStatus::Unreachable);
    EXPECT_NE(end.Problem->Prompt().find("の端 .2 です"), std::string::npos)
        << end.Problem->Prompt();
}

// Asked to stop in the scan or in the refinement, the search ends there with
// no answer and no refusal; the runs reported grow and stay within the limit.
TEST(Calibration, StopsWhenItsProgressSaysSo) {
    for (const int stopAt : {0, 10}) {
        int last = -1;
        int callsAfterStop = 0;
        bool stop = false;
        const session::Calibration stopped = session::Calibrate(
            {{}, *session::CalibratedInputNamed("inflow-factor"), {17.5, {}}}, [&](int runs) {
                callsAfterStop += stop ? 1 : 0;
                EXPECT_GE(runs, last);
                last = runs;
                stop = runs >= stopAt;
                return !stop;
            });
        EXPECT_EQ(stopped.Status, CalibrationStatus::Stopped);
        EXPECT_FALSE(stopped.Problem);
        EXPECT_EQ(callsAfterStop, 0);
        EXPECT_LE(stopped.Runs, std::max(stopAt, session::kScanIntervals + 1));
    }
}

// The dialog's table: errors, bias and RMS over the observed rows only (two
// cells, or the bay mean when that is the target).
TEST(Calibration, TableComparesOnlyWhatWasObserved) {
    session::Calibration result;
    result.Cells = {17, 18, 19, 20, 21};
    result.Mean = 19;
    session::CalibrationTarget cells;
    cells.Cells[0] = 16.0;
    cells.Cells[3] = 23.0;
    const session::FitTable byCells = session::FitTableOf(cells, result);
    EXPECT_EQ(byCells.Rows[0].Error, 1.0);
    EXPECT_EQ(byCells.Rows[3].Error, -3.0);
    EXPECT_FALSE(byCells.Rows[1].Error || byCells.Rows[5].Error);
    EXPECT_EQ(std::pair(byCells.Bias, byCells.Rms), std::pair(-1.0, std::sqrt(5.0)));
    const session::FitTable byMean = session::FitTableOf({18.5, {}}, result);
    EXPECT_EQ(byMean.Rows[5].Error, 0.5);
    EXPECT_FALSE(byMean.Rows[0].Error);
    EXPECT_EQ(std::pair(byMean.Bias, byMean.Rms), std::pair(0.5, 0.5));
}

// Smaller bays than about 20 km2 are unstable: a mean below the smallest
// stable scan point's is refused with where the calculation failed.
TEST(Calibration, SaysWhereTheCalculationFailsOnTheWayToTheTarget) {
    const session::TypedInputs small = Given("bay-area", "100");
    const session::Calibration failed = Solve("bay-area", small, {WindowMean(small) - 0.3, {}});
    EXPECT_EQ(failed.Status, CalibrationStatus::TrialFailed);
    ASSERT_TRUE(failed.Problem);
    EXPECT_NE(failed.Problem->Prompt().find("湾面積が 17.78279 のとき計算結果が得られません\r計算が"
                                            "不安定です: "),
              std::string::npos)
        << failed.Problem->Prompt();
}

}  // namespace
}  // namespace tidewell
