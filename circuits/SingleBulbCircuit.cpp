#include "circuits/SingleBulbCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "circuits/MotionRules.h"
#include "res/ResourceIds.h"

namespace {

constexpr CComponentBlock kSymbols[]{kBottomCentreBulb};

}

CSingleBulbCircuit::CSingleBulbCircuit()
{
    RegisterGlowList(m_glow1);
}

int CSingleBulbCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CSingleBulbCircuit::GetName() const
{
    return "Single Bulb";
}

int CSingleBulbCircuit::PictureBitmapId() const
{
    return ResId::PictureSingleBulb;
}

CircuitRegion CSingleBulbCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || kRingHoleWall.Contains(x, y) || InBlockWall(kBottomCentreBulb, x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kBottomCentreRelease.Contains(x, y))
        return RegionRelease;
    return RegionWire;
}

void CSingleBulbCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    switch (Classify(e.m_x, e.m_y)) {
    case RegionWire:
        ApplyPush(e, kRingPushForward, kRingPushReverse, m_dVoltage, PushConstant(m_bVaryMeanSpeed));
        break;
    case RegionWall:
        if (kRingHole.Contains(e.m_x, e.m_y))
            RescueToSupply(e);
        ReflectOuterWalls(e);
        ReflectHoleWalls(e, x0, y0, kRingHoleWall);
        ReflectBlockWalls(e, y0, kBottomCentreBulb);
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells != 0)
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        if (e.m_bHalf1 && m_nCells != 0)
            ReleaseBothHalves(e, m_glow1, m_bVaryMeanSpeed);
        break;
    case RegionSwitchGap:
        break;
    }
}

void CSingleBulbCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"light bulb", CRect{10, 18, 15, 20}});
    ResetElectrons();
}

void CSingleBulbCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawBlockGlyph(dc, kBottomCentreBulb);
}

void CSingleBulbCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 12.5, 21);
}

void CSingleBulbCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kSymbols, false);
}
