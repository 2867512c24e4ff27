#include "core/lesson/Lesson.h"

#include "core/circuits/CircuitCatalogue.h"
#include "core/res/CommandIds.h"
#include "core/res/ElectronPalettes.h"

#include <cstdlib>

CLesson::CLesson()
{
    FollowIntro();
}

CLesson::~CLesson() = default;

void CLesson::SetStarted()
{
    if (m_bStarted)
        return;
    m_bStarted = true;
    // Paused during the logo: the circuit's first frame, standing.
    m_bFrameDue = true;
    FollowIntro();
    ++m_nVersion;
}

void CLesson::Tick()
{
    m_doc.StepCircuit();
    m_describer.NoteTick(Circuit());
    m_doc.AdvanceAnimation();
    m_bFrameDue = true;
    if (m_meter.AddTick(m_doc.GetCurrentCircuit()->TakeSupplyCount()))
        ++m_nReadings;
    ++m_nTicks;
}

void CLesson::FollowIntro()
{
    const bool intro = Circuit().GetIntroFrames() != 0;
    if (intro == m_pace.IsIntro())
        return;
    m_pace.SetIntro(intro);
    ++m_nVersion;
}

void CLesson::SetPaused(bool paused)
{
    if (paused == m_pace.IsPaused())
        return;
    m_pace.SetPaused(paused);
    // A circuit chosen since the last tick is shown now, not at a tick that will not come.
    StandStill();
    ++m_nVersion;
}

void CLesson::StandStill()
{
    if (CanStep())
        m_bFrameDue = true;
}

void CLesson::Changed()
{
    ++m_nVersion;
    StandStill();
    FollowIntro();
}

bool CLesson::ShowsBar(int id) const
{
    switch (id) {
    case CmdId::ViewChooser: return m_bChooser;
    case CmdId::ViewControls: return m_bControls;
    case CmdId::ViewDisplay: return m_bDisplay;
    default: return m_bMeasurements;
    }
}

bool CLesson::Run(int id)
{
    switch (id) {
    case CmdId::ViewChooser: m_bChooser = !m_bChooser; break;
    case CmdId::ViewControls: m_bControls = !m_bControls; break;
    case CmdId::ViewDisplay: m_bDisplay = !m_bDisplay; break;
    case CmdId::ViewMeasurements: m_bMeasurements = !m_bMeasurements; break;
    case CmdId::Pause: SetPaused(!m_pace.IsPaused()); return true;
    case CmdId::StepTick:
        // A remote's "." must never race on: running, it only pauses.
        if (!m_pace.IsPaused())
            SetPaused(true);
        else if (CanStep())
            Tick();
        break;
    case CmdId::ResistanceDown:
    case CmdId::ResistanceUp:
        // Greyed where the variable resistor is not shown, or at its end.
        if (!m_doc.CanChangeResistance(id))
            return true;
        m_doc.OnCommand(id);
        Changed();
        return true;
    default:
        if (m_pace.OnSpeedCommand(id))
            break;
        if (!m_doc.OnCommand(id))
            return false;
        Changed();
        return true;
    }
    ++m_nVersion;
    return true;
}

std::optional<CCommandState> CLesson::State(int id) const
{
    switch (id) {
    case CmdId::ViewChooser:
    case CmdId::ViewControls:
    case CmdId::ViewDisplay:
    case CmdId::ViewMeasurements: return CCommandState{true, ShowsBar(id)};
    default: break;
    }
    if (auto state = m_pace.CommandState(id))
        return state;
    return m_doc.CommandState(id);
}

void CLesson::Layout(CDrawSurface& dc, const CRect& rect)
{
    m_rcView = rect;
    m_bLaidOut = true;
    m_doc.LayoutCircuit(dc, rect);
    StandStill();
}

void CLesson::DrawView(CDrawSurface& dc)
{
    if (m_doc.TakeLayoutDue() || !m_bLaidOut)
        Layout(dc, m_rcView);
    m_doc.DrawCircuit(dc);
    m_bFrameDue = false;
    FollowIntro();
}

const std::vector<CRect>& CLesson::ChangedRects() const
{
    return m_doc.Painter().ChangedRects();
}

CRect CLesson::Square() const
{
    return m_doc.Painter().Grid().SquareRect();
}

void CLesson::DrawPicture(CDrawSurface& dc, int side)
{
    m_doc.LayoutCircuit(dc, CRect{0, 0, side, side});
    m_doc.DrawCircuit(dc);
    // The view's own frame, laid out at its size again.
    m_bLaidOut = false;
    m_bFrameDue = true;
}

void CLesson::Relayout()
{
    m_bLaidOut = false;
    StandStill();
    ++m_nVersion;
}

int CLesson::Cells() const
{
    return Circuit().GetCells();
}

int CLesson::ElectronKeyId() const
{
    return ElectronPalettes()[static_cast<std::size_t>(m_doc.GetPalette())].nKeyBitmapId;
}

CCircuitFacts CLesson::Facts() const
{
    return m_describer.Facts(m_doc, m_meter.LastReading());
}

CLessonSettings CLesson::Settings() const
{
    const CCircuit& c = Circuit();
    CLessonSettings s;
    const auto catalogue = CircuitCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (m_doc.CircuitForCommand(catalogue[i].nCommandId) == &c)
            s.circuit = static_cast<int>(i) + 1;
    s.display = c.GetDisplayMode();
    s.labels = c.GetShowLabels();
    s.cells = std::abs(c.GetCells());
    s.reversed = c.IsReversed();
    s.vary = c.GetVaryMeanSpeed();
    s.pulsate = c.GetPulsate();
    s.switchOpen = c.IsSwitchOpen();
    s.resistor = m_doc.VariableResistorCircuit().ResistanceStep();
    s.palette = m_doc.GetPalette();
    s.slowdown = m_pace.Slowdown();
    s.chooser = m_bChooser;
    s.controls = m_bControls;
    s.displayBar = m_bDisplay;
    s.measurements = m_bMeasurements;
    return s;
}

void CLesson::Apply(const CLessonSettings& wanted)
{
    // The circuit first: a new circuit takes the display and labels of the one before.
    if (wanted.circuit != Settings().circuit)
        Run(CircuitCatalogue()[static_cast<std::size_t>(wanted.circuit - 1)].nCommandId);
    const CLessonSettings now = Settings();
    const auto toggle = [this](bool want, bool have, int id) {
        if (want != have)
            Run(id);
    };
    if (wanted.display != now.display)
        Run(CmdId::kDisplays[static_cast<std::size_t>(wanted.display)]);
    toggle(wanted.labels, now.labels, CmdId::ShowLabels);
    if (wanted.cells != now.cells)
        Run(CmdId::kCells[static_cast<std::size_t>(wanted.cells)]);
    toggle(wanted.reversed, now.reversed, CmdId::SwitchPolarity);
    toggle(wanted.vary, now.vary, CmdId::VaryMeanSpeed);
    toggle(wanted.pulsate, now.pulsate, CmdId::Pulsate);
    if (wanted.switchOpen != now.switchOpen)
        Run(wanted.switchOpen ? CmdId::SwitchOff : CmdId::SwitchOn);
    // The variable resistor keeps its setting whichever circuit is shown.
    for (int presses = 0; presses <= CBulbVariableResistorCircuit::kResistanceSteps; ++presses) {
        const int step = m_doc.VariableResistorCircuit().ResistanceStep();
        if (step == wanted.resistor)
            break;
        m_doc.OnCommand(wanted.resistor > step ? CmdId::ResistanceUp : CmdId::ResistanceDown);
        Changed();
    }
    if (wanted.palette != now.palette)
        Run(CmdId::kPalettes[static_cast<std::size_t>(wanted.palette)]);
    if (wanted.slowdown != now.slowdown)
        m_pace.SetSlowdown(wanted.slowdown);
    m_bChooser = wanted.chooser;
    m_bControls = wanted.controls;
    m_bDisplay = wanted.displayBar;
    m_bMeasurements = wanted.measurements;
    ++m_nVersion;
}
