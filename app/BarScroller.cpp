#include "app/BarScroller.h"

#include <QResizeEvent>
#include <QScrollBar>

CBarScroller::CBarScroller(QWidget* bar, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Tab passes through to the bar's controls; the scroller follows them.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The bar keeps its own size; the dock's colour shows below it.
    setWidgetResizable(false);
    // No taller than the bar while a panel below can use the room.
    setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    setWidget(bar);
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    FitWidth(bar->height());
}

void CBarScroller::FitWidth(int height)
{
    const QWidget& bar = *widget();
    const int width = bar.width() + (bar.height() > height ? verticalScrollBar()->sizeHint().width() : 0);
    if (width != minimumWidth() || width != maximumWidth())
        setFixedWidth(width);
}

QSize CBarScroller::sizeHint() const
{
    return QSize(minimumWidth(), widget()->height());
}

void CBarScroller::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    FitWidth(height());
}

void CBarScroller::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    if (m_pWindow != window()) {
        if (m_pWindow != nullptr)
            m_pWindow->removeEventFilter(this);
        m_pWindow = window();
        m_pWindow->installEventFilter(this);
    }
}

bool CBarScroller::eventFilter(QObject* watched, QEvent* event)
{
    // A bar laid out at another scale takes another width.
    if (watched == widget() && event->type() == QEvent::Resize)
        FitWidth(height());
    // The window's height changes the scroller's by as much. Taking the width
    // for it before the window lays out spares the window a second layout,
    // and the view between the bars a resize, each time the scroll bar comes
    // or goes.
    if (watched == m_pWindow && event->type() == QEvent::Resize && isVisible()) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->oldSize().isValid())
            FitWidth(height() + resize->size().height() - resize->oldSize().height());
    }
    return QScrollArea::eventFilter(watched, event);
}
