#include "core/res/MenuTable.h"

#include "core/circuits/CircuitCatalogue.h"
#include "core/res/CommandIds.h"

#include "core/words/Words.h"

#include <array>
#include <vector>

namespace {

using K = MenuItemKind;

// Every circuit in the catalogue's order, a separator between groups.
const std::vector<CMenuItemEntry>& CircuitItems()
{
    static const std::vector<CMenuItemEntry> items = [] {
        std::vector<CMenuItemEntry> list;
        int group = 0;
        for (const CCircuitCatalogueEntry& circuit : CircuitCatalogue()) {
            if (group != 0 && circuit.nGroup != group)
                list.push_back({K::Separator, nullptr, 0});
            group = circuit.nGroup;
            list.push_back({K::Radio, circuit.pszMenuCaption, circuit.nCommandId, "", false, {}, kCircuitContext});
        }
        return list;
    }();
    return items;
}

// Every command has a key, for a class without a mouse and for a
// presenter's remote (PageDown, PageUp, F5, Escape, "." and "b"). Keys of
// one letter leave the letters that toggle to a single press.
std::span<const CMenuItemEntry> CircuitMenu()
{
    static const std::array items{
        CMenuItemEntry{K::Submenu, QT_TRANSLATE_NOOP("Menu", "Choose a Circuit"), 0, "", false, CircuitItems()},
        CMenuItemEntry{K::Separator, nullptr, 0},
        CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Next Circuit"), CmdId::NextCircuit, "PgDown", true},
        CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Previous Circuit"), CmdId::PreviousCircuit, "PgUp",
                       true},
        CMenuItemEntry{K::Separator, nullptr, 0},
        CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Save Picture..."), CmdId::SavePicture, "Ctrl+S"},
        CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Copy Picture"), CmdId::CopyPicture, "Ctrl+C"},
        CMenuItemEntry{K::Separator, nullptr, 0},
        CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "E&xit"), CmdId::AppExit, "Ctrl+Q"},
    };
    return items;
}

constexpr std::array kControlsMenu{
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&No Cells"), CmdId::Cells0, "0"},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&1 Cell"), CmdId::Cells1, "1"},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&2 Cells"), CmdId::Cells2, "2"},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&3 Cells"), CmdId::Cells3, "3"},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "Switch &Polarity"), CmdId::SwitchPolarity, "R"},
    CMenuItemEntry{K::Separator, nullptr, 0},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "&Switch On"), CmdId::ToggleSwitch, "S"},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Less Resistance"), CmdId::ResistanceDown, "-", true},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&More Resistance"), CmdId::ResistanceUp, "+; =", true},
    CMenuItemEntry{K::Separator, nullptr, 0},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "&Tag Electron"), CmdId::TagElectron, "T"},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "&Vary Mean Speed"), CmdId::VaryMeanSpeed, "V"},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "P&ulsate"), CmdId::Pulsate, "P"},
};

constexpr std::array kPaletteMenu{
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&Standard"), CmdId::PaletteStandard, "Shift+C"},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&Colour-blind safe"), CmdId::PaletteColourBlind, "C"},
};

constexpr std::array kViewMenu{
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "Circuit Chooser"), CmdId::ViewChooser},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "Controls"), CmdId::ViewControls},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "Display"), CmdId::ViewDisplay},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "M&easurements"), CmdId::ViewMeasurements, "G"},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "Com&pare Circuits..."), CmdId::CompareCircuits},
    CMenuItemEntry{K::Separator, nullptr, 0},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "Tarrowin &Model"), CmdId::DisplayBallModel, "M"},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "Circuit &Diagram"), CmdId::DisplayDiagram, "D"},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "P&icture of Circuit"), CmdId::DisplayPicture, "I"},
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "Show &Labels"), CmdId::ShowLabels, "L"},
    CMenuItemEntry{K::Submenu, QT_TRANSLATE_NOOP("Menu", "Electron &Colours"), 0, "", false, kPaletteMenu},
    CMenuItemEntry{K::Separator, nullptr, 0},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "Full Screen Mode (ESC to Return)"), CmdId::FullScreen,
                   "F11; F5"},
    CMenuItemEntry{K::Separator, nullptr, 0},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Reset to Defaults"), CmdId::ResetDefaults},
};

constexpr std::array kTimeMenu{
    CMenuItemEntry{K::Check, QT_TRANSLATE_NOOP("Menu", "&Pause"), CmdId::Pause, "Space; B"},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Step"), CmdId::StepTick, ".", true},
    CMenuItemEntry{K::Separator, nullptr, 0},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&Normal Speed"), CmdId::SpeedNormal},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&Half Speed"), CmdId::SpeedHalf},
    CMenuItemEntry{K::Radio, QT_TRANSLATE_NOOP("Menu", "&Quarter Speed"), CmdId::SpeedQuarter},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "S&lower"), CmdId::SpeedSlower, "["},
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&Faster"), CmdId::SpeedFaster, "]"},
};

constexpr std::array kHelpMenu{
    CMenuItemEntry{K::Command, QT_TRANSLATE_NOOP("Menu", "&About Tarrowin..."), CmdId::AppAbout},
};

}

std::span<const CMenuEntry> MainMenu()
{
    // Made on first use, like the circuit items, so that no caller sees it half made.
    static const std::array menu{
        CMenuEntry{QT_TRANSLATE_NOOP("Menu", "&Circuit"), CircuitMenu()},
        CMenuEntry{QT_TRANSLATE_NOOP("Menu", "C&ontrols"), kControlsMenu},
        CMenuEntry{QT_TRANSLATE_NOOP("Menu", "&View"), kViewMenu},
        CMenuEntry{QT_TRANSLATE_NOOP("Menu", "&Time"), kTimeMenu},
        CMenuEntry{QT_TRANSLATE_NOOP("Menu", "&Help"), kHelpMenu},
    };
    return menu;
}
