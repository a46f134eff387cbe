#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Whole small files, written so that a failure never leaves a damaged file.
namespace tidewell {

// Writes the bytes to a temporary file beside `path`, flushes it to the disk
// and renames it into place: the previous file stays intact until the new one
// is complete, and nothing partial is left. Empty on success; otherwise the
// system's reason.
std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view bytes);

struct FileRead {
    std::optional<std::string> Bytes;
    std::string Problem;  // when Bytes is empty
};

// The whole file, refused when it is larger than `maxBytes`.
FileRead ReadSmallFile(const std::string& path, std::size_t maxBytes);

}  // namespace tidewell
