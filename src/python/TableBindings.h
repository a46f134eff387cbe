#pragma once

#include <pybind11/pybind11.h>

namespace tidewell::python {

// The multiplier sweep and a batch of cases, on worker threads with the GIL
// released, each returned as columns (a dict of lists) for a data frame.
void BindTables(pybind11::module_& module);

}  // namespace tidewell::python
