#include "platform/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace {

// dlu * base / per rounded to the nearest pixel, halves away from zero.
int Scale(int dlu, qreal base, int per)
{
    return static_cast<int>(std::lround(dlu * base / per));
}

// The smallest base, from base up in steps of a sixteenth of a pixel, at
// which holds(base) is true; no more than eight times base, whatever it asks.
// Rounding makes a span's pixels move unevenly with the base, so every room
// is checked again at each step rather than solved for on its own.
template <typename Holds>
qreal Grown(qreal base, Holds holds)
{
    constexpr qreal kStep = 1.0 / 16;
    const qreal limit = base * 8;
    while (base < limit && !holds(base))
        base += kStep;
    return base;
}

}

CDialogUnits::CDialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average over both alphabets, rounded, as dialog templates measure it.
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(alphabet);
    m_dBaseX = std::max(1, (width / 26 + 1) / 2);
    m_dBaseY = std::max(1, metrics.height());
}

int CDialogUnits::ToPixelsX(int dlu) const
{
    return Scale(dlu, m_dBaseX, 4);
}

int CDialogUnits::ToPixelsY(int dlu) const
{
    return Scale(dlu, m_dBaseY, 8);
}

QRect CDialogUnits::ToPixels(int x, int y, int w, int h) const
{
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    // Edges are converted, not sizes, so neighbouring controls meet exactly.
    return QRect(left, top, ToPixelsX(x + w) - left, ToPixelsY(y + h) - top);
}

CDialogUnits CDialogUnits::Holding(std::span<const CDialogRoom> rooms) const
{
    // Widths depend on the horizontal base alone and heights on the vertical
    // one; an empty span holds nothing, whatever the base.
    const auto all = [&](auto holds) { return std::all_of(rooms.begin(), rooms.end(), holds); };
    const qreal baseX = Grown(m_dBaseX, [&](qreal base) {
        const CDialogUnits units(base, m_dBaseY);
        return all([&](const CDialogRoom& room) {
            return room.dlu.width() <= 0 || units.ToPixels(room.dlu).width() >= room.pixels.width();
        });
    });
    const qreal baseY = Grown(m_dBaseY, [&](qreal base) {
        const CDialogUnits units(m_dBaseX, base);
        return all([&](const CDialogRoom& room) {
            return room.dlu.height() <= 0 || units.ToPixels(room.dlu).height() >= room.pixels.height();
        });
    });
    return CDialogUnits(baseX, baseY);
}

QFont DialogFont(const char* face, int pointSize)
{
    const QString family = QString::fromLatin1(face);
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QGuiApplication::font();
    font.setPointSize(pointSize);
    return font;
}
