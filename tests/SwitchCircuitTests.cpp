#include "core/circuits/BulbSwitchCircuit.h"
#include "core/circuits/ParallelBulbsBothSwitchedCircuit.h"
#include "core/circuits/ParallelBulbsOneSwitchedCircuit.h"
#include "tests/CircuitTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace region_probes;

namespace {

const NamedFactory kBulbSwitch{"BulbSwitch", &Make<CBulbSwitchCircuit>};
const NamedFactory kOneSwitched{"OneSwitched", &Make<CParallelBulbsOneSwitchedCircuit>};
const NamedFactory kBothSwitched{"BothSwitched", &Make<CParallelBulbsBothSwitchedCircuit>};

class SwitchIdentity : public ::testing::TestWithParam<IdentityCase> {};
class SwitchMoves : public ::testing::TestWithParam<MoveCase> {};
class SwitchReleases : public ::testing::TestWithParam<ReleaseCase> {};
class SwitchFunnel : public ::testing::TestWithParam<FunnelCase> {};
class SwitchPush : public ::testing::TestWithParam<PushCase> {};
class SwitchGlow : public ::testing::TestWithParam<GlowCase> {};

}   // namespace

TEST_P(SwitchIdentity, NamePictureLabelsAndEnergyRule)
{
    CheckIdentity(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Catalogue, SwitchIdentity,
    ::testing::Values(
        IdentityCase{kBulbSwitch, "Bulb and Switch in Series", 150, false, true,
                     {{"power supply", {10, 0, 15, 2}}, {"switch", {13, 23, 18, 25}}, {"light bulb", {7, 23, 12, 25}}}},
        IdentityCase{kOneSwitched, "Two Bulbs in Parallel, One in Series with a Switch", 151, false, true,
                     {{"power supply", {10, 0, 15, 2}}, {"switch", {13, 23, 18, 25}},
                      {"light bulb 2", {7, 23, 12, 25}}, {"light bulb 1", {10, 7, 15, 9}}}},
        IdentityCase{kBothSwitched, "Two Bulbs in Parallel, Both in Series with a Switch", 152, false, true,
                     {{"power supply", {10, 0, 15, 2}}, {"switch", {17, 11, 20, 13}},
                      {"light bulb 2", {10, 23, 15, 25}}, {"light bulb 1", {10, 7, 15, 9}}}}));
// clang-format on

// --- regions: {x, y, closed[, open]} ---

namespace {

// The bottom-wire gap 14.75 < x < 16.25, 20 < y < 23; walls win over it.
// clang-format off
const std::vector<RegionCase> kBottomGap{{14.75, 21.5, W},    {14.76, 21.5, W, G}, {16.24, 21.5, W, G},
                                         {16.25, 21.5, W},    {15.5, 20.26, W, G}, {15.5, 22.74, W, G},
                                         {15.5, 20.24, X},    {15.5, 22.76, X},    {21.5, 12.5, W}};
// clang-format on

// The right-wire gap 20 < x < 23, 11.75 < y < 13.25.
// clang-format off
const std::vector<RegionCase> kRightGap{{21.5, 11.75, W},    {21.5, 11.76, W, G}, {21.5, 13.24, W, G},
                                        {21.5, 13.25, W},    {20.26, 12.5, W, G}, {22.74, 12.5, W, G},
                                        {20.24, 12.5, X},    {22.76, 12.5, X},    {15.5, 21.5, W}};
// clang-format on

}   // namespace

TEST(SwitchRegions, BulbSwitch)
{
    CheckRegions(kBulbSwitch, kSingleHole);
    CheckRegions(kBulbSwitch, kLeftBulb);
    CheckRegions(kBulbSwitch, kBottomGap);
}

TEST(SwitchRegions, OneSwitched)
{
    CheckRegions(kOneSwitched, kRung);
    CheckRegions(kOneSwitched, kLeftBulb);
    CheckRegions(kOneSwitched, kBottomGap);
}

TEST(SwitchRegions, BothSwitched)
{
    CheckRegions(kBothSwitched, kRung);
    CheckRegions(kBothSwitched, kCentreBulb);
    CheckRegions(kBothSwitched, kRightGap);
}

// --- one sub-step: the open gap, and the walls ---

TEST_P(SwitchMoves, OneSubStep)
{
    CheckMove(GetParam());
}

namespace {

std::vector<MoveCase> BottomGap(const NamedFactory& f)
{
    return {
        {"from the left", f, true, 14.7, 21.5, 0.1, 0.01, 14.74, 21.51, -0.1, 0.01},
        {"from the right", f, true, 16.3, 21.5, -0.1, 0.01, 16.26, 21.51, 0.1, 0.01},
        {"on the deep part's left edge", f, true, 15, 21.5, 0, 0, 14.74, 21.5, 0, 0},
        {"on the deep part's right edge", f, true, 16, 21.5, 0, 0, 16.26, 21.5, 0, 0},
        {"deep inside goes to the supply", f, true, 15.4, 21.5, 0.2, 0.01, 12, 3, 0.2, 0.01, 2},
        {"just inside the deep part, left", f, true, 15.01, 21.5, 0, 0, 12, 3, 0, 0, 2},
        {"just inside the deep part, right", f, true, 15.99, 21.5, 0, 0, 12, 3, 0, 0, 2},
        // Closed: plain wire, pushed left by 1.5 k.
        {"closed", f, false, 14.7, 21.5, 0.1, 0.01, 14.8, 21.51, 0.1 - 1.5 * kPushSteady, 0.01},
    };
}

}   // namespace

INSTANTIATE_TEST_SUITE_P(BulbSwitchGap, SwitchMoves, ::testing::ValuesIn(BottomGap(kBulbSwitch)));
INSTANTIATE_TEST_SUITE_P(OneSwitchedGap, SwitchMoves, ::testing::ValuesIn(BottomGap(kOneSwitched)));
INSTANTIATE_TEST_SUITE_P(
    BothSwitchedGap, SwitchMoves,
    ::testing::Values(
        MoveCase{"from above", kBothSwitched, true, 21.5, 11.7, 0.01, 0.1, 21.51, 11.74, 0.01, -0.1},
        MoveCase{"from below", kBothSwitched, true, 21.5, 13.3, 0.01, -0.1, 21.51, 13.26, 0.01, 0.1},
        MoveCase{"on the deep part's top edge", kBothSwitched, true, 21.5, 12, 0, 0, 21.5, 11.74, 0, 0},
        MoveCase{"on the deep part's bottom edge", kBothSwitched, true, 21.5, 13, 0, 0, 21.5, 13.26, 0, 0},
        MoveCase{"deep inside goes to the supply", kBothSwitched, true, 21.5, 12.4, 0.01, 0.2, 12, 3, 0.01, 0.2, 2},
        MoveCase{"just inside the deep part, top", kBothSwitched, true, 21.5, 12.01, 0, 0, 12, 3, 0, 0, 2},
        MoveCase{"just inside the deep part, bottom", kBothSwitched, true, 21.5, 12.99, 0, 0, 12, 3, 0, 0, 2},
        // Closed: the right side's push, down by 1.5 k.
        MoveCase{"closed", kBothSwitched, false, 21.5, 11.7, 0, 0.1, 21.5, 11.8, 0, 0.1 + 1.5 * kPushSteady}));

INSTANTIATE_TEST_SUITE_P(
    Walls, SwitchMoves,
    ::testing::Values(
        MoveCase{"left bulb, side", kBulbSwitch, false, 7.7, 20.5, 0.1, 0, 7.7, 20.5, -0.1, 0},
        // Unlike the bulb circuits' rung, the old y is tested against 20.25.
        MoveCase{"lower hole from the left side", kOneSwitched, false, 4.7, 18, 0.1, 0.01, 4.7, 18.02, -0.1, 0.01},
        MoveCase{"lower hole from the left side", kBothSwitched, false, 4.7, 18, 0.1, 0.01, 4.7, 18.02, -0.1, 0.01},
        MoveCase{"rung bulb, band up", kBothSwitched, false, 12, 14.5, 0, -0.4, 12, 14.5, 0, 0.4},
        MoveCase{"left bulb, side", kOneSwitched, false, 7.7, 20.5, 0.1, 0, 7.7, 20.5, -0.1, 0},
        MoveCase{"bottom bulb, right side", kBothSwitched, false, 14.3, 22.5, -0.1, 0, 14.3, 22.5, 0.1, 0},
        MoveCase{"jump into the upper hole", kOneSwitched, false, 8, 13.3, 0, -0.4, 12, 2.6, 0, -0.4, 2},
        MoveCase{"jump into the lower hole", kBothSwitched, false, 8, 15.7, 0, 0.4, 12, 3.4, 0, 0.4, 2}));

// --- releases: both halves at once, always slowed ---

TEST_P(SwitchReleases, AtTheRightBulb)
{
    CheckRelease(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Circuits, SwitchReleases,
    ::testing::Values(
        ReleaseCase{"closed", kBulbSwitch, 1, false, false, false, true, true, true,
                    {{9.5, 21.5, false, false, 1}, {9.5, 21.5, false, false, 0}}},
        ReleaseCase{"open, reversed", kBulbSwitch, 2, true, true, true, true, true, true,
                    {{9.5, 21.5, false, false, 1}}},
        ReleaseCase{"second half alone", kBulbSwitch, 1, false, false, false, false, true, true,
                    {{9.5, 21.5, false, true, 0}}},
        ReleaseCase{"no cells", kBulbSwitch, 0, false, false, false, true, true, true, {{9.5, 21.5, true, true, 0}}},
        ReleaseCase{"rung", kOneSwitched, 1, false, true, true, true, true, true,
                    {{12.5, 14.5, false, false, 1}, {9.5, 21.5, false, false, 0}}},
        ReleaseCase{"bottom, reversed", kOneSwitched, 3, true, false, false, true, true, true,
                    {{9.5, 21.5, false, false, 2}, {12.5, 14.5, false, false, 0}}},
        ReleaseCase{"rung, reversed", kBothSwitched, 1, true, false, false, true, true, true,
                    {{12.5, 14.5, false, false, 1}}},
        ReleaseCase{"bottom", kBothSwitched, 1, false, true, false, true, true, true,
                    {{12.5, 21.5, false, false, 2}, {12.5, 14.5, false, false, 0}}}));
// clang-format on

// --- the funnel, with the push constant the switch leaves ---

TEST_P(SwitchFunnel, PullsTowardTheMiddleOfTheBand)
{
    CheckFunnel(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Circuits, SwitchFunnel,
                         ::testing::Values(FunnelCase{kBulbSwitch, false, true}, FunnelCase{kBulbSwitch, true, false},
                                           FunnelCase{kOneSwitched, false, true}, FunnelCase{kOneSwitched, true, true},
                                           FunnelCase{kBothSwitched, false, true},
                                           FunnelCase{kBothSwitched, true, false}));

// The rung circuits drive the rung; Bulb and Switch has only the side rows.
TEST_P(SwitchPush, RungRowAndTheSidesAtItsEnds)
{
    CheckPush(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Circuits, SwitchPush,
                         ::testing::Values(PushCase{kOneSwitched, 21.5, 14.5, false, -1, +1},
                                           PushCase{kOneSwitched, 3.5, 14.5, true, +1, +1},
                                           PushCase{kBothSwitched, 21.5, 14.5, false, -1, +1},
                                           PushCase{kBothSwitched, 3.5, 14.5, true, +1, +1},
                                           PushCase{kBulbSwitch, 21.5, 14.5, false, 0, +1}));

// --- an open switch and the supply ---

struct OpenSwitchCase {
    NamedFactory circuit;
    bool stopsSupply;   // no push and a reflecting supply while open
};

class SwitchOpenSupply : public ::testing::TestWithParam<OpenSwitchCase> {};

TEST_P(SwitchOpenSupply, PushAndChargingFollowTheSwitch)
{
    RestartProgramState();
    CircuitUnderTest t = GetParam().circuit.make();
    CCircuit& c = *t.circuit;
    for (bool open : {true, false, true}) {
        SCOPED_TRACE(open ? "open" : "closed");
        c.SetSwitchOpen(open);
        const bool stopped = open && GetParam().stopsSupply;
        const double k = stopped ? 0.0 : kPushSteady;
        EXPECT_DOUBLE_EQ(MoveOnce(c, 8, 3.5, 0, 0).m_vx, 1.5 * k);
        EXPECT_DOUBLE_EQ(MoveOnce(c, 3.5, 12, 0, 0).m_vy, -1.5 * k);
        EXPECT_NEAR(MoveOnce(c, 11.5, 21.3, 0, 0).m_vy, 10 * k * (21.5 - 21.3), 1e-15);

        const double countBefore = c.GetSupplyCount();
        const std::uint32_t stateBefore = LoneRandom().State();
        const CElectron e = MoveOnce(c, 12.4, 3.5, 0.2, 0.001);
        EXPECT_EQ(e.m_bHalf1, !stopped);
        EXPECT_EQ(e.m_nGlow, stopped ? 0 : 10);
        EXPECT_DOUBLE_EQ(e.m_vx, stopped ? -0.2 : 0.2);
        EXPECT_EQ(c.GetSupplyCount() - countBefore, stopped ? 0.0 : 1.0);
        EXPECT_EQ(LoneRandom().State() == stateBefore, stopped);
        // Against the drive it bounces either way.
        EXPECT_DOUBLE_EQ(MoveOnce(c, 12.6, 3.5, -0.2, 0).m_vx, 0.2);
    }
}

INSTANTIATE_TEST_SUITE_P(Circuits, SwitchOpenSupply,
                         ::testing::Values(OpenSwitchCase{kBulbSwitch, true}, OpenSwitchCase{kOneSwitched, false},
                                           OpenSwitchCase{kBothSwitched, true}));

// --- current over a run: what still conducts with the switch open ---

struct SwitchRunCase {
    const char* name;
    NamedFactory circuit;
    bool open;
    bool current;
    std::vector<bool> glowing;   // per glow list
};

class SwitchRun : public ::testing::TestWithParam<SwitchRunCase> {};

TEST_P(SwitchRun, CurrentAndGlowFollowTheOpenBranches)
{
    const SwitchRunCase& rc = GetParam();
    RestartProgramState();
    CircuitUnderTest t = rc.circuit.make();
    CCircuit& c = *t.circuit;
    c.BuildLabels();
    // Start uncharged, so every release is of energy taken at the supply.
    for (CElectron& e : c.Electrons())
        e.m_bHalf1 = e.m_bHalf2 = false;
    c.SetSwitchOpen(rc.open);
    double net = 0;
    for (int tick = 0; tick < 2500; ++tick) {
        c.Step();
        net += c.TakeSupplyCount();
    }
    if (rc.current)
        EXPECT_GT(net, 0);
    else
        EXPECT_EQ(net, 0);
    for (std::size_t i = 0; i < rc.glowing.size(); ++i)
        EXPECT_EQ(!t.glows[i]->Empty(), rc.glowing[i]) << "glow list " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Circuits, SwitchRun,
                         ::testing::Values(SwitchRunCase{"open", kBulbSwitch, true, false, {false}},
                                           SwitchRunCase{"closed", kBulbSwitch, false, true, {true}},
                                           SwitchRunCase{"open", kOneSwitched, true, true, {true, false}},
                                           SwitchRunCase{"closed", kOneSwitched, false, true, {true, true}},
                                           SwitchRunCase{"open", kBothSwitched, true, false, {false, false}},
                                           SwitchRunCase{"closed", kBothSwitched, false, true, {true, true}}));

// --- drawings ---

TEST_P(SwitchGlow, ArcOverItsBulbWithTheBrightPen)
{
    CheckGlow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, SwitchGlow,
    ::testing::Values(GlowCase{kBulbSwitch, {9.5, 21.5, false, false, 1}, 9.5, 21, 14, 15, 5, 15, false},
                      GlowCase{kOneSwitched, {12.5, 14.5, false, false, 1}, 12.5, 14, 17, 8, 8, 8, false},
                      GlowCase{kOneSwitched, {9.5, 21.5, false, false, 2}, 9.5, 21, 14, 15, 5, 15, false},
                      GlowCase{kBothSwitched, {12.5, 14.5, false, false, 1}, 12.5, 14, 17, 8, 8, 8, false},
                      GlowCase{kBothSwitched, {12.5, 21.5, false, false, 2}, 12.5, 21, 17, 15, 8, 15, false}));

struct SwitchArtCase {
    NamedFactory circuit;
    double contact[4];   // x, y, width, height in units
    double gap[4];
    double closedBlade[2];   // where the diagram's blade ends
    double openBlade[2];
};

class SwitchArt : public ::testing::TestWithParam<SwitchArtCase> {};

TEST_P(SwitchArt, BlockOnlyWhileOpenAndTheBladeLifts)
{
    const SwitchArtCase& a = GetParam();
    CircuitUnderTest t = a.circuit.make();
    CCircuit& c = *t.circuit;
    CRecordingSurface rec(600, 400);
    CCircuitPainter painter;
    painter.Layout(c, rec, CRect{0, 0, 600, 400});
    const CGridCanvas canvas(rec, painter.Grid());
    const int u = painter.Grid().unit;
    const auto px = [&](double x) { return static_cast<int>(painter.Grid().offsetX + u * x); };
    const auto py = [&](double y) { return static_cast<int>(painter.Grid().offsetY + u * y); };
    const auto fill = [&](const double* r, int red, int green, int blue) {
        return std::vector<int>{px(r[0]), py(r[1]), static_cast<int>(u * r[2]), static_cast<int>(u * r[3]), red,
                                green,    blue};
    };
    const auto count = [&](const char* op, const std::vector<int>& args) {
        const auto calls = rec.CallsOf(op);
        return std::count_if(calls.begin(), calls.end(), [&](const CDrawCall& call) { return call.args == args; });
    };
    for (bool open : {true, false}) {
        SCOPED_TRACE(open ? "open" : "closed");
        // Opening and closing alike rebuild the background at the next frame.
        const int version = c.LayoutVersion();
        c.SetSwitchOpen(open);
        EXPECT_NE(c.LayoutVersion(), version);
        rec.Clear();
        c.DrawBallModel(canvas);
        EXPECT_EQ(count("FillSolidRect", fill(a.contact, 192, 192, 0)), open ? 1 : 0);
        EXPECT_EQ(count("FillSolidRect", fill(a.gap, 128, 128, 128)), open ? 1 : 0);
        EXPECT_EQ(rec.CurrentPen(), CPen{});

        rec.Clear();
        c.DrawDiagram(canvas);
        EXPECT_EQ(count("LineTo", {px(a.closedBlade[0]), py(a.closedBlade[1])}), open ? 0 : 1);
        EXPECT_EQ(count("LineTo", {px(a.openBlade[0]), py(a.openBlade[1])}), open ? 1 : 0);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Circuits, SwitchArt,
    ::testing::Values(SwitchArtCase{kBulbSwitch, {15, 20, 1, 3}, {15.25, 19.5, 0.5, 4}, {13.8, 21.3}, {14.5, 20.3}},
                      SwitchArtCase{kOneSwitched, {15, 20, 1, 3}, {15.25, 19.5, 0.5, 4}, {13.8, 21.3}, {14.5, 20.3}},
                      SwitchArtCase{kBothSwitched, {20, 12, 3, 1}, {19.75, 12.25, 4, 0.5}, {21.3, 11.8}, {20.3, 11.1}}));
// clang-format on
