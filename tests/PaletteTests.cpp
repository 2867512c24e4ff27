#include "TestSupport.h"

#include "core/document/TarrowinDoc.h"
#include "platform/RasterSurface.h"
#include "core/res/CommandIds.h"
#include "core/res/ElectronPalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace {

using Vec3 = std::array<double, 3>;
using Matrix = std::array<Vec3, 3>;
constexpr Matrix kNormalVision{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

Vec3 Apply(const Matrix& m, const Vec3& v)
{
    const auto row = [&](int i) { return std::clamp(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2], 0.0, 1.0); };
    return {row(0), row(1), row(2)};
}

// CIELAB (D65) of the ball's mean linear colour, as the eye averages a small
// disc. A sign is a cue of its own, white on the dark safe balls: it is left
// out, or it would pale every signed ball alike.
Vec3 MeanLab(const CBallSprite& sprite, const Matrix& vision, const CElectronPalette& palette)
{
    const QImage& image = dynamic_cast<const CRasterBitmap&>(*sprite.Image()).Image();
    const QImage& mask = dynamic_cast<const CRasterBitmap&>(*sprite.Mask()).Image();
    const auto linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
    Vec3 sum{};
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(mask.pixel(x, y)) != 0 ||
                (palette.bMarks && image.pixel(x, y) == qRgb(palette.mark.r, palette.mark.g, palette.mark.b)))
                continue;
            ++n;
            for (int i = 0; i < 3; ++i)
                sum[i] += linear(static_cast<int>(image.pixel(x, y) >> (16 - 8 * i)) & 0xff);
        }
    const Vec3 xyz = Apply({{{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}}},
                           Apply(vision, {sum[0] / n, sum[1] / n, sum[2] / n}));
    const auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    const double fy = f(xyz[1]);
    return {116.0 * fy - 16.0, 500.0 * (f(xyz[0] / 0.95047) - fy), 200.0 * (fy - f(xyz[2] / 1.08883))};
}

// The least CIE76 distance between a plain ball, one fresh from the supply and
// one that has just given its energy up, to normal eyes and then under
// protanopia, deuteranopia and tritanopia (Machado et al. 2009, severity 1).
std::array<double, 4> LeastDistances(const CTarrowinDoc& doc)
{
    constexpr std::array<Matrix, 4> kVisions{{
        kNormalVision,
        {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
        {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
        {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
    }};
    const CElectronPalette& palette = ElectronPalettes()[static_cast<std::size_t>(doc.GetPalette())];
    const CElectronSprites& balls = doc.Painter().Sprites();
    std::array<double, 4> least{};
    for (std::size_t v = 0; v < 4; ++v) {
        const Vec3 a = MeanLab(balls.Normal(), kVisions[v], palette), b = MeanLab(balls.Gain(10), kVisions[v], palette),
                   l = MeanLab(balls.Loss(10), kVisions[v], palette);
        const auto d = [](const Vec3& p, const Vec3& q) { return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]); };
        least[v] = std::min({d(a, b), d(a, l), d(b, l)});
    }
    return least;
}

// Whether the ball of radius r centred on (cx, cy) shows the mark's colour a
// third of the way out from its centre: across it for both signs, up and
// down only for a "+".
std::pair<bool, bool> MarkBars(const QImage& image, int cx, int cy, int r, Colour mark)
{
    const int d = r / 3;
    const auto is = [&](int x, int y) { return image.pixel(x, y) == qRgb(mark.r, mark.g, mark.b); };
    return {is(cx - d, cy) && is(cx + d, cy), is(cx, cy - d) && is(cx, cy + d)};
}

std::pair<bool, bool> MarkBars(const CBallSprite& sprite, Colour mark)
{
    const int r = sprite.GetRadius();
    return MarkBars(dynamic_cast<const CRasterBitmap&>(*sprite.Image()).Image(), r, r, r, mark);
}

// The mean grey over a ball's disc, sign included, as a greyscale print shows it.
double DiscGrey(const QImage& frame, int cx, int cy, int r)
{
    double sum = 0;
    int n = 0;
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (i * i + j * j < r * r) {
                sum += qGray(frame.pixel(cx + i, cy + j));
                ++n;
            }
    return sum / n;
}

}   // namespace

// The menu's choice reaches every circuit and the next frame. The safe balls
// stay clearly apart to every eye; the standard green and red come close
// under deuteranopia, which shows the simulation bites.
TEST(ElectronPalettes, ColourBlindSafeBallsStayApartUnderEveryDeficiency)
{
    RestartProgramState();
    CTarrowinDoc doc;
    QImage target(1000, 1000, QImage::Format_RGB32);
    CRasterSurface dc(target);
    doc.LayoutCircuit(dc, CRect{0, 0, 1000, 1000});
    EXPECT_LT(LeastDistances(doc)[2], 25.0);

    ASSERT_TRUE(doc.OnCommand(CmdId::PaletteColourBlind));
    EXPECT_TRUE(doc.CommandState(CmdId::PaletteColourBlind)->bChecked);
    EXPECT_FALSE(doc.CommandState(CmdId::PaletteStandard)->bChecked);
    doc.DrawCircuit(dc);
    for (const double least : LeastDistances(doc))
        EXPECT_GE(least, 25.0);
    ASSERT_TRUE(doc.OnCommand(CmdId::NextCircuit));
    EXPECT_EQ(doc.GetCurrentCircuit()->GetPalette(), PaletteId::ColourBlind);

    // In both palettes energy comes in blue and goes out red; the safe balls
    // carry a "+" coming in and a "-" going out, the standard ones no sign.
    ASSERT_EQ(CmdId::kPalettes.size(), ElectronPalettes().size()) << "a palette without its command";
    for (const int id : CmdId::kPalettes) {
        doc.OnCommand(id);
        doc.LayoutCircuit(dc, CRect{0, 0, 1000, 1000});
        const CElectronSprites& balls = doc.Painter().Sprites();
        const CElectronPalette& palette =
            ElectronPalettes()[static_cast<std::size_t>(doc.GetCurrentCircuit()->GetPalette())];
        const Vec3 gain = MeanLab(balls.Gain(10), kNormalVision, palette),
                   loss = MeanLab(balls.Loss(10), kNormalVision, palette);
        EXPECT_TRUE(gain[2] < -20 && loss[1] > 20) << id;   // CIELAB: b* blue, a* red
        const Colour mark = Rgb(palette.mark.r, palette.mark.g, palette.mark.b);
        const bool marks = id == CmdId::PaletteColourBlind;
        EXPECT_EQ(MarkBars(balls.Gain(1), mark), std::pair(marks, marks)) << id;
        EXPECT_EQ(MarkBars(balls.Loss(10), mark), std::pair(marks, false)) << id;
        EXPECT_EQ(MarkBars(balls.Normal(), mark), std::pair(false, false)) << id;
    }
}

// In a still frame with no flash, plain balls, balls taking energy and balls
// giving it up fall into three greys at least 40 apart, signs included and
// fading glows too, from the view a 640 x 480 screen leaves the circuit up to
// full HD; every such ball shows its sign, far in grey from its ball.
TEST(ElectronPalettes, ColourBlindSafeBallsKeepThreeGreysInAStill)
{
    const CPaletteRgb m = ElectronPalettes()[PaletteId::ColourBlind].mark;
    for (const QSize size : {QSize(160, 396), QSize(640, 480), QSize(1920, 1080)}) {
        RestartProgramState();
        CTarrowinDoc doc;
        // Resistors have no glow to cover the balls giving energy up.
        for (const int id : {CmdId::TwoResistorsSeries, CmdId::PaletteColourBlind, CmdId::Pulsate, CmdId::Cells3})
            ASSERT_TRUE(doc.OnCommand(id));
        CCircuit& c = *doc.GetCurrentCircuit();
        ASSERT_FALSE(c.GetPulsate());
        QImage frame(size, QImage::Format_RGB32);
        CRasterSurface dc(frame);
        doc.LayoutCircuit(dc, CRect{0, 0, size.width(), size.height()});
        for (int frame = 0; frame < 1000 && c.GetIntroFrames() > 0; ++frame) {
            doc.AdvanceAnimation();
            doc.DrawCircuit(dc);
        }
        ASSERT_EQ(c.GetIntroFrames(), 0);
        const CGridLayout& grid = doc.Painter().Grid();
        const int r = doc.Painter().Sprites().Normal().GetRadius();
        std::array<std::pair<double, double>, 3> grey{};   // least and most: plain, taking, giving
        grey.fill({255, 0});
        std::array<std::set<int>, 3> levels;
        int unreadable = 0;   // balls whose sign is missing, wrong or faint
        const auto at = [&](const CElectron& e) { return QPoint(grid.PixelX(e.m_x), grid.PixelY(e.m_y)); };
        for (int tick = 0; tick < 300; ++tick) {
            doc.StepCircuit();
            doc.AdvanceAnimation();
            doc.DrawCircuit(dc);
            for (const CElectron& e : c.Electrons()) {
                const QPoint p = at(e);
                if (std::ranges::count_if(c.Electrons(), [&](const CElectron& o) {
                        return QPoint::dotProduct(at(o) - p, at(o) - p) < (2 * r + 1) * (2 * r + 1);
                    }) > 1)
                    continue;   // another ball covers part of it
                const std::size_t k = e.m_nGlow > 0 ? 1 : e.m_nGlow < 0 ? 2 : 0;
                const double g = DiscGrey(frame, p.x(), p.y(), r);
                grey[k] = {std::min(grey[k].first, g), std::max(grey[k].second, g)};
                levels[k].insert(std::abs(e.m_nGlow));
                unreadable += MarkBars(frame, p.x(), p.y(), r, Rgb(m.r, m.g, m.b)) != std::pair(k != 0, k == 1) ||
                              (k != 0 && std::abs(qGray(m.r, m.g, m.b) - g) < 100);
            }
        }
        EXPECT_EQ(unreadable, 0) << size.width();
        for (std::size_t k = 1; k < 3; ++k)
            EXPECT_TRUE(levels[k].contains(1) && *levels[k].rbegin() >= 9) << size.width() << " " << k;
        std::ranges::sort(grey);
        EXPECT_TRUE(grey[0].second + 40 <= grey[1].first && grey[1].second + 40 <= grey[2].first) << size.width();
    }
}
