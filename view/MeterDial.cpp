#include "view/MeterDial.h"

#include "document/CurrentMeter.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace MeterDial {

namespace {

constexpr int kPivotX = 100;
constexpr int kPivotY = 175;

// A radial segment from the pivot, truncated toward zero like every drawing.
QLine Radial(double theta, double from, double to)
{
    return QLine(static_cast<int>(kPivotX + from * std::sin(theta)),
                 static_cast<int>(kPivotY - from * std::cos(theta)),
                 static_cast<int>(kPivotX + to * std::sin(theta)),
                 static_cast<int>(kPivotY - to * std::cos(theta)));
}

}

QLine TickMark(int i)
{
    return Radial(-kMarkRadians * i, 145.0, 130.0);
}

double ReadingInMarks(double reading)
{
    return CCurrentMeter::NeedleAngle(reading) / kMarkRadians;
}

QLine Needle(double theta)
{
    return Radial(theta, 150.0, 40.0);
}

QImage BuildDial(qreal dpr)
{
    QImage dial = LoadResourceImage(ResId::MeterDial, dpr);
    if (dial.isNull()) {
        dial = QImage(QSize(kSize, kSize) * dpr, QImage::Format_RGB32);
        dial.fill(Qt::white);
    }
    {
        // Scaled by hand: a painter takes no ratio below 1 from its image.
        QPainter painter(&dial);
        painter.scale(dpr, dpr);
        painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
        for (int i = -kMarksPerSide; i <= kMarksPerSide; ++i)
            painter.drawLine(TickMark(i));
    }
    dial.setDevicePixelRatio(dpr);
    return dial;
}

namespace {

// The canvas's logical pixels to each of the dial's units.
qreal CanvasScale(const QImage& canvas)
{
    return canvas.deviceIndependentSize().width() / kSize;
}

// Draws in the dial's units, whatever the canvas's size.
void DrawNeedle(QPainter& painter, const QImage& dial, const QRect& area, double reading)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal dpr = dial.devicePixelRatio();
    painter.drawImage(QRectF(area), dial, QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Smoothed wherever a unit is not one pixel.
    painter.setRenderHint(QPainter::Antialiasing, dpr != 1.0);
    painter.setPen(QPen(QColor(0, 0, 64), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(Needle(CCurrentMeter::NeedleAngle(reading)));
}

// Where a needle's pen can reach: its line with the round cap's radius
// and a pixel for the smoothing.
QRect NeedleArea(double reading)
{
    constexpr int kReach = 3;
    const QLine needle = Needle(CCurrentMeter::NeedleAngle(reading));
    return QRect(needle.p1(), needle.p2()).normalized().adjusted(-kReach, -kReach, kReach, kReach);
}

}

void DrawWithNeedle(QImage& canvas, const QImage& dial, double reading)
{
    QPainter painter(&canvas);
    const qreal scale = CanvasScale(canvas);
    painter.scale(scale, scale);
    DrawNeedle(painter, dial, QRect(0, 0, kSize, kSize), reading);
}

QRect MoveNeedle(QImage& canvas, const QImage& dial, double from, double to)
{
    const QRect area = (NeedleArea(from) | NeedleArea(to)) & QRect(0, 0, kSize, kSize);
    QPainter painter(&canvas);
    const qreal scale = CanvasScale(canvas);
    painter.scale(scale, scale);
    painter.setClipRect(area);
    DrawNeedle(painter, dial, area, to);
    const QRectF scaled(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale);
    return scaled.toAlignedRect();
}

}
