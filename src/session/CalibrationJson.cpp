#include "CalibrationJson.h"

#include <nlohmann/json.hpp>

namespace tidewell::session {

std::string CalibrationJson(CalibratedInput input, const Calibration& result) {
    using json = nlohmann::ordered_json;
    const bool solved = result.Status == CalibrationStatus::Solved;
    const bool basic = std::holds_alternative<BasicInput>(input);
    json report = json::object();
    report["input"] = std::string(NameOf(input));
    report["value"] = solved ? json(result.Value) : json(nullptr);
    if (basic)
        report["text"] = solved ? json(result.Text) : json(nullptr);
    report["mean"] = solved ? json(result.Mean) : json(nullptr);
    report["cells"] = solved ? json(result.Cells) : json(nullptr);
    report["residual"] = solved ? json(result.Residual) : json(nullptr);
    report["runs"] = result.Runs;
    if (!basic) {
        json nearest = nullptr;
        if (result.Nearest) {
            const auto& mean = result.Nearest->Mean;
            nearest = {{"entry", result.Nearest->Entry},
                       {"mean", mean ? json(*mean) : json(nullptr)}};
        }
        report["nearestEntry"] = std::move(nearest);
    }
    return report.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace tidewell::session
