#include "core/circuits/TwoBulbsSeriesCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{
    .bottom = kBottomRightBulb,
    .seriesLeft = kBottomLeftBulb,
    .bFunnel = true,
};

}

CTwoBulbsSeriesCircuit::CTwoBulbsSeriesCircuit() : CLoopCircuit(kLayout)
{
    RegisterGlowList(m_glow1, {15.5, 21});
    RegisterGlowList(m_glow2, {9.5, 21});
}

int CTwoBulbsSeriesCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CTwoBulbsSeriesCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Series");
}

int CTwoBulbsSeriesCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CTwoBulbsSeriesCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 1"), CRect{13, 23, 18, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 2"), CRect{7, 23, 12, 25}});
    ResetElectrons();
}

CCircuit::GlowPen CTwoBulbsSeriesCircuit::BulbGlowPen(int) const
{
    // Bulbs in series share the energy: they glow one step dimmer.
    return GlowPen::Dim;
}

void CTwoBulbsSeriesCircuit::Release(CElectron& e, Load load)
{
    if (load == Load::SeriesRight)
        ReleaseHalf(e, e.m_bHalf1, m_glow1, m_bVaryMeanSpeed);
    else
        ReleaseHalf(e, e.m_bHalf2, m_glow2, m_bVaryMeanSpeed);
}
