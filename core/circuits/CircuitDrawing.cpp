// Drawing helpers that every circuit's backgrounds are built from.
#include "core/sim/Circuit.h"

#include "core/circuits/Palette.h"
#include "core/draw/GridMapping.h"
#include "core/draw/SelectGuard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

void CCircuit::FillGrid(CDrawSurface& dc, double x, double y, double wUnits, double hUnits, Colour cr)
{
    dc.FillSolidRect(PixelX(x), PixelY(y), static_cast<int>(m_nUnit * wUnits), static_cast<int>(m_nUnit * hUnits), cr);
}

void CCircuit::GridLine(CDrawSurface& dc, double x0, double y0, double x1, double y1)
{
    dc.MoveTo(PixelX(x0), PixelY(y0));
    dc.LineTo(PixelX(x1), PixelY(y1));
}

void CCircuit::DrawRing(CDrawSurface& dc)
{
    FillSurround(dc);
    FillGrid(dc, 0, 0, kGridSize, kGridSize, Palette::Background);
    FillGrid(dc, 2, 2, 21, 21, Palette::Conductor);
    FillGrid(dc, 5, 5, 15, 15, Palette::Background);

    // Raised outer edge, sunken hole: light from the top left. The bevels
    // stand off the edges by their own width, which grows with the layout.
    const int a = m_scale.Size(1);
    const int b = m_scale.Size(2);
    const auto px = [this](int x) { return m_nOffsetX + m_nUnit * x; };
    const auto py = [this](int y) { return m_nOffsetY + m_nUnit * y; };
    CPenGuard pen(dc, m_penLight);
    dc.MoveTo(px(2) - b, py(2) - b);
    dc.LineTo(px(23) + a, py(2) - b);
    dc.MoveTo(px(2) - b, py(2) - b);
    dc.LineTo(px(2) - b, py(23) + a);
    dc.SelectPen(m_penShade);
    dc.MoveTo(px(23) + a, py(23) + a);
    dc.LineTo(px(23) + a, py(2) - b);
    dc.MoveTo(px(23) + a, py(23) + a);
    dc.LineTo(px(2) - b, py(23) + a);
    dc.MoveTo(px(5) + a, py(5) + a);
    dc.LineTo(px(20) - a, py(5) + a);
    dc.MoveTo(px(5) + a, py(5) + a);
    dc.LineTo(px(5) + a, py(20) - a);
    dc.SelectPen(m_penLight);
    dc.MoveTo(px(20) - a, py(20) - a);
    dc.LineTo(px(20) - a, py(5) + a);
    dc.MoveTo(px(20) - a, py(20) - a);
    dc.LineTo(px(5) + a, py(20) - a);
}

void CCircuit::DrawRung(CDrawSurface& dc)
{
    // One unit into each side wire, so no seam shows where they meet.
    FillGrid(dc, 4, 13, 17, 3, Palette::Conductor);
    CPenGuard pen(dc, m_penLight);
    GridLine(dc, 5, 13, 20, 13);
    dc.SelectPen(m_penShade);
    GridLine(dc, 5, 16, 20, 16);
}

void CCircuit::DrawSupplyBars(CDrawSurface& dc)
{
    const int barWidth = std::min(m_rcClient.Width(), m_rcClient.Height()) / 150;
    for (const double x : {12.0, 12.25, 12.5, 12.75})
        dc.FillSolidRect(PixelX(x), PixelY(2), barWidth, m_nUnit * 3, Palette::SupplyBar);
}

void CCircuit::DrawComponentBlock(CDrawSurface& dc, double cx, double cy, double t, Colour capColour)
{
    FillGrid(dc, cx - 1.5, cy - 1.5, 3, t, capColour);
    FillGrid(dc, cx - 1.5, cy + 1.5 - t, 3, t, capColour);
    FillGrid(dc, cx - 1, cy - 2, 2, t, Palette::Background);
    FillGrid(dc, cx - 1, cy + 2 - t, 2, t, Palette::Background);

    CPenGuard pen(dc, m_penShade);
    dc.MoveTo(PixelX(cx - 1), PixelY(cy + 1.5));
    dc.LineTo(PixelX(cx - 1), PixelY(cy + 2 - t));
    dc.LineTo(PixelX(cx + 1), PixelY(cy + 2 - t));
    dc.SelectPen(m_penLight);
    dc.LineTo(PixelX(cx + 1), PixelY(cy + 1.5));
    dc.MoveTo(PixelX(cx + 1), PixelY(cy - 1.5));
    dc.LineTo(PixelX(cx + 1), PixelY(cy - 2 + t));
    dc.LineTo(PixelX(cx - 1), PixelY(cy - 2 + t));
    dc.SelectPen(m_penShade);
    dc.LineTo(PixelX(cx - 1), PixelY(cy - 1.5));
}

void CCircuit::DrawBlockGlyph(CDrawSurface& dc, const CComponentBlock& block)
{
    DrawComponentBlock(dc, block.centre.x, block.centre.y, block.wall, block.cap);
}

void CCircuit::DrawBlockSymbol(CDrawSurface& dc, const CComponentBlock& block)
{
    const double cx = block.centre.x;
    const double cy = block.centre.y;
    switch (block.symbol) {
    case DiagramSymbol::Lamp:
        DrawLampSymbol(dc, cx, cy);
        break;
    case DiagramSymbol::Resistor:
        DrawResistorSymbol(dc, cx, cy);
        break;
    case DiagramSymbol::LowResistor:
        DrawResistorSymbol(dc, cx, cy);
        DrawResistanceMark(dc, cx, cy, 1);
        break;
    case DiagramSymbol::HighResistor:
        DrawResistorSymbol(dc, cx, cy);
        DrawResistanceMark(dc, cx, cy, 2);
        break;
    }
}

void CCircuit::DrawResistanceMark(CDrawSurface& dc, double cx, double cy, int bars)
{
    // The numeral I or II, its bars 0.3 units apart and drawn with a pen a
    // twelfth of a unit wide, so that two bars stay apart at any size.
    constexpr double kHalfHeight = 0.35;
    constexpr double kBarGap = 0.3;
    constexpr double kSerif = 0.15;
    const double half = kBarGap * (bars - 1) / 2;
    CPenGuard pen(dc, SolidPen(std::max(1, m_nUnit / 12), Palette::Conductor));
    for (int i = 0; i < bars; ++i) {
        const double x = cx - half + kBarGap * i;
        GridLine(dc, x, cy - kHalfHeight, x, cy + kHalfHeight);
    }
    GridLine(dc, cx - half - kSerif, cy - kHalfHeight, cx + half + kSerif, cy - kHalfHeight);
    GridLine(dc, cx - half - kSerif, cy + kHalfHeight, cx + half + kSerif, cy + kHalfHeight);
}

void CCircuit::DrawDiagramPaper(CDrawSurface& dc)
{
    FillSurround(dc);
    FillGrid(dc, 0, 0, kGridSize, kGridSize, Palette::Paper);
}

void CCircuit::DrawLoopDiagram(CDrawSurface& dc, std::span<const CComponentBlock> blocks, bool rung)
{
    DrawDiagramPaper(dc);
    CPenGuard pen(dc, m_penThin);
    CBrushGuard brush(dc, WhiteBrush());
    DrawSupplySymbol(dc);
    dc.LineTo(PixelX(21.5), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(3.5));
    if (rung)
        DrawRungWire(dc);
    for (const CComponentBlock& block : blocks)
        DrawBlockSymbol(dc, block);
}

void CCircuit::DrawRungWire(CDrawSurface& dc)
{
    GridLine(dc, 3.5, 14.5, 21.5, 14.5);
}

void CCircuit::DrawSupplySymbol(CDrawSurface& dc)
{
    dc.MoveTo(PixelX(3.5), PixelY(3.5));
    const int cells = std::abs(m_nCells);
    if (cells == 0) {
        dc.LineTo(PixelX(21.5), PixelY(3.5));
        return;
    }
    // Plates half a unit apart, centred on the supply; with normal polarity
    // each cell is a long plate followed by a short one.
    const double first = 12.5 - 0.5 * cells;
    dc.LineTo(PixelX(first), PixelY(3.5));
    double x = first;
    for (int i = 0; i < 2 * cells; ++i) {
        x = first + 0.5 * i;
        const bool longPlate = (i % 2 == 0) == (m_nCells > 0);
        if (longPlate) {
            GridLine(dc, x, 2, x, 5);
        } else {
            dc.SelectPen(m_penThick);
            GridLine(dc, x, 3, x, 4);
            dc.SelectPen(m_penThin);
        }
    }
    GridLine(dc, x, 3.5, 21.5, 3.5);
}

void CCircuit::DrawLampSymbol(CDrawSurface& dc, double cx, double cy)
{
    dc.Ellipse(PixelX(cx - 1.5), PixelY(cy - 1.5), PixelX(cx + 1.5), PixelY(cy + 1.5));
    const double p = m_nUnit * 0.7071068;
    const auto at = [](int offset, double v) { return static_cast<int>(offset + v); };
    const double x = cx * m_nUnit;
    const double y = cy * m_nUnit;
    dc.MoveTo(at(m_nOffsetX, x - 1.5 * p), at(m_nOffsetY, y - 1.5 * p));
    dc.LineTo(at(m_nOffsetX, x + 1.5 * p), at(m_nOffsetY, y + 1.5 * p));
    dc.MoveTo(at(m_nOffsetX, x + 1.5 * p), at(m_nOffsetY, y - 1.5 * p));
    dc.LineTo(at(m_nOffsetX, x - 1.5 * p), at(m_nOffsetY, y + 1.5 * p));
}

void CCircuit::DrawResistorSymbol(CDrawSurface& dc, double cx, double cy)
{
    dc.Rectangle(PixelX(cx - 1.5), PixelY(cy - 0.6), PixelX(cx + 1.5), PixelY(cy + 0.6));
}

void CCircuit::DrawGlowArcs(CDrawSurface& dc, CGlowList& glow, double cx, double cy, GlowPen glowPen)
{
    constexpr int kArcLifetime = 31;
    const int cells = std::abs(m_nCells);
    if (cells == 0) {
        if (!m_bStill)
            glow.Clear();
        return;
    }
    const CPen* const pens[3][3] = {{&m_penGlow2, &m_penGlow3, &m_penGlow4},
                                    {&m_penGlow1, &m_penGlow2, &m_penGlow3},
                                    {&m_penGlow1, &m_penGlow1, &m_penGlow2}};
    const CPen& arcPen = *pens[static_cast<int>(glowPen)][cells - 1];
    CPenGuard pen(dc, arcPen);
    const double centreX = m_nOffsetX + m_nUnit * cx;
    const double centreY = m_nOffsetY + m_nUnit * cy;
    // The upper part of the circle, between the radials through (17, 15) and (8, 15).
    const int fromX = PixelX(cx + 4.5);
    const int fromY = PixelY(cy - 6);
    const int toX = PixelX(cx - 4.5);
    const int toY = PixelY(cy - 6);
    const int pad = arcPen.nWidth / 2 + 2;
    // Each arc's band, gathered so that many arcs can be marked as the one
    // box around them all when that is the smaller part of the frame.
    m_arcBands.clear();
    const auto drawArc = [&](int age) {
        const int d = ((age + 5) * m_nUnit) >> 3;
        const CRect box{static_cast<int>(centreX - d), static_cast<int>(centreY - d), static_cast<int>(centreX + d),
                        static_cast<int>(centreY + d)};
        dc.Arc(box.left, box.top, box.right, box.bottom, fromX, fromY, toX, toY);
        // Only the top of the circle is drawn: what changes is the band from
        // its top down to the ends of the arc, with the pen around it, a
        // small part of the circle's box on a large screen.
        const double ccx = (box.left + box.right) / 2.0;
        const double ccy = (box.top + box.bottom) / 2.0;
        double left = ccx;
        double right = ccx;
        double bottom = box.top;
        for (const auto& [x, y] : {std::pair{fromX, fromY}, std::pair{toX, toY}}) {
            const double length = std::hypot(x - ccx, y - ccy);
            if (length <= 0.0)
                continue;
            const double endX = ccx + (x - ccx) * (box.Width() / 2.0) / length;
            const double endY = ccy + (y - ccy) * (box.Height() / 2.0) / length;
            left = std::min(left, endX);
            right = std::max(right, endX);
            bottom = std::max(bottom, endY);
        }
        m_arcBands.push_back(CRect{static_cast<int>(std::floor(left)) - pad, box.top - pad,
                                   static_cast<int>(std::ceil(right)) + pad + 1,
                                   static_cast<int>(std::ceil(bottom)) + pad + 1});
    };
    if (m_bStill)
        glow.DrawAsTheyAre(drawArc);
    else
        glow.AgeAndDraw(kArcLifetime, drawArc);
    if (m_arcBands.empty())
        return;
    CRect all = m_arcBands.front();
    long long bandsArea = 0;
    for (const CRect& band : m_arcBands) {
        all = Union(all, band);
        bandsArea += static_cast<long long>(band.Width()) * band.Height();
    }
    if (static_cast<long long>(all.Width()) * all.Height() <= bandsArea) {
        MarkDrawn(all);
        return;
    }
    for (const CRect& band : m_arcBands)
        MarkDrawn(band);
}
