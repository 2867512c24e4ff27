#include "circuits/LadderPairCircuit.h"

#include "circuits/CircuitGeometry.h"

CircuitRegion CLadderPairCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || InRungCircuitHoleWall(x, y) || InBlockWall(RungBlock(), x, y) ||
        InBlockWall(RightBlock(), x, y) || InBlockWall(LeftBlock(), x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kRungRelease.Contains(x, y) || kBottomLeftRelease.Contains(x, y) || kBottomRightRelease.Contains(x, y))
        return RegionRelease;
    return RegionWire;
}

void CLadderPairCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    const double k = PushConstant(m_bVaryMeanSpeed);
    switch (Classify(e.m_x, e.m_y)) {
    case RegionWire:
        ApplyPush(e, kRungRingPushForward, kRungRingPushReverse, m_dVoltage, k);
        ApplyFunnel(e, k);
        break;
    case RegionWall:
        if (InRungCircuitHole(e.m_x, e.m_y))
            RescueToSupply(e);
        ReflectOuterWalls(e);
        ReflectRungCircuitWalls(e, x0, y0, 13.25, RungBlock());
        ReflectBlockWalls(e, y0, RightBlock());
        ReflectBlockWalls(e, y0, LeftBlock());
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells != 0)
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        if (m_nCells == 0)
            break;
        if (e.m_bHalf1 && e.m_y < kRungReleaseBelow) {
            ReleaseAtRung(e);
        } else {
            if (e.m_bHalf1 && e.m_x > 12.5)
                ReleaseAtRight(e);
            if (e.m_bHalf2 && e.m_x < 12.5)
                ReleaseAtLeft(e);
        }
        break;
    case RegionSwitchGap:
        break;
    }
}
