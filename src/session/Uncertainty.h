#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SpreadFile.h"
#include "case/CaseFile.h"
#include "case/Message.h"
#include "engine/BatchRunner.h"

// How sure a case's result is: many copies of the case whose basic conditions
// are drawn from their spreads by Latin hypercube sampling, each typed into a
// freshly started model as a user would type it (a text the field refuses
// makes the sample refused, never clamped) and run as a batch. Sample i is
// the same for every thread count and platform: input d's value is
// SpreadValue(v, spread, p) with v the number the case's text spells and p
// the plan's draw (d, i), typed with 17 significant digits.
namespace tidewell::session {

struct UncertaintyPlan {
    Spreads Spread{};  // none for every input unless given
    std::size_t Samples = 1000;
    std::uint64_t Seed = 1;
    unsigned Threads = 0;  // 0: one per core
};

// One case typed and run: its texts, why it was refused, or its run.
struct SampledCase {
    CaseFile Case;
    std::optional<Message> Refusal;
    engine::BatchOutcome Outcome;  // Cancelled when refused or never run

    bool HasResult() const {
        return !Refusal && Outcome.Run.Status == engine::RunStatus::Completed;
    }
    std::optional<double> Mean() const {
        return HasResult() ? std::optional(Outcome.Mean) : std::nullopt;
    }
};

// One spread input alone at each end of its spread (SpreadLow, SpreadHigh),
// the others as in the case.
struct TornadoBar {
    BasicInput Input = BasicInput::BayArea;
    SampledCase Low, High;

    // |mean at the high end - mean at the low end|; empty when an end has no result.
    std::optional<double> Swing() const;
};

struct UncertaintyRun {
    std::vector<SampledCase> Samples;  // in sample order
    SampledCase Base;                  // the case itself
    std::vector<TornadoBar> Tornado;   // widest swing first; those without one last
    bool Cancelled = false;
};

// Samples, base and tornado all run in one batch; `progress` counts its cases.
UncertaintyRun RunUncertainty(const CaseFile& theCase, const UncertaintyPlan& plan,
                              const engine::BatchProgress& progress = {});

// The number a text spells for the calculation (its leading number).
double SpelledValue(const std::string& text);

}  // namespace tidewell::session
