#include "circuits/BottomPairCircuit.h"

#include "circuits/CircuitGeometry.h"

CircuitRegion CBottomPairCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || kRingHoleWall.Contains(x, y) || InBlockWall(RightBlock(), x, y) ||
        InBlockWall(LeftBlock(), x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kBottomLeftRelease.Contains(x, y) || kBottomRightRelease.Contains(x, y))
        return RegionRelease;
    return RegionWire;
}

void CBottomPairCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    const double k = PushConstant(m_bVaryMeanSpeed);
    switch (Classify(e.m_x, e.m_y)) {
    case RegionWire:
        ApplyPush(e, kRingPushForward, kRingPushReverse, m_dVoltage, k);
        ApplyFunnel(e, k);
        break;
    case RegionWall:
        if (kRingHole.Contains(e.m_x, e.m_y))
            RescueToSupply(e);
        ReflectOuterWalls(e);
        ReflectHoleWalls(e, x0, y0, kRingHoleWall);
        ReflectBlockWalls(e, y0, RightBlock());
        AfterRightBlockWalls(e);
        ReflectBlockWalls(e, y0, LeftBlock());
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells != 0)
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        if (m_nCells != 0) {
            if (e.m_x > 12.5 && e.m_bHalf1)
                ReleaseAtRight(e);
            if (e.m_x < 12.5 && e.m_bHalf2)
                ReleaseAtLeft(e);
        }
        break;
    case RegionSwitchGap:
        break;
    }
}
