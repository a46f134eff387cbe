#include "JsonReport.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace tidewell {
namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 if there is none.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

}  // namespace

std::string SeventeenDigits(double value) {
    if (!std::isfinite(value))
        return "null";
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return buffer.data();
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const size_t length = Utf8SequenceLength(text, i);
            out += length == 0 ? "\\ufffd" : std::string(text.substr(i, length));
            i += length == 0 ? 1 : length;
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    std::array<char, 8> escaped{};
                    std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
                    out += escaped.data();
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    return out + "\"";
}

std::string JsonReport(const MainModel& model, std::int64_t stepCount,
                       const std::vector<Message>& messages) {
    const ModelState& bay = model.Bay();
    std::string json = "{\"fields\":{";
    for (int field = 1; field <= kFieldCount; ++field) {
        if (field > 1)
            json += ",";
        json += "\"Text" + std::to_string(field) + "\":" + JsonString(model.FieldText(field));
    }
    json += "},\"lists\":{";
    for (int list = 1; list <= kListCount; ++list) {
        if (list > 1)
            json += ",";
        json += "\"List" + std::to_string(list) + "\":" + std::to_string(model.List(list).Selected);
    }
    json += "},\"frames\":[";
    for (int frame = 1; frame <= kFrameCount; ++frame) {
        if (frame > 1)
            json += ",";
        json += std::to_string(model.FrameBackground(frame));
    }
    json += "],\"cells\":[";
    for (int cell = 1; cell <= 5; ++cell) {
        if (cell > 1)
            json += ",";
        json += SeventeenDigits(bay.CellConc[kTemperature][cell]);
    }
    json += "],\"TimeStep\":" + SeventeenDigits(bay.TimeStep);
    json += ",\"CalcDays\":" + SeventeenDigits(bay.CalcDays);
    json += ",\"StepCount\":" + std::to_string(stepCount);
    json += ",\"BayMeanConc\":" + SeventeenDigits(bay.BayMeanConc[kTemperature]);
    json += ",\"messages\":[";
    for (size_t i = 0; i < messages.size(); ++i) {
        if (i > 0)
            json += ",";
        json += "{\"title\":" + JsonString(messages[i].Title) +
                ",\"prompt\":" + JsonString(messages[i].Prompt) + "}";
    }
    return json + "]}";
}

}  // namespace tidewell
