#include "core/res/CircuitCatalogue.h"

#include "core/res/CommandIds.h"

#include "core/words/Words.h"

#include <array>

namespace {

constexpr std::array kCatalogue{
    CCircuitCatalogueEntry{CmdId::SingleBulb, QT_TRANSLATE_NOOP("Circuit", "Single Bulb"), 1, 1},
    CCircuitCatalogueEntry{CmdId::TwoBulbsSeries, QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Series"), 1, 2},
    CCircuitCatalogueEntry{CmdId::TwoBulbsParallel, QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel"), 1, 3},
    CCircuitCatalogueEntry{CmdId::ThreeBulbs, QT_TRANSLATE_NOOP("Circuit", "Three Bulbs in Series and Parallel"), 1, 4},
    CCircuitCatalogueEntry{CmdId::BulbSwitch, QT_TRANSLATE_NOOP("Circuit", "Bulb and Switch in Series"), 2, 1},
    CCircuitCatalogueEntry{CmdId::ParallelBulbsOneSwitched, QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, One in Series with a Switch"), 2, 2},
    CCircuitCatalogueEntry{CmdId::ParallelBulbsBothSwitched, QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, Switch in Series with Both"), 2, 3},
    CCircuitCatalogueEntry{CmdId::BulbResistor, QT_TRANSLATE_NOOP("Circuit", "Bulb and Resistor in Series"), 3, 1},
    CCircuitCatalogueEntry{CmdId::ParallelBulbsOneResistor, QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, One in Series with a Resistor"), 3, 2},
    CCircuitCatalogueEntry{CmdId::BulbVariableResistor, QT_TRANSLATE_NOOP("Circuit", "Bulb and Variable Resistor in Series"), 3, 3},
    CCircuitCatalogueEntry{CmdId::TwoResistorsSeries, QT_TRANSLATE_NOOP("Circuit", "Two Resistors in Series"), 4, 1},
    CCircuitCatalogueEntry{CmdId::TwoResistorsParallel, QT_TRANSLATE_NOOP("Circuit", "Two Resistors in Parallel"), 4, 2},
    CCircuitCatalogueEntry{CmdId::UnequalResistorsSeries, QT_TRANSLATE_NOOP("Circuit", "Two Unequal Resistors in Series"), 4, 3},
    CCircuitCatalogueEntry{CmdId::UnequalResistorsParallel, QT_TRANSLATE_NOOP("Circuit", "Two Unequal Resistors in Parallel"), 4, 4},
};

}

std::span<const CCircuitCatalogueEntry> CircuitCatalogue()
{
    return kCatalogue;
}
