#pragma once

#include <algorithm>

// Clips a w x h block at (x, y), taken from (sx, sy) of a source of
// sourceW x sourceH, to the source and to a target of targetW x targetH.
// False when nothing of it is left to copy.
inline bool ClipBlock(int& x, int& y, int& w, int& h, int& sx, int& sy, int sourceW, int sourceH, int targetW,
                      int targetH)
{
    // What lies before 0 on one side is cut from both sides and from the size.
    const auto cut = [](int& start, int& other, int& size) {
        if (start < 0) {
            other -= start;
            size += start;
            start = 0;
        }
    };
    cut(sx, x, w);
    cut(sy, y, h);
    cut(x, sx, w);
    cut(y, sy, h);
    w = std::min({w, targetW - x, sourceW - sx});
    h = std::min({h, targetH - y, sourceH - sy});
    return w > 0 && h > 0;
}
