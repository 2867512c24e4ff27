// Every key reaches its command, in full screen too; Tab reaches every control; a pause stops
// all that moves; steps from a pause are the very ticks the running program takes.
#include "WindowFixture.h"

#include "app/CircuitChooser.h"
#include "res/CircuitCatalogue.h"
#include "res/MenuTable.h"

#include <QAction>
#include <QKeySequence>
#include <QProgressBar>
#include <QSignalSpy>

#include <map>

class Keyboard : public WindowTest {};

TEST_F(Keyboard, EveryKeyReachesItsCommandAlsoInFullScreen)
{
    ShowActive();
    Tick();   // full screen is there from the first tick
    std::map<std::string, int> reached;
    // The resistor's keys need the variable resistor, the switch's a switch;
    // a key of a command that does not apply does nothing.
    for (const auto& [circuit, fullScreen] : {std::pair{CmdId::BulbVariableResistor, false}, {CmdId::BulbSwitch, true}})
        for (const CMenuEntry& menu : MainMenu())
            for (const CMenuItemEntry& item : menu.items)
                for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(item.pszKeys))) {
                    // Exit closes the window; Save Picture waits for its dialogs.
                    if (key.isEmpty() || item.nId == CmdId::AppExit || item.nId == CmdId::SavePicture)
                        continue;
                    m_frame->OnCommand(circuit);
                    m_frame->OnCommand(CmdId::SpeedHalf);   // both "[" and "]" can act
                    if (m_frame->IsFullScreenMode() != fullScreen)
                        m_frame->OnCommand(CmdId::FullScreen);
                    QSignalSpy spy(m_frame->MenuAction(item.nId), &QAction::triggered);
                    const bool applies = m_frame->MenuAction(item.nId)->isEnabled();
                    Press(key[0]);
                    EXPECT_EQ(spy.count(), applies ? 1 : 0) << key.toString().toStdString() << " full " << fullScreen;
                    reached[key.toString().toStdString()] += static_cast<int>(spy.count());
                }
    for (const auto& [key, count] : reached)
        EXPECT_GE(count, 1) << key;
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
        wanted.insert(m_frame->Chooser()->widgetForAction(m_frame->Chooser()->Action(entry.nCommandId)));
    std::set<QWidget*> reached;
    for (int i = 0; i < 200 && reached.size() < wanted.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (wanted.count(QApplication::focusWidget()) != 0)
            reached.insert(QApplication::focusWidget());
    }
    EXPECT_EQ(reached.size(), wanted.size());
    while (QApplication::focusWidget() != &Button(CmdId::Cells2))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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
    m_frame->OnCommand(CmdId::SpeedQuarter);
    Press(Qt::Key_Space);
    EXPECT_EQ(View().TimerInterval(), 4 * CTarrowinView::kTickMs);
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
