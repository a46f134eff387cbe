#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "CalibratedInput.h"
#include "TypedInputs.h"
#include "case/Message.h"
#include "engine/ModelState.h"

// Which value of one input makes the calculation match what was measured: the
// bay mean, or the temperatures of some of the five cells (least squares). A
// coarse scan over the input's search range brackets the answer; Brent's
// method refines it on the real calculation. Every trial is a whole run,
// bit-identical to a single calculation with that input.
namespace tidewell::session {

inline constexpr double kMeanTolerance = 0.0005;  // degC
inline constexpr int kScanIntervals = 8;          // 9 scan points
inline constexpr int kMostRuns = 40;

struct CalibrationTarget {
    std::optional<double> Mean;  // the bay mean to reach (degC) ...
    // ... or the observed cells from the head of the bay (degC; empty: not measured)
    std::array<std::optional<double>, engine::kBayCellCount> Cells;
};

struct CalibrationRequest {
    TypedInputs Case;  // the case as typed and picked
    CalibratedInput Input;
    CalibrationTarget Target;
};

enum class CalibrationStatus { Solved, Unreachable, NotUnique, TrialFailed, Stopped };

// Called with the calculations made so far (at most kMostRuns); returning
// false stops the search, which then ends Stopped.
using CalibrationProgress = std::function<bool(int runs)>;

// A list's entry nearest to a solved multiplier, and the bay mean with it
// picked (empty when that case gives no result).
struct NearestEntry {
    std::string Entry;
    std::optional<double> Mean;
};

struct Calibration {
    CalibrationStatus Status = CalibrationStatus::TrialFailed;
    double Value = 0.0;  // the input, as the solved case holds it
    std::string Text;    // for a basic condition: the text to type
    double Mean = 0.0;   // the solved case's bay mean (degC)
    std::array<double, engine::kBayCellCount> Cells{};
    double Residual = 0.0;  // |mean - target|, or the RMS over the observed cells (degC)
    int Runs = 0;           // calculations made, the nearest entry's included
    std::optional<NearestEntry> Nearest;
    std::optional<Message> Problem;  // why there is no answer
};

// A bay-mean target is met within kMeanTolerance; a cell fit is refined until
// the bracket about the best input is below a relative 1e-8 (the sum of
// squares is flat to second order there, so finer steps cannot be told apart).
Calibration Calibrate(const CalibrationRequest& request, const CalibrationProgress& progress = {});

}  // namespace tidewell::session
