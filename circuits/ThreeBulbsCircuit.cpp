#include "circuits/ThreeBulbsCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CGridPoint kLamps[]{{15.5, 21.5}, {9.5, 21.5}, {12.5, 14.5}};

}

CThreeBulbsCircuit::CThreeBulbsCircuit()
{
    RegisterGlowList(m_glow1);
    RegisterGlowList(m_glow2);
    RegisterGlowList(m_glow3);
}

int CThreeBulbsCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CThreeBulbsCircuit::GetName() const
{
    return "Three Bulbs in Series and Parallel";
}

int CThreeBulbsCircuit::PictureBitmapId() const
{
    return ResId::PictureThreeBulbs;
}

CircuitRegion CThreeBulbsCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || InRungCircuitHoleWall(x, y) || InBlockWall(kRungBulb, x, y) ||
        InBlockWall(kBottomRightBulb, x, y) || InBlockWall(kBottomLeftBulb, x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kRungRelease.Contains(x, y) || kBottomLeftRelease.Contains(x, y) || kBottomRightRelease.Contains(x, y))
        return RegionRelease;
    return RegionWire;
}

void CThreeBulbsCircuit::MoveElectron(CElectron& e)
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
        ReflectRungCircuitWalls(e, x0, y0, 13.25);
        ReflectBlockWalls(e, y0, kBottomRightBulb);
        ReflectBlockWalls(e, y0, kBottomLeftBulb);
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells != 0)
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        if (m_nCells == 0)
            break;
        // The rung bulb takes all the energy; the bottom pair half each.
        if (e.m_bHalf1 && e.m_y < kRungReleaseBelow) {
            ReleaseBothHalves(e, m_glow1, true);
        } else {
            if (e.m_bHalf1 && e.m_x > 12.5)
                ReleaseHalf(e, e.m_bHalf1, m_glow2, true);
            if (e.m_bHalf2 && e.m_x < 12.5)
                ReleaseHalf(e, e.m_bHalf2, m_glow3, true);
        }
        break;
    case RegionSwitchGap:
        break;
    }
}

void CThreeBulbsCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"light bulb 2", CRect{13, 18, 18, 20}});
    m_labels.push_back({"light bulb 3", CRect{7, 18, 12, 20}});
    m_labels.push_back({"light bulb 1", CRect{10, 11, 15, 13}});
    ResetElectrons();
}

void CThreeBulbsCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawRung(dc);
    DrawBulbGlyph(dc, 9.5, 21.5);
    DrawBulbGlyph(dc, 15.5, 21.5);
    DrawBulbGlyph(dc, 12.5, 14.5);
}

void CThreeBulbsCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 12.5, 14);
    DrawGlowArcs(dc, m_glow2, 15.5, 21, true);
    DrawGlowArcs(dc, m_glow3, 9.5, 21, true);
}

void CThreeBulbsCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kLamps, true);
}
