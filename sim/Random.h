#pragma once

#include <cstdint>

// The program's one random generator, a linear congruential generator that
// starts at state 1 and is never reseeded, so every run is the same.
class CRandom {
public:
    static constexpr int kMax = 32767;

    // The next value, 0..32767 (bits 16..30 of the new state).
    static int Next();
    // For tests and tools that need a fresh program start in one process.
    static void Restart(std::uint32_t state = 1);
    static std::uint32_t State();

private:
    static std::uint32_t s_nState;
};
