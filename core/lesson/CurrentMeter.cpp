#include "core/lesson/CurrentMeter.h"

bool CCurrentMeter::AddTick(double supplyCount)
{
    m_dAccumulator += supplyCount;
    if (++m_nTicks < kTicksPerReading)
        return false;
    m_nTicks = 0;
    m_dLastReading = m_dAccumulator;
    m_dAccumulator *= kDecay;
    return true;
}

double CCurrentMeter::NeedleAngle(double reading)
{
    double theta = reading * kRadiansPerUnit;
    if (theta > kMaxAngle)
        theta = kMaxAngle;
    if (theta < -kMaxAngle)
        theta = -kMaxAngle;
    return theta;
}
