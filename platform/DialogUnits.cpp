#include "platform/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRound(int a, int b, int c)
{
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

}

CDialogUnits::CDialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average over both alphabets, rounded, as dialog templates measure it.
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(alphabet);
    m_nBaseX = std::max(1, (width / 26 + 1) / 2);
    m_nBaseY = std::max(1, metrics.height());
}

int CDialogUnits::ToPixelsX(int dlu) const
{
    return MulDivRound(dlu, m_nBaseX, 4);
}

int CDialogUnits::ToPixelsY(int dlu) const
{
    return MulDivRound(dlu, m_nBaseY, 8);
}

QRect CDialogUnits::ToPixels(int x, int y, int w, int h) const
{
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    // Edges are converted, not sizes, so neighbouring controls meet exactly.
    return QRect(left, top, ToPixelsX(x + w) - left, ToPixelsY(y + h) - top);
}

QFont DialogFont(const char* face, int pointSize)
{
    const QString family = QString::fromLatin1(face);
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QGuiApplication::font();
    font.setPointSize(pointSize);
    return font;
}
