#pragma once

#include <QImage>

// The artwork of a bitmap id, rendered at its natural size times the scale,
// as a Format_RGB32 image on white; a null image for an unknown id.
QImage LoadResourceImage(int id, qreal scale = 1.0);
// The same artwork rendered to fill exactly size pixels.
QImage LoadResourceImage(int id, QSize size);

// The same artwork with its transparency kept (ARGB32 premultiplied), for
// pictures shown on a widget's own background such as toolbar buttons.
QImage LoadResourceImageWithAlpha(int id, qreal scale = 1.0);
