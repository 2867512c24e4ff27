#include <gtest/gtest.h>

#include "core/circuits/SingleBulbCircuit.h"
#include "core/sim/Circuit.h"
#include "core/sim/Random.h"
#include "tests/TestSupport.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

// The generator's rule written out independently: 64-bit arithmetic reduced
// by hand, result taken from bits 16..30.
struct LocalLcg {
    std::uint64_t state = 1;
    int Next()
    {
        state = (state * 214013ull + 2531011ull) % 4294967296ull;
        return static_cast<int>((state / 65536ull) % 32768ull);
    }
};

// A circuit whose wire is whatever the test says, counting the questions.
class CPlacementProbe : public CCircuit {
public:
    std::function<bool(double, double)> isWire = [](double, double) { return true; };
    mutable int nClassifyCalls = 0;

    CircuitRegion Classify(double x, double y) const override
    {
        ++nClassifyCalls;
        return isWire(x, y) ? RegionWire : RegionWall;
    }
};

}   // namespace

// --- the generator ---

TEST(RandomGenerator, FirstOutputsFromFreshStart)
{
    RestartProgramState();
    // The classic sequence of this generator from state 1.
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(LoneRandom().Next(), value);
}

TEST(RandomGenerator, FollowsTheRuleFromArbitraryStates)
{
    // States that exercise the wrap modulo 2^32 and bit 31 of the new state.
    const std::uint32_t starts[] = {0u, 1u, 0x7fffffffu, 0x80000000u, 0xfffffffeu, 0xffffffffu, 123456789u};
    for (std::uint32_t start : starts) {
        LoneRandom().Restart(start);
        LocalLcg local{start};
        for (int i = 0; i < 20; ++i) {
            const int value = LoneRandom().Next();
            EXPECT_EQ(value, local.Next()) << "start " << start << " draw " << i;
            EXPECT_GE(value, 0);
            EXPECT_LE(value, CRandom::kMax);
            EXPECT_EQ(LoneRandom().State(), static_cast<std::uint32_t>(local.state));
        }
    }
}

// --- placing the electrons ---

TEST(ElectronPlacement, RejectedPointsCostTwoDrawsAcceptedOnesFour)
{
    RestartProgramState();
    CPlacementProbe circuit;
    // Only the lower half of the grid is wire: about half the points are rejected.
    circuit.isWire = [](double, double y) { return y > 12.5; };
    circuit.ResetElectrons();

    // Replay the placement with the local generator.
    LocalLcg local;
    std::vector<CElectron> expected;
    int rejected = 0;
    while (expected.size() < 50) {
        const int r1 = local.Next();
        const int r2 = local.Next();
        const double x = (r1 * 25) / 32767.0;
        const double y = (r2 * 25) / 32767.0;
        if (!(y > 12.5)) {
            ++rejected;
            continue;
        }
        const int r3 = local.Next();
        const int r4 = local.Next();
        expected.emplace_back(x, y, (r4 / 32767.0 - 0.5) / 1000, (r3 / 32767.0 - 0.5) / 1000);
    }
    ASSERT_GT(rejected, 0);
    EXPECT_EQ(circuit.nClassifyCalls, 50 + rejected);
    EXPECT_EQ(LoneRandom().State(), static_cast<std::uint32_t>(local.state));

    const auto& electrons = circuit.Electrons();
    ASSERT_EQ(electrons.size(), 50u);
    for (std::size_t i = 0; i < electrons.size(); ++i) {
        EXPECT_EQ(electrons[i].m_x, expected[i].m_x) << i;
        EXPECT_EQ(electrons[i].m_y, expected[i].m_y) << i;
        EXPECT_EQ(electrons[i].m_vx, expected[i].m_vx) << i;
        EXPECT_EQ(electrons[i].m_vy, expected[i].m_vy) << i;
    }
}

TEST(ElectronPlacement, FirstElectronFromFreshStartByHand)
{
    RestartProgramState();
    CPlacementProbe circuit;
    circuit.ResetElectrons();
    const CElectron& e = circuit.Electrons().front();
    // Draws 41, 18467 for the position, 6334 for vy, 26500 for vx.
    EXPECT_DOUBLE_EQ(e.m_x, 1025 / 32767.0);
    EXPECT_DOUBLE_EQ(e.m_y, 461675 / 32767.0);
    EXPECT_DOUBLE_EQ(e.m_vy, (6334 / 32767.0 - 0.5) / 1000);
    EXPECT_DOUBLE_EQ(e.m_vx, (26500 / 32767.0 - 0.5) / 1000);
    EXPECT_EQ(e.m_nGlow, 0);
    EXPECT_EQ(e.m_nPhase, 0);
    EXPECT_EQ(e.m_nFlash, 0);
    // x is left of the middle, y right of it: the halves follow x only.
    EXPECT_FALSE(e.m_bHalf1);
    EXPECT_FALSE(e.m_bHalf2);
}

TEST(ElectronPlacement, SingleBulbElectronsAreOnWireWithHalvesBySide)
{
    RestartProgramState();
    CSingleBulbCircuit circuit;
    circuit.BuildLabels();
    const auto& electrons = circuit.Electrons();
    ASSERT_EQ(electrons.size(), 50u);
    int right = 0;
    for (const CElectron& e : electrons) {
        EXPECT_EQ(circuit.Classify(e.m_x, e.m_y), RegionWire) << e.m_x << "," << e.m_y;
        EXPECT_EQ(e.m_bHalf1, e.m_x > 12.5);
        EXPECT_EQ(e.m_bHalf2, e.m_x > 12.5);
        EXPECT_LE(std::abs(e.m_vx), 0.0005);
        EXPECT_LE(std::abs(e.m_vy), 0.0005);
        right += e.m_x > 12.5 ? 1 : 0;
    }
    // The ring is symmetric; both halves get some electrons.
    EXPECT_GT(right, 0);
    EXPECT_LT(right, 50);
    EXPECT_EQ(circuit.GetTagged(), nullptr);
}

TEST(ElectronPlacement, SameGeneratorStateGivesSameElectrons)
{
    RestartProgramState();
    CSingleBulbCircuit first;
    first.ResetElectrons();
    const std::uint32_t after = LoneRandom().State();

    CSingleBulbCircuit second;
    second.ResetElectrons();   // continues the sequence: a different placement
    LoneRandom().Restart(1);
    CSingleBulbCircuit third;
    third.ResetElectrons();
    EXPECT_EQ(LoneRandom().State(), after);

    ASSERT_EQ(first.Electrons().size(), third.Electrons().size());
    bool anyDifferent = false;
    for (std::size_t i = 0; i < first.Electrons().size(); ++i) {
        const CElectron& a = first.Electrons()[i];
        const CElectron& b = third.Electrons()[i];
        EXPECT_EQ(a.m_x, b.m_x);
        EXPECT_EQ(a.m_y, b.m_y);
        EXPECT_EQ(a.m_vx, b.m_vx);
        EXPECT_EQ(a.m_vy, b.m_vy);
        anyDifferent = anyDifferent || a.m_x != second.Electrons()[i].m_x;
    }
    EXPECT_TRUE(anyDifferent);
}

TEST(ElectronPlacement, ResetReplacesElectronsAndClearsTag)
{
    RestartProgramState();
    CSingleBulbCircuit circuit;
    circuit.ResetElectrons();
    circuit.ToggleTag();
    ASSERT_NE(circuit.GetTagged(), nullptr);
    circuit.ResetElectrons();
    EXPECT_EQ(circuit.Electrons().size(), 50u);
    EXPECT_EQ(circuit.GetTagged(), nullptr);
}

// --- settings ---

TEST(CircuitDefaults, FreshCircuitSettings)
{
    CPlacementProbe circuit;
    EXPECT_EQ(circuit.GetCells(), 1);
    EXPECT_DOUBLE_EQ(circuit.GetVoltage(), 1.5);
    EXPECT_FALSE(circuit.IsReversed());
    EXPECT_FALSE(circuit.GetVaryMeanSpeed());
    EXPECT_TRUE(circuit.GetPulsate());
    EXPECT_FALSE(circuit.GetShowLabels());
    EXPECT_EQ(circuit.GetDisplayMode(), DisplayMode::BallModel);
    EXPECT_EQ(circuit.LayoutVersion(), 0);
    EXPECT_EQ(circuit.GetIntroFrames(), 250);
    EXPECT_EQ(circuit.IntroFrameShown(), 250);
    EXPECT_EQ(circuit.GetSupplyCount(), 0.0);
    EXPECT_TRUE(circuit.Electrons().empty());
}

namespace {

struct CellsCase {
    bool reversed;
    int n;
    int cells;
    double voltage;
};

}   // namespace

class SetCellsRule : public ::testing::TestWithParam<CellsCase> {};

TEST_P(SetCellsRule, SignFollowsPolarityAndVoltageIsOneAndAHalfPerCell)
{
    const CellsCase c = GetParam();
    CPlacementProbe circuit;
    if (c.reversed)
        circuit.SwitchPolarity();
    const int version = circuit.LayoutVersion();
    circuit.SetCells(c.n);
    EXPECT_EQ(circuit.GetCells(), c.cells);
    EXPECT_DOUBLE_EQ(circuit.GetVoltage(), c.voltage);
    EXPECT_EQ(circuit.IsReversed(), c.reversed);
    EXPECT_NE(circuit.LayoutVersion(), version);
}

INSTANTIATE_TEST_SUITE_P(CellsAndPolarity, SetCellsRule,
                         ::testing::Values(CellsCase{false, 0, 0, 0.0}, CellsCase{false, 1, 1, 1.5},
                                           CellsCase{false, 2, 2, 3.0}, CellsCase{false, 3, 3, 4.5},
                                           CellsCase{true, 0, 0, 0.0}, CellsCase{true, 1, -1, -1.5},
                                           CellsCase{true, 2, -2, -3.0}, CellsCase{true, 3, -3, -4.5},
                                           // a signed count is taken by its size
                                           CellsCase{false, -2, 2, 3.0}, CellsCase{true, -3, -3, -4.5}));

namespace {

struct EnergyCase {
    int n;
    bool reversed;
    bool half1;
    bool half2;
    int level;
};

}   // namespace

class OneReleaseEnergy : public ::testing::TestWithParam<EnergyCase> {};

TEST_P(OneReleaseEnergy, TwiceTheCellsWhileTheFirstHalfIsCarried)
{
    const EnergyCase c = GetParam();
    CElectron e(10, 3, 0, 0);
    e.m_bHalf1 = c.half1;
    e.m_bHalf2 = c.half2;

    CSingleBulbCircuit bulb;
    CPlacementProbe base;
    for (CCircuit* circuit : {static_cast<CCircuit*>(&bulb), static_cast<CCircuit*>(&base)}) {
        if (c.reversed)
            circuit->SwitchPolarity();
        circuit->SetCells(c.n);
        EXPECT_EQ(circuit->EnergyLevel(e), c.level);
    }
}

INSTANTIATE_TEST_SUITE_P(CellsAndHalves, OneReleaseEnergy,
                         ::testing::Values(EnergyCase{3, false, true, true, 6}, EnergyCase{3, true, true, true, 6},
                                           EnergyCase{2, false, true, false, 4}, EnergyCase{1, false, true, true, 2},
                                           EnergyCase{1, true, true, false, 2},
                                           // the second half alone counts for nothing here
                                           EnergyCase{3, false, false, true, 0}, EnergyCase{3, false, false, false, 0},
                                           EnergyCase{0, false, true, true, 0}, EnergyCase{0, true, true, true, 0}));

TEST(CircuitOptions, SpeedAndPulsateTogglesLeaveLayoutClean)
{
    CPlacementProbe circuit;
    circuit.ToggleVaryMeanSpeed();
    EXPECT_TRUE(circuit.GetVaryMeanSpeed());
    circuit.TogglePulsate();
    EXPECT_FALSE(circuit.GetPulsate());
    EXPECT_EQ(circuit.LayoutVersion(), 0);
    circuit.ToggleVaryMeanSpeed();
    circuit.TogglePulsate();
    EXPECT_FALSE(circuit.GetVaryMeanSpeed());
    EXPECT_TRUE(circuit.GetPulsate());
    EXPECT_EQ(circuit.LayoutVersion(), 0);
}

TEST(CircuitOptions, LabelsAndDisplayModeDirtyTheLayout)
{
    CPlacementProbe circuit;
    circuit.ToggleLabels();
    EXPECT_TRUE(circuit.GetShowLabels());
    EXPECT_EQ(circuit.LayoutVersion(), 1);

    circuit.ToggleLabels();
    EXPECT_FALSE(circuit.GetShowLabels());
    EXPECT_EQ(circuit.LayoutVersion(), 2);

    for (const DisplayMode mode :
         {DisplayMode::Picture, DisplayMode::Diagram, DisplayMode::Diagram, DisplayMode::BallModel}) {
        const int version = circuit.LayoutVersion();
        circuit.SetDisplayMode(mode);
        EXPECT_EQ(circuit.GetDisplayMode(), mode);
        // even setting the mode it already has rebuilds the background
        EXPECT_NE(circuit.LayoutVersion(), version) << static_cast<int>(mode);
    }
}
