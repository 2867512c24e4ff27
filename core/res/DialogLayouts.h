#pragma once

#include <span>

// The dialog layouts as data (the two bars and the About box), in dialog
// units and creation order. Captions and accessible names are the source
// texts for translation, in the "DialogBar" context.
enum class DialogControlKind {
    ProgressBar,
    RadioButton,
    PushLikeRadio,   // a radio button drawn as a push button
    PushButton,
    DefPushButton,   // the push button that Enter presses
    CheckBox,
    GroupBox,
    Text,   // centred at the top of its rectangle
    BlackFrame,   // a bordered black frame, decoration only
    DrawnFrame,   // a bordered black frame the program draws a picture into, just large
    // enough for it and centred in its rectangle
    Picture,   // a bitmap at its own size
};

struct CDialogControl {
    int nId;   // -1 for a control without id
    DialogControlKind kind;
    const char* pszCaption;
    int x, y, w, h;   // dialog units
    int nGroup = 0;   // radio buttons of one exclusive group share it
    bool bDisabled = false;
    int nBitmapId = 0;   // Picture: its bitmap; DrawnFrame: a bitmap as large as what is drawn
    const char* pszAccessibleName = nullptr;
    bool bCentreImage = false;   // Picture only: centred in its rectangle, not at its top-left
    const char* pszAltCaption = nullptr;   // a second caption the control shows at times; it fits too
};

struct CDialogLayout {
    int nId;
    int nWidth, nHeight;   // dialog units
    const char* pszFontFace;
    int nPointSize;
    std::span<const CDialogControl> controls;
    const char* pszCaption = nullptr;   // a dialog's title; none for a bar
};

inline constexpr const char* kDialogBarContext = "DialogBar";

const CDialogLayout& ControlsBarLayout();
const CDialogLayout& DisplayBarLayout();
const CDialogLayout& AboutBoxLayout();
