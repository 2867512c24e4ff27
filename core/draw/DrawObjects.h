#pragma once

#include "core/draw/Colour.h"

#include <string>

// Pens, brushes and fonts are plain values: selecting one into a surface
// returns the one it replaces, so a drawing can restore what it found.

struct CPen {
    int nWidth = 1;
    Colour cr{};
    bool bNull = false;   // draws nothing (outline-less shapes)
    bool bFlatEnds = false;   // a line stops at its end point instead of a round cap past it

    friend bool operator==(const CPen&, const CPen&) = default;
};

constexpr CPen SolidPen(int width, Colour cr)
{
    return CPen{width, cr, false};
}
constexpr CPen FlatPen(int width, Colour cr)
{
    return CPen{width, cr, false, true};
}

struct CBrush {
    Colour cr{255, 255, 255};
    bool bNull = false;   // hollow: shapes are not filled

    friend bool operator==(const CBrush&, const CBrush&) = default;
};

constexpr CBrush SolidBrush(Colour cr)
{
    return CBrush{cr, false};
}
constexpr CBrush WhiteBrush()
{
    return CBrush{Colour{255, 255, 255}, false};
}
constexpr CBrush NullBrush()
{
    return CBrush{Colour{}, true};
}

// A smooth line: its width in pixels (fractions too), colour, and whether it is dashed.
struct CStroke {
    double width = 1.0;
    Colour cr{};
    bool bDashed = false;

    friend bool operator==(const CStroke&, const CStroke&) = default;
};

// Where a line of text sits in its rectangle: one horizontal and one vertical flag.
enum TextAlign : int {
    kAlignLeft = 1,
    kAlignRight = 2,
    kAlignHCentre = 4,
    kAlignTop = 8,
    kAlignVCentre = 16,
    kAlignCentre = kAlignHCentre | kAlignVCentre,
};

// Text turned about a point: the rectangle it is given is measured from the
// point, along the turned text; quarter turns clockwise (-1 anticlockwise).
struct CTurn {
    double x = 0.0;
    double y = 0.0;
    int quarters = 0;
};

// A font request: face name, cell height in pixels and weight (400 normal).
struct CFontSpec {
    std::string strFace = "Arial Black";
    int nHeight = 18;
    int nWeight = 400;

    friend bool operator==(const CFontSpec&, const CFontSpec&) = default;
};

// A face's cell (ascent + descent) is about 1.16 of its em, as DejaVu Sans's:
// the surfaces size a requested cell with this ratio.
inline constexpr int kCellPerEmPercent = 116;
// The cell height that gives a face of this many pixels to the em.
constexpr int CellForPixels(int pixels)
{
    return (pixels * kCellPerEmPercent + 99) / 100;
}
