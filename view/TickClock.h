#pragma once

#include "core/lesson/TickPace.h"

#include <QTimer>

#include <functional>

// When the ticks come: after the logo's wait, one every period the lesson's
// pace asks for, none while it is 0 (paused). While paused or waiting on
// nothing the timer is stopped: no periodic work.
class CTickClock {
public:
    static constexpr int kTickMs = CTickPace::kTickMs;

    explicit CTickClock(std::function<void()> onTimeout);

    // The logo's wait: one timeout after ms, whatever the period meanwhile.
    void StartWaiting(int ms);
    // The wait is over: ticks follow the period.
    void StopWaiting();
    bool IsWaiting() const { return m_bWaiting; }
    // The period in milliseconds from now on; 0 stops the ticks.
    void Follow(int periodMs);

    bool IsTimerActive() const { return m_timer.isActive(); }
    int TimerInterval() const { return m_timer.interval(); }

private:
    // Starts, restarts or stops the timer to match the period.
    void Apply();

    QTimer m_timer;
    bool m_bWaiting = false;
    int m_nPeriodMs = 0;
};
