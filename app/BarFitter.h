#pragma once

#include "app/BarPlacement.h"

#include <QObject>

#include <functional>

class CDialogBar;
class CMeasurementsPanel;
class QDockWidget;
class QMainWindow;
class QWidget;

// A side bar as the window shows it: the page and the dock it scrolls in.
struct CSideBar {
    CDialogBar& bar;
    QDockWidget& dock;
};

// The measurements below the display bar: the panel and its dock.
struct CSidePanel {
    CMeasurementsPanel& panel;
    QDockWidget& dock;
};

// Fits the side bars to the window. Both take one scale, the largest at
// which the view between them keeps kViewShare of the window's smaller side
// across: on a normal or large window that is their full size, on a small
// one they narrow (see CDialogBar::kScales). With the measurements below
// it, the display bar takes its whole height and the panel the rest; where
// the side is too short for both, the display bar's pictures shrink, and
// below their smallest the panel scrolls; the display bar scrolls only on a
// side too short for it alone. The scales follow the window's size alone,
// never the circuit shown.
class CBarFitter : public QObject {
public:
    static constexpr double kViewShare = 0.55;

    // rescaled: told after a bar took another scale, for the pictures drawn into it.
    CBarFitter(QMainWindow& window, CSideBar controls, CSideBar display, CSidePanel measurements, QWidget& view,
               std::function<void()> rescaled);

    // Fits the bars to the window as it stands; the window calls it when a
    // bar is shown or hidden, and it follows every resize of the view.
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The width a bar's dock takes at a scale, with its scroll bar when the
    // bar is taller than the room it has.
    int DockWidth(const CSideBar& side, CBarScale scale, int room) const;
    // The window's width the docks and their separators take at their scales.
    int SidesWidth(CBarScale controls, CBarScale display, int column, int reserve) const;
    void FitDisplayDock(int column, bool below);

    QMainWindow& m_window;
    CSideBar m_controls;
    CSideBar m_display;
    CSidePanel m_measurements;
    QWidget& m_view;
    std::function<void()> m_rescaled;
    bool m_bFitting = false;
};
