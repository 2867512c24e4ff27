#include "circuits/TwoResistorsSeriesCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CComponentBlock kSymbols[]{kBottomRightResistor, kBottomLeftResistor};

}

int CTwoResistorsSeriesCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CTwoResistorsSeriesCircuit::GetName() const
{
    return "Two Resistors in Series";
}

int CTwoResistorsSeriesCircuit::PictureBitmapId() const
{
    return ResId::PictureTwoResistorsSeries;
}

CComponentBlock CTwoResistorsSeriesCircuit::RightBlock() const
{
    return kBottomRightResistor;
}

CComponentBlock CTwoResistorsSeriesCircuit::LeftBlock() const
{
    return kBottomLeftResistor;
}

void CTwoResistorsSeriesCircuit::ReleaseAtRight(CElectron& e)
{
    GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
}

void CTwoResistorsSeriesCircuit::ReleaseAtLeft(CElectron& e)
{
    GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
}

void CTwoResistorsSeriesCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"resistor 1", CRect{13, 18, 18, 20}});
    m_labels.push_back({"resistor 2", CRect{7, 18, 12, 20}});
    ResetElectrons();
}

void CTwoResistorsSeriesCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawBlockGlyph(dc, kBottomLeftResistor);
    DrawBlockGlyph(dc, kBottomRightResistor);
}

void CTwoResistorsSeriesCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kSymbols, false);
}
