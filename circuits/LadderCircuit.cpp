#include "circuits/LadderCircuit.h"

#include "circuits/CircuitGeometry.h"

CircuitRegion CLadderCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || InRungCircuitHoleWall(x, y) || InBlockWall(BottomBlock(), x, y) ||
        InBlockWall(RungBlock(), x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kBottomCentreRelease.Contains(x, y) || kRungRelease.Contains(x, y))
        return RegionRelease;
    return RegionWire;
}

void CLadderCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    switch (Classify(e.m_x, e.m_y)) {
    case RegionWire:
        ApplyPush(e, kRungRingPushForward, kRungRingPushReverse, m_dVoltage, PushConstant(m_bVaryMeanSpeed));
        break;
    case RegionWall:
        if (InRungCircuitHole(e.m_x, e.m_y))
            RescueToSupply(e);
        ReflectOuterWalls(e);
        ReflectRungCircuitWalls(e, x0, y0, 13.25, RungBlock());
        ReflectBlockWalls(e, y0, BottomBlock());
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells != 0)
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        if (m_nCells != 0 && e.m_bHalf1)
            Release(e);
        break;
    case RegionSwitchGap:
        break;
    }
}
