// The electrons over the ball model: a ball each, shaken while it pulses,
// and the ring round the tagged one.
#include "core/render/CircuitPainter.h"

#include "core/draw/GridMapping.h"
#include "core/draw/SelectGuard.h"
#include "core/sim/Pulse.h"

void CCircuitPainter::DrawElectrons(const CCircuit& circuit, CDrawSurface& dc)
{
    for (const CElectron& e : circuit.Electrons()) {
        int ox = m_grid.offsetX;
        int oy = m_grid.offsetY;
        const int level = circuit.GetPulsate() ? circuit.EnergyLevel(e) : 0;
        if (level > 0) {
            // The shake goes into the offset before the product, scaled like a size.
            const CPulseStep step = PulseStep(level, e.m_nPhase);
            ox += m_grid.scale.Offset(step.dx);
            oy += m_grid.scale.Offset(step.dy);
        }
        const int px = ToPixel(ox, m_grid.unit, e.m_x);
        const int py = ToPixel(oy, m_grid.unit, e.m_y);
        const CBallSprite& sprite = m_sprites.For(e, level);
        sprite.Draw(dc, px, py);
        const int r = sprite.GetRadius();
        MarkDrawn(CRect{px - r, py - r, px - r + sprite.GetSize(), py - r + sprite.GetSize()});
    }

    if (const CElectron* tagged = circuit.GetTagged()) {
        const int radius = 2 * m_sprites.Flash().GetRadius();
        const int px = m_grid.PixelX(tagged->m_x);
        const int py = m_grid.PixelY(tagged->m_y);
        const int width = m_grid.scale.Size(1);
        CPenGuard pen(dc, SolidPen(width, Rgb(255, 255, 255)));
        CBrushGuard brush(dc, NullBrush());
        dc.Ellipse(px - radius, py - radius, px + radius, py + radius);
        // The pen straddles the circle.
        const int pad = width / 2 + 1;
        MarkDrawn(CRect{px - radius - pad, py - radius - pad, px + radius + pad + 1, py + radius + pad + 1});
    }
}
