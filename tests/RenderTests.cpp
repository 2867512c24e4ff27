#include "TestSupport.h"

#include "core/circuits/SingleBulbCircuit.h"
#include "core/draw/RecordingSurface.h"
#include "core/render/BallSprite.h"
#include "core/render/CircuitPainter.h"
#include "core/render/GridCanvas.h"
#include "core/sim/Pulse.h"
#include "platform/RasterSurface.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr Colour kGreen = Rgb(0, 255, 0);
constexpr Colour kGrey = Rgb(128, 128, 128);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr int kCopy = static_cast<int>(RasterOp::Copy);
constexpr int kAnd = static_cast<int>(RasterOp::And);

// The Single Bulb with its protected state opened up for inspection, and an
// optional fixed energy level so every jitter row can be reached.
class CTestBulb : public CSingleBulbCircuit {
public:
    using CCircuit::SetIntroFrames;

    int EnergyLevel(const CElectron& e) const override
    {
        return m_nForcedLevel >= 0 ? m_nForcedLevel : CSingleBulbCircuit::EnergyLevel(e);
    }
    // Releases append to the list; tests add arcs directly.
    CGlowList& GlowList() { return const_cast<CGlowList&>(Glow()); }

    int m_nForcedLevel = -1;
};

Colour At(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return Rgb(qRed(p), qGreen(p), qBlue(p));
}

const QImage& ImageOf(const CBitmap* bmp)
{
    return dynamic_cast<const CRasterBitmap&>(*bmp).Image();
}

int IdOf(const CBitmap* bmp)
{
    return dynamic_cast<const CRecordingBitmap&>(*bmp).Id();
}

int CountColour(const QImage& image, Colour cr, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1)
{
    if (x1 < 0)
        x1 = image.width();
    if (y1 < 0)
        y1 = image.height();
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            n += At(image, x, y) == cr ? 1 : 0;
    return n;
}

// The shaded colour of the ball at offset (i, j) from its centre, from the
// lighting rule: t is the cosine between the sphere's normal and the light
// L = (-2, -4, 15), got from the squared distance between L and the normal
// (the form the drawing uses, so ties at whole numbers truncate alike);
// diffuse 0.8t + 0.2 kept within 0.2..1; highlight 180 t^50.
Colour ExpectedShade(int i, int j, int r, Colour base)
{
    const double nx = double(i) / r;
    const double ny = double(j) / r;
    const double nz = std::sqrt(1.0 - nx * nx - ny * ny);
    const auto sq = [](double v) { return v * v; };
    const double d2 = sq(-2.0 - nx) + sq(-4.0 - ny) + sq(15.0 - nz);
    const double t = (245.0 + 1.0 - d2) * 0.5 / std::sqrt(245.0);
    double diffuse = 0.8 * t + 0.2;
    if (diffuse < 0.2)
        diffuse = 0.2;
    if (diffuse > 1.0)
        diffuse = 1.0;
    double highlight = 180.0 * std::pow(t, 50.0);
    if (highlight > 180.0)
        highlight = 180.0;
    const auto channel = [&](int c) {
        const double v = c * diffuse > highlight ? c * diffuse : highlight;
        return static_cast<int>(v) % 256;
    };
    return Rgb(channel(base.r), channel(base.g), channel(base.b));
}

void ExpectSpriteMatchesRule(const CBallSprite& sprite, int r, Colour base)
{
    ASSERT_EQ(sprite.GetRadius(), r);
    ASSERT_EQ(sprite.GetSize(), 2 * r + 1);
    const QImage& image = ImageOf(sprite.Image());
    const QImage& mask = ImageOf(sprite.Mask());
    ASSERT_EQ(image.width(), 2 * r + 1);
    ASSERT_EQ(image.height(), 2 * r + 1);
    ASSERT_EQ(mask.size(), image.size());
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i) {
            const bool inside = i * i + j * j < r * r;
            EXPECT_EQ(At(mask, r + i, r + j), inside ? kBlack : kWhite) << "mask " << i << "," << j;
            EXPECT_EQ(At(image, r + i, r + j), inside ? ExpectedShade(i, j, r, base) : kBlack)
                << "image " << i << "," << j;
        }
}

// A circuit with the program's fresh electrons and labels.
class RenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RestartProgramState();
        c.BuildLabels();
    }

    // One electron of our own, at (x, y), with or without the supply's energy.
    CElectron& OnlyElectron(double x, double y, bool charged)
    {
        c.Electrons().clear();
        CElectron& e = c.Electrons().emplace_back(x, y, 0.0, 0.0);
        e.m_bHalf1 = e.m_bHalf2 = charged;
        return e;
    }

    // Lays out on a recording surface and forgets what that recorded.
    void LayoutRecording(int w, int h)
    {
        rec = std::make_unique<CRecordingSurface>(w, h);
        painter.Layout(c, *rec, CRect{0, 0, w, h});
        rec->Clear();
    }

    // A tick's animation and frame, as the program draws them.
    void Tick(CDrawSurface& dc)
    {
        c.AdvanceAnimation();
        painter.Draw(c, dc);
    }
    // A tick's electrons alone, and its arcs alone, past the title page.
    void ElectronsTick()
    {
        c.SetIntroFrames(0);
        c.AdvanceAnimation();
        painter.DrawElectrons(c, *rec);
    }
    void GlowTick()
    {
        c.SetIntroFrames(0);
        c.AdvanceAnimation();
        painter.DrawGlow(c, *rec);
    }

    // The ids of the images stamped (the OR transfers) since the last Clear.
    std::vector<int> StampedImages() const
    {
        std::vector<int> ids;
        for (const CDrawCall& call : rec->CallsOf("BitBlt"))
            if (call.args[7] == static_cast<int>(RasterOp::Or))
                ids.push_back(call.args[4]);
        return ids;
    }

    // F, D, N (flash, dim, normal) for each frame of one electron.
    std::string FlashSequence(int frames)
    {
        std::string seq;
        for (int k = 0; k < frames; ++k) {
            rec->Clear();
            ElectronsTick();
            const std::vector<int> ids = StampedImages();
            EXPECT_EQ(ids.size(), 1u);
            if (ids.empty())
                return seq;
            seq += ids[0] == IdOf(painter.Sprites().Flash().Image())    ? 'F'
                   : ids[0] == IdOf(painter.Sprites().Dim().Image())    ? 'D'
                   : ids[0] == IdOf(painter.Sprites().Normal().Image()) ? 'N'
                                                                        : '?';
        }
        return seq;
    }

    CTestBulb c;
    CCircuitPainter painter;
    std::unique_ptr<CRecordingSurface> rec;
};

}

// --- shaded balls ---

TEST(BallSprite, BuildShadesEveryPixelOfRadius4)
{
    QImage target(1, 1, QImage::Format_RGB32);
    CRasterSurface dc(target);
    CBallSprite sprite;
    sprite.Build(dc, 4, kGreen);
    EXPECT_EQ(sprite.GetColour(), kGreen);
    ExpectSpriteMatchesRule(sprite, 4, kGreen);
    // Worked by hand: at the centre t = 15 / sqrt(245) = 0.9583, so green is
    // 255 * 0.9667 = 246.5 and the highlight 180 * t^50 = 21.4 shows in red and blue.
    EXPECT_EQ(At(ImageOf(sprite.Image()), 4, 4), Rgb(21, 246, 21));
    EXPECT_EQ(At(ImageOf(sprite.Image()), 3, 3), Rgb(122, 253, 122));
}

TEST(BallSprite, BuildShadesLargerBallsWithHighlightAndShadowClamp)
{
    QImage target(1, 1, QImage::Format_RGB32);
    CRasterSurface dc(target);
    CBallSprite sprite;
    sprite.Build(dc, 8, kGreen);
    ExpectSpriteMatchesRule(sprite, 8, kGreen);
    // Where the normal points almost at the light the highlight wins in red and blue.
    EXPECT_EQ(At(ImageOf(sprite.Image()), 7, 6), Rgb(179, 254, 179));

    // Radius 10 reaches the lower right where t < 0 and diffuse is held at 0.2.
    CBallSprite flash;
    flash.Build(dc, 10, Rgb(210, 255, 210));
    ExpectSpriteMatchesRule(flash, 10, Rgb(210, 255, 210));
    EXPECT_EQ(At(ImageOf(flash.Image()), 19, 14), Rgb(42, 51, 42));
    // At (8, -4) t is exactly 3/7, so red is 210 * 3.8 / 7 = 114 on the nose.
    EXPECT_EQ(At(ImageOf(flash.Image()), 18, 6), Rgb(114, 138, 114));
}

TEST(BallSprite, RadiusZeroIsOneInvisiblePixel)
{
    QImage target(1, 1, QImage::Format_RGB32);
    CRasterSurface dc(target);
    CBallSprite sprite;
    sprite.Build(dc, 0, kGreen);
    EXPECT_EQ(sprite.GetSize(), 1);
    ASSERT_NE(sprite.Mask(), nullptr);
    EXPECT_EQ(sprite.Mask()->Width(), 1);
    EXPECT_EQ(At(ImageOf(sprite.Mask()), 0, 0), kWhite);
    EXPECT_EQ(At(ImageOf(sprite.Image()), 0, 0), kBlack);

    QImage canvas(3, 3, QImage::Format_RGB32);
    canvas.fill(QColor(9, 99, 199));
    const QImage before = canvas.copy();
    CRasterSurface on(canvas);
    sprite.Draw(on, 1, 1);
    EXPECT_EQ(canvas, before);
}

TEST(BallSprite, RadiusAboveLimitKeepsThePreviousBitmaps)
{
    QImage target(1, 1, QImage::Format_RGB32);
    CRasterSurface dc(target);
    CBallSprite sprite;
    sprite.Build(dc, 4, kGreen);
    const CBitmap* mask = sprite.Mask();
    const CBitmap* image = sprite.Image();
    sprite.Build(dc, 101, Rgb(255, 0, 0));
    EXPECT_EQ(sprite.GetRadius(), 4);
    EXPECT_EQ(sprite.GetSize(), 9);
    EXPECT_EQ(sprite.GetColour(), kGreen);
    EXPECT_EQ(sprite.Mask(), mask);
    EXPECT_EQ(sprite.Image(), image);
    EXPECT_EQ(At(ImageOf(image), 4, 4), Rgb(21, 246, 21));

    sprite.Build(dc, 100, Rgb(255, 0, 0));
    EXPECT_EQ(sprite.GetSize(), 201);
    EXPECT_EQ(sprite.Image()->Width(), 201);
}

TEST(BallSprite, DrawStampsTheDiscCentredAndLeavesTheRest)
{
    QImage target(1, 1, QImage::Format_RGB32);
    CRasterSurface dc(target);
    CBallSprite sprite;
    sprite.Build(dc, 4, kGreen);
    const QImage& image = ImageOf(sprite.Image());

    // In the middle and partly off the left and bottom edges.
    const int centres[][2] = {{10, 10}, {1, 18}, {19, 0}};
    for (const auto& at : centres) {
        const Colour back = Rgb(50, 60, 70);
        QImage canvas(20, 20, QImage::Format_RGB32);
        canvas.fill(QColor(back.r, back.g, back.b));
        CRasterSurface on(canvas);
        sprite.Draw(on, at[0], at[1]);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const int i = x - at[0];
                const int j = y - at[1];
                const bool inDisc = i * i + j * j < 16;
                const Colour want = inDisc ? At(image, 4 + i, 4 + j) : back;
                ASSERT_EQ(At(canvas, x, y), want) << x << "," << y << " for centre " << at[0] << "," << at[1];
            }
        EXPECT_EQ(At(canvas, at[0], at[1]), Rgb(21, 246, 21));
    }
}

TEST(BallSprite, DrawBeforeBuildDoesNothing)
{
    CBallSprite sprite;
    CRecordingSurface dc(10, 10);
    sprite.Draw(dc, 5, 5);
    EXPECT_TRUE(dc.Calls().empty());
}

// --- layout ---

TEST_F(RenderTest, WideWindowCentresTheSquareHorizontally)
{
    QImage target(600, 400, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 600, 400});
    EXPECT_EQ(painter.Grid().unit, 16);
    EXPECT_EQ(painter.Grid().offsetX, 100);
    EXPECT_EQ(painter.Grid().offsetY, 0);
    EXPECT_EQ(painter.Grid().square, 400);
    EXPECT_EQ(painter.Sprites().Normal().GetRadius(), 4);
    EXPECT_EQ(painter.Sprites().Normal().GetSize(), 9);
    EXPECT_EQ(painter.Grid().font.nHeight, 12);
    EXPECT_EQ(painter.Grid().font.strFace, "Arial Black");
    EXPECT_EQ(painter.Grid().client, (CRect{0, 0, 600, 400}));
    ASSERT_NE(painter.Background(), nullptr);
    EXPECT_EQ(painter.Background()->Width(), 600);
    EXPECT_EQ(painter.Background()->Height(), 400);
    // The background reached the window: black beside the square, grey inside it
    // around the ring, black conductor.
    EXPECT_EQ(At(target, 5, 5), kBlack);
    EXPECT_EQ(At(target, 100 + 5, 5), kGrey);
    EXPECT_EQ(At(target, 100 + 16 * 3 + 3, 16 * 10), kBlack);
}

TEST_F(RenderTest, TallWindowCentresTheSquareVertically)
{
    QImage target(401, 650, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 401, 650});
    EXPECT_EQ(painter.Grid().unit, 16);
    // The grid's 400-pixel square, centred: the odd pixels split either side.
    EXPECT_EQ(painter.Grid().offsetX, 0);
    EXPECT_EQ(painter.Grid().offsetY, 125);
    EXPECT_EQ(painter.Grid().square, 401);
    EXPECT_EQ(painter.Grid().SquareRect(), (CRect{0, 125, 400, 525}));
    EXPECT_EQ(painter.Sprites().Normal().GetRadius(), 4);
}

TEST_F(RenderTest, SpriteColoursFollowTheEnergyCues)
{
    LayoutRecording(600, 400);
    EXPECT_EQ(painter.Sprites().Normal().GetColour(), Rgb(0, 255, 0));
    EXPECT_EQ(painter.Sprites().Flash().GetColour(), Rgb(210, 255, 210));
    EXPECT_EQ(painter.Sprites().Dim().GetColour(), Rgb(0, 64, 0));
    EXPECT_EQ(painter.Sprites().Gain(1).GetColour(), Rgb(0, 230, 25));
    EXPECT_EQ(painter.Sprites().Gain(10).GetColour(), Rgb(0, 5, 250));
    EXPECT_EQ(painter.Sprites().Loss(1).GetColour(), Rgb(25, 174, 0));
    EXPECT_EQ(painter.Sprites().Loss(10).GetColour(), Rgb(250, 12, 0));
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(painter.Sprites().Gain(i).GetRadius(), 4);
        EXPECT_EQ(painter.Sprites().Loss(i).GetRadius(), 4);
    }
}

TEST_F(RenderTest, SpritesAreRebuiltOnlyByBallModelLayouts)
{
    LayoutRecording(600, 400);
    c.SetDisplayMode(DisplayMode::Diagram);
    LayoutRecording(1200, 1000);
    EXPECT_EQ(painter.Grid().unit, 40);
    EXPECT_EQ(painter.Sprites().Normal().GetRadius(), 4);
    c.SetDisplayMode(DisplayMode::BallModel);
    LayoutRecording(1200, 1000);
    EXPECT_EQ(painter.Sprites().Normal().GetRadius(), 10);
    EXPECT_EQ(painter.Sprites().Loss(7).GetRadius(), 10);
}

TEST_F(RenderTest, LabelsAreDrawnOnlyInTheBallModel)
{
    c.ToggleLabels();
    rec = std::make_unique<CRecordingSurface>(600, 400);
    painter.Layout(c, *rec, CRect{0, 0, 600, 400});
    // In the background, then each in the layer laid over the frames.
    const auto texts = rec->CallsOf("DrawTextCentred");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], (CDrawCall{"DrawTextCentred", {260, 0, 340, 32}, "power supply"}));
    EXPECT_EQ(texts[1], (CDrawCall{"DrawTextCentred", {260, 368, 340, 400}, "light bulb"}));
    EXPECT_EQ(texts[2].strText, "power supply");
    EXPECT_EQ(texts[3].strText, "light bulb");
    const auto fonts = rec->CallsOf("SelectFont");
    ASSERT_EQ(fonts.size(), 6u);
    EXPECT_EQ(fonts[0], (CDrawCall{"SelectFont", {12, 400}, "Arial Black"}));

    for (const DisplayMode mode : {DisplayMode::Diagram, DisplayMode::Picture}) {
        c.SetDisplayMode(mode);
        LayoutRecording(600, 400);
        painter.Layout(c, *rec, CRect{0, 0, 600, 400});
        EXPECT_TRUE(rec->CallsOf("DrawTextCentred").empty()) << static_cast<int>(mode);
    }
}

TEST_F(RenderTest, LabelsShowAsBlackTextAboveTheRing)
{
    const auto blackAboveRing = [this](bool labels) {
        if (c.GetShowLabels() != labels)
            c.ToggleLabels();
        QImage target(600, 400, QImage::Format_RGB32);
        CRasterSurface dc(target);
        painter.Layout(c, dc, CRect{0, 0, 600, 400});
        // Above the ring (y < 32) the ball model is plain grey.
        return CountColour(target, kBlack, 260, 0, 340, 30);
    };
    EXPECT_EQ(blackAboveRing(false), 0);
    EXPECT_GT(blackAboveRing(true), 20);
}

// --- frames ---

TEST_F(RenderTest, FirstIntroFrameDrawsTheTitleInGrey87)
{
    LayoutRecording(600, 400);
    Tick(*rec);
    const auto colours = rec->CallsOf("SetTextColour");
    ASSERT_FALSE(colours.empty());
    EXPECT_EQ(colours[0].args, (std::vector<int>{87, 87, 87}));
    // A white page on the square, black beside it.
    const auto fills = rec->CallsOf("FillSolidRect");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].args, (std::vector<int>{0, 0, 600, 400, 0, 0, 0}));
    EXPECT_EQ(fills[1].args, (std::vector<int>{100, 0, 400, 400, 255, 255, 255}));
    const auto texts = rec->CallsOf("DrawTextFitted");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], (CDrawCall{"DrawTextFitted", {100, 0, 500, 400}, "Single Bulb"}));
    const auto fonts = rec->CallsOf("SelectFont");
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(fonts[0], (CDrawCall{"SelectFont", {30, 400}, "Arial Black"}));
    EXPECT_EQ(c.GetIntroFrames(), 249);
    EXPECT_EQ(c.IntroProgress(), 0);
    // No electrons during the intro.
    EXPECT_TRUE(StampedImages().empty());
}

TEST_F(RenderTest, IntroRunsFor250FramesThenElectronsAppear)
{
    LayoutRecording(600, 400);
    std::vector<int> greys;
    std::vector<int> progress;
    for (int k = 0; k < 250; ++k) {
        rec->Clear();
        Tick(*rec);
        greys.push_back(rec->CallsOf("SetTextColour")[0].args[0]);
        progress.push_back(c.IntroProgress());
    }
    EXPECT_EQ(c.GetIntroFrames(), 0);
    EXPECT_EQ(progress[1], 0);   // 2 * 2 / 5
    EXPECT_EQ(progress[2], 1);   // 3 * 2 / 5
    EXPECT_EQ(progress[124], 50);   // 125 * 2 / 5
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    // Counter 249: 100 sin 24.9 = -23.06; counter 1: 100 sin 0.1 = 9.98.
    EXPECT_EQ(greys[1], 77);
    EXPECT_EQ(greys.back(), 109);
    // Four cycles of the sine: the title swings nearly to black and to light grey.
    EXPECT_GE(*std::min_element(greys.begin(), greys.end()), 0);
    EXPECT_LT(*std::min_element(greys.begin(), greys.end()), 5);
    EXPECT_LE(*std::max_element(greys.begin(), greys.end()), 200);
    EXPECT_GT(*std::max_element(greys.begin(), greys.end()), 195);

    rec->Clear();
    Tick(*rec);
    EXPECT_EQ(c.IntroProgress(), 100);
    EXPECT_TRUE(rec->CallsOf("SetTextColour").empty());
    EXPECT_EQ(StampedImages().size(), static_cast<std::size_t>(CCircuit::kElectronCount));
}

TEST_F(RenderTest, IntroFrameIsTheTitleInOneGreyOnAWhitePage)
{
    QImage target(600, 400, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 600, 400});
    Tick(dc);
    EXPECT_EQ(c.GetIntroFrames(), 249);
    // White page with the title in one solid grey, centred, black beside it.
    const int grey = CountColour(target, Rgb(87, 87, 87));
    EXPECT_GT(grey, 100);
    EXPECT_EQ(grey + CountColour(target, kWhite), 400 * 400);
    EXPECT_EQ(CountColour(target, kBlack), 200 * 400);
    EXPECT_EQ(CountColour(target, Rgb(87, 87, 87), 0, 0, 200, 400), 0);
    EXPECT_EQ(CountColour(target, Rgb(87, 87, 87), 400, 0, 600, 400), 0);
    EXPECT_EQ(CountColour(target, Rgb(87, 87, 87), 0, 0, 600, 150), 0);
    EXPECT_EQ(CountColour(target, Rgb(87, 87, 87), 0, 250, 600, 400), 0);
}

TEST_F(RenderTest, RenderRestoresTheBackgroundThenDrawsOverIt)
{
    c.SetIntroFrames(0);
    LayoutRecording(600, 400);
    const int backgroundId = IdOf(painter.Background());
    Tick(*rec);
    const auto& calls = rec->Calls();
    ASSERT_GE(calls.size(), 2u);
    // After a layout the whole background first, then the electrons over it;
    // nothing else is copied and no bitmap is made.
    EXPECT_EQ(calls.front(), (CDrawCall{"BitBlt", {0, 0, 600, 400, backgroundId, 0, 0, kCopy}, ""}));
    const auto blits = rec->CallsOf("BitBlt");
    EXPECT_EQ(std::count_if(blits.begin(), blits.end(), [](const CDrawCall& b) { return b.args[7] == kCopy; }), 1);
    EXPECT_EQ(StampedImages().size(), static_cast<std::size_t>(CCircuit::kElectronCount));
    EXPECT_TRUE(rec->CallsOf("CreateCompatibleBitmap").empty());
}

TEST_F(RenderTest, AChangedBackgroundIsLaidOutAgainByTheNextFrame)
{
    c.SetIntroFrames(0);
    LayoutRecording(600, 400);
    const int version = c.LayoutVersion();
    c.SetCells(2);
    EXPECT_NE(c.LayoutVersion(), version);
    Tick(*rec);
    EXPECT_FALSE(rec->CallsOf("CreateCompatibleBitmap").empty());
    rec->Clear();
    Tick(*rec);
    EXPECT_TRUE(rec->CallsOf("CreateCompatibleBitmap").empty());
    // Another circuit drawn by the same painter is laid out afresh.
    CTestBulb other;
    other.SetIntroFrames(0);
    rec->Clear();
    painter.Draw(other, *rec);
    EXPECT_FALSE(rec->CallsOf("CreateCompatibleBitmap").empty());
}

TEST_F(RenderTest, DiagramAndPictureFramesShowOnlyTheBackground)
{
    for (const DisplayMode mode : {DisplayMode::Diagram, DisplayMode::Picture}) {
        c.SetDisplayMode(mode);
        c.SetIntroFrames(0);
        c.GlowList().Add();
        QImage target(600, 600, QImage::Format_RGB32);
        CRasterSurface dc(target);
        painter.Layout(c, dc, CRect{0, 0, 600, 600});
        const QImage background = target.copy();
        Tick(dc);
        EXPECT_EQ(target, background) << static_cast<int>(mode);
        // Glow arcs only age in the ball model.
        ASSERT_EQ(c.Glow().Size(), 1u);
        EXPECT_EQ(c.Glow().Ages()[0], 0);
        c.GlowList().Clear();
    }
}

TEST_F(RenderTest, BallModelFrameShowsTheElectronSprite)
{
    c.SetIntroFrames(0);
    OnlyElectron(6.5, 3.5, false);
    QImage target(600, 400, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 600, 400});
    Tick(dc);
    // (100 + 16 * 6.5, 16 * 3.5) = (204, 56), on the black conductor.
    EXPECT_EQ(At(target, 204, 56), Rgb(21, 246, 21));
    EXPECT_EQ(At(target, 208, 56), kBlack);
    EXPECT_EQ(At(target, 207, 56), At(ImageOf(painter.Sprites().Normal().Image()), 7, 4));
    EXPECT_EQ(CountColour(target, kWhite), 0);   // no tag ring
}

// --- electrons, pulsate and tag ---

TEST_F(RenderTest, ChargedElectronFlashesEvery24OverLevelFrames)
{
    LayoutRecording(600, 400);
    CElectron& e = OnlyElectron(12.5, 10.25, true);   // level 2: every 12 frames
    const std::string n9(9, 'N');
    EXPECT_EQ(FlashSequence(26), "FD" + n9 + "FFD" + n9 + "FFD");
    EXPECT_EQ(e.m_nFlash, 2);
}

TEST_F(RenderTest, FlashPeriodShortensWithMoreCells)
{
    c.SetCells(3);   // level 6: every 4 frames
    LayoutRecording(600, 400);
    OnlyElectron(12.5, 10.25, true);
    EXPECT_EQ(FlashSequence(9), "FDNFFDNFF");
    c.SetCells(2);   // level 4: every 6 frames
    LayoutRecording(600, 400);
    OnlyElectron(12.5, 10.25, true);
    EXPECT_EQ(FlashSequence(8), "FDNNNFFD");
    c.m_nForcedLevel = 1;   // every 24 frames
    OnlyElectron(12.5, 10.25, true);
    EXPECT_EQ(FlashSequence(26), "FD" + std::string(21, 'N') + "FFD");
}

TEST_F(RenderTest, UnchargedElectronIsAlwaysNormal)
{
    LayoutRecording(600, 400);
    CElectron& e = OnlyElectron(12.5, 10.25, false);
    EXPECT_EQ(FlashSequence(5), "NNNNN");
    EXPECT_EQ(e.m_nFlash, 0);
}

TEST_F(RenderTest, GlowCountdownPicksGainOrLossSpriteWithOrWithoutPulsate)
{
    LayoutRecording(600, 400);
    for (const bool pulsate : {true, false}) {
        if (c.GetPulsate() != pulsate)
            c.TogglePulsate();
        CElectron& e = OnlyElectron(12.5, 10.25, true);
        e.m_nGlow = 3;
        rec->Clear();
        ElectronsTick();
        EXPECT_EQ(StampedImages(), (std::vector<int>{IdOf(painter.Sprites().Gain(3).Image())})) << pulsate;
        e.m_nGlow = -10;
        rec->Clear();
        ElectronsTick();
        EXPECT_EQ(StampedImages(), (std::vector<int>{IdOf(painter.Sprites().Loss(10).Image())})) << pulsate;
        e.m_nGlow = 1;
        rec->Clear();
        ElectronsTick();
        EXPECT_EQ(StampedImages(), (std::vector<int>{IdOf(painter.Sprites().Gain(1).Image())})) << pulsate;
        EXPECT_EQ(e.m_nFlash, 0);   // the flash counter waits while the glow shows
    }
}

TEST_F(RenderTest, SpriteIsStampedWithMaskThenImageAroundTheCentre)
{
    LayoutRecording(600, 400);
    OnlyElectron(12.3, 10.25, false);
    painter.DrawElectrons(c, *rec);
    // Centre (trunc(100 + 196.8), 164) = (296, 164); radius 4.
    // clang-format off
    const std::vector<CDrawCall> want{
        {"BitBlt", {292, 160, 9, 9, IdOf(painter.Sprites().Normal().Mask()), 0, 0, kAnd}, ""},
        {"BitBlt", {292, 160, 9, 9, IdOf(painter.Sprites().Normal().Image()), 0, 0, static_cast<int>(RasterOp::Or)}, ""},
    };
    // clang-format on
    EXPECT_EQ(rec->Calls(), want);
}

TEST_F(RenderTest, PulsateJitterShiftsTheChargedElectron)
{
    LayoutRecording(600, 400);
    CElectron& e = OnlyElectron(12.3, 10.25, true);   // level 2
    e.m_nPhase = 2;   // row entry (1, 1)
    painter.DrawElectrons(c, *rec);
    const auto blits = rec->CallsOf("BitBlt");
    ASSERT_EQ(blits.size(), 2u);
    // Jitter goes into the offset before the product: trunc(101 + 196.8) = 297.
    EXPECT_EQ(blits[0].args[0], 297 - 4);
    EXPECT_EQ(blits[0].args[1], 165 - 4);
}

TEST_F(RenderTest, JitterTruncatesTowardZero)
{
    LayoutRecording(400, 400);
    c.m_nForcedLevel = 1;
    CElectron& e = OnlyElectron(0.03, 10, true);
    e.m_nPhase = 1;   // level 1 entry (-1, 0): trunc(-1 + 0.48) = 0, not -1
    painter.DrawElectrons(c, *rec);
    const auto blits = rec->CallsOf("BitBlt");
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].args[0], -4);
    EXPECT_EQ(blits[0].args[1], 156);
}

TEST_F(RenderTest, PulsateOffLeavesPositionFlashAndPhaseAlone)
{
    LayoutRecording(600, 400);
    c.TogglePulsate();
    CElectron& e = OnlyElectron(12.3, 10.25, true);
    e.m_nPhase = 50;
    e.m_nFlash = 5;
    ElectronsTick();
    const auto blits = rec->CallsOf("BitBlt");
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].args[0], 292);
    EXPECT_EQ(blits[0].args[1], 160);
    EXPECT_EQ(blits[1].args[4], IdOf(painter.Sprites().Normal().Image()));
    EXPECT_EQ(e.m_nPhase, 50);
    EXPECT_EQ(e.m_nFlash, 5);
}

TEST_F(RenderTest, PulseStepsWalkEachRowAndGrowWithTheLayout)
{
    struct Case {
        int level, phase, dx, dy;
    };
    // clang-format off
    const Case cases[] = {
        {1, 0, 1, 0},   {1, 3, 0, -1},  {2, 0, 0, 1},   {2, 7, -1, 1}, {3, 4, 2, 0},    {3, 0, 0, 2},
        {4, 10, -3, -2}, {5, 10, -3, -2}, {5, 11, 3, 2}, {6, 0, 0, -3}, {6, 8, 3, 0},    {6, 15, -1, -3},
    };
    // clang-format on
    // At the reference size as written; on a 1000-pixel square (unit 40, 1.25
    // times the reference) each step grows, rounded to the nearer pixel, both ways.
    const auto at1000 = [](int d) { return d < 0 ? -std::array{0, 1, 3, 4}[-d] : std::array{0, 1, 3, 4}[d]; };
    CElectron& e = OnlyElectron(10, 10, true);
    for (const int side : {400, 1000}) {
        LayoutRecording(side, side);
        const int corner = side * 2 / 5 - painter.Sprites().Flash().GetRadius();   // grid point 10 of 25
        for (const Case& k : cases) {
            c.m_nForcedLevel = k.level;
            e.m_nPhase = k.phase;
            rec->Clear();
            painter.DrawElectrons(c, *rec);
            const CDrawCall blit = rec->CallsOf("BitBlt").front();
            EXPECT_EQ(blit.args[0], corner + (side == 1000 ? at1000(k.dx) : k.dx)) << k.level << " " << k.phase;
            EXPECT_EQ(blit.args[1], corner + (side == 1000 ? at1000(k.dy) : k.dy)) << k.level << " " << k.phase;
            EXPECT_EQ(e.m_nPhase, k.phase);
        }
    }
}

TEST_F(RenderTest, ATickRestartsAPhaseBeyondTheRow)
{
    c.SetIntroFrames(0);
    CElectron& e = OnlyElectron(1, 1, true);
    const int periods[][2] = {{1, 4}, {2, 8}, {3, 8}, {4, 12}, {5, 12}, {6, 16}};
    for (const auto& p : periods) {
        c.m_nForcedLevel = p[0];
        e.m_nPhase = p[1] - 1;
        c.AdvanceAnimation();
        EXPECT_EQ(e.m_nPhase, p[1] - 1) << p[0];
        e.m_nPhase = p[1];
        c.AdvanceAnimation();
        EXPECT_EQ(e.m_nPhase, 0) << p[0];
    }
}

TEST_F(RenderTest, LevelDropFrom6To2RestartsTheRow)
{
    LayoutRecording(400, 400);
    CElectron& e = OnlyElectron(10, 10, true);
    const auto shake = [&] {
        rec->Clear();
        painter.DrawElectrons(c, *rec);
        const CDrawCall blit = rec->CallsOf("BitBlt").front();
        return std::pair{blit.args[0] - 156, blit.args[1] - 156};
    };
    c.SetCells(3);   // level 6
    e.m_nPhase = 11;
    ElectronsTick();
    EXPECT_EQ(shake(), std::pair(-3, -1));
    EXPECT_EQ(e.m_nPhase, 11);
    c.SetCells(1);   // level 2, period 8: the standing frame shows the row's start
    EXPECT_EQ(shake(), std::pair(0, 1));
    c.AdvanceAnimation();
    EXPECT_EQ(e.m_nPhase, 0);
}

TEST_F(RenderTest, LevelZeroHasNoJitter)
{
    LayoutRecording(400, 400);
    CElectron& e = OnlyElectron(10, 10, false);
    e.m_nPhase = 99;
    ElectronsTick();
    EXPECT_EQ(rec->CallsOf("BitBlt").front().args,
              (std::vector<int>{156, 156, 9, 9, IdOf(painter.Sprites().Normal().Mask()), 0, 0, kAnd}));
    EXPECT_EQ(e.m_nPhase, 99);
}

TEST_F(RenderTest, TaggedElectronGetsAWhiteRingThatDoesNotJitter)
{
    LayoutRecording(600, 400);
    c.Electrons().clear();
    c.Electrons().emplace_back(3.0, 12.0, 0.0, 0.0);
    CElectron& tagged = c.Electrons().emplace_back(12.5, 3.5, 0.0, 0.0);   // nearest the supply
    tagged.m_bHalf1 = tagged.m_bHalf2 = true;   // jitters by (0, 1)
    c.Electrons()[0].m_bHalf1 = c.Electrons()[0].m_bHalf2 = false;
    c.ToggleTag();
    ASSERT_EQ(c.GetTagged(), &c.Electrons()[1]);
    const CPen before = rec->CurrentPen();
    painter.DrawElectrons(c, *rec);
    const auto ellipses = rec->CallsOf("Ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    // Radius 2 * 4 round (300, 56).
    EXPECT_EQ(ellipses[0].args, (std::vector<int>{292, 48, 308, 64}));
    const auto pens = rec->CallsOf("SelectPen");
    ASSERT_FALSE(pens.empty());
    EXPECT_EQ(pens[0].args, (std::vector<int>{1, 255, 255, 255, 0}));
    const auto brushes = rec->CallsOf("SelectBrush");
    ASSERT_FALSE(brushes.empty());
    EXPECT_EQ(brushes[0].args[3], 1);   // hollow
    EXPECT_EQ(rec->CurrentPen(), before);
    // The sprite itself did jitter: centre (300, 57).
    EXPECT_EQ(rec->CallsOf("BitBlt")[2].args[1], 57 - 4);
}

TEST_F(RenderTest, TagRingShowsWhiteOnTheRaster)
{
    c.SetIntroFrames(0);
    c.TogglePulsate();
    OnlyElectron(6.5, 3.5, false);
    c.ToggleTag();
    QImage target(600, 400, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 600, 400});
    Tick(dc);
    // A ring of radius 8 round (204, 56): white at its left and right, not in its middle.
    const int white = CountColour(target, kWhite);
    EXPECT_GT(white, 30);
    EXPECT_EQ(white, CountColour(target, kWhite, 196, 48, 212, 64));
    EXPECT_GT(CountColour(target, kWhite, 196, 52, 198, 60), 0);
    EXPECT_GT(CountColour(target, kWhite, 210, 52, 212, 60), 0);
}

// --- the diagram ---

namespace {

// The supply symbol's calls at 600 x 400 (u 16, origin (100, 0)): grid x to
// pixels is 100 + 16x; plates run y 2..5 (32..80) long, 3..4 (48..64) short.
std::vector<CDrawCall> SupplyCalls(int wireTo, const std::vector<std::pair<int, char>>& plates, int from)
{
    std::vector<CDrawCall> v{{"MoveTo", {156, 56}, ""}};
    if (plates.empty()) {
        v.push_back({"LineTo", {444, 56}, ""});
        return v;
    }
    v.push_back({"LineTo", {wireTo, 56}, ""});
    for (const auto& [x, kind] : plates) {
        if (kind == 'L') {
            v.push_back({"MoveTo", {x, 32}, ""});
            v.push_back({"LineTo", {x, 80}, ""});
        } else {
            v.push_back({"SelectPen", {8, 0, 0, 0, 0}, ""});
            v.push_back({"MoveTo", {x, 48}, ""});
            v.push_back({"LineTo", {x, 64}, ""});
            v.push_back({"SelectPen", {3, 0, 0, 0, 0}, ""});
        }
    }
    v.push_back({"MoveTo", {from, 56}, ""});
    v.push_back({"LineTo", {444, 56}, ""});
    return v;
}

}

TEST_F(RenderTest, DiagramOfOneCellAt600By400)
{
    LayoutRecording(600, 400);
    c.DrawDiagram(CGridCanvas(*rec, painter.Grid()));
    std::vector<CDrawCall> want{
        {"FillSolidRect", {0, 0, 600, 400, 0, 0, 0}, ""},
        {"FillSolidRect", {100, 0, 400, 400, 255, 255, 255}, ""},
        {"SelectPen", {3, 0, 0, 0, 0}, ""},
        {"SelectBrush", {255, 255, 255, 0}, ""},
    };
    for (const CDrawCall& call : SupplyCalls(292, {{292, 'L'}, {300, 'S'}}, 300))
        want.push_back(call);
    const std::vector<CDrawCall> rest{
        {"LineTo", {444, 344}, ""},
        {"LineTo", {156, 344}, ""},
        {"LineTo", {156, 56}, ""},
        {"Ellipse", {276, 320, 324, 368}, ""},
        // p = 16 * 0.7071068, 1.5p = 16.97: (300 -+ 16.97, 344 -+ 16.97) truncated.
        {"MoveTo", {283, 327}, ""},
        {"LineTo", {316, 360}, ""},
        {"MoveTo", {316, 327}, ""},
        {"LineTo", {283, 360}, ""},
    };
    want.insert(want.end(), rest.begin(), rest.end());
    const auto& calls = rec->Calls();
    ASSERT_GE(calls.size(), want.size() + 2);
    EXPECT_EQ(std::vector<CDrawCall>(calls.begin(), calls.begin() + static_cast<long>(want.size())), want);
    // Pen and brush are put back as found.
    EXPECT_EQ(calls.size(), want.size() + 2);
    EXPECT_EQ(rec->CurrentPen(), CPen{});
    EXPECT_EQ(rec->CurrentBrush(), CBrush{});
}

TEST_F(RenderTest, SupplyPlatesForEachNumberOfCells)
{
    struct Case {
        int cells;
        int wireTo;
        std::vector<std::pair<int, char>> plates;
        int from;
    };
    // x 11, 11.5, 12, 12.5, 13, 13.5 -> 276, 284, 292, 300, 308, 316.
    const std::vector<Case> cases{
        {0, 0, {}, 0},
        {1, 292, {{292, 'L'}, {300, 'S'}}, 300},
        {2, 284, {{284, 'L'}, {292, 'S'}, {300, 'L'}, {308, 'S'}}, 308},
        {3, 276, {{276, 'L'}, {284, 'S'}, {292, 'L'}, {300, 'S'}, {308, 'L'}, {316, 'S'}}, 316},
        {-1, 292, {{292, 'S'}, {300, 'L'}}, 300},
        {-2, 284, {{284, 'S'}, {292, 'L'}, {300, 'S'}, {308, 'L'}}, 308},
        {-3, 276, {{276, 'S'}, {284, 'L'}, {292, 'S'}, {300, 'L'}, {308, 'S'}, {316, 'L'}}, 316},
    };
    LayoutRecording(600, 400);
    for (const Case& k : cases) {
        if ((k.cells < 0) != c.IsReversed())
            c.SwitchPolarity();
        c.SetCells(std::abs(k.cells));
        ASSERT_EQ(c.GetCells(), k.cells);
        rec->Clear();
        CGridCanvas(*rec, painter.Grid()).DrawSupplySymbol(c.GetCells());
        EXPECT_EQ(rec->Calls(), SupplyCalls(k.wireTo, k.plates, k.from)) << "cells " << k.cells;
    }
}

TEST_F(RenderTest, DiagramOnAnUnevenUnitTruncatesEachPoint)
{
    // 425 x 425: u = 17, origin (0, 0); 12.5 * 17 = 212.5 and 3.5 * 17 = 59.5 truncate.
    c.SetCells(2);
    LayoutRecording(425, 425);
    c.DrawDiagram(CGridCanvas(*rec, painter.Grid()));
    const std::vector<CDrawCall> want{
        {"FillSolidRect", {0, 0, 425, 425, 0, 0, 0}, ""},
        {"FillSolidRect", {0, 0, 425, 425, 255, 255, 255}, ""},
        {"SelectPen", {3, 0, 0, 0, 0}, ""},
        {"SelectBrush", {255, 255, 255, 0}, ""},
        {"MoveTo", {59, 59}, ""},
        {"LineTo", {195, 59}, ""},
        {"MoveTo", {195, 34}, ""},
        {"LineTo", {195, 85}, ""},
        {"SelectPen", {8, 0, 0, 0, 0}, ""},
        {"MoveTo", {204, 51}, ""},
        {"LineTo", {204, 68}, ""},
        {"SelectPen", {3, 0, 0, 0, 0}, ""},
        {"MoveTo", {212, 34}, ""},
        {"LineTo", {212, 85}, ""},
        {"SelectPen", {8, 0, 0, 0, 0}, ""},
        {"MoveTo", {221, 51}, ""},
        {"LineTo", {221, 68}, ""},
        {"SelectPen", {3, 0, 0, 0, 0}, ""},
        {"MoveTo", {221, 59}, ""},
        {"LineTo", {365, 59}, ""},
        {"LineTo", {365, 365}, ""},
        {"LineTo", {59, 365}, ""},
        {"LineTo", {59, 59}, ""},
        {"Ellipse", {187, 340, 238, 391}, ""},
        // 1.5p = 18.03: (212.5 -+ 18.03, 365.5 -+ 18.03).
        {"MoveTo", {194, 347}, ""},
        {"LineTo", {230, 383}, ""},
        {"MoveTo", {230, 347}, ""},
        {"LineTo", {194, 383}, ""},
    };
    const auto& calls = rec->Calls();
    ASSERT_EQ(calls.size(), want.size() + 2);
    EXPECT_EQ(std::vector<CDrawCall>(calls.begin(), calls.begin() + static_cast<long>(want.size())), want);
}

TEST_F(RenderTest, DiagramInATallWindowMovesDown)
{
    LayoutRecording(400, 600);
    c.DrawDiagram(CGridCanvas(*rec, painter.Grid()));
    const auto fills = rec->CallsOf("FillSolidRect");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].args, (std::vector<int>{0, 100, 400, 400, 255, 255, 255}));
    const auto ellipses = rec->CallsOf("Ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].args, (std::vector<int>{176, 420, 224, 468}));
}

TEST_F(RenderTest, DiagramLayoutPaintsWhitePaperAndBlackWire)
{
    c.SetDisplayMode(DisplayMode::Diagram);
    QImage target(600, 400, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 600, 400});
    EXPECT_EQ(At(target, 120, 20), kWhite);   // paper corner
    EXPECT_EQ(At(target, 440, 200), kWhite);   // inside the loop
    EXPECT_EQ(At(target, 156, 200), kBlack);   // left wire at x 3.5
    EXPECT_EQ(At(target, 400, 344), kBlack);   // bottom wire at y 21.5
    EXPECT_NE(At(target, 50, 200), kWhite);   // outside the paper
}

// --- glow arcs ---

TEST_F(RenderTest, GlowArcGrowsFor30FramesThenGoes)
{
    LayoutRecording(600, 400);
    c.GlowList().Add();
    for (int age = 1; age <= 30; ++age) {
        rec->Clear();
        GlowTick();
        const auto arcs = rec->CallsOf("Arc");
        ASSERT_EQ(arcs.size(), 1u) << age;
        // Centre (12.5, 21) is pixel (300, 336); d = (age + 5) * 16 >> 3.
        const int d = 2 * (age + 5);
        EXPECT_EQ(arcs[0].args, (std::vector<int>{300 - d, 336 - d, 300 + d, 336 + d, 372, 240, 228, 240})) << age;
    }
    rec->Clear();
    GlowTick();
    EXPECT_TRUE(rec->CallsOf("Arc").empty());
    EXPECT_TRUE(c.Glow().Empty());
}

TEST_F(RenderTest, GlowRadiusIsShiftedDownToWholePixels)
{
    // u = 17: age 1 gives 102 >> 3 = 12, age 2 gives 119 >> 3 = 14; centre (212.5, 357).
    LayoutRecording(425, 425);
    c.GlowList().Add();
    GlowTick();
    GlowTick();
    const auto arcs = rec->CallsOf("Arc");
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].args, (std::vector<int>{200, 345, 224, 369, 289, 255, 136, 255}));
    EXPECT_EQ(arcs[1].args, (std::vector<int>{198, 343, 226, 371, 289, 255, 136, 255}));
}

TEST_F(RenderTest, GlowPenFollowsTheNumberOfCells)
{
    struct Case {
        int cells;
        bool reverse;
        std::vector<int> pen;
    };
    const Case cases[] = {
        {1, false, {4, 255, 128, 0, 0}},
        {2, false, {6, 255, 192, 0, 0}},
        {3, false, {8, 255, 255, 0, 0}},
        {2, true, {6, 255, 192, 0, 0}},
    };
    for (const Case& k : cases) {
        if (k.reverse != c.IsReversed())
            c.SwitchPolarity();
        c.SetCells(k.cells);
        LayoutRecording(600, 400);
        c.GlowList().Clear();
        c.GlowList().Add();
        GlowTick();
        const auto pens = rec->CallsOf("SelectPen");
        ASSERT_EQ(pens.size(), 2u) << k.cells;
        EXPECT_EQ(pens[0].args, k.pen) << k.cells;
        EXPECT_EQ(rec->CurrentPen(), CPen{});
        EXPECT_EQ(rec->Calls()[1].strOp, "Arc");
    }
}

TEST_F(RenderTest, NoCellsEmptiesTheGlowWithoutDrawing)
{
    LayoutRecording(600, 400);
    c.GlowList().Add();
    c.GlowList().Add();
    c.SetCells(0);
    GlowTick();
    EXPECT_TRUE(rec->Calls().empty());
    EXPECT_TRUE(c.Glow().Empty());
}

TEST_F(RenderTest, GlowEntriesAgeInOrderAndOnlyTheOldOneIsRemoved)
{
    LayoutRecording(600, 400);
    c.GlowList().Add();
    for (int k = 0; k < 10; ++k)
        GlowTick();
    c.GlowList().Add();
    for (int k = 0; k < 20; ++k)
        GlowTick();
    EXPECT_EQ(c.Glow().Ages(), (std::vector<int>{30, 20}));
    rec->Clear();
    GlowTick();
    const auto arcs = rec->CallsOf("Arc");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].args[0], 300 - 2 * (21 + 5));
    EXPECT_EQ(c.Glow().Ages(), (std::vector<int>{21}));
}

TEST_F(RenderTest, GlowIsClearedOnDisplayModeChangeAndCapped)
{
    c.GlowList().Add();
    c.GlowList().Add();
    c.SetDisplayMode(DisplayMode::BallModel);   // no change
    EXPECT_EQ(c.Glow().Size(), 2u);
    c.SetDisplayMode(DisplayMode::Picture);
    EXPECT_TRUE(c.Glow().Empty());

    c.SetDisplayMode(DisplayMode::BallModel);
    LayoutRecording(600, 400);
    c.GlowList().Add();
    for (int k = 0; k < 5; ++k)
        GlowTick();
    for (int k = 0; k < 64; ++k)
        c.GlowList().Add();
    EXPECT_EQ(c.Glow().Size(), CGlowList::kMaxArcs);
    // The oldest arc (age 5) made room.
    EXPECT_EQ(c.Glow().Ages(), std::vector<int>(CGlowList::kMaxArcs, 0));
}

TEST_F(RenderTest, GlowArcsAreDrawnOverBallModelFramesOnly)
{
    c.SetIntroFrames(0);
    LayoutRecording(600, 400);
    c.GlowList().Add();
    Tick(*rec);
    EXPECT_EQ(rec->CallsOf("Arc").size(), 1u);
    EXPECT_EQ(c.Glow().Ages(), (std::vector<int>{1}));

    // During the intro nothing ages.
    c.SetIntroFrames(5);
    rec->Clear();
    Tick(*rec);
    EXPECT_TRUE(rec->CallsOf("Arc").empty());
    EXPECT_EQ(c.Glow().Ages(), (std::vector<int>{1}));
}

// --- the picture ---

TEST_F(RenderTest, PictureShowsTheSupplyForTheCellsAboveTheCircuit)
{
    // The square of 400 at (100, 0): the supply's 120 above the circuit's 280.
    const std::pair<int, int> cases[] = {{0, 134}, {1, 135}, {2, 136}, {3, 137}, {-1, 138}, {-2, 139}, {-3, 140}};
    LayoutRecording(600, 400);
    for (const auto& [cells, id] : cases) {
        if ((cells < 0) != c.IsReversed())
            c.SwitchPolarity();
        c.SetCells(std::abs(cells));
        rec->Clear();
        painter.DrawPicture(c, *rec);
        // clang-format off
        const std::vector<CDrawCall> want{
            {"FillSolidRect", {0, 0, 600, 400, 0, 0, 0}, ""},
            {"LoadBitmap", {id, 400, 120}, ""},
            {"BitBlt", {100, 0, 400, 120, id, 0, 0, kCopy}, ""},
            {"LoadBitmap", {147, 400, 280}, ""},
            {"BitBlt", {100, 120, 400, 280, 147, 0, 0, kCopy}, ""},
        };
        // clang-format on
        EXPECT_EQ(rec->Calls(), want) << "cells " << cells;
    }
}

TEST_F(RenderTest, PictureLayoutFillsTheSquareOfAnOddWindow)
{
    c.SetDisplayMode(DisplayMode::Picture);
    rec = std::make_unique<CRecordingSurface>(601, 801);
    painter.Layout(c, *rec, CRect{0, 0, 601, 801});
    const auto blits = rec->CallsOf("BitBlt");
    ASSERT_EQ(blits.size(), 3u);
    // The grid's 600-pixel square, centred in the 801 rows.
    EXPECT_EQ(blits[0].args, (std::vector<int>{0, 100, 600, 180, 135, 0, 0, kCopy}));
    EXPECT_EQ(blits[1].args, (std::vector<int>{0, 280, 600, 420, 147, 0, 0, kCopy}));
    EXPECT_EQ(blits[2].args[2], 601);
    EXPECT_EQ(blits[2].args[3], 801);
}

TEST_F(RenderTest, PictureLayoutDrawsTheArtworkAtTheSquaresSize)
{
    c.SetDisplayMode(DisplayMode::Picture);
    QImage target(900, 600, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 900, 600});
    EXPECT_EQ(target.copy(150, 0, 600, 180), LoadResourceImage(135, QSize(600, 180)));
    EXPECT_EQ(target.copy(150, 180, 600, 420), LoadResourceImage(147, QSize(600, 420)));
}

// --- awkward window sizes ---

TEST_F(RenderTest, TinyAndOddWindowsLayOutAndRender)
{
    const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {24, 24}, {25, 25}, {99, 99}, {3000, 200}, {200, 3000}};
    for (const DisplayMode mode : {DisplayMode::BallModel, DisplayMode::Diagram, DisplayMode::Picture}) {
        for (const auto& [w, h] : sizes) {
            RestartProgramState();
            CTestBulb bulb;
            bulb.BuildLabels();
            bulb.ToggleLabels();
            bulb.ToggleTag();
            bulb.SetDisplayMode(mode);
            bulb.GlowList().Add();
            QImage target = w > 0 ? QImage(w, h, QImage::Format_RGB32) : QImage();
            CRasterSurface dc(target);
            CCircuitPainter bulbPainter;
            bulbPainter.Layout(bulb, dc, CRect{0, 0, w, h});
            bulb.AdvanceAnimation();
            bulbPainter.Draw(bulb, dc);
            bulb.SetIntroFrames(0);
            for (int k = 0; k < 3; ++k) {
                bulb.Step();
                bulb.AdvanceAnimation();
                bulbPainter.Draw(bulb, dc);
            }
            ASSERT_NE(bulbPainter.Background(), nullptr);
            EXPECT_EQ(bulbPainter.Background()->Width(), w) << w << "x" << h << " mode " << static_cast<int>(mode);
            EXPECT_EQ(bulbPainter.Background()->Height(), h) << w << "x" << h << " mode " << static_cast<int>(mode);
            EXPECT_EQ(bulbPainter.Grid().unit, std::min(w, h) / 25);
        }
    }
}

TEST_F(RenderTest, BelowTwentyFivePixelsEverythingCollapsesToTheOffset)
{
    LayoutRecording(24, 24);
    EXPECT_EQ(painter.Grid().unit, 0);
    EXPECT_EQ(painter.Sprites().Normal().GetRadius(), 0);
    OnlyElectron(12.5, 20.0, false);
    painter.DrawElectrons(c, *rec);
    const auto blits = rec->CallsOf("BitBlt");
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].args, (std::vector<int>{12, 12, 1, 1, IdOf(painter.Sprites().Normal().Mask()), 0, 0, kAnd}));
}

TEST_F(RenderTest, BelowOneHundredPixelsElectronsAreInvisible)
{
    c.SetIntroFrames(0);
    QImage target(99, 99, QImage::Format_RGB32);
    CRasterSurface dc(target);
    painter.Layout(c, dc, CRect{0, 0, 99, 99});
    EXPECT_EQ(painter.Grid().unit, 3);
    EXPECT_EQ(painter.Sprites().Normal().GetRadius(), 0);
    const QImage background = target.copy();
    Tick(dc);
    EXPECT_EQ(target, background);
}

TEST_F(RenderTest, RenderBeforeAnyLayoutDoesNotCrash)
{
    QImage target(50, 50, QImage::Format_RGB32);
    target.fill(Qt::blue);
    CRasterSurface dc(target);
    Tick(dc);
    ASSERT_NE(painter.Background(), nullptr);
    EXPECT_EQ(painter.Background()->Width(), 0);
    EXPECT_EQ(painter.Background()->Height(), 0);
    CRecordingSurface other(10, 10);
    CTestBulb fresh;
    fresh.SetIntroFrames(0);
    CCircuitPainter freshPainter;
    freshPainter.Draw(fresh, other);
    EXPECT_EQ(freshPainter.Background()->Width(), 0);
}

// A wall-sized client has a ball radius beyond what a sprite may have: the
// sprites keep what they had and frames still go out whole.
TEST_F(RenderTest, ClientBeyondTheSpriteLimitKeepsTheLastSprites)
{
    LayoutRecording(800, 800);
    ASSERT_EQ(painter.Sprites().Normal().GetRadius(), 8);
    c.SetIntroFrames(0);
    LayoutRecording(12000, 10200);
    EXPECT_EQ(painter.Grid().square, 10200);
    EXPECT_EQ(painter.Grid().unit, 408);
    EXPECT_EQ(painter.Sprites().Normal().GetRadius(), 8);
    Tick(*rec);
    const auto blits = rec->CallsOf("BitBlt");
    ASSERT_FALSE(blits.empty());
    EXPECT_EQ(blits.front().args[2], 12000);
    EXPECT_EQ(blits.front().args[3], 10200);
}

// --- partial frames: only what changed is composed and copied ---

// A frame kept up to date by partial draws must equal one composed from
// scratch at the same state, and drawing only reads: ticks whose frames are
// not drawn, or drawn twice, change nothing that follows. The same run is
// made from a fresh program state: drawing every tick incrementally, laying
// out afresh before every frame, and drawing every seventh tick twice; the
// frames of each tick are compared by checksum.
class PartialFrameTest : public ::testing::TestWithParam<int> {
protected:
    static constexpr int kW = 500;
    static constexpr int kH = 400;
    static constexpr int kTicks = 400;

    enum class Frames { EveryTick, LaidOutAfresh, SomeTicksTwice };
    struct CRun {
        std::vector<quint64> sums;   // 0 for a tick not drawn
        std::size_t glowSeen = 0;
    };

    CRun Run(Frames frames)
    {
        RestartProgramState();
        CTestBulb c;
        c.BuildLabels();
        c.SetIntroFrames(3);   // the frames after the intro are covered too
        c.SetCells(GetParam());
        c.ToggleTag();
        c.ToggleVaryMeanSpeed();
        QImage image(kW, kH, QImage::Format_RGB32);
        CRasterSurface dc(image);
        CCircuitPainter painter;
        painter.Layout(c, dc, CRect{0, 0, kW, kH});
        CRun run;
        for (int tick = 0; tick < kTicks; ++tick) {
            c.Step();
            c.AdvanceAnimation();
            if (frames == Frames::LaidOutAfresh)
                painter.Layout(c, dc, CRect{0, 0, kW, kH});
            const int draws = frames != Frames::SomeTicksTwice ? 1 : tick % 7 == 2 ? 2 : 0;
            for (int k = 0; k < draws; ++k)
                painter.Draw(c, dc);
            run.sums.push_back(draws > 0 ? qHash(QByteArrayView(image.constBits(), image.sizeInBytes())) : 0);
            run.glowSeen = std::max(run.glowSeen, c.Glow().Size());
        }
        return run;
    }
};

TEST_P(PartialFrameTest, IncrementalFramesEqualFullyComposedOnes)
{
    const CRun partial = Run(Frames::EveryTick);
    const CRun full = Run(Frames::LaidOutAfresh);
    const CRun some = Run(Frames::SomeTicksTwice);
    for (int tick = 0; tick < kTicks; ++tick) {
        ASSERT_EQ(partial.sums[tick], full.sums[tick]) << "tick " << tick;
        ASSERT_EQ(some.sums[tick], tick % 7 == 2 ? partial.sums[tick] : 0) << "tick " << tick;
    }
    // With cells the bulb glowed, so its arcs were erased and redrawn too.
    EXPECT_EQ(partial.glowSeen > 0, GetParam() != 0);
}

INSTANTIATE_TEST_SUITE_P(Cells, PartialFrameTest, ::testing::Values(0, 1, 3, -2));

// The same moment drawn again, also after a resize and back, is the same frame.
TEST_F(RenderTest, DrawingAgainGivesTheSameFrame)
{
    c.SetIntroFrames(0);
    c.SetCells(3);
    c.ToggleTag();
    c.ToggleLabels();
    QImage image(500, 400, QImage::Format_RGB32);
    CRasterSurface dc(image);
    painter.Layout(c, dc, CRect{0, 0, 500, 400});
    for (int k = 0; k < 60; ++k) {
        c.Step();
        Tick(dc);
    }
    ASSERT_FALSE(c.Glow().Empty());
    const QImage frame = image.copy();
    painter.Draw(c, dc);
    EXPECT_EQ(image, frame);
    QImage small(300, 300, QImage::Format_RGB32);
    CRasterSurface smallDc(small);
    painter.Layout(c, smallDc, CRect{0, 0, 300, 300});
    painter.Layout(c, dc, CRect{0, 0, 500, 400});
    painter.Draw(c, dc);
    EXPECT_EQ(image, frame);
}

TEST_F(RenderTest, RenderCopiesTheWholeFrameOnlyAfterALayoutAndAroundTheIntro)
{
    c.SetIntroFrames(2);
    LayoutRecording(600, 400);
    const CRect whole{0, 0, 600, 400};
    EXPECT_EQ(painter.ChangedRects(), std::vector<CRect>{whole});
    for (int frame = 0; frame < 2; ++frame) {
        Tick(*rec);
        EXPECT_EQ(painter.ChangedRects(), std::vector<CRect>{whole}) << frame;
    }
    // The first electrons over an intro page that must go.
    Tick(*rec);
    ASSERT_FALSE(painter.ChangedRects().empty());
    EXPECT_EQ(painter.ChangedRects().front(), whole);
    rec->Clear();
    Tick(*rec);
    const auto& rects = painter.ChangedRects();
    // The old and the new sprites, each a small square.
    ASSERT_EQ(rects.size(), 2u * CCircuit::kElectronCount);
    const int side = painter.Sprites().Normal().GetSize();
    for (const CRect& rc : rects) {
        EXPECT_EQ(rc.Width(), side);
        EXPECT_EQ(rc.Height(), side);
    }
    // What was restored from the background is exactly the old half.
    const int backgroundId = IdOf(painter.Background());
    std::vector<CRect> restored;
    for (const CDrawCall& call : rec->CallsOf("BitBlt"))
        if (call.args[4] == backgroundId)
            restored.push_back(
                CRect{call.args[0], call.args[1], call.args[0] + call.args[2], call.args[1] + call.args[3]});
    EXPECT_EQ(restored, std::vector<CRect>(rects.begin(), rects.begin() + CCircuit::kElectronCount));
}

TEST_F(RenderTest, DiagramFramesCopyNothingOnceShown)
{
    c.SetIntroFrames(0);
    c.SetDisplayMode(DisplayMode::Diagram);
    LayoutRecording(600, 400);
    Tick(*rec);
    rec->Clear();
    Tick(*rec);
    EXPECT_TRUE(painter.ChangedRects().empty());
    EXPECT_TRUE(rec->CallsOf("BitBlt").empty());
}
