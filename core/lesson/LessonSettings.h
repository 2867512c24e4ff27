#pragma once

#include "core/sim/DisplayMode.h"

#include <string>
#include <utility>
#include <vector>

// Everything a lesson has that a teacher sets up and expects to find again:
// the circuit and how it is shown, its supply, switch and resistor, the
// speed, the balls' colours and the bars shown. The desktop's remembered
// settings, the page's storage and link, and the runner's options all pass
// through this one value, read and written as key=value words. The default
// value is a fresh lesson's.
struct CLessonSettings {
    using Pairs = std::vector<std::pair<std::string, std::string>>;

    int circuit = 1;   // place in the Circuit menu, from 1
    DisplayMode display = DisplayMode::BallModel;
    bool labels = false;
    int cells = 1;   // 0 to 3
    bool reversed = false;
    bool vary = false;
    bool pulsate = true;
    bool switchOpen = false;
    int resistor = 0;   // presses of "+" from the least resistance
    int palette = 0;   // a PaletteId
    int slowdown = 1;   // 1, 2 or 4
    bool chooser = true;
    bool controls = true;
    bool displayBar = true;
    bool measurements = false;

    Pairs ToPairs() const;
    // Takes the pairs it can use over what it holds, in any order, and
    // returns the keys (or key=value) it could not use.
    std::vector<std::string> Read(const Pairs& pairs);

    // One "key=value" a line.
    std::string ToText() const;
    std::vector<std::string> ReadText(const std::string& text);

    bool operator==(const CLessonSettings&) const = default;
};
