#include "ReportReading.h"

#include <cstddef>
#include <filesystem>
#include <system_error>

#include "CodePageFile.h"
#include "case/SafeFile.h"

namespace tidewell::report {
namespace {

// A report is 26 short lines; anything far larger under its name is no report.
constexpr std::size_t kLargestReport = std::size_t{1} << 20;

std::string WithLineFeeds(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] == '\r' && n + 1 < text.size() && text[n + 1] == '\n')
            continue;
        lines += text[n];
    }
    return lines;
}

}  // namespace

ReadReport ReadReportFile(const std::string& path) {
    // A FIFO or a device would block the reader or never end; a folder says so when read.
    std::error_code error;
    const std::filesystem::file_type kind = std::filesystem::status(path, error).type();
    if (!error && kind != std::filesystem::file_type::regular &&
        kind != std::filesystem::file_type::directory)
        return {std::nullopt,
                {MessageId::ReportUnreadable, {path, Message{MessageId::NotRegularFile, {}}}}};
    FileRead read = ReadSmallFile(path, kLargestReport);
    if (!read.Bytes) {
        if (read.Problem.Id == MessageId::NoSuchFile)
            return {std::nullopt, {MessageId::ReportNotWritten, {path}}};
        return {std::nullopt, {MessageId::ReportUnreadable, {path, read.Problem}}};
    }
    const std::optional<std::string> text = FromCodePage932(*read.Bytes);
    if (!text)
        return {std::nullopt,
                {MessageId::ReportUnreadable, {path, Message{MessageId::NotCodePage932Text, {}}}}};
    return {WithLineFeeds(*text), {}};
}

}  // namespace tidewell::report
