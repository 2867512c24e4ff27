// The controls bar: clicks reach the current circuit, and after a circuit
// change the view brings the bar in line with that circuit's settings.
#include "WindowFixture.h"

#include "core/circuits/BulbVariableResistorCircuit.h"
#include "platform/Resources.h"
#include "core/res/ResourceIds.h"
#include "view/PictureControl.h"

#include <QAction>
#include <QSignalSpy>

#include <cstdlib>
#include <set>
#include <tuple>

namespace {

// Everything a controls-bar command could change.
auto Settings(const CCircuit& c)
{
    return std::make_tuple(c.GetCells(), c.IsReversed(), c.GetDisplayMode(), c.GetShowLabels(), c.GetTagged(),
                           c.GetVaryMeanSpeed(), c.GetPulsate(), c.IsSwitchOpen());
}

}

class ControlsBarCommands : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Show();
    }

    // The cells picture is checked without any tick, so it must come from
    // the command itself.
    void ExpectCellsPicture(int resourceId)
    {
        CPictureControl* picture = Controls().Picture(CmdId::CellsPicture);
        ASSERT_FALSE(picture->Image().isNull());
        EXPECT_EQ(picture->Image(), LoadResourceImage(resourceId, picture->devicePixelRatioF()));
    }
};

TEST_F(ControlsBarCommands, CellsAndPolaritySetTheCountAndThePictureAtOnce)
{
    // Cells keep the reversed sign; no cell looks the same either way round.
    const std::array<std::tuple<int, int, int>, 8> steps{{{CmdId::Cells2, 2, ResId::CellsTwo},
                                                          {CmdId::Cells0, 0, ResId::CellsNone},
                                                          {CmdId::Cells3, 3, ResId::CellsThree},
                                                          {CmdId::SwitchPolarity, -3, ResId::CellsThreeReversed},
                                                          {CmdId::Cells2, -2, ResId::CellsTwoReversed},
                                                          {CmdId::Cells0, 0, ResId::CellsNone},
                                                          {CmdId::SwitchPolarity, 0, ResId::CellsNone},
                                                          {CmdId::Cells1, 1, ResId::CellsOne}}};
    for (const auto& [id, cells, picture] : steps) {
        Click(id);
        EXPECT_EQ(Circuit().GetCells(), cells);
        EXPECT_DOUBLE_EQ(Circuit().GetVoltage(), 1.5 * cells);
        ExpectCellsPicture(picture);
        EXPECT_EQ(CheckedSyncedIds().count(CmdId::kCells[static_cast<std::size_t>(std::abs(cells))]), 1u);
    }
    EXPECT_FALSE(Checked(CmdId::SwitchPolarity));
}

TEST_F(ControlsBarCommands, DisplayButtonsSetTheModeExclusively)
{
    const std::array<std::pair<int, DisplayMode>, 3> cases{{{CmdId::DisplayDiagram, DisplayMode::Diagram},
                                                            {CmdId::DisplayPicture, DisplayMode::Picture},
                                                            {CmdId::DisplayBallModel, DisplayMode::BallModel}}};
    for (const auto& [id, mode] : cases) {
        Click(id);
        EXPECT_EQ(Circuit().GetDisplayMode(), mode);
        for (const auto& [other, unused] : cases)
            EXPECT_EQ(Checked(other), other == id) << "after " << id << ", control " << other;
    }
}

TEST_F(ControlsBarCommands, CheckBoxesFlipOnlyTheirOwnSettingBackAndForth)
{
    const std::array ids{CmdId::TagElectron, CmdId::ShowLabels, CmdId::VaryMeanSpeed, CmdId::Pulsate};
    const auto states = [this] {
        const CCircuit& c = Circuit();
        return std::array{c.GetTagged() != nullptr, c.GetShowLabels(), c.GetVaryMeanSpeed(), c.GetPulsate()};
    };
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            auto expected = states();
            expected[i] = !expected[i];
            Click(ids[i]);
            EXPECT_EQ(states(), expected) << "control " << ids[i] << ", round " << round;
            EXPECT_EQ(Checked(ids[i]), expected[i]) << "control " << ids[i] << ", round " << round;
        }
    }
    EXPECT_EQ(CheckedSyncedIds(), StartUpChecked());
}

TEST_F(ControlsBarCommands, SwitchAndResistorCommandsLeaveTheSingleBulbAlone)
{
    Click(CmdId::Cells3);
    const auto before = Settings(Circuit());
    const std::array ids{CmdId::SwitchOff, CmdId::SwitchOn, CmdId::ResistanceUp, CmdId::ResistanceDown};
    for (const int id : ids) {
        Click(id);   // disabled: goes nowhere
        m_frame->OnCommand(id);
    }
    EXPECT_EQ(Settings(Circuit()), before);
    for (const int id : ids) {
        EXPECT_FALSE(Button(id).isEnabled()) << id;
        EXPECT_FALSE(Checked(id)) << id;
    }
}

// --- sync after a circuit change -------------------------------------------

struct SyncCase {
    const char* name;
    void (*apply)(CCircuit&);
    std::set<int> checked;
};

void PrintTo(const SyncCase& sync, std::ostream* os)
{
    *os << sync.name;
}

class ControlsSync : public WindowTest, public ::testing::WithParamInterface<SyncCase> {};

TEST_P(ControlsSync, FollowsTheCircuitAsSoonAsItIsChosen)
{
    Show();
    Tick();
    GetParam().apply(Circuit());   // behind the bar's back: only the sync can show it
    const auto settings = Settings(Circuit());
    m_frame->OnCommand(CmdId::SingleBulb);
    EXPECT_TRUE(m_frame->MenuAction(CmdId::SingleBulb)->isChecked());
    EXPECT_EQ(CheckedSyncedIds(), GetParam().checked);   // at once, before the tick
    Tick();
    EXPECT_EQ(CheckedSyncedIds(), GetParam().checked);
    EXPECT_EQ(Settings(Circuit()), settings);   // states set without sending commands
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Settings, ControlsSync,
    ::testing::Values(
        SyncCase{"EverythingChanged",
                 [](CCircuit& c) {
                     c.SetDisplayMode(DisplayMode::Picture); c.ToggleLabels(); c.ToggleTag(); c.ToggleVaryMeanSpeed();
                     c.TogglePulsate(); c.SetCells(3); c.SwitchPolarity();
                 },
                 {CmdId::DisplayPicture, CmdId::TagElectron, CmdId::ShowLabels, CmdId::VaryMeanSpeed, CmdId::Cells3}},
        SyncCase{"DiagramNoCells", [](CCircuit& c) { c.SetDisplayMode(DisplayMode::Diagram); c.SetCells(0); },
                 {CmdId::DisplayDiagram, CmdId::Pulsate, CmdId::Cells0}},
        SyncCase{"ReversedTwoCells", [](CCircuit& c) { c.SetCells(2); c.SwitchPolarity(); },
                 {CmdId::DisplayBallModel, CmdId::Pulsate, CmdId::Cells2}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- rough handling ---------------------------------------------------------

using ControlsBarAbuse = WindowTest;

TEST_F(ControlsBarAbuse, RapidClicksDuringTheSplashThenTicks)
{
    Show();
    for (int round = 0; round < 3; ++round) {
        for (const int id : {CmdId::DisplayBallModel, CmdId::DisplayDiagram, CmdId::DisplayPicture,
                             CmdId::SwitchPolarity, CmdId::TagElectron, CmdId::ShowLabels, CmdId::SwitchOff,
                             CmdId::SwitchOn, CmdId::Cells0, CmdId::Cells1, CmdId::Cells2, CmdId::Cells3,
                             CmdId::VaryMeanSpeed, CmdId::Pulsate, CmdId::ResistanceDown, CmdId::ResistanceUp}) {
            Click(id);
            QTest::mouseDClick(&Button(id), Qt::LeftButton);
            m_frame->OnCommand(id);
        }
    }
    ASSERT_TRUE(View().IsSplashShowing());
    Tick(20);

    m_frame->OnCommand(CmdId::SingleBulb);
    Tick();
    const CCircuit& c = Circuit();
    std::set<int> expected{CmdId::kDisplays[static_cast<std::size_t>(c.GetDisplayMode())],
                           CmdId::kCells[static_cast<std::size_t>(std::abs(c.GetCells()))]};
    for (const auto& [id, on] : {std::pair{CmdId::TagElectron, c.GetTagged() != nullptr},
                                 {CmdId::ShowLabels, c.GetShowLabels()},
                                 {CmdId::VaryMeanSpeed, c.GetVaryMeanSpeed()},
                                 {CmdId::Pulsate, c.GetPulsate()}})
        if (on)
            expected.insert(id);
    EXPECT_EQ(CheckedSyncedIds(), expected);
    EXPECT_EQ(View().FrameImage().size(), ViewDeviceSize());
}

// --- the switch buttons follow the circuit that is current ---

TEST_F(ControlsBarCommands, SwitchButtonsServeOnlySwitchCircuitsAndShowTheirOwnSwitch)
{
    const auto expectSwitchButtons = [&](bool enabled, bool on, bool off, const char* where) {
        EXPECT_EQ(Button(CmdId::SwitchOn).isEnabled(), enabled) << where;
        EXPECT_EQ(Button(CmdId::SwitchOff).isEnabled(), enabled) << where;
        if (enabled) {
            EXPECT_EQ(Checked(CmdId::SwitchOn), on) << where;
            EXPECT_EQ(Checked(CmdId::SwitchOff), off) << where;
        }
    };
    CCircuit* bulbSwitch = m_doc->CircuitForCommand(CmdId::BulbSwitch);
    ASSERT_NE(bulbSwitch, nullptr);

    m_frame->OnCommand(CmdId::BulbSwitch);
    expectSwitchButtons(true, true, false, "a closed switch");
    Click(CmdId::SwitchOff);
    EXPECT_TRUE(bulbSwitch->IsSwitchOpen());
    expectSwitchButtons(true, false, true, "opened with off");

    // Another switch circuit shows its own, still closed, switch.
    m_frame->OnCommand(CmdId::ParallelBulbsOneSwitched);
    expectSwitchButtons(true, true, false, "the other circuit");
    EXPECT_TRUE(bulbSwitch->IsSwitchOpen());

    for (const int id : {CmdId::SingleBulb, CmdId::TwoBulbsSeries, CmdId::TwoBulbsParallel, CmdId::ThreeBulbs}) {
        m_frame->OnCommand(id);
        expectSwitchButtons(false, false, false, "no switch");
    }

    m_frame->OnCommand(CmdId::BulbSwitch);
    expectSwitchButtons(true, false, true, "back to the open switch");
    const int version = bulbSwitch->LayoutVersion();
    Click(CmdId::SwitchOn);
    EXPECT_FALSE(bulbSwitch->IsSwitchOpen());
    EXPECT_NE(bulbSwitch->LayoutVersion(), version);
}

// At each end of its range the variable resistor's button, menu item and key
// for going further are greyed and do nothing; a held key stops there.
TEST_F(ControlsBarCommands, TheVariableResistorGreysEachWayAtItsEnd)
{
    const auto greyed = [this](int id) { return !Button(id).isEnabled() && !m_frame->MenuAction(id)->isEnabled(); };
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    View().setFocus();
    Tick();
    m_frame->OnCommand(CmdId::BulbVariableResistor);
    EXPECT_TRUE(greyed(CmdId::ResistanceDown) && !greyed(CmdId::ResistanceUp));
    Press(Qt::Key_Plus, 20);
    EXPECT_EQ(m_doc->VariableResistorCircuit().ResistanceStep(), 14);
    EXPECT_TRUE(greyed(CmdId::ResistanceUp) && !greyed(CmdId::ResistanceDown));
    QSignalSpy more(m_frame->MenuAction(CmdId::ResistanceUp), &QAction::triggered);
    Press(Qt::Key_Plus);
    EXPECT_EQ(more.count(), 0);
    Click(CmdId::ResistanceDown);
    EXPECT_EQ(m_doc->VariableResistorCircuit().ResistanceStep(), 13);
    EXPECT_FALSE(greyed(CmdId::ResistanceUp) || greyed(CmdId::ResistanceDown));
}
