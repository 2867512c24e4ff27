// The long run measured beside the class: figures that follow the settings,
// intervals that hold across seeds, and a live circuit that never notices.
#include "TestSupport.h"

#include "core/document/MeasurementQueue.h"
#include "core/document/TarrowinDoc.h"
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
    for (const auto& entry : doc.Circuits())
        for (const CElectron& e : entry.pCircuit->Electrons())
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
