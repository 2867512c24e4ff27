// The animation's tick: what a frame shows moving besides the electrons' paths.
#include "core/sim/Circuit.h"

#include "core/sim/Pulse.h"

#include <cstdlib>

namespace {

// An arc grows for 30 ticks, then goes.
constexpr int kArcLifetime = 31;
// A charged electron flashes every 24 / level ticks.
constexpr int kFlashTicks = 24;

}

void CCircuit::AdvanceAnimation()
{
    // The title page covers everything while it counts down.
    m_nIntroFrameShown = m_nIntroFrames;
    if (m_nIntroFrames != 0) {
        --m_nIntroFrames;
        return;
    }
    // Only the ball model shows the cues and the arcs.
    if (m_displayMode != DisplayMode::BallModel)
        return;
    if (m_bPulsate) {
        for (CElectron& e : m_electrons) {
            const int level = EnergyLevel(e);
            if (level == 0)
                continue;
            e.m_nPhase = PulsePhase(level, e.m_nPhase);
            // The flash waits while the electron shows its gain or loss.
            if (e.m_nGlow == 0 && ++e.m_nFlash >= kFlashTicks / level)
                e.m_nFlash = 0;
        }
    }
    for (const CBulbGlow& glow : m_glowLists) {
        if (m_nCells == 0)
            glow.list->Clear();
        else
            glow.list->Age(kArcLifetime);
    }
}
