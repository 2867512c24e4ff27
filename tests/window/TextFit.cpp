#include "TextFit.h"

#include "app/GroupBox.h"
#include "app/HyperLink.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionMenuItem>
#include <QToolButton>

#include <algorithm>

namespace {

// The room a button's style leaves for its caption.
QRect ButtonTextRoom(const QAbstractButton& button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button);
}

// The height from the highest to the lowest of the font's lines and the
// text's ink, its lines ("\n" between them) one below the other.
int InkHeight(const QFontMetrics& metrics, const QString& text)
{
    QRect ink;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect line(0, -metrics.ascent(), 1, metrics.height());
        ink |= (line | metrics.tightBoundingRect(lines[i])).translated(0, static_cast<int>(i) * metrics.lineSpacing());
    }
    return ink.height();
}

// What a text needs: its widest line across, and its lines down.
QSize TextNeed(const QFontMetrics& metrics, const QString& text)
{
    int width = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, metrics.height() + static_cast<int>(lines.size() - 1) * metrics.lineSpacing());
}

QString Describe(const QString& what, const QString& text, const QSize& need, const QRect& room)
{
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6 at %7,%8")
        .arg(what, text)
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height())
        .arg(room.x())
        .arg(room.y());
}

// A text whose width or line does not fit its room, or whose ink does not
// fit the height of what shows it.
void Check(QStringList& clipped, const QString& what, const QFontMetrics& metrics, const QString& text,
           const QSize& need, const QRect& room, int shownHeight)
{
    if (need.width() > room.width() || need.height() > room.height())
        clipped << Describe(what, text, need, room);
    const int ink = InkHeight(metrics, text);
    if (ink > shownHeight)
        clipped << Describe(what + QStringLiteral(" (ink)"), text, QSize(need.width(), ink), room);
}

// QMenu lays its items out with its own style options; a pointer to its
// member, taken through a class that may see it, reads them for any menu.
struct CMenuOptions : QMenu {
    static constexpr auto kInit = &CMenuOptions::initStyleOption;
};

void CheckMenu(const QMenu& menu, const QSize& screen, QStringList& clipped)
{
    // What the menu shows when it opens: its size, as far as its limits
    // and the screen let it.
    const QRect shown(QPoint(0, 0), menu.sizeHint().boundedTo(menu.maximumSize()).boundedTo(screen));
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        QStyleOptionMenuItem option;
        (menu.*CMenuOptions::kInit)(&option, action);
        const QFontMetrics metrics(option.font);
        const QString text = action->text();
        const QSize textSize(metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, text).width(),
                             metrics.height());
        const QSize need = menu.style()->sizeFromContents(QStyle::CT_MenuItem, &option, textSize, &menu);
        const QRect place = menu.actionGeometry(action) & shown;
        Check(clipped, QStringLiteral("menu item"), metrics, text, need, place, place.height());
        if (action->menu() != nullptr)
            CheckMenu(*action->menu(), screen, clipped);
    }
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
        } else if (const auto* group = dynamic_cast<const CGroupBox*>(control)) {
            text = group->title();
            // The title is as wide as its text; it must stay inside the box.
            room = group->TitleRect() & group->rect();
        } else if (const auto* link = dynamic_cast<const CHyperLink*>(control)) {
            text = link->Text();
            room = link->rect();
        }
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics = control->fontMetrics();
        const QSize need = TextNeed(metrics, text);
        Check(clipped, QString::fromLatin1(control->metaObject()->className()), metrics, text, need, room,
              control->height());
    }
    return clipped;
}

QStringList ClippedMenuTexts(const QMenuBar& bar, const QSize& screen)
{
    QStringList clipped;
    for (QAction* action : bar.actions()) {
        const QRect place = bar.actionGeometry(action);
        if (place.isEmpty() || !bar.rect().contains(place))
            clipped << QStringLiteral("menu \"%1\" is not on the menu bar").arg(action->text());
        if (action->menu() != nullptr)
            CheckMenu(*action->menu(), screen, clipped);
    }
    for (const QToolButton* more : bar.findChildren<QToolButton*>())
        if (more->isVisibleTo(&bar))
            clipped << QStringLiteral("the menu bar hides menus behind a button");
    return clipped;
}
