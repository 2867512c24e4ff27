#pragma once

#include "core/circuits/MotionRules.h"
#include "core/circuits/Palette.h"

#include <array>

// Geometry the circuits share: the supply across the top wire, the push
// rows of the square ring and of the rung, the bulb blocks and their
// release lines, the two holes of the rung circuits, and the switch gaps.

inline constexpr CGridBox kTopSupply{12, 13, 2, 5};

// V > 0 drives electrons clockwise on the screen. Each side's box stops short
// of one corner, so in a corner only the row that turns the electron applies.
inline constexpr CPushRow kLeftUp{{2, 5, 5, 23}, false, -1};
inline constexpr CPushRow kRightDown{{20, 23, 2, 20}, false, +1};
inline constexpr CPushRow kTopRight{{2, 20, 2, 5}, true, +1};
inline constexpr CPushRow kBottomLeft{{5, 23, 20, 23}, true, -1};
inline constexpr CPushRow kReverseLeft{{2, 5, 2, 20}, false, -1};
inline constexpr CPushRow kReverseRight{{20, 23, 5, 23}, false, +1};
inline constexpr CPushRow kReverseTop{{5, 23, 2, 5}, true, +1};
inline constexpr CPushRow kReverseBottom{{2, 20, 20, 23}, true, -1};
// The rung, from y 13 to 16, is driven the same way as the bottom wire.
inline constexpr CPushRow kRungForward{{5, 23, 13, 16}, true, -1};
inline constexpr CPushRow kRungReverse{{2, 20, 13, 16}, true, -1};

inline constexpr std::array kRingPushForward{kLeftUp, kRightDown, kTopRight, kBottomLeft};
inline constexpr std::array kRingPushReverse{kReverseLeft, kReverseRight, kReverseTop, kReverseBottom};
inline constexpr std::array kRungRingPushForward{kLeftUp, kRightDown, kTopRight, kBottomLeft, kRungForward};
inline constexpr std::array kRungRingPushReverse{kReverseLeft, kReverseRight, kReverseTop, kReverseBottom,
                                                 kRungReverse};

// The blocks. A bulb narrows its wire to a band half a unit wide, a
// resistor to 0.2, a low-resistance resistor to 0.7; the bands are the gap
// between the drawn walls less the electron's radius on each side.
inline constexpr CComponentBlock kBottomCentreBulb{{12.5, 21.5},       21.25, 21.75, 1.0, Palette::BulbCap,
                                                   DiagramSymbol::Lamp};
inline constexpr CComponentBlock kBottomLeftBulb{{9.5, 21.5}, 21.25, 21.75, 1.0, Palette::BulbCap, DiagramSymbol::Lamp};
inline constexpr CComponentBlock kBottomRightBulb{{15.5, 21.5},       21.25, 21.75, 1.0, Palette::BulbCap,
                                                  DiagramSymbol::Lamp};
inline constexpr CComponentBlock kRungBulb{{12.5, 14.5}, 14.25, 14.75, 1.0, Palette::BulbCap, DiagramSymbol::Lamp};

inline constexpr CComponentBlock kBottomRightResistor{{15.5, 21.5},           21.4, 21.6, 1.15, Palette::ResistorCap,
                                                      DiagramSymbol::Resistor};
inline constexpr CComponentBlock kBottomLeftResistor{
    {9.5, 21.5}, 21.4, 21.6, 1.15, Palette::ResistorCap, DiagramSymbol::Resistor};
inline constexpr CComponentBlock kBottomCentreResistor{{12.5, 21.5},           21.4, 21.6, 1.15, Palette::ResistorCap,
                                                       DiagramSymbol::Resistor};
inline constexpr CComponentBlock kRungResistor{{12.5, 14.5},           14.4, 14.6, 1.15, Palette::ResistorCap,
                                               DiagramSymbol::Resistor};

// The unequal pair: the resistor above, marked high, and a low-resistance one.
inline constexpr CComponentBlock kBottomLeftHighResistor{
    {9.5, 21.5}, 21.4, 21.6, 1.15, Palette::ResistorCap, DiagramSymbol::HighResistor};
inline constexpr CComponentBlock kBottomCentreHighResistor{
    {12.5, 21.5}, 21.4, 21.6, 1.15, Palette::ResistorCap, DiagramSymbol::HighResistor};
inline constexpr CComponentBlock kBottomRightLowResistor{
    {15.5, 21.5}, 21.15, 21.85, 0.9, Palette::LowResistorCap, DiagramSymbol::LowResistor};
inline constexpr CComponentBlock kRungLowResistor{
    {12.5, 14.5}, 14.15, 14.85, 0.9, Palette::LowResistorCap, DiagramSymbol::LowResistor};

// The variable resistor on the right of the bottom wire: walls w thick
// leave the band 20.25 + w to 22.75 - w.
constexpr CComponentBlock VariableResistorBlock(double w)
{
    return {{15.5, 21.5}, 20.25 + w, 22.75 - w, w, Palette::VariableResistorCap, DiagramSymbol::Resistor};
}

// Release lines across the middle of each block place.
inline constexpr CGridBox kBottomCentreRelease = ReleaseLineOf(kBottomCentreBulb);
inline constexpr CGridBox kBottomLeftRelease = ReleaseLineOf(kBottomLeftBulb);
inline constexpr CGridBox kBottomRightRelease = ReleaseLineOf(kBottomRightBulb);
inline constexpr CGridBox kRungRelease = ReleaseLineOf(kRungBulb);

// The rung splits the ring's hole into an upper and a lower hole.
inline constexpr CGridBox kRungBand{5, 20, 13, 16};
inline constexpr CGridBox kUpperHole{5, 20, 5, 13};
inline constexpr CGridBox kLowerHole{5, 20, 16, 20};
inline constexpr CGridBox kUpperHoleWall{4.75, 20.25, 4.75, 13.25};
inline constexpr CGridBox kLowerHoleWall{4.75, 20.25, 15.75, 20.25};

// Below this y a release belongs to the rung bulb, above it to the bottom wire's.
inline constexpr double kRungReleaseBelow = 18;

// Switch gaps: in the bottom wire at x 15..16, and in the right wire above
// the rung at y 12..13.
inline constexpr CSwitchGap kBottomSwitchGap{{14.75, 16.25, 20, 23}, true, 15, 16, 15.5, 14.74, 16.26};
inline constexpr CSwitchGap kRightSwitchGap{{20, 23, 11.75, 13.25}, false, 12, 13, 12.5, 11.74, 13.26};

// The two holes of the rung circuits: where an electron is rescued from,
// and their wall boxes.
constexpr bool InRungCircuitHole(double x, double y)
{
    return kUpperHole.Contains(x, y) || kLowerHole.Contains(x, y);
}
constexpr bool InRungCircuitHoleWall(double x, double y)
{
    return kUpperHoleWall.Contains(x, y) || kLowerHoleWall.Contains(x, y);
}
