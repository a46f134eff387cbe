#include "UncertaintyChart.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tidewell::model {

std::vector<HistogramBin> HistogramOf(std::span<const double> values, std::size_t bins) {
    if (values.empty() || bins == 0)
        return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (*low == *high)
        return {{*low, *high, values.size()}};
    std::vector<HistogramBin> histogram(bins);
    const double width = (*high - *low) / static_cast<double>(bins);
    for (std::size_t k = 0; k < bins; ++k) {
        histogram[k].Low = *low + width * static_cast<double>(k);
        histogram[k].High = k + 1 == bins ? *high : *low + width * static_cast<double>(k + 1);
    }
    for (double value : values) {
        // Rounding may put a value just below an edge into the bin above it;
        // the edges are stepped back over so each value lands where it is drawn.
        auto k = static_cast<std::size_t>(std::floor((value - *low) / width));
        k = std::min(k, bins - 1);
        while (k > 0 && value < histogram[k].Low)
            --k;
        while (k + 1 < bins && value >= histogram[k + 1].Low)
            ++k;
        ++histogram[k].Count;
    }
    return histogram;
}

std::vector<BandRow> BandRows(const std::array<engine::Distribution, engine::kBayCellCount>& cells,
                              const std::optional<std::array<double, engine::kBayCellCount>>& run) {
    std::vector<BandRow> rows;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        BandRow row{k + 1, cells[k].P5, cells[k].P50, cells[k].P95, std::nullopt};
        if (run)
            row.Run = (*run)[k];
        rows.push_back(row);
    }
    return rows;
}

std::vector<TornadoRow> TornadoRows(std::span<const TornadoEnds> ends, double base) {
    std::vector<TornadoRow> rows;
    for (const TornadoEnds& end : ends) {
        if (end.MeanLow && end.MeanHigh)
            rows.push_back({end.Input, *end.MeanLow - base, *end.MeanHigh - base});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const TornadoRow& a, const TornadoRow& b) {
        return std::abs(a.High - a.Low) > std::abs(b.High - b.Low);
    });
    return rows;
}

Message CountWords(std::size_t result, std::size_t unstable, std::size_t cannotRun,
                   std::size_t refused) {
    return {MessageId::UncertaintyCounts,
            {std::to_string(result), std::to_string(unstable), std::to_string(cannotRun),
             std::to_string(refused)}};
}

}  // namespace tidewell::model
