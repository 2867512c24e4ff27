#include "WebApp.h"

#include "core/pictures/MeterDial.h"
#include "core/res/CommandIds.h"
#include "core/res/ElectronPalettes.h"

#include <algorithm>

#include <cstdlib>

CWebApp::CWebApp(int viewCanvas) : m_nViewCanvas(viewCanvas)
{
    m_nKeyId = ElectronPalettes()[static_cast<std::size_t>(m_doc.GetPalette())].nKeyBitmapId;
    m_doc.SetFrame(this);
    m_doc.SetView(this);
    m_doc.OnNewDocument();
    // The page starts out showing the current circuit as it stands.
    m_doc.SelectCircuit(*m_doc.GetCurrentCircuit());
    m_nCells = m_doc.GetCurrentCircuit()->GetCells();
    FollowIntro();
}

CWebApp::~CWebApp()
{
    m_doc.SetFrame(nullptr);
    m_doc.SetView(nullptr);
}

void CWebApp::ResizeView(int w, int h)
{
    m_nViewW = std::max(w, 0);
    m_nViewH = std::max(h, 0);
    LayoutToSize();
    if (m_pace.IsPaused())
        ComposeFrame();
}

void CWebApp::SetMeterCanvas(int handle, int side)
{
    m_nMeterCanvas = handle;
    m_nMeterSide = std::max(side, 0);
    m_dial.reset();
    DrawMeter(m_meter.LastReading());
}

void CWebApp::DrawMeter(double reading)
{
    if (m_nMeterCanvas == 0 || m_nMeterSide == 0)
        return;
    CCanvasSurface surface(m_nMeterCanvas, m_nMeterSide, m_nMeterSide);
    // While the canvas holds the needle drawn last, only the needle moves.
    if (m_dial && m_dial->Width() == m_nMeterSide && m_bNeedleShown) {
        MeterDial::MoveNeedle(surface, *m_dial, m_dMeterShown, reading);
    } else {
        m_dial = MeterDial::BuildDial(surface, m_nMeterSide);
        MeterDial::DrawWithNeedle(surface, *m_dial, reading);
    }
    m_bNeedleShown = true;
    m_dMeterShown = reading;
}

void CWebApp::LayoutToSize()
{
    CCanvasSurface surface(m_nViewCanvas, m_nViewW, m_nViewH);
    m_doc.LayoutCircuit(surface, CRect{0, 0, m_nViewW, m_nViewH});
}

void CWebApp::ComposeFrame()
{
    if (m_bSyncPending) {
        m_bSyncPending = false;
        ++m_nVersion;
        LayoutToSize();
    }
    CCanvasSurface surface(m_nViewCanvas, m_nViewW, m_nViewH);
    m_doc.DrawCircuit(surface);
}

void CWebApp::Tick()
{
    m_doc.StepCircuit();
    m_describer.NoteTick(*m_doc.GetCurrentCircuit());
    m_doc.AdvanceAnimation();
    ComposeFrame();
    FollowIntro();
    if (m_meter.AddTick(m_doc.GetCurrentCircuit()->TakeSupplyCount()))
        DrawMeter(m_meter.LastReading());
    ShowCellsPicture(m_doc.GetCurrentCircuit()->GetCells());
    ++m_nTicks;
}

void CWebApp::FollowIntro()
{
    m_pace.SetIntro(m_doc.GetCurrentCircuit()->GetIntroFrames() != 0);
}

void CWebApp::SetPaused(bool paused)
{
    if (paused == m_pace.IsPaused())
        return;
    m_pace.SetPaused(paused);
    // A circuit chosen since the last tick is shown now, not at a tick that will not come.
    if (m_bSyncPending && paused)
        ComposeFrame();
    ++m_nVersion;
}

bool CWebApp::Command(int id)
{
    switch (id) {
    case CmdId::Pause: SetPaused(!m_pace.IsPaused()); return true;
    case CmdId::StepTick:
        // A remote's "." must never race on: running, it only pauses.
        if (!m_pace.IsPaused())
            SetPaused(true);
        else
            Tick();
        ++m_nVersion;
        return true;
    default: break;
    }
    if (m_pace.OnSpeedCommand(id)) {
        ++m_nVersion;
        return true;
    }
    if (!m_doc.OnCommand(id))
        return false;
    // A click on "on" or "off" leaves that button pressed.
    if (id == CmdId::SwitchOn || id == CmdId::SwitchOff)
        m_bSwitchOpen = id == CmdId::SwitchOff;
    AfterDocumentCommand();
    return true;
}

void CWebApp::AfterDocumentCommand()
{
    ++m_nVersion;
    if (m_pace.IsPaused())
        ComposeFrame();
    FollowIntro();
}

std::optional<CCommandState> CWebApp::CommandState(int id) const
{
    if (auto state = m_pace.CommandState(id))
        return state;
    return m_doc.CommandState(id);
}

void CWebApp::Relayout()
{
    m_bSyncPending = true;
    ++m_nVersion;
    if (m_pace.IsPaused())
        ComposeFrame();
}

int CWebApp::Picture(int side)
{
    side -= side % CCircuit::kGridSize;
    if (side <= 0)
        return 0;
    // Laid out and drawn standing at the side asked for, as the runner draws
    // its pictures; then the view's own frame, the same way.
    CCanvasBitmap picture(side, side);
    {
        CCanvasSurface surface(picture);
        m_doc.LayoutCircuit(surface, CRect{0, 0, side, side});
        m_doc.DrawCircuit(surface);
    }
    LayoutToSize();
    ComposeFrame();
    return picture.Detach();
}

CCircuitFacts CWebApp::Facts() const
{
    return m_describer.Facts(m_doc, m_meter.LastReading());
}

void CWebApp::SetTitle(const std::string& title)
{
    m_strTitle = title;
    ++m_nVersion;
}

void CWebApp::UpdateSwitchButtons(bool switchCircuit, bool open)
{
    m_bSwitchCircuit = switchCircuit;
    if (switchCircuit)
        m_bSwitchOpen = open;
    ++m_nVersion;
}

void CWebApp::EnableResistorButtons(bool less, bool more)
{
    m_bLess = less;
    m_bMore = more;
    ++m_nVersion;
}

void CWebApp::ShowElectronKey(int bitmapId)
{
    m_nKeyId = bitmapId;
    ++m_nVersion;
}

void CWebApp::ShowCellsPicture(int cells)
{
    if (cells != m_nCells) {
        m_nCells = cells;
        ++m_nVersion;
    }
}
