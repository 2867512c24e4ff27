#pragma once

#include <QImage>
#include <QLine>

// The needle meter "Current at Power Supply": a 200 x 200 dial with 21 tick
// marks on an arc about the pivot (100, 175) and a needle that leans right
// for positive current.
namespace MeterDial {

inline constexpr int kSize = 200;
inline constexpr int kTickMarks = 21;
inline constexpr int kMarksPerSide = kTickMarks / 2;
inline constexpr double kMarkRadians = 0.065;

// Tick mark i, -10..10, between radii 145 and 130, 0.065 rad apart.
QLine TickMark(int i);
// Where the needle points for a meter reading, in marks from the middle
// one: positive to the right, at most kMarksPerSide either way.
double ReadingInMarks(double reading);
// The needle at an angle from the vertical, between radii 150 and 40.
QLine Needle(double theta);

// The dial artwork with its tick marks, at a device pixel ratio: its pixels
// for each of the dial's 200 x 200 units.
QImage BuildDial(qreal dpr);
// Draws the dial with the needle for a meter reading into a square canvas:
// 200 x 200 logical pixels, or smaller on a narrowed bar, with a dial built
// for as many of the canvas's pixels to each unit.
void DrawWithNeedle(QImage& canvas, const QImage& dial, double reading);
// Moves the needle drawn by DrawWithNeedle for one reading to another:
// only where either needle lies is the canvas drawn again. Returns that
// part, in the canvas's logical pixels, for the control to repaint.
QRect MoveNeedle(QImage& canvas, const QImage& dial, double from, double to);

}
