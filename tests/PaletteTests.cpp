#include "TestSupport.h"

#include "document/TarrowinDoc.h"
#include "platform/RasterSurface.h"
#include "res/CommandIds.h"
#include "res/ElectronPalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Vec3 = std::array<double, 3>;
using Matrix = std::array<Vec3, 3>;
constexpr Matrix kNormalVision{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

Vec3 Apply(const Matrix& m, const Vec3& v)
{
    const auto row = [&](int i) { return std::clamp(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2], 0.0, 1.0); };
    return {row(0), row(1), row(2)};
}

// CIELAB (D65) of the ball's mean linear colour, as the eye averages a small disc.
Vec3 MeanLab(const CBallSprite& sprite, const Matrix& vision)
{
    const QImage& image = dynamic_cast<const CRasterBitmap&>(*sprite.Image()).Image();
    const QImage& mask = dynamic_cast<const CRasterBitmap&>(*sprite.Mask()).Image();
    const auto linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
    Vec3 sum{};
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(mask.pixel(x, y)) != 0)
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
std::array<double, 4> LeastDistances(const CCircuit& c)
{
    constexpr std::array<Matrix, 4> kVisions{{
        kNormalVision,
        {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
        {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
        {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
    }};
    std::array<double, 4> least{};
    for (std::size_t v = 0; v < 4; ++v) {
        const Vec3 a = MeanLab(c.NormalSprite(), kVisions[v]), b = MeanLab(c.GainSprite(10), kVisions[v]),
                   l = MeanLab(c.LossSprite(10), kVisions[v]);
        const auto d = [](const Vec3& p, const Vec3& q) { return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]); };
        least[v] = std::min({d(a, b), d(a, l), d(b, l)});
    }
    return least;
}

// Whether the ball shows the mark's colour a third of the way out from its
// centre: across it for both signs, up and down only for a "+".
std::pair<bool, bool> MarkBars(const CBallSprite& sprite, Colour mark)
{
    const QImage& image = dynamic_cast<const CRasterBitmap&>(*sprite.Image()).Image();
    const int r = sprite.GetRadius(), d = r / 3;
    const auto is = [&](int x, int y) { return image.pixel(x, y) == qRgb(mark.r, mark.g, mark.b); };
    return {is(r - d, r) && is(r + d, r), is(r, r - d) && is(r, r + d)};
}

} // namespace

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
    EXPECT_LT(LeastDistances(*doc.GetCurrentCircuit())[2], 25.0);

    ASSERT_TRUE(doc.OnCommand(CmdId::PaletteColourBlind));
    EXPECT_TRUE(doc.CommandState(CmdId::PaletteColourBlind)->bChecked);
    EXPECT_FALSE(doc.CommandState(CmdId::PaletteStandard)->bChecked);
    doc.RenderCircuit(dc);
    for (const double least : LeastDistances(*doc.GetCurrentCircuit()))
        EXPECT_GE(least, 25.0);
    ASSERT_TRUE(doc.OnCommand(CmdId::NextCircuit));
    EXPECT_EQ(doc.GetCurrentCircuit()->GetPalette(), PaletteId::ColourBlind);

    // In both palettes energy comes in blue and goes out red; the safe balls
    // carry a "+" coming in and a "-" going out, the standard ones no sign.
    for (const int id : {CmdId::PaletteStandard, CmdId::PaletteColourBlind}) {
        doc.OnCommand(id);
        doc.LayoutCircuit(dc, CRect{0, 0, 1000, 1000});
        const CCircuit& c = *doc.GetCurrentCircuit();
        const Vec3 gain = MeanLab(c.GainSprite(10), kNormalVision), loss = MeanLab(c.LossSprite(10), kNormalVision);
        EXPECT_TRUE(gain[2] < -20 && loss[1] > 20) << id;   // CIELAB: b* blue, a* red
        const CElectronPalette& palette = ElectronPalettes()[static_cast<std::size_t>(c.GetPalette())];
        const Colour mark = Rgb(palette.mark.r, palette.mark.g, palette.mark.b);
        const bool marks = id == CmdId::PaletteColourBlind;
        EXPECT_EQ(MarkBars(c.GainSprite(1), mark), std::pair(marks, marks)) << id;
        EXPECT_EQ(MarkBars(c.LossSprite(10), mark), std::pair(marks, false)) << id;
        EXPECT_EQ(MarkBars(c.NormalSprite(), mark), std::pair(false, false)) << id;
    }
}
