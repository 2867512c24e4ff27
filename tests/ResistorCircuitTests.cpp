#include "core/circuits/BulbResistorCircuit.h"
#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/ParallelBulbsOneResistorCircuit.h"
#include "core/circuits/TwoResistorsParallelCircuit.h"
#include "core/circuits/TwoResistorsSeriesCircuit.h"
#include "core/circuits/UnequalResistorsParallelCircuit.h"
#include "core/circuits/UnequalResistorsSeriesCircuit.h"
#include "core/document/TarrowinDoc.h"
#include "core/res/CommandIds.h"
#include "tests/CircuitTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace region_probes;

namespace {

// The variable resistor as the document leaves it (BuildLabels sets the
// wall to 0.5), then pressed "+" and "-"; the program's random sequence is
// left where it was, so moves can count their draws.
std::unique_ptr<CBulbVariableResistorCircuit> VariableAt(int up, int down = 0)
{
    const std::uint32_t state = LoneRandom().State();
    auto c = std::make_unique<CBulbVariableResistorCircuit>();
    c->BuildLabels();
    for (int i = 0; i < up; ++i)
        c->IncreaseResistance();
    for (int i = 0; i < down; ++i)
        c->DecreaseResistance();
    LoneRandom().Restart(state);
    return c;
}

template <int Up>
CircuitUnderTest MakeVariable()
{
    auto c = VariableAt(Up);
    std::vector<const CGlowList*> glows{&c->Glow1()};
    return {std::move(c), std::move(glows)};
}

double WallOf(const CCircuit& c)
{
    return static_cast<const CBulbVariableResistorCircuit&>(c).GetResistorWall();
}

// The wall after n presses of "+" from 0.5: the running sum of the steps.
double RaisedWall(int presses)
{
    double w = 0.5;
    for (int i = 0; i < presses; ++i)
        w = std::min(w + 0.05, 1.2);
    return w;
}

// The speed factor of a release at the variable resistor.
double VariableFactor(int presses)
{
    return (RaisedWall(presses) - 1.2) + 0.3;
}

const NamedFactory kBulbRes{"BulbResistor", &Make<CBulbResistorCircuit>};
const NamedFactory kOneRes{"ParallelBulbsOneResistor", &Make<CParallelBulbsOneResistorCircuit>};
const NamedFactory kVar05{"VariableResistor 0.5", &MakeVariable<0>};
const NamedFactory kVar09{"VariableResistor 0.9", &MakeVariable<8>};
const NamedFactory kVar12{"VariableResistor 1.2", &MakeVariable<14>};
const NamedFactory kTwoSeries{"TwoResistorsSeries", &Make<CTwoResistorsSeriesCircuit>};
const NamedFactory kTwoParallel{"TwoResistorsParallel", &Make<CTwoResistorsParallelCircuit>};
const NamedFactory kUnequalSeries{"UnequalResistorsSeries", &Make<CUnequalResistorsSeriesCircuit>};
const NamedFactory kUnequalParallel{"UnequalResistorsParallel", &Make<CUnequalResistorsParallelCircuit>};

// A block centred on (cx, cy) across a wire from cy - 1.5 to cy + 1.5 that
// confines centres to lo < y < hi: its end faces, band edges and release line.
std::vector<RegionCase> BlockEdges(double cx, double cy, double lo, double hi)
{
    const double a = cx - 1.75, b = cx + 1.75, in = cx - 1;
    const double upper = (cy - 1.25 + lo) / 2, lower = (hi + cy + 1.25) / 2, mid = (lo + hi) / 2;
    return {{a, upper, W},        {a + 0.01, upper, X}, {b - 0.01, upper, X}, {b, upper, W},       {a, lower, W},
            {a + 0.01, lower, X}, {b - 0.01, lower, X}, {b, lower, W},        {in, lo - 0.01, X},  {in, lo, W},
            {in, hi, W},          {in, hi + 0.01, X},   {cx - 0.25, mid, W},  {cx - 0.24, mid, R}, {cx + 0.24, mid, R},
            {cx + 0.25, mid, W},  {cx, upper, X},       {cx, lower, X}};
}

// The two holes of the ladder circuits and the supply.
// clang-format off
const std::vector<RegionCase> kRungHoles{
    {6, 13.24, X},    {6, 13.25, W},  {6, 15.75, W},   {6, 15.76, X},    {6, 4.75, W},   {6, 4.76, X},
    {6, 20.24, X},    {6, 20.25, W},  {4.75, 12, W},   {4.76, 12, X},    {4.76, 14.5, W}, {20.24, 14.5, W},
    {20.24, 17, X},   {20.25, 17, W}, {12.5, 3.5, S},  {12, 3.5, W}};
// clang-format on

}   // namespace

// --- catalogue: titles, pictures, labels, energy rule ---

class ResistorIdentity : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(ResistorIdentity, NamePictureLabelsAndEnergyRule)
{
    CheckIdentity(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Catalogue, ResistorIdentity,
    ::testing::Values(
        IdentityCase{kBulbRes, "Bulb and Resistor in Series", 153, true, false,
                     {{"power supply", {10, 0, 15, 2}}, {"resistor", {13, 23, 18, 25}}, {"light bulb", {7, 23, 12, 25}}}},
        IdentityCase{kOneRes, "Two Bulbs in Parallel, One in Series with a Resistor", 154, true, false,
                     {{"power supply", {10, 0, 15, 2}}, {"resistor", {13, 23, 18, 25}},
                      {"light bulb 2", {7, 23, 12, 25}}, {"light bulb 1", {10, 7, 15, 9}}}},
        IdentityCase{{"VariableResistor", &Make<CBulbVariableResistorCircuit>},
                     "Bulb and Variable Resistor in Series", 155, true, false,
                     {{"power supply", {10, 0, 15, 2}}, {"variable resistor", {12, 23, 18, 25}},
                      {"light bulb", {7, 23, 12, 25}}}},
        IdentityCase{kTwoSeries, "Two Resistors in Series", 156, true, false,
                     {{"power supply", {10, 0, 15, 2}}, {"resistor 1", {13, 18, 18, 20}}, {"resistor 2", {7, 18, 12, 20}}}},
        IdentityCase{kTwoParallel, "Two Resistors in Parallel", 157, false, false,
                     {{"power supply", {10, 0, 15, 2}}, {"resistor 2", {10, 18, 15, 20}}, {"resistor 1", {10, 11, 15, 13}}}},
        IdentityCase{kUnequalSeries, "Two Unequal Resistors in Series", 158, true, false,
                     {{"power supply", {10, 0, 15, 2}}, {"resistor (low R)", {13, 18, 18, 20}},
                      {"resistor (high R)", {7, 16, 12, 18}}}},
        // Spelled as the menu spells it: this title reaches the window.
        IdentityCase{kUnequalParallel, "Two Unequal Resistors in Parallel", 159, false, false,
                     {{"power supply", {10, 0, 15, 2}}, {"resistor (high R)", {10, 18, 15, 20}},
                      {"resistor (low R)", {10, 11, 15, 13}}}}));
// clang-format on

// --- regions, probed on both sides of every edge ---

TEST(ResistorRegions, EveryBlockAndHole)
{
    const std::vector<std::pair<NamedFactory, std::vector<std::vector<RegionCase>>>> table{
        {kBulbRes, {kSingleHole, kLeftBulb, BlockEdges(15.5, 21.5, 21.4, 21.6)}},
        {kOneRes, {kRung, kLeftBulb, BlockEdges(15.5, 21.5, 21.4, 21.6)}},
        {kTwoSeries, {kSingleHole, BlockEdges(15.5, 21.5, 21.4, 21.6), BlockEdges(9.5, 21.5, 21.4, 21.6)}},
        {kUnequalSeries, {kSingleHole, BlockEdges(15.5, 21.5, 21.15, 21.85), BlockEdges(9.5, 21.5, 21.4, 21.6)}},
        {kTwoParallel, {kRungHoles, BlockEdges(12.5, 21.5, 21.4, 21.6), BlockEdges(12.5, 14.5, 14.4, 14.6)}},
        {kUnequalParallel, {kRungHoles, BlockEdges(12.5, 21.5, 21.4, 21.6), BlockEdges(12.5, 14.5, 14.15, 14.85)}}};
    for (const auto& [f, probes] : table) {
        SCOPED_TRACE(f.name);
        for (const auto& p : probes)
            CheckRegions(f, p);
    }
}

TEST(ResistorRegions, VariableResistorBandFollowsTheSetting)
{
    for (const NamedFactory& f : {kVar05, kVar09, kVar12}) {
        const double w = WallOf(*f.make().circuit);
        SCOPED_TRACE(testing::Message() << "w " << w);
        CheckRegions(f, kSingleHole);
        CheckRegions(f, kLeftBulb);
        CheckRegions(f, BlockEdges(15.5, 21.5, 20.25 + w, 22.75 - w));
    }
}

// --- walls: {start, end} of one sub-step, one cell ---

class ResistorWalls : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ResistorWalls, ReflectAndMoveAgain)
{
    CheckMove(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Blocks, ResistorWalls,
    ::testing::Values(
        MoveCase{"resistor, band up", kBulbRes, false, 16.5, 21.5, 0, -0.15, 16.5, 21.5, 0, 0.15},
        MoveCase{"resistor, band down", kBulbRes, false, 16.5, 21.5, 0, 0.15, 16.5, 21.5, 0, -0.15},
        MoveCase{"resistor, end face", kBulbRes, false, 13.7, 20.5, 0.1, 0, 13.7, 20.5, -0.1, 0},
        MoveCase{"bulb, outer end face", kBulbRes, false, 11.3, 22.5, -0.1, 0, 11.3, 22.5, 0.1, 0},
        MoveCase{"resistor, band up", kOneRes, false, 16.5, 21.5, 0, -0.15, 16.5, 21.5, 0, 0.15},
        MoveCase{"rung bulb, band up", kOneRes, false, 12, 14.5, 0, -0.4, 12, 14.5, 0, 0.4},
        // The old y is below 13.25, so both components turn.
        MoveCase{"lower hole from the left side", kOneRes, false, 4.7, 18, 0.1, 0.01, 4.7, 18, -0.1, -0.01},
        MoveCase{"jump into the lower hole", kOneRes, false, 8, 15.7, 0, 0.4, 12, 3.4, 0, 0.4, 2},
        MoveCase{"right resistor, band up", kTwoSeries, false, 16.5, 21.5, 0, -0.15, 16.5, 21.5, 0, 0.15},
        // The low-resistance band is wider: the same step stays on wire.
        MoveCase{"low R, inside its band", kUnequalSeries, false, 16.5, 21.5, 0, -0.15, 16.5, 21.35,
                 -1.5 * kPushSteady, -0.15},
        MoveCase{"low R, band up", kUnequalSeries, false, 16.5, 21.5, 0, -0.4, 16.5, 21.5, 0, 0.4},
        MoveCase{"high R, band up", kUnequalSeries, false, 8.5, 21.5, 0, -0.15, 8.5, 21.5, 0, 0.15},
        MoveCase{"rung, band up", kTwoParallel, false, 12, 14.5, 0, -0.2, 12, 14.5, 0, 0.2},
        MoveCase{"rung, end face", kTwoParallel, false, 10.7, 13.6, 0.1, 0, 10.7, 13.6, -0.1, 0},
        MoveCase{"bottom, band up", kTwoParallel, false, 12, 21.5, 0, -0.2, 12, 21.5, 0, 0.2},
        MoveCase{"lower hole from the left side", kTwoParallel, false, 4.7, 18, 0.1, 0.01, 4.7, 18, -0.1, -0.01},
        MoveCase{"low R rung, inside its band", kUnequalParallel, false, 12, 14.5, 0, -0.2, 12, 14.3,
                 -1.5 * kPushSteady, -0.2},
        MoveCase{"low R rung, band down", kUnequalParallel, false, 12, 14.5, 0, 0.4, 12, 14.5, 0, -0.4},
        MoveCase{"high R bottom, band up", kUnequalParallel, false, 12, 21.5, 0, -0.2, 12, 21.5, 0, 0.2},
        MoveCase{"jump into the upper hole", kUnequalParallel, false, 8, 13.3, 0, -0.4, 12, 2.6, 0, -0.4, 2}));
// clang-format on

// The variable resistor's walls; an electron found inside them more than
// 0.05 from the band (left there when "+" narrowed it) goes to the supply.
INSTANTIATE_TEST_SUITE_P(
    Variable, ResistorWalls,
    ::testing::Values(
        MoveCase{"0.5: a point of the 1.2 wall is wire", kVar05, false, 14.99, 21, 0.01, 0, 15, 21,
                 0.01 - 1.5 * kPushSteady, 0},
        MoveCase{"0.5: band up, near the band", kVar05, false, 16, 20.8, 0, -0.07, 16, 20.8, 0, 0.07},
        MoveCase{"0.5: band up, deep", kVar05, false, 16, 20.8, 0, -0.12, 12, 3.12, 0, 0.12, 2},
        MoveCase{"0.9: band up, near the band", kVar09, false, 16.5, 21.5, 0, -0.37, 16.5, 21.5, 0, 0.37},
        MoveCase{"0.9: band up, deep", kVar09, false, 16.5, 21.5, 0, -0.45, 12, 3.45, 0, 0.45, 2},
        MoveCase{"1.2: band up, near the band", kVar12, false, 16.5, 21.5, 0, -0.08, 16.5, 21.5, 0, 0.08},
        MoveCase{"1.2: inside the upper wall", kVar12, false, 14.99, 21, 0.01, 0, 11.99, 3, -0.01, 0, 2},
        MoveCase{"1.2: inside the lower wall", kVar12, false, 16, 21.99, 0, 0.01, 12, 3.01, 0, 0.01, 2},
        MoveCase{"1.2: upper wall near the band", kVar12, false, 14.99, 21.42, 0.01, 0, 14.99, 21.42, -0.01, 0},
        MoveCase{"1.2: lower wall near the band", kVar12, false, 14.99, 21.58, 0.01, 0, 14.99, 21.58, -0.01, 0},
        MoveCase{"1.2: left end face", kVar12, false, 13.78, 21, 0.01, 0, 13.78, 21, -0.01, 0},
        MoveCase{"1.2: right end face", kVar12, false, 17.22, 21, -0.01, 0, 17.22, 21, 0.01, 0},
        MoveCase{"1.2: bulb, end face", kVar12, false, 7.7, 20.5, 0.1, 0, 7.7, 20.5, -0.1, 0}));

// --- releases: one electron landing on release lines in turn ---

struct Hit {
    double x, y;
    bool half1, half2;   // its halves afterwards
    int glow;   // m_nGlow afterwards, 0 for no release
    double factor;   // on both velocity components
    int arcList;   // the glow list that gets an arc (1-based), 0 for none
};

struct HitCase {
    const char* name;
    NamedFactory circuit;
    int cells;
    bool reversed, vary;
    bool half1, half2;   // on arrival at the first line
    std::vector<Hit> hits;
};

class ResistorReleases : public ::testing::TestWithParam<HitCase> {};

TEST_P(ResistorReleases, HalvesGlowAndSpeed)
{
    const HitCase& c = GetParam();
    CircuitUnderTest t = c.circuit.make();
    Configure(*t.circuit, c.cells, c.reversed, c.vary);
    CElectron e(0, 0, 0, 0);
    e.m_bHalf1 = c.half1;
    e.m_bHalf2 = c.half2;
    std::vector<std::size_t> sizes(t.glows.size(), 0);
    // Along the wire the way the supply drives: left at V > 0, right at V < 0.
    const double vx = c.reversed ? 0.05 : -0.05;
    for (const Hit& h : c.hits) {
        SCOPED_TRACE(testing::Message() << "at (" << h.x << ", " << h.y << ")");
        PlaceArriving(e, h.x, h.y, vx);
        ASSERT_EQ(t.circuit->Classify(h.x, h.y), RegionRelease);
        t.circuit->MoveElectron(e);
        if (h.arcList != 0)
            ++sizes[static_cast<std::size_t>(h.arcList - 1)];
        EXPECT_EQ(e.m_bHalf1, h.half1);
        EXPECT_EQ(e.m_bHalf2, h.half2);
        EXPECT_EQ(e.m_nGlow, h.glow);
        EXPECT_NEAR(e.m_vx, vx * h.factor, 1e-15);
        EXPECT_NEAR(e.m_vy, 0.01 * h.factor, 1e-15);
        EXPECT_EQ(t.GlowSizes(), sizes);
    }
}

namespace {

constexpr Hit Pass(double x, double y, bool h1, bool h2)
{
    return {x, y, h1, h2, 0, 1.0, 0};
}

}   // namespace

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    BulbAndResistor, ResistorReleases,
    ::testing::Values(
        // Resistor first (V > 0): the first half, no arc; the bulb the second.
        HitCase{"forward", kBulbRes, 1, false, false, true, true,
                {{15.5, 21.5, false, true, -10, 0.1, 0}, Pass(15.5, 21.5, false, true),
                 {9.5, 21.5, false, false, -10, 0.1, 1}, Pass(9.5, 21.5, false, false)}},
        HitCase{"reversed, vary", kBulbRes, 2, true, true, true, true,
                {{9.5, 21.5, true, false, -10, 0.1, 1}, Pass(9.5, 21.5, true, false),
                 {15.5, 21.5, false, false, -10, 0.1, 0}}},
        HitCase{"no cells", kBulbRes, 0, false, false, true, true,
                {Pass(15.5, 21.5, true, true), Pass(9.5, 21.5, true, true)}}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ParallelBulbsOneResistor, ResistorReleases,
    ::testing::Values(
        HitCase{"rung takes both", kOneRes, 1, false, false, true, true,
                {{12.5, 14.5, false, false, -10, 0.1, 1}, Pass(15.5, 21.5, false, false)}},
        HitCase{"rung with the first half alone", kOneRes, 1, false, false, true, false,
                {{12.5, 14.5, false, false, -10, 0.1, 1}}},
        HitCase{"bottom branch", kOneRes, 1, false, false, true, true,
                {{15.5, 21.5, false, true, -10, 0.1, 0}, {9.5, 21.5, false, false, -10, 0.1, 2}}},
        HitCase{"bottom branch reversed, vary", kOneRes, 3, true, true, true, true,
                {{9.5, 21.5, true, false, -10, 0.1, 2}, {15.5, 21.5, false, false, -10, 0.1, 0}}},
        // Without the first half the rung's line is bulb 2's second-half rule,
        // on its left half only, and the arc goes over bulb 2.
        HitCase{"second half on the rung", kOneRes, 1, false, false, false, true,
                {Pass(12.6, 14.5, false, true), {12.4, 14.5, false, false, -10, 0.1, 2}}},
        HitCase{"no cells", kOneRes, 0, false, false, true, true,
                {Pass(12.5, 14.5, true, true), Pass(9.5, 21.5, true, true)}}));
// clang-format on

// The variable resistor: m_nGlow -(w - 0.2) * 10 truncated, speed times w - 0.9.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    VariableResistor, ResistorReleases,
    ::testing::Values(
        // At 0.5 the electron turns back at 0.4 of its speed.
        HitCase{"0.5", kVar05, 1, false, false, true, true,
                {{15.5, 21.5, false, true, -3, VariableFactor(0), 0}, Pass(15.5, 21.5, false, true),
                 {9.5, 21.5, false, false, -10, 0.1, 1}}},
        // About 0.9: -(0.9000000000000004 - 0.2) * 10 truncates to -7; no speed left.
        HitCase{"0.9", kVar09, 2, false, true, true, true, {{15.5, 21.5, false, true, -7, VariableFactor(8), 0}}},
        HitCase{"1.2, reversed", kVar12, 3, true, false, true, true,
                {{9.5, 21.5, true, false, -10, 0.1, 1}, {15.5, 21.5, false, false, -10, VariableFactor(14), 0}}},
        HitCase{"no cells", kVar12, 0, false, false, true, true, {Pass(15.5, 21.5, true, true)}}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SeriesPair, ResistorReleases,
    ::testing::Values(
        HitCase{"equal, forward", kTwoSeries, 1, false, false, true, true,
                {{15.5, 21.5, false, true, -10, 0.1, 0}, Pass(15.5, 21.5, false, true),
                 {9.5, 21.5, false, false, -10, 0.1, 0}}},
        HitCase{"equal, reversed", kTwoSeries, 2, true, false, true, true,
                {{9.5, 21.5, true, false, -10, 0.1, 0}, Pass(9.5, 21.5, true, false),
                 {15.5, 21.5, false, false, -10, 0.1, 0}}},
        HitCase{"unequal, forward", kUnequalSeries, 1, false, false, true, true,
                {{15.5, 21.5, false, true, -7, 0.5, 0}, {9.5, 21.5, false, false, -10, 0.1, 0}}},
        HitCase{"unequal, reversed, vary", kUnequalSeries, 3, true, true, true, true,
                {{9.5, 21.5, true, false, -10, 0.1, 0}, {15.5, 21.5, false, false, -7, 0.5, 0}}},
        HitCase{"unequal, no cells", kUnequalSeries, 0, false, false, true, true,
                {Pass(15.5, 21.5, true, true), Pass(9.5, 21.5, true, true)}}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ParallelPair, ResistorReleases,
    ::testing::Values(
        HitCase{"equal, bottom", kTwoParallel, 1, false, false, true, true,
                {{12.5, 21.5, false, false, -10, 0.1, 0}, Pass(12.5, 14.5, false, false)}},
        HitCase{"equal, rung, reversed", kTwoParallel, 2, true, true, true, true,
                {{12.5, 14.5, false, false, -10, 0.1, 0}}},
        HitCase{"equal, second half alone", kTwoParallel, 1, false, false, false, true,
                {Pass(12.5, 21.5, false, true), Pass(12.5, 14.5, false, true)}},
        HitCase{"unequal, bottom is high R", kUnequalParallel, 1, false, false, true, true,
                {{12.5, 21.5, false, false, -10, 0.1, 0}}},
        HitCase{"unequal, rung is low R", kUnequalParallel, 1, false, true, true, true,
                {{12.5, 14.5, false, false, -7, 0.5, 0}}},
        HitCase{"unequal, rung, first half alone, reversed", kUnequalParallel, 3, true, false, true, false,
                {{12.5, 14.5, false, false, -7, 0.5, 0}}},
        HitCase{"unequal, no cells", kUnequalParallel, 0, false, false, true, true,
                {Pass(12.5, 14.5, true, true), Pass(12.5, 21.5, true, true)}}));
// clang-format on

// --- the funnel: series circuits, also without cells; not the parallel pair ---

class ResistorFunnel : public ::testing::TestWithParam<FunnelCase> {};

TEST_P(ResistorFunnel, PullsTowardTheMiddleOfTheBand)
{
    CheckFunnel(GetParam());
}

// Probed inside the narrow resistor bands on either side of the funnel.
INSTANTIATE_TEST_SUITE_P(Circuits, ResistorFunnel,
                         ::testing::Values(FunnelCase{kBulbRes, false, true, 21.45, 21.55},
                                           FunnelCase{kOneRes, false, true, 21.45, 21.55},
                                           FunnelCase{kVar05, false, true, 21.45, 21.55},
                                           FunnelCase{kTwoSeries, false, true, 21.45, 21.55},
                                           FunnelCase{kUnequalSeries, false, true, 21.45, 21.55},
                                           FunnelCase{kTwoParallel, false, false, 21.45, 21.55},
                                           FunnelCase{kUnequalParallel, false, false, 21.45, 21.55}));

// --- glow: a bulb sharing its branch with a resistor glows dimmer ---

class ResistorGlow : public ::testing::TestWithParam<GlowCase> {};

TEST_P(ResistorGlow, ArcOverItsBulbWithItsPen)
{
    CheckGlow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, ResistorGlow,
    ::testing::Values(GlowCase{kBulbRes, {9.5, 21.5, false, false, 1}, 9.5, 21, 14, 15, 5, 15, true},
                      GlowCase{kOneRes, {12.5, 14.5, false, false, 1}, 12.5, 14, 17, 8, 8, 8, false},
                      GlowCase{kOneRes, {9.5, 21.5, false, false, 2}, 9.5, 21, 14, 15, 5, 15, true},
                      GlowCase{kVar05, {9.5, 21.5, false, false, 1}, 9.5, 21, 14, 15, 5, 15, false}));

// Bright below 0.7, dim from 0.7, dimmer still from 1.0; the running sum
// decides which side of a threshold a setting falls.
TEST(VariableGlowPen, ThinsAsTheWallThickens)
{
    struct {
        int up, down;   // presses of "+", then of "-"
        int widths[3];   // for 1, 2 and 3 cells
    } const table[]{
        {0, 0, {4, 6, 8}},   {3, 0, {4, 6, 8}},  {4, 0, {2, 4, 6}},   // 0.7000000000000002
        {9, 0, {2, 4, 6}},   {10, 0, {2, 2, 4}},   // 1.0000000000000004
        {14, 0, {2, 2, 4}},  {14, 3, {2, 2, 4}}, {14, 4, {2, 4, 6}},   // 0.9999999999999998
        {14, 10, {4, 6, 8}},   // 0.6999999999999995
    };
    for (const auto& p : table)
        for (int cells : {1, 2, 3}) {
            auto c = VariableAt(p.up, p.down);
            SCOPED_TRACE(testing::Message() << "w " << c->GetResistorWall() << ", cells " << cells);
            c->SetCells(cells);
            CRecordingSurface rec(600, 400);
            CCircuitPainter painter;
            painter.Layout(*c, rec, CRect{0, 0, 600, 400});
            MoveOnce(*c, 9.55, 21.5, -0.05, 0, true, true);
            ASSERT_EQ(c->Glow1().Size(), 1u);
            rec.Clear();
            painter.DrawGlow(*c, rec);
            ASSERT_EQ(rec.CallsOf("Arc").size(), 1u);
            int width = 0;   // of the pen in effect at the arc
            for (const CDrawCall& call : rec.Calls()) {
                if (call.strOp == "Arc")
                    break;
                if (call.strOp == "SelectPen")
                    width = call.args[0];
            }
            EXPECT_EQ(width, p.widths[cells - 1]);
        }
}

TEST(ResistorGlowArcs, NoneFromResistors)
{
    for (const NamedFactory& f : {kTwoSeries, kTwoParallel, kUnequalSeries, kUnequalParallel, kBulbRes}) {
        SCOPED_TRACE(f.name);
        CircuitUnderTest t = f.make();
        CCircuit& c = *t.circuit;
        c.SetCells(3);
        CRecordingSurface rec(600, 400);
        CCircuitPainter painter;
        painter.Layout(c, rec, CRect{0, 0, 600, 400});
        // Charged electrons on every resistor line (for the bulb circuit, its resistor's).
        for (auto [x, y] : {std::pair{15.5, 21.5}, {9.5, 21.5}, {12.5, 21.5}, {12.5, 14.5}}) {
            if (c.Classify(x, y) != RegionRelease || (f.make == kBulbRes.make && x < 12.5))
                continue;
            const CElectron e = MoveOnce(c, x + 0.05, y, -0.05, 0, true, true);
            EXPECT_FALSE(e.m_bHalf1 && e.m_bHalf2) << x << ", " << y;
        }
        rec.Clear();
        painter.DrawGlow(c, rec);
        EXPECT_TRUE(rec.CallsOf("Arc").empty());
        EXPECT_EQ(t.GlowSizes(), std::vector<std::size_t>(t.glows.size(), 0));
    }
}

// --- the "-" and "+" buttons ---

TEST(VariableResistorSetting, RunningSumOfStepsClampedAtBothEnds)
{
    auto c = VariableAt(0);
    EXPECT_EQ(c->GetResistorWall(), 0.5);
    const auto press = [&](void (CBulbVariableResistorCircuit::*op)(), int i) {
        const double before = c->GetResistorWall();
        const int version = c->LayoutVersion();
        (c.get()->*op)();
        // Every press, the ends' too, draws the background again.
        EXPECT_NE(c->LayoutVersion(), version) << "press " << i;
        return before;
    };
    for (int i = 1; i <= 15; ++i) {
        const double before = press(&CBulbVariableResistorCircuit::IncreaseResistance, i);
        EXPECT_EQ(c->GetResistorWall(), i < 14 ? before + 0.05 : 1.2) << "press " << i;
        if (i == 2) {
            EXPECT_EQ(c->GetResistorWall(), 0.6000000000000001);
        }
    }
    for (int i = 1; i <= 15; ++i) {
        const double before = press(&CBulbVariableResistorCircuit::DecreaseResistance, i);
        EXPECT_EQ(c->GetResistorWall(), i < 14 ? before - 0.05 : 0.5) << "press " << i;
    }
}

TEST(VariableResistorDocument, ButtonsActOnItsMemberWhateverIsCurrent)
{
    RestartProgramState();
    CTarrowinDoc doc;
    auto* var = dynamic_cast<CBulbVariableResistorCircuit*>(doc.CircuitForCommand(CmdId::BulbVariableResistor));
    ASSERT_NE(var, nullptr);
    EXPECT_EQ(doc.CircuitAt(10), var);
    EXPECT_EQ(var->GetResistorWall(), 0.5);

    // From the Single Bulb: the setting moves, the current circuit does not redraw.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(doc.OnCommand(CmdId::ResistanceUp));
    EXPECT_EQ(var->GetResistorWall(), RaisedWall(3));
    EXPECT_NE(var->LayoutVersion(), 0);
    EXPECT_EQ(doc.GetCurrentCircuit()->LayoutVersion(), 0);

    doc.OnCommand(CmdId::BulbResistor);
    doc.OnCommand(CmdId::BulbVariableResistor);
    EXPECT_EQ(var->GetResistorWall(), RaisedWall(3));
    doc.OnCommand(CmdId::ResistanceUp);
    EXPECT_EQ(var->GetResistorWall(), RaisedWall(4));

    doc.OnCommand(CmdId::TwoResistorsSeries);
    CCircuit* other = doc.GetCurrentCircuit();
    EXPECT_TRUE(doc.OnCommand(CmdId::ResistanceDown));
    EXPECT_DOUBLE_EQ(var->GetResistorWall(), 0.65);
    EXPECT_EQ(doc.GetCurrentCircuit(), other);

    doc.OnCommand(CmdId::BulbVariableResistor);
    doc.OnCommand(CmdId::BulbVariableResistor);
    EXPECT_DOUBLE_EQ(var->GetResistorWall(), 0.65);
    doc.OnCommand(CmdId::UnequalResistorsParallel);
    EXPECT_EQ(doc.GetTitle(), "Two Unequal Resistors in Parallel");
    EXPECT_TRUE(doc.IsCommandChecked(CmdId::UnequalResistorsParallel));
    // Enabled exactly while the variable resistor is current, each end's
    // button greyed there: "-" at the least resistance, "+" at the most.
    using B = std::pair<bool, bool>;
    const auto buttons = [&doc] {
        return B(doc.CommandState(CmdId::ResistanceDown)->bEnabled, doc.CommandState(CmdId::ResistanceUp)->bEnabled);
    };
    EXPECT_EQ(buttons(), B(false, false));
    doc.OnCommand(CmdId::BulbVariableResistor);
    EXPECT_EQ(buttons(), B(true, true));
    for (int i = 0; i < 20; ++i)
        doc.OnCommand(CmdId::ResistanceUp);
    EXPECT_EQ(buttons(), B(true, false));
    for (int i = 0; i < 20; ++i)
        doc.OnCommand(CmdId::ResistanceDown);
    EXPECT_EQ(buttons(), B(false, true));
}

// --- drawings ---

namespace {

using Lines = std::vector<std::array<double, 4>>;   // grid (x0, y0) to (x1, y1)

Lines OneBar(double cx, double cy)
{
    return {{cx, cy - 0.35, cx, cy + 0.35},
            {cx - 0.15, cy - 0.35, cx + 0.15, cy - 0.35},
            {cx - 0.15, cy + 0.35, cx + 0.15, cy + 0.35}};
}

Lines TwoBars(double cx, double cy)
{
    return {{cx - 0.15, cy - 0.35, cx - 0.15, cy + 0.35},
            {cx + 0.15, cy - 0.35, cx + 0.15, cy + 0.35},
            {cx - 0.3, cy - 0.35, cx + 0.3, cy - 0.35},
            {cx - 0.3, cy + 0.35, cx + 0.3, cy + 0.35}};
}

Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Lines kRungWire{{3.5, 14.5, 21.5, 14.5}};
const Lines kArrow{{13.5, 22.5, 17.5, 20.5}, {17, 20.5, 17.5, 20.5}, {17.5, 20.5, 17.25, 20.85}};

struct DiagramCase {
    NamedFactory circuit;
    std::vector<std::pair<double, double>> resistors;   // symbol centres
    Lines lines;   // each drawn once
    std::size_t inside;   // lines within the symbols: the marks
};

struct Glyph {
    double cx, cy, t;
    Colour cap;
};

struct GlyphCase {
    NamedFactory circuit;
    std::vector<Glyph> glyphs;
};

template <class Case>
requires requires(const Case& c)
{
    c.circuit.name;
}
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.circuit.name;
}

constexpr Colour kBulbCap{150, 130, 100}, kResistorCap{100, 130, 150}, kLowCap{130, 150, 100},
    kVariableCap{150, 100, 150};

// A circuit laid out on a 600 x 400 recording surface, with its pixel mapping.
struct Drawn {
    explicit Drawn(const NamedFactory& f) : t(f.make()), c(*t.circuit)
    {
        painter.Layout(c, rec, CRect{0, 0, 600, 400});
        rec.Clear();
    }
    int Px(double x) const { return painter.Grid().PixelX(x); }
    int Py(double y) const { return painter.Grid().PixelY(y); }
    CGridCanvas Canvas() { return CGridCanvas(rec, painter.Grid()); }

    CircuitUnderTest t;
    CCircuit& c;
    CRecordingSurface rec{600, 400};
    CCircuitPainter painter;
};

}   // namespace

class ResistorDiagram : public ::testing::TestWithParam<DiagramCase> {};

TEST_P(ResistorDiagram, MarksInsideTheSymbols)
{
    const DiagramCase& d = GetParam();
    Drawn dr(d.circuit);
    dr.c.DrawDiagram(dr.Canvas());
    // The straight lines drawn, in pixels, following the current position.
    std::vector<std::array<int, 4>> drawn;
    int x = 0, y = 0;
    for (const CDrawCall& call : dr.rec.Calls()) {
        if (call.strOp == "LineTo")
            drawn.push_back({x, y, call.args[0], call.args[1]});
        if (call.strOp == "LineTo" || call.strOp == "MoveTo") {
            x = call.args[0];
            y = call.args[1];
        }
    }
    for (const auto& l : d.lines)
        EXPECT_EQ(
            std::count(drawn.begin(), drawn.end(), std::array{dr.Px(l[0]), dr.Py(l[1]), dr.Px(l[2]), dr.Py(l[3])}), 1)
            << "(" << l[0] << ", " << l[1] << ") to (" << l[2] << ", " << l[3] << ")";
    const auto within = [&](int px, int py) {
        return std::any_of(d.resistors.begin(), d.resistors.end(), [&](const auto& r) {
            return px > dr.Px(r.first - 1.5) && px < dr.Px(r.first + 1.5) && py > dr.Py(r.second - 0.6) &&
                   py < dr.Py(r.second + 0.6);
        });
    };
    EXPECT_EQ(static_cast<std::size_t>(std::count_if(
                  drawn.begin(), drawn.end(), [&](const auto& s) { return within(s[0], s[1]) && within(s[2], s[3]); })),
              d.inside);
    EXPECT_EQ(dr.rec.CallsOf("Rectangle").size(), d.resistors.size());
    EXPECT_EQ(dr.rec.CurrentPen(), CPen{});
    EXPECT_EQ(dr.rec.CurrentBrush(), CBrush{});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Circuits, ResistorDiagram,
    ::testing::Values(DiagramCase{kTwoSeries, {{15.5, 21.5}, {9.5, 21.5}}, {}, 0},
                      DiagramCase{kTwoParallel, {{12.5, 21.5}, {12.5, 14.5}}, kRungWire, 0},
                      DiagramCase{kUnequalSeries, {{15.5, 21.5}, {9.5, 21.5}}, OneBar(15.5, 21.5) + TwoBars(9.5, 21.5), 7},
                      DiagramCase{kUnequalParallel, {{12.5, 21.5}, {12.5, 14.5}},
                                  TwoBars(12.5, 21.5) + OneBar(12.5, 14.5) + kRungWire, 7},
                      DiagramCase{kBulbRes, {{15.5, 21.5}}, {}, 0},
                      DiagramCase{kOneRes, {{15.5, 21.5}}, kRungWire, 0},
                      // The arrow across the resistor, whatever the setting.
                      DiagramCase{kVar05, {{15.5, 21.5}}, kArrow, 0}, DiagramCase{kVar12, {{15.5, 21.5}}, kArrow, 0}));
// clang-format on

class ResistorGlyphs : public ::testing::TestWithParam<GlyphCase> {};

// Each block's two caps: wall thickness and colour tell the kinds apart.
TEST_P(ResistorGlyphs, CapsOfEachBlock)
{
    Drawn dr(GetParam().circuit);
    dr.c.DrawBallModel(dr.Canvas());
    const auto fills = dr.rec.CallsOf("FillSolidRect");
    const int u = dr.painter.Grid().unit;
    for (const Glyph& g : GetParam().glyphs) {
        SCOPED_TRACE(testing::Message() << "(" << g.cx << ", " << g.cy << ")");
        for (double top : {g.cy - 1.5, g.cy + 1.5 - g.t}) {
            const std::vector<int> cap{dr.Px(g.cx - 1.5), dr.Py(top), 3 * u,  static_cast<int>(u * g.t),
                                       g.cap.r,           g.cap.g,    g.cap.b};
            EXPECT_EQ(std::count_if(fills.begin(), fills.end(), [&](const CDrawCall& f) { return f.args == cap; }), 1);
        }
    }
    EXPECT_EQ(dr.rec.CurrentPen(), CPen{});
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, ResistorGlyphs,
    ::testing::Values(
        GlyphCase{kBulbRes, {{9.5, 21.5, 1, kBulbCap}, {15.5, 21.5, 1.15, kResistorCap}}},
        GlyphCase{kOneRes, {{9.5, 21.5, 1, kBulbCap}, {15.5, 21.5, 1.15, kResistorCap}, {12.5, 14.5, 1, kBulbCap}}},
        GlyphCase{kVar05, {{9.5, 21.5, 1, kBulbCap}, {15.5, 21.5, 0.5, kVariableCap}}},
        GlyphCase{kVar12, {{9.5, 21.5, 1, kBulbCap}, {15.5, 21.5, 1.2, kVariableCap}}},
        GlyphCase{kTwoSeries, {{9.5, 21.5, 1.15, kResistorCap}, {15.5, 21.5, 1.15, kResistorCap}}},
        GlyphCase{kTwoParallel, {{12.5, 21.5, 1.15, kResistorCap}, {12.5, 14.5, 1.15, kResistorCap}}},
        GlyphCase{kUnequalSeries, {{9.5, 21.5, 1.15, kResistorCap}, {15.5, 21.5, 0.9, kLowCap}}},
        GlyphCase{kUnequalParallel, {{12.5, 21.5, 1.15, kResistorCap}, {12.5, 14.5, 0.9, kLowCap}}}));

// --- a long run: less current through the narrowed band ---

namespace {

// Net charge through the supply over a run, every electron kept on the grid.
double RunNet(CCircuit& c, int ticks)
{
    double net = 0;
    for (int tick = 1; tick <= ticks; ++tick) {
        c.Step();
        net += c.TakeSupplyCount();
        if (tick % 100 != 0)
            continue;
        for (const CElectron& e : c.Electrons()) {
            EXPECT_TRUE(std::isfinite(e.m_vx) && std::isfinite(e.m_vy)) << "tick " << tick;
            EXPECT_TRUE(e.m_x >= 2 && e.m_x <= 23 && e.m_y >= 2 && e.m_y <= 23)
                << "tick " << tick << " at (" << e.m_x << ", " << e.m_y << ")";
        }
    }
    return net;
}

}   // namespace

TEST(VariableResistorRun, LessCurrentWithTheBandNarrowed)
{
    double net[2];
    for (int i = 0; i < 2; ++i) {
        RestartProgramState();
        auto c = VariableAt(i == 0 ? 0 : 14);
        c->SetCells(2);
        net[i] = RunNet(*c, 2000);
    }
    EXPECT_GT(net[0], net[1]);
    EXPECT_GT(net[1], 0);
}
