#pragma once

#include <pybind11/pybind11.h>

#include <optional>

namespace tidewell::python {

// Lets Ctrl-C stop a calculation that runs with the GIL released: each
// progress call takes the GIL briefly and asks Python whether a signal
// handler raised. The exception it raised is kept and raised once the
// calculation has stopped.
class Interrupts {
  public:
    // False once a signal handler raised: the calculation should stop.
    bool Continue();
    // Raises what the signal handler raised, if it did; needs the GIL.
    void RaiseIfInterrupted();

  private:
    std::optional<pybind11::error_already_set> Raised;
};

}  // namespace tidewell::python
