#include "core/circuits/BulbResistorCircuit.h"

#include "core/circuits/CircuitGeometry.h"

namespace {

constexpr CLoopLayout kLayout{
    .bottom = kBottomRightResistor,
    .seriesLeft = kBottomLeftBulb,
    .bFunnel = true,
};

}

CBulbResistorCircuit::CBulbResistorCircuit() : CLoopCircuit(kLayout)
{
    RegisterGlowList(m_glow1, {9.5, 21});
}

int CBulbResistorCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CBulbResistorCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Bulb and Resistor in Series");
}

int CBulbResistorCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CBulbResistorCircuit::Release(CElectron& e, Load load)
{
    if (load == Load::SeriesRight) {
        GiveUpHalf(e, e.m_bHalf1, -10, 0.1);
    } else {
        m_glow1.Add();
        GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
    }
}

void CBulbResistorCircuit::BuildLabels()
{
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "resistor"), CRect{13, 23, 18, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb"), CRect{7, 23, 12, 25}});
    ResetElectrons();
}

CCircuit::GlowPen CBulbResistorCircuit::BulbGlowPen(int) const
{
    // The resistor takes half the energy: the bulb glows dimmer.
    return GlowPen::Dim;
}
