#pragma once

#include <cstdio>
#include <cstdlib>

// A fuzzer's invariant: a broken one stops the run with its reason, which
// libFuzzer keeps with the input that broke it.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
