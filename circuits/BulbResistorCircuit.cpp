#include "circuits/BulbResistorCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CComponentBlock kSymbols[]{kBottomRightResistor, kBottomLeftBulb};

}

CBulbResistorCircuit::CBulbResistorCircuit()
{
    RegisterGlowList(m_glow1);
}

int CBulbResistorCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CBulbResistorCircuit::GetName() const
{
    return "Bulb and Resistor in Series";
}

int CBulbResistorCircuit::PictureBitmapId() const
{
    return ResId::PictureBulbResistor;
}

CComponentBlock CBulbResistorCircuit::RightBlock() const
{
    return kBottomRightResistor;
}

CComponentBlock CBulbResistorCircuit::LeftBlock() const
{
    return kBottomLeftBulb;
}

void CBulbResistorCircuit::ReleaseAtRight(CElectron& e)
{
    GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
}

void CBulbResistorCircuit::ReleaseAtLeft(CElectron& e)
{
    m_glow1.Add();
    GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
}

void CBulbResistorCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"resistor", CRect{13, 18, 18, 20}});
    m_labels.push_back({"light bulb", CRect{7, 18, 12, 20}});
    ResetElectrons();
}

void CBulbResistorCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawBlockGlyph(dc, kBottomLeftBulb);
    DrawBlockGlyph(dc, kBottomRightResistor);
}

void CBulbResistorCircuit::DrawGlow(CDrawSurface& dc)
{
    // The resistor takes half the energy: the bulb glows dimmer.
    DrawGlowArcs(dc, m_glow1, 9.5, 21, GlowPen::Dim);
}

void CBulbResistorCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kSymbols, false);
}
