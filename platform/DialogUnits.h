#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include <span>

// A rectangle of a dialog layout, in dialog units, and the pixels it must
// cover to hold its control's text or picture whole.
struct CDialogRoom {
    QRect dlu;
    QSize pixels;
};

// Converts dialog units to pixels from a dialog font's metrics: a dialog
// unit is a quarter of the font's average character width across and an
// eighth of its character height down, so layouts grow with the font.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    CDialogUnits(qreal baseX, qreal baseY) : m_dBaseX(baseX), m_dBaseY(baseY) {}

    qreal BaseX() const { return m_dBaseX; }
    qreal BaseY() const { return m_dBaseY; }
    int ToPixelsX(int dlu) const;
    int ToPixelsY(int dlu) const;
    QRect ToPixels(int x, int y, int w, int h) const;
    QRect ToPixels(const QRect& dlu) const { return ToPixels(dlu.x(), dlu.y(), dlu.width(), dlu.height()); }

    // These units, each base grown just enough that every room covers its
    // pixels: a font whose texts run wider than the layout's own widens the
    // whole layout evenly instead of cutting a caption. Rooms already held
    // leave the units as they are.
    CDialogUnits Holding(std::span<const CDialogRoom> rooms) const;

    bool operator==(const CDialogUnits&) const = default;

private:
    qreal m_dBaseX = 0;
    qreal m_dBaseY = 0;
};

// The dialog font of a layout: the face when it is installed, otherwise the
// application's own sans-serif, at the layout's point size.
QFont DialogFont(const char* face, int pointSize);
