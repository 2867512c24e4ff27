#pragma once

#include <QImage>

// A frame-sized 32-bit image whose memory the kernel may back with huge
// pages. Every tick copies a few dozen small rectangles between three or
// four such frames; each row of each rectangle lies on its own small page,
// and on a 4K frame the address translations, not the bytes, dominate.
QImage CreateFrameImage(int w, int h);
