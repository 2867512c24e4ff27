#pragma once

#include "cli/SimOptions.h"
#include "core/draw/DrawSurface.h"

#include <cstdio>
#include <string>

// Where the runner draws its pictures: a front end's raster surface and PNG
// files. A runner built without one prints states and measurements only.
class ISimPictures {
public:
    virtual ~ISimPictures() = default;
    // Checks that the PNG file and the frames directory can be written
    // (making the directory): the error line, or empty.
    virtual std::string CheckOutputs(const CSimOptions& options) = 0;
    // A surface of w x h pixels to draw the frames on, or null.
    virtual CDrawSurface* Open(int w, int h) = 0;
    // Writes what was drawn on the surface as a PNG file; false on failure.
    virtual bool Save(const std::string& path) = 0;
};

// Builds the document, applies the options and runs the ticks, writing the
// JSON lines (or the region map, or the long-run measurement) to out. Returns
// the exit status; errors are one line on err, with status 2.
int RunSim(const CSimOptions& options, std::FILE* out, std::FILE* err, ISimPictures* pictures = nullptr);
