#pragma once

// Grid-to-pixel conversion used by every drawing: offset + unit * coordinate,
// formed in floating point and truncated toward zero.
constexpr int ToPixel(int offset, int unit, double coord)
{
    return static_cast<int>(offset + unit * coord);
}
