#include "core/render/GridLayout.h"

#include "core/draw/GridMapping.h"

#include <algorithm>

namespace {

// The pens at the reference unit; a layout scales them to its unit.
// clang-format off
constexpr CGridLayout::CPens kReferencePens{
    SolidPen(2, Rgb(255, 64, 0)),   SolidPen(4, Rgb(255, 128, 0)), SolidPen(6, Rgb(255, 192, 0)),
    SolidPen(8, Rgb(255, 255, 0)),  SolidPen(8, Rgb(0, 0, 0)),     SolidPen(3, Rgb(0, 0, 0)),
    SolidPen(2, Rgb(64, 64, 64)),   SolidPen(2, Rgb(192, 192, 192)),
};
// clang-format on

}

CGridLayout::CGridLayout() : pens(kReferencePens), font{"Arial Black", 18, 400} {}

CGridLayout::CGridLayout(const CRect& rect) : client(rect)
{
    const int w = std::max(0, rect.Width());
    const int h = std::max(0, rect.Height());
    unit = std::min(w, h) / kGridSize;
    scale = CDrawingScale(unit);
    const CPens& p = kReferencePens;
    pens = {scale.Pen(p.glow1), scale.Pen(p.glow2), scale.Pen(p.glow3), scale.Pen(p.glow4),
            scale.Pen(p.thick), scale.Pen(p.thin),  scale.Pen(p.shade), scale.Pen(p.light)};
    font = CFontSpec{"Arial Black", unit * 3 / 4, 400};
    const int side = unit * kGridSize;
    offsetX = (w - side) / 2;
    offsetY = (h - side) / 2;
    square = std::min(w, h);
}

int CGridLayout::PixelX(double x) const
{
    return ToPixel(offsetX, unit, x);
}

int CGridLayout::PixelY(double y) const
{
    return ToPixel(offsetY, unit, y);
}

CRect CGridLayout::GridRect(const CRect& g) const
{
    return CRect{offsetX + unit * g.left, offsetY + unit * g.top, offsetX + unit * g.right, offsetY + unit * g.bottom};
}
