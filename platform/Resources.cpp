#include "platform/Resources.h"

#include "core/res/BitmapTable.h"
#include "core/words/Words.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace {

QString CaptionText(const CArtworkCaption& caption)
{
    return QString::fromStdString(Translate("Artwork", caption.pszText));
}

QImage Render(const CBitmapResource& res, QSize size, QImage::Format format)
{
    if (size.isEmpty())
        return {};
    QImage image(size, format);
    image.fill(format == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(res.pszPath));
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.scale(static_cast<qreal>(size.width()) / res.nWidth, static_cast<qreal>(size.height()) / res.nHeight);
    for (const CArtworkCaption& caption : ArtworkCaptions(res.nId)) {
        const QString text = CaptionText(caption);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(caption.nPixelSize);
        font.setBold(caption.bBold);
        const qreal width = QFontMetricsF(font).horizontalAdvance(text);
        const qreal room = caption.right - caption.left;
        const qreal shrink = width > room ? room / width : 1.0;
        painter.save();
        painter.translate(caption.bCentred ? (caption.left + caption.right - width * shrink) / 2 : caption.left,
                          caption.baseline);
        painter.scale(shrink, shrink);
        painter.setFont(font);
        painter.setPen(QColor(QRgb(caption.rgb)));
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    }
    painter.end();
    return image;
}

QImage RenderResource(int id, qreal scale, QImage::Format format)
{
    const CBitmapResource* res = FindBitmapResource(id);
    if (res == nullptr || !(scale > 0.0))
        return {};
    // Rendering SVG is slow next to a frame; each size is rendered once.
    static QHash<QString, QImage> cache;
    QString key = QString::number(id) + QLatin1Char('@') + QString::number(scale) + QLatin1Char('/') +
                  QString::number(static_cast<int>(format));
    // A change of language draws the captions afresh.
    for (const CArtworkCaption& caption : ArtworkCaptions(id))
        key += QLatin1Char('/') + CaptionText(caption);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;

    const QSize size(static_cast<int>(std::lround(res->nWidth * scale)),
                     static_cast<int>(std::lround(res->nHeight * scale)));
    QImage image = Render(*res, size, format);
    if (!image.isNull())
        cache.insert(key, image);
    return image;
}

}

QImage LoadResourceImage(int id, QSize size)
{
    // Not kept: any size may be asked for while a window is dragged larger,
    // and the caller keeps what it draws from it (a layout's background).
    const CBitmapResource* res = FindBitmapResource(id);
    return res == nullptr ? QImage() : Render(*res, size, QImage::Format_RGB32);
}

QImage LoadResourceImage(int id, qreal scale)
{
    return RenderResource(id, scale, QImage::Format_RGB32);
}

QImage LoadResourceImageWithAlpha(int id, qreal scale)
{
    return RenderResource(id, scale, QImage::Format_ARGB32_Premultiplied);
}
