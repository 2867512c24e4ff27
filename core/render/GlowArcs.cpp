// The bulbs' glow arcs over the ball model, and the bands of the frame they change.
#include "core/render/CircuitPainter.h"

#include "core/draw/SelectGuard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

void CCircuitPainter::DrawGlow(const CCircuit& circuit, CDrawSurface& dc)
{
    const int cells = std::abs(circuit.GetCells());
    if (cells == 0)
        return;
    const CGridLayout::CPens& p = m_grid.pens;
    // By the bulb's pen (bright, dim, faint) and the cells, 1 to 3.
    const CPen* const pens[3][3] = {
        {&p.glow2, &p.glow3, &p.glow4}, {&p.glow1, &p.glow2, &p.glow3}, {&p.glow1, &p.glow1, &p.glow2}};
    for (int bulb = 1; bulb <= circuit.BulbCount(); ++bulb)
        DrawGlowArcs(dc, circuit.BulbGlow(bulb), circuit.BulbGlowCentre(bulb),
                     *pens[static_cast<int>(circuit.BulbGlowPen(bulb))][cells - 1]);
}

void CCircuitPainter::DrawGlowArcs(CDrawSurface& dc, const CGlowList& glow, CGridPoint centre, const CPen& arcPen)
{
    const double cx = centre.x;
    const double cy = centre.y;
    CPenGuard pen(dc, arcPen);
    const double centreX = m_grid.offsetX + m_grid.unit * cx;
    const double centreY = m_grid.offsetY + m_grid.unit * cy;
    // The upper part of the circle, between the radials through (17, 15) and (8, 15).
    const int fromX = m_grid.PixelX(cx + 4.5);
    const int fromY = m_grid.PixelY(cy - 6);
    const int toX = m_grid.PixelX(cx - 4.5);
    const int toY = m_grid.PixelY(cy - 6);
    const int pad = arcPen.nWidth / 2 + 2;
    // Each arc's band, gathered so that many arcs can be marked as the one
    // box around them all when that is the smaller part of the frame.
    m_arcBands.clear();
    for (const int age : glow.Ages()) {
        const int d = ((age + 5) * m_grid.unit) >> 3;
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
    }
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
