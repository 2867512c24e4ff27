#include "core/circuits/ThreeBulbsCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{
    .rung = kRungBulb,
    .bottom = kBottomRightBulb,
    .seriesLeft = kBottomLeftBulb,
    .bFunnel = true,
};

}

CThreeBulbsCircuit::CThreeBulbsCircuit() : CLoopCircuit(kLayout)
{
    RegisterGlowList(m_glow1, {12.5, 14});
    RegisterGlowList(m_glow2, {15.5, 21});
    RegisterGlowList(m_glow3, {9.5, 21});
}

int CThreeBulbsCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CThreeBulbsCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Three Bulbs in Series and Parallel");
}

int CThreeBulbsCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CThreeBulbsCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 2"), CRect{13, 23, 18, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 3"), CRect{7, 23, 12, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 1"), CRect{10, 7, 15, 9}});
    ResetElectrons();
}

CCircuit::GlowPen CThreeBulbsCircuit::BulbGlowPen(int list) const
{
    // The pair in series on the bottom wire share the energy.
    return list == 1 ? GlowPen::Bright : GlowPen::Dim;
}

// The rung bulb takes all the energy; the bottom pair half each.
void CThreeBulbsCircuit::Release(CElectron& e, Load load)
{
    switch (load) {
    case Load::Rung: ReleaseBothHalves(e, m_glow1, true); break;
    case Load::SeriesRight: ReleaseHalf(e, e.m_bHalf1, m_glow2, true); break;
    default: ReleaseHalf(e, e.m_bHalf2, m_glow3, true); break;
    }
}
