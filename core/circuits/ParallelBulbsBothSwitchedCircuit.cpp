#include "core/circuits/ParallelBulbsBothSwitchedCircuit.h"

#include "core/circuits/CircuitGeometry.h"
#include "core/draw/SelectGuard.h"
#include "core/render/GridCanvas.h"

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
    RegisterGlowList(m_glow1, {12.5, 14});
    RegisterGlowList(m_glow2, {12.5, 21});
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

void CParallelBulbsBothSwitchedCircuit::DrawDiagram(const CGridCanvas& canvas) const
{
    canvas.DrawDiagramPaper();
    CDrawSurface& dc = canvas.Surface();
    CPenGuard pen(dc, canvas.Pens().thin);
    CBrushGuard brush(dc, WhiteBrush());
    canvas.DrawSupplySymbol(m_nCells);
    const double s = BladeLift();
    dc.LineTo(canvas.PixelX(21.5), canvas.PixelY(10));
    dc.LineTo(canvas.PixelX(21.3 - s), canvas.PixelY(11.8 - 0.7 * s));
    dc.MoveTo(canvas.PixelX(21.5), canvas.PixelY(12));
    dc.LineTo(canvas.PixelX(21.5), canvas.PixelY(21.5));
    dc.LineTo(canvas.PixelX(3.5), canvas.PixelY(21.5));
    dc.LineTo(canvas.PixelX(3.5), canvas.PixelY(3.5));
    canvas.GridEllipse(21.3, 9.8, 21.7, 10.2);
    canvas.GridEllipse(21.3, 11.8, 21.7, 12.2);
    canvas.DrawRungWire();
    canvas.DrawBlockSymbol(kBottomCentreBulb);
    canvas.DrawBlockSymbol(kRungBulb);
}
