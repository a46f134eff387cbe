#include "ReportFile.h"

#include <unistd.h>

#include <utility>

#include "CodePageFile.h"
#include "ReportLines.h"
#include "case/SafeFile.h"

namespace tidewell::report {

ReportFile::ReportFile(std::string path) : FilePath(std::move(path)) {}

void ReportFile::Open() {
    Lines.clear();
}

void ReportFile::WriteConditions(const CaseRecord& record, const engine::ModelState& model) {
    for (std::string& line : ConditionLines(record, model))
        Lines.push_back(std::move(line));
}

void ReportFile::WriteResults(const engine::ModelState& model) {
    for (std::string& line : ResultLines(model))
        Lines.push_back(std::move(line));
}

std::optional<Message> ReportFile::Close() {
    std::optional<Message> failure;
    if (FilePath == kStandardOutput) {
        const EncodedLines encoded = EncodeCodePage932Lines(Lines);
        failure = encoded.Failure ? encoded.Failure : WriteAllBytes(STDOUT_FILENO, encoded.Bytes);
    } else if (!FilePath.empty()) {
        failure = WriteCodePage932File(FilePath, Lines);
    }
    Lines.clear();
    return failure;
}

void ReportFile::Discard() {
    Lines.clear();
}

}  // namespace tidewell::report
