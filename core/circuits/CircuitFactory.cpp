#include "core/circuits/CircuitFactory.h"

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
#include "core/res/CommandIds.h"

std::unique_ptr<CCircuit> MakeCircuit(int commandId)
{
    switch (commandId) {
    case CmdId::SingleBulb: return std::make_unique<CSingleBulbCircuit>();
    case CmdId::TwoBulbsSeries: return std::make_unique<CTwoBulbsSeriesCircuit>();
    case CmdId::TwoBulbsParallel: return std::make_unique<CTwoBulbsParallelCircuit>();
    case CmdId::ThreeBulbs: return std::make_unique<CThreeBulbsCircuit>();
    case CmdId::BulbSwitch: return std::make_unique<CBulbSwitchCircuit>();
    case CmdId::ParallelBulbsOneSwitched: return std::make_unique<CParallelBulbsOneSwitchedCircuit>();
    case CmdId::ParallelBulbsBothSwitched: return std::make_unique<CParallelBulbsBothSwitchedCircuit>();
    case CmdId::BulbResistor: return std::make_unique<CBulbResistorCircuit>();
    case CmdId::ParallelBulbsOneResistor: return std::make_unique<CParallelBulbsOneResistorCircuit>();
    case CmdId::BulbVariableResistor: return std::make_unique<CBulbVariableResistorCircuit>();
    case CmdId::TwoResistorsSeries: return std::make_unique<CTwoResistorsSeriesCircuit>();
    case CmdId::TwoResistorsParallel: return std::make_unique<CTwoResistorsParallelCircuit>();
    case CmdId::UnequalResistorsSeries: return std::make_unique<CUnequalResistorsSeriesCircuit>();
    case CmdId::UnequalResistorsParallel: return std::make_unique<CUnequalResistorsParallelCircuit>();
    default: return nullptr;
    }
}
