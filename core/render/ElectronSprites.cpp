#include "core/render/ElectronSprites.h"

#include "core/res/ElectronPalettes.h"

#include <algorithm>

namespace {

constexpr Colour ToColour(const CPaletteRgb& c)
{
    return Rgb(c.r, c.g, c.b);
}

}

void CElectronSprites::Build(CDrawSurface& dc, int square, const CElectronPalette& palette)
{
    // Signed balls grow to where a sign reads on a small view; views too
    // small for any ball still show none.
    int r = square / 100;
    if (palette.bMarks && r > 0)
        r = std::max(r, CBallSprite::kMinSignedRadius);
    using Mark = CBallSprite::Mark;
    const Colour mark = ToColour(palette.mark);
    m_flash.Build(dc, r, ToColour(palette.flash));
    m_dim.Build(dc, r, ToColour(palette.dim));
    m_normal.Build(dc, r, ToColour(palette.normal));
    for (int i = 1; i <= kGlowLevels; ++i) {
        m_gain[i].Build(dc, r, ToColour(palette.gain.At(i)), palette.bMarks ? Mark::Plus : Mark::None, mark);
        m_loss[i].Build(dc, r, ToColour(palette.loss.At(i)), palette.bMarks ? Mark::Minus : Mark::None, mark);
    }
}

const CBallSprite& CElectronSprites::For(const CElectron& e, int pulseLevel) const
{
    if (e.m_nGlow > 0)
        return Gain(std::min(e.m_nGlow, kGlowLevels));
    if (e.m_nGlow < 0)
        return Loss(std::min(-e.m_nGlow, kGlowLevels));
    // Counting on from 0 (where the cycle restarts) flashes, then dims.
    if (pulseLevel > 0 && e.m_nFlash <= 1)
        return m_flash;
    if (pulseLevel > 0 && e.m_nFlash == 2)
        return m_dim;
    return m_normal;
}
