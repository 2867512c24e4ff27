#pragma once

#include "sim/Electron.h"
#include "sim/GlowList.h"

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
void RescueToSupply(CElectron& e);
// Reverses the velocity components that carried the electron through the
// ring's outer edge.
void ReflectOuterWalls(CElectron& e);
// Inside the hole's wall box: reverses the components whose old position was
// outside it on that axis.
void ReflectHoleWalls(CElectron& e, double x0, double y0, const CGridBox& hole);

// A load block across a horizontal wire that narrows it to a band. The walls
// are the box (x0, x1) x (wireEdge, bandNear) on the hole side and the part
// beyond bandFar on the outer side.
struct CHorizontalBlock {
    double x0, x1;
    double wireEdge;   // the wire's inner edge
    double bandNear;   // band edge nearer the hole
    double bandFar;    // band edge nearer the outer edge
};
bool InBlockWall(const CHorizontalBlock& block, double x, double y);
void ReflectBlockWalls(CElectron& e, double y0, const CHorizontalBlock& block);

// The supply's one-way gate: an electron moving the driven way is energised
// once (counted, kicked when vary is on); one moving against it bounces.
void PassSupply(CElectron& e, double V, bool vary, double& supplyCount);

// A one-load release: both halves given up at once, a new glow arc.
void ReleaseBothHalves(CElectron& e, CGlowList& glow, bool vary);

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
