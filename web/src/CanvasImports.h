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
void tw_canvas_text(int handle, int l, int t, int r, int b, const char* text, const char* face, int height,
                    int weight, std::uint32_t rgb, int fitted);
// op: 0 copy, 1 AND, 2 OR.
void tw_canvas_blit(int handle, int x, int y, int w, int h, int source, int sx, int sy, int op);
// The image through its mask (black: the image shows) from both origins.
void tw_canvas_mask_blit(int handle, int x, int y, int w, int h, int mask, int image);
}
