#pragma once

#include "sim/Circuit.h"
#include "sim/Random.h"

// Puts the program-wide state (the random generator and the step's tick
// counter) back to how a fresh program starts.
inline void RestartProgramState()
{
    CRandom::Restart(1);
    CCircuit::RestartStepTickCounter();
}
