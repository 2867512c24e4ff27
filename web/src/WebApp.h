#pragma once

#include "CanvasSurface.h"
#include "WebLongRun.h"
#include "core/description/CircuitDescription.h"
#include "core/lesson/CommandState.h"
#include "core/lesson/CurrentMeter.h"
#include "core/document/TarrowinDoc.h"
#include "core/lesson/TickPace.h"

#include <memory>
#include <optional>
#include <string>

// The browser edition's counterpart of the desktop's view and the parts of
// its main window the document talks to: the document, the clock's state
// (pause, step, speed), the frame on the view's canvas, the meter and what
// the page shows around them. The page owns the timing (requestAnimationFrame)
// and asks for one tick per period; every command comes here by its id.
class CWebApp final : public IFrameLink, public IViewLink {
public:
    explicit CWebApp(int viewCanvas);
    ~CWebApp();
    CWebApp(const CWebApp&) = delete;
    CWebApp& operator=(const CWebApp&) = delete;

    // The view's canvas is now w x h device pixels: the circuit is laid out again.
    void ResizeView(int w, int h);
    // The meter's canvas, side x side device pixels: the dial and needle are drawn on it.
    void SetMeterCanvas(int handle, int side);
    // One tick: step, animation, frame, meter.
    void Tick();
    // Any command of the clock or the document; false for another id.
    bool Command(int id);
    std::optional<CCommandState> CommandState(int id) const;
    // The words changed: what the frame shows in words is drawn again.
    void Relayout();
    // The square drawn afresh at a side (a whole number of grid units) as a
    // new canvas the caller releases; 0 when the side is too small.
    int Picture(int side);

    bool IsPaused() const { return m_pace.IsPaused(); }
    int Slowdown() const { return m_pace.Slowdown(); }
    // Milliseconds from one tick to the next now; 0 while paused.
    int TickPeriodMs() const { return m_pace.PeriodMs(); }
    long long Ticks() const { return m_nTicks; }
    // Changes whenever something the page shows around the view may have changed.
    int Version() const { return m_nVersion; }
    // How far the current circuit's title page has come, 0 to 100.
    int Progress() const { return m_doc.GetCurrentCircuit()->IntroProgress(); }
    const std::string& Title() const { return m_strTitle; }
    bool IsSwitchCircuit() const { return m_bSwitchCircuit; }
    bool IsSwitchOpen() const { return m_bSwitchOpen; }
    bool CanLessResistance() const { return m_bLess; }
    bool CanMoreResistance() const { return m_bMore; }
    int ElectronKeyId() const { return m_nKeyId; }
    double MeterReading() const { return m_meter.LastReading(); }
    CCircuitFacts Facts() const;

    CTarrowinDoc& Doc() { return m_doc; }
    const CTarrowinDoc& Doc() const { return m_doc; }
    CWebLongRun& LongRun() { return m_longRun; }

    // IFrameLink
    void SetTitle(const std::string& title) override;
    void UpdateSwitchButtons(bool switchCircuit, bool open) override;
    void EnableResistorButtons(bool less, bool more) override;
    void ShowElectronKey(int bitmapId) override;
    // IViewLink
    void ShowCellsPicture(int cells) override;
    void RequestControlsSync() override { m_bSyncPending = true; }

private:
    void LayoutToSize();
    // The circuit as it stands (the tick's frame, or the standing one while
    // paused), after a layout the document asked for.
    void ComposeFrame();
    void AfterDocumentCommand();
    void SetPaused(bool paused);
    void FollowIntro();
    void DrawMeter(double reading);

    CTarrowinDoc m_doc;
    int m_nViewCanvas;
    int m_nViewW = 0;
    int m_nViewH = 0;
    CTickPace m_pace;
    bool m_bSyncPending = false;
    long long m_nTicks = 0;
    int m_nVersion = 0;
    CCurrentMeter m_meter;
    CCircuitDescriber m_describer;
    int m_nMeterCanvas = 0;
    int m_nMeterSide = 0;
    // The dial without its needle, as many pixels square as the meter's canvas.
    std::unique_ptr<CBitmap> m_dial;
    bool m_bNeedleShown = false;
    double m_dMeterShown = 0.0;

    CWebLongRun m_longRun;
    std::string m_strTitle;
    bool m_bSwitchCircuit = false;
    bool m_bSwitchOpen = false;
    bool m_bLess = false;
    bool m_bMore = false;
    int m_nKeyId = 0;
    int m_nCells = 0;
};
