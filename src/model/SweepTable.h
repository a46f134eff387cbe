#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ColorScale.h"
#include "case/CaseRecord.h"
#include "case/Message.h"
#include "case/Multipliers.h"
#include "engine/BatchRunner.h"
#include "engine/MultiplierSweep.h"

// The multiplier sweep as a table: every combination of the three lists is
// run once for the basic conditions, and one list is held at one entry while
// the other two span the rows and columns, each in ascending order of its
// multiplier. Each cell shows the bay mean to the result field's two
// decimals, every place written, coloured by the window's scale or by the
// scale spread over the table's own range.
namespace tidewell::model {

// The combination of the lists' selected entries; an unselected list (a
// negative index) stands at its first entry, "1.0".
engine::SweepCombination CombinationOfSelections(int section, int inflowTemp, int inflow);

// The result field's decimals, which every cell writes out.
inline constexpr int kSweepDecimals = 2;

enum class SweepColoring {
    WindowScale,  // the frames' levels, 2 degC each
    TableRange,   // the same levels spread from the lowest to the highest mean shown
};

struct SweepCell {
    engine::SweepCombination Combination;
    // The bay mean, "不安定", "計算不可", "未計算" (cancelled), or empty
    // before the run.
    Message Text;
    std::optional<double> Shown;      // a result's mean, rounded as the text writes it
    std::optional<Color> Background;  // only for a result
    Color Ink = 0;                    // the text's colour on Background
    bool Current = false;             // the combination the lists are set to
};

struct SweepSlice {
    MultiplierList Held = MultiplierList::InflowTempFactor;
    int HeldEntry = 0;
    MultiplierList Rows = MultiplierList::SectionFactor;
    MultiplierList Columns = MultiplierList::InflowFactor;
    SweepColoring Coloring = SweepColoring::WindowScale;
    std::vector<std::string> RowHeaders;  // the entries of the rows' list, smallest first
    std::vector<std::string> ColumnHeaders;
    std::vector<std::vector<SweepCell>> Cells;  // [row][column]
    // The lowest and highest mean shown, as the cells write them; empty
    // without a result.
    std::string Lowest;
    std::string Highest;
};

class SweepTable {
  public:
    SweepTable(const CaseRecord& base, engine::SweepCombination current);

    const std::vector<engine::SweepCombination>& Combinations() const { return All; }
    const engine::SweepCombination& Current() const { return Selected; }
    void SetCurrent(engine::SweepCombination current) { Selected = current; }
    // The case of every combination, in the order of Combinations().
    std::vector<CaseRecord> Cases() const;

    // The outcomes of Cases(), in the same order; false (nothing kept) for a
    // different count.
    bool SetOutcomes(std::vector<engine::BatchOutcome> outcomes);
    bool HasOutcomes() const { return !Outcomes.empty(); }
    const std::vector<engine::BatchOutcome>& AllOutcomes() const { return Outcomes; }

    // Held at its entry, the list drops out; the first of the two others in
    // list order gives the rows, the second the columns.
    SweepSlice Slice(MultiplierList held, int heldEntry,
                     SweepColoring coloring = SweepColoring::WindowScale) const;

  private:
    SweepCell CellOf(const engine::SweepCombination& combination) const;
    void ColorCells(SweepSlice& slice) const;

    CaseRecord Base;
    engine::SweepCombination Selected;
    std::vector<engine::SweepCombination> All;
    std::vector<engine::BatchOutcome> Outcomes;
    ColorScale Scale;
};

}  // namespace tidewell::model
