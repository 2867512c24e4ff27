#include "core/circuits/ParallelBulbsBothSwitchedCircuit.h"

#include "core/circuits/CircuitGeometry.h"
#include "core/draw/SelectGuard.h"

namespace {

constexpr CLoopLayout kLayout{
    .rung = kRungBulb,
    .bottom = kBottomCentreBulb,
    .bFunnel = true,
    .oldYBelow = 20.25,
};

}

CParallelBulbsBothSwitchedCircuit::CParallelBulbsBothSwitchedCircuit()
    : CSwitchedCircuit(kLayout, kRightSwitchGap, kRightSwitchArt, InSeriesWith::EveryLoad)
{
    RegisterGlowList(m_glow1);
    RegisterGlowList(m_glow2);
}

int CParallelBulbsBothSwitchedCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

std::string CParallelBulbsBothSwitchedCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, Both in Series with a Switch");
}

int CParallelBulbsBothSwitchedCircuit::PictureBitmapId() const
{
    return m_bSwitchOpen ? kOpenPicture : kPicture;
}

void CParallelBulbsBothSwitchedCircuit::Release(CElectron& e, Load load)
{
    ReleaseBothHalves(e, load == Load::Rung ? m_glow1 : m_glow2, true);
}

void CParallelBulbsBothSwitchedCircuit::BuildLabels()
{
    CloseSwitch();
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "switch"), CRect{17, 11, 20, 13}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 2"), CRect{10, 23, 15, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb 1"), CRect{10, 7, 15, 9}});
    ResetElectrons();
}

void CParallelBulbsBothSwitchedCircuit::DrawGlow(CDrawSurface& dc)
{
    DrawGlowArcs(dc, m_glow1, 12.5, 14);
    DrawGlowArcs(dc, m_glow2, 12.5, 21);
}

void CParallelBulbsBothSwitchedCircuit::DrawDiagram(CDrawSurface& dc)
{
    DrawDiagramPaper(dc);
    CPenGuard pen(dc, m_penThin);
    CBrushGuard brush(dc, WhiteBrush());
    DrawSupplySymbol(dc);
    const double s = BladeLift();
    dc.LineTo(PixelX(21.5), PixelY(10));
    dc.LineTo(PixelX(21.3 - s), PixelY(11.8 - 0.7 * s));
    dc.MoveTo(PixelX(21.5), PixelY(12));
    dc.LineTo(PixelX(21.5), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(3.5));
    DrawSwitchContact(dc, 21.3, 9.8, 21.7, 10.2);
    DrawSwitchContact(dc, 21.3, 11.8, 21.7, 12.2);
    DrawRungWire(dc);
    DrawBlockSymbol(dc, kBottomCentreBulb);
    DrawBlockSymbol(dc, kRungBulb);
}
