#include "circuits/TwoBulbsSeriesCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CGridPoint kLamps[]{{15.5, 21.5}, {9.5, 21.5}};

}

CTwoBulbsSeriesCircuit::CTwoBulbsSeriesCircuit()
{
    RegisterGlowList(m_glow1);
    RegisterGlowList(m_glow2);
}

int CTwoBulbsSeriesCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CTwoBulbsSeriesCircuit::GetName() const
{
    return "Two Bulbs in Series";
}

int CTwoBulbsSeriesCircuit::PictureBitmapId() const
{
    return ResId::PictureTwoBulbsSeries;
}

CircuitRegion CTwoBulbsSeriesCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || kRingHoleWall.Contains(x, y) || InBlockWall(kBottomRightBulb, x, y) ||
        InBlockWall(kBottomLeftBulb, x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kBottomLeftRelease.Contains(x, y) || kBottomRightRelease.Contains(x, y))
        return RegionRelease;
    return RegionWire;
}

void CTwoBulbsSeriesCircuit::MoveElectron(CElectron& e)
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
        ReflectBlockWalls(e, y0, kBottomRightBulb);
        ReflectBlockWalls(e, y0, kBottomLeftBulb);
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells != 0)
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        // Each bulb takes its own half, whichever the electron meets first.
        if (m_nCells != 0) {
            if (e.m_x > 12.5 && e.m_bHalf1)
                ReleaseHalf(e, e.m_bHalf1, m_glow1, m_bVaryMeanSpeed);
            if (e.m_x < 12.5 && e.m_bHalf2)
                ReleaseHalf(e, e.m_bHalf2, m_glow2, m_bVaryMeanSpeed);
        }
        break;
    case RegionSwitchGap:
        break;
    }
}

void CTwoBulbsSeriesCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"light bulb 1", CRect{13, 18, 18, 20}});
    m_labels.push_back({"light bulb 2", CRect{7, 18, 12, 20}});
    ResetElectrons();
}

void CTwoBulbsSeriesCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawBulbGlyph(dc, 9.5, 21.5);
    DrawBulbGlyph(dc, 15.5, 21.5);
}

void CTwoBulbsSeriesCircuit::DrawGlow(CDrawSurface& dc)
{
    // Bulbs in series share the energy: they glow one step dimmer.
    DrawGlowArcs(dc, m_glow1, 15.5, 21, true);
    DrawGlowArcs(dc, m_glow2, 9.5, 21, true);
}

void CTwoBulbsSeriesCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kLamps, false);
}
