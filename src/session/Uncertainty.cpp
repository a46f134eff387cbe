#include "Uncertainty.h"

#include <algorithm>
#include <cmath>

#include "TypedInputs.h"
#include "case/FullPrecisionText.h"
#include "case/MessageLog.h"
#include "case/NumericText.h"
#include "engine/LatinHypercube.h"
#include "model/MainModel.h"

namespace tidewell::session {
namespace {

bool IsSpread(const engine::Spread& spread) {
    return spread.Shape != engine::SpreadShape::None;
}

// The case with one input's text replaced by a value to 17 digits.
CaseFile WithValue(CaseFile theCase, BasicInput input, double value) {
    theCase.Text(input) = SeventeenDigits(value);
    return theCase;
}

// Types the sample's case into a freshly started model, exactly as a batch
// row is typed; its record when every text and entry was taken, else the
// refusal is kept in the sample.
std::optional<CaseRecord> TypeIn(SampledCase& sample) {
    TypedInputs inputs;
    for (BasicInput input : kBasicInputs)
        inputs.Texts[input] = sample.Case.Text(input);
    for (MultiplierList list : kMultiplierLists) {
        if (const std::optional<std::string>& entry = sample.Case.Entry(list))
            inputs.Picks[list] = *entry;
    }
    MessageLog log;
    model::MainModel model(log, "");
    model.FormLoad();
    sample.Refusal = ApplyInputs(model, log, inputs);
    if (sample.Refusal)
        return std::nullopt;
    return model.Record();
}

void SortBySwing(std::vector<TornadoBar>& bars) {
    std::stable_sort(bars.begin(), bars.end(), [](const TornadoBar& a, const TornadoBar& b) {
        const std::optional<double> left = a.Swing(), right = b.Swing();
        return left && (!right || *left > *right);
    });
}

}  // namespace

std::optional<double> TornadoBar::Swing() const {
    const std::optional<double> low = Low.Mean(), high = High.Mean();
    if (!low || !high)
        return std::nullopt;
    return std::fabs(*high - *low);
}

double SpelledValue(const std::string& text) {
    return LeadingNumber(text);
}

UncertaintyRun RunUncertainty(const CaseFile& theCase, const UncertaintyPlan& plan,
                              const engine::BatchProgress& progress) {
    UncertaintyRun run;
    run.Base.Case = theCase;
    run.Samples.resize(plan.Samples);
    const engine::LatinHypercube draws(kBasicInputs.size(), std::max<std::size_t>(plan.Samples, 1),
                                       plan.Seed);
    for (std::size_t d = 0; d < kBasicInputs.size(); ++d) {
        const engine::Spread& spread = plan.Spread[d];
        if (!IsSpread(spread))
            continue;
        const BasicInput input = kBasicInputs[d];
        const double base = SpelledValue(theCase.Text(input));
        TornadoBar& bar = run.Tornado.emplace_back();
        bar.Input = input;
        bar.Low.Case = WithValue(theCase, input, SpreadLow(base, spread));
        bar.High.Case = WithValue(theCase, input, SpreadHigh(base, spread));
    }
    for (std::size_t i = 0; i < plan.Samples; ++i) {
        CaseFile& sample = run.Samples[i].Case;
        sample = theCase;
        for (std::size_t d = 0; d < kBasicInputs.size(); ++d) {
            const engine::Spread& spread = plan.Spread[d];
            if (IsSpread(spread))
                sample.Texts[d] = SeventeenDigits(engine::SpreadValue(
                    SpelledValue(theCase.Texts[d]), spread, draws.Probability(d, i)));
        }
    }

    std::vector<SampledCase*> typed;
    for (SampledCase& sample : run.Samples)
        typed.push_back(&sample);
    typed.push_back(&run.Base);
    for (TornadoBar& bar : run.Tornado) {
        typed.push_back(&bar.Low);
        typed.push_back(&bar.High);
    }
    std::vector<CaseRecord> cases;
    std::vector<SampledCase*> runs;
    for (SampledCase* sample : typed) {
        sample->Outcome.Run.Status = engine::RunStatus::Cancelled;
        if (std::optional<CaseRecord> record = TypeIn(*sample)) {
            cases.push_back(*record);
            runs.push_back(sample);
        }
    }
    std::vector<engine::BatchOutcome> outcomes = engine::RunBatch(cases, progress, plan.Threads);
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        run.Cancelled = run.Cancelled || outcomes[k].Run.Status == engine::RunStatus::Cancelled;
        runs[k]->Outcome = std::move(outcomes[k]);
    }
    SortBySwing(run.Tornado);
    return run;
}

}  // namespace tidewell::session
