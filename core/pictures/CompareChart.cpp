#include "core/pictures/CompareChart.h"

#include "core/words/Words.h"

#include <algorithm>
#include <cmath>

namespace CompareChart {

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kGridColour = Rgb(200, 200, 200);
constexpr Colour kModelColour = Rgb(0, 114, 178);
constexpr Colour kIdealColour = Rgb(213, 94, 0);
constexpr const char* kEllipsis = "\u2026";

std::string Text(const char* text)
{
    return Translate("Compare", text);
}

// Steps of 1, 2 or 5 times a power of ten, about five of them to the top.
double NiceStep(double top)
{
    const double rough = top / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= rough)
            return m * power;
    return 10.0 * power;
}

// The circuit's name, then what sets the run apart.
std::string Label(const CBar& bar, const char* between)
{
    return bar.circuit + between + bar.settings;
}

// The text as it fits the width: cut short with an ellipsis where it is wider.
std::string Elided(CDrawSurface& dc, const std::string& text, double width)
{
    if (dc.TextWidth(text) <= width)
        return text;
    std::vector<std::size_t> cuts;   // where a character starts (not inside one of UTF-8's)
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            cuts.push_back(i);
    // The longest start that fits with the ellipsis after it.
    std::size_t fits = 0, over = cuts.size();
    while (over - fits > 1) {
        const std::size_t mid = (fits + over) / 2;
        (dc.TextWidth(text.substr(0, cuts[mid]) + kEllipsis) <= width ? fits : over) = mid;
    }
    return text.substr(0, cuts[fits]) + kEllipsis;
}

// The text's lines as they wrap at spaces within the width; its own line
// breaks kept, and a word wider than the width alone on its line.
std::vector<std::string> Wrapped(CDrawSurface& dc, const std::string& text, double width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line;
        for (std::size_t word = start; word < end;) {
            const std::size_t space = std::min(text.find(' ', word), end);
            const std::string next = text.substr(word, space - word);
            if (!line.empty() && dc.TextWidth(line + ' ' + next) > width) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + next;
            word = space + 1;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The rectangle with these corners, whichever way round they are given.
CRectF Between(double x1, double y1, double x2, double y2)
{
    CRectF rc{x1, y1, x2 - x1, y2 - y1};
    if (rc.w < 0) {
        rc.x += rc.w;
        rc.w = -rc.w;
    }
    if (rc.h < 0) {
        rc.y += rc.h;
        rc.h = -rc.h;
    }
    return rc;
}

// The lines from the rectangle's top, each centred, those below its bottom
// left out and the last cut off there, as a block of wrapped text is.
void DrawWrapped(CDrawSurface& dc, const CRectF& rc, const std::vector<std::string>& lines, double line)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double top = rc.y + line * static_cast<double>(i);
        if (top >= rc.Bottom())
            break;
        dc.SmoothText(CRectF{rc.x, top, rc.w, std::min(line, rc.Bottom() - top)}, lines[i], kAlignHCentre | kAlignTop,
                      {});
    }
}

}

CFontSpec PictureFont(CFontSpec screen, int height)
{
    screen.nHeight = CellForPixels(std::max(12, height / 50));
    return screen;
}

void Draw(CDrawSurface& dc, const CRect& area, std::span<const CBar> bars)
{
    dc.FillSolidRect(area.left, area.top, area.Width(), area.Height(), kWhite);
    const Colour text = dc.SetTextColour(kBlack);
    const double line = dc.TextHeight();
    const double pad = line * 0.6;
    const CRectF box{static_cast<double>(area.left), static_cast<double>(area.top), static_cast<double>(area.Width()),
                     static_cast<double>(area.Height())};

    // The scale: from 0 (or the lowest whisker) up to the highest whisker or ideal.
    double top = 1.0, bottom = 0.0;
    for (const CBar& bar : bars) {
        if (bar.value) {
            top = std::max(top, bar.value->High());
            bottom = std::min(bottom, bar.value->Low());
        }
        if (bar.ideal)
            top = std::max(top, *bar.ideal);
    }
    const double step = NiceStep(top - bottom);
    top = std::ceil(top / step) * step;
    bottom = std::floor(bottom / step) * step;
    const int decimals = step < 1 ? 1 : 0;

    // Labels below need room: turned on their side when the bars are many.
    const bool turned = bars.size() > 8;
    double labelRoom = 4.4 * line;   // a name on up to three lines and the settings
    if (turned)
        for (const CBar& bar : bars)
            labelRoom = std::max(labelRoom, dc.TextWidth(Label(bar, " ")) + pad);
    labelRoom = std::min(labelRoom, box.h * 0.45);
    const double axisWidth = dc.TextWidth(FormatNumber(top, decimals)) + pad * 2 + line;
    const double keyHeight = line * 1.6;
    const CRectF plot{box.x + axisWidth, box.y + keyHeight + pad, box.w - axisWidth - pad,
                      box.h - keyHeight - labelRoom - 2 * pad};
    if (plot.w < 10 || plot.h < 10) {
        dc.SetTextColour(text);
        return;
    }
    const auto y = [&](double v) { return plot.Bottom() - (v - bottom) / (top - bottom) * plot.h; };

    // The axis, its numbers and its title along it.
    for (double v = bottom; v <= top + step / 2; v += step) {
        dc.SmoothLine(plot.x, y(v), plot.Right(), y(v), CStroke{1.0, kGridColour});
        dc.SmoothText(CRectF{box.x + line, y(v) - line / 2, axisWidth - line - pad / 2, line},
                      FormatNumber(std::abs(v) < step / 1000 ? 0.0 : v, decimals), kAlignRight | kAlignVCentre, {});
    }
    dc.SmoothText(
        CRectF{-plot.h / 2, 0, plot.h, line},
        Elided(dc, Text(QT_TRANSLATE_NOOP("Compare", "current at power supply (electrons per second)")), plot.h),
        kAlignCentre, CTurn{box.x, plot.CentreY(), -1});
    dc.SmoothLine(plot.x, y(0), plot.Right(), y(0), CStroke{1.0, kBlack});

    // The key.
    double kx = plot.x;
    const auto key = [&](const std::string& words, bool outline) {
        const CRectF swatch{kx, box.y + pad / 2, line, line * 0.8};
        if (outline)
            dc.SmoothRect(swatch, CStroke{2.0, kIdealColour, true}, std::nullopt);
        else
            dc.SmoothRect(swatch, std::nullopt, kModelColour);
        // Cut short where a narrow window leaves it too little room.
        const double at = swatch.Right() + pad / 2;
        const std::string shown = Elided(dc, words, box.Right() - at - 1);
        const double w = dc.TextWidth(shown);
        dc.SmoothText(CRectF{at, swatch.y - line * 0.1, w + 1, line}, shown, kAlignLeft | kAlignTop, {});
        kx = swatch.Right() + pad * 2 + w;
    };
    key(Text(QT_TRANSLATE_NOOP("Compare", "model, with its 95% interval")), false);
    key(Text(QT_TRANSLATE_NOOP("Compare", "ideal circuit (Ohm's and Kirchhoff's laws)")), true);

    // The bars.
    const double slot = plot.w / static_cast<double>(std::max<std::size_t>(1, bars.size()));
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const CBar& bar = bars[i];
        const double left = plot.x + slot * static_cast<double>(i);
        const double width = slot * (bar.ideal ? 0.4 : 0.6);
        const double x = left + slot * 0.2;
        if (bar.value) {
            dc.SmoothRect(Between(x, y(std::max(0.0, bar.value->mean)), x + width, y(std::min(0.0, bar.value->mean))),
                          std::nullopt, kModelColour);
            const double cx = x + width / 2, cap = width / 4;
            const CStroke whisker{std::max(1.0, line / 10), kBlack};
            dc.SmoothLine(cx, y(bar.value->Low()), cx, y(bar.value->High()), whisker);
            dc.SmoothLine(cx - cap, y(bar.value->Low()), cx + cap, y(bar.value->Low()), whisker);
            dc.SmoothLine(cx - cap, y(bar.value->High()), cx + cap, y(bar.value->High()), whisker);
        }
        if (bar.ideal)
            dc.SmoothRect(Between(x + width, y(*bar.ideal), x + 2 * width, y(0)),
                          CStroke{std::max(2.0, line / 8), kIdealColour, true}, std::nullopt);
        // The ratios over the bar: the model's, and the ideal's.
        if (bar.ratio && bar.idealRatio && !turned) {
            const std::string ratios = FillIn(Text(QT_TRANSLATE_NOOP("Compare", "×%1 (ideal ×%2)")),
                                              {FormatNumber(*bar.ratio, 2), FormatNumber(*bar.idealRatio, 1)});
            const double above = std::max(bar.value ? bar.value->High() : 0.0, *bar.ideal);
            dc.SmoothText(CRectF{left, y(above) - line * 1.1, slot, line}, Elided(dc, ratios, slot), kAlignCentre, {});
        }
        if (turned)
            dc.SmoothText(CRectF{0, -line, labelRoom - pad, line}, Elided(dc, Label(bar, " "), labelRoom - pad),
                          kAlignLeft | kAlignVCentre, CTurn{left + slot / 2 + line / 3, plot.Bottom() + pad / 2, 1});
        else
            DrawWrapped(dc, CRectF{left + 2, plot.Bottom() + pad / 2, slot - 4, labelRoom - pad},
                        Wrapped(dc, Label(bar, "\n"), slot - 4), line);
    }
    dc.SetTextColour(text);
}

}
