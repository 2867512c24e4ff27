#include "view/PictureControl.h"

#include "platform/Resources.h"

#include <QPainter>

#include <cmath>

CPictureControl::CPictureControl(bool bordered, QWidget* parent) : QFrame(parent)
{
    // It paints every pixel of itself, so nothing behind it is painted first
    // (the meter is redrawn several times a second).
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (bordered) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        setPalette(pal);
    }
}

void CPictureControl::SetImage(const QImage& image)
{
    if (image.cacheKey() == m_image.cacheKey())
        return;
    m_image = image;
    ++m_nGeneration;
    update();
}

void CPictureControl::ShowResource(int id)
{
    const qreal dpr = devicePixelRatioF();
    QImage image = LoadResourceImage(id, dpr * m_dScale);
    image.setDevicePixelRatio(dpr);
    m_nResourceId = id;
    SetImage(image);
}

void CPictureControl::SetPictureScale(qreal scale)
{
    if (scale == m_dScale)
        return;
    m_dScale = scale;
    if (m_nResourceId != 0)
        ShowResource(m_nResourceId);
}

QSize CPictureControl::Scaled(const QSize& natural, qreal scale)
{
    return QSize(static_cast<int>(std::lround(natural.width() * scale)),
                 static_cast<int>(std::lround(natural.height() * scale)));
}

QImage& CPictureControl::Canvas(const QSize& logicalSize, qreal dpr)
{
    const QSize size(qRound(logicalSize.width() * dpr), qRound(logicalSize.height() * dpr));
    m_nResourceId = 0;
    if (m_image.size() != size || m_image.devicePixelRatio() != dpr || m_image.format() != QImage::Format_RGB32 ||
        m_image.isDetached() == false) {
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(dpr);
        ++m_nGeneration;
    }
    return m_image;
}

void CPictureControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    // What the picture leaves uncovered shows the background, as it would
    // behind a control that is not opaque.
    const QRect picture(inside.topLeft(), m_image.deviceIndependentSize().toSize());
    if (!picture.contains(inside))
        painter.fillRect(inside, palette().window());
    if (!m_image.isNull())
        painter.drawImage(inside.topLeft(), m_image);
}
