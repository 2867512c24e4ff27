#include "cli/SimRunner.h"

#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/lesson/Lesson.h"
#include "core/measurement/Measurement.h"
#include "core/res/CommandIds.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <string>

namespace {

// A JSON string's text; the labels are plain ASCII, but a quote or a
// backslash in one must not break the line.
void AppendJsonString(std::string& line, const std::string& text)
{
    line += '"';
    for (const char ch : text) {
        if (ch == '"' || ch == '\\')
            line += '\\';
        line += ch;
    }
    line += '"';
}

void PrintState(std::FILE* out, long long tick, double meter, const CCircuit& circuit, bool energy)
{
    std::string line;
    line.reserve(8192);
    char buf[512];
    std::snprintf(buf, sizeof buf, "{\"tick\":%lld,\"meter\":%.17g,\"cells\":%d,\"glows\":[%lld,%lld,%lld]", tick,
                  meter, circuit.GetCells(), circuit.ArcsAdded(1), circuit.ArcsAdded(2), circuit.ArcsAdded(3));
    line += buf;
    if (energy) {
        line += ",\"energy\":{";
        const std::span<const CLoadCount> loads = circuit.LoadCounts();
        for (std::size_t i = 0; i < loads.size(); ++i) {
            if (i > 0)
                line += ',';
            AppendJsonString(line, circuit.LoadName(i));
            line += ':' + std::to_string(loads[i].energy);
        }
        line += '}';
    }
    line += ",\"electrons\":[";
    bool first = true;
    for (const CElectron& e : circuit.Electrons()) {
        std::snprintf(buf, sizeof buf, "%s[%.17g,%.17g,%.17g,%.17g,%d,%d,%d]", first ? "" : ",", e.m_x, e.m_y, e.m_vx,
                      e.m_vy, e.m_nGlow, e.m_bHalf1 ? 1 : 0, e.m_bHalf2 ? 1 : 0);
        line += buf;
        first = false;
    }
    line += "]}\n";
    std::fputs(line.c_str(), out);
}

// [mean, low, high], each to the last bit.
void AppendEstimate(std::string& line, const CEstimate& estimate)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "[%.17g,%.17g,%.17g]", estimate.mean, estimate.Low(), estimate.High());
    line += buf;
}

void PrintMeasurement(std::FILE* out, const CMeasureResult& result, unsigned seed)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "{\"seconds\":%.17g,\"seed\":%u,\"current\":", result.seconds, seed);
    std::string line = buf;
    AppendEstimate(line, result.current);
    line += ",\"energy\":{";
    for (std::size_t i = 0; i < result.loads.size(); ++i) {
        if (i > 0)
            line += ',';
        AppendJsonString(line, result.loadNames[i]);
        line += ':';
        AppendEstimate(line, result.loads[i]);
    }
    line += "}}\n";
    std::fputs(line.c_str(), out);
}

void PrintRegions(std::FILE* out, const CCircuit& circuit, int n)
{
    const int side = 25 * n + 1;
    std::string line(static_cast<std::size_t>(side) + 1, '\n');
    for (int j = 0; j < side; ++j) {
        const double y = double(j) / n;
        for (int i = 0; i < side; ++i)
            line[static_cast<std::size_t>(i)] = static_cast<char>('0' + circuit.Classify(double(i) / n, y));
        std::fputs(line.c_str(), out);
    }
}

// The lesson the options set up: the display, the colours and the labels
// only where a picture is drawn.
CLessonSettings LessonSettings(const CSimOptions& o)
{
    CLessonSettings settings;
    settings.circuit = o.nCircuit;
    if (o.cells)
        settings.cells = *o.cells;
    settings.reversed = o.bReverse;
    settings.vary = o.bVary;
    settings.pulsate = !o.bNoPulsate;
    settings.switchOpen = o.bSwitchOpen;
    // Presses of "+" (or "-") from where a fresh lesson has it.
    settings.resistor = std::clamp(settings.resistor + o.nResistor, 0, CBulbVariableResistorCircuit::kResistanceSteps);
    if (o.Renders()) {
        settings.display = o.nMode;
        settings.palette = o.nPalette;
        settings.labels = o.bLabels;
    }
    return settings;
}

}

int RunSim(const CSimOptions& o, std::FILE* out, std::FILE* err, ISimPictures* pictures)
{
    const auto fail = [err](const std::string& message) {
        std::fprintf(err, "tarrowin-sim: %s\n", message.c_str());
        return 2;
    };
    if (o.bHelp) {
        std::fprintf(out, "%s\n\n%s", kSimUsage, kSimHelp);
        return 0;
    }

    if (o.Renders() && pictures == nullptr)
        return fail("this tarrowin-sim draws no pictures: --png and --frames need the desktop build");
    if (o.Renders())
        if (const std::string error = pictures->CheckOutputs(o); !error.empty())
            return fail(error);

    CLesson lesson;
    lesson.Apply(LessonSettings(o));
    if (o.bTag)
        lesson.Run(CmdId::TagElectron);
    const CCircuit& circuit = lesson.Circuit();

    if (o.nRegions > 0) {
        PrintRegions(out, circuit, o.nRegions);
        return 0;
    }
    if (o.Measures()) {
        CMeasurement measurement(lesson.CurrentSetup(), o.dMeasureSeconds, o.nSeed);
        measurement.Advance(measurement.TotalTicks());
        PrintMeasurement(out, measurement.Result(), o.nSeed);
        std::fflush(out);
        return 0;
    }

    CDrawSurface* dc = nullptr;
    if (o.Renders()) {
        dc = pictures->Open(o.nWidth, o.nHeight);
        if (dc == nullptr)
            return fail("--size: cannot make an image of that size");
        lesson.Layout(*dc, CRect{0, 0, o.nWidth, o.nHeight});
    }

    PrintState(out, 0, lesson.Meter().Accumulator(), circuit, o.bEnergy);
    for (long long tick = 1; tick <= o.nTicks; ++tick) {
        lesson.Tick();
        if (dc) {
            lesson.DrawView(*dc);
            if (!o.strFramesDir.empty()) {
                char name[32];
                std::snprintf(name, sizeof name, "frame_%06lld.png", tick);
                const std::string path = (std::filesystem::path(o.strFramesDir) / name).string();
                if (!pictures->Save(path))
                    return fail("--frames: cannot write " + ShownArgument(path));
            }
        }
        if ((o.nEvery > 0 && tick % o.nEvery == 0) || tick == o.nTicks)
            PrintState(out, tick, lesson.Meter().Accumulator(), circuit, o.bEnergy);
    }
    if (dc) {
        if (o.nTicks == 0)
            lesson.DrawView(*dc);
        if (!o.strPng.empty() && !pictures->Save(o.strPng))
            return fail("--png: cannot write " + ShownArgument(o.strPng));
    }
    std::fflush(out);
    return 0;
}
