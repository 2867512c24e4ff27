#include "app/CompareChart.h"

#include "core/pictures/CompareChart.h"
#include "platform/RasterSurface.h"

#include <QFontInfo>
#include <QPainter>

#include <cmath>

namespace {

// The widget's font as the core asks for it, at a density of the screen's.
CFontSpec FontOf(const QWidget& widget, double density)
{
    const QFontInfo info(widget.font());
    return CFontSpec{info.family().toStdString(),
                     CellForPixels(static_cast<int>(std::lround(info.pixelSize() * density))), info.bold() ? 700 : 400};
}

QImage Drawn(QSize size, const CFontSpec& font, const std::vector<CCompareChart::CBar>& bars)
{
    QImage image(size, QImage::Format_RGB32);
    CRasterSurface surface(image);
    surface.SelectFont(font);
    CompareChart::Draw(surface, CRect{0, 0, size.width(), size.height()}, bars);
    return image;
}

}

CCompareChart::CCompareChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CCompareChart::SetBars(std::vector<CBar> bars)
{
    m_bars = std::move(bars);
    update();
}

void CCompareChart::paintEvent(QPaintEvent*)
{
    // Drawn in device pixels, so it stays sharp on a dense screen.
    const double density = devicePixelRatioF();
    QImage image = Drawn(size() * density, FontOf(*this, density), m_bars);
    image.setDevicePixelRatio(density);
    QPainter(this).drawImage(0, 0, image);
}

QImage CCompareChart::Picture(QSize size) const
{
    return Drawn(size, CompareChart::PictureFont(FontOf(*this, 1.0), size.height()), m_bars);
}
