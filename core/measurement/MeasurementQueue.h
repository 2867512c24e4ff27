#pragma once

#include "core/measurement/Measurement.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Measurements run on worker threads, beside the class and never in its way:
// each job is a copy of its own, so the live circuit never notices. A new
// start or a cancel stops what runs at its next batch of ticks; a finished
// job is told to the listener on the worker's thread, with the start it
// belongs to, so that a late result of a cancelled start can be told apart.
class CMeasurementQueue {
public:
    struct CJob {
        CMeasureSetup setup;
        double seconds = CMeasurement::kLongRunSeconds;
        std::uint32_t seed = 1;
    };
    using Listener = std::function<void(int start, std::size_t job, const CMeasureResult& result)>;

    // At most `threads` jobs at once (at least one).
    explicit CMeasurementQueue(unsigned threads);
    ~CMeasurementQueue();
    CMeasurementQueue(const CMeasurementQueue&) = delete;
    CMeasurementQueue& operator=(const CMeasurementQueue&) = delete;

    // Cancels what runs, then starts the jobs; returns the new start's number.
    int Start(std::vector<CJob> jobs, Listener listener);
    // Stops every job at its next batch of ticks and waits for the threads.
    void Cancel();
    // The share of all the start's ticks run so far, 0 to 1.
    double Progress() const;
    bool Running() const { return m_nUnfinished.load() > 0; }
    // Runs on the worker after each report, before the job counts as
    // finished: a test holds a worker there to show that listeners never
    // rely on Running() at the moment they are told. Set it before Start.
    void SetAfterReport(std::function<void()> hook) { m_afterReport = std::move(hook); }

private:
    void Work(int start);

    unsigned m_nThreads;
    std::vector<std::thread> m_threads;
    std::vector<CJob> m_jobs;
    Listener m_listener;
    std::function<void()> m_afterReport;
    int m_nStart = 0;
    std::atomic<bool> m_bCancel{false};
    std::atomic<std::size_t> m_nNextJob{0};
    std::atomic<int> m_nUnfinished{0};
    std::atomic<long long> m_nTicksDone{0};
    long long m_nTicksInAll = 1;
};
