#pragma once

#include "cli/SimOptions.h"

#include <cstdio>
#include <string>

// Builds the document, applies the options and runs the ticks, writing the
// JSON lines (or the region map) to out. Returns the exit status; errors
// are one line on err, with status 2.
// Checks that the PNG file and the frames directory can be written (making
// the directory); the error line, or empty.
std::string CheckSimOutputs(const CSimOptions& options);

int RunSim(const CSimOptions& options, std::FILE* out, std::FILE* err);
