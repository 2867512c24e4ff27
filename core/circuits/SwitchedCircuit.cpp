#include "core/circuits/SwitchedCircuit.h"

#include "core/circuits/MotionRules.h"
#include "core/circuits/Palette.h"
#include "core/draw/SelectGuard.h"
#include "core/render/GridCanvas.h"

namespace {

constexpr Colour kContact = Rgb(192, 192, 0);

}

const CSwitchedCircuit::CSwitchArt CSwitchedCircuit::kBottomSwitchArt{
    {15, 20, 1, 3},
    {15.25, 19.5, 0.5, 4},
    {{15.25, 20, 15.25, 23, false}, {16, 20, 16, 23, false}, {15.75, 20, 15.75, 23, true}, {15, 20, 15, 23, true}}};

const CSwitchedCircuit::CSwitchArt CSwitchedCircuit::kRightSwitchArt{
    {20, 12, 3, 1},
    {19.75, 12.25, 4, 0.5},
    {{20, 12.25, 23, 12.25, true}, {20, 13, 23, 13, true}, {20, 12, 23, 12, false}, {20, 12.75, 23, 12.75, false}}};

void CSwitchedCircuit::SetSwitchOpen(bool open)
{
    m_bSwitchOpen = open;
    InvalidateLayout();
}

void CSwitchedCircuit::DrawBallModel(const CGridCanvas& canvas) const
{
    CLoopCircuit::DrawBallModel(canvas);
    if (!m_bSwitchOpen)
        return;
    const CSwitchArt& art = m_art;
    canvas.FillGrid(art.contact.x, art.contact.y, art.contact.w, art.contact.h, kContact);
    canvas.FillGrid(art.gap.x, art.gap.y, art.gap.w, art.gap.h, Palette::Background);
    CDrawSurface& dc = canvas.Surface();
    CPenGuard pen(dc, canvas.Pens().shade);
    for (const CSwitchArt::CLine& line : art.lines) {
        dc.SelectPen(line.bLight ? canvas.Pens().light : canvas.Pens().shade);
        canvas.GridLine(line.x0, line.y0, line.x1, line.y1);
    }
}

void CSwitchedCircuit::DrawBottomSwitchDiagram(const CGridCanvas& canvas) const
{
    canvas.DrawDiagramPaper();
    CDrawSurface& dc = canvas.Surface();
    CPenGuard pen(dc, canvas.Pens().thin);
    CBrushGuard brush(dc, WhiteBrush());
    canvas.DrawSupplySymbol(m_nCells);
    const double s = BladeLift();
    dc.LineTo(canvas.PixelX(21.5), canvas.PixelY(21.5));
    dc.LineTo(canvas.PixelX(16), canvas.PixelY(21.5));
    dc.LineTo(canvas.PixelX(13.8 + 0.7 * s), canvas.PixelY(21.3 - s));
    canvas.GridEllipse(15.8, 21.3, 16.2, 21.7);
    dc.MoveTo(canvas.PixelX(14), canvas.PixelY(21.5));
    dc.LineTo(canvas.PixelX(3.5), canvas.PixelY(21.5));
    dc.LineTo(canvas.PixelX(3.5), canvas.PixelY(3.5));
    canvas.GridEllipse(13.8, 21.3, 14.2, 21.7);
    if (m_layout.rung)
        canvas.DrawRungWire();
    const CBlocks blocks = Blocks();
    for (const CComponentBlock& block : blocks.All())
        canvas.DrawBlockSymbol(block);
}
