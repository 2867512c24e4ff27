#include "platform/RasterSurface.h"

#include "core/draw/ArcAngles.h"
#include "core/draw/BlockClip.h"
#include "platform/Fonts.h"
#include "platform/FrameImage.h"
#include "platform/Resources.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

QColor ToQColor(Colour cr)
{
    return QColor(cr.r, cr.g, cr.b);
}

constexpr std::uint32_t kOpaque = 0xff000000u;

QPen SmoothPen(const CStroke& stroke)
{
    return QPen(ToQColor(stroke.cr), stroke.width, stroke.bDashed ? Qt::DashLine : Qt::SolidLine);
}

QRectF ToQRectF(const CRectF& rc)
{
    return QRectF(rc.x, rc.y, rc.w, rc.h);
}

// The selected font as smooth text wants it: anti-aliased.
QFont SmoothFont(const CFontSpec& request)
{
    QFont font = ResolveFont(request);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

Qt::Alignment ToQtAlignment(int align)
{
    Qt::Alignment flags;
    flags.setFlag(Qt::AlignLeft, (align & kAlignLeft) != 0);
    flags.setFlag(Qt::AlignRight, (align & kAlignRight) != 0);
    flags.setFlag(Qt::AlignHCenter, (align & kAlignHCentre) != 0);
    flags.setFlag(Qt::AlignTop, (align & kAlignTop) != 0);
    flags.setFlag(Qt::AlignVCenter, (align & kAlignVCentre) != 0);
    return flags;
}

// Pixel-grid box of a shape whose box excludes its right and bottom edges.
QRectF ShapeBox(int l, int t, int r, int b)
{
    return QRectF(l, t, r - l - 1, b - t - 1);
}

}

CRasterSurface::CRasterSurface(QImage& target) : m_image(target)
{
    if (m_image.format() != QImage::Format_RGB32 && !m_image.isNull())
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    if (!m_image.isNull()) {
        // Every drawing is in device pixels: a painter on an image that
        // carries a density would scale them once more.
        m_dImageDpr = m_image.devicePixelRatio();
        m_image.setDevicePixelRatio(1.0);
        m_pBits = m_image.bits();   // detaches now, before any painter
        m_nStride = m_image.bytesPerLine();
        m_nWidth = m_image.width();
        m_nHeight = m_image.height();
    }
}

CRasterSurface::~CRasterSurface()
{
    if (m_painter)
        m_painter->end();
    if (!m_image.isNull())
        m_image.setDevicePixelRatio(m_dImageDpr);
}

QPainter* CRasterSurface::Painter()
{
    if (m_pBits == nullptr)
        return nullptr;
    if (!m_painter) {
        m_painter.emplace(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
        m_painter->setBackgroundMode(Qt::TransparentMode);
    }
    return &*m_painter;
}

void CRasterSurface::ApplyPenAndBrush()
{
    QPainter* p = Painter();
    p->setRenderHint(QPainter::Antialiasing, m_bAntialiasing);
    // Smooth lines of an odd width would straddle pixel edges and blur:
    // they are centred on the pixels instead, as the aliased ones are.
    const bool oddWidth = !m_pen.bNull && std::max(1, m_pen.nWidth) % 2 == 1;
    p->setTransform(m_bAntialiasing && oddWidth ? QTransform::fromTranslate(0.5, 0.5) : QTransform());
    if (m_pen.bNull) {
        p->setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(m_pen.cr));
        pen.setWidth(std::max(1, m_pen.nWidth));
        pen.setCapStyle(m_pen.bFlatEnds ? Qt::FlatCap : Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p->setPen(pen);
    }
    if (m_brush.bNull)
        p->setBrush(Qt::NoBrush);
    else
        p->setBrush(ToQColor(m_brush.cr));
}

void CRasterSurface::FillSolidRect(int x, int y, int w, int h, Colour cr)
{
    if (m_pBits == nullptr)
        return;
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + std::max(w, 0), m_nWidth);
    const int y1 = std::min(y + std::max(h, 0), m_nHeight);
    if (x0 >= x1 || y0 >= y1)
        return;
    const std::uint32_t px = kOpaque | PackRgb(cr);
    auto* first = reinterpret_cast<std::uint32_t*>(m_pBits + y0 * m_nStride);
    for (int col = x0; col < x1; ++col)
        first[col] = px;
    // The other rows copy the first, which is much faster than filling each.
    const std::size_t rowBytes = static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t);
    for (int row = y0 + 1; row < y1; ++row)
        std::memcpy(m_pBits + row * m_nStride + x0 * 4, first + x0, rowBytes);
}

void CRasterSurface::MoveTo(int x, int y)
{
    m_nPosX = x;
    m_nPosY = y;
}

void CRasterSurface::LineTo(int x, int y)
{
    if (Painter() != nullptr && !m_pen.bNull) {
        ApplyPenAndBrush();
        m_painter->drawLine(m_nPosX, m_nPosY, x, y);
    }
    MoveTo(x, y);
}

void CRasterSurface::Ellipse(int l, int t, int r, int b)
{
    if (Painter() == nullptr)
        return;
    ApplyPenAndBrush();
    m_painter->drawEllipse(ShapeBox(l, t, r, b));
}

void CRasterSurface::Rectangle(int l, int t, int r, int b)
{
    if (Painter() == nullptr)
        return;
    ApplyPenAndBrush();
    m_painter->drawRect(ShapeBox(l, t, r, b));
}

void CRasterSurface::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2)
{
    if (Painter() == nullptr || m_pen.bNull)
        return;
    ApplyPenAndBrush();
    const CArcAngles arc = ArcAngles(l, t, r, b, x1, y1, x2, y2);
    m_painter->drawArc(ShapeBox(l, t, r, b), arc.nStart16, arc.nSpan16);
}

void CRasterSurface::SetPixel(int x, int y, Colour cr)
{
    if (m_pBits == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return;
    reinterpret_cast<std::uint32_t*>(m_pBits + y * m_nStride)[x] = kOpaque | PackRgb(cr);
}

void CRasterSurface::DrawText(const CRect& rc, const std::string& text, const QFont& font)
{
    m_painter->setTransform(QTransform());
    m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    m_painter->setFont(font);
    m_painter->setPen(ToQColor(m_crText));
    m_painter->drawText(QRect(rc.left, rc.top, rc.Width(), rc.Height()),
                        Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, QString::fromStdString(text));
}

void CRasterSurface::DrawTextCentred(const CRect& rc, const std::string& text)
{
    if (Painter() != nullptr)
        DrawText(rc, text, ResolveFont(m_font));
}

void CRasterSurface::DrawTextFitted(const CRect& rc, const std::string& text)
{
    if (Painter() == nullptr)
        return;
    QFont font = ResolveFont(m_font);
    const int width = QFontMetrics(font).horizontalAdvance(QString::fromStdString(text));
    if (width > rc.Width() && width > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * std::max(rc.Width(), 0) / width));
    DrawText(rc, text, font);
}

bool CRasterSurface::SetAntialiasing(bool on)
{
    return std::exchange(m_bAntialiasing, on);
}

QPainter* CRasterSurface::SmoothPainter()
{
    QPainter* p = Painter();
    if (p != nullptr) {
        p->setTransform(QTransform());
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return p;
}

void CRasterSurface::SmoothLine(double x1, double y1, double x2, double y2, const CStroke& stroke)
{
    if (QPainter* p = SmoothPainter()) {
        p->setPen(SmoothPen(stroke));
        p->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
}

void CRasterSurface::SmoothRect(const CRectF& rc, std::optional<CStroke> stroke, std::optional<Colour> fill)
{
    if (QPainter* p = SmoothPainter()) {
        p->setPen(stroke ? SmoothPen(*stroke) : QPen(Qt::NoPen));
        p->setBrush(fill ? QBrush(ToQColor(*fill)) : QBrush(Qt::NoBrush));
        p->drawRect(ToQRectF(rc));
    }
}

void CRasterSurface::SmoothText(const CRectF& rc, const std::string& text, int align, const CTurn& turn)
{
    QPainter* p = SmoothPainter();
    if (p == nullptr)
        return;
    p->translate(turn.x, turn.y);
    p->rotate(90.0 * turn.quarters);
    p->setFont(SmoothFont(m_font));
    p->setPen(ToQColor(m_crText));
    p->drawText(ToQRectF(rc), static_cast<int>(ToQtAlignment(align)), QString::fromStdString(text));
    p->setTransform(QTransform());
}

double CRasterSurface::TextWidth(const std::string& text)
{
    return QFontMetricsF(SmoothFont(m_font)).horizontalAdvance(QString::fromStdString(text));
}

double CRasterSurface::TextHeight()
{
    return QFontMetricsF(SmoothFont(m_font)).height();
}

void CRasterSurface::BitBlt(int x, int y, int w, int h, const CBitmap& src, int sx, int sy, RasterOp op)
{
    const auto* bitmap = dynamic_cast<const CRasterBitmap*>(&src);
    if (m_pBits == nullptr || bitmap == nullptr || bitmap->Image().isNull())
        return;
    const QImage& from = bitmap->Image();
    if (!ClipBlock(x, y, w, h, sx, sy, from.width(), from.height(), m_nWidth, m_nHeight))
        return;
    if (from.format() != QImage::Format_RGB32 && from.format() != QImage::Format_ARGB32)
        return;
    const uchar* srcBits = from.constBits();
    const qsizetype srcStride = from.bytesPerLine();
    // A whole-frame copy is one block: one large copy streams far faster
    // than a copy per row.
    if (op == RasterOp::Copy && x == 0 && sx == 0 && w == m_nWidth && w == from.width() && srcStride == m_nStride) {
        std::memcpy(m_pBits + y * m_nStride, srcBits + sy * srcStride, static_cast<std::size_t>(h) * m_nStride);
        return;
    }
    for (int row = 0; row < h; ++row) {
        auto* d = reinterpret_cast<std::uint32_t*>(m_pBits + (y + row) * m_nStride) + x;
        const auto* s = reinterpret_cast<const std::uint32_t*>(srcBits + (sy + row) * srcStride) + sx;
        switch (op) {
        case RasterOp::Copy: std::memcpy(d, s, static_cast<std::size_t>(w) * sizeof(std::uint32_t)); break;
        case RasterOp::And:
            for (int i = 0; i < w; ++i)
                d[i] = (d[i] & s[i]) | kOpaque;
            break;
        case RasterOp::Or:
            for (int i = 0; i < w; ++i)
                d[i] = d[i] | s[i] | kOpaque;
            break;
        }
    }
}

void CRasterSurface::MaskBlt(int x, int y, int w, int h, const CBitmap& mask, const CBitmap& image)
{
    const auto* m = dynamic_cast<const CRasterBitmap*>(&mask);
    const auto* i = dynamic_cast<const CRasterBitmap*>(&image);
    const auto isRgb32 = [](const CRasterBitmap* b) {
        return b != nullptr && b->Image().format() == QImage::Format_RGB32;
    };
    if (m_pBits == nullptr || !isRgb32(m) || !isRgb32(i) || m->Image().size() != i->Image().size()) {
        CDrawSurface::MaskBlt(x, y, w, h, mask, image);
        return;
    }
    // Both transfers in one pass over the surface, clipped as BitBlt clips.
    int sx = 0;
    int sy = 0;
    if (!ClipBlock(x, y, w, h, sx, sy, m->Image().width(), m->Image().height(), m_nWidth, m_nHeight))
        return;
    for (int row = 0; row < h; ++row) {
        auto* d = reinterpret_cast<std::uint32_t*>(m_pBits + (y + row) * m_nStride) + x;
        const auto* ms = reinterpret_cast<const std::uint32_t*>(m->Image().constScanLine(sy + row)) + sx;
        const auto* is = reinterpret_cast<const std::uint32_t*>(i->Image().constScanLine(sy + row)) + sx;
        for (int k = 0; k < w; ++k)
            d[k] = (d[k] & ms[k]) | is[k] | kOpaque;
    }
}

std::unique_ptr<CBitmap> CRasterSurface::CreateCompatibleBitmap(int w, int h)
{
    if (w <= 0 || h <= 0)
        return std::make_unique<CRasterBitmap>();
    QImage image = CreateFrameImage(w, h);
    if (!image.isNull())
        image.fill(0xff000000u);   // a new bitmap starts black
    return std::make_unique<CRasterBitmap>(std::move(image));
}

std::unique_ptr<CDrawSurface> CRasterSurface::CreateMemorySurface(CBitmap& bitmap)
{
    auto* raster = dynamic_cast<CRasterBitmap*>(&bitmap);
    if (raster == nullptr)
        return nullptr;
    return std::make_unique<CRasterSurface>(raster->Image());
}

std::unique_ptr<CBitmap> CRasterSurface::LoadBitmap(int id)
{
    QImage image = LoadResourceImage(id);
    if (image.isNull())
        return nullptr;
    return std::make_unique<CRasterBitmap>(std::move(image));
}

std::unique_ptr<CBitmap> CRasterSurface::LoadBitmap(int id, int w, int h)
{
    QImage image = LoadResourceImage(id, QSize(w, h));
    if (image.isNull())
        return nullptr;
    return std::make_unique<CRasterBitmap>(std::move(image));
}
