#pragma once

#include "core/draw/DrawSurface.h"

#include <utility>

// A surface that keeps what is selected into it (the pen, the brush, the
// font and the text colour) for its drawings to use: what every
// implementation of the drawing interface holds alike.
class CSelectingSurface : public CDrawSurface {
public:
    CPen SelectPen(const CPen& pen) override { return std::exchange(m_pen, pen); }
    CBrush SelectBrush(const CBrush& brush) override { return std::exchange(m_brush, brush); }
    CFontSpec SelectFont(const CFontSpec& font) override { return std::exchange(m_font, font); }
    Colour SetTextColour(Colour cr) override { return std::exchange(m_crText, cr); }

protected:
    CPen m_pen;
    CBrush m_brush;
    CFontSpec m_font;
    Colour m_crText{};
};
