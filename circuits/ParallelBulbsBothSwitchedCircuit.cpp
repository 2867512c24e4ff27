#include "circuits/ParallelBulbsBothSwitchedCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "platform/SelectGuard.h"
#include "res/ResourceIds.h"

CParallelBulbsBothSwitchedCircuit::CParallelBulbsBothSwitchedCircuit()
{
    RegisterGlowList(m_glow1);
    RegisterGlowList(m_glow2);
}

int CParallelBulbsBothSwitchedCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CParallelBulbsBothSwitchedCircuit::GetName() const
{
    return "Two Bulbs in Parallel, Both in Series with a Switch";
}

int CParallelBulbsBothSwitchedCircuit::PictureBitmapId() const
{
    return ResId::PictureParallelBulbsBothSwitched;
}

CircuitRegion CParallelBulbsBothSwitchedCircuit::Classify(double x, double y) const
{
    if (IsOutsideRing(x, y) || InRungCircuitHoleWall(x, y) || InBlockWall(kRungBulb, x, y) ||
        InBlockWall(kBottomCentreBulb, x, y))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (kRungRelease.Contains(x, y) || kBottomCentreRelease.Contains(x, y))
        return RegionRelease;
    if (m_bSwitchOpen && kRightSwitchGap.gap.Contains(x, y))
        return RegionSwitchGap;
    return RegionWire;
}

void CParallelBulbsBothSwitchedCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    // The switch is in series with both bulbs: open, it breaks every loop.
    const double k = m_bSwitchOpen ? 0 : PushConstant(m_bVaryMeanSpeed);
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
        ReflectBlockWalls(e, y0, kBottomCentreBulb);
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
            ReleaseBothHalves(e, e.m_y < kRungReleaseBelow ? m_glow1 : m_glow2, true);
        break;
    case RegionSwitchGap:
        PassSwitchGap(e, kRightSwitchGap);
        break;
    }
}

void CParallelBulbsBothSwitchedCircuit::BuildLabels()
{
    CloseSwitch();
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"switch", CRect{17, 11, 20, 13}});
    m_labels.push_back({"light bulb 2", CRect{10, 18, 15, 20}});
    m_labels.push_back({"light bulb 1", CRect{10, 11, 15, 13}});
    ResetElectrons();
}

void CParallelBulbsBothSwitchedCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawRung(dc);
    DrawBlockGlyph(dc, kRungBulb);
    DrawBlockGlyph(dc, kBottomCentreBulb);
    DrawSwitchBlock(dc, kRightSwitchArt);
}

void CParallelBulbsBothSwitchedCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 12.5, 14);
    DrawGlowArcs(dc, m_glow2, 12.5, 21);
}

void CParallelBulbsBothSwitchedCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawDiagramPaper(dc);
    CPenGuard pen(dc, m_penThin);
    CBrushGuard brush(dc, WhiteBrush());
    DrawSupplySymbol(dc);
    const double s = BladeLift();
    dc.LineTo(PixelX(21.5), PixelY(10));
    dc.LineTo(PixelX(21.3 - s), PixelY(11.8 - 0.7 * s));
    dc.MoveTo(PixelX(21.5), PixelY(12));
    dc.LineTo(PixelX(21.5), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(3.5));
    DrawSwitchContact(dc, 21.3, 9.8, 21.7, 10.2);
    DrawSwitchContact(dc, 21.3, 11.8, 21.7, 12.2);
    DrawRungWire(dc);
    DrawBlockSymbol(dc, kBottomCentreBulb);
    DrawBlockSymbol(dc, kRungBulb);
}
