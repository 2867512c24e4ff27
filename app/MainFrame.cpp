#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/BarScroller.h"
#include "app/CircuitChooser.h"
#include "app/DialogBar.h"
#include "document/TarrowinDoc.h"
#include "res/CircuitCatalogue.h"
#include "res/CommandIds.h"
#include "res/DialogLayouts.h"
#include "res/MenuTable.h"
#include "res/Strings.h"
#include "view/PictureControl.h"
#include "view/TarrowinView.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QMenuBar>
#include <QProgressBar>

namespace {

QString MenuText(const char* text)
{
    return QCoreApplication::translate(kMenuContext, text);
}

}

CMainFrame::CMainFrame(CTarrowinDoc& doc) : m_doc(doc)
{
    setObjectName(QStringLiteral("MainFrame"));
    CreateMenu();
    m_wndChooser = new CCircuitChooser([this](int id) { OnCommand(id); }, this);
    addToolBar(Qt::TopToolBarArea, m_wndChooser);
    CreateBars();

    m_pViewWidget = new CTarrowinView(doc, this);
    setCentralWidget(m_pViewWidget);
    m_pViewWidget->SetFrame(this);
    m_doc.SetFrame(this);
    m_doc.SetView(m_pViewWidget);
    // The bars start out showing the current circuit as it stands.
    m_doc.SelectCircuit(*m_doc.GetCurrentCircuit());
    m_pViewWidget->SyncControlsBar();
    UpdateCommandUi();
}

CMainFrame::~CMainFrame()
{
    m_doc.SetFrame(nullptr);
    m_doc.SetView(nullptr);
}

void CMainFrame::CreateMenu()
{
    for (const CMenuEntry& menuEntry : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(MenuText(menuEntry.pszTitle));
        for (const CMenuItemEntry& item : menuEntry.items) {
            if (item.kind == MenuItemKind::Separator) {
                menu->addSeparator();
            } else if (item.kind == MenuItemKind::CircuitSubmenu) {
                QMenu* circuits = menu->addMenu(MenuText(item.pszCaption));
                int group = 0;
                for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
                    if (group != 0 && entry.nGroup != group)
                        circuits->addSeparator();
                    group = entry.nGroup;
                    QAction* action =
                        circuits->addAction(QCoreApplication::translate(kCircuitContext, entry.pszMenuCaption));
                    action->setCheckable(true);
                    QObject::connect(action, &QAction::triggered, this,
                                     [this, id = entry.nCommandId] { OnCommand(id); });
                    m_menuActions[entry.nCommandId] = action;
                }
            } else {
                QAction* action = menu->addAction(MenuText(item.pszCaption));
                QObject::connect(action, &QAction::triggered, this, [this, id = item.nId] { OnCommand(id); });
                m_menuActions[item.nId] = action;
            }
        }
    }
    for (const int id : {CmdId::ViewChooser, CmdId::ViewControls, CmdId::ViewDisplay})
        m_menuActions[id]->setCheckable(true);
}

QDockWidget* CMainFrame::CreateDock(CDialogBar* bar, Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(this);
    dock->setObjectName(QStringLiteral("Bar%1").arg(bar->LayoutId()));
    // Fixed in place: no title bar, nothing to drag, float or close.
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(area);
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setWidget(new CBarScroller(bar, dock));
    addDockWidget(area, dock);
    return dock;
}

void CMainFrame::CreateBars()
{
    auto onCommand = [this](int id) { OnCommand(id); };
    m_pControls = new CDialogBar(ControlsBarLayout(), onCommand);
    m_pDisplay = new CDialogBar(DisplayBarLayout(), onCommand);
    m_wndControlsBar = CreateDock(m_pControls, Qt::LeftDockWidgetArea);
    m_wndDisplayBar = CreateDock(m_pDisplay, Qt::RightDockWidgetArea);
    m_wndControlsBar->setWindowTitle(MenuText("Controls"));
    m_wndDisplayBar->setWindowTitle(MenuText("Display"));
    // The chooser spans the full width; the bars stand below it.
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);

    if (QProgressBar* progress = m_pControls->ProgressBar(CmdId::Progress))
        progress->setRange(0, 100);
}

QMenu* CMainFrame::createPopupMenu()
{
    // No right-click menu of bars: they are shown and hidden from View only.
    return nullptr;
}

QAction* CMainFrame::MenuAction(int id) const
{
    auto it = m_menuActions.find(id);
    return it == m_menuActions.end() ? nullptr : it->second;
}

void CMainFrame::OnCommand(int id)
{
    switch (id) {
    case CmdId::ViewChooser: ToggleBar(m_wndChooser); break;
    case CmdId::ViewControls: ToggleBar(m_wndControlsBar); break;
    case CmdId::ViewDisplay: ToggleBar(m_wndDisplayBar); break;
    case CmdId::FullScreen: ToggleFullScreen(); break;
    case CmdId::AppExit: close(); break;
    case CmdId::AppAbout: ShowAboutBox(); break;
    default: m_doc.OnCommand(id); break;
    }
    UpdateCommandUi();
}

void CMainFrame::UpdateCommandUi()
{
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        const bool built = m_doc.CircuitForCommand(entry.nCommandId) != nullptr;
        const bool checked = m_doc.IsCommandChecked(entry.nCommandId);
        for (QAction* action : {MenuAction(entry.nCommandId), m_wndChooser->Action(entry.nCommandId)}) {
            action->setEnabled(built);
            action->setChecked(checked);
        }
    }
    MenuAction(CmdId::ViewChooser)->setChecked(!m_wndChooser->isHidden());
    MenuAction(CmdId::ViewControls)->setChecked(!m_wndControlsBar->isHidden());
    MenuAction(CmdId::ViewDisplay)->setChecked(!m_wndDisplayBar->isHidden());
}

void CMainFrame::ShowAboutBox()
{
    // Modal over the frame: the animation goes on behind it.
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::ToggleBar(QWidget* bar)
{
    // The main window's layout gives the view the space at once, and the
    // view lays the circuit out again on its resize.
    bar->setVisible(bar->isHidden());
}

void CMainFrame::SetTitle(const std::string& title)
{
    const QString name = QCoreApplication::translate(kCircuitContext, title.c_str());
    setWindowTitle(QStringLiteral("%1 - %2").arg(QCoreApplication::translate(Strings::kContext, Strings::kAppTitle), name));
    // A screen reader names the animation by the circuit it shows.
    m_pViewWidget->setAccessibleName(name);
}

void CMainFrame::UpdateSwitchButtons(bool switchCircuit, bool open)
{
    m_pControls->SetEnabled(CmdId::SwitchOn, switchCircuit);
    m_pControls->SetEnabled(CmdId::SwitchOff, switchCircuit);
    if (switchCircuit) {
        m_pControls->SetChecked(CmdId::SwitchOn, !open);
        m_pControls->SetChecked(CmdId::SwitchOff, open);
    }
}

void CMainFrame::EnableResistorButtons(bool enable)
{
    m_pControls->SetEnabled(CmdId::ResistanceDown, enable);
    m_pControls->SetEnabled(CmdId::ResistanceUp, enable);
}

void CMainFrame::SetProgress(int percent)
{
    if (QProgressBar* progress = m_pControls->ProgressBar(CmdId::Progress))
        progress->setValue(percent);
}

CPictureControl* CMainFrame::CellsPictureControl()
{
    return m_pControls->Picture(CmdId::CellsPicture);
}

CPictureControl* CMainFrame::MeterControl()
{
    return m_pDisplay->Picture(CmdId::MeterFrame);
}

void CMainFrame::SetControlChecked(int id, bool checked)
{
    m_pControls->SetChecked(id, checked);
}

void CMainFrame::ToggleFullScreen()
{
    if (m_pView == nullptr)
        return;
    if (IsFullScreenMode()) {
        LeaveFullScreen();
        return;
    }
    m_rcRestore = geometry();
    m_restoreState = windowState();
    m_bRestoreChooser = !m_wndChooser->isHidden();
    m_wndDisplayBar->hide();
    m_wndControlsBar->hide();
    // The view alone covers the screen: menu and chooser go too.
    m_wndChooser->hide();
    menuBar()->hide();
    showFullScreen();
}

void CMainFrame::LeaveFullScreen()
{
    if (!IsFullScreenMode())
        return;
    const QRect restore = m_rcRestore;
    m_rcRestore = QRect();
    menuBar()->show();
    m_wndChooser->setVisible(m_bRestoreChooser);
    m_wndDisplayBar->show();
    m_wndControlsBar->show();
    setWindowState(m_restoreState & ~Qt::WindowFullScreen);
    if (!(m_restoreState & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        setGeometry(restore);
    UpdateCommandUi();
}
