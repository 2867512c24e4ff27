#pragma once

// What the view shows of a circuit: the ball model, the circuit diagram or
// the picture of the circuit, in the order of the View menu and of
// Strings::kDisplayWords.
enum class DisplayMode { BallModel, Diagram, Picture };
