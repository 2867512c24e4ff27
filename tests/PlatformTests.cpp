#include "platform/RasterSurface.h"
#include "core/draw/RecordingSurface.h"
#include "core/circuits/SingleBulbCircuit.h"
#include "core/draw/SelectGuard.h"
#include "core/res/BitmapTable.h"
#include "core/res/ResourceIds.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>

#include <set>

namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kGrey = Rgb(128, 128, 128);

QImage MakeImage(int w, int h, Colour fill)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(fill.r, fill.g, fill.b));
    return image;
}

Colour At(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return Rgb(qRed(p), qGreen(p), qBlue(p));
}

// Every pixel of the image that is not `background`, as a bounding box
// (left, top, right, bottom inclusive); count is 0 when there is none.
struct CInk {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

CInk InkOf(const QImage& image, Colour background)
{
    CInk ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != background) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ++ink.count;
            }
    return ink;
}

// A 4 x 4 source whose pixel (x, y) is RGB(10 + x, 20 + y, 30), so a
// transferred pixel tells where in the source it came from.
std::unique_ptr<CBitmap> NumberedSprite(CDrawSurface& dc)
{
    auto bmp = dc.CreateCompatibleBitmap(4, 4);
    auto mem = dc.CreateMemorySurface(*bmp);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            mem->SetPixel(x, y, Rgb(10 + x, 20 + y, 30));
    return bmp;
}

// Checks a copy of the numbered sprite placed at (px, py) on a 10 x 10 grey
// target: every pixel under the clipped block comes from the right source
// pixel and every other pixel is untouched.
void ExpectNumberedCopyAt(const QImage& image, int px, int py)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int sx = x - px;
            const int sy = y - py;
            const bool inside = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
            const Colour want = inside ? Rgb(10 + sx, 20 + sy, 30) : kGrey;
            ASSERT_EQ(At(image, x, y), want) << "pixel " << x << "," << y << " sprite at " << px << "," << py;
        }
}

}

// --- raster surface: pixels and fills ---

TEST(RasterSurface, FillSolidRectClipsAtNegativeOrigin)
{
    QImage image = MakeImage(10, 8, kGrey);
    CRasterSurface dc(image);
    dc.FillSolidRect(-3, -2, 5, 4, kRed);   // covers x 0..1, y 0..1 once clipped
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(At(image, x, y), (x < 2 && y < 2) ? kRed : kGrey) << x << "," << y;
}

TEST(RasterSurface, FillSolidRectClipsBeyondRightAndBottom)
{
    QImage image = MakeImage(10, 8, kGrey);
    CRasterSurface dc(image);
    dc.FillSolidRect(8, 6, 50, 50, kRed);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(At(image, x, y), (x >= 8 && y >= 6) ? kRed : kGrey) << x << "," << y;
}

TEST(RasterSurface, FillSolidRectOutsideOrEmptyDrawsNothing)
{
    QImage image = MakeImage(10, 8, kGrey);
    CRasterSurface dc(image);
    dc.FillSolidRect(10, 0, 5, 5, kRed);
    dc.FillSolidRect(0, 8, 5, 5, kRed);
    dc.FillSolidRect(-6, -6, 5, 5, kRed);
    dc.FillSolidRect(2, 2, 0, 4, kRed);
    dc.FillSolidRect(2, 2, -3, -3, kRed);
    EXPECT_EQ(InkOf(image, kGrey).count, 0);
}

TEST(RasterSurface, SetPixelWritesOnePixelAndIgnoresOutside)
{
    QImage image = MakeImage(6, 5, kGrey);
    CRasterSurface dc(image);
    dc.SetPixel(5, 4, Rgb(1, 2, 3));
    dc.SetPixel(-1, 0, kRed);
    dc.SetPixel(0, -1, kRed);
    dc.SetPixel(6, 0, kRed);
    dc.SetPixel(0, 5, kRed);
    const CInk ink = InkOf(image, kGrey);
    EXPECT_EQ(ink.count, 1);
    EXPECT_EQ(At(image, 5, 4), Rgb(1, 2, 3));
}

// The meter's tick marks stop at their end point; the circuits' round-ended
// wires reach it.
TEST(RasterSurface, FlatPenStopsAtTheEndPointWhereARoundPenReachesIt)
{
    for (const bool flat : {true, false}) {
        QImage image = MakeImage(12, 5, kGrey);
        CRasterSurface dc(image);
        CPenGuard pen(dc, flat ? FlatPen(1, kRed) : SolidPen(1, kRed));
        dc.MoveTo(1, 2);
        dc.LineTo(9, 2);
        EXPECT_EQ(At(image, 8, 2), kRed) << flat;
        EXPECT_EQ(At(image, 9, 2), flat ? kGrey : kRed) << flat;
    }
}

// --- raster surface: block transfers ---

TEST(RasterSurface, BitBltCombinesChannelsBitwise)
{
    constexpr Colour kDest = Rgb(0xF0, 0x0F, 0xAA);
    constexpr Colour kSrc = Rgb(0x3C, 0x3C, 0x55);
    for (const RasterOp op : {RasterOp::Copy, RasterOp::And, RasterOp::Or}) {
        QImage image = MakeImage(3, 3, kDest);
        CRasterSurface dc(image);
        auto src = dc.CreateCompatibleBitmap(1, 1);
        dc.CreateMemorySurface(*src)->SetPixel(0, 0, kSrc);
        dc.BitBlt(1, 1, 1, 1, *src, 0, 0, op);
        const Colour want = op == RasterOp::Copy  ? kSrc
                            : op == RasterOp::And ? Rgb(0x30, 0x0C, 0x00)
                                                  : Rgb(0xFC, 0x3F, 0xFF);
        EXPECT_EQ(At(image, 1, 1), want) << static_cast<int>(op);
        EXPECT_EQ(At(image, 0, 0), kDest);
        EXPECT_EQ(At(image, 2, 2), kDest);
    }
}

TEST(RasterSurface, MaskAndImagePairStampsOnlyTheDisc)
{
    // White mask keeps the destination, black mask with OR of the image replaces it.
    QImage image = MakeImage(2, 1, Rgb(40, 50, 60));
    CRasterSurface dc(image);
    auto mask = dc.CreateCompatibleBitmap(2, 1);
    auto sprite = dc.CreateCompatibleBitmap(2, 1);
    dc.CreateMemorySurface(*mask)->SetPixel(0, 0, Rgb(255, 255, 255));   // (1, 0) stays black
    dc.CreateMemorySurface(*sprite)->SetPixel(1, 0, Rgb(0, 200, 7));   // (0, 0) stays black
    dc.BitBlt(0, 0, 2, 1, *mask, 0, 0, RasterOp::And);
    dc.BitBlt(0, 0, 2, 1, *sprite, 0, 0, RasterOp::Or);
    EXPECT_EQ(At(image, 0, 0), Rgb(40, 50, 60));
    EXPECT_EQ(At(image, 1, 0), Rgb(0, 200, 7));
}

// The view's frame carries the screen's density; every drawing still lands
// on device pixels, and a mask and image pair stamps the same in one pass
// as in two transfers, clipped at the edges alike.
TEST(RasterSurface, DrawsInDevicePixelsWhateverTheImagesDensity)
{
    const auto draw = [](qreal dpr, bool fused) {
        QImage image = MakeImage(40, 30, kGrey);
        image.setDevicePixelRatio(dpr);
        {
            CRasterSurface dc(image);
            auto mask = dc.CreateCompatibleBitmap(9, 9);
            auto sprite = dc.CreateCompatibleBitmap(9, 9);
            dc.CreateMemorySurface(*mask)->FillSolidRect(0, 0, 9, 4, Rgb(255, 255, 255));
            dc.CreateMemorySurface(*sprite)->FillSolidRect(0, 4, 9, 5, Rgb(0, 200, 7));
            CPenGuard pen(dc, SolidPen(3, Rgb(200, 0, 0)));
            dc.MoveTo(2, 3);
            dc.LineTo(30, 20);
            dc.Arc(5, 5, 35, 29, 30, 10, 8, 10);
            dc.DrawTextFitted(CRect{0, 0, 40, 30}, "A wide title");
            for (const QPoint at : {QPoint(-4, -2), QPoint(35, 25), QPoint(15, 10)}) {
                if (fused) {
                    dc.MaskBlt(at.x(), at.y(), 9, 9, *mask, *sprite);
                } else {
                    dc.BitBlt(at.x(), at.y(), 9, 9, *mask, 0, 0, RasterOp::And);
                    dc.BitBlt(at.x(), at.y(), 9, 9, *sprite, 0, 0, RasterOp::Or);
                }
            }
        }
        EXPECT_EQ(image.devicePixelRatio(), dpr);
        image.setDevicePixelRatio(1.0);
        return image;
    };
    const QImage plain = draw(1.0, false);
    EXPECT_EQ(draw(2.0, false), plain);
    EXPECT_EQ(draw(1.0, true), plain);
}

TEST(RasterSurface, BitBltInsideCopiesBlock)
{
    QImage image = MakeImage(10, 10, kGrey);
    CRasterSurface dc(image);
    auto src = NumberedSprite(dc);
    dc.BitBlt(3, 5, 4, 4, *src, 0, 0, RasterOp::Copy);
    ExpectNumberedCopyAt(image, 3, 5);
}

TEST(RasterSurface, BitBltClipsAtEveryEdge)
{
    // Partly off the left, top, right and bottom edges, and off two corners.
    const int places[][2] = {{-2, 3}, {3, -3}, {8, 4}, {5, 7}, {-3, -1}, {9, 9}};
    for (const auto& at : places) {
        QImage image = MakeImage(10, 10, kGrey);
        CRasterSurface dc(image);
        auto src = NumberedSprite(dc);
        dc.BitBlt(at[0], at[1], 4, 4, *src, 0, 0, RasterOp::Copy);
        ExpectNumberedCopyAt(image, at[0], at[1]);
    }
}

TEST(RasterSurface, BitBltEntirelyOutsideChangesNothing)
{
    const int places[][2] = {{-4, 0}, {10, 0}, {0, -4}, {0, 10}, {-100, -100}};
    for (const auto& at : places) {
        QImage image = MakeImage(10, 10, kGrey);
        CRasterSurface dc(image);
        auto src = NumberedSprite(dc);
        dc.BitBlt(at[0], at[1], 4, 4, *src, 0, 0, RasterOp::Or);
        EXPECT_EQ(InkOf(image, kGrey).count, 0) << at[0] << "," << at[1];
    }
}

TEST(RasterSurface, BitBltClipsToTheSourceAndHonoursSourceOrigin)
{
    QImage image = MakeImage(10, 10, kGrey);
    CRasterSurface dc(image);
    auto src = NumberedSprite(dc);
    // A block larger than what is left of the source from (2, 1): 2 x 3 pixels arrive.
    dc.BitBlt(5, 5, 8, 8, *src, 2, 1, RasterOp::Copy);
    const CInk ink = InkOf(image, kGrey);
    EXPECT_EQ(ink.count, 6);
    EXPECT_EQ(ink.left, 5);
    EXPECT_EQ(ink.right, 6);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.bottom, 7);
    EXPECT_EQ(At(image, 5, 5), Rgb(12, 21, 30));
    EXPECT_EQ(At(image, 6, 7), Rgb(13, 23, 30));
}

// --- raster surface: empty bitmaps ---

TEST(RasterSurface, NonPositiveSizesGiveAnEmptyBitmap)
{
    QImage image = MakeImage(4, 4, kGrey);
    CRasterSurface dc(image);
    for (const auto& size : {std::pair{0, 0}, std::pair{0, 5}, std::pair{5, 0}, std::pair{-1, -1}, std::pair{-3, 7}}) {
        auto bmp = dc.CreateCompatibleBitmap(size.first, size.second);
        ASSERT_NE(bmp, nullptr);
        EXPECT_EQ(bmp->Width(), 0);
        EXPECT_EQ(bmp->Height(), 0);
    }
}

TEST(RasterSurface, EmptyBitmapAcceptsEveryOperation)
{
    QImage image = MakeImage(4, 4, kGrey);
    CRasterSurface dc(image);
    auto empty = dc.CreateCompatibleBitmap(0, 0);
    auto mem = dc.CreateMemorySurface(*empty);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(mem->Width(), 0);
    EXPECT_EQ(mem->Height(), 0);

    auto sprite = NumberedSprite(dc);
    mem->SelectPen(SolidPen(3, kRed));
    mem->SelectBrush(SolidBrush(kRed));
    mem->SelectFont(CFontSpec{"Arial Black", 12, 400});
    mem->FillSolidRect(0, 0, 10, 10, kRed);
    mem->MoveTo(0, 0);
    mem->LineTo(5, 5);
    mem->Ellipse(0, 0, 5, 5);
    mem->Rectangle(0, 0, 5, 5);
    mem->Arc(0, 0, 9, 9, 9, 0, 0, 0);
    mem->SetPixel(0, 0, kRed);
    mem->DrawTextCentred(CRect{0, 0, 10, 10}, "x");
    mem->BitBlt(0, 0, 4, 4, *sprite, 0, 0, RasterOp::Copy);
    auto inner = mem->CreateCompatibleBitmap(0, 0);
    EXPECT_NE(mem->CreateMemorySurface(*inner), nullptr);

    // An empty source transfers nothing onto a real surface.
    dc.BitBlt(0, 0, 4, 4, *empty, 0, 0, RasterOp::Copy);
    EXPECT_EQ(InkOf(image, kGrey).count, 0);
}

TEST(RasterSurface, NewBitmapStartsBlack)
{
    QImage image = MakeImage(2, 2, kGrey);
    CRasterSurface dc(image);
    auto bmp = dc.CreateCompatibleBitmap(3, 2);
    EXPECT_EQ(bmp->Width(), 3);
    EXPECT_EQ(bmp->Height(), 2);
    dc.BitBlt(0, 0, 2, 2, *bmp, 0, 0, RasterOp::Copy);
    EXPECT_EQ(InkOf(image, Rgb(0, 0, 0)).count, 0);
}

// --- raster surface: shapes and text ---

TEST(RasterSurface, SelectReturnsWhatWasSelected)
{
    QImage image = MakeImage(2, 2, kGrey);
    CRasterSurface dc(image);
    const CPen pen = SolidPen(5, kRed);
    dc.SelectPen(pen);
    EXPECT_EQ(dc.SelectPen(SolidPen(1, kGrey)), pen);
    const CBrush brush = SolidBrush(kGrey);
    dc.SelectBrush(brush);
    EXPECT_EQ(dc.SelectBrush(NullBrush()), brush);
    dc.SetTextColour(Rgb(1, 2, 3));
    EXPECT_EQ(dc.SetTextColour(kRed), Rgb(1, 2, 3));
}

TEST(RasterSurface, EllipseStaysInsideItsBoxExcludingRightAndBottom)
{
    QImage image = MakeImage(20, 20, kGrey);
    CRasterSurface dc(image);
    dc.SelectPen(SolidPen(1, kRed));
    dc.SelectBrush(NullBrush());
    dc.Ellipse(4, 5, 14, 15);
    const CInk ink = InkOf(image, kGrey);
    EXPECT_EQ(ink.left, 4);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.right, 13);
    EXPECT_EQ(ink.bottom, 14);
    // Hollow: the centre keeps the background.
    EXPECT_EQ(At(image, 9, 10), kGrey);
}

TEST(RasterSurface, FilledEllipseUsesTheBrush)
{
    QImage image = MakeImage(20, 20, kGrey);
    CRasterSurface dc(image);
    dc.SelectPen(SolidPen(1, Rgb(0, 0, 0)));
    dc.SelectBrush(SolidBrush(kRed));
    dc.Ellipse(2, 2, 18, 18);
    EXPECT_EQ(At(image, 10, 10), kRed);
    EXPECT_EQ(At(image, 0, 0), kGrey);
}

TEST(RasterSurface, LinesContinueFromTheCurrentPosition)
{
    QImage image = MakeImage(10, 10, kGrey);
    CRasterSurface dc(image);
    dc.SelectPen(SolidPen(1, kRed));
    dc.MoveTo(1, 1);
    dc.LineTo(7, 1);
    dc.LineTo(7, 8);
    EXPECT_EQ(At(image, 4, 1), kRed);
    EXPECT_EQ(At(image, 7, 5), kRed);
    EXPECT_EQ(At(image, 4, 5), kGrey);
}

TEST(RasterSurface, ArcRunsAnticlockwiseOverTheTop)
{
    // From the radial up-right to the radial up-left, anticlockwise: the upper part only.
    QImage image = MakeImage(50, 50, kGrey);
    CRasterSurface dc(image);
    dc.SelectPen(SolidPen(1, kRed));
    dc.Arc(5, 5, 46, 46, 45, 15, 5, 15);
    const CInk ink = InkOf(image, kGrey);
    ASSERT_GT(ink.count, 0);
    EXPECT_LE(ink.bottom, 26);   // nothing below the centre row
    EXPECT_LE(ink.top, 6);   // it passes the top of the circle
    EXPECT_EQ(At(image, 25, 45), kGrey);
}

TEST(RasterSurface, CentredTextLandsInTheMiddleOfItsRectangle)
{
    QImage image = MakeImage(300, 120, kGrey);
    CRasterSurface dc(image);
    dc.SelectFont(CFontSpec{"Arial Black", 30, 400});
    dc.SetTextColour(Rgb(0, 0, 0));
    const CRect rc{40, 10, 280, 110};
    dc.DrawTextCentred(rc, "Bulb");
    const CInk ink = InkOf(image, kGrey);
    ASSERT_GT(ink.count, 0);
    EXPECT_GE(ink.left, rc.left);
    EXPECT_LT(ink.right, rc.right);
    EXPECT_GE(ink.top, rc.top);
    EXPECT_LT(ink.bottom, rc.bottom);
    const double cx = (ink.left + ink.right + 1) / 2.0;
    const double cy = (ink.top + ink.bottom + 1) / 2.0;
    EXPECT_NEAR(cx, (rc.left + rc.right) / 2.0, 6.0);
    EXPECT_NEAR(cy, (rc.top + rc.bottom) / 2.0, 8.0);
    // One line of a 30-pixel font: glyphs are well under the cell height.
    EXPECT_LE(ink.bottom - ink.top + 1, 30);
}

TEST(RasterSurface, TextIsSolidColourOnATransparentBackground)
{
    QImage image = MakeImage(200, 60, kGrey);
    CRasterSurface dc(image);
    dc.SelectFont(CFontSpec{"Arial Black", 24, 400});
    dc.SetTextColour(Rgb(87, 87, 87));
    dc.DrawTextCentred(CRect{0, 0, 200, 60}, "Single Bulb");
    std::set<std::uint32_t> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(PackRgb(At(image, x, y)));
    EXPECT_EQ(colours, (std::set<std::uint32_t>{PackRgb(kGrey), PackRgb(Rgb(87, 87, 87))}));
    EXPECT_EQ(At(image, 0, 0), kGrey);   // no box filled behind the text
}

TEST(RasterSurface, FontHeightScalesTheText)
{
    const auto inkHeight = [](int height) {
        QImage image = MakeImage(400, 200, kGrey);
        CRasterSurface dc(image);
        dc.SelectFont(CFontSpec{"Arial Black", height, 400});
        dc.DrawTextCentred(CRect{0, 0, 400, 200}, "H");
        const CInk ink = InkOf(image, kGrey);
        return ink.bottom - ink.top + 1;
    };
    const int small = inkHeight(12);
    const int large = inkHeight(48);
    EXPECT_GT(small, 4);
    EXPECT_LE(small, 12);
    EXPECT_GT(large, 3 * small);
    EXPECT_LE(large, 48);
}

// --- raster surface: artwork ---

TEST(RasterSurface, SupplyPicturesAre500By150AndNotBlank)
{
    QImage image = MakeImage(1, 1, kGrey);
    CRasterSurface dc(image);
    for (int id = ResId::SupplyNoCell; id <= ResId::SupplyThreeCellsReversed; ++id) {
        auto bmp = dc.LoadBitmap(id);
        ASSERT_NE(bmp, nullptr) << id;
        EXPECT_EQ(bmp->Width(), 500) << id;
        EXPECT_EQ(bmp->Height(), 150) << id;
        const QImage& art = dynamic_cast<const CRasterBitmap&>(*bmp).Image();
        EXPECT_GT(InkOf(art, At(art, 0, 0)).count, 500) << id;
    }
}

TEST(RasterSurface, SupplyPicturesDifferFromOneAnother)
{
    QImage image = MakeImage(1, 1, kGrey);
    CRasterSurface dc(image);
    std::vector<QImage> arts;
    for (int id = ResId::SupplyNoCell; id <= ResId::SupplyThreeCellsReversed; ++id)
        arts.push_back(dynamic_cast<const CRasterBitmap&>(*dc.LoadBitmap(id)).Image());
    for (std::size_t i = 0; i < arts.size(); ++i)
        for (std::size_t j = i + 1; j < arts.size(); ++j)
            EXPECT_NE(arts[i], arts[j]) << 134 + i << " vs " << 134 + j;
}

// The table draws each artwork at the size its file was drawn for: a new
// circuit's picture, and the chooser's strip with one more button, included.
TEST(RasterSurface, EveryArtworkIsDrawnAtItsFilesOwnSize)
{
    for (const CBitmapResource& res : BitmapResources())
        EXPECT_EQ(QSvgRenderer(QString::fromLatin1(res.pszPath)).defaultSize(), QSize(res.nWidth, res.nHeight))
            << res.pszPath;
}

TEST(RasterSurface, CircuitPictureIs500By350AndNotBlank)
{
    QImage image = MakeImage(1, 1, kGrey);
    CRasterSurface dc(image);
    auto bmp = dc.LoadBitmap(CSingleBulbCircuit::kPicture);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->Width(), 500);
    EXPECT_EQ(bmp->Height(), 350);
    const QImage& art = dynamic_cast<const CRasterBitmap&>(*bmp).Image();
    EXPECT_GT(InkOf(art, At(art, 0, 0)).count, 1000);
}

TEST(RasterSurface, UnknownBitmapIdGivesNull)
{
    QImage image = MakeImage(1, 1, kGrey);
    CRasterSurface dc(image);
    EXPECT_EQ(dc.LoadBitmap(0), nullptr);
    EXPECT_EQ(dc.LoadBitmap(133), nullptr);
    EXPECT_EQ(dc.LoadBitmap(9999), nullptr);
    EXPECT_EQ(dc.LoadBitmap(-1), nullptr);
}

TEST(RasterSurface, LoadedPictureCanBeTransferred)
{
    QImage image = MakeImage(600, 200, Rgb(0, 0, 0));
    CRasterSurface dc(image);
    auto bmp = dc.LoadBitmap(ResId::SupplyOneCell);
    ASSERT_NE(bmp, nullptr);
    dc.BitBlt(50, 25, 500, 150, *bmp, 0, 0, RasterOp::Copy);
    const QImage& art = dynamic_cast<const CRasterBitmap&>(*bmp).Image();
    EXPECT_EQ(image.copy(50, 25, 500, 150), art);
    EXPECT_EQ(At(image, 49, 24), Rgb(0, 0, 0));
    EXPECT_EQ(At(image, 550, 175), Rgb(0, 0, 0));
}

TEST(RasterSurface, NullTargetImageIsHarmless)
{
    QImage image;
    CRasterSurface dc(image);
    EXPECT_EQ(dc.Width(), 0);
    EXPECT_EQ(dc.Height(), 0);
    QImage other = MakeImage(4, 4, kGrey);
    CRasterSurface src(other);
    auto sprite = NumberedSprite(src);
    dc.FillSolidRect(0, 0, 5, 5, kRed);
    dc.LineTo(3, 3);
    dc.Ellipse(0, 0, 3, 3);
    dc.DrawTextCentred(CRect{0, 0, 5, 5}, "x");
    dc.BitBlt(0, 0, 4, 4, *sprite, 0, 0, RasterOp::And);
    EXPECT_TRUE(image.isNull());
}

// --- recording surface ---

TEST(RecordingSurface, SelectReturnsThePreviousObject)
{
    CRecordingSurface dc(100, 50);
    const CPen first = dc.SelectPen(SolidPen(3, kRed));
    EXPECT_EQ(first, CPen{});
    EXPECT_EQ(dc.SelectPen(SolidPen(8, kGrey)), SolidPen(3, kRed));
    EXPECT_EQ(dc.CurrentPen(), SolidPen(8, kGrey));

    const CBrush firstBrush = dc.SelectBrush(NullBrush());
    EXPECT_EQ(firstBrush, WhiteBrush());
    EXPECT_EQ(dc.SelectBrush(SolidBrush(kGrey)), NullBrush());
    EXPECT_EQ(dc.CurrentBrush(), SolidBrush(kGrey));

    const CFontSpec font{"Arial Black", 30, 400};
    dc.SelectFont(font);
    EXPECT_EQ(dc.SelectFont(CFontSpec{}), font);

    dc.SetTextColour(Rgb(9, 8, 7));
    EXPECT_EQ(dc.SetTextColour(kRed), Rgb(9, 8, 7));
}

TEST(RecordingSurface, RecordsCallsWithTheirArguments)
{
    CRecordingSurface dc(100, 50);
    dc.SelectPen(SolidPen(3, Rgb(1, 2, 3)));
    dc.FillSolidRect(-1, 2, 30, 40, Rgb(4, 5, 6));
    dc.Arc(1, 2, 3, 4, 5, 6, 7, 8);
    dc.DrawTextCentred(CRect{1, 2, 3, 4}, "lamp");
    dc.SelectFont(CFontSpec{"Face", 12, 700});
    // clang-format off
    const std::vector<CDrawCall> want{
        {"SelectPen", {3, 1, 2, 3, 0}, ""},
        {"FillSolidRect", {-1, 2, 30, 40, 4, 5, 6}, ""},
        {"Arc", {1, 2, 3, 4, 5, 6, 7, 8}, ""},
        {"DrawTextCentred", {1, 2, 3, 4}, "lamp"},
        {"SelectFont", {12, 700}, "Face"},
    };
    // clang-format on
    EXPECT_EQ(dc.Calls(), want);
    EXPECT_EQ(dc.CallsOf("Arc").size(), 1u);
    dc.Clear();
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(RecordingSurface, MemorySurfacesShareTheLogAndBitmapIds)
{
    CRecordingSurface dc(100, 50);
    auto a = dc.CreateCompatibleBitmap(20, 10);
    auto mem = dc.CreateMemorySurface(*a);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(mem->Width(), 20);
    EXPECT_EQ(mem->Height(), 10);
    auto b = mem->CreateCompatibleBitmap(5, 5);
    mem->MoveTo(1, 2);
    dc.LineTo(3, 4);
    mem->BitBlt(0, 0, 5, 5, *b, 0, 0, RasterOp::Or);

    const auto& idA = dynamic_cast<const CRecordingBitmap&>(*a);
    const auto& idB = dynamic_cast<const CRecordingBitmap&>(*b);
    EXPECT_EQ(idA.Id(), 1000000);
    EXPECT_EQ(idB.Id(), 1000001);
    const std::vector<CDrawCall> want{
        {"CreateCompatibleBitmap", {20, 10, 1000000}, ""},
        {"CreateCompatibleBitmap", {5, 5, 1000001}, ""},
        {"MoveTo", {1, 2}, ""},
        {"LineTo", {3, 4}, ""},
        {"BitBlt", {0, 0, 5, 5, 1000001, 0, 0, static_cast<int>(RasterOp::Or)}, ""},
    };
    EXPECT_EQ(dc.Calls(), want);
}

TEST(RecordingSurface, LoadedBitmapsKeepTheirIdAndSize)
{
    CRecordingSurface dc(100, 50);
    auto supply = dc.LoadBitmap(ResId::SupplyTwoCellsReversed);
    ASSERT_NE(supply, nullptr);
    EXPECT_EQ(dynamic_cast<const CRecordingBitmap&>(*supply).Id(), 139);
    EXPECT_EQ(supply->Width(), 500);
    EXPECT_EQ(supply->Height(), 150);
    auto picture = dc.LoadBitmap(CSingleBulbCircuit::kPicture);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Height(), 350);
    EXPECT_EQ(dc.LoadBitmap(12345), nullptr);
    EXPECT_EQ(dc.CallsOf("LoadBitmap").size(), 3u);
}
