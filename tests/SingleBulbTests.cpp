#include <gtest/gtest.h>

#include "core/circuits/SingleBulbCircuit.h"
#include "core/sim/GlowList.h"
#include "core/sim/Random.h"
#include "tests/TestSupport.h"

#include <cmath>
#include <cstdint>
#include <ostream>
#include <utility>

namespace {

struct RegionCase {
    double x;
    double y;
    CircuitRegion region;
};

void PrintTo(const RegionCase& c, std::ostream* os)
{
    *os << "(" << c.x << ", " << c.y << ") -> " << static_cast<int>(c.region);
}

// One circuit and one electron moved a single sub-step at a time.
class SingleBulbMove : public ::testing::Test {
protected:
    void SetUp() override { RestartProgramState(); }

    CElectron Move(double x, double y, double vx, double vy, bool charged = false)
    {
        CElectron e(x, y, vx, vy);
        e.m_bHalf1 = e.m_bHalf2 = charged;
        bulb.MoveElectron(e);
        return e;
    }

    CSingleBulbCircuit bulb;
};

// The generator's rule, to know which values the circuit drew.
std::uint32_t NextState(std::uint32_t s)
{
    return s * 214013u + 2531011u;
}

}   // namespace

TEST(SingleBulbIdentity, NamePictureAndLabels)
{
    RestartProgramState();
    CSingleBulbCircuit bulb;
    EXPECT_EQ(bulb.GetName(), "Single Bulb");
    EXPECT_EQ(bulb.PictureBitmapId(), 147);
    EXPECT_FALSE(bulb.IsSwitchOpen());
    bulb.SetSwitchOpen(true);
    EXPECT_FALSE(bulb.IsSwitchOpen());
    EXPECT_EQ(bulb.LayoutVersion(), 0);

    bulb.BuildLabels();
    ASSERT_EQ(bulb.Labels().size(), 2u);
    EXPECT_EQ(bulb.Labels()[0].m_strName, "power supply");
    EXPECT_EQ(bulb.Labels()[0].m_rcGrid, (CRect{10, 0, 15, 2}));
    EXPECT_EQ(bulb.Labels()[1].m_strName, "light bulb");
    EXPECT_EQ(bulb.Labels()[1].m_rcGrid, (CRect{10, 23, 15, 25}));   // under the wire, clear of the glow
    EXPECT_EQ(bulb.Electrons().size(), 50u);
}

// --- regions ---

class SingleBulbRegions : public ::testing::TestWithParam<RegionCase> {};

TEST_P(SingleBulbRegions, ClassifyWithStrictEdges)
{
    const RegionCase c = GetParam();
    CSingleBulbCircuit bulb;
    EXPECT_EQ(bulb.Classify(c.x, c.y), c.region);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    OuterEdges, SingleBulbRegions,
    ::testing::Values(RegionCase{2.25, 12, RegionWire}, RegionCase{2.24, 12, RegionWall},
                      RegionCase{22.75, 12, RegionWire}, RegionCase{22.76, 12, RegionWall},
                      RegionCase{8, 2.25, RegionWire}, RegionCase{8, 2.24, RegionWall},
                      RegionCase{8, 22.75, RegionWire}, RegionCase{8, 22.76, RegionWall},
                      RegionCase{3, 3, RegionWire}, RegionCase{22, 22, RegionWire},
                      RegionCase{-1, 12, RegionWall}, RegionCase{12, 30, RegionWall}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HoleEdges, SingleBulbRegions,
    ::testing::Values(RegionCase{4.75, 12, RegionWire}, RegionCase{4.76, 12, RegionWall},
                      RegionCase{20.25, 12, RegionWire}, RegionCase{20.24, 12, RegionWall},
                      RegionCase{8, 4.75, RegionWire}, RegionCase{8, 4.76, RegionWall},
                      RegionCase{8, 20.25, RegionWire}, RegionCase{8, 20.24, RegionWall},
                      RegionCase{12.5, 12.5, RegionWall}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    BulbConstriction, SingleBulbRegions,
    ::testing::Values(RegionCase{10.75, 20.5, RegionWire}, RegionCase{10.76, 20.5, RegionWall},
                      RegionCase{14.25, 20.5, RegionWire}, RegionCase{14.24, 20.5, RegionWall},
                      RegionCase{11, 21.24, RegionWall}, RegionCase{11, 21.25, RegionWire},
                      RegionCase{11, 21.5, RegionWire}, RegionCase{11, 21.75, RegionWire},
                      RegionCase{11, 21.76, RegionWall}, RegionCase{14, 22.5, RegionWall},
                      RegionCase{10.75, 22.5, RegionWire}, RegionCase{14.25, 22.5, RegionWire}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Supply, SingleBulbRegions,
    ::testing::Values(RegionCase{12.5, 3.5, RegionSupply}, RegionCase{12, 3.5, RegionWire},
                      RegionCase{12.01, 3.5, RegionSupply}, RegionCase{12.99, 3.5, RegionSupply},
                      RegionCase{13, 3.5, RegionWire}, RegionCase{12.5, 2.25, RegionSupply},
                      RegionCase{12.5, 2.24, RegionWall}, RegionCase{12.5, 4.75, RegionSupply},
                      // below 4.75 the hole's wall comes first
                      RegionCase{12.5, 4.9, RegionWall}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ReleaseLine, SingleBulbRegions,
    ::testing::Values(RegionCase{12.5, 21.5, RegionRelease}, RegionCase{12.25, 21.5, RegionWire},
                      RegionCase{12.26, 21.5, RegionRelease}, RegionCase{12.74, 21.5, RegionRelease},
                      RegionCase{12.75, 21.5, RegionWire}, RegionCase{12.5, 21.25, RegionRelease},
                      RegionCase{12.5, 21.75, RegionRelease},
                      // the bulb's walls come before the line
                      RegionCase{12.5, 21.2, RegionWall}, RegionCase{12.5, 21.8, RegionWall}));
// clang-format on

// --- the push along the wire ---

namespace {

struct PushCase {
    double x;
    double y;
    int dirX;   // -1, 0, +1: direction of the push along x, per unit V*k
    int dirY;
};

void PrintTo(const PushCase& c, std::ostream* os)
{
    *os << "(" << c.x << ", " << c.y << ")";
}

}   // namespace

class SingleBulbPushForward : public ::testing::TestWithParam<PushCase> {};
class SingleBulbPushReverse : public ::testing::TestWithParam<PushCase> {};

namespace {

// Runs one still electron at the case's point with the given cells and
// option, and checks the velocity it picks up.
void CheckPush(const PushCase& c, int cells, bool reversed, bool vary)
{
    CSingleBulbCircuit bulb;
    if (reversed)
        bulb.SwitchPolarity();
    if (vary)
        bulb.ToggleVaryMeanSpeed();
    bulb.SetCells(cells);
    CElectron e(c.x, c.y, 0, 0);
    bulb.MoveElectron(e);
    const double push = std::abs(cells) * 1.5 * (vary ? 0.00001 : 0.000015);
    EXPECT_NEAR(e.m_vx, c.dirX * push, 1e-18) << "cells " << cells << (vary ? " vary" : "");
    EXPECT_NEAR(e.m_vy, c.dirY * push, 1e-18) << "cells " << cells << (vary ? " vary" : "");
    EXPECT_EQ(e.m_x, c.x);
    EXPECT_EQ(e.m_y, c.y);
}

}   // namespace

TEST_P(SingleBulbPushForward, ClockwiseAlongEachSide)
{
    for (int cells : {1, 3})
        for (bool vary : {false, true})
            CheckPush(GetParam(), cells, false, vary);
}

TEST_P(SingleBulbPushReverse, AnticlockwiseAlongEachSide)
{
    for (int cells : {1, 2})
        for (bool vary : {false, true})
            CheckPush(GetParam(), cells, true, vary);
}

// Screen coordinates: y grows downward, so "up" is -y.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SidesAndCorners, SingleBulbPushForward,
    ::testing::Values(PushCase{3.5, 12, 0, -1},     // left side, up
                      PushCase{21.5, 12, 0, +1},    // right side, down
                      PushCase{8, 3.5, +1, 0},      // top, right
                      PushCase{8, 21.5, -1, 0},     // bottom, left
                      PushCase{3.5, 3.5, +1, 0},    // top-left corner turns right
                      PushCase{21.5, 3.5, 0, +1},   // top-right corner turns down
                      PushCase{21.5, 21.5, -1, 0},  // bottom-right corner turns left
                      PushCase{3.5, 21.5, 0, -1})); // bottom-left corner turns up
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SidesAndCorners, SingleBulbPushReverse,
    ::testing::Values(PushCase{3.5, 12, 0, +1},     // left side, down
                      PushCase{21.5, 12, 0, -1},    // right side, up
                      PushCase{8, 3.5, -1, 0},      // top, left
                      PushCase{8, 21.5, +1, 0},     // bottom, right
                      PushCase{3.5, 3.5, 0, +1},    // top-left corner turns down
                      PushCase{21.5, 3.5, -1, 0},   // top-right corner turns left
                      PushCase{21.5, 21.5, 0, -1},  // bottom-right corner turns up
                      PushCase{3.5, 21.5, +1, 0})); // bottom-left corner turns right
// clang-format on

TEST_F(SingleBulbMove, NoCellsNoPush)
{
    bulb.SetCells(0);
    for (auto [x, y] : {std::pair{3.5, 12.0}, std::pair{8.0, 3.5}, std::pair{21.5, 21.5}, std::pair{3.5, 3.5}}) {
        const CElectron e = Move(x, y, 0, 0);
        EXPECT_EQ(e.m_vx, 0.0);
        EXPECT_EQ(e.m_vy, 0.0);
    }
}

TEST_F(SingleBulbMove, ForceThenVelocityThenPushAtTheNewPlace)
{
    CElectron e(8, 3.5, 0.02, -0.01);
    e.m_fx = 0.01;
    e.m_fy = 0.005;
    bulb.MoveElectron(e);
    // v = (0.03, -0.005), the top row's push adds 1.5 * 0.000015 along x.
    EXPECT_DOUBLE_EQ(e.m_x, 8.03);
    EXPECT_DOUBLE_EQ(e.m_y, 3.495);
    EXPECT_DOUBLE_EQ(e.m_vx, 0.03 + 0.0000225);
    EXPECT_DOUBLE_EQ(e.m_vy, -0.005);

    // Moving from the top side into the top-right corner: the corner's row.
    CElectron f(19.99, 3.5, 0.02, 0);
    bulb.MoveElectron(f);
    EXPECT_DOUBLE_EQ(f.m_vx, 0.02);
    EXPECT_DOUBLE_EQ(f.m_vy, 0.0000225);
}

// --- the supply ---

TEST_F(SingleBulbMove, SupplyEnergisesAnElectronMovingTheDrivenWay)
{
    const CElectron e = Move(12.4, 3.5, 0.2, 0.001);   // lands at 12.6
    EXPECT_TRUE(e.m_bHalf1);
    EXPECT_TRUE(e.m_bHalf2);
    EXPECT_EQ(e.m_nGlow, 10);
    EXPECT_DOUBLE_EQ(e.m_vx, 0.2);   // no kick without "Vary Mean Speed"
    EXPECT_DOUBLE_EQ(e.m_vy, 0.001);
    EXPECT_DOUBLE_EQ(e.m_x, 12.6);
    EXPECT_EQ(bulb.GetSupplyCount(), 1.0);
    // One draw decides the sideways kick even when the kick is 0.
    EXPECT_EQ(LoneRandom().State(), NextState(1));
}

TEST_F(SingleBulbMove, SupplyCountsAChargedElectronOnlyOnce)
{
    CElectron e(12.3, 3.5, 0.1, 0);
    e.m_bHalf1 = e.m_bHalf2 = false;
    bulb.MoveElectron(e);
    bulb.MoveElectron(e);
    bulb.MoveElectron(e);
    EXPECT_DOUBLE_EQ(e.m_x, 12.6);
    EXPECT_EQ(bulb.GetSupplyCount(), 1.0);
    EXPECT_DOUBLE_EQ(e.m_vx, 0.1);

    e.m_nGlow = 4;
    bulb.MoveElectron(e);   // 12.7, still inside, still charged
    EXPECT_EQ(e.m_nGlow, 4);
    EXPECT_EQ(bulb.GetSupplyCount(), 1.0);
    EXPECT_EQ(LoneRandom().State(), NextState(1));
    EXPECT_EQ(bulb.TakeSupplyCount(), 1.0);
    EXPECT_EQ(bulb.GetSupplyCount(), 0.0);
}

TEST_F(SingleBulbMove, SupplyBouncesElectronsAgainstTheDrive)
{
    for (bool charged : {false, true}) {
        const CElectron e = Move(12.6, 3.5, -0.1, 0.002, charged);
        EXPECT_DOUBLE_EQ(e.m_vx, 0.1);
        EXPECT_DOUBLE_EQ(e.m_vy, 0.002);
        EXPECT_DOUBLE_EQ(e.m_x, 12.5);   // the bounce does not move it again
        EXPECT_EQ(e.m_bHalf1, charged);
        EXPECT_EQ(e.m_nGlow, 0);
    }
    // Standing still in the gate counts as against the drive.
    const CElectron still = Move(12.5, 3.5, 0, 0.001);
    EXPECT_EQ(still.m_vx, 0.0);
    EXPECT_FALSE(still.m_bHalf1);
    EXPECT_EQ(bulb.GetSupplyCount(), 0.0);
    EXPECT_EQ(LoneRandom().State(), 1u);
}

TEST_F(SingleBulbMove, SupplyKickWithVaryFollowsTheDraw)
{
    bulb.ToggleVaryMeanSpeed();
    // First draw 41, below 16383: the kick goes down (+y) too.
    CElectron e = Move(12.4, 3.5, 0.2, 0.001);
    EXPECT_DOUBLE_EQ(e.m_vx, 0.2 + 0.045);
    EXPECT_DOUBLE_EQ(e.m_vy, 0.001 + 0.045);
    // Next draw 18467: the sideways kick goes up.
    e = Move(12.4, 3.5, 0.2, 0.001);
    EXPECT_DOUBLE_EQ(e.m_vx, 0.2 + 0.045);
    EXPECT_DOUBLE_EQ(e.m_vy, 0.001 - 0.045);
    EXPECT_EQ(bulb.GetSupplyCount(), 2.0);
}

TEST_F(SingleBulbMove, ReversedSupplyDrivesLeftAndCountsNegatively)
{
    bulb.SwitchPolarity();
    bulb.SetCells(2);   // V = -3
    bulb.ToggleVaryMeanSpeed();
    const CElectron e = Move(12.6, 3.5, -0.2, 0);
    EXPECT_TRUE(e.m_bHalf1);
    EXPECT_EQ(e.m_nGlow, 10);
    // Kick 0.03 V = -0.09 along x; draw 41 adds it to vy as well.
    EXPECT_DOUBLE_EQ(e.m_vx, -0.29);
    EXPECT_DOUBLE_EQ(e.m_vy, -0.09);
    EXPECT_EQ(bulb.GetSupplyCount(), -1.0);

    const CElectron against = Move(12.4, 3.5, 0.2, 0);
    EXPECT_DOUBLE_EQ(against.m_vx, -0.2);
    EXPECT_FALSE(against.m_bHalf1);
    EXPECT_EQ(bulb.GetSupplyCount(), -1.0);
}

TEST_F(SingleBulbMove, WithoutCellsTheSupplyIsPlainWire)
{
    bulb.SetCells(0);
    for (double vx : {0.1, -0.1}) {
        const CElectron e = Move(12.5, 3.5, vx, 0);
        EXPECT_EQ(e.m_vx, vx);
        EXPECT_FALSE(e.m_bHalf1);
        EXPECT_EQ(e.m_nGlow, 0);
    }
    EXPECT_EQ(bulb.GetSupplyCount(), 0.0);
    EXPECT_EQ(LoneRandom().State(), 1u);
}

// --- the bulb's release line ---

TEST_F(SingleBulbMove, ReleaseGivesUpBothHalvesAndAddsAGlowArc)
{
    const CElectron e = Move(12.6, 21.5, -0.05, 0.01, true);
    EXPECT_FALSE(e.m_bHalf1);
    EXPECT_FALSE(e.m_bHalf2);
    EXPECT_EQ(e.m_nGlow, -10);
    EXPECT_DOUBLE_EQ(e.m_vx, -0.05);
    EXPECT_DOUBLE_EQ(e.m_vy, 0.01);
    ASSERT_EQ(bulb.Glow().Size(), 1u);
    EXPECT_EQ(bulb.Glow().Ages()[0], 0);
}

TEST_F(SingleBulbMove, ReleaseWithVarySlowsTheElectronTenfold)
{
    bulb.ToggleVaryMeanSpeed();
    const CElectron e = Move(12.6, 21.5, -0.05, 0.01, true);
    EXPECT_DOUBLE_EQ(e.m_vx, -0.005);
    EXPECT_DOUBLE_EQ(e.m_vy, 0.001);
    EXPECT_EQ(bulb.Glow().Size(), 1u);
}

TEST_F(SingleBulbMove, NoReleaseWithoutEnergyOrWithoutCells)
{
    CElectron spent(12.6, 21.5, -0.05, 0);
    spent.m_bHalf1 = false;
    spent.m_bHalf2 = true;   // only the first half decides here
    bulb.MoveElectron(spent);
    EXPECT_TRUE(spent.m_bHalf2);
    EXPECT_EQ(spent.m_nGlow, 0);

    bulb.SetCells(0);
    bulb.ToggleVaryMeanSpeed();
    const CElectron charged = Move(12.6, 21.5, -0.05, 0, true);
    EXPECT_TRUE(charged.m_bHalf1);
    EXPECT_EQ(charged.m_nGlow, 0);
    EXPECT_DOUBLE_EQ(charged.m_vx, -0.05);
    EXPECT_TRUE(bulb.Glow().Empty());
}

TEST_F(SingleBulbMove, GlowListKeepsTheNewestSixtyFour)
{
    for (int i = 0; i < 70; ++i)
        Move(12.6, 21.5, -0.05, 0, true);
    EXPECT_EQ(bulb.Glow().Size(), 64u);
}

TEST(GlowList, DropsTheOldestArcWhenFull)
{
    CGlowList glow;
    glow.Add();
    glow.Age(100);
    glow.Age(100);
    for (int i = 0; i < 63; ++i)
        glow.Add();
    ASSERT_EQ(glow.Size(), 64u);
    EXPECT_EQ(glow.Ages().front(), 2);
    glow.Add();
    EXPECT_EQ(glow.Size(), 64u);
    for (int age : glow.Ages())
        EXPECT_EQ(age, 0);
}

TEST_F(SingleBulbMove, ChangingTheDisplayModeClearsTheGlow)
{
    Move(12.6, 21.5, -0.05, 0, true);
    Move(12.6, 21.5, -0.05, 0, true);
    bulb.SetDisplayMode(DisplayMode::BallModel);   // the mode it already has
    EXPECT_EQ(bulb.Glow().Size(), 2u);
    bulb.SetDisplayMode(DisplayMode::Diagram);
    EXPECT_TRUE(bulb.Glow().Empty());
    Move(12.6, 21.5, -0.05, 0, true);
    bulb.SetDisplayMode(DisplayMode::BallModel);
    EXPECT_TRUE(bulb.Glow().Empty());
}

// --- walls ---

namespace {

struct WallCase {
    const char* name;
    double x, y, vx, vy;   // before the sub-step
    double endX, endY, endVx, endVy;   // after it
};

void PrintTo(const WallCase& c, std::ostream* os)
{
    *os << c.name;
}

}   // namespace

class SingleBulbWalls : public ::testing::TestWithParam<WallCase> {};

TEST_P(SingleBulbWalls, ReflectAndMoveBack)
{
    RestartProgramState();
    const WallCase c = GetParam();
    CSingleBulbCircuit bulb;
    CElectron e(c.x, c.y, c.vx, c.vy);
    bulb.MoveElectron(e);
    EXPECT_NEAR(e.m_x, c.endX, 1e-12);
    EXPECT_NEAR(e.m_y, c.endY, 1e-12);
    EXPECT_EQ(e.m_vx, c.endVx);
    EXPECT_EQ(e.m_vy, c.endVy);
    // Reflections draw nothing from the generator.
    EXPECT_EQ(LoneRandom().State(), 1u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    OuterHoleAndBulb, SingleBulbWalls,
    ::testing::Values(
        WallCase{"outer left", 2.3, 12, -0.1, 0.01, 2.3, 12.02, 0.1, 0.01},
        WallCase{"outer right", 22.7, 12, 0.1, 0.01, 22.7, 12.02, -0.1, 0.01},
        WallCase{"outer top", 8, 2.3, 0.01, -0.1, 8.02, 2.3, 0.01, 0.1},
        WallCase{"outer bottom", 8, 22.7, 0.01, 0.1, 8.02, 22.7, 0.01, -0.1},
        WallCase{"outer corner", 2.3, 2.3, -0.1, -0.1, 2.3, 2.3, 0.1, 0.1},
        WallCase{"hole from the left side", 4.7, 12, 0.1, 0.01, 4.7, 12.02, -0.1, 0.01},
        WallCase{"hole from the top side", 8, 4.7, 0.01, 0.1, 8.02, 4.7, 0.01, -0.1},
        WallCase{"hole from the right side", 20.3, 12, -0.1, 0, 20.3, 12, 0.1, 0},
        WallCase{"hole from the bottom side", 8, 20.3, 0, -0.1, 8, 20.3, 0, 0.1},
        WallCase{"hole corner", 4.7, 4.7, 0.1, 0.1, 4.7, 4.7, -0.1, -0.1},
        WallCase{"bulb side, hole part", 10.7, 20.5, 0.1, 0, 10.7, 20.5, -0.1, 0},
        WallCase{"bulb band, up", 12, 21.5, 0, -0.4, 12, 21.5, 0, 0.4},
        WallCase{"bulb band, down", 12, 21.5, 0, 0.4, 12, 21.5, 0, -0.4},
        WallCase{"bulb side, outer part", 10.7, 22.5, 0.1, 0, 10.7, 22.5, -0.1, 0},
        WallCase{"bulb side from the right", 14.3, 20.5, -0.1, 0, 14.3, 20.5, 0.1, 0}));
// clang-format on

TEST_F(SingleBulbMove, JumpIntoTheHoleLandsAtTheSupply)
{
    // Draws 41 and 18467 divide to 0: the electron is put at (12, 3) and
    // then moves on with its unchanged velocity.
    const CElectron e = Move(4.7, 12, 0.5, 0.01);
    EXPECT_DOUBLE_EQ(e.m_x, 12.5);
    EXPECT_DOUBLE_EQ(e.m_y, 3.01);
    EXPECT_EQ(e.m_vx, 0.5);
    EXPECT_EQ(e.m_vy, 0.01);
    EXPECT_EQ(LoneRandom().State(), NextState(NextState(1)));
}

TEST_F(SingleBulbMove, RescueWithTheLargestDrawGoesOneUnitFurther)
{
    // The state whose successor yields 32767: invert the generator's step.
    std::uint32_t inverse = 214013u;   // Newton's iteration for 214013^-1 mod 2^32
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - 214013u * inverse;
    ASSERT_EQ(inverse * 214013u, 1u);
    const std::uint32_t target = 0x7fff0000u;
    LoneRandom().Restart((target - 2531011u) * inverse);

    const std::uint32_t afterX = target;
    const int ry = static_cast<int>((NextState(afterX) >> 16) & 0x7fffu);
    ASSERT_LT(ry, 32767);
    const CElectron e = Move(20.3, 12, -0.5, 0);   // lands at 19.8, in the hole
    EXPECT_DOUBLE_EQ(e.m_x, 13 - 0.5);
    EXPECT_DOUBLE_EQ(e.m_y, 3);
}

// --- long runs ---

namespace {

struct RunCase {
    int cells;
    bool reversed;
    bool vary;
    int sign;   // of the net supply count
};

void PrintTo(const RunCase& c, std::ostream* os)
{
    *os << "cells " << c.cells << (c.reversed ? " reversed" : "") << (c.vary ? " vary" : "");
}

}   // namespace

class SingleBulbLongRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(SingleBulbLongRun, StaysOnTheGridAndDrivesCurrentTheRightWay)
{
    const RunCase c = GetParam();
    RestartProgramState();
    CSingleBulbCircuit bulb;
    bulb.BuildLabels();
    if (c.reversed)
        bulb.SwitchPolarity();
    if (c.vary)
        bulb.ToggleVaryMeanSpeed();
    bulb.SetCells(c.cells);

    double net = 0;
    for (int tick = 1; tick <= 3000; ++tick) {
        bulb.Step();
        net += bulb.TakeSupplyCount();
        if (tick % 100 != 0)
            continue;
        for (const CElectron& e : bulb.Electrons()) {
            ASSERT_TRUE(std::isfinite(e.m_x) && std::isfinite(e.m_y) && std::isfinite(e.m_vx) && std::isfinite(e.m_vy))
                << "tick " << tick;
            ASSERT_GE(e.m_x, 0.0) << "tick " << tick;
            ASSERT_LE(e.m_x, 25.0) << "tick " << tick;
            ASSERT_GE(e.m_y, 0.0) << "tick " << tick;
            ASSERT_LE(e.m_y, 25.0) << "tick " << tick;
        }
    }
    if (c.sign > 0)
        EXPECT_GT(net, 0);
    else if (c.sign < 0)
        EXPECT_LT(net, 0);
    else
        EXPECT_EQ(net, 0);
}

INSTANTIATE_TEST_SUITE_P(CellsPolarityOption, SingleBulbLongRun,
                         ::testing::Values(RunCase{1, false, false, +1}, RunCase{1, true, false, -1},
                                           RunCase{3, false, true, +1}, RunCase{2, true, true, -1},
                                           RunCase{0, false, false, 0}));
