#pragma once

#include <span>

// The two bars' dialog layouts as data, in dialog units and creation order.
// Captions and accessible names are the source texts for translation, in
// the "DialogBar" context.
enum class DialogControlKind {
    ProgressBar,
    RadioButton,
    PushLikeRadio,   // a radio button drawn as a push button
    PushButton,
    CheckBox,
    GroupBox,
    Text,
    BlackFrame,      // a bordered black frame, decoration only
    DrawnFrame,      // a bordered black frame the program draws a picture into
    Picture,         // a bitmap at its own size
};

struct CDialogControl {
    int nId;                  // -1 for a control without id
    DialogControlKind kind;
    const char* pszCaption;
    int x, y, w, h;           // dialog units
    int nGroup = 0;           // radio buttons of one exclusive group share it
    bool bDisabled = false;
    int nBitmapId = 0;        // Picture only
    const char* pszAccessibleName = nullptr;
};

struct CDialogLayout {
    int nId;
    int nWidth, nHeight;      // dialog units
    const char* pszFontFace;
    int nPointSize;
    std::span<const CDialogControl> controls;
};

inline constexpr const char* kDialogBarContext = "DialogBar";

const CDialogLayout& ControlsBarLayout();
const CDialogLayout& DisplayBarLayout();
