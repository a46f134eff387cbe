#pragma once

#include <pybind11/pybind11.h>

namespace tidewell::python {

// One calculation as the command line does it, with everything it shows.
void BindRun(pybind11::module_& module);

}  // namespace tidewell::python
