#pragma once

#include "core/draw/Colour.h"

// Colours of the circuits' backgrounds.
namespace Palette {
inline constexpr Colour Background = Rgb(128, 128, 128);   // grey around and inside the ring
inline constexpr Colour Conductor = Rgb(0, 0, 0);
inline constexpr Colour SupplyBar = Rgb(0, 0, 192);
inline constexpr Colour BulbCap = Rgb(150, 130, 100);
inline constexpr Colour ResistorCap = Rgb(100, 130, 150);
inline constexpr Colour LowResistorCap = Rgb(130, 150, 100);
inline constexpr Colour VariableResistorCap = Rgb(150, 100, 150);
inline constexpr Colour Paper = Rgb(255, 255, 255);
}
