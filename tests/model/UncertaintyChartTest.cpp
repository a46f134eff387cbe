#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "model/UncertaintyChart.h"

namespace tidewell {
namespace {

std::vector<std::size_t> CountsOf(const std::vector<model::HistogramBin>& bins) {
    std::vector<std::size_t> counts;
    for (const model::HistogramBin& bin : bins)
        counts.push_back(bin.Count);
    return counts;
}

// Every value is counted once, in the bin whose edges hold it; the largest
// falls in the last bin, and equal values make one bin.
TEST(UncertaintyChart, HistogramCountsEachValueOnceWithinItsEdges) {
    using Row = std::tuple<std::vector<double>, std::size_t, std::vector<std::size_t>>;
    for (const auto& [values, bins, counts] :
         {Row{{0.0, 1.0, 2.0, 3.0, 4.0}, 4, {1, 1, 1, 2}}, Row{{17.1, 17.1, 17.1}, 5, {3}},
          Row{std::vector<double>{}, 5, std::vector<std::size_t>{}},
          Row{{0.3, 0.1, 0.2, 0.6, 1.0, 0.15}, 3, {4, 1, 1}}}) {
        const auto histogram = model::HistogramOf(values, bins);
        EXPECT_EQ(CountsOf(histogram), counts);
        for (double value : values) {
            const auto holding = std::count_if(
                histogram.begin(), histogram.end(), [&](const model::HistogramBin& bin) {
                    return bin.Low <= value &&
                           (value < bin.High || (&bin == &histogram.back() && value == bin.High));
                });
            EXPECT_EQ(holding, 1) << value;
        }
    }
}

// The edges meet without gaps from the smallest value to the largest, even
// where a width of a tenth cannot be held exactly.
TEST(UncertaintyChart, HistogramEdgesSpanTheValues) {
    std::vector<double> values;
    for (int k = 0; k <= 100; ++k)
        values.push_back(16.9 + 0.01 * k);
    const auto histogram = model::HistogramOf(values, 20);
    ASSERT_EQ(histogram.size(), 20u);
    EXPECT_EQ(histogram.front().Low, values.front());
    EXPECT_EQ(histogram.back().High, values.back());
    for (std::size_t k = 1; k < histogram.size(); ++k)
        EXPECT_EQ(histogram[k].Low, histogram[k - 1].High);
    const auto counts = CountsOf(histogram);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::size_t{0}), values.size());
}

// Bars are offsets from the single run, widest swing first whichever end is
// lower; an input missing a mean at either end has no bar.
TEST(UncertaintyChart, TornadoRowsSortBySwingAndDropEndsWithoutResult) {
    const std::vector<model::TornadoEnds> ends{{BasicInput::BayArea, 17.0, 17.2},
                                               {BasicInput::MeanDepth, 18.0, 16.0},
                                               {BasicInput::SeaTemp, std::nullopt, 17.5},
                                               {BasicInput::InflowRate, 16.9, 17.6}};
    const auto rows = model::TornadoRows(ends, 17.1);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Input, BasicInput::MeanDepth);
    EXPECT_NEAR(rows[0].Low, 0.9, 1e-12);
    EXPECT_NEAR(rows[0].High, -1.1, 1e-12);
    EXPECT_EQ(rows[1].Input, BasicInput::InflowRate);
    EXPECT_EQ(rows[2].Input, BasicInput::BayArea);
}

TEST(UncertaintyChart, BandsPairEachCellWithTheRun) {
    std::array<engine::Distribution, engine::kBayCellCount> cells{};
    for (std::size_t k = 0; k < cells.size(); ++k)
        cells[k] = {16.0 + static_cast<double>(k), 0, 17.0, 0, 18.0 + static_cast<double>(k)};
    const auto rows = model::BandRows(cells, std::array{1.0, 2.0, 3.0, 4.0, 5.0});
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4].Cell, 5u);
    EXPECT_EQ(rows[4].P5, 20.0);
    EXPECT_EQ(rows[4].P95, 22.0);
    EXPECT_EQ(rows[4].Run, 5.0);
    EXPECT_FALSE(model::BandRows(cells, std::nullopt)[0].Run);
}

TEST(UncertaintyChart, CountWordsNameEachStatus) {
    EXPECT_EQ(model::CountWords(37, 2, 1, 0).Prompt(),
              "結果あり 37 件、不安定 2 件、計算不可 1 件、入力拒否 0 件");
}

}  // namespace
}  // namespace tidewell
