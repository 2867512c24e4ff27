#include "WebApp.h"

#include "CanvasSurface.h"
#include "core/pictures/MeterDial.h"

#include <algorithm>

CWebApp::CWebApp(int viewCanvas) : m_nViewCanvas(viewCanvas)
{
    // The page has no logo screen: the circuit's title comes at once.
    m_lesson.SetStarted();
}

void CWebApp::ResizeView(int w, int h)
{
    m_nViewW = std::max(w, 0);
    m_nViewH = std::max(h, 0);
    {
        CCanvasSurface surface(m_nViewCanvas, m_nViewW, m_nViewH);
        m_lesson.Layout(surface, CRect{0, 0, m_nViewW, m_nViewH});
    }
    ShowDue();
}

void CWebApp::SetMeterCanvas(int handle, int side)
{
    m_nMeterCanvas = handle;
    m_nMeterSide = std::max(side, 0);
    m_dial.reset();
    DrawMeter(m_lesson.Meter().LastReading());
}

void CWebApp::DrawMeter(double reading)
{
    m_nReadingsShown = m_lesson.Readings();
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

void CWebApp::ShowDue()
{
    if (m_lesson.IsFrameDue()) {
        CCanvasSurface surface(m_nViewCanvas, m_nViewW, m_nViewH);
        m_lesson.DrawView(surface);
    }
    if (m_lesson.Readings() != m_nReadingsShown)
        DrawMeter(m_lesson.Meter().LastReading());
}

void CWebApp::Tick()
{
    m_lesson.Tick();
    ShowDue();
}

bool CWebApp::Command(int id)
{
    if (!m_lesson.Run(id))
        return false;
    ShowDue();
    return true;
}

void CWebApp::ApplySettings(const CLessonSettings& settings)
{
    m_lesson.Apply(settings);
    ShowDue();
}

void CWebApp::Relayout()
{
    m_lesson.Relayout();
    ShowDue();
}

int CWebApp::Picture(int side)
{
    side -= side % CCircuit::kGridSize;
    if (side <= 0)
        return 0;
    CCanvasBitmap picture(side, side);
    {
        CCanvasSurface surface(picture);
        m_lesson.DrawPicture(surface, side);
    }
    ShowDue();
    return picture.Detach();
}
