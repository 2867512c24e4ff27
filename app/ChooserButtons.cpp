#include "app/ChooserButtons.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QStyleOption>
#include <QStylePainter>
#include <QToolButton>

#include <algorithm>

namespace {

// The line between two groups, as a tool bar draws it.
class CGroupLine : public QWidget {
public:
    using QWidget::QWidget;

    QSize sizeHint() const override
    {
        const int extent = style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, this);
        return QSize(extent, extent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        option.state |= QStyle::State_Horizontal;
        painter.drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, option);
    }
};

QToolButton* ToolButton(const QSize& iconSize, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(iconSize);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

}

CChooserButtons::CChooserButtons(const QList<QAction*>& items, const QSize& iconSize, QWidget* parent) : QWidget(parent)
{
    for (QAction* action : items) {
        addAction(action);
        if (action->isSeparator()) {
            m_items.push_back({action, new CGroupLine(this)});
            continue;
        }
        QToolButton* button = ToolButton(iconSize, this);
        button->setDefaultAction(action);
        m_items.push_back({action, button});
    }
    m_overflow = ToolButton(iconSize, this);
    const QString more = QCoreApplication::translate("Menu", "More Circuits");
    m_overflow->setIcon(style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, this));
    m_overflow->setToolTip(more);
    m_overflow->setAccessibleName(more);
    m_overflowMenu = new QMenu(m_overflow);
    m_overflow->setMenu(m_overflowMenu);
    m_overflow->setPopupMode(QToolButton::InstantPopup);
    m_overflow->hide();
    m_button = m_items.front().widget->sizeHint();
    m_nSpacing = style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, this);
}

QToolButton* CChooserButtons::Button(const QAction* action) const
{
    for (const CItem& item : m_items)
        if (item.action == action)
            return qobject_cast<QToolButton*>(item.widget);
    return nullptr;
}

int CChooserButtons::RowWidth(std::size_t first, std::size_t last) const
{
    int width = 0;
    for (std::size_t i = first; i <= last; ++i)
        width += (i > first ? m_nSpacing : 0) + m_items[i].widget->sizeHint().width();
    return width;
}

QSize CChooserButtons::sizeHint() const
{
    return QSize(RowWidth(0, m_items.size() - 1), m_nRows * m_button.height() + (m_nRows - 1) * m_nSpacing);
}

QSize CChooserButtons::minimumSizeHint() const
{
    // A button and the overflow button beside it; the rows hold the rest.
    return QSize(2 * m_button.width() + m_nSpacing, sizeHint().height());
}

void CChooserButtons::resizeEvent(QResizeEvent*)
{
    Arrange(width());
}

void CChooserButtons::Arrange(int width)
{
    const int rows = m_nRows;
    const std::size_t last = m_items.size() - 1;
    m_overflow->hide();
    if (RowWidth(0, last) <= width) {
        PlaceRows({});
    } else {
        // The line between groups where the wider row is narrowest.
        std::size_t best = 0;
        int bestWidth = width + 1;
        for (std::size_t i = 1; i < last; ++i) {
            if (!m_items[i].action->isSeparator())
                continue;
            const int wider = std::max(RowWidth(0, i - 1), RowWidth(i + 1, last));
            if (wider < bestWidth) {
                best = i;
                bestWidth = wider;
            }
        }
        if (best != 0)
            PlaceRows({best});
        else
            PlaceOverflowing(width);
    }
    // The tool bar, and the window under it, take the new height in the
    // window's layout under way rather than in one more later.
    if (m_nRows != rows) {
        updateGeometry();
        if (parentWidget() != nullptr)
            parentWidget()->updateGeometry();
    }
}

void CChooserButtons::PlaceRows(const std::vector<std::size_t>& breaks)
{
    int x = 0;
    int y = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        QWidget* widget = m_items[i].widget;
        // The line a row breaks at is not drawn.
        if (std::find(breaks.begin(), breaks.end(), i) != breaks.end()) {
            widget->hide();
            x = 0;
            y += m_button.height() + m_nSpacing;
            continue;
        }
        widget->setGeometry(x, y, widget->sizeHint().width(), m_button.height());
        widget->show();
        x += widget->sizeHint().width() + m_nSpacing;
    }
    m_nRows = static_cast<int>(breaks.size()) + 1;
}

void CChooserButtons::PlaceOverflowing(int width)
{
    m_overflowMenu->clear();
    int x = 0;
    int row = 0;
    constexpr int kRows = 2;
    for (const CItem& item : m_items) {
        // Buttons only: the rows break wherever they are full.
        if (item.action->isSeparator()) {
            item.widget->hide();
            continue;
        }
        const int itemWidth = item.widget->sizeHint().width();
        // The last row keeps a place at its end for the overflow button.
        const int room = width - (row == kRows - 1 ? m_button.width() + m_nSpacing : 0);
        if (row < kRows && x + itemWidth > room && x > 0) {
            ++row;
            x = 0;
        }
        if (row >= kRows) {
            item.widget->hide();
            m_overflowMenu->addAction(item.action);
            continue;
        }
        item.widget->setGeometry(x, row * (m_button.height() + m_nSpacing), itemWidth, m_button.height());
        item.widget->show();
        x += itemWidth + m_nSpacing;
    }
    m_overflow->setGeometry(width - m_button.width(), (kRows - 1) * (m_button.height() + m_nSpacing), m_button.width(),
                            m_button.height());
    m_overflow->show();
    m_nRows = kRows;
}
