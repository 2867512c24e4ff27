#pragma once

// Table-driven checks shared by the tests of the bulb and switch circuits.
// Every case names its circuit through a factory that also hands out the
// circuit's glow lists, in number order.

#include "core/draw/RecordingSurface.h"
#include "core/render/CircuitPainter.h"
#include "core/render/GridCanvas.h"
#include "core/sim/Circuit.h"
#include "core/sim/Random.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

struct CircuitUnderTest {
    std::unique_ptr<CCircuit> circuit;
    std::vector<const CGlowList*> glows;

    std::vector<std::size_t> GlowSizes() const
    {
        std::vector<std::size_t> sizes;
        for (const CGlowList* g : glows)
            sizes.push_back(g->Size());
        return sizes;
    }
};

template <class C>
CircuitUnderTest Make()
{
    auto c = std::make_unique<C>();
    // Circuits without bulbs have no glow lists.
    std::vector<const CGlowList*> glows;
    if constexpr (requires { c->Glow1(); })
        glows.push_back(&c->Glow1());
    if constexpr (requires { c->Glow2(); })
        glows.push_back(&c->Glow2());
    if constexpr (requires { c->Glow3(); })
        glows.push_back(&c->Glow3());
    return {std::move(c), std::move(glows)};
}

struct NamedFactory {
    const char* name;
    CircuitUnderTest (*make)();
};

// Every case prints as its circuit and, where it has one, its name.
template <class Case>
requires requires(const Case& c)
{
    c.circuit.name;
}
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.circuit.name;
    if constexpr (requires { c.name; })
        *os << ": " << c.name;
}

constexpr double kPushSteady = 0.000015;   // push constant, "Vary Mean Speed" off
constexpr double kPushVary = 0.00001;

inline std::uint32_t StateAfterDraws(int n)
{
    std::uint32_t s = 1;
    for (int i = 0; i < n; ++i)
        s = s * 214013u + 2531011u;
    return s;
}

// Polarity first, then the count, as the controls bar does.
inline void Configure(CCircuit& c, int cells, bool reversed, bool vary)
{
    if (reversed != c.IsReversed())
        c.SwitchPolarity();
    if (vary != c.GetVaryMeanSpeed())
        c.ToggleVaryMeanSpeed();
    c.SetCells(cells);
}

inline CElectron MoveOnce(CCircuit& c, double x, double y, double vx, double vy, bool half1 = false, bool half2 = false)
{
    CElectron e(x, y, vx, vy);
    e.m_bHalf1 = half1;
    e.m_bHalf2 = half2;
    c.MoveElectron(e);
    return e;
}

// --- regions: with the switch closed, and with it open ---

struct RegionCase {
    double x, y;
    CircuitRegion closed;
    CircuitRegion open = closed;
};

inline void CheckRegions(const NamedFactory& f, const std::vector<RegionCase>& cases)
{
    CircuitUnderTest closed = f.make();
    CircuitUnderTest open = f.make();
    open.circuit->SetSwitchOpen(true);
    for (const RegionCase& c : cases) {
        EXPECT_EQ(closed.circuit->Classify(c.x, c.y), c.closed) << "(" << c.x << ", " << c.y << ") closed";
        EXPECT_EQ(open.circuit->Classify(c.x, c.y), c.open) << "(" << c.x << ", " << c.y << ") open";
    }
}

// --- one sub-step from a given state, one cell ---

struct MoveCase {
    const char* name;
    NamedFactory circuit;
    bool open;
    double x, y, vx, vy;
    double endX, endY, endVx, endVy;
    int draws = 0;   // values taken from the random generator
};

inline void CheckMove(const MoveCase& c)
{
    RestartProgramState();
    CircuitUnderTest t = c.circuit.make();
    t.circuit->SetSwitchOpen(c.open);
    const CElectron e = MoveOnce(*t.circuit, c.x, c.y, c.vx, c.vy);
    EXPECT_NEAR(e.m_x, c.endX, 1e-12);
    EXPECT_NEAR(e.m_y, c.endY, 1e-12);
    EXPECT_DOUBLE_EQ(e.m_vx, c.endVx);
    EXPECT_DOUBLE_EQ(e.m_vy, c.endVy);
    EXPECT_EQ(LoneRandom().State(), StateAfterDraws(c.draws));
}

// --- releases: one electron landing on release lines in turn ---

struct Visit {
    double x, y;
    bool half1, half2;   // its halves afterwards
    int list;   // the glow list that gets an arc (1-based), 0 for none
};

struct ReleaseCase {
    const char* name;
    NamedFactory circuit;
    int cells;
    bool reversed, vary, open;
    bool half1, half2;   // on arrival at the first line
    bool slows;   // a release cuts the speed to a tenth
    std::vector<Visit> visits;
};

// Puts e one step before (x, y), moving along the wire at vx with a little
// drift down, uncharged by any glow, so its next move lands on the point.
inline void PlaceArriving(CElectron& e, double x, double y, double vx)
{
    e.m_x = x - vx;
    e.m_y = y - 0.01;
    e.m_vx = vx;
    e.m_vy = 0.01;
    e.m_nGlow = 0;
}

inline void CheckRelease(const ReleaseCase& c)
{
    CircuitUnderTest t = c.circuit.make();
    Configure(*t.circuit, c.cells, c.reversed, c.vary);
    t.circuit->SetSwitchOpen(c.open);
    CElectron e(0, 0, 0, 0);
    e.m_bHalf1 = c.half1;
    e.m_bHalf2 = c.half2;
    std::vector<std::size_t> sizes(t.glows.size(), 0);
    // Along the wire the way the supply drives: left at V > 0, right at V < 0.
    const double vx = c.reversed ? 0.05 : -0.05;
    for (const Visit& v : c.visits) {
        SCOPED_TRACE(testing::Message() << "at (" << v.x << ", " << v.y << ")");
        PlaceArriving(e, v.x, v.y, vx);
        t.circuit->MoveElectron(e);
        if (v.list != 0)
            ++sizes[static_cast<std::size_t>(v.list - 1)];
        const double f = v.list != 0 && c.slows ? 0.1 : 1.0;
        EXPECT_EQ(e.m_bHalf1, v.half1);
        EXPECT_EQ(e.m_bHalf2, v.half2);
        EXPECT_EQ(e.m_nGlow, v.list != 0 ? -10 : 0);
        EXPECT_DOUBLE_EQ(e.m_vx, vx * f);
        EXPECT_DOUBLE_EQ(e.m_vy, 0.01 * f);
        EXPECT_EQ(t.GlowSizes(), sizes);
    }
}

// --- the funnel between the bottom bulbs ---

struct FunnelCase {
    NamedFactory circuit;
    bool open;
    bool acts;
    // Probe heights, inside the conduction bands of the blocks beside the funnel.
    double nearY = 21.3, farY = 21.7;
};

// A still electron in the narrow band just inside and outside the funnel's
// x range (11 < x < 14), with and without cells: only vy shows the funnel.
inline void CheckFunnel(const FunnelCase& c)
{
    for (int cells : {0, 2})
        for (bool vary : {false, true}) {
            CircuitUnderTest t = c.circuit.make();
            Configure(*t.circuit, cells, false, vary);
            t.circuit->SetSwitchOpen(c.open);
            const double k = vary ? kPushVary : kPushSteady;
            for (double x : {10.99, 11.01, 13.99, 14.01})
                for (double y : {c.nearY, c.farY}) {
                    ASSERT_EQ(t.circuit->Classify(x, y), RegionWire);
                    const double expected = c.acts && x > 11 && x < 14 ? 10 * k * (21.5 - y) : 0.0;
                    EXPECT_NEAR(MoveOnce(*t.circuit, x, y, 0, 0).m_vy, expected, 1e-12)
                        << "(" << x << ", " << y << ") cells " << cells << (vary ? " vary" : "");
                }
        }
}

// --- the push rows, with two cells ---

struct PushCase {
    NamedFactory circuit;
    double x, y;
    bool reversed;
    int dirX, dirY;   // direction of the push, in units of |V| k
};

inline void CheckPush(const PushCase& c)
{
    CircuitUnderTest t = c.circuit.make();
    Configure(*t.circuit, 2, c.reversed, false);
    const CElectron e = MoveOnce(*t.circuit, c.x, c.y, 0, 0);
    EXPECT_NEAR(e.m_vx, c.dirX * 3.0 * kPushSteady, 1e-15) << "(" << c.x << ", " << c.y << ")";
    EXPECT_NEAR(e.m_vy, c.dirY * 3.0 * kPushSteady, 1e-15) << "(" << c.x << ", " << c.y << ")";
}

// --- glow arcs ---

struct GlowCase {
    NamedFactory circuit;
    Visit release;   // a charged electron released here adds the arc
    double cx, cy;   // the arc's centre
    double sx, sy, ex, ey;   // the points its radials run through
    bool dim;
};

// For 1, 2 and 3 cells: one arc over the right bulb with the pen of its
// kind (dim 2/4/6, bright 4/6/8 pixels wide).
inline void CheckGlow(const GlowCase& c)
{
    for (int cells : {1, 2, 3}) {
        SCOPED_TRACE(testing::Message() << "cells " << cells);
        CircuitUnderTest t = c.circuit.make();
        CCircuit& circuit = *t.circuit;
        circuit.SetCells(cells);
        CRecordingSurface rec(600, 400);
        CCircuitPainter painter;
        painter.Layout(circuit, rec, CRect{0, 0, 600, 400});
        MoveOnce(circuit, c.release.x + 0.05, c.release.y, -0.05, 0, true, true);
        ASSERT_EQ(t.glows[static_cast<std::size_t>(c.release.list - 1)]->Size(), 1u);
        rec.Clear();
        painter.DrawGlow(circuit, rec);
        const auto arcs = rec.CallsOf("Arc");
        ASSERT_EQ(arcs.size(), 1u);
        const CGridLayout& g = painter.Grid();
        const auto px = [&](double x) { return static_cast<int>(g.offsetX + g.unit * x); };
        const auto py = [&](double y) { return static_cast<int>(g.offsetY + g.unit * y); };
        const std::vector<int>& a = arcs[0].args;
        EXPECT_EQ((a[0] + a[2]) / 2, px(c.cx));
        EXPECT_EQ((a[1] + a[3]) / 2, py(c.cy));
        EXPECT_EQ(std::vector<int>(a.begin() + 4, a.end()), (std::vector<int>{px(c.sx), py(c.sy), px(c.ex), py(c.ey)}));
        // The pen in effect at the arc: the last one selected before it.
        int width = 0;
        for (const CDrawCall& call : rec.Calls()) {
            if (call.strOp == "Arc")
                break;
            if (call.strOp == "SelectPen")
                width = call.args[0];
        }
        EXPECT_EQ(width, 2 * cells + (c.dim ? 0 : 2));
    }
}

// --- identity, labels, the switch controls and the energy rule ---

struct IdentityCase {
    NamedFactory circuit;
    const char* title;
    int picture;
    bool twoRelease;
    bool hasSwitch;
    std::vector<CComponentLabel> labels;
};

inline void CheckIdentity(const IdentityCase& c)
{
    RestartProgramState();
    CircuitUnderTest t = c.circuit.make();
    CCircuit& circuit = *t.circuit;
    EXPECT_EQ(circuit.GetName(), c.title);
    EXPECT_EQ(circuit.PictureBitmapId(), c.picture);

    // Only a switch circuit takes the switch, and must then redraw.
    EXPECT_FALSE(circuit.IsSwitchOpen());
    circuit.SetSwitchOpen(true);
    EXPECT_EQ(circuit.IsSwitchOpen(), c.hasSwitch);
    EXPECT_EQ(circuit.LayoutVersion() != 0, c.hasSwitch);

    circuit.BuildLabels();
    EXPECT_FALSE(circuit.IsSwitchOpen());
    EXPECT_EQ(circuit.Electrons().size(), 50u);
    ASSERT_EQ(circuit.Labels().size(), c.labels.size());
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
        EXPECT_EQ(circuit.Labels()[i].m_strName, c.labels[i].m_strName) << i;
        EXPECT_EQ(circuit.Labels()[i].m_rcGrid, c.labels[i].m_rcGrid) << i;
    }

    // One-release: 2|n| for the first half alone; two-release: |n| per half.
    for (int cells : {3, -2, 0}) {
        Configure(circuit, std::abs(cells), cells < 0, false);
        const int n = std::abs(cells);
        for (bool h1 : {false, true})
            for (bool h2 : {false, true}) {
                CElectron e(8, 3.5, 0, 0);
                e.m_bHalf1 = h1;
                e.m_bHalf2 = h2;
                EXPECT_EQ(circuit.EnergyLevel(e), c.twoRelease ? n * (h1 + h2) : 2 * n * h1)
                    << "cells " << cells << " halves " << h1 << h2;
            }
    }
}

// --- region probes that several circuits share ---

namespace region_probes {

inline constexpr CircuitRegion W = RegionWire;
inline constexpr CircuitRegion X = RegionWall;
inline constexpr CircuitRegion S = RegionSupply;
inline constexpr CircuitRegion R = RegionRelease;
inline constexpr CircuitRegion G = RegionSwitchGap;

// The single hole of the circuits without a rung.
inline const std::vector<RegionCase> kSingleHole{{4.75, 12, W}, {4.76, 12, X}, {4.76, 14.5, X}, {6, 13.25, X},
                                                 {6, 15.75, X}, {6, 20.24, X}, {6, 20.25, W},   {12.5, 14.5, X}};

// The rung: holes up to 13.25 and from 15.75, its bulb from 10.75 to 14.25
// narrowing it to 14.25..14.75, its release line 12.25..12.75; the supply.
inline const std::vector<RegionCase> kRung{
    {6, 13.24, X},    {6, 13.25, W},    {6, 15.75, W},    {6, 15.76, X},    {6, 4.75, W},     {6, 4.76, X},
    {6, 20.24, X},    {6, 20.25, W},    {4.75, 12, W},    {4.76, 12, X},    {4.76, 14.5, W},  {20.24, 14.5, W},
    {20.24, 17, X},   {20.25, 17, W},   {10.75, 13.5, W}, {10.76, 13.5, X}, {14.24, 13.5, X}, {14.25, 13.5, W},
    {10.76, 15.5, X}, {14.25, 15.5, W}, {11.5, 14.24, X}, {11.5, 14.25, W}, {11.5, 14.75, W}, {11.5, 14.76, X},
    {12.25, 14.5, W}, {12.26, 14.5, R}, {12.74, 14.5, R}, {12.75, 14.5, W}, {12.5, 14.2, X},  {12.5, 3.5, S}};

// A bulb on the bottom wire from 7.75 to 11.25 narrowing it to 21.25..21.75,
// release line 9.25..9.75; none in the middle; the supply's ends.
// clang-format off
inline const std::vector<RegionCase> kLeftBulb{
    {7.75, 20.5, W}, {7.76, 20.5, X}, {11.24, 20.5, X}, {11.25, 20.5, W}, {7.75, 22.5, W},  {11.24, 22.5, X},
    {11.25, 22.5, W}, {8.5, 21.24, X}, {8.5, 21.25, W},  {8.5, 21.75, W},  {8.5, 21.76, X},  {9.25, 21.5, W},
    {9.26, 21.5, R}, {9.74, 21.5, R}, {9.75, 21.5, W},  {9.5, 20.5, X},   {12.5, 21.5, W},  {12.5, 3.5, S},
    {12, 3.5, W},    {13, 3.5, W}};
// clang-format on

// A bulb in the middle of the bottom wire, 10.75 to 14.25, release line 12.25..12.75.
// clang-format off
inline const std::vector<RegionCase> kCentreBulb{
    {10.75, 20.5, W}, {10.76, 20.5, X}, {14.24, 20.5, X}, {14.25, 20.5, W}, {11.5, 21.24, X}, {11.5, 21.25, W},
    {11.5, 21.75, W}, {11.5, 21.76, X}, {14.24, 22.5, X}, {14.25, 22.5, W}, {12.25, 21.5, W}, {12.26, 21.5, R},
    {12.74, 21.5, R}, {12.75, 21.5, W}, {9.5, 21.5, W},   {15.5, 21.5, W}};
// clang-format on

}   // namespace region_probes
