// The costs of one tick: Step, the animation and drawing of a ball-model
// frame at full HD and 4K, and a re-layout of each display at both sizes,
// with the cost of copying two full-HD frames as the yardstick for the
// frame; and of the long run: one measurement, and Compare Circuits'
// largest set on two threads.
#include "core/measurement/CompareSets.h"
#include "core/measurement/MeasurementQueue.h"
#include "core/document/TarrowinDoc.h"
#include "platform/RasterSurface.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void BM_StepSingleBulb(benchmark::State& state)
{
    CTarrowinDoc doc;
    doc.OnCommand(1012);   // one cell
    for (int i = 0; i < 500; ++i)   // let the flow settle
        doc.StepCircuit();
    for (auto _ : state)
        doc.StepCircuit();
}
BENCHMARK(BM_StepSingleBulb);

// The Measurements panel's long run of the Single Bulb: ten minutes of the model.
void BM_LongRunSingleBulb(benchmark::State& state)
{
    CMeasureSetup setup;
    setup.nCircuitId = 32787;   // the Single Bulb
    for (auto _ : state) {
        CMeasurement measurement(setup, CMeasurement::kLongRunSeconds);
        measurement.Advance(measurement.TotalTicks());
        benchmark::DoNotOptimize(measurement.Result().current.mean);
    }
}
BENCHMARK(BM_LongRunSingleBulb)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every circuit at 1 to 3 cells, ten minutes each, on two threads.
void BM_CompareAllCircuits(benchmark::State& state)
{
    std::vector<CMeasurementQueue::CJob> jobs;
    for (const CMeasureSetup& setup : CompareSets::Runs(CompareSets::Set::AllCircuits))
        jobs.push_back({setup, CMeasurement::kLongRunSeconds, 1});
    for (auto _ : state) {
        CMeasurementQueue queue(2);
        std::atomic<int> done{0};
        queue.Start(jobs, [&](int, std::size_t, const CMeasureResult&) { ++done; });
        while (queue.Running())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (done != static_cast<int>(jobs.size()))
            state.SkipWithError("not every run reported");
    }
}
BENCHMARK(BM_CompareAllCircuits)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// A ball-model frame of a window w x h, past the title intro, with
// electrons moving and glowing.
void BM_RenderBallModel(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    CTarrowinDoc doc;
    QImage target(w, h, QImage::Format_RGB32);
    CRasterSurface dc(target);
    doc.LayoutCircuit(dc, CRect{0, 0, w, h});
    while (doc.GetCurrentCircuit()->GetIntroFrames() > 0) {
        doc.StepCircuit();
        doc.AdvanceAnimation();
        doc.DrawCircuit(dc);
    }
    for (auto _ : state) {
        doc.AdvanceAnimation();
        doc.DrawCircuit(dc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RenderBallModel)
    ->ArgNames({"w", "h"})
    ->Args({kWidth, kHeight})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

// A layout of a display (a DisplayMode: 0 ball model, 1 diagram, 2 picture) at about
// w x h, as after a resize: each one a few pixels smaller than the last, so
// that the picture is drawn afresh from its artwork every time.
void BM_Layout(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    CTarrowinDoc doc;
    doc.OnCommand(1007);   // labels shown
    doc.GetCurrentCircuit()->SetDisplayMode(static_cast<DisplayMode>(state.range(2)));
    QImage target(w, h, QImage::Format_RGB32);
    CRasterSurface dc(target);
    int shrink = 0;
    for (auto _ : state) {
        shrink = (shrink + 1) % 16;
        doc.LayoutCircuit(dc, CRect{0, 0, w - shrink, h - shrink});
    }
}
BENCHMARK(BM_Layout)
    ->ArgNames({"w", "h", "display"})
    ->ArgsProduct({{kWidth}, {kHeight}, {0, 1, 2}})
    ->ArgsProduct({{3840}, {2160}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// Yardstick: the two full-frame copies every frame must make.
void BM_CopyTwoFrames1080p(benchmark::State& state)
{
    const std::size_t bytes = std::size_t{kWidth} * kHeight * 4;
    std::vector<unsigned char> background(bytes, 1);
    std::vector<unsigned char> frame(bytes, 2);
    std::vector<unsigned char> window(bytes, 3);
    for (auto _ : state) {
        std::memcpy(frame.data(), background.data(), bytes);
        std::memcpy(window.data(), frame.data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyTwoFrames1080p)->Unit(benchmark::kMicrosecond);

}

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
