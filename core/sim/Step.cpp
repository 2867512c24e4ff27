#include "core/sim/Circuit.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kSubSteps = 5;
constexpr double kRepulsionVary = -0.00005;
constexpr double kRepulsionSteady = -0.00001;
constexpr double kCutOffSquared = 10.0;
constexpr double kNearSquared = 0.1;
constexpr double kNearFloor = 0.2;
constexpr double kHalvesBoundary = 12.5;
constexpr double kTargetSteady = 0.001;
constexpr double kTargetNoVoltage = 0.00025;
constexpr double kRelaxation = 5.0;
constexpr int kCountdownPeriod = 3;
// Every jitter row is at most this long; a phase that has reached it acts
// like any larger one, so counting further gains nothing.
constexpr int kPhaseCeiling = 16;

// Scale that moves the half's mean squared speed a fifth of the way to the
// target. A half that is perfectly still has no defined ratio: leave it.
double HalfScale(double target, double sum, int count)
{
    if (sum == 0.0)
        return 1.0;
    double a = target / sum * count;
    a = (a - 1) / kRelaxation + 1;
    return a;
}

// The push between two electrons nearer than the cut-off, added to the
// first's force and taken from the second's. Both axes go as one pair of
// lanes: each lane is the scalar formula's own IEEE operations, in its order.
using CPair = double __attribute__((vector_size(16)));

[[gnu::always_inline]] inline void Repel(CElectron& ei, CElectron& ej, double k)
{
    const CPair d = CPair{ej.m_x, ej.m_y} - CPair{ei.m_x, ei.m_y};
    double s = d[0] * d[0] + d[1] * d[1];
    if (s >= kCutOffSquared)
        return;
    if (s < kNearSquared)
        s = kNearFloor;
    const double h = s / 2;
    const double hh = h * h;
    const double root = std::sqrt(h);
    const CPair f = k * d / hh / root;
    const CPair fi = CPair{ei.m_fx, ei.m_fy} + f;
    const CPair fj = CPair{ej.m_fx, ej.m_fy} - f;
    ei.m_fx = fi[0];
    ei.m_fy = fi[1];
    ej.m_fx = fj[0];
    ej.m_fy = fj[1];
}

// A coarse grid over the circuit for finding the pairs near enough to push:
// cells of 4 units, more than the cut-off's distance, so electrons two cells
// apart on either axis never push each other. Those beyond the grid share
// its edge cells, which only ever puts more electrons side by side. Each
// cell holds its electrons as bits by index, and the grid has a border of
// empty cells all round so that every cell has eight neighbours.
constexpr int kGridCells = 6;   // 24 units square: the ring, 2 to 23, within it
constexpr int kGridSide = kGridCells + 2;
constexpr double kCellsPerUnit = 0.25;
static_assert(kCutOffSquared <= 1 / kCellsPerUnit / kCellsPerUnit);
constexpr std::size_t kMostGridded = 64;
using CGrid = std::array<std::uint64_t, kGridSide * kGridSide>;

// The cell along one axis, counted from the border.
int GridCell(double v)
{
    return 1 + (v < 0 ? 0 : v * kCellsPerUnit >= kGridCells ? kGridCells - 1 : static_cast<int>(v * kCellsPerUnit));
}

// Each cell's electrons and its eight neighbours', in cells.
void GatherNeighbours(CGrid& cells)
{
    CGrid rows{};
    for (std::size_t c = 1; c + 1 < cells.size(); ++c)
        rows[c] = cells[c - 1] | cells[c] | cells[c + 1];
    for (std::size_t c = kGridSide; c + kGridSide < cells.size(); ++c)
        cells[c] = rows[c - kGridSide] | rows[c] | rows[c + kGridSide];
}

}

void CCircuit::ComputeForces(double k)
{
    const std::size_t n = m_electrons.size();
    // Each electron is paired with those of lower index in the cells round
    // its own, lowest first: the order of trying every pair, so every force
    // is added in the same order. An electron that is not a number pushes
    // every other, so then every pair is tried.
    const bool gridded =
        n <= kMostGridded && std::none_of(m_electrons.begin(), m_electrons.end(),
                                          [](const CElectron& e) { return std::isnan(e.m_x) || std::isnan(e.m_y); });
    if (!gridded) {
        for (std::size_t i = 0; i < n; ++i) {
            m_electrons[i].m_fx = 0;
            m_electrons[i].m_fy = 0;
            for (std::size_t j = 0; j < i; ++j)
                Repel(m_electrons[i], m_electrons[j], k);
        }
        return;
    }
    CGrid cells{};
    std::array<int, kMostGridded> cellOf;   // set for every electron before it is read
    for (std::size_t i = 0; i < n; ++i) {
        cellOf[i] = GridCell(m_electrons[i].m_y) * kGridSide + GridCell(m_electrons[i].m_x);
        cells[cellOf[i]] |= std::uint64_t{1} << i;
    }
    GatherNeighbours(cells);
    for (std::size_t i = 0; i < n; ++i) {
        CElectron& ei = m_electrons[i];
        ei.m_fx = 0;
        ei.m_fy = 0;
        for (std::uint64_t near = cells[cellOf[i]] & ((std::uint64_t{1} << i) - 1); near != 0; near &= near - 1)
            Repel(ei, m_electrons[std::countr_zero(near)], k);
    }
}

void CCircuit::Thermostat()
{
    double targetRight = kTargetSteady;
    double targetLeft = kTargetSteady;
    if (m_bVaryMeanSpeed) {
        if (m_dVoltage == 0) {
            targetRight = targetLeft = kTargetNoVoltage;
        } else if (m_dVoltage > 0) {
            targetRight = std::fabs(0.0005 * m_dVoltage) + 0.00025;
            targetLeft = targetRight / 10;
        } else {
            targetLeft = std::fabs(0.0005 * m_dVoltage) + 0.00025;
            targetRight = targetLeft / 10;
        }
    }

    double sumRight = 0;
    double sumLeft = 0;
    int countRight = 0;
    int countLeft = 0;
    for (const CElectron& e : m_electrons) {
        const double v2 = e.m_vx * e.m_vx + e.m_vy * e.m_vy;
        if (e.m_x > kHalvesBoundary) {
            sumRight += v2;
            ++countRight;
        } else {
            sumLeft += v2;
            ++countLeft;
        }
    }
    const double scaleRight = HalfScale(targetRight, sumRight, countRight);
    const double scaleLeft = HalfScale(targetLeft, sumLeft, countLeft);

    int& stepTick = m_pSet->stepTick;
    if (++stepTick == kCountdownPeriod)
        stepTick = 0;

    for (CElectron& e : m_electrons) {
        const double a = e.m_x > kHalvesBoundary ? scaleRight : scaleLeft;
        e.m_vx *= a;
        e.m_vy *= a;
        if (stepTick == 0) {
            if (e.m_nGlow > 0)
                --e.m_nGlow;
            else if (e.m_nGlow < 0)
                ++e.m_nGlow;
        }
        if (e.m_nPhase < kPhaseCeiling)
            ++e.m_nPhase;
    }
}

void CCircuit::Step()
{
    const double k = m_bVaryMeanSpeed ? kRepulsionVary : kRepulsionSteady;
    for (int sub = 0; sub < kSubSteps; ++sub) {
        ComputeForces(k);
        for (CElectron& e : m_electrons)
            MoveElectron(e);
    }
    Thermostat();
}

void CCircuit::SwitchPolarity()
{
    m_bReversed = !m_bReversed;
    SetCells(m_nCells);
    for (CElectron& e : m_electrons) {
        const bool charged = e.m_x < 12.5 ? m_bReversed : !m_bReversed;
        e.m_bHalf1 = e.m_bHalf2 = charged;
    }
}

void CCircuit::ToggleTag()
{
    if (m_pTagged != nullptr) {
        m_pTagged = nullptr;
        return;
    }
    CElectron* best = nullptr;
    double bestDistance = 0;
    for (CElectron& e : m_electrons) {
        const double dx = e.m_x - 12.5;
        const double dy = e.m_y - 3.5;
        const double d = dx * dx + dy * dy;
        if (best == nullptr || d < bestDistance) {
            best = &e;
            bestDistance = d;
        }
    }
    m_pTagged = best;
}
