#include "res/MenuTable.h"

#include "res/CommandIds.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr std::array kCircuitMenu{
    CMenuItemEntry{MenuItemKind::CircuitSubmenu, QT_TRANSLATE_NOOP("Menu", "Choose a Circuit"), 0},
    CMenuItemEntry{MenuItemKind::Separator, nullptr, 0},
    CMenuItemEntry{MenuItemKind::Command, QT_TRANSLATE_NOOP("Menu", "E&xit"), CmdId::AppExit},
};

constexpr std::array kViewMenu{
    CMenuItemEntry{MenuItemKind::Command, QT_TRANSLATE_NOOP("Menu", "Circuit Chooser"), CmdId::ViewChooser},
    CMenuItemEntry{MenuItemKind::Command, QT_TRANSLATE_NOOP("Menu", "Controls"), CmdId::ViewControls},
    CMenuItemEntry{MenuItemKind::Command, QT_TRANSLATE_NOOP("Menu", "Display"), CmdId::ViewDisplay},
    CMenuItemEntry{MenuItemKind::Separator, nullptr, 0},
    CMenuItemEntry{MenuItemKind::Command, QT_TRANSLATE_NOOP("Menu", "Full Screen Mode (ESC to Return)"),
                   CmdId::FullScreen},
};

constexpr std::array kHelpMenu{
    CMenuItemEntry{MenuItemKind::Command, QT_TRANSLATE_NOOP("Menu", "&About Tarrowin..."), CmdId::AppAbout},
};

const std::array kMenu{
    CMenuEntry{QT_TRANSLATE_NOOP("Menu", "&Circuit"), kCircuitMenu},
    CMenuEntry{QT_TRANSLATE_NOOP("Menu", "&View"), kViewMenu},
    CMenuEntry{QT_TRANSLATE_NOOP("Menu", "&Help"), kHelpMenu},
};

}

std::span<const CMenuEntry> MainMenu()
{
    return kMenu;
}
