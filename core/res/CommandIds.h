#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <span>

// Command and control ids shared by the menu, the circuit chooser, the bars
// and the document. The numbers are fixed: pages, settings and tests name them.
namespace CmdId {
enum Id : int {
    // Controls bar
    Progress = 1001,
    DisplayBallModel = 1002,
    DisplayDiagram = 1003,
    DisplayPicture = 1004,
    SwitchPolarity = 1005,
    TagElectron = 1006,
    ShowLabels = 1007,
    SwitchOff = 1008,
    CellsPicture = 1009,
    SwitchOn = 1010,
    Cells0 = 1011,
    Cells1 = 1012,
    Cells2 = 1013,
    Cells3 = 1014,
    VaryMeanSpeed = 1015,
    Pulsate = 1016,
    ResistanceDown = 1017,
    ResistanceUp = 1020,

    // Display bar (ids are looked up per bar: 1010 is "on" in the controls bar)
    MeterFrame = 1010,
    Pause = 1030,   // pause or play
    StepTick = 1031,   // one tick while paused; pauses while running
    SpeedNormal = 1032,
    SpeedHalf = 1033,
    SpeedQuarter = 1034,
    ElectronKey = 1035,

    // The bars' own ids
    ControlsBar = 9,
    DisplayBar = 103,

    // The About box and its controls
    AboutBox = 100,
    AboutOk = 1,
    AboutLink = 1020,

    // The frame's and the application's commands
    ViewChooser = 32804,
    ViewControls = 32792,
    ViewDisplay = 32803,
    FullScreen = 32830,
    // Commands of the menus and the keyboard only
    SpeedSlower = 32840,
    SpeedFaster = 32841,
    NextCircuit = 32842,
    PreviousCircuit = 32843,
    ToggleSwitch = 32844,
    ViewMeasurements = 32845,
    PaletteStandard = 32846,
    PaletteColourBlind = 32847,
    SavePicture = 32848,
    CopyPicture = 32849,
    ResetDefaults = 32850,
    CompareCircuits = 32851,
    AppAbout = 57664,
    AppExit = 57665,

    // Circuits, in the order of their catalogue (core/circuits/CircuitCatalogue.cpp)
    SingleBulb = 32787,
    TwoBulbsSeries = 32788,
    TwoBulbsParallel = 32776,
    ThreeBulbs = 32774,
    BulbSwitch = 32778,
    ParallelBulbsOneSwitched = 32775,
    ParallelBulbsBothSwitched = 32789,
    BulbResistor = 32780,
    ParallelBulbsOneResistor = 32790,
    BulbVariableResistor = 32783,
    TwoResistorsSeries = 32786,
    TwoResistorsParallel = 32784,
    UnequalResistorsSeries = 32771,
    UnequalResistorsParallel = 32807,
};

// The runs of commands that choose one of several values, each listed by
// the value it chooses, so that no code counts from one id to another.
inline constexpr std::array kCells{Cells0, Cells1, Cells2, Cells3};   // by number of cells
inline constexpr std::array kDisplays{DisplayBallModel, DisplayDiagram, DisplayPicture};   // by DisplayMode
inline constexpr std::array kSpeeds{SpeedNormal, SpeedHalf, SpeedQuarter};   // 1, 1/2, 1/4
inline constexpr std::array kPalettes{PaletteStandard, PaletteColourBlind};   // by PaletteId

// Where id stands in one of those tables, or nothing when it is not there.
constexpr std::optional<int> IndexIn(std::span<const Id> table, int id)
{
    const auto it = std::find(table.begin(), table.end(), id);
    if (it == table.end())
        return std::nullopt;
    return static_cast<int>(it - table.begin());
}
}
