#include "core/circuits/SingleBulbCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{.bottom = kBottomCentreBulb};

}

CSingleBulbCircuit::CSingleBulbCircuit() : CLoopCircuit(kLayout)
{
    RegisterGlowList(m_glow1, {12.5, 21});
}

int CSingleBulbCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CSingleBulbCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Single Bulb");
}

int CSingleBulbCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CSingleBulbCircuit::Release(CElectron& e, Load)
{
    ReleaseBothHalves(e, m_glow1, m_bVaryMeanSpeed);
}

void CSingleBulbCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb"), CRect{10, 23, 15, 25}});
    ResetElectrons();
}
