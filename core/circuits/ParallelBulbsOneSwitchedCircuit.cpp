#include "core/circuits/ParallelBulbsOneSwitchedCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{
    .rung = kRungBulb,
    .bottom = kBottomLeftBulb,
    .bFunnel = true,
    .oldYBelow = 20.25,
};

}

CParallelBulbsOneSwitchedCircuit::CParallelBulbsOneSwitchedCircuit()
    : CSwitchedCircuit(kLayout, kBottomSwitchGap, kBottomSwitchArt, InSeriesWith::OneBranch)
{
    RegisterGlowList(m_glow1, {12.5, 14});
    RegisterGlowList(m_glow2, {9.5, 21});
}

int CParallelBulbsOneSwitchedCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CParallelBulbsOneSwitchedCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, One in Series with a Switch");
}

int CParallelBulbsOneSwitchedCircuit::PictureBitmapId() const
{
    return m_bSwitchOpen ? kOpenPicture : kPicture;
}

void CParallelBulbsOneSwitchedCircuit::Release(CElectron& e, Load load)
{
    ReleaseBothHalves(e, load == Load::Rung ? m_glow1 : m_glow2, true);
}

void CParallelBulbsOneSwitchedCircuit::BuildLabels()
{
    CloseSwitch();
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "switch"), CRect{13, 23, 18, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 2"), CRect{7, 23, 12, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 1"), CRect{10, 7, 15, 9}});
    ResetElectrons();
}

void CParallelBulbsOneSwitchedCircuit::DrawDiagram(const CGridCanvas& canvas) const
{
    DrawBottomSwitchDiagram(canvas);
}
