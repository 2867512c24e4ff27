#pragma once

// Bitmap resource ids shared by the drawings, the view and the bars.
namespace ResId {
inline constexpr int SupplyNoCell = 134;     // supply pictures 134..140, 500 x 150
inline constexpr int SupplyOneCell = 135;
inline constexpr int SupplyTwoCells = 136;
inline constexpr int SupplyThreeCells = 137;
inline constexpr int SupplyOneCellReversed = 138;
inline constexpr int SupplyTwoCellsReversed = 139;
inline constexpr int SupplyThreeCellsReversed = 140;
inline constexpr int PictureSingleBulb = 147; // circuit pictures, 500 x 350
}
