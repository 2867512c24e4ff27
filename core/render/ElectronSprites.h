#pragma once

#include "core/render/BallSprite.h"
#include "core/sim/Circuit.h"

#include <array>

struct CElectronPalette;

// The balls of one palette at one size: the plain ball, the flash and the
// dark moment of an electron carrying energy, and ten shades each of
// gaining and of giving up energy.
class CElectronSprites {
public:
    static constexpr int kGlowLevels = CCircuit::kGlowLevels;

    // Renders every ball for a view whose shorter side is `square` pixels.
    void Build(CDrawSurface& dc, int square, const CElectronPalette& palette);

    // The ball an electron shows: its gain or loss while it glows; else, at
    // a pulsing energy level above 0, its flash counter's flash or dark
    // moment; else the plain ball.
    const CBallSprite& For(const CElectron& e, int pulseLevel) const;

    const CBallSprite& Flash() const { return m_flash; }
    const CBallSprite& Dim() const { return m_dim; }
    const CBallSprite& Normal() const { return m_normal; }
    const CBallSprite& Gain(int level) const { return m_gain[static_cast<std::size_t>(level)]; }
    const CBallSprite& Loss(int level) const { return m_loss[static_cast<std::size_t>(level)]; }

private:
    CBallSprite m_flash;
    CBallSprite m_dim;
    CBallSprite m_normal;
    std::array<CBallSprite, kGlowLevels + 1> m_gain;   // index 1..10
    std::array<CBallSprite, kGlowLevels + 1> m_loss;   // index 1..10
};
