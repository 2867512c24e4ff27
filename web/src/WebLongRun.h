#pragma once

#include "core/measurement/Measurement.h"

#include <memory>
#include <optional>

// The Measurements panel's long run in the browser: ten minutes of the model
// measured on a copy of the circuit a slice at a time, in the page's idle
// time (WebAssembly threads would need headers a school's server may not
// send). Measured again whenever the circuit or a setting changes.
class CWebLongRun {
public:
    // Starts measuring the setup unless it is the one measured; true when it starts.
    bool Follow(const CMeasureSetup& setup);
    // Runs up to `ticks` more of the copy; true while ticks remain.
    bool Advance(long long ticks);
    bool Running() const { return m_run != nullptr; }
    // The share of the run done, 0 to 1.
    double Progress() const;
    const std::optional<CMeasureResult>& Result() const { return m_result; }

private:
    std::optional<CMeasureSetup> m_setup;
    std::unique_ptr<CMeasurement> m_run;
    std::optional<CMeasureResult> m_result;
};
