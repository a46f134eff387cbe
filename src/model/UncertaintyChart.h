#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "case/BasicInput.h"
#include "case/Message.h"
#include "engine/ModelState.h"
#include "engine/SampleStatistics.h"

// What the uncertainty window draws, without the drawing: the bay mean's
// histogram, the cells' bands, the one-at-a-time bars and the counts line.
namespace tidewell::model {

struct HistogramBin {
    double Low = 0.0, High = 0.0;
    std::size_t Count = 0;
};

// `bins` equal bins from the smallest value to the largest, each holding the
// values from its low edge up to (not including) its high edge; the last bin
// holds the largest value too, so every value is counted once. One bin when
// all values are equal; none for no values.
std::vector<HistogramBin> HistogramOf(std::span<const double> values, std::size_t bins);

// A cell's P5-P95 band beside the single run's value (empty without one).
struct BandRow {
    std::size_t Cell = 1;  // 1 (head) .. 5 (mouth)
    double P5 = 0.0, P50 = 0.0, P95 = 0.0;
    std::optional<double> Run;
};
std::vector<BandRow> BandRows(const std::array<engine::Distribution, engine::kBayCellCount>& cells,
                              const std::optional<std::array<double, engine::kBayCellCount>>& run);

// One input alone at the low and the high end of its spread: the bay mean at
// each end, as offsets from the single run's mean.
struct TornadoEnds {
    BasicInput Input = BasicInput::BayArea;
    std::optional<double> MeanLow, MeanHigh;
};
struct TornadoRow {
    BasicInput Input = BasicInput::BayArea;
    double Low = 0.0, High = 0.0;  // mean at that end minus the base mean
};
// The inputs with a mean at both ends, widest swing first (ties keep their
// order); the others are left out.
std::vector<TornadoRow> TornadoRows(std::span<const TornadoEnds> ends, double base);

// "結果あり N 件、不安定 N 件、計算不可 N 件、入力拒否 N 件".
Message CountWords(std::size_t result, std::size_t unstable, std::size_t cannotRun,
                   std::size_t refused);

}  // namespace tidewell::model
