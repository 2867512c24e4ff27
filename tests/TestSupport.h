#pragma once

#include "core/sim/Circuit.h"
#include "core/sim/Random.h"

// Puts the state of the circuits built on their own (the random generator
// and the step's tick counter) back to how a fresh program starts; a
// document's circuits start afresh with the document.
inline void RestartProgramState()
{
    LoneCircuitSet() = CCircuitSet{};
}

// The generator of the circuits built on their own.
inline CRandom& LoneRandom()
{
    return LoneCircuitSet().random;
}
