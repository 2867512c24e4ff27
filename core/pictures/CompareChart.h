#pragma once

#include "core/draw/DrawSurface.h"
#include "core/measurement/Comparison.h"

#include <span>

// The comparison chart: a bar for each run with its 95% interval as a
// whisker and, where the circuit's parts are equal, the ideal circuit's
// current beside it as a dashed outline, with both as multiples of the
// reference. Drawn afresh at any size, so a saved picture is as sharp as
// the one on screen.
namespace CompareChart {

using CBar = CComparison::CBar;

// The saved picture: a worksheet's width at print resolution.
inline constexpr int kPictureWidth = 1800;
inline constexpr int kPictureHeight = 1100;

// The chart on white in the area, its words in the surface's selected font.
void Draw(CDrawSurface& dc, const CRect& area, std::span<const CBar> bars);

// The font of a picture that many pixels high: the face shown on screen,
// large enough to be read there.
CFontSpec PictureFont(CFontSpec screen, int height);

}
