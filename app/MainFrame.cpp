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
#include "core/lesson/Lesson.h"
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
#include <QStringList>
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

CMainFrame::CMainFrame(CLesson& lesson) : m_lesson(lesson)
{
    setObjectName(QStringLiteral("MainFrame"));
    CreateMenu();
    m_wndChooser = new CCircuitChooser([this](int id) { OnCommand(id); }, this);
    addToolBar(Qt::TopToolBarArea, m_wndChooser);
    CreateBars();

    m_pViewWidget = new CTarrowinView(lesson, this);
    setCentralWidget(m_pViewWidget);
    m_pFitter = new CBarFitter(*this, {*m_pControls, *m_wndControlsBar}, {*m_pDisplay, *m_wndDisplayBar},
                               {*m_pMeasurements, *m_wndMeasurements}, *m_pViewWidget,
                               [this] { m_pViewWidget->RedrawPictures(); });
    KeepKeysWithView();
    m_pViewWidget->SetFrame(this);
    ShowBars();
    UpdateCommandUi();
}

CMainFrame::~CMainFrame() = default;

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
    m_pMeasurements = new CMeasurementsPanel(m_lesson.Doc());
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
                             QCoreApplication::translate(kCircuitContext, m_lesson.Title().c_str()));
        break;
    case CmdId::CopyPicture: PictureSaver::Copy(*m_pViewWidget); break;
    case CmdId::ResetDefaults:
        if (m_pSettings != nullptr) {
            LeaveFullScreen();
            showNormal();
            ApplySettings(CLessonSettings{});
            m_pSettings->Clear();
            CAppSettings::ShowAtStartPlace(*this);
        }
        break;
    default:
        if (!m_lesson.Run(id))
            return;
        ShowBars();
        m_pViewWidget->AfterCommand();
        // A new circuit's measurements start afresh at once, paused or not.
        RatesChanged();
        break;
    }
    UpdateCommandUi();
}

void CMainFrame::ApplySettings(const CLessonSettings& settings)
{
    m_lesson.Apply(settings);
    ShowBars();
    m_pViewWidget->AfterCommand();
    RatesChanged();
    UpdateCommandUi();
}

std::optional<CCommandState> CMainFrame::CommandState(int id) const
{
    switch (id) {
    case CmdId::CompareCircuits:
    case CmdId::FullScreen:
    case CmdId::AppExit:
    case CmdId::AppAbout:
    case CmdId::SavePicture:
    case CmdId::CopyPicture: return CCommandState{};
    case CmdId::ResetDefaults: return CCommandState{m_pSettings != nullptr, false};
    default: return m_lesson.State(id);
    }
}

void CMainFrame::UpdateCommandUi()
{
    m_nVersionShown = m_lesson.Version();
    for (const auto& [id, action] : m_menuActions) {
        if (const auto state = CommandState(id)) {
            action->setEnabled(state->bEnabled);
            action->setChecked(state->bChecked);
        }
    }
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        QAction* action = m_wndChooser->Action(entry.nCommandId);
        const auto state = m_lesson.State(entry.nCommandId);
        action->setEnabled(state && state->bEnabled);
        action->setChecked(state && state->bChecked);
    }
    // The controls bar's ids are the lesson's commands.
    for (const CDialogControl& control : ControlsBarLayout().controls) {
        if (const auto state = m_lesson.State(control.nId)) {
            m_pControls->SetEnabled(control.nId, state->bEnabled);
            m_pControls->SetChecked(control.nId, state->bChecked);
        }
    }
    // The display bar's: the clock's controls, and the key to the balls' colours.
    m_pDisplay->ShowAltCaption(CmdId::Pause, m_lesson.Pace().IsPaused());
    m_pDisplay->SetEnabled(CmdId::StepTick, m_lesson.CanStep());
    for (const int id : {CmdId::SpeedNormal, CmdId::SpeedHalf, CmdId::SpeedQuarter})
        m_pDisplay->SetChecked(id, m_lesson.State(id)->bChecked);
    if (CPictureControl* key = m_pDisplay->Picture(CmdId::ElectronKey))
        key->ShowResource(m_lesson.ElectronKeyId());
    ShowTitle();
}

void CMainFrame::ShowTitle()
{
    const QString name = QCoreApplication::translate(kCircuitContext, m_lesson.Title().c_str());
    setWindowTitle(
        QStringLiteral("%1 - %2").arg(QCoreApplication::translate(Strings::kContext, Strings::kAppTitle), name));
    // A screen reader names the animation by the circuit it shows.
    m_pViewWidget->setAccessibleName(name);
}

void CMainFrame::AfterTick()
{
    if (QProgressBar* progress = m_pControls->ProgressBar(CmdId::Progress))
        progress->setValue(m_lesson.Progress());
    // The measurements keep the needle's pace, and follow every single step.
    if (m_lesson.Readings() != m_nReadingsShown || m_lesson.Pace().IsPaused())
        RatesChanged();
    if (m_lesson.Version() != m_nVersionShown)
        UpdateCommandUi();
}

void CMainFrame::RatesChanged()
{
    m_nReadingsShown = m_lesson.Readings();
    // Paused, every step and the pause itself show the graph as it stands.
    if (!m_wndMeasurements->isHidden())
        m_pMeasurements->Refresh(m_lesson.Pace().IsPaused());
}

void CMainFrame::FirstFrameShown()
{
    // From the event loop, as the menu's command comes.
    if (std::exchange(m_bFullScreenAtFirstFrame, false))
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
    if (m_pSettings != nullptr) {
        // Full screen is for the one lesson: the window is remembered as it was before.
        LeaveFullScreen();
        m_pSettings->Write(m_lesson.Settings(), saveGeometry(), saveState());
    }
    QMainWindow::closeEvent(event);
}

bool CMainFrame::RestoreWindow(const QByteArray& geometry, const QByteArray& state, QStringList& ignored)
{
    const bool placed = !geometry.isEmpty() && restoreGeometry(geometry);
    if (!geometry.isEmpty() && !placed)
        ignored << QStringLiteral("window/geometry");
    if (!state.isEmpty() && !restoreState(state))
        ignored << QStringLiteral("window/state");
    // The lesson's bars win over those the state remembered.
    ShowBars();
    UpdateCommandUi();
    return placed;
}

void CMainFrame::ShowAboutBox()
{
    // Modal over the frame: the animation goes on behind it.
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::ShowBars()
{
    const auto shown = [this](int id) { return m_lesson.State(id)->bChecked; };
    const std::pair<QWidget*, int> bars[] = {{m_wndChooser, CmdId::ViewChooser},
                                             {m_wndControlsBar, CmdId::ViewControls},
                                             {m_wndDisplayBar, CmdId::ViewDisplay},
                                             {m_wndMeasurements, CmdId::ViewMeasurements}};
    bool changed = false;
    for (const auto& [bar, id] : bars) {
        if (bar->isHidden() == shown(id)) {
            bar->setVisible(shown(id));
            changed = true;
        }
    }
    // The main window's layout gives the view the space at once, and the
    // view lays the circuit out again on its resize; the bars fit the room
    // they have now.
    if (changed)
        m_pFitter->Fit();
}

CPictureControl* CMainFrame::CellsPictureControl()
{
    return m_pControls->Picture(CmdId::CellsPicture);
}

CPictureControl* CMainFrame::MeterControl()
{
    return m_pDisplay->Picture(CmdId::MeterFrame);
}

void CMainFrame::ToggleFullScreen()
{
    if (!m_lesson.IsStarted())
        return;
    if (IsFullScreenMode()) {
        LeaveFullScreen();
        return;
    }
    m_rcRestore = geometry();
    m_restoreState = windowState();
    m_bRestoreChooser = m_lesson.State(CmdId::ViewChooser)->bChecked;
    m_bRestoreMeasurements = m_lesson.State(CmdId::ViewMeasurements)->bChecked;
    // The view alone covers the screen: bars, menu and chooser go.
    ShowBarsAs({{CmdId::ViewChooser, false},
                {CmdId::ViewControls, false},
                {CmdId::ViewDisplay, false},
                {CmdId::ViewMeasurements, false}});
    menuBar()->hide();
    showFullScreen();
}

void CMainFrame::ShowBarsAs(std::initializer_list<std::pair<int, bool>> bars)
{
    for (const auto& [id, shown] : bars)
        if (m_lesson.State(id)->bChecked != shown)
            m_lesson.Run(id);
    ShowBars();
}

void CMainFrame::LeaveFullScreen()
{
    if (!IsFullScreenMode())
        return;
    const QRect restore = m_rcRestore;
    m_rcRestore = QRect();
    menuBar()->show();
    // Both bars come back, whatever was hidden before; the chooser and the panel as they were.
    ShowBarsAs({{CmdId::ViewChooser, m_bRestoreChooser},
                {CmdId::ViewControls, true},
                {CmdId::ViewDisplay, true},
                {CmdId::ViewMeasurements, m_bRestoreMeasurements}});
    m_pFitter->Fit();
    setWindowState(m_restoreState & ~Qt::WindowFullScreen);
    if (!(m_restoreState & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        setGeometry(restore);
    UpdateCommandUi();
}
