#include "core/measurement/Measurement.h"

#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/CircuitFactory.h"
#include "core/measurement/CircuitRates.h"

#include <cmath>
#include <stdexcept>

namespace {

// Student's t for 95% two-sided with kBatches - 1 degrees of freedom.
constexpr double kStudentT = 2.093024054408263;
static_assert(CMeasurement::kBatches == 20);

CEstimate Estimate(const std::vector<double>& batches)
{
    double sum = 0.0;
    for (const double b : batches)
        sum += b;
    const double n = static_cast<double>(batches.size());
    const double mean = sum / n;
    double squares = 0.0;
    for (const double b : batches)
        squares += (b - mean) * (b - mean);
    return CEstimate{mean, kStudentT * std::sqrt(squares / (n - 1.0) / n)};
}

}

CMeasurement::CMeasurement(const CMeasureSetup& setup, double seconds, std::uint32_t seed)
    : m_set{CRandom(seed), 0}, m_circuit(MakeCircuit(setup.nCircuitId))
{
    if (!m_circuit)
        throw std::invalid_argument("no circuit to measure");
    m_circuit->JoinSet(m_set);
    m_circuit->BuildLabels();
    if (setup.bReversed)
        m_circuit->SwitchPolarity();
    m_circuit->SetCells(setup.nCells);
    m_circuit->SetSwitchOpen(setup.bSwitchOpen);
    if (m_circuit->GetVaryMeanSpeed() != setup.bVaryMeanSpeed)
        m_circuit->ToggleVaryMeanSpeed();
    if (auto* variable = dynamic_cast<CBulbVariableResistorCircuit*>(m_circuit.get()); variable && setup.resistorWall)
        variable->SetResistorWall(*setup.resistorWall);

    m_nBatchTicks = BatchTicksFor(seconds);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_circuit->LoadCounts().size(); ++i)
        names.push_back(m_circuit->LoadName(i));
    m_order = CCircuitRates::OrderByName(names);
    for (const std::size_t i : m_order)
        m_names.push_back(names[i]);
}

CMeasurement::~CMeasurement() = default;

long long CMeasurement::BatchTicksFor(double seconds)
{
    return std::max(1LL, std::llround(seconds / kSecondsPerTick) / kBatches);
}

CMeasurement::CCounts CMeasurement::Gather() const
{
    CCounts counts{m_circuit->SupplyPassages(), {}};
    for (const std::size_t i : m_order)
        counts.energy.push_back(m_circuit->LoadCounts()[i].energy);
    return counts;
}

bool CMeasurement::Advance(long long ticks)
{
    for (; ticks > 0 && !Done(); --ticks) {
        m_circuit->Step();
        ++m_nTick;
        if (m_nTick < kSettleTicks || (m_nTick - kSettleTicks) % m_nBatchTicks != 0)
            continue;
        CCounts now = Gather();
        if (m_nTick > kSettleTicks) {
            CCounts batch{now.supply - m_batchStart.supply, now.energy};
            for (std::size_t i = 0; i < batch.energy.size(); ++i)
                batch.energy[i] -= m_batchStart.energy[i];
            m_batches.push_back(std::move(batch));
        }
        m_batchStart = std::move(now);
    }
    return Done();
}

CMeasureResult CMeasurement::Result() const
{
    CMeasureResult result;
    result.seconds = static_cast<double>(m_nBatchTicks * kBatches) * kSecondsPerTick;
    result.loadNames = m_names;
    if (!Done())
        return result;
    const double batchSeconds = static_cast<double>(m_nBatchTicks) * kSecondsPerTick;
    std::vector<double> rates;
    for (const CCounts& batch : m_batches)
        rates.push_back(static_cast<double>(batch.supply) / batchSeconds);
    result.current = Estimate(rates);
    for (std::size_t load = 0; load < m_names.size(); ++load) {
        rates.clear();
        for (const CCounts& batch : m_batches)
            rates.push_back(static_cast<double>(batch.energy[load]) / batchSeconds);
        result.loads.push_back(Estimate(rates));
    }
    return result;
}
