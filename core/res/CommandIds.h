#pragma once

// Command and control ids shared by the menu, the circuit chooser, the bars
// and the document.
namespace CmdId {
// Controls bar
inline constexpr int Progress = 1001;
inline constexpr int DisplayBallModel = 1002;
inline constexpr int DisplayDiagram = 1003;
inline constexpr int DisplayPicture = 1004;
inline constexpr int SwitchPolarity = 1005;
inline constexpr int TagElectron = 1006;
inline constexpr int ShowLabels = 1007;
inline constexpr int SwitchOff = 1008;
inline constexpr int CellsPicture = 1009;
inline constexpr int SwitchOn = 1010;
inline constexpr int Cells0 = 1011;
inline constexpr int Cells1 = 1012;
inline constexpr int Cells2 = 1013;
inline constexpr int Cells3 = 1014;
inline constexpr int VaryMeanSpeed = 1015;
inline constexpr int Pulsate = 1016;
inline constexpr int ResistanceDown = 1017;
inline constexpr int ResistanceUp = 1020;

// Display bar (ids are looked up per bar: 1010 is "on" in the controls bar)
inline constexpr int MeterFrame = 1010;
inline constexpr int Pause = 1030;         // pause or play
inline constexpr int StepTick = 1031;      // one tick while paused; pauses while running
inline constexpr int SpeedNormal = 1032;
inline constexpr int SpeedHalf = 1033;
inline constexpr int SpeedQuarter = 1034;
inline constexpr int ElectronKey = 1035;

// The bars' own ids
inline constexpr int ControlsBar = 9;
inline constexpr int DisplayBar = 103;

// The About box and its controls
inline constexpr int AboutBox = 100;
inline constexpr int AboutOk = 1;
inline constexpr int AboutLink = 1020;

// The frame's and the application's commands
inline constexpr int ViewChooser = 32804;
inline constexpr int ViewControls = 32792;
inline constexpr int ViewDisplay = 32803;
inline constexpr int FullScreen = 32830;
// Commands of the menus and the keyboard only
inline constexpr int SpeedSlower = 32840;
inline constexpr int SpeedFaster = 32841;
inline constexpr int NextCircuit = 32842;
inline constexpr int PreviousCircuit = 32843;
inline constexpr int ToggleSwitch = 32844;
inline constexpr int ViewMeasurements = 32845;
inline constexpr int PaletteStandard = 32846;      // the palettes in menu order, as PaletteId
inline constexpr int PaletteColourBlind = 32847;
inline constexpr int SavePicture = 32848;
inline constexpr int CopyPicture = 32849;
inline constexpr int ResetDefaults = 32850;
inline constexpr int CompareCircuits = 32851;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;

// Circuits, in the document's table order
inline constexpr int SingleBulb = 32787;
inline constexpr int TwoBulbsSeries = 32788;
inline constexpr int TwoBulbsParallel = 32776;
inline constexpr int ThreeBulbs = 32774;
inline constexpr int BulbSwitch = 32778;
inline constexpr int ParallelBulbsOneSwitched = 32775;
inline constexpr int ParallelBulbsBothSwitched = 32789;
inline constexpr int BulbResistor = 32780;
inline constexpr int ParallelBulbsOneResistor = 32790;
inline constexpr int BulbVariableResistor = 32783;
inline constexpr int TwoResistorsSeries = 32786;
inline constexpr int TwoResistorsParallel = 32784;
inline constexpr int UnequalResistorsSeries = 32771;
inline constexpr int UnequalResistorsParallel = 32807;
}
