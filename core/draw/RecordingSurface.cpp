#include "core/draw/RecordingSurface.h"

#include "core/res/BitmapTable.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

std::vector<int> ColourArgs(Colour cr)
{
    return {cr.r, cr.g, cr.b};
}

int Whole(double pixels)
{
    return static_cast<int>(std::lround(pixels));
}

}

CRecordingSurface::CRecordingSurface(int w, int h)
    : CRecordingSurface(w, h, std::make_shared<std::vector<CDrawCall>>(), std::make_shared<int>(1000000))
{}

CRecordingSurface::CRecordingSurface(int w, int h, std::shared_ptr<std::vector<CDrawCall>> log,
                                     std::shared_ptr<int> nextId)
    : m_pLog(std::move(log)), m_pNextBitmapId(std::move(nextId)), m_nWidth(w), m_nHeight(h)
{}

std::vector<CDrawCall> CRecordingSurface::CallsOf(const std::string& op) const
{
    std::vector<CDrawCall> out;
    for (const CDrawCall& call : *m_pLog)
        if (call.strOp == op)
            out.push_back(call);
    return out;
}

void CRecordingSurface::Record(std::string op, std::vector<int> args, std::string text)
{
    m_pLog->push_back(CDrawCall{std::move(op), std::move(args), std::move(text)});
}

CPen CRecordingSurface::SelectPen(const CPen& pen)
{
    Record("SelectPen", {pen.nWidth, pen.cr.r, pen.cr.g, pen.cr.b, pen.bNull ? 1 : 0});
    return CSelectingSurface::SelectPen(pen);
}

CBrush CRecordingSurface::SelectBrush(const CBrush& brush)
{
    Record("SelectBrush", {brush.cr.r, brush.cr.g, brush.cr.b, brush.bNull ? 1 : 0});
    return CSelectingSurface::SelectBrush(brush);
}

CFontSpec CRecordingSurface::SelectFont(const CFontSpec& font)
{
    Record("SelectFont", {font.nHeight, font.nWeight}, font.strFace);
    return CSelectingSurface::SelectFont(font);
}

Colour CRecordingSurface::SetTextColour(Colour cr)
{
    Record("SetTextColour", ColourArgs(cr));
    return CSelectingSurface::SetTextColour(cr);
}

void CRecordingSurface::FillSolidRect(int x, int y, int w, int h, Colour cr)
{
    Record("FillSolidRect", {x, y, w, h, cr.r, cr.g, cr.b});
}

void CRecordingSurface::MoveTo(int x, int y)
{
    Record("MoveTo", {x, y});
}

void CRecordingSurface::LineTo(int x, int y)
{
    Record("LineTo", {x, y});
}

void CRecordingSurface::Ellipse(int l, int t, int r, int b)
{
    Record("Ellipse", {l, t, r, b});
}

void CRecordingSurface::Rectangle(int l, int t, int r, int b)
{
    Record("Rectangle", {l, t, r, b});
}

void CRecordingSurface::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2)
{
    Record("Arc", {l, t, r, b, x1, y1, x2, y2});
}

void CRecordingSurface::SetPixel(int x, int y, Colour cr)
{
    Record("SetPixel", {x, y, cr.r, cr.g, cr.b});
}

void CRecordingSurface::DrawTextCentred(const CRect& rc, const std::string& text)
{
    Record("DrawTextCentred", {rc.left, rc.top, rc.right, rc.bottom}, text);
}

void CRecordingSurface::DrawTextFitted(const CRect& rc, const std::string& text)
{
    Record("DrawTextFitted", {rc.left, rc.top, rc.right, rc.bottom}, text);
}

bool CRecordingSurface::SetAntialiasing(bool on)
{
    Record("SetAntialiasing", {on ? 1 : 0});
    return std::exchange(m_bAntialiasing, on);
}

void CRecordingSurface::SmoothLine(double x1, double y1, double x2, double y2, const CStroke& stroke)
{
    Record("SmoothLine", {Whole(x1), Whole(y1), Whole(x2), Whole(y2), Whole(stroke.width), stroke.cr.r, stroke.cr.g,
                          stroke.cr.b, stroke.bDashed ? 1 : 0});
}

void CRecordingSurface::SmoothRect(const CRectF& rc, std::optional<CStroke> stroke, std::optional<Colour> fill)
{
    Record("SmoothRect",
           {Whole(rc.x), Whole(rc.y), Whole(rc.Right()), Whole(rc.Bottom()), stroke ? Whole(stroke->width) : -1,
            stroke && stroke->bDashed ? 1 : 0, fill ? static_cast<int>(PackRgb(*fill)) : -1});
}

void CRecordingSurface::SmoothText(const CRectF& rc, const std::string& text, int align, const CTurn& turn)
{
    Record("SmoothText",
           {Whole(rc.x), Whole(rc.y), Whole(rc.Right()), Whole(rc.Bottom()), align, Whole(turn.x), Whole(turn.y),
            turn.quarters},
           text);
}

double CRecordingSurface::TextWidth(const std::string& text)
{
    // Code points: every byte but UTF-8's continuation bytes.
    const auto points = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return static_cast<double>(points) * m_font.nHeight / 2.0;
}

double CRecordingSurface::TextHeight()
{
    return m_font.nHeight;
}

void CRecordingSurface::BitBlt(int x, int y, int w, int h, const CBitmap& src, int sx, int sy, RasterOp op)
{
    const auto* rec = dynamic_cast<const CRecordingBitmap*>(&src);
    Record("BitBlt", {x, y, w, h, rec != nullptr ? rec->Id() : -1, sx, sy, static_cast<int>(op)});
}

std::unique_ptr<CBitmap> CRecordingSurface::CreateCompatibleBitmap(int w, int h)
{
    const int id = (*m_pNextBitmapId)++;
    Record("CreateCompatibleBitmap", {w, h, id});
    return std::make_unique<CRecordingBitmap>(id, w, h);
}

std::unique_ptr<CDrawSurface> CRecordingSurface::CreateMemorySurface(CBitmap& bitmap)
{
    return std::unique_ptr<CDrawSurface>(
        new CRecordingSurface(bitmap.Width(), bitmap.Height(), m_pLog, m_pNextBitmapId));
}

std::unique_ptr<CBitmap> CRecordingSurface::LoadBitmap(int id)
{
    Record("LoadBitmap", {id});
    const CBitmapResource* res = FindBitmapResource(id);
    if (res == nullptr)
        return nullptr;
    return std::make_unique<CRecordingBitmap>(id, res->nWidth, res->nHeight);
}

std::unique_ptr<CBitmap> CRecordingSurface::LoadBitmap(int id, int w, int h)
{
    Record("LoadBitmap", {id, w, h});
    if (FindBitmapResource(id) == nullptr || w <= 0 || h <= 0)
        return nullptr;
    return std::make_unique<CRecordingBitmap>(id, w, h);
}
