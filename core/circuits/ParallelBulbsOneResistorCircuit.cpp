#include "core/circuits/ParallelBulbsOneResistorCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{
    .rung = kRungBulb,
    .bottom = kBottomRightResistor,
    .seriesLeft = kBottomLeftBulb,
    .bFunnel = true,
};

}

CParallelBulbsOneResistorCircuit::CParallelBulbsOneResistorCircuit() : CLoopCircuit(kLayout)
{
    RegisterGlowList(m_glow1, {12.5, 14});
    RegisterGlowList(m_glow2, {9.5, 21});
}

int CParallelBulbsOneResistorCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CParallelBulbsOneResistorCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, One in Series with a Resistor");
}

int CParallelBulbsOneResistorCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CParallelBulbsOneResistorCircuit::Release(CElectron& e, Load load)
{
    switch (load) {
    case Load::Rung: ReleaseBothHalves(e, m_glow1, true); break;
    case Load::SeriesRight: GiveUpHalf(e, e.m_bHalf1, -10, 0.1); break;
    default:
        m_glow2.Add();
        GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
        break;
    }
}

void CParallelBulbsOneResistorCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor"), CRect{13, 23, 18, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 2"), CRect{7, 23, 12, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 1"), CRect{10, 7, 15, 9}});
    ResetElectrons();
}

CCircuit::GlowPen CParallelBulbsOneResistorCircuit::BulbGlowPen(int list) const
{
    // Bulb 2 shares its branch's energy with the resistor.
    return list == 1 ? GlowPen::Bright : GlowPen::Dim;
}
