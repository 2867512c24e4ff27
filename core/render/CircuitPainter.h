#pragma once

#include "core/draw/DrawSurface.h"
#include "core/draw/Rect.h"
#include "core/render/ElectronSprites.h"
#include "core/render/GridLayout.h"
#include "core/render/LabelLayer.h"
#include "core/sim/Circuit.h"

#include <memory>
#include <vector>

// Draws a circuit's frames, reading the circuit and changing nothing of it.
// A layout draws the circuit's background for a client rectangle; each
// frame then restores only what the last one drew over the background and
// draws the title page, or the electrons, arcs and labels, as the circuit
// stands, so drawing the same moment again gives the same pixels. What it
// keeps (the layout, the balls, the background, the parts drawn over it)
// all follows from the circuit and the rectangle.
class CCircuitPainter {
public:
    // Lays the circuit out for the rectangle: draws its background and
    // copies it to the surface.
    void Layout(const CCircuit& circuit, CDrawSurface& dc, const CRect& rect);
    // Draws the circuit as it stands over the last frame drawn on the
    // surface, changing only what the two frames drew. Lays it out again
    // first, at the last rectangle, when another circuit is drawn or its
    // background has changed.
    void Draw(const CCircuit& circuit, CDrawSurface& dc);
    // The parts of the surface that the last Draw (or Layout) changed: the
    // whole client area after a layout and around the title page, else what
    // the previous and the new frame drew over the background.
    const std::vector<CRect>& ChangedRects() const { return m_changed; }

    const CGridLayout& Grid() const { return m_grid; }
    const CElectronSprites& Sprites() const { return m_sprites; }
    const CBitmap* Background() const { return m_bmpBackground.get(); }

    // --- the parts of a frame, each drawn over what the surface holds ---
    // The title page over the whole view, its title's grey swinging with
    // the page's count.
    void DrawIntro(const CCircuit& circuit, CDrawSurface& dc) const;
    // The balls where the electrons are, shaken while they pulse, and the
    // ring round a tagged one.
    void DrawElectrons(const CCircuit& circuit, CDrawSurface& dc);
    // Every bulb's arcs, one per release, their pen following the cells.
    void DrawGlow(const CCircuit& circuit, CDrawSurface& dc);
    // The supply's picture above the circuit's, in the square.
    void DrawPicture(const CCircuit& circuit, CDrawSurface& dc) const;
    void DrawLabels(const CCircuit& circuit, CDrawSurface& dc) const;

private:
    // Records a part of the frame drawn over the background this frame.
    void MarkDrawn(const CRect& rc);
    // The labels' layer laid over each frame, for the labels shown.
    void BuildLabelLayer(const CCircuit& circuit, CDrawSurface& dc);
    void DrawGlowArcs(CDrawSurface& dc, const CGlowList& glow, CGridPoint centre, const CPen& arcPen);

    const CCircuit* m_pLaidOut = nullptr;   // compared only: the circuit the background is of
    int m_nLaidOutVersion = 0;
    CGridLayout m_grid;
    CElectronSprites m_sprites;
    std::unique_ptr<CBitmap> m_bmpBackground;
    CLabelLayer m_labelLayer;
    std::vector<CRect> m_drawn;   // what this frame drew over the background
    std::vector<CRect> m_drawnBefore;   // what the previous frame drew
    std::vector<CRect> m_changed;
    std::vector<CRect> m_arcBands;   // scratch of DrawGlowArcs, kept to spare allocations
    bool m_bFullFramePending = true;
};
