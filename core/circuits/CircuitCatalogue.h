#pragma once

#include "core/res/BitmapTable.h"
#include "core/res/CommandIds.h"

#include <memory>
#include <span>

class CCircuit;

// Everything said once for each circuit, in the catalogue's order: the
// document builds its circuits in this order (which fixes the random
// placements each one gets), the menu and the chooser show them so, and
// "--circuit K" counts in it. The factory, the document's circuits, the
// artwork table, the menus and every front end's lists are made from it.
struct CCircuitCatalogueEntry {
    int nCommandId;   // its menu item and chooser button (a CmdId)
    const char* pszMenuCaption;   // its name, context "Circuit"
    int nGroup;   // 1..4, the chooser's and the menu's group
    int nButton;   // 1..4 within the group
    std::unique_ptr<CCircuit> (*Make)();   // a new one, alone
    CBitmapResource picture;   // the picture of the circuit
    CBitmapResource openPicture = {};   // with its switch open; id 0 for a circuit without one
};

// Translation context of the circuits' names.
inline constexpr const char* kCircuitContext = "Circuit";

std::span<const CCircuitCatalogueEntry> CircuitCatalogue();
// The entry of a circuit command, or null for any other id.
const CCircuitCatalogueEntry* FindCircuit(int commandId);
