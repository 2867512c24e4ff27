#pragma once

#include "core/draw/DrawSurface.h"
#include "core/render/GridLayout.h"
#include "core/sim/ComponentBlock.h"

#include <span>

// A surface with the grid laid out on it, and the drawing operations, in
// grid units, that every circuit's backgrounds are built from.
class CGridCanvas {
public:
    CGridCanvas(CDrawSurface& dc, const CGridLayout& grid) : m_dc(dc), m_grid(grid) {}

    CDrawSurface& Surface() const { return m_dc; }
    const CGridLayout::CPens& Pens() const { return m_grid.pens; }
    // Pixel of a grid coordinate (truncated toward zero).
    int PixelX(double x) const { return m_grid.PixelX(x); }
    int PixelY(double y) const { return m_grid.PixelY(y); }

    // Fills a rectangle given in grid units; sizes are truncated to pixels.
    void FillGrid(double x, double y, double wUnits, double hUnits, Colour cr) const;
    // Grid points to pixels along a path: move to the first point, line to the rest.
    void GridLine(double x0, double y0, double x1, double y1) const;
    // An ellipse in the box (x0, y0)..(x1, y1).
    void GridEllipse(double x0, double y0, double x1, double y1) const;
    // The surround colour over the whole view, outside the square.
    void FillSurround() const;

    // --- the ball model ---
    // The square ring from 2 to 23 with the hole 5 to 20, bevelled.
    void DrawRing() const;
    // The four blue bars of the supply across the top wire.
    void DrawSupplyBars() const;
    // The rung across the hole from y 13 to 16, bevelled like the ring.
    void DrawRung() const;
    // A bulb's or resistor's block: its walls in the cap colour, with the
    // notches and bevels of the figure.
    void DrawBlockGlyph(const CComponentBlock& block) const;
    // A block (bulb or resistor) with wall thickness t.
    void DrawComponentBlock(double cx, double cy, double t, Colour capColour) const;

    // --- the diagram ---
    // The white paper square.
    void DrawDiagramPaper() const;
    // A whole diagram of the square loop: paper, supply, loop, the rung's
    // wire when there is one, and the blocks' symbols in order.
    void DrawLoopDiagram(std::span<const CComponentBlock> blocks, bool rung, int cells) const;
    // The supply's plates for a signed number of cells, from the top left
    // corner; the pen stays where the wire leaves them.
    void DrawSupplySymbol(int cells) const;
    // The rung's wire.
    void DrawRungWire() const;
    // A block's symbol: a lamp, or a resistor with its mark.
    void DrawBlockSymbol(const CComponentBlock& block) const;
    void DrawLampSymbol(double cx, double cy) const;
    void DrawResistorSymbol(double cx, double cy) const;
    // The mark inside a resistor of low (one bar) or high (two bars) resistance.
    void DrawResistanceMark(double cx, double cy, int bars) const;

private:
    CDrawSurface& m_dc;
    const CGridLayout& m_grid;
};
