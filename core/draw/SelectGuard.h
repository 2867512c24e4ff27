#pragma once

#include "core/draw/DrawSurface.h"

// Selects a pen, brush or font for a scope and puts back the one it found.
template <typename Object, Object (CDrawSurface::*Select)(const Object&)>
class CSelectGuard {
public:
    CSelectGuard(CDrawSurface& dc, const Object& object) : m_dc(dc), m_old((dc.*Select)(object)) {}
    ~CSelectGuard() { (m_dc.*Select)(m_old); }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

private:
    CDrawSurface& m_dc;
    Object m_old;
};

using CPenGuard = CSelectGuard<CPen, &CDrawSurface::SelectPen>;
using CBrushGuard = CSelectGuard<CBrush, &CDrawSurface::SelectBrush>;
using CFontGuard = CSelectGuard<CFontSpec, &CDrawSurface::SelectFont>;
