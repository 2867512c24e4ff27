// The costs of one tick: Step, Render of a full-HD ball-model frame, and a
// re-layout, with the cost of copying two full-HD frames as the yardstick
// for Render.
#include "document/TarrowinDoc.h"
#include "platform/RasterSurface.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
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

void BM_RenderBallModel1080p(benchmark::State& state)
{
    CTarrowinDoc doc;
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    CRasterSurface dc(target);
    doc.LayoutCircuit(dc, CRect{0, 0, kWidth, kHeight});
    // Past the title intro, with electrons moving and glowing.
    while (doc.GetCurrentCircuit()->GetIntroFrames() > 0) {
        doc.StepCircuit();
        doc.RenderCircuit(dc);
    }
    for (auto _ : state) {
        doc.RenderCircuit(dc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RenderBallModel1080p)->Unit(benchmark::kMicrosecond);

void BM_Layout1080p(benchmark::State& state)
{
    CTarrowinDoc doc;
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    CRasterSurface dc(target);
    for (auto _ : state)
        doc.LayoutCircuit(dc, CRect{0, 0, kWidth, kHeight});
}
BENCHMARK(BM_Layout1080p)->Unit(benchmark::kMillisecond);

// Yardstick: the two full-frame copies every Render must make.
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
