#pragma once

#include "core/draw/DrawObjects.h"

#include <algorithm>
#include <cmath>

// The one place where pixel sizes of the drawings follow the layout. Up to
// the reference unit (a square of about 800 pixels) every width, offset and
// title is drawn at its own size; above it they grow in proportion to the
// unit, rounded and never smaller, so a projector or a 4K screen shows the
// same picture as a small window, only larger.
class CDrawingScale {
public:
    static constexpr int kReferenceUnit = 32;

    CDrawingScale() = default;
    explicit CDrawingScale(int unit) : m_nUnit(unit) {}

    // A size in pixels given for the reference unit: a pen's width, a font's
    // height, a ring's radius.
    int Size(int reference) const
    {
        if (m_nUnit <= kReferenceUnit)
            return reference;
        return std::max(reference,
                        static_cast<int>(std::lround(reference * static_cast<double>(m_nUnit) / kReferenceUnit)));
    }
    // A signed offset in pixels, scaled like a size.
    int Offset(int reference) const { return reference < 0 ? -Size(-reference) : Size(reference); }
    CPen Pen(CPen reference) const
    {
        reference.nWidth = Size(reference.nWidth);
        return reference;
    }

private:
    int m_nUnit = 0;
};
