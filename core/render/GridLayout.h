#pragma once

#include "core/draw/DrawObjects.h"
#include "core/draw/Rect.h"
#include "core/render/DrawingScale.h"
#include "core/sim/Circuit.h"

// Where the circuit's 25 x 25 grid lies in a client rectangle, in pixels:
// the largest whole unit that fits, the square centred; and the pens and
// font at the layout's scale.
struct CGridLayout {
    static constexpr int kGridSize = CCircuit::kGridSize;

    struct CPens {
        CPen glow1, glow2, glow3, glow4;   // the arcs, thin and red to thick and yellow
        CPen thick, thin;   // the diagram's short plates and wires
        CPen shade, light;   // the ball model's bevels
    };

    CGridLayout();
    explicit CGridLayout(const CRect& client);

    int PixelX(double x) const;
    int PixelY(double y) const;
    // A rectangle of grid units in pixels.
    CRect GridRect(const CRect& grid) const;
    // The grid's square: every display, and the title page, fills it;
    // outside it lies the surround.
    CRect SquareRect() const { return GridRect(CRect{0, 0, kGridSize, kGridSize}); }

    CRect client;
    int unit = 0;
    int offsetX = 0;
    int offsetY = 0;
    int square = 0;   // the client's shorter side
    CDrawingScale scale;
    CPens pens;
    CFontSpec font;   // the labels'
};
