#pragma once

#include "core/sim/Circuit.h"

#include <memory>

// A circuit of the catalogue built on its own, by its command id (null for
// an id that is no circuit's): a measurement's copy of the one shown.
std::unique_ptr<CCircuit> MakeCircuit(int commandId);
