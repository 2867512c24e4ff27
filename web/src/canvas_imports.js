// The canvas surface's calls (CanvasImports.h), handed on to the canvas
// host the page gives the module as `canvasHost` (page/js/canvas-host.js).
mergeInto(LibraryManager.library, {
  tw_canvas_create: function (w, h, near) {
    return Module['canvasHost'].create(w, h, near);
  },
  tw_canvas_release: function (handle) {
    Module['canvasHost'].release(handle);
  },
  tw_canvas_artwork: function (id, w, h, near) {
    return Module['canvasHost'].artwork(id, w, h, near);
  },
  tw_canvas_fill: function (handle, x, y, w, h, rgb) {
    Module['canvasHost'].fill(handle, x, y, w, h, rgb);
  },
  tw_canvas_put_pixels: function (handle, rgba, w, h) {
    Module['canvasHost'].putPixels(handle, HEAPU8.subarray(rgba, rgba + w * h * 4), w, h);
  },
  tw_canvas_shape: function (handle, kind, a, b, c, d, penWidth, pen, brush, antialias, flat) {
    Module['canvasHost'].shape(handle, kind, a, b, c, d, penWidth, pen, brush, antialias, flat);
  },
  tw_canvas_arc: function (handle, l, t, r, b, start, span, penWidth, pen, antialias, flat) {
    Module['canvasHost'].arc(handle, l, t, r, b, start, span, penWidth, pen, antialias, flat);
  },
  tw_canvas_text: function (handle, l, t, r, b, text, face, height, weight, rgb, fitted) {
    Module['canvasHost'].text(handle, l, t, r, b, UTF8ToString(text), UTF8ToString(face), height, weight, rgb, fitted);
  },
  tw_canvas_smooth_line: function (handle, x1, y1, x2, y2, width, rgb, dashed) {
    Module['canvasHost'].smoothLine(handle, x1, y1, x2, y2, width, rgb, dashed);
  },
  tw_canvas_smooth_rect: function (handle, x, y, w, h, penWidth, pen, dashed, fill) {
    Module['canvasHost'].smoothRect(handle, x, y, w, h, penWidth, pen, dashed, fill);
  },
  tw_canvas_smooth_text: function (handle, x, y, w, h, text, face, height, weight, rgb, align, ox, oy, quarters) {
    Module['canvasHost'].smoothText(handle, x, y, w, h, UTF8ToString(text), UTF8ToString(face), height, weight, rgb,
      align, ox, oy, quarters);
  },
  tw_canvas_text_width: function (text, face, height, weight) {
    return Module['canvasHost'].textWidth(UTF8ToString(text), UTF8ToString(face), height, weight);
  },
  tw_canvas_text_height: function (face, height, weight) {
    return Module['canvasHost'].textHeight(UTF8ToString(face), height, weight);
  },
  tw_canvas_blit: function (handle, x, y, w, h, source, sx, sy, op) {
    Module['canvasHost'].blit(handle, x, y, w, h, source, sx, sy, op);
  },
  tw_canvas_mask_blit: function (handle, x, y, w, h, mask, image) {
    Module['canvasHost'].maskBlit(handle, x, y, w, h, mask, image);
  },
});
