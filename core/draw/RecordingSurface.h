#pragma once

#include "core/draw/SelectingSurface.h"

#include <memory>
#include <string>
#include <vector>

// One call made on a recording surface, with its integer arguments as given.
struct CDrawCall {
    std::string strOp;
    std::vector<int> args;
    std::string strText;   // the text drawn, the font face for SelectFont

    friend bool operator==(const CDrawCall&, const CDrawCall&) = default;
};

class CRecordingBitmap : public CBitmap {
public:
    CRecordingBitmap(int id, int w, int h) : m_nId(id), m_nWidth(w), m_nHeight(h) {}
    int Width() const override { return m_nWidth; }
    int Height() const override { return m_nHeight; }
    int Id() const { return m_nId; }

private:
    int m_nId;
    int m_nWidth;
    int m_nHeight;
};

// A surface that draws nothing and keeps every call, so tests can check the
// exact pixel coordinates a drawing produced. Memory surfaces made from it
// write into the same log; bitmaps it creates get ids from 1000000 up and
// loaded ones keep their resource id.
class CRecordingSurface : public CSelectingSurface {
public:
    CRecordingSurface(int w, int h);

    const std::vector<CDrawCall>& Calls() const { return *m_pLog; }
    void Clear() { m_pLog->clear(); }
    // The calls whose op is the given one, in order.
    std::vector<CDrawCall> CallsOf(const std::string& op) const;

    int Width() const override { return m_nWidth; }
    int Height() const override { return m_nHeight; }

    CPen SelectPen(const CPen& pen) override;
    CBrush SelectBrush(const CBrush& brush) override;
    CFontSpec SelectFont(const CFontSpec& font) override;
    Colour SetTextColour(Colour cr) override;

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
    // Recorded rounded to whole pixels; text is measured as if every
    // character were half the font's cell wide, its line the cell high.
    void SmoothLine(double x1, double y1, double x2, double y2, const CStroke& stroke) override;
    void SmoothRect(const CRectF& rc, std::optional<CStroke> stroke, std::optional<Colour> fill) override;
    void SmoothText(const CRectF& rc, const std::string& text, int align, const CTurn& turn) override;
    double TextWidth(const std::string& text) override;
    double TextHeight() override;

    void BitBlt(int x, int y, int w, int h, const CBitmap& src, int sx, int sy, RasterOp op) override;

    std::unique_ptr<CBitmap> CreateCompatibleBitmap(int w, int h) override;
    std::unique_ptr<CDrawSurface> CreateMemorySurface(CBitmap& bitmap) override;
    std::unique_ptr<CBitmap> LoadBitmap(int id) override;
    std::unique_ptr<CBitmap> LoadBitmap(int id, int w, int h) override;

    const CPen& CurrentPen() const { return m_pen; }
    const CBrush& CurrentBrush() const { return m_brush; }

private:
    CRecordingSurface(int w, int h, std::shared_ptr<std::vector<CDrawCall>> log, std::shared_ptr<int> nextId);
    void Record(std::string op, std::vector<int> args, std::string text = {});

    std::shared_ptr<std::vector<CDrawCall>> m_pLog;
    std::shared_ptr<int> m_pNextBitmapId;
    int m_nWidth;
    int m_nHeight;
    bool m_bAntialiasing = false;
};
