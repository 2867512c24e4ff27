#pragma once

#include "core/sim/Circuit.h"

#include <array>
#include <optional>
#include <span>

struct CSwitchGap;

// Every circuit is the square ring with the supply across its top, a block
// or a series pair of blocks on the bottom wire and, in the parallel
// circuits, a rung across the middle with a block of its own. The layout
// says which; the motion and the ball model follow from it.
struct CLoopLayout {
    // The rung's block: none for the plain ring.
    std::optional<CComponentBlock> rung = std::nullopt;
    // The bottom wire's only block, or the right one of a series pair.
    CComponentBlock bottom;
    // The left block of a series pair on the bottom wire.
    std::optional<CComponentBlock> seriesLeft = std::nullopt;
    // Pull electrons on the bottom wire toward the middle of the bands.
    bool bFunnel = false;
    // The rung circuits' hole walls: the lower limit for an electron's old y.
    double oldYBelow = 13.25;
};

// Where a charged electron on a release line gives up its energy.
enum class Load {
    Rung,
    Bottom,   // the bottom wire's only block: all of the energy
    SeriesRight,   // first of a series pair: the first half
    SeriesLeft,   // second of a series pair: the second half
};

class CLoopCircuit : public CCircuit {
public:
    explicit CLoopCircuit(const CLoopLayout& layout) : m_layout(layout) {}

    CircuitRegion Classify(double x, double y) const final;
    void MoveElectron(CElectron& e) final;
    // The ring, the supply, the rung and the blocks.
    void DrawBallModel(const CGridCanvas& canvas) const override;
    // The loop with the blocks' symbols.
    void DrawDiagram(const CGridCanvas& canvas) const override;
    // One load per block, in the order of Blocks().
    std::span<const CLoadCount> LoadCounts() const final;
    std::string LoadName(std::size_t load) const final;

protected:
    virtual void Release(CElectron& e, Load load) = 0;
    // The gap of an open switch, else null.
    virtual const CSwitchGap* OpenSwitchGap() const { return nullptr; }
    // An open switch in series with every load: the supply drives nothing.
    virtual bool IsLoopBroken() const { return false; }
    // Between the walls of the bottom block and those of the series pair's
    // left one: the variable resistor rescues electrons its grown walls hold.
    virtual void AfterBottomBlockWalls(CElectron&) {}

    // The layout's blocks: the bottom one, the series pair's left, the rung's.
    struct CBlocks {
        std::array<CComponentBlock, 3> items;
        std::size_t count;
        std::span<const CComponentBlock> All() const& { return std::span(items).first(count); }
        // A span into a temporary would dangle, in a range-for above all.
        std::span<const CComponentBlock> All() const&& = delete;
    };
    CBlocks Blocks() const;

    CLoopLayout m_layout;

private:
    void ReflectWalls(CElectron& e, double x0, double y0);
    void ReleaseOnLine(CElectron& e);
    // Release, counting the halves it clears for the block that takes them.
    void CountedRelease(CElectron& e, Load load);

    std::array<CLoadCount, 3> m_loadCounts{};
};
