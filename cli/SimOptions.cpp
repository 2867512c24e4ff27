#include "cli/SimOptions.h"

#include "core/circuits/CircuitCatalogue.h"
#include "core/res/ElectronPalettes.h"
#include "core/res/Strings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstdio>
#include <limits>

namespace {

// Largest accepted image side and region resolution: beyond them a run
// would only exhaust memory or the terminal.
constexpr int kMaxSide = 16384;
constexpr int kMaxRegions = 200;
// Ten hours of the model's time: a few minutes of work.
constexpr double kMaxMeasureSeconds = 36000.0;

int CircuitCount()
{
    return static_cast<int>(CircuitCatalogue().size());
}

template <typename T>
bool ParseNumber(const std::string& text, T& value)
{
    if (text.empty())
        return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

#if !(defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L)
// libc++ 13 (emscripten 3.1.6) has no floating-point from_chars. musl's
// strtod is locale-free there; what from_chars would refuse (a sign "+",
// leading space, hexadecimal) is refused first.
template <>
bool ParseNumber(const std::string& text, double& value)
{
    if (text.empty() || text[0] == '+' || std::isspace(static_cast<unsigned char>(text[0])) ||
        text.find_first_of("xXpP") != std::string::npos)
        return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}
#endif

bool ParseSize(const std::string& text, int& w, int& h)
{
    const auto x = text.find('x');
    if (x == std::string::npos)
        return false;
    return ParseNumber(text.substr(0, x), w) && ParseNumber(text.substr(x + 1), h) && w >= 1 && h >= 1 &&
           w <= kMaxSide && h <= kMaxSide;
}

CSimParse Fail(const std::string& message)
{
    return CSimParse{std::nullopt, message};
}

}

std::string ShownArgument(const std::string& text)
{
    if (text.empty())
        return "\"\"";
    std::string shown;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += ch;
        } else if (ch == '\n') {
            shown += "\\n";
        } else if (ch == '\t') {
            shown += "\\t";
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", byte);
            shown += code;
        }
    }
    return shown;
}

CSimParse ParseSimOptions(const std::vector<std::string>& args)
{
    CSimOptions o;
    bool sizeGiven = false;
    bool modeGiven = false;
    bool paletteGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& opt = args[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (opt == "--circuit") {
            if (!value(v) || !ParseNumber(v, o.nCircuit) || o.nCircuit < 1 || o.nCircuit > CircuitCount())
                return Fail("--circuit needs a circuit number from 1 to " + std::to_string(CircuitCount()));
        } else if (opt == "--cells") {
            int n = 0;
            if (!value(v) || !ParseNumber(v, n) || n < 0 || n > 3)
                return Fail("--cells needs a number of cells from 0 to 3");
            o.cells = n;
        } else if (opt == "--reverse") {
            o.bReverse = true;
        } else if (opt == "--vary") {
            o.bVary = true;
        } else if (opt == "--no-pulsate") {
            o.bNoPulsate = true;
        } else if (opt == "--switch-open") {
            o.bSwitchOpen = true;
        } else if (opt == "--resistor") {
            if (!value(v) || !ParseNumber(v, o.nResistor) || o.nResistor < -1000 || o.nResistor > 1000)
                return Fail("--resistor needs a whole number of presses from -1000 to 1000");
        } else if (opt == "--tag") {
            o.bTag = true;
        } else if (opt == "--energy") {
            o.bEnergy = true;
        } else if (opt == "--ticks") {
            if (!value(v) || !ParseNumber(v, o.nTicks) || o.nTicks < 0)
                return Fail("--ticks needs a number of ticks of 0 or more");
        } else if (opt == "--every") {
            if (!value(v) || !ParseNumber(v, o.nEvery) || o.nEvery < 1)
                return Fail("--every needs a number of ticks of 1 or more");
        } else if (opt == "--regions") {
            if (!value(v) || !ParseNumber(v, o.nRegions) || o.nRegions < 1 || o.nRegions > kMaxRegions)
                return Fail("--regions needs a resolution from 1 to 200");
        } else if (opt == "--png") {
            if (!value(v) || v.empty())
                return Fail("--png needs a file name");
            o.strPng = v;
        } else if (opt == "--frames") {
            if (!value(v) || v.empty())
                return Fail("--frames needs a directory");
            o.strFramesDir = v;
        } else if (opt == "--size") {
            if (!value(v) || !ParseSize(v, o.nWidth, o.nHeight))
                return Fail("--size needs WxH, each from 1 to 16384");
            sizeGiven = true;
        } else if (opt == "--mode") {
            const auto& words = Strings::kDisplayWords;
            const bool given = value(v);
            const auto named = std::find(words.begin(), words.end(), v);
            if (!given || named == words.end())
                return Fail("--mode needs ball, diagram or picture");
            o.mode = static_cast<DisplayMode>(named - words.begin());
            modeGiven = true;
        } else if (opt == "--palette") {
            const auto palettes = ElectronPalettes();
            const bool given = value(v);
            const auto named = std::find_if(palettes.begin(), palettes.end(),
                                            [&v](const CElectronPalette& p) { return v == p.pszName; });
            if (!given || named == palettes.end())
                return Fail("--palette needs standard or colourblind");
            o.nPalette = static_cast<int>(named - palettes.begin());
            paletteGiven = true;
        } else if (opt == "--labels") {
            o.bLabels = true;
        } else if (opt == "--measure") {
            if (!value(v) || !ParseNumber(v, o.dMeasureSeconds) || !(o.dMeasureSeconds >= 1.0) ||
                o.dMeasureSeconds > kMaxMeasureSeconds)
                return Fail("--measure needs a number of seconds from 1 to 36000");
        } else if (opt == "--seed") {
            if (!value(v) || !ParseNumber(v, o.nSeed))
                return Fail("--seed needs a whole number from 0 to 4294967295");
            o.bSeedGiven = true;
        } else if (opt == "--help") {
            o.bHelp = true;
        } else {
            return Fail("unknown option " + ShownArgument(opt));
        }
    }
    if (o.Measures()) {
        const char* clash = o.nTicks > 0 || o.nEvery > 0 ? "--ticks or --every"
                            : o.nRegions > 0             ? "--regions"
                            : o.Renders()                ? "--png or --frames"
                            : o.bEnergy || o.bTag        ? "--energy or --tag"
                                                         : nullptr;
        if (clash != nullptr)
            return Fail(std::string(clash) + " cannot be used with --measure");
    } else if (o.bSeedGiven) {
        return Fail("--seed needs --measure");
    }
    if ((sizeGiven || modeGiven || paletteGiven || o.bLabels) && !o.Renders())
        return Fail(std::string(sizeGiven      ? "--size"
                                : modeGiven    ? "--mode"
                                : paletteGiven ? "--palette"
                                               : "--labels") +
                    " needs --png or --frames");
    return CSimParse{o, {}};
}

std::string SimHelp()
{
    return "Runs a Tarrowin circuit without a window.\n"
           "\n"
           "  --circuit K       circuit K, 1 to " +
           std::to_string(CircuitCount()) +
           " in the Circuit menu's order (default 1)\n"
           "  --cells N         N cells, 0 to 3; --reverse turns the supply round\n"
           "  --vary            \"Vary Mean Speed\" on; --no-pulsate: \"Pulsate\" off\n"
           "  --switch-open     the switch \"off\"; --resistor S: S presses of \"+\" (or -S of \"-\")\n"
           "  --tag             \"Tag Electron\"; --energy: each load's energy units in every state\n"
           "  --ticks T         run T ticks, printing the state as a JSON line at tick 0, every E\n"
           "                    ticks (--every E) and after the last\n"
           "  --regions N       print the region map at N points a grid unit instead\n"
           "  --png FILE        write the frame after the last tick (--size WxH, default 800x600;\n"
           "                    --mode ball|diagram|picture; --palette standard|colourblind; --labels)\n"
           "  --frames DIR      write every frame as DIR/frame_000001.png and on\n"
           "  --measure SECONDS measure the long run: a copy of the circuit with its own generator\n"
           "                    (--seed N, default 1) runs SECONDS of the model's time; one JSON line\n"
           "                    gives the current at the supply and each load's energy per second as\n"
           "                    [mean, low, high], the 95% interval from batch means\n"
           "  --help            this text\n";
}
