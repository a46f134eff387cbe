#include "SpreadFile.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>

#include "case/SafeFile.h"

namespace tidewell::session {
namespace {

using Json = nlohmann::json;

constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;
constexpr const char* kShapeKey = "dist";
constexpr const char* kPercentKey = "percent";

// Why one input's entry cannot be used; empty when `spread` holds it.
std::optional<Message> ReadEntry(const std::string& name, const Json& entry,
                                 engine::Spread& spread) {
    if (!entry.is_object() || !entry.contains(kShapeKey) || !entry.contains(kPercentKey))
        return Message{MessageId::SpreadEntryIncomplete, {name}};
    for (const auto& [key, value] : entry.items()) {
        if (key != kShapeKey && key != kPercentKey)
            return Message{MessageId::SpreadUnknownMember, {name, key}};
    }
    const Json& shape = entry[kShapeKey];
    const std::optional<engine::SpreadShape> named =
        shape.is_string() ? engine::SpreadShapeNamed(shape.get<std::string>()) : std::nullopt;
    if (!named)
        return Message{MessageId::SpreadUnknownShape, {name, shape.dump()}};
    const Json& percent = entry[kPercentKey];
    if (!percent.is_number() || !std::isfinite(percent.get<double>()) ||
        percent.get<double>() < 0.0)
        return Message{MessageId::SpreadBadPercent, {name, percent.dump()}};
    spread = {*named, percent.get<double>()};
    return std::nullopt;
}

}  // namespace

SpreadFileParse ParseSpreadFile(std::string_view text) {
    // The parser keeps the last of two equal keys; an input named twice is
    // refused, so the top level's keys are collected as they are read.
    std::set<std::string> keys;
    std::optional<std::string> repeated;
    const Json::parser_callback_t noteKeys = [&](int depth, Json::parse_event_t event,
                                                 Json& parsed) {
        if (event == Json::parse_event_t::key && depth == 1 && !repeated &&
            !keys.insert(parsed.get<std::string>()).second)
            repeated = parsed.get<std::string>();
        return true;
    };
    const Json json = Json::parse(text, noteKeys, false);
    if (json.is_discarded() || !json.is_object())
        return {std::nullopt, Message{MessageId::SpreadNotObject, {}}};
    if (repeated)
        return {std::nullopt, Message{MessageId::SpreadKeyTwice, {*repeated}}};
    Spreads spreads{};
    for (const auto& [key, entry] : json.items()) {
        const std::optional<BasicInput> input = InputNamed(key);
        if (!input)
            return {std::nullopt, Message{MessageId::SpreadNotInput, {key}}};
        if (auto problem = ReadEntry(key, entry, spreads[static_cast<std::size_t>(*input)]))
            return {std::nullopt, std::move(*problem)};
    }
    return {spreads, {}};
}

SpreadFileRead ReadSpreadFile(const std::string& path) {
    const FileRead file = ReadSmallFile(path, kMaxFileBytes);
    const SpreadFileParse parse =
        file.Bytes ? ParseSpreadFile(*file.Bytes) : SpreadFileParse{std::nullopt, file.Problem};
    if (parse.Spread)
        return {parse.Spread, std::nullopt};
    return {std::nullopt, Message{MessageId::SpreadFileRefused, {path, parse.Problem}}};
}

}  // namespace tidewell::session
