#include "core/circuits/TwoResistorsSeriesCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{
    .bottom = kBottomRightResistor,
    .seriesLeft = kBottomLeftResistor,
    .bFunnel = true,
};

}

CTwoResistorsSeriesCircuit::CTwoResistorsSeriesCircuit() : CLoopCircuit(kLayout) {}

int CTwoResistorsSeriesCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CTwoResistorsSeriesCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Resistors in Series");
}

int CTwoResistorsSeriesCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CTwoResistorsSeriesCircuit::Release(CElectron& e, Load load)
{
    if (load == Load::SeriesRight)
        GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
    else
        GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
}

void CTwoResistorsSeriesCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor 1"), CRect{13, 18, 18, 20}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor 2"), CRect{7, 18, 12, 20}});
    ResetElectrons();
}
