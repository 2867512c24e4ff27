#pragma once

// One simulated electron. Positions are grid units, velocities grid units
// per sub-step.
struct CElectron {
    CElectron(double x, double y, double vx, double vy) : m_x(x), m_y(y), m_vx(vx), m_vy(vy) {}

    double m_x;
    double m_y;
    double m_vx;
    double m_vy;
    double m_fx = 0.0;   // force of the current sub-step, written by Step
    double m_fy = 0.0;
    int m_nGlow = 0;   // +10 when energised at the supply, -10 when it gives energy up; counts to 0
    int m_nPhase = 0;   // index into the pulsate jitter row
    int m_nFlash = 0;   // pulsate flash counter
    bool m_bHalf1 = true;   // the two halves of the energy it carries
    bool m_bHalf2 = true;
};
