#pragma once

#include "core/draw/SelectingSurface.h"

#include <QImage>
#include <QPainter>

#include <optional>

// A bitmap held as a 32-bit RGB image.
class CRasterBitmap : public CBitmap {
public:
    CRasterBitmap() = default;
    explicit CRasterBitmap(QImage image) : m_image(std::move(image)) {}

    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};

// Draws into a QImage (Format_RGB32), with antialiasing off unless asked for. Block transfers,
// fills and pixels write the pixels directly; lines, shapes and text go
// through a QPainter begun on first use. The surface must be the only user
// of the image while it lives.
class CRasterSurface : public CSelectingSurface {
public:
    explicit CRasterSurface(QImage& target);
    ~CRasterSurface() override;
    CRasterSurface(const CRasterSurface&) = delete;
    CRasterSurface& operator=(const CRasterSurface&) = delete;

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
    void MaskBlt(int x, int y, int w, int h, const CBitmap& mask, const CBitmap& image) override;

    std::unique_ptr<CBitmap> CreateCompatibleBitmap(int w, int h) override;
    std::unique_ptr<CDrawSurface> CreateMemorySurface(CBitmap& bitmap) override;
    std::unique_ptr<CBitmap> LoadBitmap(int id) override;
    std::unique_ptr<CBitmap> LoadBitmap(int id, int w, int h) override;

private:
    QPainter* Painter();
    void ApplyPenAndBrush();
    void DrawText(const CRect& rc, const std::string& text, const QFont& font);
    // The painter made ready for smooth drawing, or null without an image.
    QPainter* SmoothPainter();

    QImage& m_image;
    uchar* m_pBits = nullptr;
    qsizetype m_nStride = 0;
    qreal m_dImageDpr = 1.0;   // the image's density, put back when done
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::optional<QPainter> m_painter;
    bool m_bAntialiasing = false;
    int m_nPosX = 0;
    int m_nPosY = 0;
};
