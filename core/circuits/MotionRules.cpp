#include "core/circuits/MotionRules.h"

#include "core/circuits/CircuitGeometry.h"

#include "core/sim/Random.h"

#include <limits>

void ApplyPush(CElectron& e, std::span<const CPushRow> forward, std::span<const CPushRow> reverse, double V, double k)
{
    if (V == 0)
        return;
    const double push = V * k;
    for (const CPushRow& row : V > 0 ? forward : reverse) {
        if (!row.box.Contains(e.m_x, e.m_y))
            continue;
        double& v = row.bAlongX ? e.m_vx : e.m_vy;
        if (row.nSign > 0)
            v += push;
        else
            v -= push;
    }
}

bool IsOutsideRing(double x, double y)
{
    return x < 2.25 || y < 2.25 || x > 22.75 || y > 22.75;
}

void RescueToSupply(CElectron& e, CRandom& random)
{
    const int rx = random.Next();
    const int ry = random.Next();
    e.m_x = 12 + rx / 32767;
    e.m_y = 3 + ry / 32767;
}

void ReflectOuterWalls(CElectron& e)
{
    if (e.m_x < 2.25 || e.m_x > 22.75)
        e.m_vx = -e.m_vx;
    if (e.m_y < 2.25 || e.m_y > 22.75)
        e.m_vy = -e.m_vy;
}

void ReflectHoleWalls(CElectron& e, double x0, double y0, const CGridBox& hole)
{
    if (!hole.Contains(e.m_x, e.m_y))
        return;
    if (x0 < hole.x0 || x0 > hole.x1)
        e.m_vx = -e.m_vx;
    if (y0 < hole.y0 || y0 > hole.y1)
        e.m_vy = -e.m_vy;
}

namespace {

// Where the block's wire ends beyond the band: the rung's lower edge, or
// nowhere on the bottom wire.
double FarEdgeOf(const CComponentBlock& block)
{
    return block.centre.y < kRungReleaseBelow ? block.centre.y + 1.5 : std::numeric_limits<double>::infinity();
}

bool InBlockRange(const CComponentBlock& block, double x)
{
    return block.centre.x - 1.75 < x && x < block.centre.x + 1.75;
}

}

bool InBlockWall(const CComponentBlock& block, double x, double y)
{
    const double wireEdge = block.centre.y - 1.5;
    return InBlockRange(block, x) && ((wireEdge < y && y < block.bandLo) || (block.bandHi < y && y < FarEdgeOf(block)));
}

void ReflectBlockWalls(CElectron& e, double y0, const CComponentBlock& block)
{
    if (!InBlockRange(block, e.m_x))
        return;
    const double wireEdge = block.centre.y - 1.5;
    if (wireEdge < e.m_y && e.m_y < block.bandLo) {
        if (y0 > block.bandLo)
            e.m_vy = -e.m_vy;
        else
            e.m_vx = -e.m_vx;
    }
    if (block.bandHi < e.m_y && e.m_y < FarEdgeOf(block)) {
        if (y0 < block.bandHi)
            e.m_vy = -e.m_vy;
        else
            e.m_vx = -e.m_vx;
    }
}

int PassSupply(CElectron& e, double V, bool vary, CRandom& random)
{
    if (!(V * e.m_vx > 0)) {
        e.m_vx = -e.m_vx;
        return 0;
    }
    if (e.m_bHalf1)
        return 0;
    e.m_nGlow = 10;
    const double s = vary ? 0.03 * V : 0;
    e.m_vx += s;
    e.m_bHalf1 = e.m_bHalf2 = true;
    if (random.Next() >= 16383)
        e.m_vy -= s;
    else
        e.m_vy += s;
    return V > 0 ? 1 : -1;
}

void ReleaseBothHalves(CElectron& e, CGlowList& glow, bool slow)
{
    ReleaseHalf(e, e.m_bHalf1, glow, slow);
    e.m_bHalf2 = false;
}

void ReleaseHalf(CElectron& e, bool& half, CGlowList& glow, bool slow)
{
    glow.Add();
    half = false;
    e.m_nGlow = -10;
    if (slow) {
        e.m_vx *= 0.1;
        e.m_vy *= 0.1;
    }
}

void GiveUpHalf(CElectron& e, bool& half, int glow, double factor)
{
    half = false;
    e.m_nGlow = glow;
    e.m_vx *= factor;
    e.m_vy *= factor;
}

void ApplyFunnel(CElectron& e, double k)
{
    if (11 < e.m_x && e.m_x < 14 && 20 < e.m_y && e.m_y < 23)
        e.m_vy += 10 * k * (21.5 - e.m_y);
}

void ReflectRungCircuitWalls(CElectron& e, double x0, double y0, double oldYBelow, const CComponentBlock& rungBlock)
{
    if (kRungBand.Contains(e.m_x, e.m_y)) {
        if (e.m_y < 13.25)
            e.m_vy = -e.m_vy;
        if (e.m_y > 15.75)
            e.m_vy = -e.m_vy;
        ReflectBlockWalls(e, y0, rungBlock);
    } else if (kRingHoleWall.Contains(e.m_x, e.m_y)) {
        if (x0 < 4.75 || x0 > 20.25)
            e.m_vx = -e.m_vx;
        if (y0 < 4.75 || y0 > oldYBelow)
            e.m_vy = -e.m_vy;
    }
}

void PassSwitchGap(CElectron& e, const CSwitchGap& gap, CRandom& random)
{
    double& along = gap.bAlongX ? e.m_x : e.m_y;
    double& speed = gap.bAlongX ? e.m_vx : e.m_vy;
    if (gap.deepFrom < along && along < gap.deepTo) {
        RescueToSupply(e, random);
        return;
    }
    speed = -speed;
    along = along < gap.middle ? gap.edgeBefore : gap.edgeAfter;
}
