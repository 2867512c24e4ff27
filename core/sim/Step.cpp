#include "core/sim/Circuit.h"

#include <cmath>

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

}

void CCircuit::ComputeForces(double k)
{
    const std::size_t n = m_electrons.size();
    for (std::size_t i = 0; i < n; ++i) {
        CElectron& ei = m_electrons[i];
        ei.m_fx = 0;
        ei.m_fy = 0;
        for (std::size_t j = 0; j < i; ++j) {
            CElectron& ej = m_electrons[j];
            const double dx = ej.m_x - ei.m_x;
            const double dy = ej.m_y - ei.m_y;
            double s = dx * dx + dy * dy;
            if (s >= kCutOffSquared)
                continue;
            if (s < kNearSquared)
                s = kNearFloor;
            const double h = s / 2;
            const double hh = h * h;
            const double root = std::sqrt(h);
            const double fx = k * dx / hh / root;
            const double fy = k * dy / hh / root;
            ei.m_fx += fx;
            ei.m_fy += fy;
            ej.m_fx -= fx;
            ej.m_fy -= fy;
        }
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
