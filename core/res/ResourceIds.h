#pragma once

// Bitmap resource ids shared by the drawings, the view and the bars.
namespace ResId {
inline constexpr int ChooserStrip = 128;   // a 48 x 48 picture per circuit side by side, in catalogue order
inline constexpr int ElectronKey = 131;   // 225 x 75
inline constexpr int ElectronKeyColourBlind = 132;   // 225 x 75, the colour-blind safe balls
inline constexpr int Logo = 164;   // 298 x 62
inline constexpr int CellsNone = 1005;   // cells pictures 1005..1011, 100 x 50
inline constexpr int CellsOne = 1006;
inline constexpr int CellsTwo = 1007;
inline constexpr int CellsThree = 1008;
inline constexpr int CellsOneReversed = 1009;
inline constexpr int CellsTwoReversed = 1010;
inline constexpr int CellsThreeReversed = 1011;
inline constexpr int MeterDial = 1012;   // 200 x 200
inline constexpr int SupplyNoCell = 134;   // supply pictures 134..140, 500 x 150
inline constexpr int SupplyOneCell = 135;
inline constexpr int SupplyTwoCells = 136;
inline constexpr int SupplyThreeCells = 137;
inline constexpr int SupplyOneCellReversed = 138;
inline constexpr int SupplyTwoCellsReversed = 139;
inline constexpr int SupplyThreeCellsReversed = 140;
// The circuits' pictures have their ids in their classes and their files in
// the circuit catalogue.
inline constexpr int Notice = 1021;   // the About box's notice, 298 x 29
}
