#pragma once

#include "core/measurement/Measurement.h"

#include <emscripten/val.h>

// A measured figure as the page reads it: { mean, half }, the interval's middle and half-width.
inline emscripten::val EstimateValue(const CEstimate& estimate)
{
    emscripten::val out = emscripten::val::object();
    out.set("mean", estimate.mean);
    out.set("half", estimate.half);
    return out;
}
