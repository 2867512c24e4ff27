#pragma once

#include "platform/Rect.h"

#include <string>

// A component's name, centred in a rectangle given in grid units.
struct CComponentLabel {
    std::string m_strName;
    CRect m_rcGrid;
};
