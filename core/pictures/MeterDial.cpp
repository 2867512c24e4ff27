#include "core/pictures/MeterDial.h"

#include "core/lesson/CurrentMeter.h"
#include "core/draw/SelectGuard.h"
#include "core/res/ResourceIds.h"

#include <algorithm>
#include <cmath>

namespace MeterDial {

namespace {

constexpr int kPivotX = 100;
constexpr int kPivotY = 175;
constexpr Colour kNeedleColour = Rgb(0, 0, 64);

// A radial segment from the pivot, truncated toward zero like every drawing.
CLine Radial(double theta, double from, double to)
{
    return CLine{static_cast<int>(kPivotX + from * std::sin(theta)), static_cast<int>(kPivotY - from * std::cos(theta)),
                 static_cast<int>(kPivotX + to * std::sin(theta)), static_cast<int>(kPivotY - to * std::cos(theta))};
}

// The dial's units in the square's pixels.
int Pixel(int unit, int side)
{
    return static_cast<int>(std::lround(static_cast<double>(unit) * side / kSize));
}

void DrawLine(CDrawSurface& dc, const CLine& line, int side)
{
    dc.MoveTo(Pixel(line.x1, side), Pixel(line.y1, side));
    dc.LineTo(Pixel(line.x2, side), Pixel(line.y2, side));
}

// Where a needle's pen can reach, in pixels: its line with the round cap's
// radius and a pixel for the smoothing.
CRect NeedleArea(double reading, int side)
{
    const CLine n = Needle(CCurrentMeter::NeedleAngle(reading));
    const int reach = Pixel(3, side) + 1;
    return CRect{std::min(Pixel(n.x1, side), Pixel(n.x2, side)) - reach,
                 std::min(Pixel(n.y1, side), Pixel(n.y2, side)) - reach,
                 std::max(Pixel(n.x1, side), Pixel(n.x2, side)) + reach + 1,
                 std::max(Pixel(n.y1, side), Pixel(n.y2, side)) + reach + 1};
}

void DrawNeedle(CDrawSurface& dc, int side, double reading)
{
    // Smoothed wherever a unit is not one pixel.
    const bool smoothed = dc.SetAntialiasing(side != kSize);
    {
        CPenGuard pen(dc, SolidPen(std::max(1, Pixel(2, side)), kNeedleColour));
        DrawLine(dc, Needle(CCurrentMeter::NeedleAngle(reading)), side);
    }
    dc.SetAntialiasing(smoothed);
}

}

CLine TickMark(int i)
{
    return Radial(-kMarkRadians * i, 145.0, 130.0);
}

double ReadingInMarks(double reading)
{
    return CCurrentMeter::NeedleAngle(reading) / kMarkRadians;
}

CLine Needle(double theta)
{
    return Radial(theta, 150.0, 40.0);
}

std::unique_ptr<CBitmap> BuildDial(CDrawSurface& dc, int side)
{
    std::unique_ptr<CBitmap> dial = dc.LoadBitmap(ResId::MeterDial, side, side);
    const bool artwork = dial != nullptr;
    if (!artwork)
        dial = dc.CreateCompatibleBitmap(side, side);
    if (auto mem = dc.CreateMemorySurface(*dial)) {
        if (!artwork)
            mem->FillSolidRect(0, 0, side, side, Rgb(255, 255, 255));
        CPenGuard pen(*mem, FlatPen(std::max(1, Pixel(1, side)), Rgb(0, 0, 0)));
        for (int i = -kMarksPerSide; i <= kMarksPerSide; ++i)
            DrawLine(*mem, TickMark(i), side);
    }
    return dial;
}

void DrawWithNeedle(CDrawSurface& dc, const CBitmap& dial, double reading)
{
    const int side = dial.Width();
    dc.BitBlt(0, 0, side, side, dial, 0, 0, RasterOp::Copy);
    DrawNeedle(dc, side, reading);
}

CRect MoveNeedle(CDrawSurface& dc, const CBitmap& dial, double from, double to)
{
    const int side = dial.Width();
    const CRect area = Intersection(Union(NeedleArea(from, side), NeedleArea(to, side)), CRect{0, 0, side, side});
    if (area.Width() <= 0 || area.Height() <= 0)
        return area;
    dc.BitBlt(area.left, area.top, area.Width(), area.Height(), dial, area.left, area.top, RasterOp::Copy);
    DrawNeedle(dc, side, to);
    return area;
}

}
