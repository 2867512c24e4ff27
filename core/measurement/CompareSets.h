#pragma once

#include "core/measurement/Measurement.h"
#include "core/words/Words.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// The runs that the comparison chart measures: ready-made sets for the
// lessons the guide describes, and the current that an ideal circuit of equal
// parts would carry by Ohm's and Kirchhoff's laws, so the chart can show where
// the model agrees with real circuits and where it does not.
namespace CompareSets {

enum class Set {
    SingleSeriesParallel,   // one, two in series, two in parallel, three bulbs
    Cells,   // the Single Bulb with 0 to 3 cells
    VariableResistor,   // its 15 settings
    BulbAgainstResistor,   // a bulb, a bulb with a resistor, two resistors
    Switches,   // the three switch circuits, closed and open
    AllCircuits,   // every circuit at 1 to 3 cells
};
inline constexpr std::size_t kSetCount = 6;

// A set's name as the chooser offers it, in the user's language.
std::string SetName(Set set);
// The free choice's entry after the sets.
inline constexpr const char* kChosenName = QT_TRANSLATE_NOOP("Compare", "Your choice of circuits and cells");

// What sets a run apart, in the user's language: its cells, an open switch,
// the variable resistor's setting ("1 cell, resistance 3 of 14").
std::string SettingsText(const CMeasureSetup& setup);
// The circuit's name, in the user's language.
std::string CircuitName(int circuitId);

// A set's runs, in the order the chart shows them; one cell unless the set
// is about cells, every switch closed unless it is about switches.
std::vector<CMeasureSetup> Runs(Set set);

// Every run of the chosen circuits (command ids) with each chosen number of cells.
std::vector<CMeasureSetup> Chosen(std::span<const int> circuitIds, std::span<const int> cells);

// An ideal circuit's current as a multiple of its reference's: the Single
// Bulb with one cell for bulbs, Two Resistors in Series with one cell for
// resistors (so equal bulbs in series carry 0.5, in parallel 2.0, and two
// cells twice as much). None where the parts are not all equal.
struct CIdeal {
    CMeasureSetup reference;
    double ratio;
};
std::optional<CIdeal> Ideal(const CMeasureSetup& setup);

}
