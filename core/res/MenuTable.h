#pragma once

#include <span>

inline constexpr const char* kMenuContext = "Menu";

// Menu 128 as data. Captions are the source texts for translation, in the
// "Menu" context but for the circuits' names; the circuit submenu is made
// from the circuit catalogue.
enum class MenuItemKind {
    Command,
    Check,   // ticked while its state holds
    Radio,   // one of the adjacent Radio items, the one that holds
    Separator,
    Submenu,   // the items of `submenu`
};

struct CMenuItemEntry {
    MenuItemKind kind;
    const char* pszCaption;   // null for a separator
    int nId;   // 0 for a separator or the submenu
    const char* pszKeys = "";   // its keys, in QKeySequence's portable form, "; " between several
    bool bRepeat = false;   // a key held down repeats it
    std::span<const CMenuItemEntry> submenu = {};
    const char* pszContext = kMenuContext;   // the caption's translation context
};

struct CMenuEntry {
    const char* pszTitle;
    std::span<const CMenuItemEntry> items;
};

std::span<const CMenuEntry> MainMenu();
