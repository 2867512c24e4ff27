#include "core/render/GridCanvas.h"

#include "core/circuits/Palette.h"
#include "core/draw/SelectGuard.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Outside the displays' square, alike in all three, dark for a projector.
constexpr Colour kSurround = Rgb(0, 0, 0);

}

void CGridCanvas::FillGrid(double x, double y, double wUnits, double hUnits, Colour cr) const
{
    m_dc.FillSolidRect(PixelX(x), PixelY(y), static_cast<int>(m_grid.unit * wUnits),
                       static_cast<int>(m_grid.unit * hUnits), cr);
}

void CGridCanvas::GridLine(double x0, double y0, double x1, double y1) const
{
    m_dc.MoveTo(PixelX(x0), PixelY(y0));
    m_dc.LineTo(PixelX(x1), PixelY(y1));
}

void CGridCanvas::GridEllipse(double x0, double y0, double x1, double y1) const
{
    m_dc.Ellipse(PixelX(x0), PixelY(y0), PixelX(x1), PixelY(y1));
}

void CGridCanvas::FillSurround() const
{
    m_dc.FillSolidRect(0, 0, std::max(m_grid.client.Width(), 0), std::max(m_grid.client.Height(), 0), kSurround);
}

void CGridCanvas::DrawRing() const
{
    FillSurround();
    FillGrid(0, 0, CGridLayout::kGridSize, CGridLayout::kGridSize, Palette::Background);
    FillGrid(2, 2, 21, 21, Palette::Conductor);
    FillGrid(5, 5, 15, 15, Palette::Background);

    // Raised outer edge, sunken hole: light from the top left. The bevels
    // stand off the edges by their own width, which grows with the layout.
    const int a = m_grid.scale.Size(1);
    const int b = m_grid.scale.Size(2);
    const auto px = [this](int x) { return m_grid.offsetX + m_grid.unit * x; };
    const auto py = [this](int y) { return m_grid.offsetY + m_grid.unit * y; };
    CPenGuard pen(m_dc, m_grid.pens.light);
    m_dc.MoveTo(px(2) - b, py(2) - b);
    m_dc.LineTo(px(23) + a, py(2) - b);
    m_dc.MoveTo(px(2) - b, py(2) - b);
    m_dc.LineTo(px(2) - b, py(23) + a);
    m_dc.SelectPen(m_grid.pens.shade);
    m_dc.MoveTo(px(23) + a, py(23) + a);
    m_dc.LineTo(px(23) + a, py(2) - b);
    m_dc.MoveTo(px(23) + a, py(23) + a);
    m_dc.LineTo(px(2) - b, py(23) + a);
    m_dc.MoveTo(px(5) + a, py(5) + a);
    m_dc.LineTo(px(20) - a, py(5) + a);
    m_dc.MoveTo(px(5) + a, py(5) + a);
    m_dc.LineTo(px(5) + a, py(20) - a);
    m_dc.SelectPen(m_grid.pens.light);
    m_dc.MoveTo(px(20) - a, py(20) - a);
    m_dc.LineTo(px(20) - a, py(5) + a);
    m_dc.MoveTo(px(20) - a, py(20) - a);
    m_dc.LineTo(px(5) + a, py(20) - a);
}

void CGridCanvas::DrawRung() const
{
    // One unit into each side wire, so no seam shows where they meet.
    FillGrid(4, 13, 17, 3, Palette::Conductor);
    CPenGuard pen(m_dc, m_grid.pens.light);
    GridLine(5, 13, 20, 13);
    m_dc.SelectPen(m_grid.pens.shade);
    GridLine(5, 16, 20, 16);
}

void CGridCanvas::DrawSupplyBars() const
{
    const int barWidth = std::min(m_grid.client.Width(), m_grid.client.Height()) / 150;
    for (const double x : {12.0, 12.25, 12.5, 12.75})
        m_dc.FillSolidRect(PixelX(x), PixelY(2), barWidth, m_grid.unit * 3, Palette::SupplyBar);
}

void CGridCanvas::DrawComponentBlock(double cx, double cy, double t, Colour capColour) const
{
    FillGrid(cx - 1.5, cy - 1.5, 3, t, capColour);
    FillGrid(cx - 1.5, cy + 1.5 - t, 3, t, capColour);
    FillGrid(cx - 1, cy - 2, 2, t, Palette::Background);
    FillGrid(cx - 1, cy + 2 - t, 2, t, Palette::Background);

    CPenGuard pen(m_dc, m_grid.pens.shade);
    m_dc.MoveTo(PixelX(cx - 1), PixelY(cy + 1.5));
    m_dc.LineTo(PixelX(cx - 1), PixelY(cy + 2 - t));
    m_dc.LineTo(PixelX(cx + 1), PixelY(cy + 2 - t));
    m_dc.SelectPen(m_grid.pens.light);
    m_dc.LineTo(PixelX(cx + 1), PixelY(cy + 1.5));
    m_dc.MoveTo(PixelX(cx + 1), PixelY(cy - 1.5));
    m_dc.LineTo(PixelX(cx + 1), PixelY(cy - 2 + t));
    m_dc.LineTo(PixelX(cx - 1), PixelY(cy - 2 + t));
    m_dc.SelectPen(m_grid.pens.shade);
    m_dc.LineTo(PixelX(cx - 1), PixelY(cy - 1.5));
}

void CGridCanvas::DrawBlockGlyph(const CComponentBlock& block) const
{
    DrawComponentBlock(block.centre.x, block.centre.y, block.wall, block.cap);
}

void CGridCanvas::DrawBlockSymbol(const CComponentBlock& block) const
{
    const double cx = block.centre.x;
    const double cy = block.centre.y;
    switch (block.symbol) {
    case DiagramSymbol::Lamp: DrawLampSymbol(cx, cy); break;
    case DiagramSymbol::Resistor: DrawResistorSymbol(cx, cy); break;
    case DiagramSymbol::LowResistor:
        DrawResistorSymbol(cx, cy);
        DrawResistanceMark(cx, cy, 1);
        break;
    case DiagramSymbol::HighResistor:
        DrawResistorSymbol(cx, cy);
        DrawResistanceMark(cx, cy, 2);
        break;
    }
}

void CGridCanvas::DrawResistanceMark(double cx, double cy, int bars) const
{
    // The numeral I or II, its bars 0.3 units apart and drawn with a pen a
    // twelfth of a unit wide, so that two bars stay apart at any size.
    constexpr double kHalfHeight = 0.35;
    constexpr double kBarGap = 0.3;
    constexpr double kSerif = 0.15;
    const double half = kBarGap * (bars - 1) / 2;
    CPenGuard pen(m_dc, SolidPen(std::max(1, m_grid.unit / 12), Palette::Conductor));
    for (int i = 0; i < bars; ++i) {
        const double x = cx - half + kBarGap * i;
        GridLine(x, cy - kHalfHeight, x, cy + kHalfHeight);
    }
    GridLine(cx - half - kSerif, cy - kHalfHeight, cx + half + kSerif, cy - kHalfHeight);
    GridLine(cx - half - kSerif, cy + kHalfHeight, cx + half + kSerif, cy + kHalfHeight);
}

void CGridCanvas::DrawDiagramPaper() const
{
    FillSurround();
    FillGrid(0, 0, CGridLayout::kGridSize, CGridLayout::kGridSize, Palette::Paper);
}

void CGridCanvas::DrawLoopDiagram(std::span<const CComponentBlock> blocks, bool rung, int cells) const
{
    DrawDiagramPaper();
    CPenGuard pen(m_dc, m_grid.pens.thin);
    CBrushGuard brush(m_dc, WhiteBrush());
    DrawSupplySymbol(cells);
    m_dc.LineTo(PixelX(21.5), PixelY(21.5));
    m_dc.LineTo(PixelX(3.5), PixelY(21.5));
    m_dc.LineTo(PixelX(3.5), PixelY(3.5));
    if (rung)
        DrawRungWire();
    for (const CComponentBlock& block : blocks)
        DrawBlockSymbol(block);
}

void CGridCanvas::DrawRungWire() const
{
    GridLine(3.5, 14.5, 21.5, 14.5);
}

void CGridCanvas::DrawSupplySymbol(int signedCells) const
{
    m_dc.MoveTo(PixelX(3.5), PixelY(3.5));
    const int cells = std::abs(signedCells);
    if (cells == 0) {
        m_dc.LineTo(PixelX(21.5), PixelY(3.5));
        return;
    }
    // Plates half a unit apart, centred on the supply; with normal polarity
    // each cell is a long plate followed by a short one.
    const double first = 12.5 - 0.5 * cells;
    m_dc.LineTo(PixelX(first), PixelY(3.5));
    double x = first;
    for (int i = 0; i < 2 * cells; ++i) {
        x = first + 0.5 * i;
        const bool longPlate = (i % 2 == 0) == (signedCells > 0);
        if (longPlate) {
            GridLine(x, 2, x, 5);
        } else {
            m_dc.SelectPen(m_grid.pens.thick);
            GridLine(x, 3, x, 4);
            m_dc.SelectPen(m_grid.pens.thin);
        }
    }
    GridLine(x, 3.5, 21.5, 3.5);
}

void CGridCanvas::DrawLampSymbol(double cx, double cy) const
{
    m_dc.Ellipse(PixelX(cx - 1.5), PixelY(cy - 1.5), PixelX(cx + 1.5), PixelY(cy + 1.5));
    const double p = m_grid.unit * 0.7071068;
    const auto at = [](int offset, double v) { return static_cast<int>(offset + v); };
    const double x = cx * m_grid.unit;
    const double y = cy * m_grid.unit;
    m_dc.MoveTo(at(m_grid.offsetX, x - 1.5 * p), at(m_grid.offsetY, y - 1.5 * p));
    m_dc.LineTo(at(m_grid.offsetX, x + 1.5 * p), at(m_grid.offsetY, y + 1.5 * p));
    m_dc.MoveTo(at(m_grid.offsetX, x + 1.5 * p), at(m_grid.offsetY, y - 1.5 * p));
    m_dc.LineTo(at(m_grid.offsetX, x - 1.5 * p), at(m_grid.offsetY, y + 1.5 * p));
}

void CGridCanvas::DrawResistorSymbol(double cx, double cy) const
{
    m_dc.Rectangle(PixelX(cx - 1.5), PixelY(cy - 0.6), PixelX(cx + 1.5), PixelY(cy + 0.6));
}
