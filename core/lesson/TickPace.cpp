#include "core/lesson/TickPace.h"

#include "core/res/CommandIds.h"

namespace {

// Normal, 1/2 and 1/4 in the order of CmdId::kSpeeds: each period twice the one before.
int SlowdownOfSpeed(int speed)
{
    return 1 << speed;
}

}

void CTickPace::SetSlowdown(int slowdown)
{
    // Only the three speeds: 1, 2 and 4.
    int clamped = 1;
    while (clamped < kSlowest && clamped < slowdown)
        clamped *= 2;
    m_nSlowdown = clamped;
}

bool CTickPace::OnSpeedCommand(int id)
{
    if (const auto speed = CmdId::IndexIn(CmdId::kSpeeds, id)) {
        SetSlowdown(SlowdownOfSpeed(*speed));
        return true;
    }
    switch (id) {
    case CmdId::SpeedSlower: SetSlowdown(m_nSlowdown * 2); return true;
    case CmdId::SpeedFaster: SetSlowdown(m_nSlowdown / 2); return true;
    default: return false;
    }
}

std::optional<CCommandState> CTickPace::CommandState(int id) const
{
    if (const auto speed = CmdId::IndexIn(CmdId::kSpeeds, id))
        return CCommandState{true, m_nSlowdown == SlowdownOfSpeed(*speed)};
    switch (id) {
    case CmdId::Pause: return CCommandState{true, m_bPaused};
    case CmdId::StepTick: return CCommandState{};
    case CmdId::SpeedSlower: return CCommandState{m_nSlowdown < kSlowest, false};
    case CmdId::SpeedFaster: return CCommandState{m_nSlowdown > 1, false};
    default: return std::nullopt;
    }
}
