#pragma once

#include <cstdint>

// What the page's canvas host does for the canvas surface (canvas_imports.js
// hands each call on to it). Colours are 0xRRGGBB; handles name canvases.
// A new canvas is made for the canvas `near` (0: none), and is kept where
// that one is drawn.
extern "C" {
int tw_canvas_create(int w, int h, int near);
void tw_canvas_release(int handle);
// The artwork of a bitmap id drawn at w x h on white, with its captions in
// the page's language; 0 when the page has no such artwork.
int tw_canvas_artwork(int id, int w, int h, int near);
void tw_canvas_fill(int handle, int x, int y, int w, int h, std::uint32_t rgb);
void tw_canvas_put_pixels(int handle, const std::uint8_t* rgba, int w, int h);
// kind 0 line (x0, y0, x1, y1), 1 ellipse and 2 rectangle in the box l, t,
// r, b (right and bottom exclusive); a negative pen width draws no outline,
// a negative brush no fill; flat: lines end at their end points.
void tw_canvas_shape(int handle, int kind, int a, int b, int c, int d, int penWidth, std::uint32_t pen, int brush,
                     int antialias, int flat);
// The outline of the ellipse in the box from `start` anticlockwise through
// `span`, in sixteenths of a degree.
void tw_canvas_arc(int handle, int l, int t, int r, int b, int start, int span, int penWidth, std::uint32_t pen,
                   int antialias, int flat);
void tw_canvas_text(int handle, int l, int t, int r, int b, const char* text, const char* face, int height, int weight,
                    std::uint32_t rgb, int fitted);
// Smooth drawing in fractional pixels: a line; a rectangle outlined where
// penWidth is positive, filled where fill is not negative; a line of text
// aligned in its rectangle (the TextAlign flags), turned `quarters`
// clockwise about (ox, oy).
void tw_canvas_smooth_line(int handle, double x1, double y1, double x2, double y2, double width, std::uint32_t rgb,
                           int dashed);
void tw_canvas_smooth_rect(int handle, double x, double y, double w, double h, double penWidth, std::uint32_t pen,
                           int dashed, int fill);
void tw_canvas_smooth_text(int handle, double x, double y, double w, double h, const char* text, const char* face,
                           int height, int weight, std::uint32_t rgb, int align, double ox, double oy, int quarters);
// A text's advance and a font's line height, smooth, in pixels.
double tw_canvas_text_width(const char* text, const char* face, int height, int weight);
double tw_canvas_text_height(const char* face, int height, int weight);
// op: 0 copy, 1 AND, 2 OR.
void tw_canvas_blit(int handle, int x, int y, int w, int h, int source, int sx, int sy, int op);
// The image through its mask (black: the image shows) from both origins.
void tw_canvas_mask_blit(int handle, int x, int y, int w, int h, int mask, int image);
}
