#pragma once

// How a charged electron shakes while Pulsate is on: one step of a row per
// tick, the row chosen by its energy level (1 and up); higher energy shakes
// further and with a longer cycle. The ticks move the phase along the row
// (the step counts it on, the animation starts it again past the row's end);
// a frame shows the step the phase stands at.
struct CPulseStep {
    int dx;   // in pixels at the reference unit
    int dy;
};

// The phase as the row of the level shows it: from 0 again past the row's end.
int PulsePhase(int level, int phase);
// The step shown at a phase of the level's row.
CPulseStep PulseStep(int level, int phase);
