#include "core/circuits/BulbSwitchCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{.bottom = kBottomLeftBulb, .bFunnel = true};

}

CBulbSwitchCircuit::CBulbSwitchCircuit()
    : CSwitchedCircuit(kLayout, kBottomSwitchGap, kBottomSwitchArt, InSeriesWith::EveryLoad)
{
    RegisterGlowList(m_glow1, {9.5, 21});
}

int CBulbSwitchCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CBulbSwitchCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Bulb and Switch in Series");
}

int CBulbSwitchCircuit::PictureBitmapId() const
{
    return m_bSwitchOpen ? kOpenPicture : kPicture;
}

void CBulbSwitchCircuit::Release(CElectron& e, Load)
{
    ReleaseBothHalves(e, m_glow1, true);
}

void CBulbSwitchCircuit::BuildLabels()
{
    CloseSwitch();
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "switch"), CRect{13, 23, 18, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb"), CRect{7, 23, 12, 25}});
    ResetElectrons();
}

void CBulbSwitchCircuit::DrawDiagram(const CGridCanvas& canvas) const
{
    DrawBottomSwitchDiagram(canvas);
}
