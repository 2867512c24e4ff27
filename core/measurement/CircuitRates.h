#pragma once

#include "core/sim/LoadCount.h"

#include <array>
#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <vector>

// What the measurements panel shows of the current circuit: the current at
// the supply (net electrons per second) and the energy each load receives
// per second, both averaged over the same last ten seconds, with their history over
// the last 30 seconds. Time is the model's own, one tick being 16 ms as at
// normal speed: a paused graph stands still and a slowed one reads the same.
class CCircuitRates {
public:
    static constexpr double kSecondsPerTick = 0.016;
    // Ten seconds: with about one electron a second through the supply, a
    // shorter average jumps too much to teach from.
    static constexpr int kWindowTicks = 625;
    static constexpr int kTicksPerPoint = 5;
    static constexpr double kHistorySeconds = 30.0;
    static constexpr std::size_t kMaxLoads = 3;

    struct CPoint {
        double seconds;
        double current;
        std::array<double, kMaxLoads> loads;
    };

    // The loads' places in the order of their names, so "light bulb 1" comes
    // before "light bulb 2": the listed load i is the circuit's load [i].
    static std::vector<std::size_t> OrderByName(const std::vector<std::string>& names);

    // Starts again from the counts a circuit has now; its loads are shown in
    // the order of their names.
    void Restart(const std::vector<std::string>& names, long long supply, std::span<const CLoadCount> loads);
    // Takes the counts after one more tick.
    void Sample(long long supply, std::span<const CLoadCount> loads);

    // Changes with every restart, so the panel knows to build its rows anew.
    int Generation() const { return m_nGeneration; }
    long long Ticks() const { return m_nTicks; }
    double Seconds() const { return m_nTicks * kSecondsPerTick; }
    std::size_t LoadCount() const { return m_names.size(); }
    const std::string& LoadName(std::size_t i) const { return m_names[i]; }
    double Current() const { return m_current; }
    double LoadRate(std::size_t i) const { return m_loadRates[i]; }
    // Oldest first, a point every kTicksPerPoint ticks from the restart.
    const std::deque<CPoint>& History() const { return m_history; }

    // The history as comma-separated values: a header of the given column
    // names (time, current, then one per load) and a row per point.
    std::string Csv(const std::vector<std::string>& header) const;

private:
    struct CCounts {
        long long supply = 0;
        std::array<long long, kMaxLoads> energy{};
    };
    CCounts Gather(long long supply, std::span<const CLoadCount> loads) const;

    std::vector<std::string> m_names;
    std::vector<std::size_t> m_order;   // shown load -> the circuit's load
    std::array<CCounts, kWindowTicks> m_window{};   // the last ten seconds' counts
    long long m_nTicks = 0;
    int m_nGeneration = 0;
    double m_current = 0.0;
    std::array<double, kMaxLoads> m_loadRates{};
    std::deque<CPoint> m_history;
};
