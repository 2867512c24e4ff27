#pragma once

#include "core/sim/Random.h"

// What the circuits of one set share as they step: the random generator that
// places their electrons as the set is built and rescues them as they step,
// and the count of steps that paces the glows' countdown. The program's
// document is one set; a measurement's copy of a circuit is a set of its own,
// so it never draws from the live circuits' sequence, and may step on another
// thread.
struct CCircuitSet {
    CRandom random;
    int stepTick = 0;
};

// The set of circuits built on their own, outside any document (tests,
// benchmarks), as a fresh program starts it.
CCircuitSet& LoneCircuitSet();
