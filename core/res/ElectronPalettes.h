#pragma once

#include <span>

// The colours the balls are drawn in, as data: one palette for each choice
// of View > "Electron Colours", in menu order.
struct CPaletteRgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// The colours of the energy levels 1..10: from level0 towards level10 in
// ten equal steps, rounded toward level0.
struct CEnergyRamp {
    CPaletteRgb level0;
    CPaletteRgb level10;

    constexpr CPaletteRgb At(int level) const
    {
        return {level0.r + (level10.r - level0.r) * level / 10, level0.g + (level10.g - level0.g) * level / 10,
                level0.b + (level10.b - level0.b) * level / 10};
    }
};

struct CElectronPalette {
    const char* pszName;   // as the runner's --palette takes it
    CPaletteRgb normal;   // an electron that neither gains nor gives up energy
    CPaletteRgb flash;   // "Pulsate": the flash of an electron carrying energy
    CPaletteRgb dim;   // and the dark moment after it
    CEnergyRamp gain;   // taking energy at the supply
    CEnergyRamp loss;   // giving energy up
    bool bMarks;   // a "+" on the gaining balls and a "-" on the losing ones
    CPaletteRgb mark;
    int nKeyBitmapId;   // the key picture in the display bar
};

namespace PaletteId {
inline constexpr int Standard = 0;
inline constexpr int ColourBlind = 1;
}

std::span<const CElectronPalette> ElectronPalettes();
