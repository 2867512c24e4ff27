#include "core/measurement/CircuitRates.h"

#include "core/measurement/Csv.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr double kWindowSeconds = CCircuitRates::kWindowTicks * CCircuitRates::kSecondsPerTick;

}

std::vector<std::size_t> CCircuitRates::OrderByName(const std::vector<std::string>& names)
{
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return names[a] < names[b]; });
    return order;
}

void CCircuitRates::Restart(const std::vector<std::string>& names, long long supply, std::span<const CLoadCount> loads)
{
    m_order = OrderByName(std::vector<std::string>(
        names.begin(), names.begin() + static_cast<std::ptrdiff_t>(std::min({names.size(), loads.size(), kMaxLoads}))));
    m_names.clear();
    for (const std::size_t i : m_order)
        m_names.push_back(names[i]);

    // Before the restart nothing flowed: the rates rise over the first ten
    // seconds instead of leaping from a first tick's passage.
    m_window.fill(Gather(supply, loads));
    m_nTicks = 0;
    ++m_nGeneration;
    m_current = 0.0;
    m_loadRates.fill(0.0);
    m_history.clear();
    m_history.push_back(CPoint{0.0, 0.0, {}});
}

CCircuitRates::CCounts CCircuitRates::Gather(long long supply, std::span<const CLoadCount> loads) const
{
    CCounts counts;
    counts.supply = supply;
    for (std::size_t i = 0; i < m_order.size(); ++i)
        if (m_order[i] < loads.size())
            counts.energy[i] = loads[m_order[i]].energy;
    return counts;
}

void CCircuitRates::Sample(long long supply, std::span<const CLoadCount> loads)
{
    // The slot of the tick ten seconds ago takes this tick's counts.
    CCounts& slot = m_window[static_cast<std::size_t>(m_nTicks % kWindowTicks)];
    const CCounts before = slot;
    slot = Gather(supply, loads);
    ++m_nTicks;

    m_current = static_cast<double>(slot.supply - before.supply) / kWindowSeconds;
    for (std::size_t i = 0; i < m_names.size(); ++i)
        m_loadRates[i] = static_cast<double>(slot.energy[i] - before.energy[i]) / kWindowSeconds;

    if (m_nTicks % kTicksPerPoint != 0)
        return;
    m_history.push_back(CPoint{Seconds(), m_current, m_loadRates});
    while (m_history.front().seconds < Seconds() - kHistorySeconds)
        m_history.pop_front();
}

std::string CCircuitRates::Csv(const std::vector<std::string>& header) const
{
    std::string out = CsvLine(header);
    for (const CPoint& point : m_history) {
        AppendCsvNumber(out, point.seconds, 2);
        out += ',';
        AppendCsvNumber(out, point.current, 3);
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            out += ',';
            AppendCsvNumber(out, point.loads[i], 3);
        }
        out += '\n';
    }
    return out;
}
