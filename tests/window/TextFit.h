#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QMenuBar;
class QWidget;

// Every text that a control under root shows and cannot show whole, measured
// with the control's real font and its style's own room for text: a button's
// caption inside its margins, a check box's or radio button's beside its
// indicator, a label's inside its frame, a group box's title inside the box,
// the link's text. The room must hold the font's line, and the control the
// text's ink, accents above the capitals included; a text broken into lines
// must hold each line and all of them. Each entry names the control, its
// text and the two sizes.
QStringList ClippedTexts(const QWidget& root);

// The same for a menu bar: every menu that does not show on the bar itself,
// and every item of its menus and their submenus that its menu cannot show
// whole on a screen of the given size.
QStringList ClippedMenuTexts(const QMenuBar& bar, const QSize& screen);
