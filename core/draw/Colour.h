#pragma once

#include <cstdint>

// An RGB triple of 8-bit channels, the only colour type the drawings use.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour Rgb(int r, int g, int b)
{
    return Colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

// 0x00RRGGBB, as stored in a 32-bit raster pixel (the top byte is left to the surface).
constexpr std::uint32_t PackRgb(Colour c)
{
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | std::uint32_t{c.b};
}
