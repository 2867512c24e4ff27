#include "document/CircuitFactory.h"

#include "circuits/BulbResistorCircuit.h"
#include "circuits/BulbSwitchCircuit.h"
#include "circuits/BulbVariableResistorCircuit.h"
#include "circuits/ParallelBulbsBothSwitchedCircuit.h"
#include "circuits/ParallelBulbsOneResistorCircuit.h"
#include "circuits/ParallelBulbsOneSwitchedCircuit.h"
#include "circuits/SingleBulbCircuit.h"
#include "circuits/ThreeBulbsCircuit.h"
#include "circuits/TwoBulbsParallelCircuit.h"
#include "circuits/TwoBulbsSeriesCircuit.h"
#include "circuits/TwoResistorsParallelCircuit.h"
#include "circuits/TwoResistorsSeriesCircuit.h"
#include "circuits/UnequalResistorsParallelCircuit.h"
#include "circuits/UnequalResistorsSeriesCircuit.h"
#include "res/CommandIds.h"

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
