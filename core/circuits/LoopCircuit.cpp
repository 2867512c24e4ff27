#include "core/circuits/LoopCircuit.h"

#include "core/circuits/CircuitGeometry.h"
#include "core/render/GridCanvas.h"

#include <cstdlib>

CircuitRegion CLoopCircuit::Classify(double x, double y) const
{
    const CLoopLayout& l = m_layout;
    const bool inHoleWall = l.rung ? InRungCircuitHoleWall(x, y) : kRingHoleWall.Contains(x, y);
    if (IsOutsideRing(x, y) || inHoleWall || InBlockWall(l.bottom, x, y) ||
        (l.seriesLeft && InBlockWall(*l.seriesLeft, x, y)) || (l.rung && InBlockWall(*l.rung, x, y)))
        return RegionWall;
    if (kTopSupply.Contains(x, y))
        return RegionSupply;
    if (ReleaseLineOf(l.bottom).Contains(x, y) || (l.seriesLeft && ReleaseLineOf(*l.seriesLeft).Contains(x, y)) ||
        (l.rung && ReleaseLineOf(*l.rung).Contains(x, y)))
        return RegionRelease;
    if (const CSwitchGap* gap = OpenSwitchGap(); gap && gap->gap.Contains(x, y))
        return RegionSwitchGap;
    return RegionWire;
}

void CLoopCircuit::MoveElectron(CElectron& e)
{
    const double x0 = e.m_x;
    const double y0 = e.m_y;
    Advance(e);
    const bool broken = IsLoopBroken();
    const double k = broken ? 0 : PushConstant(m_bVaryMeanSpeed);
    switch (Classify(e.m_x, e.m_y)) {
    case RegionWire:
        if (m_layout.rung)
            ApplyPush(e, kRungRingPushForward, kRungRingPushReverse, m_dVoltage, k);
        else
            ApplyPush(e, kRingPushForward, kRingPushReverse, m_dVoltage, k);
        if (m_layout.bFunnel)
            ApplyFunnel(e, k);
        break;
    case RegionWall:
        ReflectWalls(e, x0, y0);
        MoveAgain(e);
        break;
    case RegionSupply:
        if (m_nCells == 0)
            break;
        if (broken)
            e.m_vx = -e.m_vx;
        else
            CountSupplyPassage(PassSupply(e, m_dVoltage, m_bVaryMeanSpeed, Random()));
        break;
    case RegionRelease:
        if (m_nCells != 0)
            ReleaseOnLine(e);
        break;
    case RegionSwitchGap: PassSwitchGap(e, *OpenSwitchGap(), Random()); break;
    }
}

void CLoopCircuit::ReflectWalls(CElectron& e, double x0, double y0)
{
    if (m_layout.rung) {
        if (InRungCircuitHole(e.m_x, e.m_y))
            RescueToSupply(e, Random());
        ReflectOuterWalls(e);
        ReflectRungCircuitWalls(e, x0, y0, m_layout.oldYBelow, *m_layout.rung);
    } else {
        if (kRingHole.Contains(e.m_x, e.m_y))
            RescueToSupply(e, Random());
        ReflectOuterWalls(e);
        ReflectHoleWalls(e, x0, y0, kRingHoleWall);
    }
    ReflectBlockWalls(e, y0, m_layout.bottom);
    AfterBottomBlockWalls(e);
    if (m_layout.seriesLeft)
        ReflectBlockWalls(e, y0, *m_layout.seriesLeft);
}

void CLoopCircuit::ReleaseOnLine(CElectron& e)
{
    // The rung's load takes all of the energy, as does a bottom block on its
    // own; a series pair shares it, the right block first.
    if (m_layout.rung && e.m_bHalf1 && e.m_y < kRungReleaseBelow) {
        CountedRelease(e, Load::Rung);
    } else if (m_layout.seriesLeft) {
        if (e.m_bHalf1 && e.m_x > 12.5)
            CountedRelease(e, Load::SeriesRight);
        if (e.m_bHalf2 && e.m_x < 12.5)
            CountedRelease(e, Load::SeriesLeft);
    } else if (e.m_bHalf1) {
        CountedRelease(e, Load::Bottom);
    }
}

void CLoopCircuit::CountedRelease(CElectron& e, Load load)
{
    const int before = e.m_bHalf1 + e.m_bHalf2;
    Release(e, load);
    // The load is the block whose rule acted, as Blocks() orders them; the
    // rung's line may hand a half to the bottom branch's left block.
    std::size_t slot = 0;
    if (load == Load::SeriesLeft)
        slot = 1;
    else if (load == Load::Rung)
        slot = m_layout.seriesLeft ? 2 : 1;
    CLoadCount& count = m_loadCounts[slot];
    ++count.releases;
    count.energy += static_cast<long long>(before - (e.m_bHalf1 + e.m_bHalf2)) * std::abs(m_nCells);
}

std::span<const CLoadCount> CLoopCircuit::LoadCounts() const
{
    return std::span(m_loadCounts).first(Blocks().count);
}

void CLoopCircuit::DrawBallModel(const CGridCanvas& canvas) const
{
    canvas.DrawRing();
    canvas.DrawSupplyBars();
    if (m_layout.rung) {
        canvas.DrawRung();
        canvas.DrawBlockGlyph(*m_layout.rung);
    }
    canvas.DrawBlockGlyph(m_layout.bottom);
    if (m_layout.seriesLeft)
        canvas.DrawBlockGlyph(*m_layout.seriesLeft);
}

CLoopCircuit::CBlocks CLoopCircuit::Blocks() const
{
    CBlocks blocks{{m_layout.bottom}, 1};
    if (m_layout.seriesLeft)
        blocks.items[blocks.count++] = *m_layout.seriesLeft;
    if (m_layout.rung)
        blocks.items[blocks.count++] = *m_layout.rung;
    return blocks;
}

void CLoopCircuit::DrawDiagram(const CGridCanvas& canvas) const
{
    const CBlocks blocks = Blocks();
    canvas.DrawLoopDiagram(blocks.All(), m_layout.rung.has_value(), m_nCells);
}

std::string CLoopCircuit::LoadName(std::size_t load) const
{
    // The label across the block's middle nearest to the block, above or
    // below it: next to its wire, or a row further where two names share a wire.
    const CBlocks blocks = Blocks();
    if (load >= blocks.count)
        return {};
    const CComponentBlock& block = blocks.items[load];
    const CComponentLabel* nearest = nullptr;
    double nearestGap = 0.0;
    for (const CComponentLabel& label : m_labels) {
        const CRect& rc = label.m_rcGrid;
        const double gap =
            rc.bottom <= block.centre.y ? block.centre.y - 1.5 - rc.bottom : rc.top - block.centre.y - 1.5;
        if (rc.left < block.centre.x && block.centre.x < rc.right && gap >= 0.0 &&
            (nearest == nullptr || gap < nearestGap)) {
            nearest = &label;
            nearestGap = gap;
        }
    }
    return nearest != nullptr ? nearest->m_strName : std::string();
}
