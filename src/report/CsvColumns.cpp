#include "CsvColumns.h"

#include "engine/ModelState.h"

namespace tidewell::report {

std::string CellColumns() {
    std::string columns;
    for (int k = 1; k <= engine::kBayCellCount; ++k)
        columns += (k > 1 ? ",cell" : "cell") + std::to_string(k);
    return columns;
}

}  // namespace tidewell::report
