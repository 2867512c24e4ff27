#pragma once

#include "core/lesson/CommandState.h"
#include "core/res/MenuTable.h"
#include "view/ViewFrame.h"

#include <QMainWindow>
#include <QRect>

#include <initializer_list>
#include <map>
#include <optional>
#include <span>

class CAppSettings;
class CBarFitter;
class CCircuitChooser;
class CDialogBar;
class CCompareWindow;
class CMeasurementsPanel;
class CLesson;
class CTarrowinView;
struct CLessonSettings;
class QAction;
class QDockWidget;
class QMenu;

// The main window: menu, circuit chooser, the controls bar on the left, the
// display bar on the right and the view between them. Every command goes to
// the lesson, but those of the window itself (full screen, pictures, the
// About box, Compare, exit); after each one the menus, bars and chooser show
// the lesson's states as it gives them.
class CMainFrame : public QMainWindow, public IViewFrame {
public:
    explicit CMainFrame(CLesson& lesson);
    ~CMainFrame() override;

    void OnCommand(int id);
    // The settings put in place as the user's own commands would, the bars shown as they say.
    void ApplySettings(const CLessonSettings& settings);
    // The window's remembered place and docks; false when no place was
    // taken. What Qt does not take is added to `ignored`.
    bool RestoreWindow(const QByteArray& geometry, const QByteArray& state, QStringList& ignored);

    // IViewFrame
    CPictureControl* CellsPictureControl() override;
    CPictureControl* MeterControl() override;
    void LeaveFullScreen() override;
    void FirstFrameShown() override;
    void AfterTick() override;

    bool IsFullScreenMode() const { return !m_rcRestore.isNull(); }
    // Full screen as soon as the view shows its first frame, when the command first works.
    void EnterFullScreenAtFirstFrame() { m_bFullScreenAtFirstFrame = true; }
    // What is remembered when the window closes and put back by "Reset to Defaults"; none by default.
    void SetSettings(CAppSettings* settings) { m_pSettings = settings; }
    CTarrowinView* View() const { return m_pViewWidget; }
    CCircuitChooser* Chooser() const { return m_wndChooser; }
    CDialogBar* ControlsBar() const { return m_pControls; }
    CDialogBar* DisplayBar() const { return m_pDisplay; }
    QDockWidget* ControlsDock() const { return m_wndControlsBar; }
    QDockWidget* DisplayDock() const { return m_wndDisplayBar; }
    QDockWidget* MeasurementsDock() const { return m_wndMeasurements; }
    CMeasurementsPanel* Measurements() const { return m_pMeasurements; }
    // The Compare Circuits window, once it was asked for.
    CCompareWindow* Compare() const { return m_pCompare; }
    // The menu item of a command id, or null.
    QAction* MenuAction(int id) const;

    // Brings the menu's check marks and enabled items, the chooser's pressed
    // button, the bars' controls and pictures and the title in line with the lesson.
    void UpdateCommandUi();
    // How the menus show a command: the window's own, or the lesson's.
    std::optional<CCommandState> CommandState(int id) const;

    QMenu* createPopupMenu() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenu();
    void AddMenuItems(QMenu* menu, std::span<const CMenuItemEntry> items);
    void CreateBars();
    // Clicks on the bars and the chooser leave the keyboard with the view.
    void KeepKeysWithView();
    QDockWidget* CreateDock(CDialogBar* bar, Qt::DockWidgetArea area);
    // Below the display bar, hidden until the View menu shows it.
    void CreateMeasurementsDock();
    // The bars shown as the lesson says.
    void ShowBars();
    // The lesson's bars set as given (View command id, shown), and shown so.
    void ShowBarsAs(std::initializer_list<std::pair<int, bool>> bars);
    void ToggleFullScreen();
    void ShowAboutBox();
    void RatesChanged();
    void ShowTitle();

    CLesson& m_lesson;
    QRect m_rcRestore;   // null unless in full-screen mode
    Qt::WindowStates m_restoreState;
    bool m_bRestoreChooser = true;
    bool m_bRestoreMeasurements = false;
    bool m_bFullScreenAtFirstFrame = false;
    int m_nVersionShown = -1;
    long long m_nReadingsShown = -1;
    CAppSettings* m_pSettings = nullptr;
    CCircuitChooser* m_wndChooser = nullptr;
    QDockWidget* m_wndControlsBar = nullptr;
    QDockWidget* m_wndDisplayBar = nullptr;
    QDockWidget* m_wndMeasurements = nullptr;
    CMeasurementsPanel* m_pMeasurements = nullptr;
    CCompareWindow* m_pCompare = nullptr;
    CDialogBar* m_pControls = nullptr;
    CDialogBar* m_pDisplay = nullptr;
    CTarrowinView* m_pViewWidget = nullptr;
    CBarFitter* m_pFitter = nullptr;
    std::map<int, QAction*> m_menuActions;
};
