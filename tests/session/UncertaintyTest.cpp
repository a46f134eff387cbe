#include <cmath>
#include <string>

#include "ModelFixture.h"
#include "session/CaseFileCommands.h"
#include "session/Uncertainty.h"
#include "session/UncertaintySummary.h"

namespace tidewell {
namespace {

using engine::SpreadShape;

class Uncertainty : public StartedModel {};

// Spreads of zero width type each text again (to 17 digits) and must give,
// sample by sample, to the last bit, what one run of the case gives.
TEST_F(Uncertainty, ZeroSpreadGivesTheSingleRunInEverySample) {
    Enter(Model, {{1, " 500 "}, {8, "1D1"}, {-3, "2.0"}});
    const CaseFile theCase = session::CaseOfModel(Model);
    ASSERT_EQ(Model.Command1_Click().Status, engine::RunStatus::Completed);
    const engine::ModelState& single = Model.Bay();
    session::UncertaintyPlan plan{.Samples = 4, .Seed = 9, .Threads = 2};
    plan.Spread.fill({SpreadShape::Uniform, 0.0});
    plan.Spread[3] = {SpreadShape::Normal, 0.0};
    plan.Spread[4] = {SpreadShape::Triangular, 0.0};
    const session::UncertaintyRun run = session::RunUncertainty(theCase, plan);

    std::vector<const session::SampledCase*> all{&run.Base};
    for (const session::SampledCase& sample : run.Samples)
        all.push_back(&sample);
    for (const session::TornadoBar& bar : run.Tornado)
        all.insert(all.end(), {&bar.Low, &bar.High});
    ASSERT_EQ(all.size(), 1u + 4u + 12u);
    for (const session::SampledCase* sample : all) {
        ASSERT_TRUE(sample->HasResult()) << sample->Case.Text(BasicInput::InflowTemp);
        EXPECT_EQ(sample->Outcome.Mean, single.BayMeanConc[engine::kTemperature]);
        for (int k = 1; k <= engine::kBayCellCount; ++k)
            EXPECT_EQ(sample->Outcome.Cells[k - 1], single.CellConc[engine::kTemperature][k]);
    }
    EXPECT_EQ(run.Samples[2].Case.Text(BasicInput::InflowTemp), "10");
    const session::UncertaintySummary summary = session::SummariseUncertainty(run, plan.Spread);
    EXPECT_EQ(summary.Counts.Result, 4u);
    ASSERT_TRUE(summary.Mean);
    EXPECT_EQ(summary.Mean->P5, summary.Mean->P95);
    EXPECT_EQ(summary.Mean->Sd, 0.0);
    ASSERT_EQ(summary.RankCorrelation.size(), 6u);
    EXPECT_TRUE(std::isnan(summary.RankCorrelation[0].second));
}

// A sea temperature below zero is refused by its field; such a sample is
// counted as refused with the field's own message, never clamped.
TEST_F(Uncertainty, RefusedSamplesAreCountedWithTheFieldsReason) {
    session::UncertaintyPlan plan{.Samples = 30, .Seed = 3};
    plan.Spread[static_cast<std::size_t>(BasicInput::SeaTemp)] = {SpreadShape::Uniform, 150.0};
    const session::UncertaintyRun run = session::RunUncertainty(session::CaseOfModel(Model), plan);
    const session::UncertaintySummary summary = session::SummariseUncertainty(run, plan.Spread);

    std::size_t below = 0;
    std::string belowText;
    for (const session::SampledCase& sample : run.Samples) {
        const std::string& text = sample.Case.Text(BasicInput::SeaTemp);
        const bool negative = std::stod(text) < 0.0;
        EXPECT_EQ(sample.Refusal.has_value(), negative) << text;
        EXPECT_EQ(session::SampleStatusWord(sample), negative ? "refused" : "result") << text;
        below += negative;
        if (negative)
            belowText = text;
    }
    // Below zero is p < 1/6 of the uniform draw: by the strata, 5 of 30 samples.
    EXPECT_EQ(below, 5u);
    EXPECT_EQ(summary.Counts.Refused, below);
    EXPECT_EQ(summary.Counts.Result, 30u - below);
    Enter(Model, {{7, belowText}});
    ASSERT_EQ(summary.Refusals.size(), 1u);
    EXPECT_EQ(summary.Refusals[0].Reason, Messages.Shown.back());
    EXPECT_EQ(summary.Refusals[0].Count, below);
    ASSERT_EQ(run.Tornado.size(), 1u);  // 18 x (1 - 1.5) is refused too
    EXPECT_EQ(run.Tornado[0].Low.Case.Text(BasicInput::SeaTemp), "-9");
    EXPECT_FALSE(run.Tornado[0].Low.Mean());
    EXPECT_TRUE(run.Tornado[0].High.Mean());
}

}  // namespace
}  // namespace tidewell
