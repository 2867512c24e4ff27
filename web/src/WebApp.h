#pragma once

#include "WebLongRun.h"
#include "core/draw/Bitmap.h"
#include "core/lesson/Lesson.h"

#include <memory>

// The browser edition's shell around the lesson: the view's and the meter's
// canvases and the panel's long run. The page owns the timing
// (requestAnimationFrame) and asks for one tick per period; every command
// comes here by its id, and the page reads back what to show.
class CWebApp final {
public:
    explicit CWebApp(int viewCanvas);
    CWebApp(const CWebApp&) = delete;
    CWebApp& operator=(const CWebApp&) = delete;

    // The view's canvas is now w x h device pixels: the circuit is laid out again.
    void ResizeView(int w, int h);
    // The meter's canvas, side x side device pixels: the dial and needle are drawn on it.
    void SetMeterCanvas(int handle, int side);
    // One tick of the lesson, its frame and the needle.
    void Tick();
    // Any command of the lesson; false for another id.
    bool Command(int id);
    void ApplySettings(const CLessonSettings& settings);
    // The words changed: what the frame shows in words is drawn again.
    void Relayout();
    // The square drawn afresh at a side (a whole number of grid units) as a
    // new canvas the caller releases; 0 when the side is too small.
    int Picture(int side);

    CLesson& Lesson() { return m_lesson; }
    const CLesson& Lesson() const { return m_lesson; }
    CWebLongRun& LongRun() { return m_longRun; }

private:
    // Draws the frame the lesson has due, and the needle if it moved.
    void ShowDue();
    void DrawMeter(double reading);

    CLesson m_lesson;
    int m_nViewCanvas;
    int m_nViewW = 0;
    int m_nViewH = 0;
    int m_nMeterCanvas = 0;
    int m_nMeterSide = 0;
    // The dial without its needle, as many pixels square as the meter's canvas.
    std::unique_ptr<CBitmap> m_dial;
    bool m_bNeedleShown = false;
    double m_dMeterShown = 0.0;
    long long m_nReadingsShown = 0;
    CWebLongRun m_longRun;
};
