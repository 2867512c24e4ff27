#include "core/render/CircuitPainter.h"

#include "core/draw/SelectGuard.h"
#include "core/render/GridCanvas.h"
#include "core/res/ElectronPalettes.h"
#include "core/res/ResourceIds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);

// The picture display is drawn at 500 x 500: the supply's 150 above the circuit's 350.
constexpr int kPictureWidth = 500;
constexpr int kPictureSupplyHeight = 150;

int SupplyPictureId(int cells)
{
    switch (cells) {
    case 1: return ResId::SupplyOneCell;
    case 2: return ResId::SupplyTwoCells;
    case 3: return ResId::SupplyThreeCells;
    case -1: return ResId::SupplyOneCellReversed;
    case -2: return ResId::SupplyTwoCellsReversed;
    case -3: return ResId::SupplyThreeCellsReversed;
    default: return ResId::SupplyNoCell;
    }
}

}

void CCircuitPainter::Layout(const CCircuit& circuit, CDrawSurface& dc, const CRect& rect)
{
    m_pLaidOut = &circuit;
    m_nLaidOutVersion = circuit.LayoutVersion();
    m_grid = CGridLayout(rect);
    const int w = std::max(0, rect.Width());
    const int h = std::max(0, rect.Height());
    m_bmpBackground = dc.CreateCompatibleBitmap(w, h);

    if (auto mem = dc.CreateMemorySurface(*m_bmpBackground)) {
        CGridCanvas canvas(*mem, m_grid);
        if (circuit.GetDisplayMode() == DisplayMode::BallModel) {
            circuit.DrawBallModel(canvas);
            m_sprites.Build(*mem, m_grid.square, ElectronPalettes()[static_cast<std::size_t>(circuit.GetPalette())]);
            if (circuit.GetShowLabels())
                DrawLabels(circuit, *mem);
            BuildLabelLayer(circuit, *mem);
        } else if (circuit.GetDisplayMode() == DisplayMode::Diagram) {
            mem->SetAntialiasing(true);
            circuit.DrawDiagram(canvas);
        } else {
            DrawPicture(circuit, *mem);
        }
    }
    dc.BitBlt(0, 0, w, h, *m_bmpBackground, 0, 0, RasterOp::Copy);
    m_bFullFramePending = true;
    m_changed.assign(1, CRect{0, 0, w, h});
}

void CCircuitPainter::MarkDrawn(const CRect& rc)
{
    if (rc.Width() > 0 && rc.Height() > 0)
        m_drawn.push_back(rc);
}

void CCircuitPainter::Draw(const CCircuit& circuit, CDrawSurface& dc)
{
    if (&circuit != m_pLaidOut || circuit.LayoutVersion() != m_nLaidOutVersion || !m_bmpBackground)
        Layout(circuit, dc, m_grid.client);
    const CRect whole{0, 0, m_bmpBackground->Width(), m_bmpBackground->Height()};
    // The surface keeps the last frame (it is the one laid out on), and
    // outside what that frame drew it equals the background: only those
    // parts are restored, and the new frame is drawn straight over them,
    // off screen. After a layout, and around the title page that covers
    // everything, the whole frame is restored.
    const bool intro = circuit.IntroFrameShown() != 0;
    const bool full = m_bFullFramePending || intro;
    m_bFullFramePending = false;
    m_drawnBefore.swap(m_drawn);
    m_drawn.clear();
    if (full)
        m_drawnBefore.assign(1, whole);
    for (const CRect& rc : m_drawnBefore)
        dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), *m_bmpBackground, rc.left, rc.top, RasterOp::Copy);
    if (intro) {
        DrawIntro(circuit, dc);
        m_drawn.assign(1, whole);
    } else if (circuit.GetDisplayMode() == DisplayMode::BallModel) {
        DrawElectrons(circuit, dc);
        DrawGlow(circuit, dc);
        // The names stay readable over the arcs; what changes lies inside
        // what was drawn, so nothing more is marked.
        m_labelLayer.DrawOver(dc, m_drawn);
    }
    m_changed.assign(m_drawnBefore.begin(), m_drawnBefore.end());
    if (!full)
        m_changed.insert(m_changed.end(), m_drawn.begin(), m_drawn.end());
}

void CCircuitPainter::DrawIntro(const CCircuit& circuit, CDrawSurface& dc) const
{
    CFontGuard font(dc, CFontSpec{"Arial Black", m_grid.scale.Size(30), 400});
    const int g = static_cast<int>(100 * std::sin(0.1 * circuit.IntroFrameShown()));
    const Colour oldColour = dc.SetTextColour(Rgb(g + 100, g + 100, g + 100));
    // The title page takes the displays' square.
    CGridCanvas(dc, m_grid).FillSurround();
    const CRect square = m_grid.SquareRect();
    dc.FillSolidRect(square.left, square.top, square.Width(), square.Height(), kWhite);
    // Shrunk where the square is narrower than the title.
    dc.DrawTextFitted(square, TranslatedText("Circuit", circuit.GetName()));
    dc.SetTextColour(oldColour);
}

void CCircuitPainter::DrawLabels(const CCircuit& circuit, CDrawSurface& dc) const
{
    CFontGuard font(dc, m_grid.font);
    for (const CComponentLabel& label : circuit.Labels())
        dc.DrawTextCentred(m_grid.GridRect(label.m_rcGrid), TranslatedText(kLabelContext, label.m_strName));
}

void CCircuitPainter::BuildLabelLayer(const CCircuit& circuit, CDrawSurface& dc)
{
    if (!circuit.GetShowLabels()) {
        m_labelLayer.Clear();
        return;
    }
    std::vector<CLabelLayer::CLabel> labels;
    for (const CComponentLabel& label : circuit.Labels())
        labels.push_back({m_grid.GridRect(label.m_rcGrid), TranslatedText(kLabelContext, label.m_strName)});
    m_labelLayer.Build(dc, labels, m_grid.font, CRect{0, 0, m_grid.client.Width(), m_grid.client.Height()});
}

void CCircuitPainter::DrawPicture(const CCircuit& circuit, CDrawSurface& dc) const
{
    // The supply's picture above the circuit's fills the same square as the
    // other displays, drawn afresh from the artwork at the square's size.
    CGridCanvas(dc, m_grid).FillSurround();
    const int side = m_grid.unit * CGridLayout::kGridSize;
    const int supplyHeight = side * kPictureSupplyHeight / kPictureWidth;
    const int x = m_grid.offsetX;
    const int y = m_grid.offsetY;
    if (supplyHeight > 0)
        if (auto supply = dc.LoadBitmap(SupplyPictureId(circuit.GetCells()), side, supplyHeight))
            dc.BitBlt(x, y, side, supplyHeight, *supply, 0, 0, RasterOp::Copy);
    const int pictureHeight = side - supplyHeight;
    if (pictureHeight > 0)
        if (auto picture = dc.LoadBitmap(circuit.PictureBitmapId(), side, pictureHeight))
            dc.BitBlt(x, y + supplyHeight, side, pictureHeight, *picture, 0, 0, RasterOp::Copy);
}
