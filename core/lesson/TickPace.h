#pragma once

#include "core/lesson/CommandState.h"

#include <optional>

// How often ticks come, never what they do: paused or running, the speed
// (normal, 1/2 or 1/4), and a circuit's title always at the normal period,
// since the title is no part of the lesson to slow down. Pause and speed
// belong to the program, not to a circuit. Every front end's clock keeps
// one and follows its period.
class CTickPace {
public:
    // The shortest period: about sixty ticks a second on every machine.
    static constexpr int kTickMs = 16;
    // Normal speed, 1/2 and 1/4: the period is this many times as long.
    static constexpr int kSlowest = 4;

    bool IsPaused() const { return m_bPaused; }
    void SetPaused(bool paused) { m_bPaused = paused; }
    bool IsIntro() const { return m_bIntro; }
    void SetIntro(bool intro) { m_bIntro = intro; }

    // 1, 2 or 4: how many normal periods one tick takes; others are clamped.
    int Slowdown() const { return m_nSlowdown; }
    void SetSlowdown(int slowdown);

    // Milliseconds from one tick to the next; 0 while paused.
    int PeriodMs() const { return m_bPaused ? 0 : kTickMs * (m_bIntro ? 1 : m_nSlowdown); }

    // Normal, 1/2, 1/4, Slower and Faster; false for any other command.
    bool OnSpeedCommand(int id);
    // Pause, Step and the speed commands; nothing for any other command.
    std::optional<CCommandState> CommandState(int id) const;

private:
    bool m_bPaused = false;
    bool m_bIntro = false;
    int m_nSlowdown = 1;
};
