#pragma once

#include <string>

namespace tidewell::report {

// "cell1,cell2,cell3,cell4,cell5": the bay cells' columns, from the head of
// the bay, of every results CSV.
std::string CellColumns();

}  // namespace tidewell::report
