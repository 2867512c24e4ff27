#pragma once

// Bitmap resource ids shared by the drawings, the view and the bars.
namespace ResId {
inline constexpr int ChooserStrip = 128;     // fourteen 48 x 48 toolbar pictures, 672 x 48
inline constexpr int ElectronKey = 131;      // 225 x 75
inline constexpr int ElectronKeyColourBlind = 132;   // 225 x 75, the colour-blind safe balls
inline constexpr int Logo = 164;             // 298 x 62
inline constexpr int CellsNone = 1005;       // cells pictures 1005..1011, 100 x 50
inline constexpr int CellsOne = 1006;
inline constexpr int CellsTwo = 1007;
inline constexpr int CellsThree = 1008;
inline constexpr int CellsOneReversed = 1009;
inline constexpr int CellsTwoReversed = 1010;
inline constexpr int CellsThreeReversed = 1011;
inline constexpr int MeterDial = 1012;       // 200 x 200
inline constexpr int SupplyNoCell = 134;     // supply pictures 134..140, 500 x 150
inline constexpr int SupplyOneCell = 135;
inline constexpr int SupplyTwoCells = 136;
inline constexpr int SupplyThreeCells = 137;
inline constexpr int SupplyOneCellReversed = 138;
inline constexpr int SupplyTwoCellsReversed = 139;
inline constexpr int SupplyThreeCellsReversed = 140;
// Circuit pictures, 500 x 350, in catalogue order except the first two.
inline constexpr int PictureTwoBulbsParallel = 146;
inline constexpr int PictureSingleBulb = 147;
inline constexpr int PictureTwoBulbsSeries = 148;
inline constexpr int PictureThreeBulbs = 149;
inline constexpr int PictureBulbSwitch = 150;
inline constexpr int PictureParallelBulbsOneSwitched = 151;
inline constexpr int PictureParallelBulbsBothSwitched = 152;   // 500 x 351
inline constexpr int PictureBulbResistor = 153;
inline constexpr int PictureParallelBulbsOneResistor = 154;
inline constexpr int PictureBulbVariableResistor = 155;
inline constexpr int PictureTwoResistorsSeries = 156;
inline constexpr int PictureTwoResistorsParallel = 157;
inline constexpr int PictureUnequalResistorsSeries = 158;
inline constexpr int PictureUnequalResistorsParallel = 159;
// The switch circuits' pictures again with the switch open (lever lifted).
inline constexpr int PictureBulbSwitchOpen = 160;
inline constexpr int PictureParallelBulbsOneSwitchedOpen = 161;
inline constexpr int PictureParallelBulbsBothSwitchedOpen = 162;   // 500 x 351
inline constexpr int Notice = 1021;          // the About box's notice, 298 x 29
}
