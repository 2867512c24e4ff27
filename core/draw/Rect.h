#pragma once

#include <algorithm>

// A pixel or grid rectangle: left and top inclusive, right and bottom exclusive.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend constexpr bool operator==(const CRect&, const CRect&) = default;
};

// The part two rectangles share: of no positive size where they do not meet.
constexpr CRect Intersection(const CRect& a, const CRect& b)
{
    return CRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
}

// The smallest rectangle holding both.
constexpr CRect Union(const CRect& a, const CRect& b)
{
    return CRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom)};
}

// A rectangle in fractional pixels, for smooth drawings: its corner and size.
struct CRectF {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;

    constexpr double Right() const { return x + w; }
    constexpr double Bottom() const { return y + h; }
    constexpr double CentreY() const { return (y + y + h) / 2; }
    friend constexpr bool operator==(const CRectF&, const CRectF&) = default;
};
