#pragma once

#include <cstdint>

// A random generator of the program's kind, a linear congruential generator
// that starts at state 1 unless told otherwise, so every run is the same.
// Each set of circuits has one (CCircuitSet).
class CRandom {
public:
    static constexpr int kMax = 32767;

    CRandom() = default;
    explicit CRandom(std::uint32_t state) : m_nState(state) {}

    // The next value, 0..32767 (bits 16..30 of the new state).
    int Next();
    void Restart(std::uint32_t state = 1) { m_nState = state; }
    std::uint32_t State() const { return m_nState; }

private:
    std::uint32_t m_nState = 1;
};
