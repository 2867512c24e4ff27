// Compare Circuits as both editions show it: the chart drawn by the core,
// and what the window says while a comparison runs, is cancelled and ends.
#include "core/draw/RecordingSurface.h"
#include "core/measurement/CompareSession.h"
#include "core/pictures/CompareChart.h"
#include "core/res/CommandIds.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kModelFill = 0x0072b2;

CMeasureResult Current(double mean)
{
    return CMeasureResult{600, {mean, 0.05}, {"light bulb"}, {{2.0 * mean, 0.1}}};
}

// A session of the set with every run measured, each at its current.
CCompareSession Measured(std::size_t set, const std::vector<double>& currents)
{
    CCompareSession session;
    const int start = session.Start(CCompareSession::ChosenRuns(set, {}, {}), 0.0);
    for (std::size_t job = 0; job < session.Runs().size(); ++job)
        session.Record(start, job, Current(currents[job % currents.size()]), 1500.0);
    return session;
}

// Both corners of a rectangle, or both ends of a line, in the area.
bool Inside(const CDrawCall& call, const CRect& area)
{
    const auto in = [&](int x, int y) {
        return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
    };
    return in(call.args[0], call.args[1]) && in(call.args[2], call.args[3]);
}

}

// Four bars stand on one zero line at heights in proportion to their
// currents, each with its dashed ideal beside it and the ratios over it; the
// labels wrap under the bars, and nothing leaves the chart's area. Forty-two
// bars turn their labels on their side, cut short to fit the room below.
TEST(CompareChart, BarsShareOneScaleWithTheirIdealsAndLabelsThatFit)
{
    const CRect area{10, 20, 510, 520};
    CRecordingSurface dc(600, 600);
    dc.SelectFont(CFontSpec{"DejaVu Sans", 12, 400});
    const std::vector<double> currents{1.0, 0.7, 0.9, 1.2};
    CompareChart::Draw(dc, area, Measured(0, currents).Bars());
    std::vector<CDrawCall> bars, dashed;
    for (const CDrawCall& call : dc.CallsOf("SmoothRect"))
        (call.args[6] == kModelFill ? bars : dashed).push_back(call);
    ASSERT_EQ(bars.size(), 5u);   // the key's swatch first
    EXPECT_EQ(dashed.size(), 5u);
    for (std::size_t i = 1; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].args[3], bars[1].args[3]);
        EXPECT_NEAR(bars[1].args[3] - bars[i].args[1], (bars[1].args[3] - bars[1].args[1]) * currents[i - 1], 1.0);
        EXPECT_TRUE(i == 1 || bars[i].args[0] > bars[i - 1].args[0]);
    }
    std::string words;
    for (const CDrawCall& call : dc.Calls())
        if (call.strOp.starts_with("Smooth")) {
            const bool turned = call.strOp == "SmoothText" && call.args[7] != 0;
            EXPECT_TRUE(turned || Inside(call, area)) << call.strOp << " " << call.strText;
            words += call.strText + "|";
        }
    EXPECT_NE(words.find("|×0.70 (ideal ×0.5)|"), std::string::npos) << words;
    EXPECT_NE(words.find("|Three Bulbs in|Series and|Parallel|1 cell|"), std::string::npos) << words;

    dc.Clear();
    CompareChart::Draw(dc, area, Measured(5, {1.0}).Bars());
    std::size_t turned = 0, cut = 0;
    for (const CDrawCall& call : dc.CallsOf("SmoothText"))
        if (call.args[7] == 1) {
            ++turned;
            cut += call.strText.ends_with("\u2026");
            EXPECT_LE(dc.TextWidth(call.strText), call.args[2] - call.args[0] + 1) << call.strText;
            EXPECT_TRUE(call.args[5] + 6 <= area.right && call.args[6] + call.args[2] <= area.bottom) << call.strText;
        }
    EXPECT_EQ(turned, 42u);
    EXPECT_GT(cut, 0u);
}

// The status line and the progress bar through a start, a cancel (whose
// late result changes nothing), and a start measured to its end.
TEST(CompareSession, SaysWhatRunsAndIgnoresACancelledStartsLateResults)
{
    CCompareSession session;
    EXPECT_EQ(session.StatusText(), "Choose what to compare, then Measure.");
    EXPECT_EQ(session.Start({}, 0.0), 0);
    const int first =
        session.Start(CCompareSession::ChosenRuns(CCompareSession::kFreeChoice, std::vector<int>{CmdId::TwoBulbsSeries},
                                                  std::vector{1, 3}),
                      100.0);
    ASSERT_EQ(session.Runs().size(), 3u);   // and the Single Bulb, their reference
    EXPECT_EQ(session.TotalTicks(), 3 * CMeasurement::TotalTicksFor(600.0));
    EXPECT_TRUE(session.Record(first, 0, Current(0.7), 200.0));
    EXPECT_EQ(session.StatusText(), "Measuring 10 minutes of each circuit: 1 of 3 done");
    EXPECT_EQ(session.Progress(0.4567), 457);
    session.Cancel();
    EXPECT_FALSE(session.Record(first, 1, Current(2.0), 300.0));
    EXPECT_EQ(session.StatusText(), "Cancelled: 1 of 3 measured");
    EXPECT_TRUE(session.HasFigures() && !session.IsMeasuring());

    const int second = session.Start(CCompareSession::ChosenRuns(1, {}, {}), 1000.0);
    EXPECT_NE(second, first);
    EXPECT_FALSE(session.HasFigures());
    for (std::size_t job = 0; job < 4; ++job)
        EXPECT_EQ(session.Record(job == 2 ? first : second, job, Current(0.5 * static_cast<double>(job)), 3250.0),
                  job != 2);
    EXPECT_TRUE(session.IsMeasuring());
    EXPECT_TRUE(session.Record(second, 2, Current(1.0), 3400.0));
    EXPECT_EQ(session.StatusText(), "4 runs of 10 minutes measured in 2.4 s");
    EXPECT_EQ(session.Progress(0.9), CCompareSession::kProgressSteps);
    const std::string csv = session.Csv();
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 5);
}
