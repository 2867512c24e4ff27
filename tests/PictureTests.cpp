// The "picture of circuit" display checked against what it shows, found by
// colour in the whole frame, so that the checks hold wherever and at whatever
// size the picture is drawn; and the meter's dial as its needle moves.

#include "core/circuits/SingleBulbCircuit.h"
#include "core/document/TarrowinDoc.h"
#include "core/pictures/MeterDial.h"
#include "platform/RasterSurface.h"
#include "tests/CircuitTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <string>

namespace {

// A circuit's background in a display mode, as the view shows it.
QImage Frame(CCircuit& c, DisplayMode mode)
{
    constexpr int kWidth = 900;
    constexpr int kHeight = 700;
    c.SetDisplayMode(mode);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    CRasterSurface dc(image);
    CCircuitPainter().Layout(c, dc, CRect{0, 0, kWidth, kHeight});
    return image;
}

// The smallest rectangle holding every pixel (x, y) for which pred(x, y).
template <class Pred>
QRect Bounds(QSize size, Pred pred)
{
    QRect box;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (pred(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRect Bounds(const QImage& image, bool (*kind)(QRgb))
{
    return Bounds(image.size(), [&](int x, int y) { return kind(image.pixel(x, y)); });
}

bool IsWhite(QRgb p)
{
    return p == qRgb(255, 255, 255);
}
bool IsInk(QRgb p)
{
    return qGray(p) < 128;
}
bool IsCellBody(QRgb p)
{
    return qBlue(p) > 120 && qBlue(p) > qRed(p) + 90;
}
bool IsCellBand(QRgb p)
{
    return qRed(p) > 150 && qRed(p) > qBlue(p) + 100 && qGreen(p) > qBlue(p) + 40;
}
bool IsHandle(QRgb p)
{
    return qRed(p) > 100 && qRed(p) > qGreen(p) + 90 && qRed(p) > qBlue(p) + 90;
}

// The supply's plates in the diagram, left to right: '+' for a long plate,
// '-' for a short one. Only the plates rise above the top wire, which is
// what most columns of the paper meet first; the long ones rise highest.
std::string DiagramPlates(const QImage& image)
{
    const QRect paper = Bounds(image, IsWhite);
    std::map<int, int> tops;   // column -> its first ink row
    std::map<int, int> columnsMeeting;
    for (int x = paper.left(); x <= paper.right(); ++x)
        for (int y = paper.top(); y <= paper.bottom(); ++y)
            if (IsInk(image.pixel(x, y))) {
                tops[x] = y;
                ++columnsMeeting[y];
                break;
            }
    if (tops.empty())
        return {};
    const int wire = std::max_element(columnsMeeting.begin(), columnsMeeting.end(), [](const auto& a, const auto& b) {
                         return a.second < b.second;
                     })->first;
    int highest = INT_MAX;
    for (const auto& [x, top] : tops)
        highest = std::min(highest, top);

    std::string plates;
    int plateTop = INT_MAX;
    for (int x = paper.left(); x <= paper.right() + 1; ++x) {
        const auto it = tops.find(x);
        if (it != tops.end() && it->second < wire - 1) {
            plateTop = std::min(plateTop, it->second);
        } else if (plateTop != INT_MAX) {
            plates += plateTop < (highest + wire) / 2 ? '+' : '-';
            plateTop = INT_MAX;
        }
    }
    return plates;
}

// The cells of the picture, left to right along a row through their upper
// half: '+' for a coloured band (a positive end), '-' for a blue body.
std::string PictureCells(const QImage& image)
{
    const QRect bodies = Bounds(image, IsCellBody);
    if (bodies.isEmpty())
        return {};
    const int y = bodies.top() + bodies.height() / 4;
    std::string cells;
    char run = 0;
    int length = 0;
    // Runs of a few pixels are blends at the edges, not parts.
    const auto endRun = [&] {
        if (run != 0 && length >= 3)
            cells += run;
    };
    for (int x = 0; x <= image.width(); ++x) {
        const QRgb p = x < image.width() ? image.pixel(x, y) : qRgb(255, 255, 255);
        const char kind = IsCellBand(p) ? '+' : IsCellBody(p) ? '-' : 0;
        if (kind == run) {
            ++length;
            continue;
        }
        endRun();
        run = kind;
        length = 1;
    }
    return cells;
}

}   // namespace

TEST(SupplyPicture, PositiveEndsAreWhereTheDiagramHasItsLongPlates)
{
    CSingleBulbCircuit c;
    std::map<int, std::string> seen;   // by the signed number of cells
    for (const bool reversed : {false, true})
        for (const int cells : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << cells << " cells" << (reversed ? " reversed" : ""));
            Configure(c, cells, reversed, false);
            const std::string plates = DiagramPlates(Frame(c, DisplayMode::Diagram));
            ASSERT_EQ(plates.size(), 2u * cells) << plates;
            EXPECT_EQ(PictureCells(Frame(c, DisplayMode::Picture)), plates);
            seen[reversed ? -cells : cells] = plates;
        }
    // Turning the supply round turns both drawings end for end.
    for (const int cells : {1, 2, 3}) {
        const std::string& normal = seen[cells];
        EXPECT_EQ(seen[-cells], std::string(normal.rbegin(), normal.rend())) << cells << " cells";
    }
}

TEST(SwitchPicture, OpeningTheSwitchLiftsTheLeverAndChangesNothingElse)
{
    CTarrowinDoc doc;
    for (const auto& circuit : doc.Circuits()) {
        CCircuit& c = *circuit;
        SCOPED_TRACE(c.GetName());
        const QImage closed = Frame(c, DisplayMode::Picture);
        c.SetSwitchOpen(true);
        const QImage open = Frame(c, DisplayMode::Picture);
        if (!doc.IsSwitchCircuit(&c)) {
            EXPECT_EQ(open, closed);
            continue;
        }
        const QRect changed =
            Bounds(closed.size(), [&](int x, int y) { return closed.pixel(x, y) != open.pixel(x, y); });
        // The switch is around its red handle, down or lifted; the blade
        // reaches no further from it than the handle is long.
        const QRect down = Bounds(closed, IsHandle);
        const QRect lifted = Bounds(open, IsHandle);
        ASSERT_FALSE(down.isEmpty());
        EXPECT_NE(lifted, down);
        const int reach = std::max(down.width(), down.height());
        EXPECT_FALSE(changed.isEmpty());
        EXPECT_TRUE(down.united(lifted).adjusted(-reach, -reach, reach, reach).contains(changed))
            << "changed " << changed.x() << "," << changed.y() << " " << changed.width() << "x" << changed.height();
    }
}

// Moving the needle redraws only around the old and new needles, yet leaves
// the dial as drawing it whole would, at every size; off the dial's own size
// the needle is smoothed.
TEST(MeterNeedle, MovingItShowsTheDialDrawnWholeAtTheNewReading)
{
    constexpr double kReadings[] = {0.0, 0.4, -0.4, 5.3, -9.7, 16.5, -40.0, 1000.0};
    for (const int side : {97, 150, 200, 263, 400}) {
        QImage moved(side, side, QImage::Format_RGB32), whole(moved.size(), moved.format());
        const std::unique_ptr<CBitmap> dial = MeterDial::BuildDial(*std::make_unique<CRasterSurface>(moved), side);
        const QImage& bare = static_cast<const CRasterBitmap&>(*dial).Image();
        bool smoothed = false;   // shades between the needle's colour and the dial's
        for (const double from : kReadings)
            for (const double to : kReadings) {
                {
                    CRasterSurface dc(moved), wholeDc(whole);
                    MeterDial::DrawWithNeedle(dc, *dial, from);
                    MeterDial::MoveNeedle(dc, *dial, from, to);
                    MeterDial::DrawWithNeedle(wholeDc, *dial, to);
                }
                ASSERT_TRUE(moved == whole) << "side " << side << " from " << from << " to " << to;
                for (int i = 0; i < side * side; ++i)
                    smoothed = smoothed || (whole.pixel(i % side, i / side) != bare.pixel(i % side, i / side) &&
                                            whole.pixel(i % side, i / side) != qRgb(0, 0, 64));
            }
        EXPECT_EQ(smoothed, side != MeterDial::kSize) << "side " << side;
    }
}
