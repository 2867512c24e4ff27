#include "circuits/UnequalResistorsParallelCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "res/ResourceIds.h"

namespace {

constexpr CComponentBlock kSymbols[]{kBottomCentreHighResistor, kRungLowResistor};

}

int CUnequalResistorsParallelCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CUnequalResistorsParallelCircuit::GetName() const
{
    // Spelled as the menu spells it; the title is shown to students.
    return "Two Unequal Resistors in Parallel";
}

int CUnequalResistorsParallelCircuit::PictureBitmapId() const
{
    return ResId::PictureUnequalResistorsParallel;
}

CComponentBlock CUnequalResistorsParallelCircuit::RungBlock() const
{
    return kRungLowResistor;
}

CComponentBlock CUnequalResistorsParallelCircuit::BottomBlock() const
{
    return kBottomCentreHighResistor;
}

void CUnequalResistorsParallelCircuit::Release(CElectron& e)
{
    e.m_bHalf2 = false;
    // The high resistance on the bottom wire takes more than the low on the rung.
    if (e.m_y > 18)
        GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
    else
        GiveUpHalf(e, e.m_bHalf1, -7, 0.5);
}

void CUnequalResistorsParallelCircuit::BuildLabels()
{
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"resistor (high R)", CRect{10, 18, 15, 20}});
    m_labels.push_back({"resistor (low R)", CRect{10, 11, 15, 13}});
    ResetElectrons();
}

void CUnequalResistorsParallelCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawRung(dc);
    DrawBlockGlyph(dc, kBottomCentreHighResistor);
    DrawBlockGlyph(dc, kRungLowResistor);
}

void CUnequalResistorsParallelCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawLoopDiagram(dc, kSymbols, true);
}
