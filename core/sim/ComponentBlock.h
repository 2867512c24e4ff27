#pragma once

#include "core/draw/Colour.h"
#include "core/sim/GridPoint.h"

// What a block stands for in the circuit diagram.
enum class DiagramSymbol {
    Lamp,
    Resistor,
    LowResistor,   // with a one-bar mark
    HighResistor,   // with a two-bar mark
};

// A bulb or resistor across a wire three units wide: 3.5 units along the
// wire, confining electron centres to a conduction band across its middle;
// the rest of the block is wall. The narrower the band, the higher the
// resistance it stands for. The ball model draws its walls `wall` units
// thick in the cap colour.
struct CComponentBlock {
    CGridPoint centre;   // on the bottom wire (y 21.5) or on the rung (y 14.5)
    double bandLo;
    double bandHi;
    double wall;
    Colour cap;
    DiagramSymbol symbol;
};
