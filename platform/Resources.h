#pragma once

#include <QImage>

// The artwork of a bitmap id, rendered at its natural size times the scale,
// as a Format_RGB32 image; a null image for an unknown id.
QImage LoadResourceImage(int id, qreal scale = 1.0);
