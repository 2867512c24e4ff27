#include "core/circuits/CircuitFactory.h"

#include "core/circuits/CircuitCatalogue.h"

std::unique_ptr<CCircuit> MakeCircuit(int commandId)
{
    const CCircuitCatalogueEntry* entry = FindCircuit(commandId);
    return entry == nullptr ? nullptr : entry->Make();
}
