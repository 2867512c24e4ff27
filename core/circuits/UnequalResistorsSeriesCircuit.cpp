#include "core/circuits/UnequalResistorsSeriesCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{
    .bottom = kBottomRightLowResistor,
    .seriesLeft = kBottomLeftHighResistor,
    .bFunnel = true,
};

}

CUnequalResistorsSeriesCircuit::CUnequalResistorsSeriesCircuit() : CLoopCircuit(kLayout) {}

int CUnequalResistorsSeriesCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CUnequalResistorsSeriesCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Unequal Resistors in Series");
}

int CUnequalResistorsSeriesCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CUnequalResistorsSeriesCircuit::Release(CElectron& e, Load load)
{
    if (load == Load::SeriesRight) {
        // The low resistance takes less: half the speed is left.
        GiveUpHalf(e, e.m_bHalf1, -7, 0.5);
    } else {
        GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
    }
}

void CUnequalResistorsSeriesCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor (low R)"), CRect{13, 18, 18, 20}});
    // A row higher than its neighbour: the two names are wider than the
    // blocks are apart.
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor (high R)"), CRect{7, 16, 12, 18}});
    ResetElectrons();
}
