#pragma once

#include "core/draw/Rect.h"

#include "core/words/Words.h"

#include <string>

// The translation context of the components' names: the English name stays
// the component's key (the measurements and the runner use it), and only
// what is drawn or shown is looked up.
inline constexpr const char* kLabelContext = "Label";

// A component's name, centred in a rectangle given in grid units. A bulb's
// glow arcs rise up to four and a half units over it, so in the circuits
// with bulbs the names stand under the bottom wire and above the rung's arcs.
struct CComponentLabel {
    std::string m_strName;
    CRect m_rcGrid;
};
