#include "app/BarFitter.h"

#include "app/DialogBar.h"
#include "app/MeasurementsPanel.h"

#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

CBarFitter::CBarFitter(QMainWindow& window, CSideBar controls, CSideBar display, CSidePanel measurements, QWidget& view,
                       std::function<void()> rescaled)
    : QObject(&window)
    , m_window(window)
    , m_controls(controls)
    , m_display(display)
    , m_measurements(measurements)
    , m_view(view)
    , m_rescaled(std::move(rescaled))
{
    m_view.installEventFilter(this);
}

bool CBarFitter::eventFilter(QObject* watched, QEvent* event)
{
    // The view's size follows the window's and the chooser's rows, and the
    // side's height with it.
    if (watched == &m_view && event->type() == QEvent::Resize)
        Fit();
    return QObject::eventFilter(watched, event);
}

int CBarFitter::DockWidth(const CSideBar& side, CBarScale scale, int room) const
{
    if (side.dock.isHidden())
        return 0;
    const QSize bar = side.bar.SizeAt(scale);
    const auto* scroller = qobject_cast<const QScrollArea*>(side.dock.widget());
    const int scrollBar = scroller != nullptr ? scroller->verticalScrollBar()->sizeHint().width() : 0;
    return bar.width() + (bar.height() > room ? scrollBar : 0);
}

int CBarFitter::SidesWidth(CBarScale controls, CBarScale display, int column, int reserve) const
{
    const int separator = m_window.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &m_window);
    const bool right = !m_display.dock.isHidden() || !m_measurements.dock.isHidden();
    return DockWidth(m_controls, controls, column) + DockWidth(m_display, display, column - reserve) +
           (m_controls.dock.isHidden() ? 0 : separator) + (right ? separator : 0);
}

void CBarFitter::Fit()
{
    if (m_bFitting || m_window.isFullScreen())
        return;
    const QScopedValueRollback fitting(m_bFitting, true);
    const QSize window = m_window.size();
    // The side is as tall as the view; the measurements below the display
    // bar would keep their panel's least height.
    const int column = m_view.height();
    const bool below = !m_measurements.dock.isHidden() && !m_display.dock.isHidden();
    const int separator = m_window.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &m_window);
    const int reserve = below ? m_measurements.panel.LeastHeight() + separator : 0;

    // The display bar's pictures, with the measurements below: the largest
    // that leave the panel its least height.
    const auto displayAt = [&](qreal across) {
        for (const qreal pictures : CDialogBar::kScales)
            if (pictures <= across && (!below || m_display.bar.SizeAt({across, pictures}).height() <= column - reserve))
                return CBarScale{across, pictures};
        return CBarScale{across, CDialogBar::kScales.back()};
    };
    const int wanted = static_cast<int>(kViewShare * std::min(window.width(), window.height()));
    qreal across = CDialogBar::kScales.back();
    for (const qreal scale : CDialogBar::kScales) {
        if (window.width() - SidesWidth({scale, scale}, displayAt(scale), column, reserve) >= wanted) {
            across = scale;
            break;
        }
    }

    const CBarScale controls{across, across};
    const CBarScale display = displayAt(across);
    if (controls != m_controls.bar.Scale() || display != m_display.bar.Scale()) {
        m_controls.bar.SetScale(controls);
        m_display.bar.SetScale(display);
        m_rescaled();
    }
    FitDisplayDock(column, below);
}

void CBarFitter::FitDisplayDock(int column, bool below)
{
    // Above the measurements the display bar keeps its own height, as far as
    // the panel's dock keeps its least, and the graph takes the rest; alone
    // it has the whole side as before.
    const int bar = m_display.dock.widget()->sizeHint().height();
    m_display.dock.setMaximumHeight(below ? bar : QWIDGETSIZE_MAX);
    if (!below)
        return;
    const int separator = m_window.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &m_window);
    const int panel = m_measurements.dock.minimumSizeHint().height();
    const int height = std::max(1, std::min(bar, column - separator - panel));
    if (m_display.dock.height() != height)
        m_window.resizeDocks({&m_display.dock, &m_measurements.dock},
                             {height, std::max(1, column - separator - height)}, Qt::Vertical);
}
