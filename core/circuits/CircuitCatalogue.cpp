#include "core/circuits/CircuitCatalogue.h"

#include "core/circuits/BulbResistorCircuit.h"
#include "core/circuits/BulbSwitchCircuit.h"
#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/ParallelBulbsBothSwitchedCircuit.h"
#include "core/circuits/ParallelBulbsOneResistorCircuit.h"
#include "core/circuits/ParallelBulbsOneSwitchedCircuit.h"
#include "core/circuits/SingleBulbCircuit.h"
#include "core/circuits/ThreeBulbsCircuit.h"
#include "core/circuits/TwoBulbsParallelCircuit.h"
#include "core/circuits/TwoBulbsSeriesCircuit.h"
#include "core/circuits/TwoResistorsParallelCircuit.h"
#include "core/circuits/TwoResistorsSeriesCircuit.h"
#include "core/circuits/UnequalResistorsParallelCircuit.h"
#include "core/circuits/UnequalResistorsSeriesCircuit.h"
#include "core/words/Words.h"

#include <algorithm>
#include <array>

namespace {

template <class T>
std::unique_ptr<CCircuit> Make()
{
    return std::make_unique<T>();
}

using Entry = CCircuitCatalogueEntry;

// A new circuit is its class, its artwork (its pictures and its place in
// the chooser's strip), its texts and its entry here.
// clang-format off
constexpr std::array kCatalogue{
    Entry{.nCommandId = CmdId::SingleBulb,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Single Bulb"),
          .nGroup = 1, .nButton = 1,
          .Make = &Make<CSingleBulbCircuit>,
          .picture = {CSingleBulbCircuit::kPicture, ":/artwork/single_bulb.svg", 500, 350}},
    Entry{.nCommandId = CmdId::TwoBulbsSeries,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Series"),
          .nGroup = 1, .nButton = 2,
          .Make = &Make<CTwoBulbsSeriesCircuit>,
          .picture = {CTwoBulbsSeriesCircuit::kPicture, ":/artwork/two_bulbs_series.svg", 500, 350}},
    Entry{.nCommandId = CmdId::TwoBulbsParallel,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel"),
          .nGroup = 1, .nButton = 3,
          .Make = &Make<CTwoBulbsParallelCircuit>,
          .picture = {CTwoBulbsParallelCircuit::kPicture, ":/artwork/two_bulbs_parallel.svg", 500, 350}},
    Entry{.nCommandId = CmdId::ThreeBulbs,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Three Bulbs in Series and Parallel"),
          .nGroup = 1, .nButton = 4,
          .Make = &Make<CThreeBulbsCircuit>,
          .picture = {CThreeBulbsCircuit::kPicture, ":/artwork/three_bulbs.svg", 500, 350}},
    Entry{.nCommandId = CmdId::BulbSwitch,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Bulb and Switch in Series"),
          .nGroup = 2, .nButton = 1,
          .Make = &Make<CBulbSwitchCircuit>,
          .picture = {CBulbSwitchCircuit::kPicture, ":/artwork/bulb_switch.svg", 500, 350},
          .openPicture = {CBulbSwitchCircuit::kOpenPicture, ":/artwork/bulb_switch_open.svg", 500, 350}},
    Entry{.nCommandId = CmdId::ParallelBulbsOneSwitched,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, One in Series with a Switch"),
          .nGroup = 2, .nButton = 2,
          .Make = &Make<CParallelBulbsOneSwitchedCircuit>,
          .picture = {CParallelBulbsOneSwitchedCircuit::kPicture,
                      ":/artwork/parallel_bulbs_one_switched.svg", 500, 350},
          .openPicture = {CParallelBulbsOneSwitchedCircuit::kOpenPicture,
                          ":/artwork/parallel_bulbs_one_switched_open.svg", 500, 350}},
    Entry{.nCommandId = CmdId::ParallelBulbsBothSwitched,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, Switch in Series with Both"),
          .nGroup = 2, .nButton = 3,
          .Make = &Make<CParallelBulbsBothSwitchedCircuit>,
          .picture = {CParallelBulbsBothSwitchedCircuit::kPicture,
                      ":/artwork/parallel_bulbs_both_switched.svg", 500, 351},
          .openPicture = {CParallelBulbsBothSwitchedCircuit::kOpenPicture,
                          ":/artwork/parallel_bulbs_both_switched_open.svg", 500, 351}},
    Entry{.nCommandId = CmdId::BulbResistor,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Bulb and Resistor in Series"),
          .nGroup = 3, .nButton = 1,
          .Make = &Make<CBulbResistorCircuit>,
          .picture = {CBulbResistorCircuit::kPicture, ":/artwork/bulb_resistor.svg", 500, 350}},
    Entry{.nCommandId = CmdId::ParallelBulbsOneResistor,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Bulbs in Parallel, One in Series with a Resistor"),
          .nGroup = 3, .nButton = 2,
          .Make = &Make<CParallelBulbsOneResistorCircuit>,
          .picture = {CParallelBulbsOneResistorCircuit::kPicture,
                      ":/artwork/parallel_bulbs_one_resistor.svg", 500, 350}},
    Entry{.nCommandId = CmdId::BulbVariableResistor,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Bulb and Variable Resistor in Series"),
          .nGroup = 3, .nButton = 3,
          .Make = &Make<CBulbVariableResistorCircuit>,
          .picture = {CBulbVariableResistorCircuit::kPicture, ":/artwork/bulb_variable_resistor.svg", 500, 350}},
    Entry{.nCommandId = CmdId::TwoResistorsSeries,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Resistors in Series"),
          .nGroup = 4, .nButton = 1,
          .Make = &Make<CTwoResistorsSeriesCircuit>,
          .picture = {CTwoResistorsSeriesCircuit::kPicture, ":/artwork/two_resistors_series.svg", 500, 350}},
    Entry{.nCommandId = CmdId::TwoResistorsParallel,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Resistors in Parallel"),
          .nGroup = 4, .nButton = 2,
          .Make = &Make<CTwoResistorsParallelCircuit>,
          .picture = {CTwoResistorsParallelCircuit::kPicture, ":/artwork/two_resistors_parallel.svg", 500, 350}},
    Entry{.nCommandId = CmdId::UnequalResistorsSeries,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Unequal Resistors in Series"),
          .nGroup = 4, .nButton = 3,
          .Make = &Make<CUnequalResistorsSeriesCircuit>,
          .picture = {CUnequalResistorsSeriesCircuit::kPicture, ":/artwork/unequal_resistors_series.svg", 500, 350}},
    Entry{.nCommandId = CmdId::UnequalResistorsParallel,
          .pszMenuCaption = QT_TRANSLATE_NOOP("Circuit", "Two Unequal Resistors in Parallel"),
          .nGroup = 4, .nButton = 4,
          .Make = &Make<CUnequalResistorsParallelCircuit>,
          .picture = {CUnequalResistorsParallelCircuit::kPicture,
                      ":/artwork/unequal_resistors_parallel.svg", 500, 350}},
};
// clang-format on

}

std::span<const CCircuitCatalogueEntry> CircuitCatalogue()
{
    return kCatalogue;
}

const CCircuitCatalogueEntry* FindCircuit(int commandId)
{
    const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                 [commandId](const Entry& entry) { return entry.nCommandId == commandId; });
    return it == kCatalogue.end() ? nullptr : &*it;
}
