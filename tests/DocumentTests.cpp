#include <gtest/gtest.h>

#include "core/circuits/SingleBulbCircuit.h"
#include "core/circuits/TwoBulbsSeriesCircuit.h"
#include "core/measurement/CircuitRates.h"
#include "core/lesson/CurrentMeter.h"
#include "core/lesson/TickPace.h"
#include "core/document/TarrowinDoc.h"
#include "core/draw/RecordingSurface.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/CommandIds.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A document built from a fresh program start.
class Document : public ::testing::Test {
protected:
    void SetUp() override
    {
        RestartProgramState();
        doc = std::make_unique<CTarrowinDoc>();
    }

    CCircuit& Current() { return *doc->GetCurrentCircuit(); }
    CCommandState State(int id) { return doc->CommandState(id).value_or(CCommandState{false, false}); }

    std::unique_ptr<CTarrowinDoc> doc;
};

std::vector<int> AllCircuitIds()
{
    std::vector<int> ids;
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        ids.push_back(entry.nCommandId);
    return ids;
}

}   // namespace

// --- construction ---

TEST_F(Document, StartsOnTheSingleBulbWithItsElectrons)
{
    CCircuit* current = doc->GetCurrentCircuit();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->GetName(), "Single Bulb");
    EXPECT_EQ(current->Electrons().size(), 50u);
    EXPECT_EQ(current->Labels().size(), 2u);
    EXPECT_EQ(doc->CircuitForCommand(CmdId::SingleBulb), current);
    EXPECT_EQ(doc->CircuitAt(1), current);
    EXPECT_EQ(doc->CircuitAt(0), nullptr);
    EXPECT_EQ(doc->CircuitAt(static_cast<int>(CircuitCatalogue().size()) + 1), nullptr);
    ASSERT_FALSE(doc->Circuits().empty());
    EXPECT_EQ(doc->Circuits().front().get(), current);
    EXPECT_FALSE(doc->IsSwitchCircuit(current));
}

TEST_F(Document, TitleIsTheCircuitName)
{
    EXPECT_EQ(doc->GetTitle(), "Single Bulb");
    doc->OnCommand(CmdId::ThreeBulbs);
    EXPECT_EQ(doc->GetTitle(), "Three Bulbs in Series and Parallel");
}

TEST(DocumentPlacement, FirstCircuitTakesTheFirstDraws)
{
    RestartProgramState();
    CTarrowinDoc doc;
    RestartProgramState();
    CSingleBulbCircuit alone;
    alone.ResetElectrons();
    const auto& a = doc.GetCurrentCircuit()->Electrons();
    const auto& b = alone.Electrons();
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].m_x, b[i].m_x);
        EXPECT_EQ(a[i].m_y, b[i].m_y);
        EXPECT_EQ(a[i].m_vx, b[i].m_vx);
        EXPECT_EQ(a[i].m_vy, b[i].m_vy);
    }
}

TEST(DocumentPlacement, EachCircuitTakesItsDrawsInTableOrder)
{
    // The second circuit's electrons are the draws that follow the first's.
    RestartProgramState();
    CTarrowinDoc doc;
    RestartProgramState();
    CSingleBulbCircuit first;
    first.ResetElectrons();
    CTwoBulbsSeriesCircuit second;
    second.ResetElectrons();
    const auto& a = doc.CircuitAt(2)->Electrons();
    const auto& b = second.Electrons();
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].m_x, b[i].m_x);
        EXPECT_EQ(a[i].m_y, b[i].m_y);
    }
}

TEST_F(Document, TableHoldsTheCircuitsInCatalogueOrder)
{
    const std::vector<std::string> names{"Single Bulb",
                                         "Two Bulbs in Series",
                                         "Two Bulbs in Parallel",
                                         "Three Bulbs in Series and Parallel",
                                         "Bulb and Switch in Series",
                                         "Two Bulbs in Parallel, One in Series with a Switch",
                                         "Two Bulbs in Parallel, Both in Series with a Switch",
                                         "Bulb and Resistor in Series",
                                         "Two Bulbs in Parallel, One in Series with a Resistor",
                                         "Bulb and Variable Resistor in Series",
                                         "Two Resistors in Series",
                                         "Two Resistors in Parallel",
                                         "Two Unequal Resistors in Series",
                                         "Two Unequal Resistors in Parallel"};
    ASSERT_EQ(doc->Circuits().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const CCircuit* circuit = doc->CircuitAt(static_cast<int>(i) + 1);
        ASSERT_NE(circuit, nullptr) << i;
        EXPECT_EQ(circuit->GetName(), names[i]);
        EXPECT_EQ(circuit, doc->CircuitForCommand(CircuitCatalogue()[i].nCommandId));
        // The switch circuits are told apart by which member they are.
        EXPECT_EQ(doc->IsSwitchCircuit(circuit), i >= 4 && i <= 6) << names[i];
        EXPECT_EQ(circuit->Electrons().size(), static_cast<std::size_t>(CCircuit::kElectronCount));
    }
}

TEST_F(Document, SwitchButtonsActOnTheCurrentSwitchCircuitOnly)
{
    EXPECT_FALSE(State(CmdId::SwitchOn).bEnabled);
    doc->OnCommand(CmdId::BulbSwitch);
    EXPECT_TRUE(State(CmdId::SwitchOn).bEnabled && State(CmdId::SwitchOn).bChecked);
    EXPECT_FALSE(State(CmdId::SwitchOff).bChecked);
    const int version = Current().LayoutVersion();
    doc->OnCommand(CmdId::SwitchOff);
    EXPECT_TRUE(Current().IsSwitchOpen());
    EXPECT_NE(Current().LayoutVersion(), version);

    doc->OnCommand(CmdId::ParallelBulbsBothSwitched);
    EXPECT_FALSE(Current().IsSwitchOpen());
    doc->OnCommand(CmdId::BulbSwitch);
    EXPECT_TRUE(State(CmdId::SwitchOff).bChecked);
    EXPECT_FALSE(State(CmdId::SwitchOn).bChecked);
    doc->OnCommand(CmdId::SwitchOn);
    EXPECT_FALSE(Current().IsSwitchOpen());
}

TEST_F(Document, AChosenCircuitIsDrawnAtTheSizeLaidOut)
{
    CRecordingSurface dc(300, 200);
    doc->LayoutCircuit(dc, CRect{0, 0, 300, 200});
    doc->OnCommand(CmdId::TwoResistorsSeries);
    dc.Clear();
    doc->DrawCircuit(dc);
    // Its own background, in place of the last one's, and its own title page.
    const auto backgrounds = dc.CallsOf("CreateCompatibleBitmap");
    ASSERT_FALSE(backgrounds.empty());
    EXPECT_EQ(backgrounds[0].args[0], 300);
    EXPECT_EQ(backgrounds[0].args[1], 200);
    const auto titles = dc.CallsOf("DrawTextFitted");
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].strText, Current().GetName());
}

TEST_F(Document, ACircuitChosenAgainResumesWithItsOwnSettings)
{
    doc->OnCommand(CmdId::TwoBulbsParallel);
    doc->OnCommand(CmdId::Cells3);
    for (int i = 0; i < 20; ++i)
        doc->StepCircuit();
    const std::vector<CElectron> before = Current().Electrons();

    doc->OnCommand(CmdId::SingleBulb);
    doc->OnCommand(CmdId::Cells0);
    doc->OnCommand(CmdId::DisplayDiagram);
    doc->OnCommand(CmdId::ShowLabels);
    doc->StepCircuit();

    doc->OnCommand(CmdId::TwoBulbsParallel);
    EXPECT_EQ(Current().GetCells(), 3);
    EXPECT_EQ(Current().GetDisplayMode(), DisplayMode::Diagram);
    EXPECT_TRUE(Current().GetShowLabels());
    ASSERT_EQ(Current().Electrons().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(Current().Electrons()[i].m_x, before[i].m_x) << i;
}

// --- controls bar commands ---

TEST_F(Document, CellsCommandsSetTheCount)
{
    const int ids[] = {CmdId::Cells0, CmdId::Cells3, CmdId::Cells2, CmdId::Cells1};
    const int counts[] = {0, 3, 2, 1};
    for (int i = 0; i < 4; ++i) {
        const int version = Current().LayoutVersion();
        EXPECT_TRUE(doc->OnCommand(ids[i]));
        EXPECT_EQ(Current().GetCells(), counts[i]);
        EXPECT_DOUBLE_EQ(Current().GetVoltage(), 1.5 * counts[i]);
        EXPECT_NE(Current().LayoutVersion(), version);
    }
}

TEST_F(Document, SwitchPolarityShowsTheSignedCount)
{
    EXPECT_TRUE(doc->OnCommand(CmdId::SwitchPolarity));
    EXPECT_TRUE(Current().IsReversed());
    EXPECT_EQ(Current().GetCells(), -1);
    std::vector<int> shown;
    for (int id : {CmdId::Cells2, CmdId::Cells0, CmdId::Cells3, CmdId::SwitchPolarity}) {
        doc->OnCommand(id);
        shown.push_back(Current().GetCells());
    }
    EXPECT_FALSE(Current().IsReversed());
    // Zero cells stay zero whatever the polarity.
    EXPECT_EQ(shown, (std::vector<int>{-2, 0, -3, 3}));
}

TEST_F(Document, DisplayCommandsSetTheMode)
{
    const int ids[] = {CmdId::DisplayPicture, CmdId::DisplayDiagram, CmdId::DisplayBallModel};
    const DisplayMode modes[] = {DisplayMode::Picture, DisplayMode::Diagram, DisplayMode::BallModel};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(doc->OnCommand(ids[i]));
        EXPECT_EQ(Current().GetDisplayMode(), modes[i]);
    }
    EXPECT_NE(Current().LayoutVersion(), 0);
}

TEST_F(Document, CheckBoxCommandsToggleTheirOption)
{
    EXPECT_TRUE(doc->OnCommand(CmdId::TagElectron));
    EXPECT_NE(Current().GetTagged(), nullptr);
    EXPECT_TRUE(doc->OnCommand(CmdId::TagElectron));
    EXPECT_EQ(Current().GetTagged(), nullptr);

    EXPECT_TRUE(doc->OnCommand(CmdId::VaryMeanSpeed));
    EXPECT_TRUE(Current().GetVaryMeanSpeed());
    EXPECT_TRUE(doc->OnCommand(CmdId::Pulsate));
    EXPECT_FALSE(Current().GetPulsate());
    EXPECT_EQ(Current().LayoutVersion(), 0);

    EXPECT_TRUE(doc->OnCommand(CmdId::ShowLabels));
    EXPECT_TRUE(Current().GetShowLabels());
    EXPECT_NE(Current().LayoutVersion(), 0);
    doc->OnCommand(CmdId::ShowLabels);
    doc->OnCommand(CmdId::VaryMeanSpeed);
    doc->OnCommand(CmdId::Pulsate);
    EXPECT_FALSE(Current().GetShowLabels());
    EXPECT_FALSE(Current().GetVaryMeanSpeed());
    EXPECT_TRUE(Current().GetPulsate());
}

TEST_F(Document, SwitchAndResistorButtonsLeaveTheSingleBulbAlone)
{
    EXPECT_TRUE(doc->OnCommand(CmdId::SwitchOff));
    EXPECT_FALSE(Current().IsSwitchOpen());
    EXPECT_TRUE(doc->OnCommand(CmdId::SwitchOn));
    doc->OnCommand(CmdId::ResistanceUp);
    doc->OnCommand(CmdId::ResistanceDown);
    EXPECT_FALSE(Current().IsSwitchOpen());
    EXPECT_EQ(Current().LayoutVersion(), 0);
    EXPECT_EQ(Current().GetCells(), 1);
    EXPECT_EQ(doc->GetCurrentCircuit()->GetName(), "Single Bulb");
}

TEST_F(Document, UnknownIdsAreNotHandled)
{
    for (int id : {0, -1, 1000, 1001, 1018, 1019, 1021, 32000, 32787 + 100}) {
        EXPECT_FALSE(doc->OnCommand(id)) << id;
        EXPECT_FALSE(doc->IsCommandChecked(id)) << id;
    }
    doc->TakeLayoutDue();
    EXPECT_FALSE(doc->TakeLayoutDue());
    EXPECT_EQ(Current().GetCells(), 1);
}

TEST_F(Document, CircuitsNotBuiltYetAreNotHandled)
{
    CCircuit* before = doc->GetCurrentCircuit();
    for (int id : AllCircuitIds()) {
        if (doc->CircuitForCommand(id) != nullptr)
            continue;
        EXPECT_FALSE(doc->OnCommand(id)) << id;
        EXPECT_FALSE(doc->IsCommandChecked(id)) << id;
    }
    EXPECT_EQ(doc->GetCurrentCircuit(), before);
}

// --- choosing a circuit ---

TEST_F(Document, ChoosingTheCurrentCircuitKeepsItsState)
{
    doc->OnCommand(CmdId::Cells3);
    doc->OnCommand(CmdId::DisplayDiagram);
    doc->OnCommand(CmdId::ShowLabels);
    doc->OnCommand(CmdId::TagElectron);
    for (int i = 0; i < 5; ++i)
        doc->StepCircuit();
    const std::vector<CElectron> before = Current().Electrons();
    const CElectron* tagged = Current().GetTagged();

    EXPECT_TRUE(doc->OnCommand(CmdId::SingleBulb));
    EXPECT_EQ(Current().GetName(), "Single Bulb");
    ASSERT_EQ(Current().Electrons().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(Current().Electrons()[i].m_x, before[i].m_x);
        EXPECT_EQ(Current().Electrons()[i].m_vy, before[i].m_vy);
    }
    EXPECT_EQ(Current().GetTagged(), tagged);
    EXPECT_EQ(Current().GetCells(), 3);
    EXPECT_EQ(Current().GetDisplayMode(), DisplayMode::Diagram);
    EXPECT_TRUE(Current().GetShowLabels());
    EXPECT_NE(Current().LayoutVersion(), 0);
    EXPECT_TRUE(doc->IsCommandChecked(CmdId::SingleBulb));
}

TEST_F(Document, ChoosingACircuitAsksForALayoutOnce)
{
    doc->TakeLayoutDue();
    EXPECT_TRUE(doc->OnCommand(CmdId::SingleBulb));
    EXPECT_TRUE(doc->TakeLayoutDue());
    EXPECT_FALSE(doc->TakeLayoutDue());
    EXPECT_FALSE(State(CmdId::SwitchOn).bEnabled || State(CmdId::ResistanceUp).bEnabled);
}

TEST_F(Document, OnlyTheCurrentCircuitIsChecked)
{
    for (int id : AllCircuitIds())
        EXPECT_EQ(doc->IsCommandChecked(id), id == CmdId::SingleBulb) << id;
    EXPECT_FALSE(doc->IsCommandChecked(CmdId::Cells1));
    EXPECT_FALSE(doc->IsCommandChecked(CmdId::DisplayBallModel));
}

TEST_F(Document, StepCircuitAdvancesTheCurrentCircuit)
{
    const std::vector<CElectron> before = Current().Electrons();
    doc->StepCircuit();
    doc->StepCircuit();
    EXPECT_EQ(Current().StepTickCounter(), 2);
    bool moved = false;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(Current().Electrons()[i].m_nPhase, 2);
        moved = moved || Current().Electrons()[i].m_x != before[i].m_x;
    }
    EXPECT_TRUE(moved);
}

TEST(DocumentAlone, RunsEveryCircuitCommand)
{
    RestartProgramState();
    CTarrowinDoc doc;
    EXPECT_EQ(doc.GetTitle(), "Single Bulb");
    for (int id : {CmdId::Cells2, CmdId::SwitchPolarity, CmdId::DisplayDiagram, CmdId::TagElectron, CmdId::ShowLabels,
                   CmdId::VaryMeanSpeed, CmdId::Pulsate, CmdId::SwitchOn, CmdId::SwitchOff, CmdId::SingleBulb})
        EXPECT_TRUE(doc.OnCommand(id)) << id;
    EXPECT_EQ(doc.GetCurrentCircuit()->GetCells(), -2);
    EXPECT_EQ(doc.GetCurrentCircuit()->GetDisplayMode(), DisplayMode::Diagram);
}

// --- the pace ---

// Every speed command from every speed: where it lands, what it greys and
// ticks, and the period, which a circuit's title keeps at normal pace.
TEST(TickPace, SpeedsStopAtTheirEndsAndTheTitleKeepsTheNormalPace)
{
    const std::array ids{CmdId::SpeedNormal, CmdId::SpeedHalf, CmdId::SpeedQuarter, CmdId::SpeedSlower,
                         CmdId::SpeedFaster};
    const std::map<int, std::array<int, 5>> lands{{1, {1, 2, 4, 2, 1}}, {2, {1, 2, 4, 4, 1}}, {4, {1, 2, 4, 4, 2}}};
    for (const auto& [from, to] : lands)
        for (std::size_t i = 0; i < ids.size(); ++i) {
            CTickPace pace;
            pace.SetSlowdown(from);
            ASSERT_TRUE(pace.OnSpeedCommand(ids[i]));
            const auto state = [&](std::size_t id) { return *pace.CommandState(ids[id]); };
            EXPECT_EQ(std::tuple(pace.Slowdown(), pace.PeriodMs(), state(3).bEnabled, state(4).bEnabled),
                      std::tuple(to[i], 16 * to[i], to[i]<4, to[i]> 1))
                << "from 1/" << from << " by " << ids[i];
            EXPECT_EQ(std::tuple(state(0).bChecked, state(1).bChecked, state(2).bChecked),
                      std::tuple(to[i] == 1, to[i] == 2, to[i] == 4));
            pace.SetIntro(true);
            EXPECT_EQ(pace.PeriodMs(), 16);
            pace.SetPaused(true);
            EXPECT_TRUE(pace.PeriodMs() == 0 && pace.CommandState(CmdId::Pause)->bChecked);
        }
}

// --- the current meter ---

TEST(CurrentMeter, ReadsEveryTenthTickThenDecays)
{
    CCurrentMeter meter;
    for (int tick = 1; tick <= 9; ++tick) {
        EXPECT_FALSE(meter.AddTick(1.0)) << tick;
        EXPECT_DOUBLE_EQ(meter.Accumulator(), tick);
    }
    EXPECT_TRUE(meter.AddTick(1.0));
    EXPECT_DOUBLE_EQ(meter.LastReading(), 10.0);
    EXPECT_DOUBLE_EQ(meter.Accumulator(), 9.75);

    // Quiet ticks do not decay the sum; only a reading does.
    for (int tick = 1; tick <= 9; ++tick)
        EXPECT_FALSE(meter.AddTick(0.0));
    EXPECT_DOUBLE_EQ(meter.Accumulator(), 9.75);
    EXPECT_DOUBLE_EQ(meter.LastReading(), 10.0);
    EXPECT_TRUE(meter.AddTick(-2.0));
    EXPECT_DOUBLE_EQ(meter.LastReading(), 7.75);
    EXPECT_DOUBLE_EQ(meter.Accumulator(), 7.75 * 0.975);
}

TEST(CurrentMeter, SteadyCurrentSettlesAtFortyTimesTheTenTickSum)
{
    // R = 0.975 R + S has the fixed point S / 0.025 = 40 S.
    for (double perTick : {0.5, -0.3}) {
        CCurrentMeter meter;
        const double s = 10 * perTick;
        double previous = 0;
        for (int reading = 0; reading < 600; ++reading) {
            for (int tick = 0; tick < 10; ++tick)
                meter.AddTick(perTick);
            // Each reading moves toward the limit from the start at 0.
            EXPECT_GT(std::abs(meter.LastReading()), std::abs(previous));
            previous = meter.LastReading();
        }
        EXPECT_NEAR(meter.LastReading(), 40 * s, std::abs(s) * 1e-4);
    }
}

TEST(CurrentMeter, NeedleLeansWithTheReadingAndIsPinnedAtFullScale)
{
    EXPECT_EQ(CCurrentMeter::NeedleAngle(0), 0.0);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(10), 0.4);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(-10), -0.4);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(16), 0.64);
    EXPECT_NEAR(CCurrentMeter::NeedleAngle(16.25), 0.65, 1e-12);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(16.5), 0.65);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(1000), 0.65);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(-16.5), -0.65);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(-1000), -0.65);
}

// Known counts fed tick by tick as the model's clock: a passage every 10
// ticks (6.25 a second), 2 units every 20 ticks at the bulb and every 40 at
// the resistor; then the supply reversed, then stopped.
TEST(CircuitRates, FollowKnownCountsRiseAndFallWithoutJumpsAndCopyAsCsv)
{
    CCircuitRates rates;
    std::array<CLoadCount, 2> loads{};   // the circuit's order: resistor, bulb
    long long supply = 900;   // counts from before the restart never show
    rates.Restart({"resistor", "light bulb"}, supply, loads);
    EXPECT_EQ(rates.LoadName(0), "light bulb");
    double last = 0.0;
    const auto run = [&](int ticks, int step) {
        for (int i = 0; i < ticks; ++i) {
            const long long tick = rates.Ticks() + 1;
            supply += tick % 10 == 0 ? step : 0;
            loads[1].energy += step != 0 && tick % 20 == 0 ? 2 : 0;
            loads[0].energy += step != 0 && tick % 40 == 0 ? 2 : 0;
            rates.Sample(supply, loads);
            // One passage moves the 10-second average by a tenth at most.
            ASSERT_LE(std::abs(rates.Current() - last), 0.1 + 1e-12) << "tick " << tick;
            last = rates.Current();
        }
    };
    run(2000, 1);
    EXPECT_TRUE(rates.Current() == 6.2 || rates.Current() == 6.3) << rates.Current();
    EXPECT_TRUE(rates.LoadRate(0) == 6.2 || rates.LoadRate(0) == 6.4) << rates.LoadRate(0);
    EXPECT_TRUE(rates.LoadRate(1) == 3.0 || rates.LoadRate(1) == 3.2) << rates.LoadRate(1);
    run(1000, -1);
    EXPECT_TRUE(rates.Current() == -6.2 || rates.Current() == -6.3) << rates.Current();
    run(625, 0);
    EXPECT_EQ(rates.Current(), 0.0);
    EXPECT_EQ(rates.LoadRate(0), 0.0);

    // The last 30 seconds, a point every 5 ticks, in a spreadsheet's terms.
    EXPECT_EQ(rates.History().size(), 376u);
    EXPECT_DOUBLE_EQ(rates.History().back().seconds - rates.History().front().seconds, 30.0);
    const std::vector<std::string> header{"t", "I\r\nnet", "bulb, lit", "R \"2\""};
    const auto rows = ReadCsv(rates.Csv(header));
    ASSERT_EQ(rows.size(), 377u);
    EXPECT_EQ(rows[0], header);
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"58.00", "0.000", "0.000", "0.000"}));
    EXPECT_TRUE(
        std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row[0] == "46.00" && row[1] == "-6.200"; }));
}
