// The main frame: its state at start-up, the View menu's bar toggles and
// full-screen mode with Escape.
#include "WindowFixture.h"

#include "app/CircuitChooser.h"
#include "core/circuits/CircuitCatalogue.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QProgressBar>

#include <map>

using StartUp = WindowTest;

TEST_F(StartUp, TitleAndControlsBarShowTheSingleBulbDefaults)
{
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Tarrowin - Single Bulb"));
    EXPECT_EQ(CheckedSyncedIds(), StartUpChecked());
    for (const int id : kSyncedIds)
        EXPECT_TRUE(Button(id).isEnabled()) << "control " << id;
    for (const int id : {CmdId::SwitchOn, CmdId::SwitchOff, CmdId::ResistanceDown, CmdId::ResistanceUp})
        EXPECT_FALSE(Button(id).isEnabled()) << "control " << id;
    EXPECT_FALSE(Checked(CmdId::SwitchOn));
    EXPECT_FALSE(Checked(CmdId::SwitchOff));
    QProgressBar* progress = Controls().ProgressBar(CmdId::Progress);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 100);
}

TEST_F(StartUp, OnlyTheSingleBulbIsCheckedAndEveryCircuitAvailable)
{
    ASSERT_EQ(CircuitCatalogue().size(), 14u);
    int built = 0;
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        const bool single = entry.nCommandId == CmdId::SingleBulb;
        const bool available = m_doc->CircuitForCommand(entry.nCommandId) != nullptr;
        built += available ? 1 : 0;
        for (QAction* action : {m_frame->MenuAction(entry.nCommandId), m_frame->Chooser()->Action(entry.nCommandId)}) {
            ASSERT_NE(action, nullptr) << entry.pszMenuCaption;
            EXPECT_EQ(action->isChecked(), single) << entry.pszMenuCaption;
            EXPECT_EQ(action->isEnabled(), available) << entry.pszMenuCaption;
        }
    }
    EXPECT_EQ(built, static_cast<int>(CircuitCatalogue().size()));
}

TEST_F(StartUp, BarsAreShownAndFixedInPlaceWithoutContextMenu)
{
    for (const int id : {CmdId::ViewChooser, CmdId::ViewControls, CmdId::ViewDisplay})
        EXPECT_TRUE(m_frame->MenuAction(id)->isChecked()) << id;
    for (QDockWidget* dock : {m_frame->ControlsDock(), m_frame->DisplayDock()})
        EXPECT_EQ(dock->features(), QDockWidget::NoDockWidgetFeatures);
    EXPECT_EQ(m_frame->dockWidgetArea(m_frame->ControlsDock()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(m_frame->dockWidgetArea(m_frame->DisplayDock()), Qt::RightDockWidgetArea);
    EXPECT_FALSE(m_frame->Chooser()->isMovable());
    EXPECT_FALSE(m_frame->Chooser()->isFloatable());
    EXPECT_EQ(m_frame->createPopupMenu(), nullptr);
}

// --- View menu toggles ---------------------------------------------------

struct BarToggle {
    const char* name;
    int id;
    QWidget* (*bar)(CMainFrame&);
};

void PrintTo(const BarToggle& toggle, std::ostream* os)
{
    *os << toggle.name;
}

class ViewToggles : public WindowTest, public ::testing::WithParamInterface<BarToggle> {};

TEST_P(ViewToggles, HideAndShowResizeTheViewAtOnce)
{
    Show();
    Tick();
    QWidget* bar = GetParam().bar(*m_frame);
    QAction* item = m_frame->MenuAction(GetParam().id);
    const QSize before = View().size();

    m_frame->OnCommand(GetParam().id);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(item->isChecked());
    Settle();
    EXPECT_GT(View().width() * View().height(), before.width() * before.height());
    EXPECT_EQ(View().FrameImage().size(), ViewDeviceSize());   // laid out on the resize, not the next tick

    item->trigger();   // as the user shows it again
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(item->isChecked());
    Settle();
    EXPECT_EQ(View().size(), before);
    EXPECT_EQ(View().FrameImage().size(), ViewDeviceSize());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bars, ViewToggles,
    ::testing::Values(BarToggle{"Chooser", CmdId::ViewChooser, [](CMainFrame& f) -> QWidget* { return f.Chooser(); }},
                      BarToggle{"Controls", CmdId::ViewControls,
                                [](CMainFrame& f) -> QWidget* { return f.ControlsDock(); }},
                      BarToggle{"Display", CmdId::ViewDisplay,
                                [](CMainFrame& f) -> QWidget* { return f.DisplayDock(); }}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- full-screen mode ----------------------------------------------------

class FullScreen : public WindowTest {
protected:
    void Enter()
    {
        m_geometry = m_frame->geometry();
        m_frameGeometry = m_frame->frameGeometry();
        m_frame->OnCommand(CmdId::FullScreen);
        Settle();
    }

    void ExpectRestored()
    {
        EXPECT_FALSE(m_frame->IsFullScreenMode());
        EXPECT_FALSE(m_frame->windowState() & Qt::WindowFullScreen);
        EXPECT_EQ(m_frame->geometry(), m_geometry);
        EXPECT_EQ(m_frame->frameGeometry(), m_frameGeometry);
        EXPECT_FALSE(m_frame->ControlsDock()->isHidden());
        EXPECT_FALSE(m_frame->DisplayDock()->isHidden());
        EXPECT_TRUE(m_frame->MenuAction(CmdId::ViewControls)->isChecked());
        EXPECT_TRUE(m_frame->MenuAction(CmdId::ViewDisplay)->isChecked());
    }

    void ExpectViewCoversScreen()
    {
        EXPECT_TRUE(m_frame->IsFullScreenMode());
        EXPECT_TRUE(m_frame->ControlsDock()->isHidden());
        EXPECT_TRUE(m_frame->DisplayDock()->isHidden());
        EXPECT_EQ(QRect(View().mapToGlobal(QPoint(0, 0)), View().size()), m_frame->screen()->geometry());
    }

    QRect m_geometry;
    QRect m_frameGeometry;
};

TEST_F(FullScreen, DoesNothingBeforeTheFirstTick)
{
    Show();
    Enter();
    ASSERT_TRUE(View().IsSplashShowing());
    ExpectRestored();
}

TEST_F(FullScreen, ViewAloneCoversTheScreenAndTheCommandAgainRestores)
{
    Show();
    Tick();
    Enter();
    ExpectViewCoversScreen();
    Tick();
    EXPECT_EQ(View().FrameImage().size(), ViewDeviceSize());
    m_frame->OnCommand(CmdId::FullScreen);
    Settle();
    ExpectRestored();
}

// Escape is recorded application-wide, so any widget may receive it. Both
// bars come back, also one that was hidden before.
class EscapeTarget : public FullScreen, public ::testing::WithParamInterface<const char*> {};

TEST_P(EscapeTarget, NextTickRestoresThePlaceAndBothBars)
{
    Show();
    Tick();
    m_frame->OnCommand(CmdId::ViewControls);
    Settle();
    Enter();
    ExpectViewCoversScreen();

    QWidget other;   // a window of its own, outside the frame
    const std::string target = GetParam();
    if (target == "OtherWindow")
        other.show();
    QTest::keyClick(target == "View" ? &View() : target == "Frame" ? m_frame.get() : &other, Qt::Key_Escape);
    Tick();
    Settle();
    ExpectRestored();
}

INSTANTIATE_TEST_SUITE_P(Widgets, EscapeTarget, ::testing::Values("View", "Frame", "OtherWindow"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(FullScreen, EscapeOutsideFullScreenDoesNothing)
{
    Show();
    Tick();
    m_frame->OnCommand(CmdId::ViewDisplay);
    Settle();
    const QRect geometry = m_frame->geometry();
    QTest::keyClick(&View(), Qt::Key_Escape);
    Tick();
    Settle();
    EXPECT_FALSE(m_frame->IsFullScreenMode());
    EXPECT_EQ(m_frame->geometry(), geometry);
    EXPECT_TRUE(m_frame->DisplayDock()->isHidden());

    // That press was used up by its tick: it does not end a later full screen.
    Enter();
    Tick();
    Settle();
    ExpectViewCoversScreen();
}

// Whatever bars were shown: the chooser comes back as it was, both bars
// come back, and the View menu's checks say what is shown.
TEST_F(FullScreen, RoundTripFromEveryCombinationOfBars)
{
    Show();
    Tick();
    const std::array<std::pair<int, QWidget*>, 3> bars{{{CmdId::ViewChooser, m_frame->Chooser()},
                                                        {CmdId::ViewControls, m_frame->ControlsDock()},
                                                        {CmdId::ViewDisplay, m_frame->DisplayDock()}}};
    for (int hidden = 0; hidden < 8; ++hidden) {
        for (std::size_t i = 0; i < bars.size(); ++i)
            if (bars[i].second->isHidden() != ((hidden >> i & 1) != 0))
                m_frame->OnCommand(bars[i].first);
        Settle();
        Enter();
        ExpectViewCoversScreen();
        QTest::keyClick(&View(), Qt::Key_Escape);
        Tick();
        Settle();
        ExpectRestored();
        EXPECT_EQ(m_frame->Chooser()->isHidden(), (hidden & 1) != 0) << "bars hidden: " << hidden;
        for (const auto& [id, bar] : bars)
            EXPECT_EQ(m_frame->MenuAction(id)->isChecked(), !bar->isHidden()) << "bars hidden: " << hidden;
    }
}

// A circuit's group follows from its parts, as its labels name them: a
// switch; a bulb with a resistor; resistors alone; bulbs alone. The menu and
// the chooser separate exactly where that changes.
TEST_F(StartUp, MenuAndChooserSeparatorsFallBetweenTheCircuitGroups)
{
    const auto group = [this](int id) {
        bool bulb = false;
        bool resistor = false;
        bool sw = false;
        for (const CComponentLabel& label : m_doc->CircuitForCommand(id)->Labels()) {
            bulb = bulb || label.m_strName.find("bulb") != std::string::npos;
            resistor = resistor || label.m_strName.find("resistor") != std::string::npos;
            sw = sw || label.m_strName.find("switch") != std::string::npos;
        }
        return sw ? '2' : bulb && resistor ? '3' : resistor ? '4' : '1';
    };
    std::string expected;
    std::map<QAction*, int> ids;
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        const char g = group(entry.nCommandId);
        if (!expected.empty() && expected.back() != g)
            expected += '|';
        expected += g;
        ids[m_frame->MenuAction(entry.nCommandId)] = entry.nCommandId;
        ids[m_frame->Chooser()->Action(entry.nCommandId)] = entry.nCommandId;
    }
    EXPECT_EQ(expected, "1111|222|333|4444");
    const QMenu* submenu = nullptr;
    for (const QMenu* menu : m_frame->findChildren<QMenu*>())
        if (menu->actions().contains(m_frame->MenuAction(CmdId::SingleBulb)))
            submenu = menu;
    ASSERT_NE(submenu, nullptr);
    for (const QList<QAction*>& actions : {submenu->actions(), m_frame->Chooser()->Items()}) {
        std::string shown;
        for (QAction* action : actions)
            shown += action->isSeparator() ? '|' : group(ids.at(action));
        EXPECT_EQ(shown, expected);
    }
}
