#pragma once

#include "core/sim/ComponentBlock.h"
#include "core/sim/Electron.h"
#include "core/sim/GlowList.h"
#include "core/sim/Random.h"

#include <span>

// The rules the circuits' MoveElectron is built from. Every region test is
// strict; the numbers are grid units.

// An open box of the grid: x0 < x < x1 and y0 < y < y1.
struct CGridBox {
    double x0, x1, y0, y1;

    constexpr bool Contains(double x, double y) const { return x0 < x && x < x1 && y0 < y && y < y1; }
};

// One row of a supply's push table: inside the box, the velocity along the
// axis grows (sign +1) or shrinks (sign -1) by V * k.
struct CPushRow {
    CGridBox box;
    bool bAlongX;
    int nSign;
};

// Applies every matching row, in order: the forward rows while V > 0, the
// reverse rows while V < 0, nothing at V = 0.
void ApplyPush(CElectron& e, std::span<const CPushRow> forward, std::span<const CPushRow> reverse, double V, double k);

// The push constant: gentler while "Vary Mean Speed" lets the supply kick.
constexpr double PushConstant(bool vary)
{
    return vary ? 0.00001 : 0.000015;
}

// The square ring from 2 to 23 around the hole 5 to 20, shared by every circuit.
inline constexpr CGridBox kRingHole{5, 20, 5, 20};
inline constexpr CGridBox kRingHoleWall{4.75, 20.25, 4.75, 20.25};
bool IsOutsideRing(double x, double y);

// An electron that jumped into a hole is put back at the supply, (12, 3)
// or, for the largest random values, one unit further.
void RescueToSupply(CElectron& e, CRandom& random);
// Reverses the velocity components that carried the electron through the
// ring's outer edge.
void ReflectOuterWalls(CElectron& e);
// Inside the hole's wall box: reverses the components whose old position was
// outside it on that axis.
void ReflectHoleWalls(CElectron& e, double x0, double y0, const CGridBox& hole);

// A block's walls: inside its x range (a quarter unit past the block each
// side, for the electron's size), the wire between its edge and the band,
// and beyond the band (on the bottom wire with no lower bound, the ring's
// outer walls being beyond it).
bool InBlockWall(const CComponentBlock& block, double x, double y);
// Hitting a wall from inside the band turns the electron back across it;
// hitting the block's end face turns it back along the wire.
void ReflectBlockWalls(CElectron& e, double y0, const CComponentBlock& block);
// The release line across the middle of a block.
constexpr CGridBox ReleaseLineOf(const CComponentBlock& block)
{
    return CGridBox{block.centre.x - 0.25, block.centre.x + 0.25, block.centre.y - 1.5, block.centre.y + 1.5};
}

// Pulls electrons between the two bottom bulbs toward the middle of their
// band; it acts whatever the voltage.
void ApplyFunnel(CElectron& e, double k);

// The walls of the circuits whose rung splits the hole in two: inside the
// rung's band its edges and the rung block's walls; elsewhere in a hole the
// components whose old position was outside the hole, where the lower limit
// for the old y is oldYBelow.
void ReflectRungCircuitWalls(CElectron& e, double x0, double y0, double oldYBelow, const CComponentBlock& rungBlock);

// The gap of an open switch across a wire, for electron centres.
struct CSwitchGap {
    CGridBox gap;
    bool bAlongX;   // the wire runs along x
    double deepFrom;   // deep inside: deepFrom < coordinate < deepTo
    double deepTo;
    double middle;   // which edge an electron is put back to
    double edgeBefore;   // the edges it is put back at
    double edgeAfter;
};
// An electron deep inside the gap goes to the supply; one at its edges is
// put back outside, moving away.
void PassSwitchGap(CElectron& e, const CSwitchGap& gap, CRandom& random);

// The supply's one-way gate: an electron moving the driven way is energised
// once (kicked when vary is on); one moving against it bounces. Returns the
// passage to count: +1, or -1 while the supply is reversed, else 0.
int PassSupply(CElectron& e, double V, bool vary, CRandom& random);

// A one-load release: both halves given up at once, a new glow arc; the
// electron slows to a tenth when slow is set.
void ReleaseBothHalves(CElectron& e, CGlowList& glow, bool slow);
// A release of one half at a load of a series pair.
void ReleaseHalf(CElectron& e, bool& half, CGlowList& glow, bool slow);
// What a resistor does to an electron giving up a half on its line: the
// energy cue and the speed factor; no glow arc.
void GiveUpHalf(CElectron& e, bool& half, int glow, double factor);

// Adds the force to the velocity and the velocity to the position.
inline void Advance(CElectron& e)
{
    e.m_vx += e.m_fx;
    e.m_vy += e.m_fy;
    e.m_x += e.m_vx;
    e.m_y += e.m_vy;
}

// The wall's last step: move on with the reflected velocity.
inline void MoveAgain(CElectron& e)
{
    e.m_x += e.m_vx;
    e.m_y += e.m_vy;
}
