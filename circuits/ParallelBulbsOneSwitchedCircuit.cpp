#include "circuits/ParallelBulbsOneSwitchedCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CComponentBlock kSymbols[]{kRungBulb, kBottomLeftBulb};

}

CParallelBulbsOneSwitchedCircuit::CParallelBulbsOneSwitchedCircuit()
{
    RegisterGlowList(m_glow1);
    RegisterGlowList(m_glow2);
}

int CParallelBulbsOneSwitchedCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CParallelBulbsOneSwitchedCircuit::GetName() const
{
    return "Two Bulbs in Parallel, One in Series with a Switch";
}

int CParallelBulbsOneSwitchedCircuit::PictureBitmapId() const
{
    return ResId::PictureParallelBulbsOneSwitched;
}

CircuitRegion CParallelBulbsOneSwitchedCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || InRungCircuitHoleWall(x, y) || InBlockWall(kRungBulb, x, y) ||
        InBlockWall(kBottomLeftBulb, x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kBottomLeftRelease.Contains(x, y) || kRungRelease.Contains(x, y))
        return RegionRelease;
    if (m_bSwitchOpen && kBottomSwitchGap.gap.Contains(x, y))
        return RegionSwitchGap;
    return RegionWire;
}

void CParallelBulbsOneSwitchedCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    // The rung still closes a loop with the switch open, so the supply
    // drives as ever.
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
        ReflectRungCircuitWalls(e, x0, y0, 20.25, kRungBulb);
        ReflectBlockWalls(e, y0, kBottomLeftBulb);
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
        PassSwitchGap(e, kBottomSwitchGap);
        break;
    }
}

void CParallelBulbsOneSwitchedCircuit::BuildLabels()
{
    CloseSwitch();
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"switch", CRect{13, 18, 18, 20}});
    m_labels.push_back({"light bulb 2", CRect{7, 18, 12, 20}});
    m_labels.push_back({"light bulb 1", CRect{10, 11, 15, 13}});
    ResetElectrons();
}

void CParallelBulbsOneSwitchedCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawRung(dc);
    DrawBlockGlyph(dc, kRungBulb);
    DrawBlockGlyph(dc, kBottomLeftBulb);
    DrawSwitchBlock(dc, kBottomSwitchArt);
}

void CParallelBulbsOneSwitchedCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 12.5, 14);
    DrawGlowArcs(dc, m_glow2, 9.5, 21);
}

void CParallelBulbsOneSwitchedCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawBottomSwitchDiagram(dc, kSymbols, true);
}
