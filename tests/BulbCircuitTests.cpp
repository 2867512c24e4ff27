#include "core/circuits/ThreeBulbsCircuit.h"
#include "core/circuits/TwoBulbsParallelCircuit.h"
#include "core/circuits/TwoBulbsSeriesCircuit.h"
#include "tests/CircuitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace region_probes;

namespace {

const NamedFactory kSeries{"TwoBulbsSeries", &Make<CTwoBulbsSeriesCircuit>};
const NamedFactory kParallel{"TwoBulbsParallel", &Make<CTwoBulbsParallelCircuit>};
const NamedFactory kThree{"ThreeBulbs", &Make<CThreeBulbsCircuit>};

// Where a charged electron lands on the release lines.
constexpr double kRight = 15.5, kLeft = 9.5, kMid = 12.5, kBottom = 21.5, kRungY = 14.5;

// The right bulb of the bottom pair, 13.75 to 17.25, release line 15.25..15.75.
// clang-format off
const std::vector<RegionCase> kRightBulb{
    {13.75, 20.5, W}, {13.76, 20.5, X}, {17.24, 20.5, X}, {17.25, 20.5, W}, {13.75, 22.5, W}, {13.76, 22.5, X},
    {17.24, 22.5, X}, {17.25, 22.5, W}, {16.5, 21.24, X}, {16.5, 21.25, W}, {16.5, 21.75, W}, {16.5, 21.76, X},
    {15.25, 21.5, W}, {15.26, 21.5, R}, {15.74, 21.5, R}, {15.75, 21.5, W}, {15.5, 22.5, X},  {12.5, 20.5, W},
    {12.5, 22.5, W}};
// clang-format on

class BulbIdentity : public ::testing::TestWithParam<IdentityCase> {};
class BulbReleases : public ::testing::TestWithParam<ReleaseCase> {};
class BulbFunnel : public ::testing::TestWithParam<FunnelCase> {};
class BulbPush : public ::testing::TestWithParam<PushCase> {};
class BulbWalls : public ::testing::TestWithParam<MoveCase> {};
class BulbGlow : public ::testing::TestWithParam<GlowCase> {};

}   // namespace

TEST_P(BulbIdentity, NamePictureLabelsAndEnergyRule)
{
    CheckIdentity(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Catalogue, BulbIdentity,
    ::testing::Values(
        IdentityCase{kSeries, "Two Bulbs in Series", 148, true, false,
                     {{"power supply", {10, 0, 15, 2}}, {"light bulb 1", {13, 23, 18, 25}}, {"light bulb 2", {7, 23, 12, 25}}}},
        IdentityCase{kParallel, "Two Bulbs in Parallel", 146, false, false,
                     {{"power supply", {10, 0, 15, 2}}, {"light bulb 2", {10, 23, 15, 25}}, {"light bulb 1", {10, 7, 15, 9}}}},
        IdentityCase{kThree, "Three Bulbs in Series and Parallel", 149, true, false,
                     {{"power supply", {10, 0, 15, 2}}, {"light bulb 2", {13, 23, 18, 25}},
                      {"light bulb 3", {7, 23, 12, 25}}, {"light bulb 1", {10, 7, 15, 9}}}}));
// clang-format on

// --- regions, probed on both sides of every edge ---

TEST(BulbRegions, TwoBulbsSeries)
{
    CheckRegions(kSeries, kSingleHole);
    CheckRegions(kSeries, kLeftBulb);
    CheckRegions(kSeries, kRightBulb);
}

TEST(BulbRegions, TwoBulbsParallel)
{
    CheckRegions(kParallel, kRung);
    CheckRegions(kParallel, kCentreBulb);
}

TEST(BulbRegions, ThreeBulbs)
{
    CheckRegions(kThree, kRung);
    CheckRegions(kThree, kLeftBulb);
    CheckRegions(kThree, kRightBulb);
}

// --- energy given up at the bulbs: {x, y, halves after, glow list} ---

TEST_P(BulbReleases, HalvesGoToTheRightBulbs)
{
    CheckRelease(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Series, BulbReleases,
    ::testing::Values(
        // Right bulb first (V > 0): it takes the first half, only once.
        ReleaseCase{"forward", kSeries, 1, false, false, false, true, true, false,
                    {{kRight, kBottom, false, true, 1}, {kRight, kBottom, false, true, 0},
                     {kLeft, kBottom, false, false, 2}, {kLeft, kBottom, false, false, 0},
                     {kRight, kBottom, false, false, 0}}},
        // Left bulb first (V < 0): the second half; slowing only with the option.
        ReleaseCase{"reversed, vary", kSeries, 2, true, true, false, true, true, true,
                    {{kLeft, kBottom, true, false, 2}, {kLeft, kBottom, true, false, 0},
                     {kRight, kBottom, false, false, 1}, {kRight, kBottom, false, false, 0}}},
        ReleaseCase{"no cells", kSeries, 0, false, true, false, true, true, true,
                    {{kRight, kBottom, true, true, 0}, {kLeft, kBottom, true, true, 0}}}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Parallel, BulbReleases,
    ::testing::Values(
        // Either bulb takes all; the slowing does not wait for the option.
        ReleaseCase{"rung", kParallel, 1, false, false, false, true, true, true,
                    {{kMid, kRungY, false, false, 1}, {kMid, kRungY, false, false, 0}, {kMid, kBottom, false, false, 0}}},
        ReleaseCase{"bottom, reversed", kParallel, 3, true, false, false, true, true, true,
                    {{kMid, kBottom, false, false, 2}, {kMid, kRungY, false, false, 0}}},
        ReleaseCase{"second half alone", kParallel, 1, false, true, false, false, true, true,
                    {{kMid, kRungY, false, true, 0}, {kMid, kBottom, false, true, 0}}}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Three, BulbReleases,
    ::testing::Values(
        ReleaseCase{"rung takes both", kThree, 1, false, false, false, true, true, true,
                    {{12.6, kRungY, false, false, 1}, {kRight, kBottom, false, false, 0}}},
        ReleaseCase{"bottom pair", kThree, 1, false, false, false, true, true, true,
                    {{kRight, kBottom, false, true, 2}, {kRight, kBottom, false, true, 0},
                     {kLeft, kBottom, false, false, 3}}},
        ReleaseCase{"bottom pair reversed", kThree, 1, true, true, false, true, true, true,
                    {{kLeft, kBottom, true, false, 3}, {kLeft, kBottom, true, false, 0},
                     {kRight, kBottom, false, false, 2}}},
        // Without the first half the rung's own rule does not apply, and the
        // second-half rule looks only at x.
        ReleaseCase{"second half on the rung", kThree, 1, false, false, false, false, true, true,
                    {{12.6, kRungY, false, true, 0}, {12.4, kRungY, false, false, 3}}},
        ReleaseCase{"no cells", kThree, 0, false, false, false, true, true, true,
                    {{kMid, kRungY, true, true, 0}, {kLeft, kBottom, true, true, 0}}}));
// clang-format on

// --- the funnel between the bottom pair, also without cells ---

TEST_P(BulbFunnel, PullsTowardTheMiddleOfTheBand)
{
    CheckFunnel(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Circuits, BulbFunnel,
                         ::testing::Values(FunnelCase{kSeries, false, true}, FunnelCase{kThree, false, true},
                                           FunnelCase{kParallel, false, false}));

// --- the rung is driven the way the bottom wire is ---

TEST_P(BulbPush, RungRowAndTheSidesAtItsEnds)
{
    CheckPush(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, BulbPush,
    ::testing::Values(PushCase{kParallel, 8, 14.5, false, -1, 0}, PushCase{kParallel, 8, 14.5, true, +1, 0},
                      PushCase{kParallel, 21.5, 14.5, false, -1, +1}, PushCase{kParallel, 21.5, 14.5, true, 0, -1},
                      PushCase{kParallel, 3.5, 14.5, false, 0, -1}, PushCase{kParallel, 3.5, 14.5, true, +1, +1},
                      PushCase{kThree, 21.5, 14.5, false, -1, +1}, PushCase{kThree, 3.5, 14.5, true, +1, +1},
                      // No rung: the side rows alone.
                      PushCase{kSeries, 21.5, 14.5, false, 0, +1}, PushCase{kSeries, 3.5, 14.5, true, 0, +1}));

// --- walls: {start, end} of one sub-step ---

TEST_P(BulbWalls, ReflectAndMoveAgain)
{
    CheckMove(GetParam());
}

namespace {

// The rung circuits' walls: the rung's edges, its bulb, the holes.
std::vector<MoveCase> RungWalls(const NamedFactory& f)
{
    return {
        {"rung, top edge", f, false, 8, 13.3, 0, -0.1, 8, 13.3, 0, 0.1},
        {"rung bulb, band up", f, false, 12, 14.5, 0, -0.4, 12, 14.5, 0, 0.4},
        {"rung bulb, side", f, false, 10.7, 13.6, 0.1, 0, 10.7, 13.6, -0.1, 0},
        // Its old y is below 13.25, so both components turn.
        {"lower hole from the left side", f, false, 4.7, 18, 0.1, 0.01, 4.7, 18, -0.1, -0.01},
        {"jump into the upper hole", f, false, 8, 13.3, 0, -0.4, 12, 2.6, 0, -0.4, 2},
        {"jump into the lower hole", f, false, 8, 15.7, 0, 0.4, 12, 3.4, 0, 0.4, 2},
    };
}

}   // namespace

INSTANTIATE_TEST_SUITE_P(ParallelRung, BulbWalls, ::testing::ValuesIn(RungWalls(kParallel)));
INSTANTIATE_TEST_SUITE_P(ThreeRung, BulbWalls, ::testing::ValuesIn(RungWalls(kThree)));
INSTANTIATE_TEST_SUITE_P(
    Bottom, BulbWalls,
    ::testing::Values(MoveCase{"right bulb, side", kSeries, false, 13.7, 20.5, 0.1, 0, 13.7, 20.5, -0.1, 0},
                      MoveCase{"right bulb, band up", kSeries, false, 16.5, 21.5, 0, -0.4, 16.5, 21.5, 0, 0.4},
                      MoveCase{"left bulb, outer side", kSeries, false, 11.3, 22.5, -0.1, 0, 11.3, 22.5, 0.1, 0},
                      MoveCase{"hole from the left side", kSeries, false, 4.7, 18, 0.1, 0.01, 4.7, 18.02, -0.1, 0.01},
                      MoveCase{"bottom bulb, side", kParallel, false, 10.7, 22.5, 0.1, 0, 10.7, 22.5, -0.1, 0},
                      MoveCase{"bottom bulb, band up", kParallel, false, 13, 21.5, 0, -0.4, 13, 21.5, 0, 0.4},
                      MoveCase{"left bulb, side", kThree, false, 7.7, 20.5, 0.1, 0, 7.7, 20.5, -0.1, 0},
                      MoveCase{"right bulb, outer side", kThree, false, 17.3, 22.5, -0.1, 0, 17.3, 22.5, 0.1, 0}));

// --- glow arcs: bulbs in series glow with the dim pens ---

TEST_P(BulbGlow, ArcOverItsBulbWithItsPen)
{
    CheckGlow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, BulbGlow,
    ::testing::Values(GlowCase{kSeries, {kRight, kBottom, false, true, 1}, 15.5, 21, 20, 15, 11, 15, true},
                      GlowCase{kSeries, {kLeft, kBottom, true, false, 2}, 9.5, 21, 14, 15, 5, 15, true},
                      GlowCase{kParallel, {kMid, kRungY, false, false, 1}, 12.5, 14, 17, 8, 8, 8, false},
                      GlowCase{kParallel, {kMid, kBottom, false, false, 2}, 12.5, 21, 17, 15, 8, 15, false},
                      GlowCase{kThree, {kMid, kRungY, false, false, 1}, 12.5, 14, 17, 8, 8, 8, false},
                      GlowCase{kThree, {kRight, kBottom, false, true, 2}, 15.5, 21, 20, 15, 11, 15, true},
                      GlowCase{kThree, {kLeft, kBottom, true, false, 3}, 9.5, 21, 14, 15, 5, 15, true}));
