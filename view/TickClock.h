#pragma once

#include <QTimer>

#include <functional>

// When the ticks come: after the logo's wait, one every period at the chosen
// speed, none while paused. Pause and speed belong to the program, not to a
// circuit, and change only how often a tick happens, never what it does.
// While paused or waiting on nothing the timer is stopped: no periodic work.
class CTickClock {
public:
    // The shortest period: about sixty ticks a second on every machine.
    static constexpr int kTickMs = 16;
    // Normal speed, 1/2 and 1/4: the period is this many times as long.
    static constexpr int kSlowest = 4;

    explicit CTickClock(std::function<void()> onTimeout);

    // The logo's wait: one timeout after ms, paused or not.
    void StartWaiting(int ms);
    // The wait is over: ticks follow at the speed, unless paused.
    void StopWaiting();
    bool IsWaiting() const { return m_bWaiting; }

    void SetPaused(bool paused);
    bool IsPaused() const { return m_bPaused; }

    // While a circuit's title shows, its ticks come at the normal period
    // whatever the speed: the title is no part of the lesson to slow down.
    void SetIntro(bool intro);
    bool IsIntro() const { return m_bIntro; }

    // 1, 2 or 4: how many normal periods one tick takes; others are clamped.
    void SetSlowdown(int slowdown);
    int Slowdown() const { return m_nSlowdown; }
    void Slower() { SetSlowdown(m_nSlowdown * 2); }
    void Faster() { SetSlowdown(m_nSlowdown / 2); }

    bool IsTimerActive() const { return m_timer.isActive(); }
    int TimerInterval() const { return m_timer.interval(); }

private:
    // Starts, restarts or stops the timer to match the state.
    void Apply();

    QTimer m_timer;
    bool m_bWaiting = false;
    bool m_bPaused = false;
    bool m_bIntro = false;
    int m_nSlowdown = 1;
};
