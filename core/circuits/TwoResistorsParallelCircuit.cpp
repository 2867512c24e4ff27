#include "core/circuits/TwoResistorsParallelCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{.rung = kRungResistor, .bottom = kBottomCentreResistor};

}

CTwoResistorsParallelCircuit::CTwoResistorsParallelCircuit() : CLoopCircuit(kLayout) {}

int CTwoResistorsParallelCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CTwoResistorsParallelCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Resistors in Parallel");
}

int CTwoResistorsParallelCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CTwoResistorsParallelCircuit::Release(CElectron& e, Load)
{
    e.m_bHalf2 = false;
    GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
}

void CTwoResistorsParallelCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor 2"), CRect{10, 18, 15, 20}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor 1"), CRect{10, 11, 15, 13}});
    ResetElectrons();
}
