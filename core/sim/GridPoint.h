#pragma once

// A point of the 25 x 25 grid, in grid units.
struct CGridPoint {
    double x;
    double y;
};
