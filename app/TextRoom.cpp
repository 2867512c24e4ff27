#include "app/TextRoom.h"

#include "app/GroupBox.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// What a check box's or radio button's style keeps beside its text (the
// indicator and the spacing after it): the width of a large button outside
// the room it leaves for the text.
QSize IndicatorRoom(const QAbstractButton& button, QStyle::SubElement contents, const QString& caption,
                    const QSize& text)
{
    constexpr int kLarge = 1000;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = caption;
    option.rect = QRect(0, 0, kLarge, kLarge);
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return QSize(text.width() + kLarge - room.width(), text.height());
}

QSize PushButtonRoom(const QPushButton& button, const QSize& text)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    // Asked without the text, the style adds its frame and margins but not
    // the least width it gives every captioned button.
    return button.style()->sizeFromContents(QStyle::CT_PushButton, &option, text, &button);
}

}

int InkAboveLine(const QFontMetrics& metrics, const QString& text)
{
    const QString first = text.section(QLatin1Char('\n'), 0, 0);
    return std::max(0, -metrics.tightBoundingRect(first).top() - metrics.ascent());
}

int TextLineHeight(const QFontMetrics& metrics, const QString& text)
{
    const int below = std::max(0, metrics.tightBoundingRect(text).bottom() + 1 - metrics.descent());
    return metrics.height() + InkAboveLine(metrics, text) + below;
}

QSize TextSize(const QFontMetrics& metrics, const QString& text)
{
    if (!text.contains(QLatin1Char('\n')))
        return QSize(metrics.horizontalAdvance(text), TextLineHeight(metrics, text));
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    int tallest = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
        tallest = std::max(tallest, TextLineHeight(metrics, line));
    }
    return QSize(width, tallest + static_cast<int>(lines.size() - 1) * metrics.lineSpacing());
}

QSize TextRoom(const QWidget& control)
{
    if (const auto* group = dynamic_cast<const CGroupBox*>(&control))
        return TextRoom(control, group->title());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return TextRoom(control, button->text());
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return TextRoom(control, label->text());
    return {};
}

QSize TextRoom(const QWidget& control, const QString& caption)
{
    if (caption.isEmpty())
        return {};
    if (const auto* group = dynamic_cast<const CGroupBox*>(&control))
        return group->TitleRoom(caption);
    const QSize text = TextSize(control.fontMetrics(), caption);
    if (const auto* push = qobject_cast<const QPushButton*>(&control))
        return PushButtonRoom(*push, text);
    if (const auto* check = qobject_cast<const QCheckBox*>(&control))
        return IndicatorRoom(*check, QStyle::SE_CheckBoxContents, caption, text);
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control))
        return IndicatorRoom(*radio, QStyle::SE_RadioButtonContents, caption, text);
    if (qobject_cast<const QLabel*>(&control) != nullptr)
        return text;
    return {};
}
