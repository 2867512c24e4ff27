#include "core/lesson/TickPace.h"

#include "core/res/CommandIds.h"

namespace {

// Normal, 1/2 and 1/4 are the three speed commands in order.
int SpeedSlowdown(int id)
{
    return 1 << (id - CmdId::SpeedNormal);
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
    switch (id) {
    case CmdId::SpeedNormal:
    case CmdId::SpeedHalf:
    case CmdId::SpeedQuarter: SetSlowdown(SpeedSlowdown(id)); return true;
    case CmdId::SpeedSlower: SetSlowdown(m_nSlowdown * 2); return true;
    case CmdId::SpeedFaster: SetSlowdown(m_nSlowdown / 2); return true;
    default: return false;
    }
}

std::optional<CCommandState> CTickPace::CommandState(int id) const
{
    switch (id) {
    case CmdId::Pause: return CCommandState{true, m_bPaused};
    case CmdId::StepTick: return CCommandState{};
    case CmdId::SpeedNormal:
    case CmdId::SpeedHalf:
    case CmdId::SpeedQuarter: return CCommandState{true, m_nSlowdown == SpeedSlowdown(id)};
    case CmdId::SpeedSlower: return CCommandState{m_nSlowdown < kSlowest, false};
    case CmdId::SpeedFaster: return CCommandState{m_nSlowdown > 1, false};
    default: return std::nullopt;
    }
}
