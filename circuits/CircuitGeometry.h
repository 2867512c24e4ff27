#pragma once

#include "circuits/MotionRules.h"

#include <array>

// Geometry the circuits share: the supply across the top wire and the push
// rows of the square ring.

inline constexpr CGridBox kTopSupply{12, 13, 2, 5};

// V > 0 drives electrons clockwise on the screen. Each side's box stops short
// of one corner, so in a corner only the row that turns the electron applies.
inline constexpr std::array<CPushRow, 4> kRingPushForward{{
    {{2, 5, 5, 23}, false, -1},    // left side, upwards
    {{20, 23, 2, 20}, false, +1},  // right side, downwards
    {{2, 20, 2, 5}, true, +1},     // top side, to the right
    {{5, 23, 20, 23}, true, -1},   // bottom side, to the left
}};

inline constexpr std::array<CPushRow, 4> kRingPushReverse{{
    {{2, 5, 2, 20}, false, -1},
    {{20, 23, 5, 23}, false, +1},
    {{5, 23, 2, 5}, true, +1},
    {{2, 20, 20, 23}, true, -1},
}};
