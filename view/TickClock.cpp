#include "view/TickClock.h"

CTickClock::CTickClock(std::function<void()> onTimeout)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
}

void CTickClock::StartWaiting(int ms)
{
    m_bWaiting = true;
    m_timer.start(ms);
}

void CTickClock::StopWaiting()
{
    m_bWaiting = false;
    Apply();
}

void CTickClock::Follow(int periodMs)
{
    if (periodMs == m_nPeriodMs)
        return;   // asked every tick
    m_nPeriodMs = periodMs;
    Apply();
}

void CTickClock::Apply()
{
    if (m_bWaiting)
        return;   // the logo keeps its time whatever is chosen meanwhile
    if (m_nPeriodMs == 0) {
        m_timer.stop();
        return;
    }
    // A running timer keeps its phase when nothing changed.
    if (!m_timer.isActive() || m_timer.interval() != m_nPeriodMs)
        m_timer.start(m_nPeriodMs);
}
