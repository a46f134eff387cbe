#include "UncertaintyJson.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace tidewell::session {
namespace {

using json = nlohmann::ordered_json;

json Number(std::optional<double> value) {
    return value && std::isfinite(*value) ? json(*value) : json(nullptr);
}

json Described(const engine::Distribution& d) {
    return {{"p5", Number(d.P5)},   {"p25", Number(d.P25)}, {"p50", Number(d.P50)},
            {"p75", Number(d.P75)}, {"p95", Number(d.P95)}, {"mean", Number(d.Mean)},
            {"sd", Number(d.Sd)}};
}

}  // namespace

std::string UncertaintyJson(const UncertaintyPlan& plan, const UncertaintyRun& run,
                            const UncertaintySummary& summary) {
    const StatusCounts& counts = summary.Counts;
    json refusals = json::array();
    for (const RefusalCount& refusal : summary.Refusals)
        refusals.push_back({{"title", refusal.Reason.Title()},
                            {"prompt", refusal.Reason.Prompt()},
                            {"count", refusal.Count}});
    json mean = nullptr, cells = nullptr;
    if (summary.Mean) {
        mean = Described(*summary.Mean);
        cells = json::array();
        for (const engine::Distribution& cell : summary.Cells)
            cells.push_back(Described(cell));
    }
    json correlation = json::object();
    for (const auto& [input, rho] : summary.RankCorrelation)
        correlation[std::string(InputName(input))] = Number(rho);
    json tornado = json::array();
    for (const TornadoBar& bar : run.Tornado)
        tornado.push_back({{"input", InputName(bar.Input)},
                           {"low", bar.Low.Case.Text(bar.Input)},
                           {"high", bar.High.Case.Text(bar.Input)},
                           {"meanLow", Number(bar.Low.Mean())},
                           {"meanHigh", Number(bar.High.Mean())}});
    json report = json::object();
    report["samples"] = plan.Samples;
    report["seed"] = plan.Seed;
    report["counts"] = {{"result", counts.Result},
                        {"unstable", counts.Unstable},
                        {"cannot-run", counts.CannotRun},
                        {"refused", counts.Refused}};
    report["refusals"] = std::move(refusals);
    report["mean"] = std::move(mean);
    report["cells"] = std::move(cells);
    report["rankCorrelation"] = std::move(correlation);
    report["tornado"] = std::move(tornado);
    report["base"] = Number(run.Base.Mean());
    return report.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace tidewell::session
