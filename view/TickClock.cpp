#include "view/TickClock.h"

#include <algorithm>

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
    m_bPaused = paused;
    Apply();
}

void CTickClock::SetIntro(bool intro)
{
    if (intro == m_bIntro)
        return;
    m_bIntro = intro;
    Apply();
}

void CTickClock::SetSlowdown(int slowdown)
{
    // Only the three speeds: 1, 2 and 4.
    int clamped = 1;
    while (clamped < kSlowest && clamped < slowdown)
        clamped *= 2;
    if (clamped == m_nSlowdown)
        return;
    m_nSlowdown = clamped;
    Apply();
}

void CTickClock::Apply()
{
    if (m_bWaiting)
        return;   // the logo keeps its time whatever is chosen meanwhile
    if (m_bPaused) {
        m_timer.stop();
        return;
    }
    const int interval = kTickMs * (m_bIntro ? 1 : m_nSlowdown);
    // A running timer keeps its phase when nothing changed.
    if (!m_timer.isActive() || m_timer.interval() != interval)
        m_timer.start(interval);
}
