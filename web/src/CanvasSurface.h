#pragma once

#include "core/draw/SelectingSurface.h"

#include <cstdint>
#include <vector>

// A bitmap held by the page as a canvas, known here by the page's handle.
// A new one is black. Pixels set one at a time (the balls' sprites) are
// gathered here and reach the canvas in one piece before anything else
// draws on it or from it.
class CCanvasBitmap : public CBitmap {
public:
    // near: the canvas it is made for, if any (the page keeps a bitmap where
    // that canvas is drawn).
    explicit CCanvasBitmap(int w, int h, int near = 0);
    // Takes over a canvas the page made (the artwork at a size).
    struct Adopted {};
    CCanvasBitmap(Adopted, int handle, int w, int h);
    ~CCanvasBitmap() override;
    CCanvasBitmap(const CCanvasBitmap&) = delete;
    CCanvasBitmap& operator=(const CCanvasBitmap&) = delete;

    int Width() const override { return m_nWidth; }
    int Height() const override { return m_nHeight; }
    // The canvas with every pixel set so far on it.
    int Handle() const;
    // The handle no longer belongs to this bitmap: the caller releases it.
    int Detach();

    // Both false when the pixels cannot be kept here (the canvas was drawn on otherwise).
    bool SetPixel(int x, int y, Colour cr);
    bool FillPixels(int x, int y, int w, int h, Colour cr);
    // From now on everything is drawn on the canvas itself.
    void Flush() const;

private:
    int m_nHandle;
    int m_nWidth;
    int m_nHeight;
    // RGBA; empty until a pixel is set. While m_bOwnPixels holds, it (or
    // black, while empty) is the whole picture.
    mutable std::vector<std::uint8_t> m_pixels;
    mutable bool m_bOwnPixels = true;
    mutable bool m_bDirty = false;
};

// The drawing surface of the browser edition: every operation goes to the
// page's 2D canvas of the handle (a canvas of the page, or a bitmap's), in
// device pixels. Pens, brush, font and the pen position are kept here and
// sent with each call. A sprite's mask and image reach the canvas as
// multiply and add, which for a black and white mask are AND and OR.
class CCanvasSurface : public CSelectingSurface {
public:
    // A canvas of the page, w x h device pixels.
    CCanvasSurface(int handle, int w, int h);
    explicit CCanvasSurface(CCanvasBitmap& bitmap);

    int Width() const override { return m_nWidth; }
    int Height() const override { return m_nHeight; }

    void FillSolidRect(int x, int y, int w, int h, Colour cr) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int l, int t, int r, int b) override;
    void Rectangle(int l, int t, int r, int b) override;
    void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override;
    void SetPixel(int x, int y, Colour cr) override;
    void DrawTextCentred(const CRect& rc, const std::string& text) override;
    void DrawTextFitted(const CRect& rc, const std::string& text) override;
    bool SetAntialiasing(bool on) override;
    void SmoothLine(double x1, double y1, double x2, double y2, const CStroke& stroke) override;
    void SmoothRect(const CRectF& rc, std::optional<CStroke> stroke, std::optional<Colour> fill) override;
    void SmoothText(const CRectF& rc, const std::string& text, int align, const CTurn& turn) override;
    double TextWidth(const std::string& text) override;
    double TextHeight() override;

    void BitBlt(int x, int y, int w, int h, const CBitmap& src, int sx, int sy, RasterOp op) override;
    // In one drawing of a sprite the host keeps for the pair.
    void MaskBlt(int x, int y, int w, int h, const CBitmap& mask, const CBitmap& image) override;

    std::unique_ptr<CBitmap> CreateCompatibleBitmap(int w, int h) override;
    std::unique_ptr<CDrawSurface> CreateMemorySurface(CBitmap& bitmap) override;
    std::unique_ptr<CBitmap> LoadBitmap(int id) override;
    std::unique_ptr<CBitmap> LoadBitmap(int id, int w, int h) override;

private:
    // The canvas, ready for a drawing that is not a single pixel.
    int Target() const;
    void Shape(int kind, int l, int t, int r, int b);
    void Text(const CRect& rc, const std::string& text, bool fitted);

    int m_nHandle;
    CCanvasBitmap* m_pBitmap = nullptr;
    int m_nWidth;
    int m_nHeight;
    bool m_bAntialiasing = false;
    int m_nPosX = 0;
    int m_nPosY = 0;
};
