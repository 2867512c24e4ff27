// The lesson answers every command the same way whatever shows it: every
// command from every state, checked against what each command says it does
// and against what the menus, bars and keys must then show.
#include <gtest/gtest.h>

#include "core/lesson/Lesson.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/CommandIds.h"
#include "core/res/DialogLayouts.h"
#include "core/res/MenuTable.h"

#include <functional>
#include <map>
#include <tuple>
#include <set>
#include <vector>

namespace {

using Setup = std::vector<int>;   // commands from a fresh lesson

// States a class reaches: each a run of commands from the start.
const std::vector<Setup> kStates{
    {},
    {CmdId::Pause},
    {CmdId::BulbVariableResistor},
    {CmdId::BulbVariableResistor, CmdId::ResistanceUp, CmdId::ResistanceUp},
    {CmdId::BulbVariableResistor, CmdId::Pause, CmdId::ResistanceDown, CmdId::ResistanceUp},
    {CmdId::BulbSwitch, CmdId::SwitchOff, CmdId::SpeedQuarter, CmdId::ViewChooser},
    {CmdId::ParallelBulbsBothSwitched, CmdId::ToggleSwitch, CmdId::Cells3, CmdId::SwitchPolarity, CmdId::Pulsate},
    {CmdId::UnequalResistorsParallel, CmdId::DisplayPicture, CmdId::ShowLabels, CmdId::PaletteColourBlind,
     CmdId::SpeedHalf, CmdId::ViewMeasurements, CmdId::VaryMeanSpeed, CmdId::TagElectron, CmdId::Cells0},
};

void Ids(std::span<const CMenuItemEntry> items, std::set<int>& ids)
{
    for (const CMenuItemEntry& item : items) {
        if (item.nId != 0)
            ids.insert(item.nId);
        Ids(item.submenu, ids);
    }
}

// Every command a menu, the chooser, a bar or a key can send.
std::set<int> AllCommands()
{
    std::set<int> ids;
    for (const CMenuEntry& menu : MainMenu())
        Ids(menu.items, ids);
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        ids.insert(entry.nCommandId);
    for (const CDialogControl& control : ControlsBarLayout().controls)
        ids.insert(control.nId);
    for (const int id : {CmdId::Pause, CmdId::StepTick, CmdId::SpeedNormal, CmdId::SpeedHalf, CmdId::SpeedQuarter})
        ids.insert(id);
    return ids;
}

bool Checked(const CLesson& lesson, int id)
{
    return lesson.State(id).value_or(CCommandState{false, false}).bChecked;
}

bool Enabled(const CLesson& lesson, int id)
{
    return lesson.State(id).value_or(CCommandState{false, false}).bEnabled;
}

// What the menus and bars must show of the settings the lesson holds.
void ExpectStatesShow(const CLesson& lesson, const std::string& where)
{
    const CLessonSettings s = lesson.Settings();
    const auto catalogue = CircuitCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        EXPECT_EQ(Checked(lesson, catalogue[i].nCommandId), s.circuit == static_cast<int>(i) + 1) << where;
    for (std::size_t i = 0; i < CmdId::kDisplays.size(); ++i)
        EXPECT_EQ(Checked(lesson, CmdId::kDisplays[i]), s.display == static_cast<DisplayMode>(i)) << where;
    for (std::size_t i = 0; i < CmdId::kCells.size(); ++i)
        EXPECT_EQ(Checked(lesson, CmdId::kCells[i]), s.cells == static_cast<int>(i)) << where;
    EXPECT_EQ(lesson.Cells(), s.reversed ? -s.cells : s.cells) << where;
    for (std::size_t i = 0; i < CmdId::kSpeeds.size(); ++i)
        EXPECT_EQ(Checked(lesson, CmdId::kSpeeds[i]), s.slowdown == 1 << i) << where;
    EXPECT_EQ(Enabled(lesson, CmdId::SpeedSlower), s.slowdown < 4) << where;
    EXPECT_EQ(Enabled(lesson, CmdId::SpeedFaster), s.slowdown > 1) << where;
    EXPECT_EQ(Checked(lesson, CmdId::PaletteStandard), s.palette == 0) << where;
    EXPECT_EQ(Checked(lesson, CmdId::PaletteColourBlind), s.palette == 1) << where;
    for (const auto& [id, on] : {std::pair{CmdId::ShowLabels, s.labels},
                                 {CmdId::VaryMeanSpeed, s.vary},
                                 {CmdId::Pulsate, s.pulsate},
                                 {CmdId::ViewChooser, s.chooser},
                                 {CmdId::ViewControls, s.controls},
                                 {CmdId::ViewDisplay, s.displayBar},
                                 {CmdId::ViewMeasurements, s.measurements}})
        EXPECT_EQ(Checked(lesson, id), on) << where << " " << id;
    // "on" and "off" only where a switch is shown; "-" and "+" only with the variable resistor, greyed at its ends.
    const bool switched = s.circuit >= 5 && s.circuit <= 7;
    EXPECT_EQ(Enabled(lesson, CmdId::SwitchOn) && Enabled(lesson, CmdId::SwitchOff), switched) << where;
    EXPECT_EQ(Checked(lesson, CmdId::SwitchOff), switched && s.switchOpen) << where;
    EXPECT_EQ(Checked(lesson, CmdId::SwitchOn), switched && !s.switchOpen) << where;
    const bool resistor = s.circuit == 10;
    EXPECT_EQ(Enabled(lesson, CmdId::ResistanceDown), resistor && s.resistor > 0) << where;
    EXPECT_EQ(Enabled(lesson, CmdId::ResistanceUp), resistor && s.resistor < 14) << where;
    EXPECT_EQ(lesson.CanStep(), lesson.Pace().IsPaused()) << where;
}

// What each command must do to the settings (those of the circuit chosen are its own).
void Expect(int id, const CLessonSettings& before, CLessonSettings& after)
{
    const auto catalogue = CircuitCatalogue();
    const int count = static_cast<int>(catalogue.size());
    // The neighbours round the end of the catalogue.
    if (id == CmdId::NextCircuit || id == CmdId::PreviousCircuit)
        id = catalogue[static_cast<std::size_t>((before.circuit - 1 + (id == CmdId::NextCircuit ? 1 : -1) + count) %
                                                count)]
                 .nCommandId;
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (catalogue[i].nCommandId == id) {
            const CLessonSettings own = after;
            after = before;
            after.circuit = static_cast<int>(i) + 1;
            std::tie(after.cells, after.reversed, after.vary, after.pulsate, after.switchOpen) =
                std::tie(own.cells, own.reversed, own.vary, own.pulsate, own.switchOpen);
            return;
        }
    const std::map<int, std::function<void(CLessonSettings&)>> effects{
        {CmdId::DisplayBallModel, [](auto& s) { s.display = DisplayMode::BallModel; }},
        {CmdId::DisplayDiagram, [](auto& s) { s.display = DisplayMode::Diagram; }},
        {CmdId::DisplayPicture, [](auto& s) { s.display = DisplayMode::Picture; }},
        {CmdId::Cells0, [](auto& s) { s.cells = 0; }},
        {CmdId::Cells1, [](auto& s) { s.cells = 1; }},
        {CmdId::Cells2, [](auto& s) { s.cells = 2; }},
        {CmdId::Cells3, [](auto& s) { s.cells = 3; }},
        {CmdId::SwitchPolarity, [](auto& s) { s.reversed = !s.reversed; }},
        {CmdId::ShowLabels, [](auto& s) { s.labels = !s.labels; }},
        {CmdId::VaryMeanSpeed, [](auto& s) { s.vary = !s.vary; }},
        {CmdId::Pulsate, [](auto& s) { s.pulsate = !s.pulsate; }},
        {CmdId::SwitchOn, [](auto& s) { s.switchOpen = false; }},
        {CmdId::SwitchOff, [](auto& s) { s.switchOpen = s.circuit >= 5 && s.circuit <= 7; }},
        {CmdId::ToggleSwitch, [](auto& s) { s.switchOpen = (s.circuit >= 5 && s.circuit <= 7) && !s.switchOpen; }},
        {CmdId::ResistanceDown, [](auto& s) { s.resistor -= s.circuit == 10 && s.resistor > 0; }},
        {CmdId::ResistanceUp, [](auto& s) { s.resistor += s.circuit == 10 && s.resistor < 14; }},
        {CmdId::PaletteStandard, [](auto& s) { s.palette = 0; }},
        {CmdId::PaletteColourBlind, [](auto& s) { s.palette = 1; }},
        {CmdId::SpeedNormal, [](auto& s) { s.slowdown = 1; }},
        {CmdId::SpeedHalf, [](auto& s) { s.slowdown = 2; }},
        {CmdId::SpeedQuarter, [](auto& s) { s.slowdown = 4; }},
        {CmdId::SpeedSlower, [](auto& s) { s.slowdown = std::min(4, s.slowdown * 2); }},
        {CmdId::SpeedFaster, [](auto& s) { s.slowdown = std::max(1, s.slowdown / 2); }},
        {CmdId::ViewChooser, [](auto& s) { s.chooser = !s.chooser; }},
        {CmdId::ViewControls, [](auto& s) { s.controls = !s.controls; }},
        {CmdId::ViewDisplay, [](auto& s) { s.displayBar = !s.displayBar; }},
        {CmdId::ViewMeasurements, [](auto& s) { s.measurements = !s.measurements; }},
    };
    after = before;
    if (const auto effect = effects.find(id); effect != effects.end())
        effect->second(after);
}

}

TEST(Lesson, EveryCommandFromEveryStateDoesWhatItSaysAndTheStatesShowIt)
{
    const std::set<int> commands = AllCommands();
    for (std::size_t state = 0; state < kStates.size(); ++state) {
        for (const int id : commands) {
            CLesson lesson;
            lesson.SetStarted();
            for (const int step : kStates[state])
                ASSERT_TRUE(lesson.Run(step)) << step;
            const CLessonSettings before = lesson.Settings();
            const bool paused = lesson.Pace().IsPaused();
            const long long ticks = lesson.Ticks();
            const int version = lesson.Version();
            const bool handled = lesson.Run(id);
            const std::string where = "state " + std::to_string(state) + ", command " + std::to_string(id);

            CLessonSettings expected = lesson.Settings();
            Expect(id, before, expected);
            EXPECT_EQ(lesson.Settings(), expected) << where;
            EXPECT_EQ(handled, lesson.State(id).has_value()) << where;
            if (lesson.Settings() != before || lesson.Pace().IsPaused() != paused) {
                EXPECT_NE(lesson.Version(), version) << where;
            }
            // Pause turns time either way; Step pauses, or adds exactly one tick while paused.
            EXPECT_EQ(lesson.Pace().IsPaused(), id == CmdId::Pause ? !paused : paused || id == CmdId::StepTick)
                << where;
            EXPECT_EQ(lesson.Ticks(), ticks + (id == CmdId::StepTick && paused)) << where;
            ExpectStatesShow(lesson, where);

            // The settings, as text, make the same lesson from a fresh start.
            CLesson copy;
            CLessonSettings read;
            EXPECT_TRUE(read.ReadText(lesson.Settings().ToText()).empty()) << where;
            copy.Apply(read);
            EXPECT_EQ(copy.Settings(), lesson.Settings()) << where;
        }
    }
}

TEST(LessonSettings, AFreshLessonHasTheDefaultsAndWordsOutOfRangeAreNamed)
{
    EXPECT_EQ(CLesson().Settings(), CLessonSettings{});
    CLessonSettings s;
    const std::vector<std::string> ignored =
        s.ReadText("circuit=15\ncells=2\ndisplay=photo\nspeed=quarter\nresistor=-1\nbars/chooser=yes\nnonsense\n"
                   "colours=colourblind\r\n");
    EXPECT_EQ(ignored,
              (std::vector<std::string>{"nonsense", "circuit=15", "display=photo", "resistor=-1", "bars/chooser=yes"}));
    CLessonSettings expected;
    std::tie(expected.cells, expected.slowdown, expected.palette) = std::tuple(2, 4, 1);
    EXPECT_EQ(s, expected);
}
