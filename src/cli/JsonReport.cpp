#include "JsonReport.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace tidewell::cli {
namespace {

using json = nlohmann::ordered_json;

std::string Dump(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

// A number, or null when it is not finite (JSON has no NaN or infinity).
json Number(double value) {
    return std::isfinite(value) ? json(value) : json(nullptr);
}

}  // namespace

std::string JsonReport(const model::MainModel& model, std::int64_t stepCount, bool hasResult,
                       const std::vector<Message>& messages,
                       const std::optional<std::array<double, engine::kBayCellCount>>& steady) {
    const engine::ModelState& bay = model.Bay();
    json fields = json::object();
    for (int field = 1; field <= model::kFieldCount; ++field)
        fields["Text" + std::to_string(field)] = model.FieldText(field);
    json lists = json::object();
    for (int list = 1; list <= model::kListCount; ++list)
        lists["List" + std::to_string(list)] = model.List(list).Selected;
    json frames = json::array();
    for (int frame = 1; frame <= model::kFrameCount; ++frame)
        frames.push_back(model.FrameBackground(frame));
    json cells = json::array();
    for (int cell = 1; cell <= 5; ++cell)
        cells.push_back(Number(bay.CellConc[engine::kTemperature][cell]));
    json shown = json::array();
    for (const Message& message : messages)
        shown.push_back({{"title", message.Title()}, {"prompt", message.Prompt()}});
    // Keys in the order they have always been written.
    json report = json::object();
    report["fields"] = std::move(fields);
    report["lists"] = std::move(lists);
    report["frames"] = std::move(frames);
    report["cells"] = std::move(cells);
    report["TimeStep"] = Number(bay.TimeStep);
    report["CalcDays"] = Number(bay.CalcDays);
    report["StepCount"] = stepCount;
    report["BayMeanConc"] =
        hasResult ? Number(bay.BayMeanConc[engine::kTemperature]) : json(nullptr);
    report["messages"] = std::move(shown);
    json settled = nullptr;
    if (steady) {
        settled = json::array();
        for (double cell : *steady)
            settled.push_back(Number(cell));
    }
    report["steadyState"] = std::move(settled);
    return Dump(report);
}

}  // namespace tidewell::cli
