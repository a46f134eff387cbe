#pragma once

#include <string>
#include <vector>

#include "engine/RunReport.h"

namespace tidewell::report {

inline constexpr const char* kDefaultReportPath = "Tidewell_OUT.txt";
inline constexpr const char* kStandardOutput = "-";

// The report of a run as a 26-line code page 932 file with CR LF line ends.
// Lines are collected during the run and written when it closes the report.
// The path "-" stands for standard output; an empty path writes no report.
class ReportFile final : public engine::RunReport {
  public:
    explicit ReportFile(std::string path = kDefaultReportPath);

    void Open() override;
    void WriteConditions(const CaseRecord& record, const engine::ModelState& model) override;
    void WriteResults(const engine::ModelState& model) override;
    std::optional<Message> Close() override;
    void Discard() override;

    const std::string& Path() const { return FilePath; }

  private:
    std::string FilePath;
    std::vector<std::string> Lines;
};

}  // namespace tidewell::report
