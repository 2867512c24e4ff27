#pragma once

// What a grid point of a circuit is.
enum CircuitRegion {
    RegionWire = 0,   // free conductor
    RegionWall = 1,   // outside the conductor or inside an obstacle
    RegionSupply = 2,   // inside the power supply, a one-way gate
    RegionRelease = 3,   // on a load's energy-release line
    RegionSwitchGap = 4,   // inside an open switch's gap
};
