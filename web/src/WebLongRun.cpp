#include "WebLongRun.h"

bool CWebLongRun::Follow(const CMeasureSetup& setup)
{
    if (m_setup == setup)
        return false;
    m_setup = setup;
    m_result.reset();
    m_run = std::make_unique<CMeasurement>(setup, CMeasurement::kLongRunSeconds, 1);
    return true;
}

bool CWebLongRun::Advance(long long ticks)
{
    if (!m_run)
        return false;
    if (!m_run->Advance(ticks))
        return true;
    m_result = m_run->Result();
    m_run.reset();
    return false;
}

double CWebLongRun::Progress() const
{
    if (!m_run)
        return m_result ? 1.0 : 0.0;
    return static_cast<double>(m_run->TicksRun()) / static_cast<double>(m_run->TotalTicks());
}
