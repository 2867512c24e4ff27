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
    return Radial(-0.065 * i, 145.0, 130.0);
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
    dial.setDevicePixelRatio(dpr);
    QPainter painter(&dial);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (int i = -(kTickMarks / 2); i <= kTickMarks / 2; ++i)
        painter.drawLine(TickMark(i));
    return dial;
}

void DrawWithNeedle(QImage& canvas, const QImage& dial, double reading)
{
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, dial);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, canvas.devicePixelRatio() > 1.0);
    painter.setPen(QPen(QColor(0, 0, 64), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(Needle(CCurrentMeter::NeedleAngle(reading)));
}

}
