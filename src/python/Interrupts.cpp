#include "Interrupts.h"

namespace tidewell::python {

bool Interrupts::Continue() {
    if (Raised)
        return false;
    const pybind11::gil_scoped_acquire gil;
    if (PyErr_CheckSignals() == 0)
        return true;
    Raised.emplace();  // takes the exception the handler set
    return false;
}

void Interrupts::RaiseIfInterrupted() {
    if (Raised)
        throw *Raised;
}

}  // namespace tidewell::python
