#pragma once

#include <span>

// One artwork file per bitmap id, with the size the program draws it at.
struct CBitmapResource {
    int nId;
    const char* pszPath;   // Qt resource path of the SVG
    int nWidth;
    int nHeight;
};

std::span<const CBitmapResource> BitmapResources();
const CBitmapResource* FindBitmapResource(int id);
