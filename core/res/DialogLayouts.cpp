#include "core/res/DialogLayouts.h"

#include "core/res/CommandIds.h"
#include "core/res/ResourceIds.h"

#include "core/words/Words.h"

#include <array>

namespace {

using K = DialogControlKind;

enum ControlsBarGroup { NoGroup, DisplayGroup, CellsGroup, SwitchGroup, SpeedGroup };

// clang-format off
const std::array kControlsBar{
    CDialogControl{CmdId::Progress, K::ProgressBar, "", 3, 13, 82, 9, NoGroup, false, 0, QT_TRANSLATE_NOOP("DialogBar", "Progress")},
    CDialogControl{CmdId::DisplayBallModel, K::RadioButton, QT_TRANSLATE_NOOP("DialogBar", "tarrowin model"), 7, 44, 74, 8, DisplayGroup},
    CDialogControl{CmdId::DisplayDiagram, K::RadioButton, QT_TRANSLATE_NOOP("DialogBar", "circuit diagram"), 7, 55, 74, 8, DisplayGroup},
    CDialogControl{CmdId::DisplayPicture, K::RadioButton, QT_TRANSLATE_NOOP("DialogBar", "picture of circuit"), 7, 66, 74, 8, DisplayGroup},
    // Names for a screen reader where a caption alone says too little.
    CDialogControl{CmdId::Cells0, K::PushLikeRadio, "0", 7, 177, 17, 18, CellsGroup, false, 0, QT_TRANSLATE_NOOP("DialogBar", "no cells")},
    CDialogControl{CmdId::Cells1, K::PushLikeRadio, "1", 27, 177, 17, 18, CellsGroup, false, 0, QT_TRANSLATE_NOOP("DialogBar", "1 cell")},
    CDialogControl{CmdId::Cells2, K::PushLikeRadio, "2", 47, 177, 17, 18, CellsGroup, false, 0, QT_TRANSLATE_NOOP("DialogBar", "2 cells")},
    CDialogControl{CmdId::Cells3, K::PushLikeRadio, "3", 67, 177, 17, 18, CellsGroup, false, 0, QT_TRANSLATE_NOOP("DialogBar", "3 cells")},
    CDialogControl{CmdId::SwitchPolarity, K::PushButton, QT_TRANSLATE_NOOP("DialogBar", "switch polarity"), 7, 236, 77, 19},
    CDialogControl{CmdId::SwitchOff, K::PushLikeRadio, QT_TRANSLATE_NOOP("DialogBar", "off"), 15, 290, 28, 13, SwitchGroup, true, 0,
                   QT_TRANSLATE_NOOP("DialogBar", "switch off")},
    CDialogControl{CmdId::SwitchOn, K::PushLikeRadio, QT_TRANSLATE_NOOP("DialogBar", "on"), 45, 290, 28, 13, SwitchGroup, true, 0,
                   QT_TRANSLATE_NOOP("DialogBar", "switch on")},
    CDialogControl{CmdId::CellsPicture, K::DrawnFrame, "", 10, 199, 70, 34, NoGroup, false, ResId::CellsNone,
                   QT_TRANSLATE_NOOP("DialogBar", "No. of Power Cells")},
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "Progress"), 0, 2, 91, 25},
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "No. of Power Cells"), 0, 163, 91, 96},
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "Display"), 0, 29, 91, 85},
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "Controls"), 1, 264, 91, 82},
    CDialogControl{CmdId::TagElectron, K::CheckBox, QT_TRANSLATE_NOOP("DialogBar", "Tag Electron"), 7, 80, 78, 12},
    CDialogControl{-1, K::BlackFrame, "", 12, 287, 65, 19},
    CDialogControl{CmdId::ShowLabels, K::CheckBox, QT_TRANSLATE_NOOP("DialogBar", "Show Labels"), 7, 94, 78, 12},
    CDialogControl{-1, K::Text, QT_TRANSLATE_NOOP("DialogBar", "switch"), 33, 275, 21, 8},
    CDialogControl{-1, K::Text, QT_TRANSLATE_NOOP("DialogBar", "variable resistor"), 21, 312, 52, 8},
    CDialogControl{-1, K::BlackFrame, "", 12, 323, 65, 19},
    CDialogControl{CmdId::ResistanceDown, K::PushButton, "-", 16, 326, 28, 13, NoGroup, false, 0,
                   QT_TRANSLATE_NOOP("DialogBar", "less resistance")},
    CDialogControl{CmdId::ResistanceUp, K::PushButton, "+", 46, 326, 28, 13, NoGroup, false, 0,
                   QT_TRANSLATE_NOOP("DialogBar", "more resistance")},
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "Visualisation of Energy"), 0, 117, 91, 42},
    CDialogControl{CmdId::VaryMeanSpeed, K::CheckBox, QT_TRANSLATE_NOOP("DialogBar", "Vary Mean Speed"), 7, 130, 78, 12},
    CDialogControl{CmdId::Pulsate, K::CheckBox, QT_TRANSLATE_NOOP("DialogBar", "Pulsate"), 7, 142, 78, 12},
};
// clang-format on

// clang-format off
const std::array kDisplayBar{
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "Electron Key"), 0, 3, 158, 61},
    CDialogControl{CmdId::ElectronKey, K::Picture, "", 3, 14, 190, 46, NoGroup, false, ResId::ElectronKey,
                   QT_TRANSLATE_NOOP("DialogBar", "Electron Key")},
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "Current at Power Supply"), 0, 67, 158, 141},
    CDialogControl{CmdId::MeterFrame, K::DrawnFrame, "", 10, 78, 136, 125, NoGroup, false, ResId::MeterDial,
                   QT_TRANSLATE_NOOP("DialogBar", "Current at Power Supply")},
    // Time, in the room below the meter.
    CDialogControl{-1, K::GroupBox, QT_TRANSLATE_NOOP("DialogBar", "Time"), 0, 211, 158, 50},
    CDialogControl{CmdId::Pause, K::PushButton, QT_TRANSLATE_NOOP("DialogBar", "Pause"), 10, 224, 66, 15, NoGroup, false, 0, nullptr, false,
                   QT_TRANSLATE_NOOP("DialogBar", "Play")},
    CDialogControl{CmdId::StepTick, K::PushButton, QT_TRANSLATE_NOOP("DialogBar", "Step"), 82, 224, 66, 15, NoGroup, true},
    CDialogControl{-1, K::Text, QT_TRANSLATE_NOOP("DialogBar", "speed"), 4, 245, 36, 8},
    CDialogControl{CmdId::SpeedNormal, K::PushLikeRadio, QT_TRANSLATE_NOOP("DialogBar", "normal"), 42, 242, 42, 14, SpeedGroup},
    CDialogControl{CmdId::SpeedHalf, K::PushLikeRadio, "1/2", 87, 242, 29, 14, SpeedGroup, false, 0,
                   QT_TRANSLATE_NOOP("DialogBar", "half speed")},
    CDialogControl{CmdId::SpeedQuarter, K::PushLikeRadio, "1/4", 119, 242, 29, 14, SpeedGroup, false, 0,
                   QT_TRANSLATE_NOOP("DialogBar", "quarter speed")},
};
// clang-format on

// clang-format off
const std::array kAboutBox{
    CDialogControl{CmdId::AboutOk, K::DefPushButton, QT_TRANSLATE_NOOP("DialogBar", "OK"), 35, 72, 79, 16},
    CDialogControl{-1, K::Picture, "", 7, 6, 132, 25, NoGroup, false, ResId::Logo, QT_TRANSLATE_NOOP("DialogBar", "Tarrowin"), true},
    CDialogControl{CmdId::AboutLink, K::Text, QT_TRANSLATE_NOOP("DialogBar", "Tarrowin user guide"), 29, 57, 92, 8},
    CDialogControl{-1, K::Picture, "", 7, 38, 132, 12, NoGroup, false, ResId::Notice,
                   QT_TRANSLATE_NOOP("DialogBar", "Tarrowin 1.0, free software under the MIT licence"), true},
};
// clang-format on

const CDialogLayout kControlsBarLayout{CmdId::ControlsBar, 92, 358, "MS Shell Dlg", 8, kControlsBar};
const CDialogLayout kDisplayBarLayout{CmdId::DisplayBar, 158, 263, "MS Shell Dlg", 8, kDisplayBar};
const CDialogLayout kAboutBoxLayout{
    CmdId::AboutBox, 149, 95, "Microsoft Sans Serif", 12, kAboutBox, QT_TRANSLATE_NOOP("DialogBar", "About Tarrowin")};

}

const CDialogLayout& ControlsBarLayout()
{
    return kControlsBarLayout;
}

const CDialogLayout& DisplayBarLayout()
{
    return kDisplayBarLayout;
}

const CDialogLayout& AboutBoxLayout()
{
    return kAboutBoxLayout;
}
