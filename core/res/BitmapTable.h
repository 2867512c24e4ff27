#pragma once

#include <span>

// One artwork file per bitmap id, with the size the program draws it at.
struct CBitmapResource {
    int nId;
    const char* pszPath;   // Qt resource path of the SVG
    int nWidth;
    int nHeight;
};

// A text written over an artwork when it is drawn, so that it follows the
// user's language: in the artwork's own units, from its left edge (or centred
// on the middle of left and right) on its baseline, shrunk to fit that width.
struct CArtworkCaption {
    int nId;
    const char* pszText;   // context "Artwork"
    double left;
    double right;
    double baseline;
    int nPixelSize;
    bool bBold;
    unsigned int rgb;
    bool bCentred;
};

std::span<const CBitmapResource> BitmapResources();
std::span<const CArtworkCaption> ArtworkCaptions(int id);
const CBitmapResource* FindBitmapResource(int id);
