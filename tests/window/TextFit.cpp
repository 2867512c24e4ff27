#include "TextFit.h"

#include "app/HyperLink.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

// The room a button's style leaves for its caption.
QRect ButtonTextRoom(const QAbstractButton& button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button);
}

QRect GroupTitleRoom(const QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

QString Describe(const QWidget& control, const QString& text, const QSize& need, const QRect& room)
{
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6 at %7,%8")
        .arg(QString::fromLatin1(control.metaObject()->className()), text)
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height())
        .arg(room.x())
        .arg(room.y());
}

}

QStringList ClippedTexts(const QWidget& root)
{
    QStringList clipped;
    for (const QWidget* control : root.findChildren<QWidget*>()) {
        QString text;
        QRect room;
        if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
            text = box->text();
            room = ButtonTextRoom(*box, QStyle::SE_CheckBoxContents);
        } else if (const auto* radio = qobject_cast<const QRadioButton*>(control)) {
            text = radio->text();
            room = ButtonTextRoom(*radio, QStyle::SE_RadioButtonContents);
        } else if (const auto* push = qobject_cast<const QPushButton*>(control)) {
            text = push->text();
            room = ButtonTextRoom(*push, QStyle::SE_PushButtonContents);
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->text();
            room = label->contentsRect();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            text = group->title();
            // The style sizes the title to its text; it must stay inside the box.
            const QRect title = GroupTitleRoom(*group);
            room = title & group->rect();
        } else if (const auto* link = dynamic_cast<const CHyperLink*>(control)) {
            text = link->Text();
            room = link->rect();
        }
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics = control->fontMetrics();
        const QSize need(metrics.horizontalAdvance(text), metrics.height());
        if (need.width() > room.width() || need.height() > room.height())
            clipped << Describe(*control, text, need, room);
    }
    return clipped;
}
