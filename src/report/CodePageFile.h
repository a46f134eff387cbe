#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/Message.h"

namespace tidewell::report {

// Converts UTF-8 text to code page 932 (Shift-JIS as extended by Microsoft).
// Empty when a character has no code in that page.
std::optional<std::string> ToCodePage932(std::string_view utf8);

// Converts code page 932 text to UTF-8. Empty when a byte or byte pair is
// no character of that page (or the conversion is missing).
std::optional<std::string> FromCodePage932(std::string_view bytes);

struct EncodedLines {
    std::string Bytes;
    std::optional<Message> Failure;  // why the lines cannot be converted
};

// The lines converted to code page 932, each ended by CR LF.
EncodedLines EncodeCodePage932Lines(const std::vector<std::string>& lines);

// Writes the encoded lines to what `path` names (see WriteFileSafely): the
// previous file stays intact until the new one is complete, and nothing
// partial is left. Empty on success; otherwise the reason.
std::optional<Message> WriteCodePage932File(const std::string& path,
                                            const std::vector<std::string>& lines);

}  // namespace tidewell::report
