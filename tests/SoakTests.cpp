// A long run of every circuit under a seeded random stream of every command,
// with the state checked after each tick: what a classroom projector goes
// through in an afternoon of students clicking anything.
#include "core/circuits/BulbResistorCircuit.h"
#include "core/circuits/BulbSwitchCircuit.h"
#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/circuits/ParallelBulbsBothSwitchedCircuit.h"
#include "core/circuits/ParallelBulbsOneResistorCircuit.h"
#include "core/circuits/ParallelBulbsOneSwitchedCircuit.h"
#include "core/circuits/SingleBulbCircuit.h"
#include "core/circuits/ThreeBulbsCircuit.h"
#include "core/circuits/TwoBulbsParallelCircuit.h"
#include "core/circuits/TwoBulbsSeriesCircuit.h"
#include "core/circuits/TwoResistorsParallelCircuit.h"
#include "core/circuits/TwoResistorsSeriesCircuit.h"
#include "core/circuits/UnequalResistorsParallelCircuit.h"
#include "core/circuits/UnequalResistorsSeriesCircuit.h"
#include "core/lesson/CurrentMeter.h"
#include "core/document/TarrowinDoc.h"
#include "platform/RasterSurface.h"
#include "core/res/CommandIds.h"
#include "tests/TestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <iterator>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Ticks the circuit under soak is current for, the random commands sending
// it away to others in between; TARROWIN_SOAK_TICKS shortens the run for
// slow (sanitizer) builds or lengthens it for a night run.
long long SoakTicks()
{
#if defined(__SANITIZE_ADDRESS__)
    // About five times slower under AddressSanitizer.
    constexpr long long kDefault = 15000;
#else
    constexpr long long kDefault = 40000;
#endif
    const char* text = std::getenv("TARROWIN_SOAK_TICKS");
    if (text == nullptr || *text == '\0')
        return kDefault;
    char* end = nullptr;
    const long long n = std::strtoll(text, &end, 10);
    return *end == '\0' && n > 0 ? n : kDefault;
}

template <class C>
void AddGlowLists(const CCircuit* circuit, std::vector<const CGlowList*>& out)
{
    const C* c = dynamic_cast<const C*>(circuit);
    if (c == nullptr)
        return;
    if constexpr (requires { c->Glow(); })
        out.push_back(&c->Glow());
    if constexpr (requires { c->Glow1(); })
        out.push_back(&c->Glow1());
    if constexpr (requires { c->Glow2(); })
        out.push_back(&c->Glow2());
    if constexpr (requires { c->Glow3(); })
        out.push_back(&c->Glow3());
}

// The glow lists of a circuit, one per bulb.
std::vector<const CGlowList*> GlowListsOf(const CCircuit* c)
{
    std::vector<const CGlowList*> lists;
    AddGlowLists<CSingleBulbCircuit>(c, lists);
    AddGlowLists<CTwoBulbsSeriesCircuit>(c, lists);
    AddGlowLists<CTwoBulbsParallelCircuit>(c, lists);
    AddGlowLists<CThreeBulbsCircuit>(c, lists);
    AddGlowLists<CBulbSwitchCircuit>(c, lists);
    AddGlowLists<CParallelBulbsOneSwitchedCircuit>(c, lists);
    AddGlowLists<CParallelBulbsBothSwitchedCircuit>(c, lists);
    AddGlowLists<CBulbResistorCircuit>(c, lists);
    AddGlowLists<CParallelBulbsOneResistorCircuit>(c, lists);
    AddGlowLists<CBulbVariableResistorCircuit>(c, lists);
    AddGlowLists<CTwoResistorsSeriesCircuit>(c, lists);
    AddGlowLists<CTwoResistorsParallelCircuit>(c, lists);
    AddGlowLists<CUnequalResistorsSeriesCircuit>(c, lists);
    AddGlowLists<CUnequalResistorsParallelCircuit>(c, lists);
    return lists;
}

// Bulbs per circuit in menu order: the glow check must see every list.
constexpr int kBulbs[] = {1, 2, 2, 3, 1, 2, 2, 1, 2, 1, 0, 0, 0, 0};

// Client areas the frames are drawn at, down to nothing at all.
constexpr int kSizes[][2] = {{160, 120}, {120, 90}, {203, 111}, {77, 140}, {26, 40}, {25, 25}, {7, 5}, {1, 1}, {0, 0}};

// The controls, named for the failure history; clicked far more often than
// circuits are changed (id 0 stands for a circuit).
// clang-format off
const std::pair<int, const char*> kCommands[] = {
    {CmdId::Cells0, "cells 0"},        {CmdId::Cells1, "cells 1"},          {CmdId::Cells2, "cells 2"},
    {CmdId::Cells3, "cells 3"},        {CmdId::SwitchPolarity, "polarity"}, {CmdId::SwitchOn, "switch on"},
    {CmdId::SwitchOff, "switch off"},  {CmdId::SwitchOn, "switch on"},      {CmdId::ResistanceDown, "-"},
    {CmdId::ResistanceUp, "+"},        {CmdId::TagElectron, "tag"},         {CmdId::ShowLabels, "labels"},
    {CmdId::VaryMeanSpeed, "vary"},    {CmdId::Pulsate, "pulsate"},         {CmdId::DisplayBallModel, "ball model"},
    {CmdId::DisplayBallModel, "ball model"}, {CmdId::DisplayDiagram, "diagram"}, {CmdId::DisplayPicture, "picture"},
    {0, "circuit"}};
// clang-format on

struct SoakFigures {
    long long ticks = 0;
    long long ticksHome = 0;
    long long commands = 0;
    long long frames = 0;
    long long layouts = 0;
    std::size_t mostArcs = 0;
    double minCoord = 25.0;
    double maxCoord = 0.0;
};

class Soak {
public:
    Soak(int position, unsigned seed) : m_rng(seed), m_nHome(position)
    {
        RestartProgramState();
        m_pHome = m_doc.CircuitAt(position);
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
            m_circuitIds.push_back(entry.nCommandId);
            if (m_doc.CircuitForCommand(entry.nCommandId) == m_pHome)
                m_nHomeId = entry.nCommandId;
        }
        // The soak starts on its circuit, as if the user had chosen it.
        m_doc.OnCommand(m_nHomeId);
    }

    CCircuit* Home() const { return m_pHome; }
    int HomeId() const { return m_nHomeId; }
    const SoakFigures& Figures() const { return m_figures; }

    // The commands and frames behind a failure, to reproduce it.
    std::string History() const
    {
        std::ostringstream os;
        os << "circuit " << m_nHome << ", tick " << m_figures.ticks << ", last commands:";
        for (const std::string& h : m_history)
            os << " [" << h << "]";
        return os.str();
    }

    testing::AssertionResult Tick()
    {
        // Stretches of wild clicking alternate with the class watching.
        if (m_nMoodLeft-- == 0) {
            m_bBusy = !m_bBusy;
            m_nMoodLeft = std::uniform_int_distribution<int>(100, 5000)(m_rng);
        }
        if (std::uniform_int_distribution<int>(0, m_bBusy ? 9 : 2999)(m_rng) == 0) {
            const int burst = std::uniform_int_distribution<int>(1, 4)(m_rng);
            for (int i = 0; i < burst; ++i)
                if (auto r = RandomCommand(); !r)
                    return r;
        }
        ChooseFrames();

        m_doc.StepCircuit();
        m_doc.AdvanceAnimation();
        ++m_figures.ticks;
        if (m_doc.GetCurrentCircuit() == m_pHome)
            ++m_figures.ticksHome;
        if (m_nFramesLeft > 0) {
            --m_nFramesLeft;
            if (m_bLayoutDue) {
                CRasterSurface surface(m_image);
                m_doc.LayoutCircuit(surface, CRect{0, 0, m_image.width(), m_image.height()});
                m_bLayoutDue = false;
                ++m_figures.layouts;
            }
            CRasterSurface surface(m_image);
            m_doc.DrawCircuit(surface);
            ++m_figures.frames;
        }
        m_meter.AddTick(m_doc.GetCurrentCircuit()->TakeSupplyCount());
        return CheckCircuit(*m_doc.GetCurrentCircuit());
    }

    testing::AssertionResult CheckCircuit(const CCircuit& c)
    {
        const std::vector<CElectron>& electrons = c.Electrons();
        if (electrons.size() != static_cast<std::size_t>(CCircuit::kElectronCount))
            return testing::AssertionFailure() << electrons.size() << " electrons; " << History();
        for (std::size_t i = 0; i < electrons.size(); ++i) {
            const CElectron& e = electrons[i];
            if (!std::isfinite(e.m_x) || !std::isfinite(e.m_y) || !std::isfinite(e.m_vx) || !std::isfinite(e.m_vy))
                return testing::AssertionFailure() << "electron " << i << " not finite: (" << e.m_x << ", " << e.m_y
                                                   << ") v (" << e.m_vx << ", " << e.m_vy << "); " << History();
            // The wire's outer edge, 2 to 23, lies inside the 25 x 25 square.
            if (e.m_x < 2 || e.m_x > 23 || e.m_y < 2 || e.m_y > 23)
                return testing::AssertionFailure()
                       << "electron " << i << " off the wire at (" << e.m_x << ", " << e.m_y << "); " << History();
            if (e.m_nGlow < -CCircuit::kGlowLevels || e.m_nGlow > CCircuit::kGlowLevels)
                return testing::AssertionFailure() << "electron " << i << " glow " << e.m_nGlow << "; " << History();
            m_figures.minCoord = std::min({m_figures.minCoord, e.m_x, e.m_y});
            m_figures.maxCoord = std::max({m_figures.maxCoord, e.m_x, e.m_y});
        }
        if (const CElectron* tagged = c.GetTagged();
            tagged != nullptr && (tagged < electrons.data() || tagged >= electrons.data() + electrons.size()))
            return testing::AssertionFailure() << "the tag points outside the circuit's electrons; " << History();
        for (const CGlowList* glow : GlowListsOf(&c)) {
            if (glow->Size() > CGlowList::kMaxArcs)
                return testing::AssertionFailure() << glow->Size() << " glow arcs; " << History();
            if (&c == m_pHome)
                m_figures.mostArcs = std::max(m_figures.mostArcs, glow->Size());
        }
        return testing::AssertionSuccess();
    }

    // The user's last word on the home circuit: one cell, normal polarity,
    // switch closed; every other setting stays as the soak left it.
    void SetUpToConduct()
    {
        m_doc.OnCommand(m_nHomeId);
        if (m_pHome->IsReversed())
            m_doc.OnCommand(CmdId::SwitchPolarity);
        m_doc.OnCommand(CmdId::Cells1);
        m_doc.OnCommand(CmdId::SwitchOn);
    }

    CTarrowinDoc& Doc() { return m_doc; }
    CCurrentMeter& Meter() { return m_meter; }

private:
    testing::AssertionResult RandomCommand()
    {
        auto pickCommand = std::uniform_int_distribution<std::size_t>(0, std::size(kCommands) - 1);
        const auto& [drawn, name] = kCommands[pickCommand(m_rng)];
        int id = drawn;
        if (id == 0) {
            // Half the changes go back to the circuit under soak.
            const auto pick = std::uniform_int_distribution<std::size_t>(0, 2 * m_circuitIds.size() - 1)(m_rng);
            id = pick < m_circuitIds.size() ? m_circuitIds[pick] : m_nHomeId;
        }
        CCircuit* before = m_doc.GetCurrentCircuit();
        const DisplayMode mode = before->GetDisplayMode();
        const bool labels = before->GetShowLabels();
        if (!m_doc.OnCommand(id))
            return testing::AssertionFailure() << "command " << id << " refused; " << History();
        ++m_figures.commands;
        const CCircuit* chosen = m_doc.CircuitForCommand(id);
        m_history.push_back(chosen == nullptr ? name : chosen->GetName());
        if (m_history.size() > 12)
            m_history.pop_front();

        const CCircuit* now = m_doc.GetCurrentCircuit();
        if (now != before) {
            // The view lays a newly chosen circuit out on its next tick.
            m_bLayoutDue = true;
            if (now->GetDisplayMode() != mode || now->GetShowLabels() != labels)
                return testing::AssertionFailure() << "display or labels not carried over; " << History();
        }
        for (int circuitId : m_circuitIds)
            if (m_doc.IsCommandChecked(circuitId) != (m_doc.CircuitForCommand(circuitId) == now))
                return testing::AssertionFailure() << "circuit item " << circuitId << " checked wrongly; " << History();
        const int cells = now->GetCells();
        if (cells < -3 || cells > 3 || now->GetVoltage() != 1.5 * cells || (cells < 0 && !now->IsReversed()) ||
            (cells > 0 && now->IsReversed()))
            return testing::AssertionFailure()
                   << "cells " << cells << " voltage " << now->GetVoltage() << "; " << History();
        const double wall = m_doc.VariableResistorCircuit().GetResistorWall();
        if (wall < 0.5 - 1e-12 || wall > 1.2 + 1e-12)
            return testing::AssertionFailure() << "variable resistor wall " << wall << "; " << History();
        return testing::AssertionSuccess();
    }

    // The window is shown in stretches and hidden or covered in between; a
    // stretch may come at another size.
    void ChooseFrames()
    {
        if (m_nFramesLeft > 0 || std::uniform_int_distribution<int>(0, 1499)(m_rng) != 0)
            return;
        m_nFramesLeft = std::uniform_int_distribution<int>(1, 2000)(m_rng);
        const auto& size = kSizes[std::uniform_int_distribution<std::size_t>(0, std::size(kSizes) - 1)(m_rng)];
        if (m_image.width() != size[0] || m_image.height() != size[1] || m_image.isNull()) {
            m_image = QImage(size[0], size[1], QImage::Format_RGB32);
            m_image.fill(Qt::gray);
            m_bLayoutDue = true;
        }
    }

    std::mt19937 m_rng;
    int m_nHome;
    // The program's fresh state before the document draws its electrons too,
    // so that a soak runs the same whatever ran before it in the process.
    bool m_bFresh = (RestartProgramState(), true);
    CTarrowinDoc m_doc;
    CCircuit* m_pHome = nullptr;
    int m_nHomeId = 0;
    std::vector<int> m_circuitIds;
    std::deque<std::string> m_history;
    CCurrentMeter m_meter;
    QImage m_image;
    int m_nFramesLeft = 0;
    bool m_bBusy = false;
    int m_nMoodLeft = 0;
    bool m_bLayoutDue = true;
    SoakFigures m_figures;
};

class SoakTest : public testing::TestWithParam<int> {};

// Every command in random order for a long run: after each tick the
// electrons are 50, finite and on the wire (so inside the 25 x 25 square),
// the tag is one of them and the glow lists within their bound; at the end
// the circuit still conducts.
TEST_P(SoakTest, EveryTickStaysSaneAndTheCircuitStillConducts)
{
    const int position = GetParam();
    const long long ticks = SoakTicks();
    Soak soak(position, 20240 + static_cast<unsigned>(position));
    ASSERT_NE(soak.Home(), nullptr);
    const std::string name = soak.Home()->GetName();

    while (soak.Figures().ticksHome < ticks)
        ASSERT_TRUE(soak.Tick());
    for (const auto& circuit : soak.Doc().Circuits())
        ASSERT_TRUE(soak.CheckCircuit(*circuit)) << circuit->GetName();
    EXPECT_GT(soak.Figures().frames, 0);

    // Left running unseen with three cells: the glow lists fill to their
    // bound and must stay there (a bulb behind a resistor fills its list in
    // about two minutes).
    soak.Doc().OnCommand(soak.HomeId());
    soak.Doc().OnCommand(CmdId::DisplayBallModel);
    soak.Doc().OnCommand(CmdId::Cells3);
    soak.Doc().OnCommand(CmdId::SwitchOn);
    constexpr int kUnseenTicks = 9000;
    for (int i = 0; i < kUnseenTicks; ++i) {
        soak.Doc().StepCircuit();
        soak.Meter().AddTick(soak.Home()->TakeSupplyCount());
        ASSERT_TRUE(soak.CheckCircuit(*soak.Home()));
    }
    ASSERT_LT(static_cast<std::size_t>(position - 1), std::size(kBulbs)) << "a circuit without its bulbs in kBulbs";
    EXPECT_EQ(GlowListsOf(soak.Home()).size(), static_cast<std::size_t>(kBulbs[position - 1]));
    if (kBulbs[position - 1] > 0) {
        EXPECT_EQ(soak.Figures().mostArcs, CGlowList::kMaxArcs);
    }

    soak.SetUpToConduct();
    double net = 0;
    double readings = 0;   // the needle's lean summed over the second half
    constexpr int kConductTicks = 4000;
    for (int i = 0; i < kConductTicks; ++i) {
        soak.Doc().StepCircuit();
        const double count = soak.Home()->TakeSupplyCount();
        net += count;
        if (soak.Meter().AddTick(count) && i >= kConductTicks / 2)
            readings += soak.Meter().LastReading();
        ASSERT_TRUE(soak.CheckCircuit(*soak.Home()));
    }
    EXPECT_GT(net, 0) << name << ": " << soak.History();
    EXPECT_GT(readings, 0) << name;

    const SoakFigures& f = soak.Figures();
    const long long ticksInAll = f.ticks + kUnseenTicks + kConductTicks;
    RecordProperty("ticks", std::to_string(ticksInAll));
    RecordProperty("commands", std::to_string(f.commands));
    RecordProperty("frames", std::to_string(f.frames));
    std::cout << "[soak] circuit " << position << " (" << name << "): " << ticksInAll << " ticks (" << f.ticksHome
              << " on it at random, " << kUnseenTicks << " unseen, " << kConductTicks << " conducting), " << f.commands
              << " commands, " << f.frames << " frames, " << f.layouts << " layouts, most glow arcs " << f.mostArcs
              << ", coordinates " << f.minCoord << " to " << f.maxCoord << ", net passages at the end " << net
              << ", mean reading " << readings / (kConductTicks / 2 / CCurrentMeter::kTicksPerReading) << std::endl;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllCircuits, SoakTest, testing::Range(1, static_cast<int>(CircuitCatalogue().size()) + 1),
                         [](const testing::TestParamInfo<int>& info) { return "Circuit" + std::to_string(info.param); });
// clang-format on

}
