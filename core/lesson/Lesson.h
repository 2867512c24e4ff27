#pragma once

#include "core/description/CircuitDescription.h"
#include "core/document/TarrowinDoc.h"
#include "core/draw/Rect.h"
#include "core/lesson/CommandState.h"
#include "core/lesson/CurrentMeter.h"
#include "core/lesson/LessonSettings.h"
#include "core/lesson/TickPace.h"

#include <optional>
#include <string>
#include <vector>

class CDrawSurface;

// What a lesson is, whatever shows it: the circuits, the pace, the meter,
// the screen reader's facts, the bars shown, every command with its state,
// and the settings as one value. A shell (the desktop's window, the page,
// the runner) feeds it time, input and a surface, and reads back what to
// show; Version() changes whenever something shown around the view may
// have changed.
//
// A tick: the circuit steps, the describer notes it, the animation moves on,
// the meter adds the supply's count, the pace follows the title, and the
// next frame is due.
class CLesson final {
public:
    CLesson();
    ~CLesson();
    CLesson(const CLesson&) = delete;
    CLesson& operator=(const CLesson&) = delete;

    // The logo has gone: ticks and Step can come.
    void SetStarted();
    bool IsStarted() const { return m_bStarted; }
    void Tick();
    // Paused with a circuit shown: Step adds one tick, and changes show at once.
    bool CanStep() const { return m_bStarted && m_pace.IsPaused(); }

    // Any command of the lesson; false for another (the shell's own).
    bool Run(int id);
    // How menus, buttons and keys show a command; none for the shell's own.
    std::optional<CCommandState> State(int id) const;

    // The view's size, on its surface: the circuit is laid out again.
    void Layout(CDrawSurface& dc, const CRect& rect);
    // Draws the circuit as it stands (the tick's frame, or the one standing
    // while paused), laid out again first where the circuit changed; it
    // changes nothing a tick computes.
    void DrawView(CDrawSurface& dc);
    // A frame is waiting to be drawn (a tick, or a change while paused).
    bool IsFrameDue() const { return m_bFrameDue; }
    // What the last DrawView changed, in device pixels.
    const std::vector<CRect>& ChangedRects() const;
    CRect Square() const;
    // The square standing at a side (a whole number of grid units) on a
    // surface of that size; the view is laid out again at its next frame.
    void DrawPicture(CDrawSurface& dc, int side);
    // The words changed: what the frame shows in words is drawn again.
    void Relayout();

    int Version() const { return m_nVersion; }
    long long Ticks() const { return m_nTicks; }
    // How far the circuit's title has come, 0 to 100.
    int Progress() const { return Circuit().IntroProgress(); }
    const std::string& Title() const { return m_doc.GetTitle(); }
    const CTickPace& Pace() const { return m_pace; }
    const CCurrentMeter& Meter() const { return m_meter; }
    // How many readings the meter has given: the needle moves when it changes.
    long long Readings() const { return m_nReadings; }
    // The supply's cells, negative while turned round: the cells picture.
    int Cells() const;
    // The display bar's key to the balls' colours.
    int ElectronKeyId() const;
    CCircuitFacts Facts() const;
    const CCircuitRates& Rates() const { return m_doc.Rates(); }
    CMeasureSetup CurrentSetup() const { return m_doc.CurrentSetup(); }
    const CCircuit& Circuit() const { return *m_doc.GetCurrentCircuit(); }
    const CTarrowinDoc& Doc() const { return m_doc; }

    CLessonSettings Settings() const;
    // Routes the commands that make each setting that differs, so that the
    // result is what the user's own clicks would make.
    void Apply(const CLessonSettings& settings);

private:
    void SetPaused(bool paused);
    void FollowIntro();
    // While time stands still, what changed is drawn at once: the standing frame is due.
    void StandStill();
    // After a command: the version moves on, and the pace follows the title.
    void Changed();
    bool ShowsBar(int id) const;

    CTarrowinDoc m_doc;
    CTickPace m_pace;
    CCurrentMeter m_meter;
    CCircuitDescriber m_describer;
    bool m_bStarted = false;
    bool m_bFrameDue = true;
    bool m_bLaidOut = false;
    CRect m_rcView;
    long long m_nTicks = 0;
    long long m_nReadings = 0;
    int m_nVersion = 0;
    bool m_bChooser = true;
    bool m_bControls = true;
    bool m_bDisplay = true;
    bool m_bMeasurements = false;
};
