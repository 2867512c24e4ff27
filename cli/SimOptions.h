#pragma once

#include "core/sim/DisplayMode.h"

#include <optional>
#include <string>
#include <vector>

// The headless runner's command line.
struct CSimOptions {
    int nCircuit = 1;
    std::optional<int> cells;
    bool bReverse = false;
    bool bVary = false;
    bool bNoPulsate = false;
    bool bSwitchOpen = false;
    int nResistor = 0;
    bool bTag = false;
    bool bEnergy = false;   // each load's energy units in every state
    long long nTicks = 0;
    long long nEvery = 0;   // 0: only the first and the last state
    int nRegions = 0;   // 0: no region map
    std::string strPng;
    std::string strFramesDir;
    int nWidth = 800;
    int nHeight = 600;
    DisplayMode mode = DisplayMode::BallModel;
    int nPalette = 0;   // a PaletteId
    bool bLabels = false;
    double dMeasureSeconds = 0.0;   // > 0: measure the long run instead of tracing
    unsigned nSeed = 1;   // the measured copy's generator
    bool bSeedGiven = false;
    bool bHelp = false;

    bool Renders() const { return !strPng.empty() || !strFramesDir.empty(); }
    bool Measures() const { return dMeasureSeconds > 0.0; }
};

struct CSimParse {
    std::optional<CSimOptions> options;
    std::string strError;   // one line naming the bad option, when options is empty
};

CSimParse ParseSimOptions(const std::vector<std::string>& args);

// An argument as an error line shows it: control characters escaped, so the
// message stays one line, and an empty one as "".
std::string ShownArgument(const std::string& text);

inline constexpr const char* kSimUsage =
    "usage: tarrowin-sim [--circuit K] [--cells N] [--reverse] [--vary] [--no-pulsate] [--switch-open] "
    "[--resistor S] [--tag] [--energy] [--ticks T] [--every E] [--regions N] [--png FILE --size WxH "
    "[--mode ball|diagram|picture] [--palette standard|colourblind] [--labels]] [--frames DIR]\n"
    "       tarrowin-sim [--circuit K] [--cells N] [--reverse] [--vary] [--switch-open] [--resistor S] "
    "--measure SECONDS [--seed N]\n"
    "       tarrowin-sim --help";

// What --help prints after the usage.
std::string SimHelp();
