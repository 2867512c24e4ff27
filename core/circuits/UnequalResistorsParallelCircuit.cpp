#include "core/circuits/UnequalResistorsParallelCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{.rung = kRungLowResistor, .bottom = kBottomCentreHighResistor};

}

CUnequalResistorsParallelCircuit::CUnequalResistorsParallelCircuit() : CLoopCircuit(kLayout) {}

int CUnequalResistorsParallelCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CUnequalResistorsParallelCircuit::GetName() const
{
    // Spelled as the menu spells it; the title is shown to students.
    return QT_TRANSLATE_NOOP("Circuit", "Two Unequal Resistors in Parallel");
}

int CUnequalResistorsParallelCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CUnequalResistorsParallelCircuit::Release(CElectron& e, Load load)
{
    e.m_bHalf2 = false;
    // The high resistance on the bottom wire takes more than the low on the rung.
    if (load == Load::Bottom)
        GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
    else
        GiveUpHalf(e, e.m_bHalf1, -7, 0.5);
}

void CUnequalResistorsParallelCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor (high R)"), CRect{10, 18, 15, 20}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor (low R)"), CRect{10, 11, 15, 13}});
    ResetElectrons();
}
