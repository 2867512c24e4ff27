#include "app/GroupBox.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr QStyle::SubControls kTitleParts = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxCheckBox;

int Contrast(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

}

CGroupBox::CGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

int CGroupBox::FrameLineX() const
{
    if (m_nFrameLineX >= 0)
        return m_nFrameLineX;
    // Styles say where a frame's rectangle is, not where its line falls in
    // it, so draw an empty frame on the window colour and take the column
    // that stands out most from it, scanning in from the left, at a height
    // well below any title.
    constexpr int kSide = 64;
    QImage image(kSide, kSide, QImage::Format_RGB32);
    const QRgb window = palette().color(QPalette::Window).rgb();
    image.fill(window);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.rect = image.rect();
    option.subControls = QStyle::SC_GroupBoxFrame;
    {
        QPainter painter(&image);
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
    }
    const int y = kSide * 3 / 4;
    int best = 0;
    m_nFrameLineX = 0;
    for (int x = 0; x < kSide / 4; ++x) {
        const int contrast = Contrast(image.pixel(x, y), window);
        if (contrast > best) {
            best = contrast;
            m_nFrameLineX = x;
        }
    }
    return m_nFrameLineX;
}

QRect CGroupBox::StyleTitleRect(const QString& line) const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.text = line;
    return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
}

int CGroupBox::TitleShift() const
{
    return std::max(0, FrameLineX() - StyleTitleRect(title().section(QLatin1Char('\n'), 0, 0)).left());
}

QRect CGroupBox::TitleRect(const QString& title) const
{
    QRect rect;
    const QStringList lines = title.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i)
        rect |= StyleTitleRect(lines[i]).translated(TitleShift(), static_cast<int>(i) * fontMetrics().lineSpacing());
    return rect;
}

QSize CGroupBox::TitleRoom(const QString& title) const
{
    const QRect rect = TitleRect(title);
    return QSize(rect.right() + 1 + FrameLineX(), rect.bottom() + 1);
}

void CGroupBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QStringList lines = title().split(QLatin1Char('\n'));
    const int lineSpacing = fontMetrics().lineSpacing();
    const int below = static_cast<int>(lines.size() - 1) * lineSpacing;
    const QStyle::SubControls parts = option.subControls;
    option.subControls = parts & ~kTitleParts;
    option.text = lines.front();
    // Styles place the frame below one line of title from the box's top.
    painter.save();
    if (below > 0) {
        painter.translate(0, below);
        option.rect.setHeight(option.rect.height() - below);
    }
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
    painter.restore();
    option.rect = rect();
    option.subControls = parts & kTitleParts;
    painter.translate(TitleShift(), 0);
    for (const QString& line : lines) {
        option.text = line;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
        painter.translate(0, lineSpacing);
    }
}

void CGroupBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        m_nFrameLineX = -1;
    QGroupBox::changeEvent(event);
}
