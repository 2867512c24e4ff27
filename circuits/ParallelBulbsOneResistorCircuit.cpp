#include "circuits/ParallelBulbsOneResistorCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CComponentBlock kSymbols[]{kBottomRightResistor, kBottomLeftBulb, kRungBulb};

}

CParallelBulbsOneResistorCircuit::CParallelBulbsOneResistorCircuit()
{
    RegisterGlowList(m_glow1);
    RegisterGlowList(m_glow2);
}

int CParallelBulbsOneResistorCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CParallelBulbsOneResistorCircuit::GetName() const
{
    return "Two Bulbs in Parallel, One in Series with a Resistor";
}

int CParallelBulbsOneResistorCircuit::PictureBitmapId() const
{
    return ResId::PictureParallelBulbsOneResistor;
}

CComponentBlock CParallelBulbsOneResistorCircuit::RungBlock() const
{
    return kRungBulb;
}

CComponentBlock CParallelBulbsOneResistorCircuit::RightBlock() const
{
    return kBottomRightResistor;
}

CComponentBlock CParallelBulbsOneResistorCircuit::LeftBlock() const
{
    return kBottomLeftBulb;
}

void CParallelBulbsOneResistorCircuit::ReleaseAtRung(CElectron& e)
{
    ReleaseBothHalves(e, m_glow1, true);
}

void CParallelBulbsOneResistorCircuit::ReleaseAtRight(CElectron& e)
{
    GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
}

void CParallelBulbsOneResistorCircuit::ReleaseAtLeft(CElectron& e)
{
    m_glow2.Add();
    GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
}

void CParallelBulbsOneResistorCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"resistor", CRect{13, 18, 18, 20}});
    m_labels.push_back({"light bulb 2", CRect{7, 18, 12, 20}});
    m_labels.push_back({"light bulb 1", CRect{10, 11, 15, 13}});
    ResetElectrons();
}

void CParallelBulbsOneResistorCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawRung(dc);
    DrawBlockGlyph(dc, kBottomLeftBulb);
    DrawBlockGlyph(dc, kBottomRightResistor);
    DrawBlockGlyph(dc, kRungBulb);
}

void CParallelBulbsOneResistorCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 12.5, 14);
    DrawGlowArcs(dc, m_glow2, 9.5, 21, GlowPen::Dim);
}

void CParallelBulbsOneResistorCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kSymbols, true);
}
