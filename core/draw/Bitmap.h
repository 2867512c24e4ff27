#pragma once

// A bitmap made by a drawing surface (CreateCompatibleBitmap) or loaded
// from the resources; only the surface family that made it can draw it.
class CBitmap {
public:
    virtual ~CBitmap() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
