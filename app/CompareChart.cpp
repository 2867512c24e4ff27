#include "app/CompareChart.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QString Text(const char* text)
{
    return QCoreApplication::translate("Compare", text);
}

// Steps of 1, 2 or 5 times a power of ten, about five of them to the top.
double NiceStep(double top)
{
    const double rough = top / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= rough)
            return m * power;
    return 10.0 * power;
}

// The circuit's name over what sets the run apart.
QString Label(const CCompareChart::CBar& bar)
{
    return QString::fromStdString(bar.circuit) + QLatin1Char('\n') + QString::fromStdString(bar.settings);
}

QString Number(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

}

CCompareChart::CCompareChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 240);
    setAutoFillBackground(false);
}

void CCompareChart::SetBars(std::vector<CBar> bars)
{
    m_bars = std::move(bars);
    update();
}

void CCompareChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, QRectF(rect()));
}

QImage CCompareChart::Picture(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont big = font();
    big.setPixelSize(std::max(12, size.height() / 50));
    painter.setFont(big);
    Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void CCompareChart::Paint(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF fm(painter.font());
    const double line = fm.height();
    const double pad = line * 0.6;

    // The scale: from 0 (or the lowest whisker) up to the highest whisker or ideal.
    double top = 1.0, bottom = 0.0;
    for (const CBar& bar : m_bars) {
        if (bar.value) {
            top = std::max(top, bar.value->High());
            bottom = std::min(bottom, bar.value->Low());
        }
        if (bar.ideal)
            top = std::max(top, *bar.ideal);
    }
    const double step = NiceStep(top - bottom);
    top = std::ceil(top / step) * step;
    bottom = std::floor(bottom / step) * step;

    // Labels below need room: turned on their side when the bars are many.
    const bool turned = m_bars.size() > 8;
    double labelRoom = 4.4 * line;   // a name on up to three lines and the settings
    if (turned)
        for (const CBar& bar : m_bars)
            labelRoom = std::max(labelRoom, fm.horizontalAdvance(Label(bar).replace(QLatin1Char('\n'), QLatin1Char(' '))) + pad);
    labelRoom = std::min(labelRoom, area.height() * 0.45);
    const QString axisTitle = Text(QT_TRANSLATE_NOOP("Compare", "current at power supply (electrons per second)"));
    const double axisWidth = fm.horizontalAdvance(Number(top, step < 1 ? 1 : 0)) + pad * 2 + line;
    const double keyHeight = line * 1.6;
    const QRectF plot(area.left() + axisWidth, area.top() + keyHeight + pad, area.width() - axisWidth - pad,
                      area.height() - keyHeight - labelRoom - 2 * pad);
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return;
    }
    const auto y = [&](double v) { return plot.bottom() - (v - bottom) / (top - bottom) * plot.height(); };

    // The axis, its numbers and its title along it.
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    for (double v = bottom; v <= top + step / 2; v += step) {
        painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        painter.save();
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left() + line, y(v) - line / 2, axisWidth - line - pad / 2, line),
                         Qt::AlignRight | Qt::AlignVCenter, Number(std::abs(v) < step / 1000 ? 0.0 : v, step < 1 ? 1 : 0));
        painter.restore();
    }
    painter.save();
    painter.setPen(Qt::black);
    painter.translate(area.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter,
                     fm.elidedText(axisTitle, Qt::ElideRight, plot.height()));
    painter.restore();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));

    // The key.
    const QColor model(0, 114, 178), ideal(213, 94, 0);
    double kx = plot.left();
    const auto key = [&](const QString& text, bool outline) {
        const QRectF swatch(kx, area.top() + pad / 2, line, line * 0.8);
        if (outline) {
            painter.setPen(QPen(ideal, 2, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(model);
        }
        painter.drawRect(swatch);
        painter.setPen(Qt::black);
        const double w = fm.horizontalAdvance(text);
        painter.drawText(QRectF(swatch.right() + pad / 2, swatch.top() - line * 0.1, w + 1, line), Qt::AlignLeft, text);
        kx = swatch.right() + pad * 2 + w;
    };
    key(Text(QT_TRANSLATE_NOOP("Compare", "model, with its 95% interval")), false);
    key(Text(QT_TRANSLATE_NOOP("Compare", "ideal circuit (Ohm's and Kirchhoff's laws)")), true);

    // The bars.
    const double slot = plot.width() / std::max<std::size_t>(1, m_bars.size());
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const CBar& bar = m_bars[i];
        const double left = plot.left() + slot * static_cast<double>(i);
        const double width = slot * (bar.ideal ? 0.4 : 0.6);
        const double x = left + slot * 0.2;
        if (bar.value) {
            const QRectF r = QRectF(QPointF(x, y(std::max(0.0, bar.value->mean))), QPointF(x + width, y(std::min(0.0, bar.value->mean)))).normalized();
            painter.setPen(Qt::NoPen);
            painter.setBrush(model);
            painter.drawRect(r);
            const double cx = x + width / 2, cap = width / 4;
            painter.setPen(QPen(Qt::black, std::max(1.0, line / 10)));
            painter.drawLine(QPointF(cx, y(bar.value->Low())), QPointF(cx, y(bar.value->High())));
            painter.drawLine(QPointF(cx - cap, y(bar.value->Low())), QPointF(cx + cap, y(bar.value->Low())));
            painter.drawLine(QPointF(cx - cap, y(bar.value->High())), QPointF(cx + cap, y(bar.value->High())));
        }
        if (bar.ideal) {
            painter.setPen(QPen(ideal, std::max(2.0, line / 8), Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(QPointF(x + width, y(*bar.ideal)), QPointF(x + 2 * width, y(0))).normalized());
        }
        // The ratios over the bar: the model's, and the ideal's.
        if (bar.ratio && bar.idealRatio && !turned) {
            painter.setPen(Qt::black);
            const QString ratios = Text(QT_TRANSLATE_NOOP("Compare", "×%1 (ideal ×%2)"))
                                       .arg(Number(*bar.ratio, 2), Number(*bar.idealRatio, 1));
            const double above = std::max(bar.value ? bar.value->High() : 0.0, *bar.ideal);
            painter.drawText(QRectF(left, y(above) - line * 1.1, slot, line), Qt::AlignCenter,
                             fm.elidedText(ratios, Qt::ElideRight, slot));
        }
        painter.setPen(Qt::black);
        if (turned) {
            painter.save();
            painter.translate(left + slot / 2 + line / 3, plot.bottom() + pad / 2);
            painter.rotate(90);
            painter.drawText(QRectF(0, -line, labelRoom - pad, line), Qt::AlignLeft | Qt::AlignVCenter,
                             fm.elidedText(Label(bar).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                                           Qt::ElideRight, labelRoom - pad));
            painter.restore();
        } else {
            painter.drawText(QRectF(left + 2, plot.bottom() + pad / 2, slot - 4, labelRoom - pad),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Label(bar));
        }
    }
    painter.restore();
}
