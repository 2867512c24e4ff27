#include "core/sim/Pulse.h"

#include <array>
#include <span>

namespace {

struct CJitterRow {
    std::span<const int> dx;
    std::span<const int> dy;
};

constexpr std::array<int, 4> kJitter1X{1, -1, 0, 0};
constexpr std::array<int, 4> kJitter1Y{0, 0, 1, -1};
constexpr std::array<int, 8> kJitter2X{0, 0, 1, -1, 1, -1, 1, -1};
constexpr std::array<int, 8> kJitter2Y{1, -1, 1, -1, 0, 0, -1, 1};
constexpr std::array<int, 8> kJitter3X{0, 0, 1, -1, 2, -2, 1, -1};
constexpr std::array<int, 8> kJitter3Y{2, -2, 1, -1, 0, 0, -1, 1};
constexpr std::array<int, 12> kJitter45X{0, 0, 1, -1, 2, -2, 2, -2, 1, -1, -3, 3};
constexpr std::array<int, 12> kJitter45Y{2, -2, 2, -2, 1, -1, 0, 0, -1, 1, -2, 2};
constexpr std::array<int, 16> kJitter6X{0, 0, 1, -1, 2, -2, 3, -3, 3, -3, 3, -3, 2, -2, 1, -1};
constexpr std::array<int, 16> kJitter6Y{-3, 3, -3, 3, -2, 2, -1, 1, 0, 0, 1, -1, 2, -2, 3, -3};

CJitterRow JitterRow(int level)
{
    switch (level) {
    case 1: return {kJitter1X, kJitter1Y};
    case 2: return {kJitter2X, kJitter2Y};
    case 3: return {kJitter3X, kJitter3Y};
    case 4:
    case 5: return {kJitter45X, kJitter45Y};
    default: return {kJitter6X, kJitter6Y};
    }
}

}

int PulsePhase(int level, int phase)
{
    return phase >= static_cast<int>(JitterRow(level).dx.size()) ? 0 : phase;
}

CPulseStep PulseStep(int level, int phase)
{
    const CJitterRow row = JitterRow(level);
    const auto at = static_cast<std::size_t>(PulsePhase(level, phase));
    return {row.dx[at], row.dy[at]};
}
