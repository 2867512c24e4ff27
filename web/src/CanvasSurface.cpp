#include "CanvasSurface.h"

#include "CanvasImports.h"
#include "core/draw/ArcAngles.h"
#include "core/draw/BlockClip.h"
#include "core/res/BitmapTable.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

enum ShapeKind { kLine = 0, kEllipse = 1, kRectangle = 2 };

}

CCanvasBitmap::CCanvasBitmap(int w, int h, int near)
    : m_nHandle(tw_canvas_create(std::max(w, 0), std::max(h, 0), near))
    , m_nWidth(std::max(w, 0))
    , m_nHeight(std::max(h, 0))
{}

CCanvasBitmap::CCanvasBitmap(Adopted, int handle, int w, int h)
    : m_nHandle(handle), m_nWidth(w), m_nHeight(h), m_bOwnPixels(false)
{}

CCanvasBitmap::~CCanvasBitmap()
{
    if (m_nHandle != 0)
        tw_canvas_release(m_nHandle);
}

int CCanvasBitmap::Handle() const
{
    Flush();
    return m_nHandle;
}

int CCanvasBitmap::Detach()
{
    Flush();
    return std::exchange(m_nHandle, 0);
}

bool CCanvasBitmap::SetPixel(int x, int y, Colour cr)
{
    if (!m_bOwnPixels)
        return false;
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return true;
    if (m_pixels.empty()) {
        m_pixels.assign(static_cast<std::size_t>(m_nWidth) * m_nHeight * 4, 0);
        for (std::size_t i = 3; i < m_pixels.size(); i += 4)
            m_pixels[i] = 255;
    }
    std::uint8_t* p = &m_pixels[(static_cast<std::size_t>(y) * m_nWidth + x) * 4];
    p[0] = cr.r;
    p[1] = cr.g;
    p[2] = cr.b;
    m_bDirty = true;
    return true;
}

bool CCanvasBitmap::FillPixels(int x, int y, int w, int h, Colour cr)
{
    // Kept here only once pixels are: a fill of a large bitmap is the canvas's work.
    if (!m_bOwnPixels || m_pixels.empty())
        return false;
    for (int row = std::max(y, 0); row < std::min(y + h, m_nHeight); ++row)
        for (int col = std::max(x, 0); col < std::min(x + w, m_nWidth); ++col)
            SetPixel(col, row, cr);
    return true;
}

void CCanvasBitmap::Flush() const
{
    if (m_bDirty && m_nHandle != 0)
        tw_canvas_put_pixels(m_nHandle, m_pixels.data(), m_nWidth, m_nHeight);
    m_bDirty = false;
    m_bOwnPixels = false;
    m_pixels = {};
}

CCanvasSurface::CCanvasSurface(int handle, int w, int h) : m_nHandle(handle), m_nWidth(w), m_nHeight(h) {}

CCanvasSurface::CCanvasSurface(CCanvasBitmap& bitmap)
    : m_nHandle(0), m_pBitmap(&bitmap), m_nWidth(bitmap.Width()), m_nHeight(bitmap.Height())
{}

int CCanvasSurface::Target() const
{
    return m_pBitmap != nullptr ? m_pBitmap->Handle() : m_nHandle;
}

bool CCanvasSurface::SetAntialiasing(bool on)
{
    return std::exchange(m_bAntialiasing, on);
}

void CCanvasSurface::FillSolidRect(int x, int y, int w, int h, Colour cr)
{
    if (w <= 0 || h <= 0)
        return;
    if (m_pBitmap != nullptr && m_pBitmap->FillPixels(x, y, w, h, cr))
        return;
    tw_canvas_fill(Target(), x, y, w, h, PackRgb(cr));
}

void CCanvasSurface::SetPixel(int x, int y, Colour cr)
{
    if (m_pBitmap != nullptr && m_pBitmap->SetPixel(x, y, cr))
        return;
    if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight)
        tw_canvas_fill(Target(), x, y, 1, 1, PackRgb(cr));
}

void CCanvasSurface::MoveTo(int x, int y)
{
    m_nPosX = x;
    m_nPosY = y;
}

void CCanvasSurface::LineTo(int x, int y)
{
    if (!m_pen.bNull)
        tw_canvas_shape(Target(), kLine, m_nPosX, m_nPosY, x, y, std::max(1, m_pen.nWidth), PackRgb(m_pen.cr), -1,
                        m_bAntialiasing, m_pen.bFlatEnds);
    MoveTo(x, y);
}

void CCanvasSurface::Shape(int kind, int l, int t, int r, int b)
{
    tw_canvas_shape(Target(), kind, l, t, r, b, m_pen.bNull ? -1 : std::max(1, m_pen.nWidth), PackRgb(m_pen.cr),
                    m_brush.bNull ? -1 : static_cast<int>(PackRgb(m_brush.cr)), m_bAntialiasing, m_pen.bFlatEnds);
}

void CCanvasSurface::Ellipse(int l, int t, int r, int b)
{
    Shape(kEllipse, l, t, r, b);
}

void CCanvasSurface::Rectangle(int l, int t, int r, int b)
{
    Shape(kRectangle, l, t, r, b);
}

void CCanvasSurface::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2)
{
    if (m_pen.bNull)
        return;
    const CArcAngles arc = ArcAngles(l, t, r, b, x1, y1, x2, y2);
    tw_canvas_arc(Target(), l, t, r, b, arc.nStart16, arc.nSpan16, std::max(1, m_pen.nWidth), PackRgb(m_pen.cr),
                  m_bAntialiasing, m_pen.bFlatEnds);
}

void CCanvasSurface::Text(const CRect& rc, const std::string& text, bool fitted)
{
    tw_canvas_text(Target(), rc.left, rc.top, rc.right, rc.bottom, text.c_str(), m_font.strFace.c_str(), m_font.nHeight,
                   m_font.nWeight, PackRgb(m_crText), fitted);
}

void CCanvasSurface::DrawTextCentred(const CRect& rc, const std::string& text)
{
    Text(rc, text, false);
}

void CCanvasSurface::DrawTextFitted(const CRect& rc, const std::string& text)
{
    Text(rc, text, true);
}

void CCanvasSurface::SmoothLine(double x1, double y1, double x2, double y2, const CStroke& stroke)
{
    tw_canvas_smooth_line(Target(), x1, y1, x2, y2, stroke.width, PackRgb(stroke.cr), stroke.bDashed);
}

void CCanvasSurface::SmoothRect(const CRectF& rc, std::optional<CStroke> stroke, std::optional<Colour> fill)
{
    tw_canvas_smooth_rect(Target(), rc.x, rc.y, rc.w, rc.h, stroke ? stroke->width : -1.0,
                          stroke ? PackRgb(stroke->cr) : 0, stroke && stroke->bDashed,
                          fill ? static_cast<int>(PackRgb(*fill)) : -1);
}

void CCanvasSurface::SmoothText(const CRectF& rc, const std::string& text, int align, const CTurn& turn)
{
    tw_canvas_smooth_text(Target(), rc.x, rc.y, rc.w, rc.h, text.c_str(), m_font.strFace.c_str(), m_font.nHeight,
                          m_font.nWeight, PackRgb(m_crText), align, turn.x, turn.y, turn.quarters);
}

double CCanvasSurface::TextWidth(const std::string& text)
{
    return tw_canvas_text_width(text.c_str(), m_font.strFace.c_str(), m_font.nHeight, m_font.nWeight);
}

double CCanvasSurface::TextHeight()
{
    return tw_canvas_text_height(m_font.strFace.c_str(), m_font.nHeight, m_font.nWeight);
}

void CCanvasSurface::BitBlt(int x, int y, int w, int h, const CBitmap& src, int sx, int sy, RasterOp op)
{
    const auto* bitmap = dynamic_cast<const CCanvasBitmap*>(&src);
    if (bitmap == nullptr || bitmap == m_pBitmap ||
        !ClipBlock(x, y, w, h, sx, sy, bitmap->Width(), bitmap->Height(), m_nWidth, m_nHeight))
        return;
    tw_canvas_blit(Target(), x, y, w, h, bitmap->Handle(), sx, sy, static_cast<int>(op));
}

void CCanvasSurface::MaskBlt(int x, int y, int w, int h, const CBitmap& mask, const CBitmap& image)
{
    const auto* m = dynamic_cast<const CCanvasBitmap*>(&mask);
    const auto* i = dynamic_cast<const CCanvasBitmap*>(&image);
    if (m == nullptr || i == nullptr || m == m_pBitmap || i == m_pBitmap) {
        CDrawSurface::MaskBlt(x, y, w, h, mask, image);
        return;
    }
    int sx = 0;
    int sy = 0;
    if (!ClipBlock(x, y, w, h, sx, sy, std::min(m->Width(), i->Width()), std::min(m->Height(), i->Height()), m_nWidth,
                   m_nHeight))
        return;
    if (sx != 0 || sy != 0) {
        // Cut at the target's top or left edge: the block from inside the sprite.
        BitBlt(x, y, w, h, mask, sx, sy, RasterOp::And);
        BitBlt(x, y, w, h, image, sx, sy, RasterOp::Or);
        return;
    }
    tw_canvas_mask_blit(Target(), x, y, w, h, m->Handle(), i->Handle());
}

std::unique_ptr<CBitmap> CCanvasSurface::CreateCompatibleBitmap(int w, int h)
{
    return std::make_unique<CCanvasBitmap>(w, h, Target());
}

std::unique_ptr<CDrawSurface> CCanvasSurface::CreateMemorySurface(CBitmap& bitmap)
{
    auto* canvas = dynamic_cast<CCanvasBitmap*>(&bitmap);
    if (canvas == nullptr)
        return nullptr;
    return std::make_unique<CCanvasSurface>(*canvas);
}

std::unique_ptr<CBitmap> CCanvasSurface::LoadBitmap(int id)
{
    const CBitmapResource* res = FindBitmapResource(id);
    return res == nullptr ? nullptr : LoadBitmap(id, res->nWidth, res->nHeight);
}

std::unique_ptr<CBitmap> CCanvasSurface::LoadBitmap(int id, int w, int h)
{
    if (w <= 0 || h <= 0)
        return nullptr;
    const int handle = tw_canvas_artwork(id, w, h, Target());
    if (handle == 0)
        return nullptr;
    return std::make_unique<CCanvasBitmap>(CCanvasBitmap::Adopted{}, handle, w, h);
}
