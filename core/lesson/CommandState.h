#pragma once

// How a menu item shows a command: greyed out or not, ticked or not.
struct CCommandState {
    bool bEnabled = true;
    bool bChecked = false;
};
