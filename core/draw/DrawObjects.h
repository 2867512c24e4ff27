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

constexpr CPen SolidPen(int width, Colour cr) { return CPen{width, cr, false}; }
constexpr CPen FlatPen(int width, Colour cr) { return CPen{width, cr, false, true}; }

struct CBrush {
    Colour cr{255, 255, 255};
    bool bNull = false;   // hollow: shapes are not filled

    friend bool operator==(const CBrush&, const CBrush&) = default;
};

constexpr CBrush SolidBrush(Colour cr) { return CBrush{cr, false}; }
constexpr CBrush WhiteBrush() { return CBrush{Colour{255, 255, 255}, false}; }
constexpr CBrush NullBrush() { return CBrush{Colour{}, true}; }

// A font request: face name, cell height in pixels and weight (400 normal).
struct CFontSpec {
    std::string strFace = "Arial Black";
    int nHeight = 18;
    int nWeight = 400;

    friend bool operator==(const CFontSpec&, const CFontSpec&) = default;
};
