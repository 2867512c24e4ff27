#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units to pixels from a dialog font's metrics: a dialog
// unit is a quarter of the font's average character width across and an
// eighth of its character height down, so layouts grow with the font.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    CDialogUnits(int baseX, int baseY) : m_nBaseX(baseX), m_nBaseY(baseY) {}

    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }
    int ToPixelsX(int dlu) const;
    int ToPixelsY(int dlu) const;
    QRect ToPixels(int x, int y, int w, int h) const;

private:
    int m_nBaseX = 0;
    int m_nBaseY = 0;
};

// The dialog font of a layout: the face when it is installed, otherwise the
// application's own sans-serif, at the layout's point size.
QFont DialogFont(const char* face, int pointSize);
