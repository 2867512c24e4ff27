// What the page reaches of Compare Circuits: the session its panel shows
// (the choices and their runs, the status line, the chart, the copied
// figures) and, in each measuring worker's own module, one run measured a
// slice at a time. Runs and results cross between them as plain objects.
#include "CanvasSurface.h"
#include "MeasureValues.h"
#include "core/measurement/CompareSession.h"
#include "core/pictures/CompareChart.h"
#include "core/circuits/CircuitCatalogue.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

using emscripten::val;

namespace {

val Job(const CMeasureSetup& setup)
{
    val job = val::object();
    job.set("circuit", setup.nCircuitId);
    job.set("cells", setup.nCells);
    job.set("reversed", setup.bReversed);
    job.set("switchOpen", setup.bSwitchOpen);
    job.set("vary", setup.bVaryMeanSpeed);
    job.set("resistorWall", setup.resistorWall ? val(*setup.resistorWall) : val::null());
    return job;
}

CMeasureSetup SetupOf(const val& job)
{
    CMeasureSetup setup;
    setup.nCircuitId = job["circuit"].as<int>();
    setup.nCells = job["cells"].as<int>();
    setup.bReversed = job["reversed"].as<bool>();
    setup.bSwitchOpen = job["switchOpen"].as<bool>();
    setup.bVaryMeanSpeed = job["vary"].as<bool>();
    if (!job["resistorWall"].isNull())
        setup.resistorWall = job["resistorWall"].as<double>();
    return setup;
}

CEstimate EstimateOf(const val& estimate)
{
    return CEstimate{estimate["mean"].as<double>(), estimate["half"].as<double>()};
}

val ResultObject(const CMeasureResult& result)
{
    val names = val::array();
    val loads = val::array();
    for (std::size_t i = 0; i < result.loads.size(); ++i) {
        names.call<void>("push", result.loadNames[i]);
        loads.call<void>("push", EstimateValue(result.loads[i]));
    }
    val out = val::object();
    out.set("seconds", result.seconds);
    out.set("current", EstimateValue(result.current));
    out.set("loadNames", names);
    out.set("loads", loads);
    return out;
}

CMeasureResult ResultOf(const val& result)
{
    CMeasureResult out;
    out.seconds = result["seconds"].as<double>();
    out.current = EstimateOf(result["current"]);
    out.loadNames = emscripten::vecFromJSArray<std::string>(result["loadNames"]);
    const auto loads = result["loads"]["length"].as<unsigned>();
    for (unsigned i = 0; i < loads; ++i)
        out.loads.push_back(EstimateOf(result["loads"][i]));
    return out;
}

// The chooser's entries, the free choice's circuits (command ids) and its
// cells, in the language set.
val Choices()
{
    val sets = val::array();
    for (std::size_t choice = 0; choice < CCompareSession::kChoices; ++choice)
        sets.call<void>("push", CCompareSession::ChoiceName(choice));
    val circuits = val::array();
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        val circuit = val::object();
        circuit.set("id", entry.nCommandId);
        circuit.set("name", CompareSets::CircuitName(entry.nCommandId));
        circuits.call<void>("push", circuit);
    }
    val cells = val::array();
    for (int n = 0; n <= 3; ++n) {
        CMeasureSetup run;
        run.nCells = n;
        cells.call<void>("push", CompareSets::SettingsText(run));
    }
    val out = val::object();
    out.set("sets", sets);
    out.set("freeChoice", CCompareSession::kFreeChoice);
    out.set("circuits", circuits);
    out.set("cells", cells);
    out.set("close", Translate("Compare", CCompareSession::kCloseName));
    return out;
}

// Starts the choice: its start's number (0: nothing to measure), the jobs
// in the order their results are recorded, and their ticks in all.
val Start(CCompareSession& session, int choice, const val& circuits, const val& cells, double nowMs)
{
    const int start = session.Start(CCompareSession::ChosenRuns(static_cast<std::size_t>(choice),
                                                                emscripten::vecFromJSArray<int>(circuits),
                                                                emscripten::vecFromJSArray<int>(cells)),
                                    nowMs);
    val jobs = val::array();
    for (const CMeasureSetup& setup : session.Runs())
        jobs.call<void>("push", Job(setup));
    val out = val::object();
    out.set("start", start);
    out.set("jobs", start != 0 ? jobs : val::array());
    out.set("ticks", static_cast<double>(session.TotalTicks()));
    return out;
}

bool Record(CCompareSession& session, int start, int job, const val& result, double nowMs)
{
    return session.Record(start, static_cast<std::size_t>(job), ResultOf(result), nowMs);
}

// What the panel shows, given the share of the ticks run.
val View(const CCompareSession& session, double share)
{
    val out = val::object();
    out.set("measuring", session.IsMeasuring());
    out.set("progress", session.Progress(share));
    out.set("progressSteps", CCompareSession::kProgressSteps);
    out.set("status", session.StatusText());
    out.set("hasFigures", session.HasFigures());
    return out;
}

void DrawChart(const CCompareSession& session, CDrawSurface& surface, const CFontSpec& font)
{
    surface.SelectFont(font);
    CompareChart::Draw(surface, CRect{0, 0, surface.Width(), surface.Height()}, session.Bars());
}

// The chart on the page's canvas, w x h device pixels, its words in the
// face at that many pixels to the em.
void Draw(const CCompareSession& session, int handle, int w, int h, const std::string& face, int pixels)
{
    CCanvasSurface surface(handle, w, h);
    DrawChart(session, surface, CFontSpec{face, CellForPixels(pixels), 400});
}

// The chart drawn afresh at the saved picture's size on a new canvas, which
// the caller releases.
int Picture(const CCompareSession& session, const std::string& face, int pixels)
{
    CCanvasBitmap picture(CompareChart::kPictureWidth, CompareChart::kPictureHeight);
    {
        CCanvasSurface surface(picture);
        DrawChart(session, surface,
                  CompareChart::PictureFont(CFontSpec{face, CellForPixels(pixels), 400}, CompareChart::kPictureHeight));
    }
    return picture.Detach();
}

std::string Csv(const CCompareSession& session)
{
    return session.Csv();
}

// One run of a comparison, measured in a worker a slice at a time.
class CWebMeasurement {
public:
    explicit CWebMeasurement(const val& job) : m_run(SetupOf(job), CCompareSession::kSeconds, CCompareSession::kSeed) {}
    // Runs up to `ticks` more; true once the run is done.
    bool Advance(double ticks) { return m_run.Advance(static_cast<long long>(ticks)); }
    double TicksRun() const { return static_cast<double>(m_run.TicksRun()); }
    val Result() const { return ResultObject(m_run.Result()); }

private:
    CMeasurement m_run;
};

}

EMSCRIPTEN_BINDINGS(tarrowin_compare)
{
    emscripten::function("compareChoices", &Choices);
    emscripten::class_<CCompareSession>("CompareSession")
        .constructor<>()
        .function("start", &Start)
        .function("record", &Record)
        .function("cancel", &CCompareSession::Cancel)
        .function("view", &View)
        .function("draw", &Draw)
        .function("picture", &Picture)
        .function("csv", &Csv);
    emscripten::class_<CWebMeasurement>("Measurement")
        .constructor<val>()
        .function("advance", &CWebMeasurement::Advance)
        .function("ticksRun", &CWebMeasurement::TicksRun)
        .function("result", &CWebMeasurement::Result);
}
