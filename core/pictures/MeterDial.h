#pragma once

#include "core/draw/DrawSurface.h"

#include <memory>

// The needle meter "Current at Power Supply": a dial of 200 x 200 units with
// 21 tick marks on an arc about the pivot (100, 175) and a needle that leans
// right for positive current, drawn on a square of any side in pixels.
namespace MeterDial {

inline constexpr int kSize = 200;
inline constexpr int kTickMarks = 21;
inline constexpr int kMarksPerSide = kTickMarks / 2;
inline constexpr double kMarkRadians = 0.065;

// A straight line in the dial's units.
struct CLine {
    int x1, y1, x2, y2;
    friend bool operator==(const CLine&, const CLine&) = default;
};

// Tick mark i, -10..10, between radii 145 and 130, 0.065 rad apart.
CLine TickMark(int i);
// Where the needle points for a meter reading, in marks from the middle
// one: positive to the right, at most kMarksPerSide either way.
double ReadingInMarks(double reading);
// The needle at an angle from the vertical, between radii 150 and 40.
CLine Needle(double theta);

// The dial artwork with its tick marks, side pixels square.
std::unique_ptr<CBitmap> BuildDial(CDrawSurface& dc, int side);
// The dial with the needle for a meter reading, over the dial's square.
void DrawWithNeedle(CDrawSurface& dc, const CBitmap& dial, double reading);
// Moves the needle drawn for one reading to another: only where either
// needle lies is the square drawn again. Returns that part, in pixels.
CRect MoveNeedle(CDrawSurface& dc, const CBitmap& dial, double from, double to);

}
