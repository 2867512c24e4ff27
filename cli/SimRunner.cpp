#include "cli/SimRunner.h"

#include "core/lesson/CurrentMeter.h"
#include "core/measurement/Measurement.h"
#include "core/document/TarrowinDoc.h"
#include "core/res/CommandIds.h"

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

}

int RunSim(const CSimOptions& o, std::FILE* out, std::FILE* err, ISimPictures* pictures)
{
    const auto fail = [err](const std::string& message) {
        std::fprintf(err, "tarrowin-sim: %s\n", message.c_str());
        return 2;
    };
    if (o.bHelp) {
        std::fprintf(out, "%s\n\n%s", kSimUsage, SimHelp().c_str());
        return 0;
    }

    if (o.Renders() && pictures == nullptr)
        return fail("this tarrowin-sim draws no pictures: --png and --frames need the desktop build");
    if (o.Renders())
        if (const std::string error = pictures->CheckOutputs(o); !error.empty())
            return fail(error);

    CTarrowinDoc doc;
    doc.OnNewDocument();
    CCircuit* circuit = doc.CircuitAt(o.nCircuit);
    if (circuit == nullptr)
        return fail("--circuit " + std::to_string(o.nCircuit) + " is not built yet");
    doc.SelectCircuit(*circuit);

    if (o.cells)
        circuit->SetCells(*o.cells);
    if (o.bReverse)
        circuit->SwitchPolarity();
    if (o.bVary)
        circuit->ToggleVaryMeanSpeed();
    if (o.bNoPulsate)
        circuit->TogglePulsate();
    if (o.bSwitchOpen)
        circuit->SetSwitchOpen(true);
    for (int i = 0; i < o.nResistor; ++i)
        doc.OnCommand(CmdId::ResistanceUp);
    for (int i = 0; i > o.nResistor; --i)
        doc.OnCommand(CmdId::ResistanceDown);
    if (o.bTag)
        circuit->ToggleTag();

    if (o.nRegions > 0) {
        PrintRegions(out, *circuit, o.nRegions);
        return 0;
    }
    if (o.Measures()) {
        CMeasurement measurement(doc.CurrentSetup(), o.dMeasureSeconds, o.nSeed);
        measurement.Advance(measurement.TotalTicks());
        PrintMeasurement(out, measurement.Result(), o.nSeed);
        std::fflush(out);
        return 0;
    }

    CDrawSurface* dc = nullptr;
    if (o.Renders()) {
        circuit->SetDisplayMode(o.mode);
        doc.SetPalette(o.nPalette);
        if (o.bLabels)
            circuit->ToggleLabels();
        dc = pictures->Open(o.nWidth, o.nHeight);
        if (dc == nullptr)
            return fail("--size: cannot make an image of that size");
        doc.LayoutCircuit(*dc, CRect{0, 0, o.nWidth, o.nHeight});
    }

    CCurrentMeter meter;
    PrintState(out, 0, meter.Accumulator(), *circuit, o.bEnergy);
    for (long long tick = 1; tick <= o.nTicks; ++tick) {
        doc.StepCircuit();
        meter.AddTick(circuit->TakeSupplyCount());
        if (dc) {
            doc.RenderCircuit(*dc);
            if (!o.strFramesDir.empty()) {
                char name[32];
                std::snprintf(name, sizeof name, "frame_%06lld.png", tick);
                const std::string path = (std::filesystem::path(o.strFramesDir) / name).string();
                if (!pictures->Save(path))
                    return fail("--frames: cannot write " + ShownArgument(path));
            }
        }
        if ((o.nEvery > 0 && tick % o.nEvery == 0) || tick == o.nTicks)
            PrintState(out, tick, meter.Accumulator(), *circuit, o.bEnergy);
    }
    if (dc) {
        if (o.nTicks == 0)
            doc.RenderCircuit(*dc);
        if (!o.strPng.empty() && !pictures->Save(o.strPng))
            return fail("--png: cannot write " + ShownArgument(o.strPng));
    }
    std::fflush(out);
    return 0;
}
