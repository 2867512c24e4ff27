#include "circuits/BulbSwitchCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CComponentBlock kSymbols[]{kBottomLeftBulb};

}

CBulbSwitchCircuit::CBulbSwitchCircuit()
{
    RegisterGlowList(m_glow1);
}

int CBulbSwitchCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CBulbSwitchCircuit::GetName() const
{
    return "Bulb and Switch in Series";
}

int CBulbSwitchCircuit::PictureBitmapId() const
{
    return ResId::PictureBulbSwitch;
}

CircuitRegion CBulbSwitchCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || kRingHoleWall.Contains(x, y) || InBlockWall(kBottomLeftBulb, x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kBottomLeftRelease.Contains(x, y))
        return RegionRelease;
    if (m_bSwitchOpen && kBottomSwitchGap.gap.Contains(x, y))
        return RegionSwitchGap;
    return RegionWire;
}

void CBulbSwitchCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    // An open switch breaks the only loop: the supply drives nothing.
    const double k = m_bSwitchOpen ? 0 : PushConstant(m_bVaryMeanSpeed);
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
        ReflectBlockWalls(e, y0, kBottomLeftBulb);
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells == 0)
            break;
        if (m_bSwitchOpen)
            e.m_vx = -e.m_vx;
        else
            PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, m_dSupplyCount);
        break;
    case RegionRelease:
        if (m_nCells != 0 && e.m_bHalf1)
            ReleaseBothHalves(e, m_glow1, true);
        break;
    case RegionSwitchGap:
        PassSwitchGap(e, kBottomSwitchGap);
        break;
    }
}

void CBulbSwitchCircuit::BuildLabels()
{
    CloseSwitch();
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"switch", CRect{13, 18, 18, 20}});
    m_labels.push_back({"light bulb", CRect{7, 18, 12, 20}});
    ResetElectrons();
}

void CBulbSwitchCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawBlockGlyph(dc, kBottomLeftBulb);
    DrawSwitchBlock(dc, kBottomSwitchArt);
}

void CBulbSwitchCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 9.5, 21);
}

void CBulbSwitchCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawBottomSwitchDiagram(dc, kSymbols, false);
}
