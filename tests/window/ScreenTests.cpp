// What reaches the screen: after every tick the window system holds the
// view's whole composed frame and the meter's dial of the last reading, and a
// picture control its picture and the window's colour beyond it, at device
// pixel ratio 1 and (run again with QT_SCALE_FACTOR=2) at 2.
#include "WindowFixture.h"

#include "view/PictureControl.h"

#include <QBackingStore>
#include <QPaintEvent>

#include <cmath>
#include <vector>

namespace {

// A part of the window as the window system holds it. On the offscreen
// platform the backing store is an image in device pixels.
QImage OnScreen(QWidget& window, const QWidget& part, const QRect& area)
{
    QPaintDevice* device = window.backingStore()->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image)
        return {};
    const QImage& store = *static_cast<QImage*>(device);
    const qreal dpr = store.devicePixelRatio();
    const QRectF logical(part.mapTo(&window, area.topLeft()), area.size());
    const QRect pixels(QPointF(logical.topLeft() * dpr).toPoint(), (logical.size() * dpr).toSize());
    QImage image = store.copy(pixels).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    return image;
}

// Gathers the regions the view repaints.
class CPaintSpy : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// Every part of the frame that the last render changed, in device pixels,
// lies inside what was repainted, in logical pixels.
void ExpectRepaintCovers(const QRegion& painted, const std::vector<CRect>& changed, const QRect& view, qreal dpr)
{
    for (const CRect& rc : changed) {
        const QRect logical(
            QPoint(static_cast<int>(std::floor(rc.left / dpr)), static_cast<int>(std::floor(rc.top / dpr))),
            QPoint(static_cast<int>(std::ceil(rc.right / dpr)) - 1, static_cast<int>(std::ceil(rc.bottom / dpr)) - 1));
        const QRegion missed = QRegion(logical & view) - painted;
        ASSERT_TRUE(missed.isEmpty()) << "changed " << rc.left << "," << rc.top << " to " << rc.right << ","
                                      << rc.bottom << " (device) not repainted at " << missed.boundingRect().x() << ","
                                      << missed.boundingRect().y();
    }
}

}

using Screen = WindowTest;

TEST_F(Screen, EveryTickShowsTheWholeFrameAndTheMeterItsLastReading)
{
    Show();
    // Everything a frame can change: electrons, the tag ring, glow arcs and
    // labels, with three cells for the widest arcs.
    for (const int id : {CmdId::Cells3, CmdId::TagElectron, CmdId::ShowLabels})
        m_frame->OnCommand(id);
    CPictureControl& meter = *m_frame->DisplayBar()->Picture(CmdId::MeterFrame);
    const qreal dpr = View().devicePixelRatioF();

    CPaintSpy spy, meterSpy;
    View().installEventFilter(&spy);
    meter.installEventFilter(&meterSpy);
    for (int tick = 1; tick <= CCircuit::kIntroFrames + 200; ++tick) {
        spy.painted = QRegion();
        meterSpy.painted = QRegion();
        const double shown = View().Meter().LastReading();
        Tick();
        // The repaint the tick asked for, as the event loop delivers it; only
        // posted events, so that the view's own timer adds no tick.
        QCoreApplication::sendPostedEvents();
        if (tick < CCircuit::kIntroFrames - 2)
            continue;
        ExpectRepaintCovers(spy.painted, m_doc->Painter().ChangedRects(), View().rect(), dpr);
        ASSERT_TRUE(OnScreen(*m_frame, View(), View().rect()) ==
                    View().FrameImage().convertToFormat(QImage::Format_RGB32))
            << "tick " << tick << " at device pixel ratio " << dpr;
        // The needle's move is repainted where the dial sits, inside the meter's frame.
        QRect moved;
        const QImage needle = DialShowing(dpr, shown, View().Meter().LastReading(), &moved);
        ASSERT_TRUE(shown == View().Meter().LastReading() ||
                    (QRegion(moved.translated(meter.contentsRect().topLeft())) - meterSpy.painted).isEmpty())
            << "tick " << tick;
        const QRect dialArea(meter.contentsRect().topLeft(), QSize(MeterDial::kSize, MeterDial::kSize));
        ASSERT_TRUE(OnScreen(*m_frame, meter, dialArea) == needle) << "meter at tick " << tick;
    }
    EXPECT_GT(View().Meter().LastReading(), 0.0) << "the needle moved";
}

// A picture smaller than its control leaves the rest of it the window's
// colour, whatever a larger picture showed there before.
TEST(PictureOnScreen, WhereASmallerPictureDoesNotReachShowsTheWindowColour)
{
    CPictureControl control(false);
    control.resize(120, 90);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    const qreal dpr = control.devicePixelRatioF();
    for (const auto& [size, colour] :
         {std::pair{QSize(120, 90), qRgb(255, 0, 0)}, std::pair{QSize(40, 30), qRgb(0, 0, 255)}}) {
        QImage image(size * dpr, QImage::Format_RGB32);
        image.fill(colour);
        image.setDevicePixelRatio(dpr);
        control.SetImage(image);
        QCoreApplication::processEvents();
    }
    const QImage shown = OnScreen(control, control, control.rect());
    ASSERT_EQ(shown.size(), control.size() * dpr);
    const QRgb window = control.palette().color(QPalette::Window).rgb();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y), x < 40 * dpr && y < 30 * dpr ? qRgb(0, 0, 255) : window) << x << "," << y;
}
