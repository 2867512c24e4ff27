#include "core/measurement/CompareSets.h"

#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/CommandIds.h"

#include <array>

namespace CompareSets {

namespace {

CMeasureSetup Run(int circuitId, int cells = 1, bool switchOpen = false)
{
    CMeasureSetup setup;
    setup.nCircuitId = circuitId;
    setup.nCells = cells;
    setup.bSwitchOpen = switchOpen;
    return setup;
}

constexpr std::array kSetNames{
    QT_TRANSLATE_NOOP("Compare", "Single, series and parallel bulbs"),
    QT_TRANSLATE_NOOP("Compare", "0 to 3 cells"),
    QT_TRANSLATE_NOOP("Compare", "The variable resistor's 15 settings"),
    QT_TRANSLATE_NOOP("Compare", "Bulb against resistor"),
    QT_TRANSLATE_NOOP("Compare", "The switches open and closed"),
    QT_TRANSLATE_NOOP("Compare", "All %1 circuits with 1 to 3 cells"),
};
static_assert(kSetNames.size() == kSetCount);

std::string Text(const char* text)
{
    return Translate("Compare", text);
}

}

std::string SetName(Set set)
{
    return FillIn(Text(kSetNames.at(static_cast<std::size_t>(set))), {std::to_string(CircuitCatalogue().size())});
}

std::string SettingsText(const CMeasureSetup& setup)
{
    std::string text = setup.nCells == 1
                           ? Text(QT_TRANSLATE_NOOP("Compare", "1 cell"))
                           : FillIn(Text(QT_TRANSLATE_NOOP("Compare", "%1 cells")), {std::to_string(setup.nCells)});
    if (setup.bSwitchOpen)
        text += ", " + Text(QT_TRANSLATE_NOOP("Compare", "switch open"));
    if (setup.resistorWall)
        text += ", " + FillIn(Text(QT_TRANSLATE_NOOP("Compare", "resistance %1 of %2")),
                              {std::to_string(CBulbVariableResistorCircuit::StepOfWall(*setup.resistorWall)),
                               std::to_string(CBulbVariableResistorCircuit::kResistanceSteps)});
    return text;
}

std::string CircuitName(int circuitId)
{
    const CCircuitCatalogueEntry* entry = FindCircuit(circuitId);
    return entry == nullptr ? std::string() : Translate(kCircuitContext, entry->pszMenuCaption);
}

std::vector<CMeasureSetup> Runs(Set set)
{
    std::vector<CMeasureSetup> runs;
    switch (set) {
    case Set::SingleSeriesParallel:
        for (const int id : {CmdId::SingleBulb, CmdId::TwoBulbsSeries, CmdId::TwoBulbsParallel, CmdId::ThreeBulbs})
            runs.push_back(Run(id));
        break;
    case Set::Cells:
        for (int cells = 0; cells <= 3; ++cells)
            runs.push_back(Run(CmdId::SingleBulb, cells));
        break;
    case Set::VariableResistor:
        for (int presses = 0; presses <= 14; ++presses) {
            runs.push_back(Run(CmdId::BulbVariableResistor));
            runs.back().resistorWall = CBulbVariableResistorCircuit::WallAfterPresses(presses);
        }
        break;
    case Set::BulbAgainstResistor:
        for (const int id : {CmdId::SingleBulb, CmdId::BulbResistor, CmdId::TwoResistorsSeries})
            runs.push_back(Run(id));
        break;
    case Set::Switches:
        for (const int id : {CmdId::BulbSwitch, CmdId::ParallelBulbsOneSwitched, CmdId::ParallelBulbsBothSwitched})
            for (const bool open : {false, true})
                runs.push_back(Run(id, 1, open));
        break;
    case Set::AllCircuits:
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
            for (int cells = 1; cells <= 3; ++cells)
                runs.push_back(Run(entry.nCommandId, cells));
        break;
    }
    return runs;
}

std::vector<CMeasureSetup> Chosen(std::span<const int> circuitIds, std::span<const int> cells)
{
    std::vector<CMeasureSetup> runs;
    for (const int id : circuitIds)
        for (const int n : cells)
            runs.push_back(Run(id, n));
    return runs;
}

std::optional<CIdeal> Ideal(const CMeasureSetup& setup)
{
    // The parallel branches' conductances in units of one bulb (or one of the
    // two equal resistors in series): the rung's and the bottom wire's.
    double conductance = 0.0;
    int reference = CmdId::SingleBulb;
    const bool open = setup.bSwitchOpen;
    switch (setup.nCircuitId) {
    case CmdId::SingleBulb: conductance = 1.0; break;
    case CmdId::TwoBulbsSeries: conductance = 0.5; break;
    case CmdId::TwoBulbsParallel: conductance = 2.0; break;
    case CmdId::ThreeBulbs: conductance = 1.0 + 0.5; break;
    case CmdId::BulbSwitch: conductance = open ? 0.0 : 1.0; break;
    case CmdId::ParallelBulbsOneSwitched: conductance = open ? 1.0 : 2.0; break;
    case CmdId::ParallelBulbsBothSwitched: conductance = open ? 0.0 : 2.0; break;
    case CmdId::TwoResistorsSeries:
        reference = CmdId::TwoResistorsSeries;
        conductance = 1.0;
        break;
    case CmdId::TwoResistorsParallel:
        reference = CmdId::TwoResistorsSeries;
        conductance = 4.0;
        break;
    default: return std::nullopt;
    }
    CMeasureSetup base = Run(reference);
    base.bVaryMeanSpeed = setup.bVaryMeanSpeed;
    return CIdeal{base, conductance * setup.nCells};
}

}
