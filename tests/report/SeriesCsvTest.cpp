#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/RunDriver.h"
#include "report/SeriesCsv.h"
#include "report/SweepCsv.h"

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

// Rows written by hand: one with a result, one without.
TEST(SweepCsv, WritesEntriesStatusAndFullDigits) {
    const SweepCombination combinations[] = {{0, 0, 0}, {6, 2, 7}};
    BatchOutcome done;
    done.Run.Status = RunStatus::Completed;
    done.Mean = 0.1;
    done.Cells = {17.5, 17.25, 18, 1.0 / 3, 1e22};
    BatchOutcome unstable;
    unstable.Run.Status = RunStatus::Unstable;
    const BatchOutcome outcomes[] = {done, unstable};
    EXPECT_EQ(SweepCsv(combinations, outcomes),
              "section-factor,inflow-temp-factor,inflow-factor,status,mean,cell1,cell2,cell3,"
              "cell4,cell5\n"
              "1.0,1.0,1.0,result,0.10000000000000001,17.5,17.25,18,0.33333333333333331,1e+22\n"
              "2.0,0.5,5.0,unstable,,,,,,\n");
}

}  // namespace
}  // namespace tidewell
