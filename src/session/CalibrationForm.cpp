#include "CalibrationForm.h"

#include <cmath>
#include <string>

#include "case/NumericText.h"

namespace tidewell::session {
namespace {

bool Blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A temperature as the fields read numbers.
std::optional<double> Temperature(std::string_view text) {
    return IsNumericText(text) ? NumericValue(text) : std::nullopt;
}

}  // namespace

std::vector<CalibratedInput> CalibratedInputs() {
    std::vector<CalibratedInput> all(kBasicInputs.begin(), kBasicInputs.end());
    all.insert(all.end(), kMultiplierLists.begin(), kMultiplierLists.end());
    return all;
}

TargetReading ReadTarget(bool byCells, std::string_view meanText,
                         const std::array<std::string, engine::kBayCellCount>& cellTexts) {
    CalibrationTarget target;
    if (!byCells) {
        target.Mean = Temperature(meanText);
        if (!target.Mean)
            return {std::nullopt,
                    Message{MessageId::CalibrationMeanNotNumber, {std::string(meanText)}}};
        return {target, std::nullopt};
    }
    bool any = false;
    for (std::size_t k = 0; k < cellTexts.size(); ++k) {
        if (Blank(cellTexts[k]))
            continue;
        target.Cells[k] = Temperature(cellTexts[k]);
        if (!target.Cells[k])
            return {std::nullopt, Message{MessageId::CalibrationCellNotNumber,
                                          {std::to_string(k + 1), cellTexts[k]}}};
        any = true;
    }
    if (!any)
        return {std::nullopt, Message{MessageId::CalibrationNoObserved, {}}};
    return {target, std::nullopt};
}

std::optional<InputStep> ApplyingStep(CalibratedInput input, const Calibration& result) {
    if (result.Status != CalibrationStatus::Solved)
        return std::nullopt;
    if (const auto* basic = std::get_if<BasicInput>(&input))
        return InputStep{*basic, result.Text};
    if (!result.Nearest)
        return std::nullopt;
    return InputStep{std::get<MultiplierList>(input), result.Nearest->Entry};
}

FitTable FitTableOf(const CalibrationTarget& target, const Calibration& result) {
    FitTable table;
    for (std::size_t k = 0; k < result.Cells.size(); ++k)
        table.Rows[k] = {target.Cells[k], result.Cells[k], std::nullopt};
    table.Rows.back() = {target.Mean, result.Mean, std::nullopt};
    double sum = 0.0, squares = 0.0;
    int observed = 0;
    for (FitRow& row : table.Rows) {
        if (!row.Observed)
            continue;
        row.Error = row.Computed - *row.Observed;
        sum += *row.Error;
        squares += *row.Error * *row.Error;
        ++observed;
    }
    if (observed > 0) {
        table.Bias = sum / observed;
        table.Rms = std::sqrt(squares / observed);
    }
    return table;
}

}  // namespace tidewell::session
