#pragma once

#include "core/description/CircuitDescription.h"
#include "core/lesson/CommandState.h"
#include "core/lesson/CurrentMeter.h"
#include "core/document/ViewLink.h"
#include "core/draw/Bitmap.h"
#include "platform/EscapeKeyRecorder.h"
#include "view/TickClock.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class CTarrowinDoc;
class IViewFrame;

// The drawing area between the bars. Its clock drives the whole program:
// after the logo screen, every tick steps the current circuit, composes a
// frame off screen and paints it in one piece, feeds the meter, redraws the
// cells picture and polls Escape. The clock's commands (pause, step, speed)
// are handled here; while paused the frame stands still and is drawn again
// only when something shown changes.
class CTarrowinView : public QWidget, public IViewLink {
public:
    static constexpr int kSplashMs = 3000;
    static constexpr int kTickMs = CTickClock::kTickMs;
    // Side of the squares, in device pixels, by which changed parts of a
    // frame are repainted.
    static constexpr int kTile = 16;

    explicit CTarrowinView(CTarrowinDoc& doc, QWidget* parent = nullptr);
    ~CTarrowinView() override;

    void SetFrame(IViewFrame* frame) { m_pFrame = frame; }

    // One timer tick; the timer calls it, tests may too. Ends the logo
    // screen when it shows; while paused it only does that.
    void OnTimer();

    // The clock's commands; false for any other id.
    bool OnCommand(int id);
    // How the menus show a clock command; none for another id.
    std::optional<CCommandState> CommandState(int id) const;
    // After a command of the document: the bar follows the circuit at once,
    // and while paused the still frame shows what the command changed.
    void AfterDocumentCommand();
    bool IsPaused() const { return m_clock.IsPaused(); }
    // Paused with a circuit shown: Step works, and changes show at once.
    bool IsStandingStill() const { return m_clock.IsPaused() && !m_bSplash; }
    const CTickClock& Clock() const { return m_clock; }

    // IViewLink
    void ShowCellsPicture(int cells) override;
    void RequestControlsSync() override { m_bSyncPending = true; }

    void SyncControlsBar();
    void DrawMeterNeedle(double reading);
    // The meter and the cells drawn again as they stand, at their controls'
    // sizes now; nothing before they were first drawn.
    void RedrawPictures();

    bool IsSplashShowing() const { return m_bSplash; }
    bool IsSyncPending() const { return m_bSyncPending; }
    // The timer's period, or 0 while it is stopped.
    int TimerInterval() const { return m_clock.IsTimerActive() ? m_clock.TimerInterval() : 0; }
    const CCurrentMeter& Meter() const { return m_meter; }
    // The last composed frame, in device pixels.
    const QImage& FrameImage() const { return m_frame; }
    // The circuit's square as the frame shows it, in device pixels.
    QRect SquareRect() const;
    // The square as shown, in device pixels; at another side, the same moment
    // drawn again at that side (a whole number of grid units). Nothing a tick
    // computes is touched.
    QImage Picture(int side);
    long long TickCount() const { return m_nTicks; }

    // A screen reader hears the circuit through the view's description and
    // the meter's value, told again at most once a second while they change.
    static constexpr int kDescribeMs = 1000;
    // Tells the screen reader what is shown now, and when it changed.
    void Describe();
    CCircuitFacts Facts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

    void resizeEvent(QResizeEvent* event) override;

private:
    QSize DeviceSize() const;
    // Lays the circuit out on a frame of the view's current size.
    void LayoutToSize();
    void DrawSplash(QPainter& painter);
    // Asks for a repaint of what the last frame changed.
    void UpdateRendered();
    // One tick: step, animation, frame, meter, cells picture, Escape.
    void Tick();
    // The circuit as it stands, after a sync the document asked for: the
    // tick's frame, or while paused the standing one after whatever changed.
    void ComposeFrame();
    // Draws the circuit over the last frame; the title's progress follows.
    void DrawFrame();
    // The window is shown: the bars' pictures can be drawn.
    void BarsReady();
    // The clock's pace follows whether the circuit's title is showing.
    void FollowIntro();
    void SetPaused(bool paused);
    // Describes at once, or when a second has passed since the last time.
    void RequestDescription();

    CTarrowinDoc& m_doc;
    IViewFrame* m_pFrame = nullptr;
    bool m_bBarsReady = false;
    bool m_bSplash = true;
    bool m_bSyncPending = false;
    // The dial without its needle, as many pixels square as the meter's canvas.
    std::unique_ptr<CBitmap> m_dial;
    QImage m_frame;
    CTickClock m_clock;
    CEscapeKeyRecorder m_escape;
    CCurrentMeter m_meter;
    long long m_nTicks = 0;
    // The cells picture as last drawn: the cells shown and its canvas's generation.
    int m_nCellsShown = 0;
    int m_nCellsGeneration = -1;
    // The meter's canvas as last drawn: its generation and the reading shown.
    int m_nMeterGeneration = -1;
    double m_dMeterShown = 0.0;
    std::vector<unsigned char> m_tiles;
    std::vector<QRect> m_tileRects;
    QElapsedTimer m_rateClock;
    QTimer m_describeTimer;
    QElapsedTimer m_describeClock;
    CCircuitDescriber m_describer;
};
