#pragma once

#include "core/draw/DrawSurface.h"

#include <memory>
#include <string>
#include <vector>

// The component labels once more, as a layer that a frame lays over
// whatever it drew across them (glow arcs above all), so the names stay
// readable. Each label is black text on white in a bitmap of its own,
// combined with AND: only the text's pixels change.
class CLabelLayer {
public:
    // One label: its text centred in rc, in pixels of the frame.
    struct CLabel {
        CRect rc;
        std::string text;   // as shown, in the user's language
    };

    // Draws every label's text with the font; a text may run wider than its
    // rectangle, so each bitmap spans three rectangles' width.
    void Build(CDrawSurface& dc, const std::vector<CLabel>& labels, const CFontSpec& font, const CRect& client);
    void Clear() { m_pieces.clear(); }

    // Puts the labels' text back wherever it meets one of the drawn parts.
    void DrawOver(CDrawSurface& dc, const std::vector<CRect>& drawn) const;

private:
    struct CPiece {
        CRect rc;
        std::unique_ptr<CBitmap> bmp;
    };
    std::vector<CPiece> m_pieces;
};
