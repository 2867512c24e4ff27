#pragma once

#include "core/draw/Colour.h"
#include "core/draw/DrawSurface.h"

#include <memory>

// A shaded ball of one colour, pre-rendered with a transparency mask so a
// frame can stamp it with two block transfers.
class CBallSprite {
public:
    static constexpr int kMaxRadius = 100;
    // The least radius whose sign reads: bars five pixels long.
    static constexpr int kMinSignedRadius = 4;
    // A sign over the ball, so that it reads without telling colours apart.
    enum class Mark { None, Plus, Minus };

    // Renders the ball with radius r for surfaces like dc; radii above the
    // limit keep the previous bitmaps.
    void Build(CDrawSurface& dc, int r, Colour colour, Mark mark = Mark::None, Colour markColour = {});
    // Stamps the ball with its centre pixel on (x, y).
    void Draw(CDrawSurface& dc, int x, int y) const;

    Colour GetColour() const { return m_crColour; }
    int GetRadius() const { return m_nRadius; }
    int GetSize() const { return m_nSize; }
    const CBitmap* Mask() const { return m_bmpMask.get(); }
    const CBitmap* Image() const { return m_bmpImage.get(); }

private:
    Colour m_crColour{};
    int m_nRadius = 0;
    int m_nSize = 0;
    std::unique_ptr<CBitmap> m_bmpMask;   // white outside the disc, black inside
    std::unique_ptr<CBitmap> m_bmpImage;   // black outside the disc, the shaded ball inside
};
