#pragma once

#include <cstdint>

// Random numbers that depend only on where they are drawn: a draw is a hash
// of (seed, stream, counter), so draw i is the same on every platform, in
// every order and for any number of threads. No state, no std::*_engine.
namespace tidewell::engine {

// SplitMix64's finaliser over the three keys, each folded in with a
// different odd constant so that neighbouring keys give unrelated bits.
constexpr std::uint64_t CounterBits(std::uint64_t seed, std::uint64_t stream,
                                    std::uint64_t counter) {
    std::uint64_t x = seed * 0x9E3779B97F4A7C15ull;
    x ^= (stream + 0x632BE59BD9B4E019ull) * 0xBF58476D1CE4E5B9ull;
    x ^= (counter + 0x8CB92BA72F3D8DD7ull) * 0x94D049BB133111EBull;
    for (int round = 0; round < 2; ++round) {
        x ^= x >> 30;
        x *= 0xBF58476D1CE4E5B9ull;
        x ^= x >> 27;
        x *= 0x94D049BB133111EBull;
        x ^= x >> 31;
    }
    return x;
}

// Strictly inside (0, 1): the top 53 bits as the middle of their interval.
constexpr double CounterUniform(std::uint64_t seed, std::uint64_t stream, std::uint64_t counter) {
    const std::uint64_t top = CounterBits(seed, stream, counter) >> 11;
    return (static_cast<double>(top) + 0.5) * 0x1p-53;
}

// Uniform over 0 .. bound - 1 (bound > 0) by the high half of a 128-bit
// product, which has no modulo bias worth a name at these sizes.
constexpr std::uint64_t CounterBelow(std::uint64_t bound, std::uint64_t seed, std::uint64_t stream,
                                     std::uint64_t counter) {
    __extension__ typedef unsigned __int128 Wide;
    const Wide wide = static_cast<Wide>(CounterBits(seed, stream, counter)) * bound;
    return static_cast<std::uint64_t>(wide >> 64);
}

}  // namespace tidewell::engine
