#include "core/res/ElectronPalettes.h"

#include "core/res/ResourceIds.h"

#include <array>

namespace {

// The colour-blind safe balls tell their kinds apart by lightness first, so
// that a still frame or a greyscale print reads them too: plain balls light
// grey, a ball taking energy a middle blue under a white "+", one giving it
// up a dark red under a white "-" (the "-" whitens less of a ball than a "+",
// so it goes on the darkest). Each ramp fades towards a duller colour of its
// own lightness, never towards the plain grey. Blue and red keep the hue cue
// of the standard balls; the Pulsate flash is white, still above the grey.
// clang-format off
constexpr std::array kPalettes{
    CElectronPalette{"standard", {0, 255, 0}, {210, 255, 210}, {0, 64, 0},
                     {{0, 255, 0}, {0, 5, 250}}, {{0, 192, 0}, {250, 12, 0}}, false, {}, ResId::ElectronKey},
    CElectronPalette{"colourblind", {235, 235, 235}, {255, 255, 255}, {48, 48, 48},
                     {{90, 125, 165}, {40, 140, 230}}, {{85, 35, 35}, {150, 0, 0}}, true, {255, 255, 255},
                     ResId::ElectronKeyColourBlind},
};
// clang-format on

}

std::span<const CElectronPalette> ElectronPalettes()
{
    return kPalettes;
}
