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

void CTickClock::SetPaused(bool paused)
{
    m_pace.SetPaused(paused);
    Apply();
}

void CTickClock::SetIntro(bool intro)
{
    if (intro == m_pace.IsIntro())
        return;   // asked every tick
    m_pace.SetIntro(intro);
    Apply();
}

bool CTickClock::OnSpeedCommand(int id)
{
    if (!m_pace.OnSpeedCommand(id))
        return false;
    Apply();
    return true;
}

void CTickClock::Apply()
{
    if (m_bWaiting)
        return;   // the logo keeps its time whatever is chosen meanwhile
    const int interval = m_pace.PeriodMs();
    if (interval == 0) {
        m_timer.stop();
        return;
    }
    // A running timer keeps its phase when nothing changed.
    if (!m_timer.isActive() || m_timer.interval() != interval)
        m_timer.start(interval);
}
