#pragma once

#include <cmath>
#include <numbers>

// An arc of the box (l, t, r, b) from the radial through (x1, y1)
// anticlockwise to the radial through (x2, y2): its start and span in
// sixteenths of a degree from three o'clock, as both surfaces draw arcs.
struct CArcAngles {
    int nStart16;
    int nSpan16;
};

inline CArcAngles ArcAngles(int l, int t, int r, int b, int x1, int y1, int x2, int y2)
{
    const double cx = (l + r) / 2.0;
    const double cy = (t + b) / 2.0;
    const auto radial = [cx, cy](int x, int y) { return std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi; };
    const double start = radial(x1, y1);
    double span = radial(x2, y2) - start;
    while (span <= 0.0)
        span += 360.0;
    return {static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16))};
}
