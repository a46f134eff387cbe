#pragma once

#include <string>

// The name a save dialog proposes for what the window writes.
namespace tidewell::session {

// Every file a window offers to save besides the case itself.
enum class SavedOutput {
    SeriesCsv,         // ファイル → 結果をCSVで保存
    SeriesImage,       // the chart window's image
    SweepCsv,          // the sensitivity table
    SamplesCsv,        // the uncertainty samples
    UncertaintyImage,  // the uncertainty window's image
};

// For a case kept in /dir/bay.tidewell: /dir/bay-series.csv, /dir/bay.png,
// /dir/bay-sweep.csv, ...; the case file's last extension gives way to the
// output's. An untitled case (empty path) gets a fixed name in the dialog's
// own folder ("tidewell-sweep.csv"), or none for the series CSV.
std::string ProposedOutputPath(const std::string& casePath, SavedOutput output);

}  // namespace tidewell::session
