#pragma once

#include "core/description/CircuitDescription.h"
#include "core/lesson/CurrentMeter.h"
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

class CLesson;
class IViewFrame;

// The drawing area between the bars. Its clock drives the lesson: after the
// logo screen, every tick of the lesson's pace ticks the lesson, composes
// its frame off screen and paints what changed, moves the meter's needle,
// redraws the cells picture and polls Escape. While paused the frame stands
// still and is drawn again only when the lesson has one due.
class CTarrowinView : public QWidget {
public:
    static constexpr int kSplashMs = 3000;
    static constexpr int kTickMs = CTickClock::kTickMs;
    // Side of the squares, in device pixels, by which changed parts of a
    // frame are repainted.
    static constexpr int kTile = 16;

    explicit CTarrowinView(CLesson& lesson, QWidget* parent = nullptr);
    ~CTarrowinView() override;

    void SetFrame(IViewFrame* frame) { m_pFrame = frame; }

    // One timer tick; the timer calls it, tests may too. Ends the logo
    // screen when it shows; while paused it only does that.
    void OnTimer();

    // After a command of the lesson: the clock follows its pace, and a frame
    // it has due (a Step, or a change while paused) is shown at once.
    void AfterCommand();
    bool IsPaused() const;
    // Paused with a circuit shown: Step works, and changes show at once.
    bool IsStandingStill() const;

    void ShowCellsPicture(int cells);
    void DrawMeterNeedle(double reading);
    // The meter and the cells drawn again as they stand, at their controls'
    // sizes now; nothing before they were first drawn.
    void RedrawPictures();

    bool IsSplashShowing() const { return m_bSplash; }
    // The timer's period, or 0 while it is stopped.
    int TimerInterval() const { return m_clock.IsTimerActive() ? m_clock.TimerInterval() : 0; }
    const CCurrentMeter& Meter() const;
    // The last composed frame, in device pixels.
    const QImage& FrameImage() const { return m_frame; }
    // The circuit's square as the frame shows it, in device pixels.
    QRect SquareRect() const;
    // The square as shown, in device pixels; at another side, the same moment
    // drawn again at that side (a whole number of grid units). Nothing a tick
    // computes is touched.
    QImage Picture(int side);
    long long TickCount() const;

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
    // One tick: the lesson's, its frame, meter, cells picture, Escape.
    void Tick();
    // The frame the lesson has due, drawn and repainted where it changed.
    void ComposeFrame();
    // What the lesson has due: its frame, the clock's period, the needle, the cells, the description.
    void ShowDue();
    // The window is shown: the bars' pictures can be drawn.
    void BarsReady();
    // Describes at once, or when a second has passed since the last time.
    void RequestDescription();

    CLesson& m_lesson;
    IViewFrame* m_pFrame = nullptr;
    bool m_bBarsReady = false;
    bool m_bSplash = true;
    // The dial without its needle, as many pixels square as the meter's canvas.
    std::unique_ptr<CBitmap> m_dial;
    QImage m_frame;
    CTickClock m_clock;
    CEscapeKeyRecorder m_escape;
    // The meter's readings when the needle was last drawn.
    long long m_nReadingsShown = -1;
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
};
