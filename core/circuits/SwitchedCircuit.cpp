#include "core/circuits/SwitchedCircuit.h"

#include "core/circuits/MotionRules.h"
#include "core/circuits/Palette.h"
#include "core/draw/SelectGuard.h"

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
    m_bLayoutDirty = true;
}

void CSwitchedCircuit::DrawBallModel(CDrawSurface& dc)
{
    CLoopCircuit::DrawBallModel(dc);
    if (!m_bSwitchOpen)
        return;
    const CSwitchArt& art = m_art;
    FillGrid(dc, art.contact.x, art.contact.y, art.contact.w, art.contact.h, kContact);
    FillGrid(dc, art.gap.x, art.gap.y, art.gap.w, art.gap.h, Palette::Background);
    CPenGuard pen(dc, m_penShade);
    for (const CSwitchArt::CLine& line : art.lines) {
        dc.SelectPen(line.bLight ? m_penLight : m_penShade);
        GridLine(dc, line.x0, line.y0, line.x1, line.y1);
    }
}

void CSwitchedCircuit::DrawSwitchContact(CDrawSurface& dc, double x0, double y0, double x1, double y1)
{
    dc.Ellipse(PixelX(x0), PixelY(y0), PixelX(x1), PixelY(y1));
}

void CSwitchedCircuit::DrawBottomSwitchDiagram(CDrawSurface& dc)
{
    DrawDiagramPaper(dc);
    CPenGuard pen(dc, m_penThin);
    CBrushGuard brush(dc, WhiteBrush());
    DrawSupplySymbol(dc);
    const double s = BladeLift();
    dc.LineTo(PixelX(21.5), PixelY(21.5));
    dc.LineTo(PixelX(16), PixelY(21.5));
    dc.LineTo(PixelX(13.8 + 0.7 * s), PixelY(21.3 - s));
    DrawSwitchContact(dc, 15.8, 21.3, 16.2, 21.7);
    dc.MoveTo(PixelX(14), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(21.5));
    dc.LineTo(PixelX(3.5), PixelY(3.5));
    DrawSwitchContact(dc, 13.8, 21.3, 14.2, 21.7);
    if (m_layout.rung)
        DrawRungWire(dc);
    const CBlocks blocks = Blocks();
    for (const CComponentBlock& block : blocks.All())
        DrawBlockSymbol(dc, block);
}
