#pragma once

#include "core/lesson/CommandState.h"
#include "core/document/FrameLink.h"
#include "core/res/MenuTable.h"
#include "view/ViewFrame.h"

#include <QMainWindow>
#include <QRect>

#include <map>
#include <optional>
#include <span>

class CAppSettings;
class CBarFitter;
class CCircuitChooser;
class CDialogBar;
class CCompareWindow;
class CMeasurementsPanel;
class CTarrowinDoc;
class QAction;
class QDockWidget;
class QMenu;

// The main window: menu, circuit chooser, the controls bar on the left, the
// display bar on the right and the view between them. It routes every
// command to the document, or handles it itself (bars, full-screen, exit),
// and keeps the menu's and the chooser's states in line after each one.
class CMainFrame : public QMainWindow, public IFrameLink, public IViewFrame {
public:
    explicit CMainFrame(CTarrowinDoc& doc);
    ~CMainFrame() override;

    void OnCommand(int id);

    // IFrameLink
    void SetTitle(const std::string& title) override;
    void UpdateSwitchButtons(bool switchCircuit, bool open) override;
    void EnableResistorButtons(bool less, bool more) override;
    void ShowElectronKey(int bitmapId) override;

    // IViewFrame
    CPictureControl* CellsPictureControl() override;
    CPictureControl* MeterControl() override;
    void SetControlChecked(int id, bool checked) override;
    void LeaveFullScreen() override;
    CTarrowinView* RecordedView() const override { return m_pView; }
    void RecordView(CTarrowinView* view) override;
    void ClockChanged() override;
    void RatesChanged() override;
    void ShowIntroProgress(int percent) override;

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
    // button and the clock's controls in line with the state.
    void UpdateCommandUi();
    // How the menus show a command: the frame's, the view's or the document's.
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
    void ToggleBar(QWidget* bar);
    void ToggleFullScreen();
    void ShowAboutBox();

    CTarrowinDoc& m_doc;
    CTarrowinView* m_pView = nullptr;   // recorded by the view at its first tick
    QRect m_rcRestore;                  // null unless in full-screen mode
    Qt::WindowStates m_restoreState;
    bool m_bRestoreChooser = true;
    bool m_bRestoreMeasurements = false;
    bool m_bFullScreenAtFirstFrame = false;
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
