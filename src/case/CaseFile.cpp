#include "CaseFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>

#include "SafeFile.h"

namespace tidewell {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormatKey = "format";
constexpr std::string_view kFormat = "tidewell-case";
constexpr std::string_view kVersionKey = "version";
constexpr int kVersion = 1;
// A case file is a few hundred bytes; anything far larger is not one.
constexpr std::size_t kMaxFileBytes = 1 << 20;
// A case file is one object of strings and numbers. A few levels more let a
// misplaced array or object be named by the usual problems; far deeper
// nesting would exhaust the stack of the JSON library's recursive copies.
constexpr int kMaxNesting = 8;

Message MissingKey(std::string_view key) {
    return {MessageId::KeyMissing, {std::string(key)}};
}

// The problem with the basic-condition texts and list entries, if any.
std::optional<Message> ReadValues(const Json& object, CaseFile& file) {
    for (BasicInput input : kBasicInputs) {
        const std::string key(InputName(input));
        const auto value = object.find(key);
        if (value == object.end())
            return MissingKey(key);
        if (!value->is_string())
            return Message{MessageId::KeyNotString, {key}};
        file.Text(input) = value->get<std::string>();
    }
    for (MultiplierList list : kMultiplierLists) {
        const std::string key(ListName(list));
        const auto value = object.find(key);
        if (value == object.end())
            return MissingKey(key);
        if (value->is_null())
            continue;
        if (!value->is_string())
            return Message{MessageId::KeyNotStringOrNull, {key}};
        const std::string entry = value->get<std::string>();
        const std::optional<std::string_view> listed = EntryNamed(list, entry);
        if (!listed)
            return Message{MessageId::EntryNotListed, {key, entry}};
        file.Entry(list) = std::string(*listed);
    }
    return std::nullopt;
}

// The deepest nesting of arrays and objects in a JSON text, counted outside
// strings, before anything is built from it.
int NestingDepth(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;  // the escaped character cannot end the string
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

bool IsKnownKey(std::string_view key) {
    if (key == kFormatKey || key == kVersionKey)
        return true;
    for (BasicInput input : kBasicInputs) {
        if (InputName(input) == key)
            return true;
    }
    for (MultiplierList list : kMultiplierLists) {
        if (ListName(list) == key)
            return true;
    }
    return false;
}

}  // namespace

std::string CaseFileText(const CaseFile& file) {
    Json json;
    json[std::string(kFormatKey)] = kFormat;
    json[std::string(kVersionKey)] = kVersion;
    for (BasicInput input : kBasicInputs)
        json[std::string(InputName(input))] = file.Text(input);
    for (MultiplierList list : kMultiplierLists) {
        const auto& entry = file.Entry(list);
        json[std::string(ListName(list))] = entry ? Json(*entry) : Json(nullptr);
    }
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

CaseFileParse ParseCaseFile(std::string_view text) {
    if (NestingDepth(text) > kMaxNesting)
        return {std::nullopt, {MessageId::NestedTooDeeply, {}}};
    // The parser keeps the last of two equal keys; a case file must not have
    // two, so the top level's keys are collected as they are read.
    std::set<std::string> keys;
    std::optional<std::string> repeated;
    const Json::parser_callback_t noteKeys = [&](int depth, nlohmann::json::parse_event_t event,
                                                 Json& parsed) {
        if (event == nlohmann::json::parse_event_t::key && depth == 1 && !repeated &&
            !keys.insert(parsed.get<std::string>()).second) {
            repeated = parsed.get<std::string>();
        }
        return true;
    };
    const Json json = Json::parse(text, noteKeys, false);
    if (json.is_discarded())
        return {std::nullopt, {MessageId::NotJson, {}}};
    if (!json.is_object() || !json.contains(kFormatKey) || json[kFormatKey] != kFormat)
        return {std::nullopt, {MessageId::NotCaseFile, {}}};
    if (repeated)
        return {std::nullopt, {MessageId::KeyTwice, {*repeated}}};
    if (!json.contains(kVersionKey))
        return {std::nullopt, MissingKey(kVersionKey)};
    const Json& version = json[kVersionKey];
    if (!version.is_number_integer())
        return {std::nullopt, {MessageId::VersionNotInteger, {}}};
    if (version != kVersion)
        return {std::nullopt, {MessageId::VersionUnsupported, {version.dump()}}};

    CaseFile file;
    if (auto problem = ReadValues(json, file))
        return {std::nullopt, std::move(*problem)};
    for (const auto& [key, value] : json.items()) {
        if (!IsKnownKey(key))
            return {std::nullopt, {MessageId::UnknownKey, {key}}};
    }
    return {std::move(file), {}};
}

CaseFileRead ReadCaseFile(const std::string& path) {
    const FileRead read = ReadSmallFile(path, kMaxFileBytes);
    if (!read.Bytes)
        return {std::nullopt, CaseFileRefusal(path, read.Problem)};
    CaseFileParse parse = ParseCaseFile(*read.Bytes);
    if (!parse.Case)
        return {std::nullopt, CaseFileRefusal(path, parse.Problem)};
    return {std::move(parse.Case), std::nullopt};
}

std::optional<Message> WriteCaseFile(const std::string& path, const CaseFile& file) {
    if (const auto failure = WriteFileSafely(path, CaseFileText(file)))
        return CaseFileWriteFailure(path, *failure);
    return std::nullopt;
}

Message CaseFileRefusal(const std::string& path, const Message& problem) {
    return {MessageId::CaseOpenFailed, {path, problem}};
}

Message CaseFileWriteFailure(const std::string& path, const Message& reason) {
    return {MessageId::CaseSaveFailed, {path, reason}};
}

}  // namespace tidewell
