#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/RunDriver.h"
#include "report/SeriesCsv.h"

namespace tidewell {
namespace {

TEST(SeriesCsv, WritesHeaderAndSeventeenDigitRows) {
    const SeriesRow rows[] = {{0, {18, 18, 18, 18, 18}},
                              {0.1, {17.5, -0.5, 1e-7, 123456789.125, 1.0 / 3}}};
    EXPECT_EQ(SeriesCsv(rows),
              "day,cell1,cell2,cell3,cell4,cell5\n"
              "0,18,18,18,18,18\n"
              "0.10000000000000001,17.5,-0.5,9.9999999999999995e-08,123456789.125,"
              "0.33333333333333331\n");
}

// No inflow gives no calculation time: the series is the start alone.
TEST(SeriesCsv, RunWithoutStepsIsItsStart) {
    CaseRecord record = DefaultCase();
    record.InflowRate = BasicValue(0.0);
    ModelState model;
    NoReport report;
    test::RecordedMessages messages;
    TimeSeries series;
    RunCalculation(record, model, report, messages, {}, &series);
    EXPECT_EQ(SeriesCsv(series.Rows()), "day,cell1,cell2,cell3,cell4,cell5\n0,18,18,18,18,18\n");
}

}  // namespace
}  // namespace tidewell
