#include "view/PictureControl.h"

#include <QPainter>

CPictureControl::CPictureControl(bool bordered, QWidget* parent) : QFrame(parent)
{
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
    update();
}

QImage& CPictureControl::Canvas(const QSize& logicalSize, qreal dpr)
{
    const QSize size(qRound(logicalSize.width() * dpr), qRound(logicalSize.height() * dpr));
    if (m_image.size() != size || m_image.devicePixelRatio() != dpr || m_image.format() != QImage::Format_RGB32 ||
        m_image.isDetached() == false) {
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(dpr);
    }
    return m_image;
}

void CPictureControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_image.isNull())
        return;
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), m_image);
}
