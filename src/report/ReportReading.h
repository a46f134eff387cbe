#pragma once

#include <optional>
#include <string>

#include "case/Message.h"

namespace tidewell::report {

struct ReadReport {
    std::optional<std::string> Text;  // UTF-8, lines ended by "\n"
    Message Problem;                  // when Text is empty
};

// The report file at `path` decoded from code page 932 for reading. Without
// a file the problem says that no calculation has written one yet; a file
// that cannot be read or is no code page 932 text is named with the reason.
ReadReport ReadReportFile(const std::string& path);

}  // namespace tidewell::report
