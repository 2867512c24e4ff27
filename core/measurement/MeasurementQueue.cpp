#include "core/measurement/MeasurementQueue.h"

#include <algorithm>

namespace {

// Ticks between looks at the cancel flag: about 5 ms of work.
constexpr long long kTicksPerSlice = 500;

}

CMeasurementQueue::CMeasurementQueue(unsigned threads) : m_nThreads(std::max(1u, threads)) {}

CMeasurementQueue::~CMeasurementQueue()
{
    Cancel();
}

void CMeasurementQueue::Cancel()
{
    m_bCancel = true;
    for (std::thread& thread : m_threads)
        thread.join();
    m_threads.clear();
    m_nUnfinished = 0;
}

int CMeasurementQueue::Start(std::vector<CJob> jobs, Listener listener)
{
    Cancel();
    m_jobs = std::move(jobs);
    m_listener = std::move(listener);
    m_bCancel = false;
    m_nNextJob = 0;
    m_nTicksDone = 0;
    m_nTicksInAll = 0;
    for (const CJob& job : m_jobs)
        m_nTicksInAll += CMeasurement::TotalTicksFor(job.seconds);
    m_nTicksInAll = std::max(1LL, m_nTicksInAll);
    m_nUnfinished = static_cast<int>(m_jobs.size());
    const int start = ++m_nStart;
    const unsigned threads = std::min<unsigned>(m_nThreads, static_cast<unsigned>(m_jobs.size()));
    for (unsigned i = 0; i < threads; ++i)
        m_threads.emplace_back([this, start] { Work(start); });
    return start;
}

double CMeasurementQueue::Progress() const
{
    return std::min(1.0, static_cast<double>(m_nTicksDone.load()) / static_cast<double>(m_nTicksInAll));
}

void CMeasurementQueue::Work(int start)
{
    for (std::size_t index = m_nNextJob++; index < m_jobs.size() && !m_bCancel; index = m_nNextJob++) {
        const CJob& job = m_jobs[index];
        CMeasurement measurement(job.setup, job.seconds, job.seed);
        for (bool done = false; !done && !m_bCancel;) {
            const long long before = measurement.TicksRun();
            done = measurement.Advance(kTicksPerSlice);
            m_nTicksDone += measurement.TicksRun() - before;
        }
        if (m_bCancel)
            return;
        m_listener(start, index, measurement.Result());
        if (m_afterReport)
            m_afterReport();
        --m_nUnfinished;
    }
}
