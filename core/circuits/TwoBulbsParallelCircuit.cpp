#include "core/circuits/TwoBulbsParallelCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{.rung = kRungBulb, .bottom = kBottomCentreBulb};

}

CTwoBulbsParallelCircuit::CTwoBulbsParallelCircuit() : CLoopCircuit(kLayout)
{
    RegisterGlowList(m_glow1, {12.5, 14});
    RegisterGlowList(m_glow2, {12.5, 21});
}

int CTwoBulbsParallelCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CTwoBulbsParallelCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel");
}

int CTwoBulbsParallelCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CTwoBulbsParallelCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 2"), CRect{10, 23, 15, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 1"), CRect{10, 7, 15, 9}});
    ResetElectrons();
}

void CTwoBulbsParallelCircuit::Release(CElectron& e, Load load)
{
    ReleaseBothHalves(e, load == Load::Rung ? m_glow1 : m_glow2, true);
}
