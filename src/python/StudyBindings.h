#pragma once

#include <pybind11/pybind11.h>

namespace tidewell::python {

// Uncertainty samples and calibration, returning what the command line
// prints for --uncertainty and --solve-for.
void BindStudies(pybind11::module_& module);

}  // namespace tidewell::python
