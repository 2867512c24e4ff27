#pragma once

#include "core/measurement/Measurement.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One comparison of long runs: the runs chosen, then the references their
// ideal currents are multiples of, the results as they come in, and what the
// chart and the copied data show of them. Knows nothing of threads: a front
// end measures the runs however it can and records each result here.
class CComparison {
public:
    struct CBar {
        std::string circuit;   // the circuit's name
        std::string settings;   // what sets the run apart
        std::optional<CEstimate> value;   // the current, once measured
        std::optional<double> ideal;   // the ideal circuit's current, once its reference is measured
        std::optional<double> ratio;   // the model's current as a multiple of the reference's
        std::optional<double> idealRatio;   // the ideal circuit's
    };

    CComparison() = default;
    explicit CComparison(std::vector<CMeasureSetup> shown);

    // The runs to measure: those shown, then the references they need.
    const std::vector<CMeasureSetup>& Runs() const { return m_runs; }
    std::size_t Shown() const { return m_nShown; }
    // Keeps a run's result; a job out of range is ignored.
    void Record(std::size_t job, const CMeasureResult& result);
    std::size_t Measured() const;
    bool Complete() const { return !m_runs.empty() && Measured() == m_runs.size(); }

    // A bar for each run shown, in the language in use.
    std::vector<CBar> Bars() const;
    // The figures measured so far as comma-separated values with a header.
    std::string Csv() const;

private:
    std::vector<CMeasureSetup> m_runs;
    std::size_t m_nShown = 0;
    std::vector<std::optional<CMeasureResult>> m_results;
};
