#include "res/ElectronPalettes.h"

#include "res/ResourceIds.h"

#include <array>

namespace {

// The colour-blind safe balls take three colours of Paul Tol's "vibrant"
// scheme (SRON technical note EPS/TN/09-002): grey, and the blue and red of
// gaining and giving up energy as in the standard balls. They stay apart
// under protanopia, deuteranopia and tritanopia, and the marks tell gain
// from loss with no colour at all.
constexpr std::array kPalettes{
    CElectronPalette{"standard", {0, 255, 0}, {210, 255, 210}, {0, 64, 0},
                     {{0, 255, 0}, {0, 5, 250}}, {{0, 192, 0}, {250, 12, 0}}, false, {}, ResId::ElectronKey},
    CElectronPalette{"colourblind", {187, 187, 187}, {240, 240, 240}, {48, 48, 48},
                     {{187, 187, 187}, {0, 119, 187}}, {{187, 187, 187}, {204, 51, 17}}, true, {0, 0, 0},
                     ResId::ElectronKeyColourBlind},
};

}

std::span<const CElectronPalette> ElectronPalettes()
{
    return kPalettes;
}
