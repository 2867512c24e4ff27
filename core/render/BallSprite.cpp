#include "core/render/BallSprite.h"

#include <algorithm>
#include <cmath>

namespace {

// The light comes from up and to the left of the viewer: L = (-2, -4, 15).
constexpr double kLightX = -2.0;
constexpr double kLightY = -4.0;
constexpr double kLightZ = 15.0;
constexpr double kLightSquared = 245.0;

std::uint8_t ShadeChannel(int base, double diffuse, double highlight)
{
    const double v = std::max(base * diffuse, highlight);
    return static_cast<std::uint8_t>(static_cast<int>(v) & 0xff);
}

}

void CBallSprite::Build(CDrawSurface& dc, int r, Colour colour, Mark mark, Colour markColour)
{
    if (r > kMaxRadius)
        return;
    m_crColour = colour;
    m_nRadius = r;
    m_nSize = 2 * r + 1;
    m_bmpMask = dc.CreateCompatibleBitmap(m_nSize, m_nSize);
    m_bmpImage = dc.CreateCompatibleBitmap(m_nSize, m_nSize);
    auto mask = dc.CreateMemorySurface(*m_bmpMask);
    auto image = dc.CreateMemorySurface(*m_bmpImage);
    if (!mask || !image)
        return;

    const Colour black = Rgb(0, 0, 0);
    const Colour white = Rgb(255, 255, 255);
    for (int i = -r; i <= r; ++i) {
        for (int j = -r; j <= r; ++j) {
            if (i * i + j * j < r * r) {
                const double nx = static_cast<double>(i) / r;
                const double ny = static_cast<double>(j) / r;
                const double nz = std::sqrt(1.0 - nx * nx - ny * ny);
                const double ex = kLightX - nx;
                const double ey = kLightY - ny;
                const double ez = kLightZ - nz;
                const double d2 = ex * ex + ey * ey + ez * ez;
                // Cosine between the surface normal and the light.
                const double t = (kLightSquared + 1.0 - d2) * 0.5 / std::sqrt(kLightSquared);
                const double diffuse = std::clamp(0.8 * t + 0.2, 0.2, 1.0);
                const double highlight = 180.0 * std::min(std::pow(t, 50.0), 1.0);
                image->SetPixel(r + i, r + j,
                                Colour{ShadeChannel(colour.r, diffuse, highlight),
                                       ShadeChannel(colour.g, diffuse, highlight),
                                       ShadeChannel(colour.b, diffuse, highlight)});
                mask->SetPixel(r + i, r + j, black);
            } else {
                image->SetPixel(r + i, r + j, black);
                mask->SetPixel(r + i, r + j, white);
            }
        }
    }
    // Bars across the middle three fifths of the ball, thicker on larger
    // balls; below radius 3 a sign would only blur the colour.
    if (mark == Mark::None || r < 3)
        return;
    const int arm = r * 3 / 5;
    const int half = r / 8;
    for (int a = -arm; a <= arm; ++a) {
        for (int t = -half; t <= half; ++t) {
            image->SetPixel(r + a, r + t, markColour);
            if (mark == Mark::Plus)
                image->SetPixel(r + t, r + a, markColour);
        }
    }
}

void CBallSprite::Draw(CDrawSurface& dc, int x, int y) const
{
    if (!m_bmpMask || !m_bmpImage)
        return;
    dc.MaskBlt(x - m_nRadius, y - m_nRadius, m_nSize, m_nSize, *m_bmpMask, *m_bmpImage);
}
