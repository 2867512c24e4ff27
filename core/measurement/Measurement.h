#pragma once

#include "core/sim/CircuitSet.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCircuit;

// What a measurement copies from the circuit shown: which circuit, and every
// setting that changes what a tick computes.
struct CMeasureSetup {
    int nCircuitId = 0;   // the circuit's command id
    int nCells = 1;   // 0..3
    bool bReversed = false;
    bool bSwitchOpen = false;
    bool bVaryMeanSpeed = false;
    std::optional<double> resistorWall;   // the variable resistor's, as it stands

    friend bool operator==(const CMeasureSetup&, const CMeasureSetup&) = default;
};

// A long-run mean and its 95% interval, mean - half to mean + half.
struct CEstimate {
    double mean = 0.0;
    double half = 0.0;

    double Low() const { return mean - half; }
    double High() const { return mean + half; }
};

struct CMeasureResult {
    double seconds = 0.0;   // of model time measured
    CEstimate current;   // net electrons per second through the supply
    std::vector<std::string> loadNames;   // by name, as the measurements panel lists them
    std::vector<CEstimate> loads;   // energy per second, in the order of loadNames
};

// The long-run current and energy per second of a circuit: a copy of it, in
// a set of its own with its own generator, stepped for a given time of the
// model after a short settling. The run is cut into equal batches whose
// means give the interval, so the run's correlation over time is accounted
// for. The live circuit is never touched: a measurement may run on another
// thread, or a little at a time.
class CMeasurement {
public:
    static constexpr double kSecondsPerTick = 0.016;
    static constexpr int kBatches = 20;
    static constexpr long long kSettleTicks = 313;   // five seconds from the random start
    static constexpr double kLongRunSeconds = 600.0;

    CMeasurement(const CMeasureSetup& setup, double seconds, std::uint32_t seed = 1);
    ~CMeasurement();
    CMeasurement(const CMeasurement&) = delete;
    CMeasurement& operator=(const CMeasurement&) = delete;

    // Steps the copy up to `ticks` more; true once the whole run is done.
    bool Advance(long long ticks);
    bool Done() const { return m_nTick == TotalTicks(); }
    long long TicksRun() const { return m_nTick; }
    long long TotalTicks() const { return kSettleTicks + m_nBatchTicks * kBatches; }
    // The ticks of a whole run of that many seconds.
    static long long TotalTicksFor(double seconds) { return kSettleTicks + BatchTicksFor(seconds) * kBatches; }
    // The figures of a finished run.
    CMeasureResult Result() const;

private:
    struct CCounts {
        long long supply = 0;
        std::vector<long long> energy;
    };
    CCounts Gather() const;
    static long long BatchTicksFor(double seconds);

    CCircuitSet m_set;
    std::unique_ptr<CCircuit> m_circuit;
    std::vector<std::string> m_names;
    std::vector<std::size_t> m_order;   // listed load -> the circuit's load
    long long m_nBatchTicks = 1;
    long long m_nTick = 0;
    CCounts m_batchStart;
    std::vector<CCounts> m_batches;   // each batch's counts
};
