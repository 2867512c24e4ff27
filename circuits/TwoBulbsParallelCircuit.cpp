#include "circuits/TwoBulbsParallelCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CGridPoint kLamps[]{{12.5, 21.5}, {12.5, 14.5}};

}

CTwoBulbsParallelCircuit::CTwoBulbsParallelCircuit()
{
    RegisterGlowList(m_glow1);
    RegisterGlowList(m_glow2);
}

int CTwoBulbsParallelCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CTwoBulbsParallelCircuit::GetName() const
{
    return "Two Bulbs in Parallel";
}

int CTwoBulbsParallelCircuit::PictureBitmapId() const
{
    return ResId::PictureTwoBulbsParallel;
}

CircuitRegion CTwoBulbsParallelCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || InRungCircuitHoleWall(x, y) || InBlockWall(kBottomCentreBulb, x, y) ||
        InBlockWall(kRungBulb, x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kBottomCentreRelease.Contains(x, y) || kRungRelease.Contains(x, y))
        return RegionRelease;
    return RegionWire;
}

void CTwoBulbsParallelCircuit::MoveElectron(CElectron& e)
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
        ReflectRungCircuitWalls(e, x0, y0, 13.25);
        ReflectBlockWalls(e, y0, kBottomCentreBulb);
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells != 0)
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        if (m_nCells != 0 && e.m_bHalf1)
            ReleaseBothHalves(e, e.m_y < kRungReleaseBelow ? m_glow1 : m_glow2, true);
        break;
    case RegionSwitchGap:
        break;
    }
}

void CTwoBulbsParallelCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"light bulb 2", CRect{10, 18, 15, 20}});
    m_labels.push_back({"light bulb 1", CRect{10, 11, 15, 13}});
    ResetElectrons();
}

void CTwoBulbsParallelCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawRung(dc);
    DrawBulbGlyph(dc, 12.5, 21.5);
    DrawBulbGlyph(dc, 12.5, 14.5);
}

void CTwoBulbsParallelCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 12.5, 14);
    DrawGlowArcs(dc, m_glow2, 12.5, 21);
}

void CTwoBulbsParallelCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kLamps, true);
}
