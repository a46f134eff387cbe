#include <gtest/gtest.h>

#include "BayCases.h"
#include "TestSupport.h"
#include "engine/RunDriver.h"
#include "engine/TimeSeries.h"

namespace tidewell {
namespace {

using test::BayCase;

// The first row is the start and the last the final state, exactly; inner rows
// are evenly spaced; a short run keeps every step. 12623 steps keep every 7th
// step: 1803 inner rows. 80 m3/s into 1000 km2 runs 52 229 steps, kept every
// 27th: 1934 inner rows; 899 steps keep all.
TEST(TimeSeries, KeepsStartEvenlySpacedStepsAndEnd) {
    for (const auto& [record, steps, size] : {std::tuple{DefaultCase(), 12623, 1805u},
                                              {BayCase(1000, 80), 52229, 1936u},
                                              {BayCase(100, 1000), 899, 900u}}) {
        engine::ModelState model;
        engine::NoReport report;
        MessageLog messages;
        engine::TimeSeries series;
        const engine::RunResult run =
            engine::RunCalculation(record, model, report, messages, {}, &series);
        ASSERT_EQ(run.StepCount, steps);
        const std::vector<engine::SeriesRow>& rows = series.Rows();
        ASSERT_EQ(rows.size(), size);
        EXPECT_EQ(rows.front(), (engine::SeriesRow{0, {18, 18, 18, 18, 18}}));
        const auto& cells = model.CellConc[engine::kTemperature];
        EXPECT_EQ(rows.back(),
                  (engine::SeriesRow{static_cast<double>(steps) * model.TimeStep / 1440,
                                     {cells[1], cells[2], cells[3], cells[4], cells[5]}}));
        for (std::size_t i = 1; i + 1 < rows.size(); ++i)
            EXPECT_NEAR(rows[i].Day - rows[i - 1].Day, rows[1].Day, 1e-9 * rows.back().Day) << i;
    }
}

// However many steps, at most 2000 inner rows, at the smallest stride that
// keeps them within that.
TEST(TimeSeries, KeepsAtMostTwoThousandInnerRows) {
    const engine::ModelState model;
    for (const auto& [steps, rows] : {std::pair{2000, 2001u}, {2001, 2002u}, {2002, 1002u}}) {
        engine::TimeSeries series;
        series.Plan(steps, 1440);
        for (int step = 0; step <= steps; ++step)
            series.Offer(step, model);
        EXPECT_EQ(series.Rows().size(), rows) << steps;
        EXPECT_EQ(series.Rows().back().Day, steps) << steps;
    }
}

}  // namespace
}  // namespace tidewell
