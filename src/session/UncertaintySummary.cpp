#include "UncertaintySummary.h"

#include <algorithm>

#include "CaseBatch.h"
#include "report/SampleCsv.h"
#include "report/SweepCsv.h"

namespace tidewell::session {
namespace {

void Count(const SampledCase& sample, UncertaintySummary& summary) {
    StatusCounts& counts = summary.Counts;
    if (sample.Refusal) {
        ++counts.Refused;
        auto& refusals = summary.Refusals;
        const auto same = std::find_if(refusals.begin(), refusals.end(), [&](const auto& known) {
            return known.Reason == *sample.Refusal;
        });
        if (same == refusals.end())
            refusals.push_back({*sample.Refusal, 1});
        else
            ++same->Count;
        return;
    }
    switch (sample.Outcome.Run.Status) {
        case engine::RunStatus::Completed:
            ++counts.Result;
            break;
        case engine::RunStatus::Unstable:
            ++counts.Unstable;
            break;
        case engine::RunStatus::NotRun:
            ++counts.CannotRun;
            break;
        case engine::RunStatus::Cancelled:
            break;
    }
}

}  // namespace

UncertaintySummary SummariseUncertainty(const UncertaintyRun& run, const Spreads& spreads) {
    UncertaintySummary summary;
    std::vector<const SampledCase*> withResult;
    for (const SampledCase& sample : run.Samples) {
        Count(sample, summary);
        if (sample.HasResult())
            withResult.push_back(&sample);
    }
    std::vector<double> means;
    for (const SampledCase* sample : withResult)
        means.push_back(sample->Outcome.Mean);
    // Every spread input is listed, without a correlation (NaN) when no sample has a result.
    for (BasicInput input : kBasicInputs) {
        if (spreads[static_cast<std::size_t>(input)].Shape == engine::SpreadShape::None)
            continue;
        std::vector<double> values;
        for (const SampledCase* sample : withResult)
            values.push_back(SpelledValue(sample->Case.Text(input)));
        summary.RankCorrelation.emplace_back(input, engine::RankCorrelation(values, means));
    }
    if (withResult.empty())
        return summary;
    for (std::size_t k = 0; k < summary.Cells.size(); ++k) {
        std::vector<double> cells;
        for (const SampledCase* sample : withResult)
            cells.push_back(sample->Outcome.Cells[k]);
        summary.Cells[k] = engine::Summarise(std::move(cells));
    }
    summary.Mean = engine::Summarise(std::move(means));
    return summary;
}

std::string_view SampleStatusWord(const SampledCase& sample) {
    return sample.Refusal ? "refused" : report::StatusWord(sample.Outcome.Run.Status);
}

std::string SamplesCsv(const UncertaintyRun& run) {
    std::vector<report::SampleLine> lines;
    lines.reserve(run.Samples.size());
    for (const SampledCase& sample : run.Samples) {
        lines.push_back({&sample.Case, SampleStatusWord(sample),
                         sample.HasResult() ? &sample.Outcome : nullptr,
                         sample.Refusal ? OneLine(*sample.Refusal) : FailureOf(sample.Outcome)});
    }
    return report::SampleCsv(lines);
}

}  // namespace tidewell::session
