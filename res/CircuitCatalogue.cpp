#include "res/CircuitCatalogue.h"

#include "res/CommandIds.h"

#include <array>

namespace {

constexpr std::array kCatalogue{
    CCircuitCatalogueEntry{CmdId::SingleBulb, "Single Bulb", 1, 1},
    CCircuitCatalogueEntry{CmdId::TwoBulbsSeries, "Two Bulbs in Series", 1, 2},
    CCircuitCatalogueEntry{CmdId::TwoBulbsParallel, "Two Bulbs in Parallel", 1, 3},
    CCircuitCatalogueEntry{CmdId::ThreeBulbs, "Three Bulbs in Series and Parallel", 1, 4},
    CCircuitCatalogueEntry{CmdId::BulbSwitch, "Bulb and Switch in Series", 2, 1},
    CCircuitCatalogueEntry{CmdId::ParallelBulbsOneSwitched, "Two Bulbs in Parallel, One in Series with a Switch", 2, 2},
    CCircuitCatalogueEntry{CmdId::ParallelBulbsBothSwitched, "Two Bulbs in Parallel, Switch in Series with Both", 2, 3},
    CCircuitCatalogueEntry{CmdId::BulbResistor, "Bulb and Resistor in Series", 3, 1},
    CCircuitCatalogueEntry{CmdId::ParallelBulbsOneResistor, "Two Bulbs in Parallel, One in Series with a Resistor", 3, 2},
    CCircuitCatalogueEntry{CmdId::BulbVariableResistor, "Bulb and Variable Resistor in Series", 3, 3},
    CCircuitCatalogueEntry{CmdId::TwoResistorsSeries, "Two Resistors in Series", 4, 1},
    CCircuitCatalogueEntry{CmdId::TwoResistorsParallel, "Two Resistors in Parallel", 4, 2},
    CCircuitCatalogueEntry{CmdId::UnequalResistorsSeries, "Two Unequal Resistors in Series", 4, 3},
    CCircuitCatalogueEntry{CmdId::UnequalResistorsParallel, "Two Unequal Resistors in Parallel", 4, 4},
};

}

std::span<const CCircuitCatalogueEntry> CircuitCatalogue()
{
    return kCatalogue;
}
