#pragma once

#include "platform/DialogUnits.h"
#include "core/res/DialogLayouts.h"

#include <QRect>
#include <QString>

#include <span>
#include <vector>

class QFont;
class QWidget;

// One control of a page to place: its entry in the layout, the widget built
// for it, which measures its texts, and its captions in one line each.
struct CPlacedControl {
    const CDialogControl* control;
    const QWidget* widget;
    QString caption;
    QString altCaption;   // empty without a second caption
};

// How far a page is narrowed: across, its units and so its width; its
// pictures, which may shrink further to save height. 1 is full size.
struct CBarScale {
    qreal across = 1.0;
    qreal pictures = 1.0;

    auto operator<=>(const CBarScale&) const = default;
};

// Where a page's controls stand, in pixels, and the captions they show.
struct CBarPlacement {
    CDialogUnits units{1, 1};
    QSize size;
    std::vector<QRect> places;   // a picture's place already its own size
    std::vector<QString> captions;   // "\n" between the lines of a broken caption
    std::vector<QString> altCaptions;
};

// A page laid out at a scale. At full size the units are the font's own,
// grown until every caption fits its place on one line and every drawn frame
// its picture. Narrowed, for a narrow window, the units across shrink by the
// scale; a caption too long for its place then breaks between words and
// takes the lines it needs, and everything below moves down by as much.
// Only a word or a picture wider than its place widens the units again.
// Shrunk pictures give back the height they no longer need, and everything
// below moves up by as much.
CBarPlacement PlaceControls(const CDialogLayout& layout, std::span<const CPlacedControl> controls, const QFont& font,
                            CBarScale scale);

// The natural size of a control's picture with its frame's border, at a
// scale; invalid for a control without one.
QSize PictureSize(const CDialogControl& control, const QWidget& widget, qreal scale);
