#pragma once

#include <span>

// The fourteen circuits in the document's table order: the command id of
// their menu item and chooser button, the menu caption and the chooser place.
struct CCircuitCatalogueEntry {
    int nCommandId;
    const char* pszMenuCaption;
    int nGroup;    // 1..4
    int nButton;   // 1..4 within the group
};

// Translation context of the circuits' names.
inline constexpr const char* kCircuitContext = "Circuit";

std::span<const CCircuitCatalogueEntry> CircuitCatalogue();
