#pragma once

#include "core/draw/Bitmap.h"
#include "core/draw/DrawObjects.h"
#include "core/draw/Rect.h"

#include <memory>
#include <optional>
#include <string>

enum class RasterOp { Copy, And, Or };

// The drawing surface every simulation drawing is written against: the
// classic 2D operations with a selected pen, brush and font and a current
// pen position. All coordinates are integer pixels.
class CDrawSurface {
public:
    virtual ~CDrawSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual CPen SelectPen(const CPen& pen) = 0;
    virtual CBrush SelectBrush(const CBrush& brush) = 0;
    virtual CFontSpec SelectFont(const CFontSpec& font) = 0;
    virtual Colour SetTextColour(Colour cr) = 0;

    virtual void FillSolidRect(int x, int y, int w, int h, Colour cr) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Shapes in a bounding box (right and bottom exclusive), outlined with
    // the pen and filled with the brush.
    virtual void Ellipse(int l, int t, int r, int b) = 0;
    virtual void Rectangle(int l, int t, int r, int b) = 0;
    // Outline of the ellipse in the box, anticlockwise from the radial
    // through (x1, y1) to the radial through (x2, y2).
    virtual void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) = 0;
    virtual void SetPixel(int x, int y, Colour cr) = 0;
    // One line of text centred both ways in the rectangle, background left as it is.
    virtual void DrawTextCentred(const CRect& rc, const std::string& text) = 0;
    // The same, in a smaller size of the font where the text is wider than the rectangle.
    virtual void DrawTextFitted(const CRect& rc, const std::string& text) = 0;
    // Smooth (anti-aliased) lines and shapes from now on, or not; returns the
    // previous setting. Surfaces start without.
    virtual bool SetAntialiasing(bool on) = 0;

    // Smooth drawing in fractional pixels, for charts rather than circuits:
    // always anti-aliased, the text too. Lines and rectangles; a rectangle
    // is filled where a fill is given and outlined where a stroke is.
    virtual void SmoothLine(double x1, double y1, double x2, double y2, const CStroke& stroke) = 0;
    virtual void SmoothRect(const CRectF& rc, std::optional<CStroke> stroke, std::optional<Colour> fill) = 0;
    // One line of text in the selected font and text colour, aligned in the
    // rectangle (TextAlign flags) and cut off at its edges where it is larger.
    virtual void SmoothText(const CRectF& rc, const std::string& text, int align, const CTurn& turn) = 0;
    // The selected font's advance for the text, and its line's height.
    virtual double TextWidth(const std::string& text) = 0;
    virtual double TextHeight() = 0;

    // Transfers a w x h block from (sx, sy) of the bitmap to (x, y), clipped to both.
    virtual void BitBlt(int x, int y, int w, int h, const CBitmap& src, int sx, int sy, RasterOp op) = 0;
    // Stamps an image through its mask (black where the image shows, white
    // where the surface does): the mask combined with AND, then the image
    // with OR, both from the bitmaps' origins. A surface may do it in one pass.
    virtual void MaskBlt(int x, int y, int w, int h, const CBitmap& mask, const CBitmap& image)
    {
        BitBlt(x, y, w, h, mask, 0, 0, RasterOp::And);
        BitBlt(x, y, w, h, image, 0, 0, RasterOp::Or);
    }

    virtual std::unique_ptr<CBitmap> CreateCompatibleBitmap(int w, int h) = 0;
    // A surface that draws into the bitmap (made by this surface family); the
    // bitmap must outlive it.
    virtual std::unique_ptr<CDrawSurface> CreateMemorySurface(CBitmap& bitmap) = 0;
    // The resource bitmap with the id, at its natural size (null if unknown).
    virtual std::unique_ptr<CBitmap> LoadBitmap(int id) = 0;
    // The same artwork drawn afresh at w x h pixels, sharp at any size.
    virtual std::unique_ptr<CBitmap> LoadBitmap(int id, int w, int h) = 0;
};
