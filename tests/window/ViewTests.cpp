// The view: logo screen, the timer's ticks, the meter and resizing.
#include "WindowFixture.h"

#include "core/lesson/CurrentMeter.h"
#include "core/res/ElectronPalettes.h"
#include "view/PictureControl.h"

#include <QProgressBar>

#include <vector>

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);

template <typename Match>
int CountPixels(const QImage& image, const QRect& area, Match match)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += match(image.pixel(x, y) | 0xff000000u) ? 1 : 0;
    return count;
}

int CountGrey(const QImage& image)
{
    return CountPixels(image, image.rect(), [](QRgb c) { return c == qRgb(128, 128, 128); });
}

}

using ViewTicks = WindowTest;

TEST_F(ViewTicks, SplashShowsOnlyTheLogoCentredOnWhite)
{
    Show();
    ASSERT_TRUE(View().IsSplashShowing());
    const QImage shot = View().grab().toImage();
    const int w = shot.width();
    const int h = shot.height();
    ASSERT_GT(w, 320);
    ASSERT_GT(h, 80);
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(shot.pixel(corner) | 0xff000000u, kWhite) << corner.x() << "," << corner.y();
    const auto notWhite = [](QRgb c) { return c != kWhite; };
    const QRect logo(w / 2 - 150, h / 2 - 30, 298, 62);
    EXPECT_GT(CountPixels(shot, logo, notWhite), 298 * 62 / 20) << "no logo in the middle";
    EXPECT_EQ(CountPixels(shot, shot.rect(), notWhite), CountPixels(shot, logo, notWhite));
    // Beside it the meter shows its dial at zero and the cells picture the supply, not empty frames.
    CPictureControl& meter = *m_frame->DisplayBar()->Picture(CmdId::MeterFrame);
    EXPECT_EQ(meter.Image(), DialShowing(meter.devicePixelRatioF(), 0.0));
    const QImage cells = Controls().Picture(CmdId::CellsPicture)->Image();
    EXPECT_GT(CountPixels(cells, cells.rect(), [](QRgb c) { return qGray(c) < 96; }), 20);
}

TEST_F(ViewTicks, FirstTickEndsTheSplashAndShortensThePeriod)
{
    Show();
    EXPECT_EQ(View().TimerInterval(), 3000);
    Tick();
    EXPECT_FALSE(View().IsSplashShowing());
    EXPECT_EQ(View().TimerInterval(), 16);
    EXPECT_TRUE(m_lesson->IsStarted());
    Tick();
    EXPECT_EQ(View().TimerInterval(), 16);
}

TEST_F(ViewTicks, IntroFillsTheProgressBarThenTheBallModelShows)
{
    Show();
    Tick();
    const QImage intro = View().FrameImage();
    ASSERT_EQ(intro.size(), ViewDeviceSize());
    EXPECT_EQ(intro.pixel(View().SquareRect().topLeft()) | 0xff000000u, kWhite);
    EXPECT_EQ(CountGrey(intro), 0);

    Tick(CCircuit::kIntroFrames - 1);
    EXPECT_EQ(Controls().ProgressBar(CmdId::Progress)->value(), 100);
    Tick();
    const QImage model = View().FrameImage();
    EXPECT_GT(CountGrey(model), model.width() * model.height() / 10);
    const QImage shot = View().grab().toImage();   // what is painted is that frame
    EXPECT_GT(CountGrey(shot), shot.width() * shot.height() / 10);
}

// --- meter -------------------------------------------------------------------

using Meter = WindowTest;

TEST_F(Meter, TickMarksTruncateTowardZeroAndAreDrawn)
{
    EXPECT_EQ(MeterDial::TickMark(0), (MeterDial::CLine{100, 30, 100, 45}));
    // Rounding would give (188, 60, 179, 72) and (12, 60, 21, 72).
    EXPECT_EQ(MeterDial::TickMark(-10), (MeterDial::CLine{187, 59, 178, 71}));
    EXPECT_EQ(MeterDial::TickMark(10), (MeterDial::CLine{12, 59, 21, 71}));

    // The needle leans fully left, away from the marks on the right.
    const QImage dial = DialShowing(1.0, -1000.0);
    ASSERT_EQ(dial.size(), QSize(200, 200));
    for (int i = -10; i <= 10; ++i) {
        const MeterDial::CLine mark = MeterDial::TickMark(i);
        const QPoint middle((mark.x1 + mark.x2) / 2, (mark.y1 + mark.y2) / 2);
        EXPECT_GT(CountPixels(dial, QRect(middle - QPoint(1, 1), QSize(3, 3)), [](QRgb c) { return qGray(c) < 96; }), 0)
            << "mark " << i;
    }
}

TEST_F(Meter, NeedleIsPinnedAtTheLastMarks)
{
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(10.0), 0.4);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(1000.0), 0.65);
    EXPECT_DOUBLE_EQ(CCurrentMeter::NeedleAngle(-1000.0), -0.65);
    EXPECT_EQ(MeterDial::Needle(0.65), (MeterDial::CLine{190, 55, 124, 143}));
    EXPECT_EQ(MeterDial::Needle(-0.65), (MeterDial::CLine{9, 55, 75, 143}));

    Show();
    CPictureControl* meter = m_frame->DisplayBar()->Picture(CmdId::MeterFrame);
    ASSERT_NE(meter, nullptr);
    View().DrawMeterNeedle(1000.0);
    const QImage pinned = meter->Image().copy();
    View().DrawMeterNeedle(16.25);
    EXPECT_EQ(meter->Image(), pinned);
    View().DrawMeterNeedle(10.0);
    EXPECT_NE(meter->Image(), pinned);
}

TEST_F(Meter, RedrawnOnEveryTenthTickOnlyWithTheReadingBeforeDecay)
{
    Show();
    Tick();   // the splash's tick counts like any other
    CPictureControl* meter = m_frame->DisplayBar()->Picture(CmdId::MeterFrame);
    std::vector<int> redrawn;
    std::vector<int> expected;
    // Long enough for a reading that the decay visibly moves (about 8).
    for (int tick = 2; tick <= 200; ++tick) {
        // A red marker that only a redraw of the dial can cover.
        QImage marker(200, 200, QImage::Format_RGB32);
        marker.fill(Qt::red);
        meter->SetImage(marker);
        marker = QImage();
        Tick();
        if (tick % 10 == 0)
            expected.push_back(tick);
        if (meter->Image().pixel(0, 0) == qRgb(255, 0, 0))
            continue;
        redrawn.push_back(tick);
        const double reading = View().Meter().LastReading();
        EXPECT_DOUBLE_EQ(View().Meter().Accumulator(), reading * 0.975);
        const QImage shown = meter->Image().copy();
        View().DrawMeterNeedle(reading);
        EXPECT_EQ(meter->Image(), shown) << "tick " << tick;
    }
    EXPECT_EQ(redrawn, expected);
}

// --- resizing --------------------------------------------------------------------

using ViewResize = WindowTest;

TEST_F(ViewResize, ExtremeSizesWithTicksBetween)
{
    Show();
    const auto expectFollows = [this](const char* step) {
        Tick(3);
        EXPECT_EQ(View().FrameImage().size(), ViewDeviceSize()) << step;
    };
    View().resize(1, 1);   // laid out at once, splash or not
    EXPECT_EQ(View().FrameImage().size(), QSize(1, 1) * View().devicePixelRatioF());
    expectFollows("view 1x1");
    View().resize(0, 200);
    Tick(3);   // nothing to draw into: it only has to survive
    View().hide();
    Tick(3);
    View().show();

    m_frame->resize(1, 1);   // held at what the bars need; the view gets nothing
    Settle();
    Tick(3);
    m_frame->OnCommand(CmdId::ViewControls);
    Settle();
    expectFollows("frame at its smallest, controls hidden");
    m_frame->resize(3840, 2160);
    Settle();
    EXPECT_GT(View().width(), 3000);
    expectFollows("frame 3840x2160");
    m_frame->resize(900, 850);
    Settle();
    expectFollows("back to normal");
}

// The display bar's key shows the balls in the colours chosen.
TEST_F(ViewTicks, TheElectronKeyShowsTheChosenColours)
{
    Show();
    for (const auto& [id, palette] : {std::pair{CmdId::PaletteColourBlind, PaletteId::ColourBlind},
                                      {CmdId::PaletteStandard, PaletteId::Standard}}) {
        m_frame->OnCommand(id);
        const QImage& key = m_frame->DisplayBar()->Picture(CmdId::ElectronKey)->Image();
        const CElectronPalette& balls = ElectronPalettes()[static_cast<std::size_t>(palette)];
        for (const CPaletteRgb& c : {balls.normal, balls.gain.level10, balls.loss.level10})
            EXPECT_GT(CountPixels(key, key.rect(),
                                  [c](QRgb p) {
                                      return std::abs(qRed(p) - c.r) + std::abs(qGreen(p) - c.g) +
                                                 std::abs(qBlue(p) - c.b) <
                                             12;
                                  }),
                      0)
                << palette << ": " << c.r << "," << c.g << "," << c.b;
    }
}
