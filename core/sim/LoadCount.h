#pragma once

// What one load (a bulb or a resistor) has taken from the electrons since
// its circuit was built: how often an electron gave up energy on its release
// line, and how much, in the units of EnergyLevel (each half of a packet is
// worth as many units as the supply has cells).
struct CLoadCount {
    long long releases = 0;
    long long energy = 0;
};
