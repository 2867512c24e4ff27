#include "TestSupport.h"

#include "document/TarrowinDoc.h"
#include "platform/RasterSurface.h"
#include "res/CommandIds.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Vec3 = std::array<double, 3>;
using Matrix = std::array<Vec3, 3>;

Vec3 Apply(const Matrix& m, const Vec3& v)
{
    Vec3 out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2], 0.0, 1.0);
    return out;
}

// The ball's mean colour in linear RGB, as the eye averages a small disc.
Vec3 MeanColour(const CBallSprite& sprite)
{
    const QImage& image = dynamic_cast<const CRasterBitmap&>(*sprite.Image()).Image();
    const QImage& mask = dynamic_cast<const CRasterBitmap&>(*sprite.Mask()).Image();
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    Vec3 sum{};
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(mask.pixel(x, y)) == 0) {
                const QRgb p = image.pixel(x, y);
                sum = {sum[0] + linear(qRed(p)), sum[1] + linear(qGreen(p)), sum[2] + linear(qBlue(p))};
                ++n;
            }
    return {sum[0] / n, sum[1] / n, sum[2] / n};
}

// CIELAB under D65 from linear sRGB.
Vec3 Lab(const Vec3& c)
{
    const Matrix toXyz{{{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}}};
    const Vec3 xyz{Apply(toXyz, c)};
    const auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    const double fx = f(xyz[0] / 0.95047), fy = f(xyz[1]), fz = f(xyz[2] / 1.08883);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

// Normal vision, then protanopia, deuteranopia and tritanopia as simulated by
// Machado, Oliveira and Fernandes (2009) at severity 1.0.
constexpr std::array<Matrix, 4> kVisions{{
    {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
}};

// For each vision, the least CIE76 distance between a plain ball, one fresh
// from the supply and one that has just given its energy up, as drawn.
std::array<double, 4> LeastDistances(const CCircuit& c)
{
    const std::array<Vec3, 3> balls{MeanColour(c.NormalSprite()), MeanColour(c.GainSprite(10)),
                                    MeanColour(c.LossSprite(10))};
    std::array<double, 4> least{};
    for (std::size_t v = 0; v < kVisions.size(); ++v) {
        least[v] = 1e9;
        for (std::size_t a = 0; a < 3; ++a)
            for (std::size_t b = a + 1; b < 3; ++b) {
                const Vec3 la = Lab(Apply(kVisions[v], balls[a])), lb = Lab(Apply(kVisions[v], balls[b]));
                least[v] = std::min(least[v], std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]));
            }
    }
    return least;
}

} // namespace

// The menu's choice reaches every circuit and the next frame; the safe balls
// stay clearly apart to every eye, where the standard green and red meet
// under deuteranopia (which shows the simulation bites).
TEST(ElectronPalettes, ColourBlindSafeBallsStayApartUnderEveryDeficiency)
{
    RestartProgramState();
    CTarrowinDoc doc;
    QImage target(1000, 1000, QImage::Format_RGB32);
    CRasterSurface dc(target);
    doc.LayoutCircuit(dc, CRect{0, 0, 1000, 1000});
    const std::array<double, 4> standard = LeastDistances(*doc.GetCurrentCircuit());
    EXPECT_LT(standard[2], 25.0);

    ASSERT_TRUE(doc.OnCommand(CmdId::PaletteColourBlind));
    EXPECT_TRUE(doc.CommandState(CmdId::PaletteColourBlind)->bChecked);
    EXPECT_FALSE(doc.CommandState(CmdId::PaletteStandard)->bChecked);
    doc.StepCircuit();
    doc.RenderCircuit(dc);
    const std::array<double, 4> safe = LeastDistances(*doc.GetCurrentCircuit());
    for (std::size_t v = 0; v < safe.size(); ++v)
        EXPECT_GE(safe[v], 25.0) << "vision " << v;
    ASSERT_TRUE(doc.OnCommand(CmdId::NextCircuit));
    EXPECT_EQ(doc.GetCurrentCircuit()->GetPalette(), 1);
}
