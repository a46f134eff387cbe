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

// Sample i's case: each spread input's text replaced by its draw (d, i).
std::vector<SampledCase> DrawSamples(const CaseFile& theCase, const UncertaintyPlan& plan) {
    std::vector<SampledCase> samples(plan.Samples);
    const engine::LatinHypercube draws(kBasicInputs.size(), std::max<std::size_t>(plan.Samples, 1),
                                       plan.Seed);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i].Case = theCase;
        for (std::size_t d = 0; d < kBasicInputs.size(); ++d) {
            const engine::Spread& spread = plan.Spread[d];
            if (IsSpread(spread))
                samples[i].Case.Texts[d] = SeventeenDigits(engine::SpreadValue(
                    SpelledValue(theCase.Texts[d]), spread, draws.Probability(d, i)));
        }
    }
    return samples;
}

std::vector<TornadoBar> TornadoEnds(const CaseFile& theCase, const Spreads& spreads) {
    std::vector<TornadoBar> bars;
    for (BasicInput input : kBasicInputs) {
        const engine::Spread& spread = spreads[static_cast<std::size_t>(input)];
        if (!IsSpread(spread))
            continue;
        const double value = SpelledValue(theCase.Text(input));
        TornadoBar& bar = bars.emplace_back();
        bar.Input = input;
        bar.Low.Case = WithValue(theCase, input, engine::SpreadLow(value, spread));
        bar.High.Case = WithValue(theCase, input, engine::SpreadHigh(value, spread));
    }
    return bars;
}

// Types every case and runs those accepted as one batch; false when the
// batch was cancelled.
bool TypeAndRun(const std::vector<SampledCase*>& all, const engine::BatchProgress& progress,
                unsigned threads) {
    std::vector<CaseRecord> cases;
    std::vector<SampledCase*> accepted;
    for (SampledCase* sample : all) {
        sample->Outcome.Run.Status = engine::RunStatus::Cancelled;
        if (std::optional<CaseRecord> record = TypeIn(*sample)) {
            cases.push_back(*record);
            accepted.push_back(sample);
        }
    }
    std::vector<engine::BatchOutcome> outcomes = engine::RunBatch(cases, progress, threads);
    bool finished = true;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        finished = finished && outcomes[k].Run.Status != engine::RunStatus::Cancelled;
        accepted[k]->Outcome = std::move(outcomes[k]);
    }
    return finished;
}

void SortBySwing(std::vector<TornadoBar>& bars) {
    std::stable_sort(bars.begin(), bars.end(), [](const TornadoBar& a, const TornadoBar& b) {
        const std::optional<double> left = a.Swing(), right = b.Swing();
        return left && (!right || *left > *right);
    });
}

}  // namespace

double SpelledValue(const std::string& text) {
    return LeadingNumber(text);
}

std::optional<double> TornadoBar::Swing() const {
    const std::optional<double> low = Low.Mean(), high = High.Mean();
    if (!low || !high)
        return std::nullopt;
    return std::fabs(*high - *low);
}

UncertaintyRun RunUncertainty(const CaseFile& theCase, const UncertaintyPlan& plan,
                              const engine::BatchProgress& progress) {
    UncertaintyRun run;
    run.Base.Case = theCase;
    run.Samples = DrawSamples(theCase, plan);
    run.Tornado = TornadoEnds(theCase, plan.Spread);
    std::vector<SampledCase*> all{&run.Base};
    for (SampledCase& sample : run.Samples)
        all.push_back(&sample);
    for (TornadoBar& bar : run.Tornado)
        all.insert(all.end(), {&bar.Low, &bar.High});
    run.Cancelled = !TypeAndRun(all, progress, plan.Threads);
    SortBySwing(run.Tornado);
    return run;
}

}  // namespace tidewell::session
