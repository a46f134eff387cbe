// The compiled part of the Python module `tidewell`: a thin layer over the
// session and the window model; the package around it makes the Python API.
#include <pybind11/pybind11.h>

#include <string>

#include "CaseBindings.h"
#include "RunBindings.h"
#include "StudyBindings.h"
#include "TableBindings.h"
#include "tidewell/Version.h"

PYBIND11_MODULE(_tidewell, module) {
    module.doc() = "Tidewell's window model and batch runner, for the tidewell package.";
    module.attr("__version__") = std::string(tidewell::kVersion);
    tidewell::python::BindCase(module);
    tidewell::python::BindRun(module);
    tidewell::python::BindTables(module);
    tidewell::python::BindStudies(module);
}
