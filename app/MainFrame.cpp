#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/AppSettings.h"
#include "app/BarFitter.h"
#include "app/BarScroller.h"
#include "app/ChooserButtons.h"
#include "app/CircuitChooser.h"
#include "app/DialogBar.h"
#include "app/FocusKeeper.h"
#include "app/MeasurementsPanel.h"
#include "app/CompareWindow.h"
#include "app/PictureSaver.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/document/TarrowinDoc.h"
#include "core/res/CommandIds.h"
#include "core/res/DialogLayouts.h"
#include "core/res/MenuTable.h"
#include "core/res/Strings.h"
#include "view/MeterAccessible.h"
#include "view/PictureControl.h"
#include "view/TarrowinView.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QKeySequence>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

#include <utility>

namespace {

QString MenuText(const char* text)
{
    return QCoreApplication::translate(kMenuContext, text);
}

QString ItemText(const CMenuItemEntry& item)
{
    return QCoreApplication::translate(item.pszContext, item.pszCaption);
}

// What a screen reader adds to a control's name where the name alone does
// not say what it does.
constexpr std::pair<int, const char*> kControlDescriptions[]{
    {CmdId::DisplayBallModel, QT_TRANSLATE_NOOP("DialogBar", "the electrons moving in the wires")},
    {CmdId::SwitchPolarity, QT_TRANSLATE_NOOP("DialogBar", "turns the power supply round")},
    {CmdId::TagElectron, QT_TRANSLATE_NOOP("DialogBar", "rings one electron so its path can be followed")},
    {CmdId::ShowLabels, QT_TRANSLATE_NOOP("DialogBar", "names the parts of the circuit")},
    {CmdId::VaryMeanSpeed, QT_TRANSLATE_NOOP("DialogBar", "electrons carrying energy move faster")},
    {CmdId::Pulsate, QT_TRANSLATE_NOOP("DialogBar", "electrons carrying energy flash and shake")},
};

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
    m_pFitter = new CBarFitter(*this, {*m_pControls, *m_wndControlsBar}, {*m_pDisplay, *m_wndDisplayBar},
                               {*m_pMeasurements, *m_wndMeasurements}, *m_pViewWidget,
                               [this] { m_pViewWidget->RedrawPictures(); });
    KeepKeysWithView();
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
    for (const CMenuEntry& menuEntry : MainMenu())
        AddMenuItems(menuBar()->addMenu(MenuText(menuEntry.pszTitle)), menuEntry.items);
}

void CMainFrame::AddMenuItems(QMenu* menu, std::span<const CMenuItemEntry> items)
{
    QActionGroup* radios = nullptr;
    for (const CMenuItemEntry& item : items) {
        if (item.kind != MenuItemKind::Radio)
            radios = nullptr;
        else if (radios == nullptr)
            radios = new QActionGroup(menu);
        if (item.kind == MenuItemKind::Separator) {
            menu->addSeparator();
        } else if (item.kind == MenuItemKind::Submenu) {
            AddMenuItems(menu->addMenu(ItemText(item)), item.submenu);
        } else {
            QAction* action = menu->addAction(ItemText(item));
            action->setCheckable(item.kind == MenuItemKind::Check || item.kind == MenuItemKind::Radio);
            if (radios != nullptr)
                radios->addAction(action);
            if (*item.pszKeys != '\0')
                action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(item.pszKeys)));
            action->setAutoRepeat(item.bRepeat);
            // Held by the window too, so the keys work in full-screen
            // mode, where the menu bar is hidden.
            addAction(action);
            QObject::connect(action, &QAction::triggered, this, [this, id = item.nId] { OnCommand(id); });
            m_menuActions[item.nId] = action;
        }
    }
}

void CMainFrame::KeepKeysWithView()
{
    auto* keeper = new CFocusKeeper(m_pViewWidget, this);
    for (const CDialogBar* bar : {m_pControls, m_pDisplay})
        for (std::size_t i = 0; i < bar->ControlCount(); ++i)
            if (qobject_cast<QAbstractButton*>(bar->ControlAt(i)) != nullptr)
                keeper->Watch(bar->ControlAt(i));
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        keeper->Watch(m_wndChooser->Button(entry.nCommandId));
    keeper->Watch(m_wndChooser->Buttons()->OverflowButton());
    keeper->Watch(m_pMeasurements->CopyButton());
    m_pViewWidget->setFocus(Qt::OtherFocusReason);
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
    m_wndControlsBar->setWindowTitle(MenuText(QT_TRANSLATE_NOOP("Menu", "Controls")));
    m_wndDisplayBar->setWindowTitle(MenuText(QT_TRANSLATE_NOOP("Menu", "Display")));
    // The chooser spans the full width; the bars stand below it.
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);

    if (QProgressBar* progress = m_pControls->ProgressBar(CmdId::Progress))
        progress->setRange(0, 100);
    MeterAccessible::Mark(m_pDisplay->Picture(CmdId::MeterFrame));
    for (const auto& [id, text] : kControlDescriptions)
        m_pControls->Control(id)->setAccessibleDescription(QCoreApplication::translate(kDialogBarContext, text));
    CreateMeasurementsDock();
}

void CMainFrame::CreateMeasurementsDock()
{
    m_pMeasurements = new CMeasurementsPanel(m_doc);
    m_wndMeasurements = new QDockWidget(this);
    m_wndMeasurements->setObjectName(QStringLiteral("Measurements"));
    m_wndMeasurements->setWindowTitle(MenuText(QT_TRANSLATE_NOOP("Menu", "Measurements")));
    m_wndMeasurements->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_wndMeasurements->setAllowedAreas(Qt::RightDockWidgetArea);
    m_wndMeasurements->setTitleBarWidget(new QWidget(m_wndMeasurements));
    // Below a tall display bar on a short window the panel scrolls.
    auto* scroller = new QScrollArea(m_wndMeasurements);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidgetResizable(true);
    scroller->viewport()->setBackgroundRole(QPalette::Window);
    scroller->setWidget(m_pMeasurements);
    m_wndMeasurements->setWidget(scroller);
    addDockWidget(Qt::RightDockWidgetArea, m_wndMeasurements);
    splitDockWidget(m_wndDisplayBar, m_wndMeasurements, Qt::Vertical);
    m_wndMeasurements->hide();
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
    case CmdId::ViewMeasurements:
        ToggleBar(m_wndMeasurements);
        RatesChanged();
        break;
    case CmdId::CompareCircuits:
        if (m_pCompare == nullptr)
            m_pCompare = new CCompareWindow(this);
        m_pCompare->show();
        m_pCompare->raise();
        m_pCompare->activateWindow();
        break;
    case CmdId::FullScreen: ToggleFullScreen(); break;
    case CmdId::AppExit: close(); break;
    case CmdId::AppAbout: ShowAboutBox(); break;
    case CmdId::SavePicture:
        PictureSaver::SaveAs(this, *m_pViewWidget,
                             QCoreApplication::translate(kCircuitContext, m_doc.GetCurrentCircuit()->GetName().c_str()));
        break;
    case CmdId::CopyPicture: PictureSaver::Copy(*m_pViewWidget); break;
    case CmdId::ResetDefaults:
        if (m_pSettings != nullptr)
            m_pSettings->Reset();
        break;
    default:
        if (!m_pViewWidget->OnCommand(id) && m_doc.OnCommand(id))
            m_pViewWidget->AfterDocumentCommand();
        break;
    }
    UpdateCommandUi();
}

std::optional<CCommandState> CMainFrame::CommandState(int id) const
{
    switch (id) {
    case CmdId::ViewChooser: return CCommandState{true, !m_wndChooser->isHidden()};
    case CmdId::ViewControls: return CCommandState{true, !m_wndControlsBar->isHidden()};
    case CmdId::ViewDisplay: return CCommandState{true, !m_wndDisplayBar->isHidden()};
    case CmdId::ViewMeasurements: return CCommandState{true, !m_wndMeasurements->isHidden()};
    case CmdId::CompareCircuits:
    case CmdId::FullScreen:
    case CmdId::AppExit:
    case CmdId::AppAbout:
    case CmdId::SavePicture:
    case CmdId::CopyPicture: return CCommandState{};
    case CmdId::ResetDefaults: return CCommandState{m_pSettings != nullptr, false};
    default: break;
    }
    if (auto state = m_pViewWidget->CommandState(id))
        return state;
    return m_doc.CommandState(id);
}

void CMainFrame::UpdateCommandUi()
{
    for (const auto& [id, action] : m_menuActions) {
        if (const auto state = CommandState(id)) {
            action->setEnabled(state->bEnabled);
            action->setChecked(state->bChecked);
        }
    }
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        QAction* action = m_wndChooser->Action(entry.nCommandId);
        action->setEnabled(m_doc.CircuitForCommand(entry.nCommandId) != nullptr);
        action->setChecked(m_doc.IsCommandChecked(entry.nCommandId));
    }
    // The clock's controls in the display bar.
    const bool paused = m_pViewWidget->IsPaused();
    m_pDisplay->ShowAltCaption(CmdId::Pause, paused);
    m_pDisplay->SetEnabled(CmdId::StepTick, m_pViewWidget->IsStandingStill());
    for (const int id : {CmdId::SpeedNormal, CmdId::SpeedHalf, CmdId::SpeedQuarter})
        m_pDisplay->SetChecked(id, CommandState(id)->bChecked);
}

void CMainFrame::ClockChanged()
{
    UpdateCommandUi();
    RatesChanged();
}

void CMainFrame::RatesChanged()
{
    // Paused, every step and the pause itself show the graph as it stands.
    if (!m_wndMeasurements->isHidden())
        m_pMeasurements->Refresh(m_pViewWidget->IsPaused());
}

void CMainFrame::RecordView(CTarrowinView* view)
{
    m_pView = view;
    // From the event loop, as the menu's command comes.
    if (view != nullptr && std::exchange(m_bFullScreenAtFirstFrame, false))
        QTimer::singleShot(0, this, [this] { OnCommand(CmdId::FullScreen); });
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The chooser may have taken another number of rows in the layout just done.
    layout()->activate();
    m_pFitter->Fit();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Every way out passes here: Exit, its key and the window's close button.
    if (m_pSettings != nullptr)
        m_pSettings->Save();
    QMainWindow::closeEvent(event);
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
    // view lays the circuit out again on its resize; the bars fit the room
    // they have now.
    bar->setVisible(bar->isHidden());
    m_pFitter->Fit();
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

void CMainFrame::ShowElectronKey(int bitmapId)
{
    if (CPictureControl* key = m_pDisplay->Picture(CmdId::ElectronKey))
        key->ShowResource(bitmapId);
}

void CMainFrame::EnableResistorButtons(bool less, bool more)
{
    m_pControls->SetEnabled(CmdId::ResistanceDown, less);
    m_pControls->SetEnabled(CmdId::ResistanceUp, more);
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
    m_bRestoreMeasurements = !m_wndMeasurements->isHidden();
    m_wndMeasurements->hide();
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
    m_wndMeasurements->setVisible(m_bRestoreMeasurements);
    m_pFitter->Fit();
    setWindowState(m_restoreState & ~Qt::WindowFullScreen);
    if (!(m_restoreState & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        setGeometry(restore);
    UpdateCommandUi();
}
