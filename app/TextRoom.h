#pragma once

#include <QSize>

class QFontMetrics;
class QString;
class QWidget;

// How far a text's ink reaches above the font's line, as an accent on a
// capital may; 0 for most texts. Of a text of several lines, its first.
int InkAboveLine(const QFontMetrics& metrics, const QString& text);
// The height a line of text takes: the font's line, grown by any ink that
// reaches above or below it.
int TextLineHeight(const QFontMetrics& metrics, const QString& text);
// The pixels a text takes, its lines ("\n" between them) one below the
// other: the widest line across, and down the lines with their ink.
QSize TextSize(const QFontMetrics& metrics, const QString& text);

// The pixels a control needs to show its caption whole, with the room its
// style takes around the text: the indicator and spacing of a check box or
// radio button, a push button's frame and margins, a group box's title
// margins. An empty size for a control without a caption.
QSize TextRoom(const QWidget& control);
// The same for another caption on the control, as it would need it.
QSize TextRoom(const QWidget& control, const QString& caption);
