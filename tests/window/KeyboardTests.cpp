// Every key reaches its command, in full screen too; Tab reaches every control; a pause stops
// all that moves; steps from a pause are the very ticks the running program takes.
#include "WindowFixture.h"

#include "app/CircuitChooser.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/MenuTable.h"

#include <QAction>
#include <QKeySequence>
#include <QProgressBar>
#include <QSignalSpy>
#include <QToolButton>

#include <map>

class Keyboard : public WindowTest {};

namespace {

// The keys as the README and the guide document them, by command.
// clang-format off
const std::multimap<int, QKeyCombination> kDocumentedKeys{
    {CmdId::NextCircuit, Qt::Key_PageDown}, {CmdId::PreviousCircuit, Qt::Key_PageUp},
    {CmdId::Cells0, Qt::Key_0}, {CmdId::Cells1, Qt::Key_1}, {CmdId::Cells2, Qt::Key_2}, {CmdId::Cells3, Qt::Key_3},
    {CmdId::SwitchPolarity, Qt::Key_R}, {CmdId::ToggleSwitch, Qt::Key_S},
    {CmdId::ResistanceDown, Qt::Key_Minus}, {CmdId::ResistanceUp, Qt::Key_Plus}, {CmdId::ResistanceUp, Qt::Key_Equal},
    {CmdId::TagElectron, Qt::Key_T}, {CmdId::VaryMeanSpeed, Qt::Key_V}, {CmdId::Pulsate, Qt::Key_P},
    {CmdId::DisplayBallModel, Qt::Key_M}, {CmdId::DisplayDiagram, Qt::Key_D}, {CmdId::DisplayPicture, Qt::Key_I},
    {CmdId::ShowLabels, Qt::Key_L}, {CmdId::ViewMeasurements, Qt::Key_G},
    {CmdId::PaletteColourBlind, Qt::Key_C}, {CmdId::PaletteStandard, Qt::ShiftModifier | Qt::Key_C},
    {CmdId::Pause, Qt::Key_Space}, {CmdId::Pause, Qt::Key_B}, {CmdId::StepTick, Qt::Key_Period},
    {CmdId::SpeedSlower, Qt::Key_BracketLeft}, {CmdId::SpeedFaster, Qt::Key_BracketRight},
    {CmdId::FullScreen, Qt::Key_F11}, {CmdId::FullScreen, Qt::Key_F5},
    {CmdId::SavePicture, Qt::ControlModifier | Qt::Key_S}, {CmdId::CopyPicture, Qt::ControlModifier | Qt::Key_C},
    {CmdId::AppExit, Qt::ControlModifier | Qt::Key_Q},
};
// clang-format on

}

TEST_F(Keyboard, EveryKeyReachesItsCommandAlsoInFullScreen)
{
    ShowActive();
    Tick();   // full screen is there from the first tick
    // The menus offer exactly the documented keys.
    std::multimap<int, QKeyCombination> offered;
    for (const CMenuEntry& menu : MainMenu())
        for (const CMenuItemEntry& item : menu.items)
            for (const CMenuItemEntry& entry :
                 item.submenu.empty() ? std::span<const CMenuItemEntry>(&item, 1) : item.submenu)
                if (entry.nId != 0)
                    for (const QKeySequence& key : m_frame->MenuAction(entry.nId)->shortcuts())
                        offered.emplace(entry.nId, key[0]);
    EXPECT_EQ(offered, kDocumentedKeys);
    std::map<int, int> reached;
    // The resistor's keys need the variable resistor, the switch's a switch;
    // a key of a command that does not apply does nothing.
    m_frame->OnCommand(CmdId::BulbVariableResistor);
    for (int i = 0; i < 7; ++i)   // the middle of the range, so that "-" and "+" both act
        m_frame->OnCommand(CmdId::ResistanceUp);
    for (const auto& [circuit, fullScreen] : {std::pair{CmdId::BulbVariableResistor, false}, {CmdId::BulbSwitch, true}})
        for (const auto& [id, key] : kDocumentedKeys) {
            // Exit closes the window; Save Picture waits for its dialogs.
            if (id == CmdId::AppExit || id == CmdId::SavePicture)
                continue;
            m_frame->OnCommand(circuit);
            m_frame->OnCommand(CmdId::SpeedHalf);   // both "[" and "]" can act
            if (m_frame->IsFullScreenMode() != fullScreen)
                m_frame->OnCommand(CmdId::FullScreen);
            QSignalSpy spy(m_frame->MenuAction(id), &QAction::triggered);
            const bool applies = m_frame->MenuAction(id)->isEnabled();
            Press(key);
            EXPECT_EQ(spy.count(), applies ? 1 : 0)
                << QKeySequence(key).toString().toStdString() << " full " << fullScreen;
            reached[key.toCombined()] += static_cast<int>(spy.count());
        }
    for (const auto& [key, count] : reached)
        EXPECT_GE(count, 1) << QKeySequence(key).toString().toStdString();
    // The speeds stop at their ends.
    for (const auto& [speed, key] :
         {std::pair{CmdId::SpeedQuarter, Qt::Key_BracketLeft}, {CmdId::SpeedNormal, Qt::Key_BracketRight}}) {
        m_frame->OnCommand(speed);
        Press(key);
        EXPECT_TRUE(m_frame->MenuAction(speed)->isChecked()) << speed;
        EXPECT_EQ(m_lesson->Pace().Slowdown(), speed == CmdId::SpeedQuarter ? 4 : 1);
    }
    Press(Qt::ControlModifier | Qt::Key_Q);
    EXPECT_FALSE(m_frame->isVisible());
}

TEST_F(Keyboard, TabReachesEveryControlSpacePressesItAndAClickGivesTheKeysBack)
{
    ShowActive();
    Tick();
    std::set<QWidget*> wanted;
    for (const CDialogBar* bar : {m_frame->ControlsBar(), m_frame->DisplayBar()})
        for (std::size_t i = 0; i < bar->ControlCount(); ++i)
            if (auto* button = qobject_cast<QAbstractButton*>(bar->ControlAt(i)); button && button->isEnabled())
                wanted.insert(button);
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        wanted.insert(m_frame->Chooser()->Button(entry.nCommandId));
    std::set<QWidget*> reached;
    for (int i = 0; i < 200 && reached.size() < wanted.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (wanted.count(QApplication::focusWidget()) != 0)
            reached.insert(QApplication::focusWidget());
    }
    EXPECT_EQ(reached.size(), wanted.size());
    for (int i = 0; i < 200 && QApplication::focusWidget() != &Button(CmdId::Cells2); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &Button(CmdId::Cells2));
    Press(Qt::Key_Space);
    EXPECT_EQ(Circuit().GetCells(), 2);
    EXPECT_FALSE(View().IsPaused());
    Click(CmdId::Cells3);
    EXPECT_EQ(QApplication::focusWidget(), &View());
    Press(Qt::Key_Space);
    EXPECT_TRUE(View().IsPaused());
    EXPECT_EQ(Circuit().GetCells(), 3);
}

TEST_F(Keyboard, APauseStopsEverythingThatMovesAndTheLogoKeepsItsTime)
{
    ShowActive();
    Press(Qt::Key_Space);   // during the logo, which keeps its time
    EXPECT_EQ(View().TimerInterval(), CTarrowinView::kSplashMs);
    View().OnTimer();   // and then gives way to the circuit, standing
    EXPECT_EQ(View().TickCount(), 0);
    Press(Qt::Key_B);
    Tick(100);   // into the intro, where the title pulses and the bar fills
    Press(Qt::Key_Period);   // a remote's "." pauses without a step
    const QImage frame = View().FrameImage().copy();
    const int progress = Controls().ProgressBar(CmdId::Progress)->value();
    const std::string state = TickState();
    QTest::qWait(1000);
    EXPECT_EQ(View().TimerInterval(), 0);
    EXPECT_EQ(TickState(), state);
    EXPECT_EQ(View().FrameImage(), frame);
    EXPECT_EQ(Controls().ProgressBar(CmdId::Progress)->value(), progress);
    Press(Qt::Key_Period);
    EXPECT_EQ(View().TickCount(), 101);
    // A circuit's title comes at the normal pace whatever the speed; the
    // lesson after it at the speed chosen, and so does the next title.
    m_frame->OnCommand(CmdId::SpeedQuarter);
    Press(Qt::Key_Space);
    EXPECT_EQ(View().TimerInterval(), CTarrowinView::kTickMs);
    Tick(CCircuit::kIntroFrames - 101);
    EXPECT_EQ(View().TimerInterval(), 4 * CTarrowinView::kTickMs);
    m_frame->OnCommand(CmdId::NextCircuit);
    EXPECT_EQ(View().TimerInterval(), CTarrowinView::kTickMs);
}

// Steps from a pause, with everything a teacher might do while paused in
// between, end exactly where as many running ticks do.
TEST_F(Keyboard, StepsFromAPauseAreTheTicksTheRunningProgramTakes)
{
    // A pause in the intro, and one after it while arcs are showing.
    constexpr int kBefore = 230;
    constexpr std::array kSteps{40, 10};
    Show();
    Tick(kBefore + kSteps[0] + kSteps[1]);
    const std::string running = TickState();
    const QImage runningFrame = View().FrameImage().copy();
    TearDown();
    SetUp();
    ShowActive();
    Tick(kBefore);
    Press(Qt::Key_Space);
    for (const int steps : kSteps) {
        for (const int id : {CmdId::ShowLabels, CmdId::TagElectron, CmdId::Pulsate, CmdId::TwoBulbsParallel,
                             CmdId::SingleBulb, CmdId::ShowLabels, CmdId::TagElectron, CmdId::Pulsate})
            m_frame->OnCommand(id);
        for (const QRect place : {QRect(0, 0, 500, 400), kNormalGeometry}) {
            m_frame->setGeometry(place);
            Settle();
        }
        for (int i = 0; i < steps; ++i)
            Press(Qt::Key_Period);
    }
    EXPECT_EQ(TickState(), running);
    EXPECT_EQ(View().FrameImage(), runningFrame);
}
