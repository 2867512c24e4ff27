#include <gtest/gtest.h>

#include "core/sim/Circuit.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

namespace {

// A circuit whose electrons stand still, so that forces and velocities can
// be read after a Step; it can also record what each move was given.
class CStepProbe : public CCircuit {
public:
    enum class Motion { Still, Record };
    struct Call {
        std::size_t index;
        double fx;
        double fy;
    };

    Motion motion = Motion::Still;
    std::vector<Call> calls;

    void Add(double x, double y, double vx = 0, double vy = 0) { m_electrons.emplace_back(x, y, vx, vy); }

    void MoveElectron(CElectron& e) override
    {
        switch (motion) {
        case Motion::Still: break;
        case Motion::Record:
            calls.push_back({static_cast<std::size_t>(&e - m_electrons.data()), e.m_fx, e.m_fy});
            break;
        }
    }
};

constexpr double kSteady = 0.00001;   // |k| with "Vary Mean Speed" off
constexpr double kVary = 0.00005;

// Force on electron `on` from electron `from` at distance r: |k| 2^2.5 / r^4,
// pointing away; returned per component as |k| 4 sqrt(2) d / r^5.
double Repulsion(double k, double on, double from, double r)
{
    return k * 4 * std::sqrt(2.0) * (on - from) / std::pow(r, 5);
}

}   // namespace

// --- pair forces ---

TEST(PairForce, TwoElectronsAtTheSamePointExertNothing)
{
    CStepProbe circuit;
    circuit.Add(8, 8);
    circuit.Add(8, 8);
    circuit.Step();
    for (const CElectron& e : circuit.Electrons()) {
        EXPECT_EQ(e.m_fx, 0.0);
        EXPECT_EQ(e.m_fy, 0.0);
        EXPECT_TRUE(std::isfinite(e.m_x) && std::isfinite(e.m_vx));
    }
}

TEST(PairForce, SquaredDistanceOfExactlyTenIsOutOfReach)
{
    CStepProbe circuit;
    circuit.Add(5, 5);
    circuit.Add(8, 6);   // 3^2 + 1^2 = 10
    circuit.Step();
    for (const CElectron& e : circuit.Electrons()) {
        EXPECT_EQ(e.m_fx, 0.0);
        EXPECT_EQ(e.m_fy, 0.0);
    }
}

class PairForceStrength : public ::testing::TestWithParam<bool> {};

TEST_P(PairForceStrength, JustInsideTheCutOffRepelsWithTheInverseFourthPower)
{
    const bool vary = GetParam();
    const double k = vary ? kVary : kSteady;
    CStepProbe circuit;
    if (vary)
        circuit.ToggleVaryMeanSpeed();
    circuit.Add(5, 5);
    circuit.Add(8, 5.999);
    circuit.Step();

    const CElectron& a = circuit.Electrons()[0];
    const CElectron& b = circuit.Electrons()[1];
    const double r = std::hypot(b.m_x - a.m_x, b.m_y - a.m_y);
    ASSERT_LT(r * r, 10.0);
    const double fx = Repulsion(k, b.m_x, a.m_x, r);
    const double fy = Repulsion(k, b.m_y, a.m_y, r);
    EXPECT_GT(fx, 0);   // b lies to the right of a and is pushed further right
    EXPECT_NEAR(b.m_fx, fx, std::abs(fx) * 1e-12);
    EXPECT_NEAR(b.m_fy, fy, std::abs(fy) * 1e-12);
    EXPECT_NEAR(a.m_fx, -fx, std::abs(fx) * 1e-12);
    EXPECT_NEAR(a.m_fy, -fy, std::abs(fy) * 1e-12);
}

TEST_P(PairForceStrength, OverlappingElectronsUseTheNearFloor)
{
    const bool vary = GetParam();
    const double k = vary ? kVary : kSteady;
    CStepProbe circuit;
    if (vary)
        circuit.ToggleVaryMeanSpeed();
    circuit.Add(5, 5);
    circuit.Add(5.2, 5.1);   // squared distance 0.05, below 0.1
    circuit.Step();

    const CElectron& a = circuit.Electrons()[0];
    const CElectron& b = circuit.Electrons()[1];
    // The squared distance counts as 0.2 whatever it really is.
    const double floorR = std::sqrt(0.2);
    const double fx = Repulsion(k, b.m_x, a.m_x, floorR);
    const double fy = Repulsion(k, b.m_y, a.m_y, floorR);
    EXPECT_NEAR(b.m_fx, fx, std::abs(fx) * 1e-12);
    EXPECT_NEAR(b.m_fy, fy, std::abs(fy) * 1e-12);
    EXPECT_NEAR(a.m_fx, -fx, std::abs(fx) * 1e-12);
    EXPECT_NEAR(a.m_fy, -fy, std::abs(fy) * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(VaryOffAndOn, PairForceStrength, ::testing::Bool());

TEST(PairForce, ForcesOfSeveralNeighboursAddUp)
{
    CStepProbe circuit;
    circuit.Add(5, 5);
    circuit.Add(6, 5);
    circuit.Add(7, 5);
    circuit.Add(20, 20);   // out of everyone's reach
    circuit.Step();

    const auto& e = circuit.Electrons();
    // Ends: neighbour at 1 and at 2 units, both on the same side.
    const double end = 4 * std::sqrt(2.0) * kSteady * (1.0 + 1.0 / 16);
    EXPECT_NEAR(e[0].m_fx, -end, end * 1e-12);
    EXPECT_NEAR(e[2].m_fx, end, end * 1e-12);
    EXPECT_NEAR(e[1].m_fx, 0.0, end * 1e-12);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(e[i].m_fy, 0.0);
    EXPECT_EQ(e[3].m_fx, 0.0);
    EXPECT_EQ(e[3].m_fy, 0.0);
}

TEST(PairForce, AccumulatorStartsAfreshEachSubStep)
{
    CStepProbe circuit;
    circuit.motion = CStepProbe::Motion::Record;
    circuit.Add(5, 5);
    circuit.Add(7, 5);
    circuit.Step();
    circuit.Step();

    const double f = 4 * std::sqrt(2.0) * kSteady * 2 / 32;
    ASSERT_EQ(circuit.calls.size(), 20u);
    for (std::size_t i = 0; i < circuit.calls.size(); ++i) {
        const auto& call = circuit.calls[i];
        // Every electron is moved once per sub-step, in array order.
        EXPECT_EQ(call.index, i % 2);
        // The whole pair force is in place before the first electron moves,
        // and it never builds up over sub-steps.
        EXPECT_NEAR(call.fx, call.index == 0 ? -f : f, f * 1e-12) << i;
        EXPECT_EQ(call.fy, 0.0);
    }
}

// --- thermostat ---

namespace {

struct ThermoCase {
    bool vary;
    int cells;
    bool reversed;
    double targetRight;
    double targetLeft;
};

void PrintTo(const ThermoCase& c, std::ostream* os)
{
    *os << (c.vary ? "vary" : "steady") << " cells " << c.cells << (c.reversed ? " reversed" : "");
}

}   // namespace

class ThermostatTargets : public ::testing::TestWithParam<ThermoCase> {};

TEST_P(ThermostatTargets, EachHalfMovesAFifthOfTheWayToItsTarget)
{
    const ThermoCase c = GetParam();
    CStepProbe circuit;
    if (c.vary)
        circuit.ToggleVaryMeanSpeed();
    if (c.reversed)
        circuit.SwitchPolarity();
    circuit.SetCells(c.cells);

    // Right half: mean squared speed 0.0004. Left half, including the
    // electron exactly on the dividing line: mean squared speed 0.0005.
    circuit.Add(18, 8, 0.02, 0);
    circuit.Add(20, 20, 0, -0.02);
    circuit.Add(5, 5, 0.01, 0);
    circuit.Add(12.5, 12, -0.03, 0);
    circuit.Step();

    const double aRight = 1 + (c.targetRight / 0.0004 - 1) / 5;
    const double aLeft = 1 + (c.targetLeft / 0.0005 - 1) / 5;
    const auto& e = circuit.Electrons();
    EXPECT_NEAR(e[0].m_vx, 0.02 * aRight, 1e-15);
    EXPECT_NEAR(e[1].m_vy, -0.02 * aRight, 1e-15);
    EXPECT_NEAR(e[2].m_vx, 0.01 * aLeft, 1e-15);
    EXPECT_NEAR(e[3].m_vx, -0.03 * aLeft, 1e-15);
    EXPECT_EQ(e[0].m_vy, 0.0);
    EXPECT_EQ(e[1].m_vx, 0.0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CellsPolarityAndOption, ThermostatTargets,
    ::testing::Values(
        // option off: the voltage does not matter
        ThermoCase{false, 0, false, 0.001, 0.001}, ThermoCase{false, 1, false, 0.001, 0.001},
        ThermoCase{false, 3, false, 0.001, 0.001}, ThermoCase{false, 0, true, 0.001, 0.001},
        ThermoCase{false, 2, true, 0.001, 0.001},
        // option on, no cells: both halves slow
        ThermoCase{true, 0, false, 0.00025, 0.00025}, ThermoCase{true, 0, true, 0.00025, 0.00025},
        // option on: the half after the supply is hot, the other a tenth of it
        ThermoCase{true, 1, false, 0.001, 0.0001}, ThermoCase{true, 2, false, 0.00175, 0.000175},
        ThermoCase{true, 3, false, 0.0025, 0.00025}, ThermoCase{true, 1, true, 0.0001, 0.001},
        ThermoCase{true, 2, true, 0.000175, 0.00175}, ThermoCase{true, 3, true, 0.00025, 0.0025}));
// clang-format on

TEST(Thermostat, RepeatedStepsSettleOnTheTargets)
{
    CStepProbe circuit;
    circuit.ToggleVaryMeanSpeed();   // 1 cell: right 0.001, left 0.0001
    circuit.Add(18, 8, 0.001, 0.002);
    circuit.Add(20, 20, -0.05, 0);
    circuit.Add(5, 5, 0.01, 0.01);
    circuit.Add(8, 21, 0, 0.0003);
    for (int i = 0; i < 200; ++i)
        circuit.Step();
    const auto& e = circuit.Electrons();
    auto sq = [](const CElectron& el) { return el.m_vx * el.m_vx + el.m_vy * el.m_vy; };
    EXPECT_NEAR((sq(e[0]) + sq(e[1])) / 2, 0.001, 1e-12);
    EXPECT_NEAR((sq(e[2]) + sq(e[3])) / 2, 0.0001, 1e-13);
}

TEST(Thermostat, MotionlessHalfStaysFiniteAndStill)
{
    CStepProbe circuit;
    circuit.Add(18, 8, 0.02, 0);
    circuit.Add(20, 20, 0, -0.02);
    circuit.Add(5, 5, 0, 0);
    circuit.Add(5, 15, 0, 0);
    circuit.Step();
    const auto& e = circuit.Electrons();
    for (int i = 2; i < 4; ++i) {
        EXPECT_EQ(e[i].m_vx, 0.0);
        EXPECT_EQ(e[i].m_vy, 0.0);
    }
    // The moving half is scaled as usual: mean 0.0004 toward 0.001.
    EXPECT_NEAR(e[0].m_vx, 0.02 * 1.3, 1e-15);
    for (const CElectron& el : e)
        EXPECT_TRUE(std::isfinite(el.m_vx) && std::isfinite(el.m_vy));
}

TEST(Thermostat, EmptyHalfDoesNotDisturbTheOther)
{
    CStepProbe circuit;
    circuit.Add(18, 8, 0.02, 0);
    circuit.Add(20, 20, 0, -0.02);
    circuit.Step();
    EXPECT_NEAR(circuit.Electrons()[0].m_vx, 0.026, 1e-15);
    EXPECT_NEAR(circuit.Electrons()[1].m_vy, -0.026, 1e-15);
}

// --- per-tick counters ---

TEST(StepCountdown, GlowMovesTowardZeroEveryThirdStep)
{
    RestartProgramState();
    CStepProbe circuit;
    circuit.Add(5, 5);
    circuit.Add(10, 3);
    circuit.Add(20, 20);
    auto& e = circuit.Electrons();
    e[0].m_nGlow = 10;
    e[1].m_nGlow = -10;
    e[2].m_nGlow = 1;

    const int expectedTick[] = {1, 2, 0};
    for (int tick = 1; tick <= 33; ++tick) {
        circuit.Step();
        EXPECT_EQ(circuit.StepTickCounter(), expectedTick[(tick - 1) % 3]);
        const int done = tick / 3;   // countdown steps so far
        EXPECT_EQ(e[0].m_nGlow, std::max(10 - done, 0)) << tick;
        EXPECT_EQ(e[1].m_nGlow, std::min(-10 + done, 0)) << tick;
        EXPECT_EQ(e[2].m_nGlow, tick < 3 ? 1 : 0) << tick;
    }
}

TEST(StepCountdown, TickCounterIsSharedByAllCircuits)
{
    RestartProgramState();
    CStepProbe first;
    CStepProbe second;
    first.Add(5, 5);
    second.Add(5, 5);
    second.Electrons()[0].m_nGlow = 5;

    first.Step();
    first.Step();
    second.Step();   // the third step of the program
    EXPECT_EQ(second.Electrons()[0].m_nGlow, 4);
    second.Step();
    second.Step();
    EXPECT_EQ(second.Electrons()[0].m_nGlow, 4);
    first.Step();   // sixth: this countdown belongs to the other circuit
    second.Step();
    second.Step();
    EXPECT_EQ(second.Electrons()[0].m_nGlow, 4);
    second.Step();   // ninth
    EXPECT_EQ(second.Electrons()[0].m_nGlow, 3);
}

TEST(StepPhase, CountsUpOncePerStepAndStopsAtSixteen)
{
    RestartProgramState();
    CStepProbe circuit;
    circuit.Add(5, 5);
    circuit.Add(20, 20);
    for (int tick = 1; tick <= 40; ++tick) {
        circuit.Step();
        for (const CElectron& e : circuit.Electrons())
            EXPECT_EQ(e.m_nPhase, std::min(tick, 16)) << tick;
    }
}

// --- polarity ---

TEST(PolaritySwitch, ReassignsEnergyHalvesBySide)
{
    CStepProbe circuit;
    circuit.Add(5, 5, 0.001, -0.002);
    circuit.Add(12.5, 3);   // on the line: counts with the right side here
    circuit.Add(20, 20);
    auto& e = circuit.Electrons();
    e[0].m_nGlow = 7;
    // Scramble the halves: the switch sets both from the side alone.
    e[0].m_bHalf1 = true;
    e[0].m_bHalf2 = false;
    e[2].m_bHalf1 = false;

    circuit.SwitchPolarity();
    EXPECT_TRUE(circuit.IsReversed());
    EXPECT_TRUE(e[0].m_bHalf1 && e[0].m_bHalf2);
    EXPECT_FALSE(e[1].m_bHalf1 || e[1].m_bHalf2);
    EXPECT_FALSE(e[2].m_bHalf1 || e[2].m_bHalf2);
    // Velocities and energy cues are left alone.
    EXPECT_EQ(e[0].m_vx, 0.001);
    EXPECT_EQ(e[0].m_vy, -0.002);
    EXPECT_EQ(e[0].m_nGlow, 7);

    circuit.SwitchPolarity();
    EXPECT_FALSE(circuit.IsReversed());
    EXPECT_FALSE(e[0].m_bHalf1 || e[0].m_bHalf2);
    EXPECT_TRUE(e[1].m_bHalf1 && e[1].m_bHalf2);
    EXPECT_TRUE(e[2].m_bHalf1 && e[2].m_bHalf2);
}

TEST(PolaritySwitch, ReappliesTheCellCountWithTheNewSign)
{
    CStepProbe circuit;
    circuit.SetCells(2);
    const int version = circuit.LayoutVersion();
    circuit.SwitchPolarity();
    EXPECT_EQ(circuit.GetCells(), -2);
    EXPECT_DOUBLE_EQ(circuit.GetVoltage(), -3.0);
    EXPECT_NE(circuit.LayoutVersion(), version);
    circuit.SwitchPolarity();
    EXPECT_EQ(circuit.GetCells(), 2);
    EXPECT_DOUBLE_EQ(circuit.GetVoltage(), 3.0);
}

TEST(PolaritySwitch, WithNoCellsStillRemembersThePolarity)
{
    CStepProbe circuit;
    circuit.Add(5, 5);
    circuit.Add(20, 5);
    circuit.SetCells(0);
    circuit.SwitchPolarity();
    EXPECT_EQ(circuit.GetCells(), 0);
    EXPECT_EQ(circuit.GetVoltage(), 0.0);
    EXPECT_TRUE(circuit.IsReversed());
    EXPECT_TRUE(circuit.Electrons()[0].m_bHalf1);
    EXPECT_FALSE(circuit.Electrons()[1].m_bHalf1);
    circuit.SetCells(2);
    EXPECT_EQ(circuit.GetCells(), -2);
    EXPECT_DOUBLE_EQ(circuit.GetVoltage(), -3.0);
}

// --- tag ---

TEST(ElectronTag, TagsTheElectronNearestTheSupplyMiddle)
{
    CStepProbe circuit;
    circuit.Add(20, 20);
    circuit.Add(15, 3.5);   // 2.5 away
    circuit.Add(12.6, 3.4);   // nearest
    circuit.Add(10, 3.5);   // 2.5 away
    circuit.ToggleTag();
    EXPECT_EQ(circuit.GetTagged(), &circuit.Electrons()[2]);
}

TEST(ElectronTag, TieGoesToTheElectronCreatedFirst)
{
    CStepProbe circuit;
    circuit.Add(20, 20);
    circuit.Add(13.5, 3.5);   // exactly 1 away
    circuit.Add(11.5, 3.5);   // exactly 1 away
    circuit.Add(12.5, 2.5);   // exactly 1 away
    circuit.ToggleTag();
    EXPECT_EQ(circuit.GetTagged(), &circuit.Electrons()[1]);
}

TEST(ElectronTag, SecondToggleUntagsAndThirdTagsAgain)
{
    CStepProbe circuit;
    circuit.Add(12, 3);
    circuit.Add(20, 20);
    circuit.ToggleTag();
    ASSERT_EQ(circuit.GetTagged(), &circuit.Electrons()[0]);
    // Moving the tagged electron away does not retarget the untag.
    circuit.Electrons()[0].m_x = 22;
    circuit.Electrons()[0].m_y = 22;
    circuit.ToggleTag();
    EXPECT_EQ(circuit.GetTagged(), nullptr);
    circuit.ToggleTag();
    EXPECT_EQ(circuit.GetTagged(), &circuit.Electrons()[1]);
}
