#include "core/sim/Circuit.h"

#include "core/draw/GridMapping.h"
#include "core/draw/SelectGuard.h"
#include "core/res/ElectronPalettes.h"
#include "core/res/ResourceIds.h"


#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
// Outside the displays' square, alike in all three, dark for a projector.
constexpr Colour kSurround = Rgb(0, 0, 0);

constexpr Colour ToColour(const CPaletteRgb& c)
{
    return Rgb(c.r, c.g, c.b);
}

// Pulsate jitter, in pixels, one entry per tick; higher energy shakes
// further and with a longer cycle.
struct CJitterRow {
    std::span<const int> dx;
    std::span<const int> dy;
};

constexpr std::array<int, 4> kJitter1X{1, -1, 0, 0};
constexpr std::array<int, 4> kJitter1Y{0, 0, 1, -1};
constexpr std::array<int, 8> kJitter2X{0, 0, 1, -1, 1, -1, 1, -1};
constexpr std::array<int, 8> kJitter2Y{1, -1, 1, -1, 0, 0, -1, 1};
constexpr std::array<int, 8> kJitter3X{0, 0, 1, -1, 2, -2, 1, -1};
constexpr std::array<int, 8> kJitter3Y{2, -2, 1, -1, 0, 0, -1, 1};
constexpr std::array<int, 12> kJitter45X{0, 0, 1, -1, 2, -2, 2, -2, 1, -1, -3, 3};
constexpr std::array<int, 12> kJitter45Y{2, -2, 2, -2, 1, -1, 0, 0, -1, 1, -2, 2};
constexpr std::array<int, 16> kJitter6X{0, 0, 1, -1, 2, -2, 3, -3, 3, -3, 3, -3, 2, -2, 1, -1};
constexpr std::array<int, 16> kJitter6Y{-3, 3, -3, 3, -2, 2, -1, 1, 0, 0, 1, -1, 2, -2, 3, -3};

CJitterRow JitterRow(int level)
{
    switch (level) {
    case 1: return {kJitter1X, kJitter1Y};
    case 2: return {kJitter2X, kJitter2Y};
    case 3: return {kJitter3X, kJitter3Y};
    case 4:
    case 5: return {kJitter45X, kJitter45Y};
    default: return {kJitter6X, kJitter6Y};
    }
}

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

void CCircuit::Layout(CDrawSurface& dc, const CRect& rect)
{
    m_rcClient = rect;
    const int w = std::max(0, rect.Width());
    const int h = std::max(0, rect.Height());
    m_nUnit = std::min(w, h) / kGridSize;
    SetDrawingScale(CDrawingScale(m_nUnit));
    m_font = CFontSpec{"Arial Black", m_nUnit * 3 / 4, 400};
    // The grid's square, centred: every display fills exactly this square.
    const int side = m_nUnit * kGridSize;
    m_nOffsetX = (w - side) / 2;
    m_nOffsetY = (h - side) / 2;
    m_nSquare = std::min(w, h);
    m_bmpBackground = dc.CreateCompatibleBitmap(w, h);

    if (auto mem = dc.CreateMemorySurface(*m_bmpBackground)) {
        if (m_displayMode == DisplayMode::BallModel) {
            DrawBallModel(*mem);
            const CElectronPalette& palette = ElectronPalettes()[static_cast<std::size_t>(m_nPalette)];
            // Signed balls grow to where a sign reads on a small view; views
            // too small for any ball still show none.
            int r = m_nSquare / 100;
            if (palette.bMarks && r > 0)
                r = std::max(r, CBallSprite::kMinSignedRadius);
            using Mark = CBallSprite::Mark;
            const Colour mark = ToColour(palette.mark);
            m_sprFlash.Build(*mem, r, ToColour(palette.flash));
            m_sprDim.Build(*mem, r, ToColour(palette.dim));
            m_sprNormal.Build(*mem, r, ToColour(palette.normal));
            for (int i = 1; i <= kGlowLevels; ++i) {
                m_sprGain[i].Build(*mem, r, ToColour(palette.gain.At(i)), palette.bMarks ? Mark::Plus : Mark::None,
                                   mark);
                m_sprLoss[i].Build(*mem, r, ToColour(palette.loss.At(i)), palette.bMarks ? Mark::Minus : Mark::None,
                                   mark);
            }
            if (m_bShowLabels)
                DrawLabels(*mem);
            BuildLabelLayer(*mem);
        } else if (m_displayMode == DisplayMode::Diagram) {
            mem->SetAntialiasing(true);
            DrawDiagram(*mem);
        } else {
            DrawPicture(*mem);
        }
    }
    dc.BitBlt(0, 0, w, h, *m_bmpBackground, 0, 0, RasterOp::Copy);
    m_bFullFramePending = true;
    m_rendered.assign(1, CRect{0, 0, w, h});
}

void CCircuit::FillSurround(CDrawSurface& dc)
{
    dc.FillSolidRect(0, 0, std::max(m_rcClient.Width(), 0), std::max(m_rcClient.Height(), 0), kSurround);
}

void CCircuit::ReleaseBitmaps()
{
    m_bmpBackground.reset();
}

void CCircuit::MarkDrawn(const CRect& rc)
{
    if (rc.Width() > 0 && rc.Height() > 0)
        m_drawn.push_back(rc);
}

void CCircuit::Render(CDrawSurface& dc)
{
    if (m_bLayoutDirty || !m_bmpBackground) {
        Layout(dc, m_rcClient);
        m_bLayoutDirty = false;
    }
    const CRect whole{0, 0, m_bmpBackground->Width(), m_bmpBackground->Height()};
    // The surface keeps the last frame (it is the one laid out on), and
    // outside what that frame drew it equals the background: only those
    // parts are restored, and the new frame is drawn straight over them,
    // off screen. After a layout, and around the intro whose page covers
    // everything, the whole frame is restored.
    const bool intro = m_nIntroFrames != 0;
    const bool full = m_bFullFramePending || intro;
    m_bFullFramePending = false;
    m_drawnBefore.swap(m_drawn);
    m_drawn.clear();
    if (full)
        m_drawnBefore.assign(1, whole);
    for (const CRect& rc : m_drawnBefore)
        dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), *m_bmpBackground, rc.left, rc.top, RasterOp::Copy);
    if (intro) {
        DrawIntro(dc);
        m_drawn.assign(1, whole);
    } else if (m_displayMode == DisplayMode::BallModel) {
        DrawElectrons(dc);
        DrawGlow(dc);
        // The names stay readable over the arcs; what changes lies inside
        // what was drawn, so nothing more is marked.
        m_labelLayer.DrawOver(dc, m_drawn);
    }
    m_rendered.assign(m_drawnBefore.begin(), m_drawnBefore.end());
    if (!full)
        m_rendered.insert(m_rendered.end(), m_drawn.begin(), m_drawn.end());
}

void CCircuit::Redraw(CDrawSurface& dc)
{
    m_bStill = true;
    Render(dc);
    m_bStill = false;
}

void CCircuit::DrawIntro(CDrawSurface& dc)
{
    {
        CFontGuard font(dc, CFontSpec{"Arial Black", m_scale.Size(30), 400});
        const int g = static_cast<int>(100 * std::sin(0.1 * m_nIntroFrames));
        const Colour oldColour = dc.SetTextColour(Rgb(g + 100, g + 100, g + 100));
        // The title page takes the displays' square.
        FillSurround(dc);
        const CRect square = SquareRect();
        dc.FillSolidRect(square.left, square.top, square.Width(), square.Height(), kWhite);
        // Shrunk where the square is narrower than the title.
        dc.DrawTextFitted(square, TranslatedText("Circuit", GetName()));
        dc.SetTextColour(oldColour);
    }
    // Standing, the bar shows how far this circuit's intro has come.
    if (!m_bStill)
        --m_nIntroFrames;
    if (m_pProgress != nullptr)
        m_pProgress->SetProgress((kIntroFrames - m_nIntroFrames) * 2 / 5);
}

void CCircuit::PulseOffset(CElectron& e, int& ox, int& oy) const
{
    const int level = EnergyLevel(e);
    if (level == 0)
        return;
    const CJitterRow row = JitterRow(level);
    const int phase = e.m_nPhase >= static_cast<int>(row.dx.size()) ? 0 : e.m_nPhase;
    if (!m_bStill)
        e.m_nPhase = phase;
    ox += m_scale.Offset(row.dx[phase]);
    oy += m_scale.Offset(row.dy[phase]);
}

void CCircuit::DrawElectrons(CDrawSurface& dc)
{
    for (CElectron& e : m_electrons) {
        int ox = m_nOffsetX;
        int oy = m_nOffsetY;
        if (m_bPulsate)
            PulseOffset(e, ox, oy);
        const int px = ToPixel(ox, m_nUnit, e.m_x);
        const int py = ToPixel(oy, m_nUnit, e.m_y);

        const CBallSprite* sprite = &m_sprNormal;
        if (e.m_nGlow > 0) {
            sprite = &m_sprGain[std::min(e.m_nGlow, kGlowLevels)];
        } else if (e.m_nGlow < 0) {
            sprite = &m_sprLoss[std::min(-e.m_nGlow, kGlowLevels)];
        } else if (const int level = m_bPulsate ? EnergyLevel(e) : 0; level > 0) {
            if (!m_bStill && ++e.m_nFlash >= 24 / level)
                e.m_nFlash = 0;
            // Counting on from 0 (where the cycle restarts) flashes, then dims.
            if (e.m_nFlash <= 1)
                sprite = &m_sprFlash;
            else if (e.m_nFlash == 2)
                sprite = &m_sprDim;
        }
        sprite->Draw(dc, px, py);
        const int r = sprite->GetRadius();
        MarkDrawn(CRect{px - r, py - r, px - r + sprite->GetSize(), py - r + sprite->GetSize()});
    }

    if (m_pTagged != nullptr) {
        const int radius = 2 * m_sprFlash.GetRadius();
        const int px = PixelX(m_pTagged->m_x);
        const int py = PixelY(m_pTagged->m_y);
        const int width = m_scale.Size(1);
        CPenGuard pen(dc, SolidPen(width, kWhite));
        CBrushGuard brush(dc, NullBrush());
        dc.Ellipse(px - radius, py - radius, px + radius, py + radius);
        // The pen straddles the circle.
        const int pad = width / 2 + 1;
        MarkDrawn(CRect{px - radius - pad, py - radius - pad, px + radius + pad + 1, py + radius + pad + 1});
    }
}

std::string TranslatedText(const char* context, const std::string& text)
{
    return Translate(context, text.c_str());
}

CRect CCircuit::LabelRect(const CComponentLabel& label) const
{
    const CRect& g = label.m_rcGrid;
    return CRect{m_nOffsetX + m_nUnit * g.left, m_nOffsetY + m_nUnit * g.top, m_nOffsetX + m_nUnit * g.right,
                 m_nOffsetY + m_nUnit * g.bottom};
}

void CCircuit::DrawLabels(CDrawSurface& dc)
{
    CFontGuard font(dc, m_font);
    for (const CComponentLabel& label : m_labels)
        dc.DrawTextCentred(LabelRect(label), TranslatedText(kLabelContext, label.m_strName));
}

void CCircuit::BuildLabelLayer(CDrawSurface& dc)
{
    if (!m_bShowLabels) {
        m_labelLayer.Clear();
        return;
    }
    std::vector<CLabelLayer::CLabel> labels;
    for (const CComponentLabel& label : m_labels)
        labels.push_back({LabelRect(label), TranslatedText(kLabelContext, label.m_strName)});
    m_labelLayer.Build(dc, labels, m_font, CRect{0, 0, m_rcClient.Width(), m_rcClient.Height()});
}

void CCircuit::DrawPicture(CDrawSurface& dc)
{
    // The supply's picture above the circuit's fills the same square as the
    // other displays, drawn afresh from the artwork at the square's size.
    FillSurround(dc);
    const int side = m_nUnit * kGridSize;
    const int supplyHeight = side * kPictureSupplyHeight / kPictureWidth;
    if (supplyHeight > 0)
        if (auto supply = dc.LoadBitmap(SupplyPictureId(m_nCells), side, supplyHeight))
            dc.BitBlt(m_nOffsetX, m_nOffsetY, side, supplyHeight, *supply, 0, 0, RasterOp::Copy);
    const int pictureHeight = side - supplyHeight;
    if (pictureHeight > 0)
        if (auto picture = dc.LoadBitmap(PictureBitmapId(), side, pictureHeight))
            dc.BitBlt(m_nOffsetX, m_nOffsetY + supplyHeight, side, pictureHeight, *picture, 0, 0, RasterOp::Copy);
}
