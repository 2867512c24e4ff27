#include "core/lesson/LessonSettings.h"

#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/ElectronPalettes.h"
#include "core/res/Strings.h"

#include <charconv>
#include <span>
#include <sstream>

namespace {

const char* Bool(bool value)
{
    return value ? "true" : "false";
}

// One of two words: the first for false.
bool ReadEither(const std::string& word, const char* no, const char* yes, bool& value)
{
    if (word != no && word != yes)
        return false;
    value = word == yes;
    return true;
}

bool ReadBool(const std::string& word, bool& value)
{
    return ReadEither(word, "false", "true", value);
}

bool ReadNumber(const std::string& word, int low, int high, int& value)
{
    int n = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (error != std::errc{} || end != word.data() + word.size() || n < low || n > high)
        return false;
    value = n;
    return true;
}

// A word of a list: its index.
template <typename List, typename Name>
bool ReadWord(const std::string& word, const List& list, Name name, int& value)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (word == name(list[i])) {
            value = static_cast<int>(i);
            return true;
        }
    return false;
}

const char* kSpeedWords[] = {"normal", "half", "quarter"};
constexpr int kSlowdowns[] = {1, 2, 4};

}

CLessonSettings::Pairs CLessonSettings::ToPairs() const
{
    int speed = 0;
    while (speed < 2 && kSlowdowns[speed] < slowdown)
        ++speed;
    return {
        {"circuit", std::to_string(circuit)},
        {"display", Strings::kDisplayWords[static_cast<std::size_t>(display)]},
        {"labels", Bool(labels)},
        {"cells", std::to_string(cells)},
        {"polarity", reversed ? "reversed" : "normal"},
        {"vary", Bool(vary)},
        {"pulsate", Bool(pulsate)},
        {"switch", switchOpen ? "off" : "on"},
        {"resistor", std::to_string(resistor)},
        {"colours", ElectronPalettes()[static_cast<std::size_t>(palette)].pszName},
        {"speed", kSpeedWords[speed]},
        {"bars/chooser", Bool(chooser)},
        {"bars/controls", Bool(controls)},
        {"bars/display", Bool(displayBar)},
        {"bars/measurements", Bool(measurements)},
    };
}

std::vector<std::string> CLessonSettings::Read(const Pairs& pairs)
{
    std::vector<std::string> ignored;
    for (const auto& [key, word] : pairs) {
        bool used = false;
        if (key == "circuit")
            used = ReadNumber(word, 1, static_cast<int>(CircuitCatalogue().size()), circuit);
        else if (key == "display") {
            int mode = 0;
            used = ReadWord(
                word, Strings::kDisplayWords, [](const char* w) { return std::string(w); }, mode);
            if (used)
                display = static_cast<DisplayMode>(mode);
        } else if (key == "labels")
            used = ReadBool(word, labels);
        else if (key == "cells")
            used = ReadNumber(word, 0, 3, cells);
        else if (key == "polarity")
            used = ReadEither(word, "normal", "reversed", reversed);
        else if (key == "vary")
            used = ReadBool(word, vary);
        else if (key == "pulsate")
            used = ReadBool(word, pulsate);
        else if (key == "switch")
            used = ReadEither(word, "on", "off", switchOpen);
        else if (key == "resistor")
            used = ReadNumber(word, 0, CBulbVariableResistorCircuit::kResistanceSteps, resistor);
        else if (key == "colours")
            used = ReadWord(
                word, ElectronPalettes(), [](const auto& p) { return std::string(p.pszName); }, palette);
        else if (key == "speed") {
            int speed = 0;
            used = ReadWord(
                word, std::span(kSpeedWords), [](const char* w) { return std::string(w); }, speed);
            if (used)
                slowdown = kSlowdowns[speed];
        } else if (key == "bars/chooser")
            used = ReadBool(word, chooser);
        else if (key == "bars/controls")
            used = ReadBool(word, controls);
        else if (key == "bars/display")
            used = ReadBool(word, displayBar);
        else if (key == "bars/measurements")
            used = ReadBool(word, measurements);
        if (!used)
            ignored.push_back(key + "=" + word);
    }
    return ignored;
}

std::string CLessonSettings::ToText() const
{
    std::string text;
    for (const auto& [key, word] : ToPairs())
        text += key + "=" + word + "\n";
    return text;
}

std::vector<std::string> CLessonSettings::ReadText(const std::string& text)
{
    Pairs pairs;
    std::istringstream lines(text);
    std::vector<std::string> ignored;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            ignored.push_back(line);
        else
            pairs.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    for (std::string& key : Read(pairs))
        ignored.push_back(std::move(key));
    return ignored;
}
