#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Calibration.h"

// The calibration dialog without pixels: the inputs it offers, the target it
// reads from what was typed, what applying an answer types or picks, and the
// table of observed against computed temperatures.
namespace tidewell::session {

// The nine inputs offered: the basic conditions in field order, then the lists.
std::vector<CalibratedInput> CalibratedInputs();

// The target from the dialog's texts: the bay mean when `byCells` is false,
// otherwise the five cells (an empty or blank text is a cell not measured).
struct TargetReading {
    std::optional<CalibrationTarget> Target;
    std::optional<Message> Refusal;  // a text that is no number, or no cell given
};
TargetReading ReadTarget(bool byCells, std::string_view meanText,
                         const std::array<std::string, engine::kBayCellCount>& cellTexts);

// What applying a solved calibration does in the window: the text typed into
// a basic condition's field, or the entry picked from a list (the nearest).
// Empty when there is no answer.
std::optional<InputStep> ApplyingStep(CalibratedInput input, const Calibration& result);

// One line of the table: a cell, or the bay mean (degC).
struct FitRow {
    std::optional<double> Observed;
    double Computed = 0.0;
    std::optional<double> Error;  // computed - observed
};

// The five cells from the head of the bay, then the bay mean; the bias and
// RMS of the errors over the rows observed (the mean's row is observed when
// the target is the mean).
struct FitTable {
    std::array<FitRow, engine::kBayCellCount + 1> Rows;
    double Bias = 0.0;
    double Rms = 0.0;
};
FitTable FitTableOf(const CalibrationTarget& target, const Calibration& result);

}  // namespace tidewell::session
