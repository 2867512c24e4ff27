// The long run measured beside the class: figures that follow the settings,
// intervals that hold across seeds, and a live circuit that never notices.
#include "TestSupport.h"

#include "core/measurement/CompareSets.h"
#include "core/measurement/Comparison.h"
#include "core/measurement/MeasurementQueue.h"
#include "core/document/TarrowinDoc.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/CommandIds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <map>
#include <mutex>
#include <sstream>

namespace {

CMeasureSetup SetupOf(int id, int cells = 1)
{
    CMeasureSetup setup;
    setup.nCircuitId = id;
    setup.nCells = cells;
    return setup;
}

CMeasureResult Measure(const CMeasureSetup& setup, double seconds = 120, std::uint32_t seed = 1)
{
    CMeasurement measurement(setup, seconds, seed);
    EXPECT_TRUE(measurement.Advance(measurement.TotalTicks()));
    return measurement.Result();
}

// Every electron of the document's circuits, to the last bit, and its generator.
std::string DocumentState(const CTarrowinDoc& doc)
{
    std::ostringstream out;
    out << std::hexfloat << doc.CircuitSet().random.State() << ' ' << doc.CircuitSet().stepTick;
    for (const auto& circuit : doc.Circuits())
        for (const CElectron& e : circuit->Electrons())
            out << ' ' << e.m_x << ' ' << e.m_y << ' ' << e.m_vx << ' ' << e.m_vy << ' ' << e.m_nGlow;
    return out.str();
}

}

TEST(Measurement, FollowsTheSettingsExactlyWhereTheyLeaveNoDoubt)
{
    // No cells: nothing flows and nothing is given, exactly.
    const CMeasureResult none = Measure(SetupOf(CmdId::SingleBulb, 0));
    EXPECT_TRUE(none.current.mean == 0.0 && none.current.half == 0.0 && none.loads.at(0).High() == 0.0);
    // Turned round, the current flows the other way and the bulb still takes energy.
    CMeasureSetup reversed = SetupOf(CmdId::SingleBulb);
    reversed.bReversed = true;
    const CMeasureResult back = Measure(reversed);
    EXPECT_TRUE(back.current.High() < 0.0 && back.loads.at(0).Low() > 0.0);
    // An open switch in a single loop stops it all.
    CMeasureSetup open = SetupOf(CmdId::BulbSwitch, 3);
    open.bSwitchOpen = true;
    EXPECT_EQ(Measure(open).current.mean, 0.0);
    // The variable resistor's ends: the most resistance lets clearly less through.
    CMeasureSetup least = SetupOf(CmdId::BulbVariableResistor), most = least;
    least.resistorWall = CBulbVariableResistorCircuit::WallAfterPresses(0);
    most.resistorWall = CBulbVariableResistorCircuit::WallAfterPresses(CBulbVariableResistorCircuit::kResistanceSteps);
    EXPECT_LT(Measure(most).current.High(), Measure(least).current.Low());
    const CMeasureResult three = Measure(SetupOf(CmdId::ThreeBulbs), 30);
    EXPECT_EQ(three.loadNames, (std::vector<std::string>{"light bulb 1", "light bulb 2", "light bulb 3"}));
    EXPECT_NEAR(three.seconds, 30.0, 20 * CMeasurement::kSecondsPerTick);   // whole batches of ticks
}

TEST(Measurement, RunsWithOtherSeedsAgreeWithinTheirIntervals)
{
    CMeasureSetup vary = SetupOf(CmdId::TwoResistorsParallel, 3);
    vary.bVaryMeanSpeed = true;
    for (const CMeasureSetup& setup : {SetupOf(CmdId::SingleBulb, 2), vary}) {
        const CMeasureResult a = Measure(setup, 300, 1), b = Measure(setup, 300, 9);
        EXPECT_GT(a.current.half, 0.0);
        EXPECT_LE(std::abs(a.current.mean - b.current.mean), std::hypot(a.current.half, b.current.half));
        for (std::size_t i = 0; i < a.loads.size(); ++i)
            EXPECT_LE(std::abs(a.loads[i].mean - b.loads[i].mean), std::hypot(a.loads[i].half, b.loads[i].half)) << i;
    }
}

// The live circuit steps exactly as it does alone while a queue measures its
// copies on two threads; every job reports once, and a cancel stops them.
TEST(Measurement, TheLiveCircuitNeverNotices)
{
    constexpr int kTicks = 3000;
    CTarrowinDoc alone;
    alone.OnCommand(CmdId::ThreeBulbs);
    for (int i = 0; i < kTicks; ++i)
        alone.StepCircuit();

    CTarrowinDoc live;
    live.OnCommand(CmdId::ThreeBulbs);
    std::mutex mutex;
    std::map<std::size_t, CMeasureResult> results;
    CMeasurementQueue queue(2);
    const std::vector<CMeasurementQueue::CJob> jobs(4, CMeasurementQueue::CJob{live.CurrentSetup(), 30.0, 3});
    const int start = queue.Start(jobs, [&](int from, std::size_t job, const CMeasureResult& result) {
        const std::lock_guard lock(mutex);
        EXPECT_EQ(from, 1);
        EXPECT_TRUE(results.emplace(job, result).second);
    });
    EXPECT_EQ(start, 1);
    for (int i = 0; i < kTicks; ++i)
        live.StepCircuit();
    // A minute at most: four short runs take well under a second.
    for (int waited = 0; waited < 12000 && queue.Running(); ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(queue.Running());
    EXPECT_EQ(DocumentState(live), DocumentState(alone));
    ASSERT_EQ(results.size(), jobs.size());
    EXPECT_EQ(queue.Progress(), 1.0);
    EXPECT_EQ(results[0].current.mean, results[3].current.mean);   // the same seed, the same figures

    queue.Start(std::vector<CMeasurementQueue::CJob>(2, CMeasurementQueue::CJob{live.CurrentSetup(), 36000.0, 1}),
                [&](int, std::size_t, const CMeasureResult&) { ADD_FAILURE() << "a cancelled job reported"; });
    const auto asked = std::chrono::steady_clock::now();
    queue.Cancel();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
    EXPECT_FALSE(queue.Running());
}

// Each ready-made set, as the chart labels its bars ("circuit number:
// settings"), holds what its name promises; the ideal circuit's current is
// known exactly where the parts are equal, as a multiple of one bulb or of
// two resistors in series with one cell, switches closed and open.
TEST(CompareSets, EachSetHoldsWhatItsNamePromisesAndEqualPartsTheirIdealRatio)
{
    const auto number = [](int id) {
        const auto c = CircuitCatalogue();
        return std::find_if(c.begin(), c.end(), [id](const auto& e) { return e.nCommandId == id; }) - c.begin() + 1;
    };
    std::map<CompareSets::Set, std::string> described;
    for (std::size_t set = 0; set < CompareSets::kSetCount; ++set)
        for (const CMeasureSetup& run : CompareSets::Runs(static_cast<CompareSets::Set>(set)))
            described[static_cast<CompareSets::Set>(set)] +=
                std::to_string(number(run.nCircuitId)) + ": " + CompareSets::SettingsText(run) + "; ";
    std::string resistor, all;
    for (int step = 0; step <= 14; ++step)
        resistor += "10: 1 cell, resistance " + std::to_string(step) + " of 14; ";
    for (int circuit = 1; circuit <= 14; ++circuit)
        all += std::to_string(circuit) + ": 1 cell; " + std::to_string(circuit) + ": 2 cells; " +
               std::to_string(circuit) + ": 3 cells; ";
    using enum CompareSets::Set;
    EXPECT_EQ(described,
              (std::map<CompareSets::Set, std::string>{
                  {SingleSeriesParallel, "1: 1 cell; 2: 1 cell; 3: 1 cell; 4: 1 cell; "},
                  {Cells, "1: 0 cells; 1: 1 cell; 1: 2 cells; 1: 3 cells; "},
                  {VariableResistor, resistor},
                  {BulbAgainstResistor, "1: 1 cell; 8: 1 cell; 11: 1 cell; "},
                  {Switches, "5: 1 cell; 5: 1 cell, switch open; 6: 1 cell; 6: 1 cell, switch open; 7: 1 cell; "
                             "7: 1 cell, switch open; "},
                  {AllCircuits, all}}));
    // Conductances closed and open, in units of the reference's.
    const std::map<long, std::pair<double, double>> ideal{{1, {1, 1}},     {2, {0.5, 0.5}}, {3, {2, 2}},
                                                          {4, {1.5, 1.5}}, {5, {1, 0}},     {6, {2, 1}},
                                                          {7, {2, 0}},     {11, {1, 1}},    {12, {4, 4}}};
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        for (int run = 0; run < 8; ++run) {
            CMeasureSetup setup = SetupOf(entry.nCommandId, run / 2);
            setup.bSwitchOpen = run % 2 == 1;
            setup.bVaryMeanSpeed = run / 2 == 2;
            const auto got = CompareSets::Ideal(setup);
            const auto known = ideal.find(number(entry.nCommandId));
            ASSERT_EQ(got.has_value(), known != ideal.end()) << entry.pszMenuCaption;
            CMeasureSetup reference =
                SetupOf(known == ideal.end() || known->first >= 11 ? CmdId::TwoResistorsSeries : CmdId::SingleBulb);
            reference.bVaryMeanSpeed = setup.bVaryMeanSpeed;
            if (got) {
                EXPECT_TRUE(got->reference == reference &&
                            got->ratio ==
                                (setup.bSwitchOpen ? known->second.second : known->second.first) * setup.nCells)
                    << entry.pszMenuCaption << " with " << run / 2 << " cells: " << got->ratio;
            }
        }
}

// A comparison measures the references it needs, gives each bar its ratios
// once its reference is in, and copies figures that a spreadsheet reads
// back whole, whatever a translation puts in a name.
TEST(Comparison, MeasuresItsReferencesAndCopiesWhatASpreadsheetReadsBack)
{
    EXPECT_EQ(CComparison(CompareSets::Chosen(std::vector<int>{CmdId::TwoResistorsParallel}, std::vector{2})).Runs(),
              (std::vector{SetupOf(CmdId::TwoResistorsParallel, 2), SetupOf(CmdId::TwoResistorsSeries)}));
    class CTrickyWords final : public IWords {
        std::string Translate(const char* context, const char* text) const override
        {
            return std::string(text) == "Two Bulbs in Series" ? "Bulbs two\r\nin a row"
                   : std::string(context) == "Label"          ? "lamp, \"" + std::string(text) + "\""
                                                              : std::string();
        }
    } words;
    UseWords(&words);
    CComparison comparison(CompareSets::Runs(CompareSets::Set::SingleSeriesParallel));
    const std::array currents{1.0, 0.7, 0.9, 1.2};
    for (std::size_t job : {1u, 0u, 2u, 3u, 9u}) {
        comparison.Record(
            job, CMeasureResult{600, {currents[job % 4], 0.05}, {"light bulb"}, {{2.0 * currents[job % 4], 0.1}}});
        EXPECT_EQ(comparison.Bars()[1].ratio.has_value(), job != 1u);   // once its reference, the first, is in
    }
    ASSERT_TRUE(comparison.Complete() && comparison.Runs().size() == 4u);
    EXPECT_DOUBLE_EQ(*comparison.Bars()[2].ratio, 0.9);
    EXPECT_EQ(*comparison.Bars()[3].ideal, 1.5);
    const auto rows = ReadCsv(comparison.Csv());
    UseWords(nullptr);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][5], "times the reference");
    EXPECT_EQ(rows[2],
              (std::vector<std::string>{"Bulbs two\r\nin a row", "1 cell", "0.7000", "0.6500", "0.7500", "0.7000",
                                        "0.5000", "lamp, \"light bulb\"", "1.4000", "1.3000", "1.5000"}));
}
