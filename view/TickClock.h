#pragma once

#include "core/lesson/TickPace.h"

#include <QTimer>

#include <functional>

// When the ticks come: after the logo's wait, one every period of the pace,
// none while paused. While paused or waiting on nothing the timer is
// stopped: no periodic work.
class CTickClock {
public:
    static constexpr int kTickMs = CTickPace::kTickMs;

    explicit CTickClock(std::function<void()> onTimeout);

    // The logo's wait: one timeout after ms, paused or not.
    void StartWaiting(int ms);
    // The wait is over: ticks follow at the speed, unless paused.
    void StopWaiting();
    bool IsWaiting() const { return m_bWaiting; }

    void SetPaused(bool paused);
    bool IsPaused() const { return m_pace.IsPaused(); }
    void SetIntro(bool intro);
    bool IsIntro() const { return m_pace.IsIntro(); }
    int Slowdown() const { return m_pace.Slowdown(); }
    // The speed commands; false for any other command.
    bool OnSpeedCommand(int id);
    const CTickPace& Pace() const { return m_pace; }

    bool IsTimerActive() const { return m_timer.isActive(); }
    int TimerInterval() const { return m_timer.interval(); }

private:
    // Starts, restarts or stops the timer to match the state.
    void Apply();

    QTimer m_timer;
    bool m_bWaiting = false;
    CTickPace m_pace;
};
