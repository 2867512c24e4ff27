// The canvases the core's drawing surface draws on (src/CanvasSurface.h):
// the page's own canvases and the bitmaps the core makes, by handle. Every
// call is a plain 2D canvas operation in device pixels; the module reaches
// it through src/canvas_imports.js as the `canvasHost` given to createTarrowin.
import { cssColour } from './artwork.js';

const kBlend = ['source-over', 'multiply', 'lighter'];   // copy (opaque sources), AND, OR
const kBlackFaces = '"DejaVu Sans", "Arial", sans-serif';
// The font's height is its cell (ascent + descent); DejaVu's is about 1.164 em.
const kCellPerEmPercent = 116;

function newCanvas(w, h) {
  if (typeof OffscreenCanvas === 'function') return new OffscreenCanvas(w, h);
  const canvas = document.createElement('canvas');
  canvas.width = w;
  canvas.height = h;
  return canvas;
}

export class CanvasHost {
  constructor(store) {
    this.store = store;   // the artwork (artwork.js)
    this.entries = new Map();
    this.sprites = new Map();
    this.next = 1;
    this.colours = new Map();
    this.fonts = new Map();
  }

  add(canvas, handle = this.next++) {
    // Opaque: a new canvas is black, as a new bitmap of the core must be.
    const ctx = canvas.getContext('2d', { alpha: false });
    ctx.imageSmoothingEnabled = false;
    this.entries.set(handle, { canvas, ctx, version: 0 });
    return handle;
  }

  // A canvas of the page; its handle stays valid while the page lives.
  register(canvas) {
    return this.add(canvas);
  }

  // A canvas of the page that only the core draws on (the view): here a
  // canvas like the others, read through pixels().
  registerOffscreen(canvas) {
    return this.register(canvas);
  }

  canvas(handle) {
    return this.entries.get(handle)?.canvas ?? null;
  }

  // A promise of the canvas's pixels as drawn so far.
  pixels(handle) {
    const { canvas, ctx } = this.entries.get(handle);
    return Promise.resolve(ctx.getImageData(0, 0, Math.max(canvas.width, 1), Math.max(canvas.height, 1)));
  }

  // A canvas of the page gets a new size in device pixels (which clears it).
  resize(handle, w, h) {
    const { canvas } = this.target(handle);
    canvas.width = w;
    canvas.height = h;
  }

  size(handle) {
    const canvas = this.canvas(handle);
    return canvas ? { width: canvas.width, height: canvas.height } : null;
  }

  create(w, h) {
    return this.add(newCanvas(Math.max(w, 0), Math.max(h, 0)));
  }

  // The entry of a canvas about to be drawn on: what was made from it is stale.
  target(handle) {
    const entry = this.entries.get(handle);
    ++entry.version;
    return entry;
  }

  release(handle) {
    const entry = this.entries.get(handle);
    if (!entry) return;
    // Gives the memory back at once rather than at the next collection.
    entry.canvas.width = 0;
    entry.canvas.height = 0;
    this.entries.delete(handle);
    for (const key of this.sprites.keys())
      if (key.split('/').includes(String(handle))) this.sprites.delete(key);
  }

  artwork(id, w, h) {
    if (!this.store?.has(id)) return 0;
    const handle = this.create(w, h);
    CanvasHost.paintArtwork(this.store, this.target(handle).ctx, id, w, h);
    return handle;
  }

  // The artwork on white, its captions in the page's language.
  static paintArtwork(store, ctx, id, w, h) {
    ctx.fillStyle = '#ffffff';
    ctx.fillRect(0, 0, w, h);
    store.draw(ctx, id, w, h);
  }

  colour(rgb) {
    let css = this.colours.get(rgb);
    if (css === undefined) {
      css = cssColour(rgb);
      this.colours.set(rgb, css);
    }
    return css;
  }

  font(face, height, weight) {
    const key = `${face}/${height}/${weight}`;
    let font = this.fonts.get(key);
    if (font === undefined) {
      // A black face is asked for by name; where it is missing the heaviest
      // sans-serif stands in, as on the desktop.
      const black = /black/i.test(face);
      const px = Math.max(1, Math.floor((height > 0 ? height : 16) * 100 / kCellPerEmPercent));
      font = `${black ? 900 : weight >= 700 ? 700 : 400} ${px}px "${face}", ${kBlackFaces}`;
      this.fonts.set(key, font);
    }
    return font;
  }

  fill(handle, x, y, w, h, rgb) {
    const { ctx } = this.target(handle);
    ctx.fillStyle = this.colour(rgb);
    ctx.fillRect(x, y, w, h);
  }

  putPixels(handle, bytes, w, h) {
    if (w <= 0 || h <= 0) return;
    const { ctx } = this.target(handle);
    ctx.putImageData(new ImageData(new Uint8ClampedArray(bytes), w, h), 0, 0);
  }

  // Lines of an odd width are centred on the pixels, so they stay sharp.
  static offset(penWidth) {
    return penWidth > 0 && penWidth % 2 === 1 ? 0.5 : 0;
  }

  shape(handle, kind, a, b, c, d, penWidth, pen, brush, antialias, flat) {
    const { ctx } = this.target(handle);
    const o = CanvasHost.offset(penWidth);
    ctx.beginPath();
    if (kind === 0) {
      ctx.moveTo(a + o, b + o);
      ctx.lineTo(c + o, d + o);
    } else {
      // The box's right and bottom edges are outside the shape.
      const w = c - a - 1;
      const h = d - b - 1;
      if (kind === 1) ctx.ellipse(a + o + w / 2, b + o + h / 2, Math.max(w / 2, 0), Math.max(h / 2, 0), 0, 0, 2 * Math.PI);
      else ctx.rect(a + o, b + o, w, h);
      if (brush >= 0) {
        ctx.fillStyle = this.colour(brush);
        ctx.fill();
      }
    }
    if (penWidth > 0) {
      ctx.lineWidth = penWidth;
      ctx.lineCap = flat ? 'butt' : 'round';
      ctx.lineJoin = 'round';
      ctx.strokeStyle = this.colour(pen);
      ctx.stroke();
    }
  }

  arc(handle, l, t, r, b, start, span, penWidth, pen, antialias, flat) {
    const { ctx } = this.target(handle);
    const o = CanvasHost.offset(penWidth);
    const w = r - l - 1;
    const h = b - t - 1;
    const from = (start / 16) * Math.PI / 180;
    const to = ((start + span) / 16) * Math.PI / 180;
    ctx.beginPath();
    // Anticlockwise on the screen: the canvas's angles run the other way.
    ctx.ellipse(l + o + w / 2, t + o + h / 2, Math.max(w / 2, 0), Math.max(h / 2, 0), 0, -from, -to, true);
    ctx.lineWidth = penWidth;
    ctx.lineCap = flat ? 'butt' : 'round';
    ctx.strokeStyle = this.colour(pen);
    ctx.stroke();
  }

  text(handle, l, t, r, b, text, face, height, weight, rgb, fitted) {
    const { ctx } = this.target(handle);
    let font = this.font(face, height, weight);
    ctx.font = font;
    let metrics = ctx.measureText(text);
    const room = Math.max(r - l, 0);
    const width = Math.round(metrics.width);
    if (fitted && width > room && width > 0) {
      // A smaller size of the font, as much smaller as the text is too wide.
      const px = parseInt(/ (\d+)px /.exec(font)[1], 10);
      font = font.replace(/ \d+px /, ` ${Math.max(1, Math.floor(px * room / width))}px `);
      ctx.font = font;
      metrics = ctx.measureText(text);
    }
    const { ascent, height: lineHeight } = CanvasHost.lineBox(metrics);
    ctx.fillStyle = this.colour(rgb);
    ctx.textAlign = 'center';
    ctx.textBaseline = 'alphabetic';
    // The line's box centred in the rectangle, as the desktop centres it.
    ctx.fillText(text, (l + r) / 2, t + ((b - t) - lineHeight) / 2 + ascent);
  }

  // Smooth drawing in fractional pixels (the Compare chart), as the
  // desktop's painter draws it: square line ends, dashes of 4 and gaps of 2
  // pen widths, text aligned in its box and cut off at its edges where larger.
  static stroke(ctx, width, rgb, dashed, colour) {
    ctx.lineWidth = width;
    ctx.lineCap = 'square';
    ctx.lineJoin = 'bevel';
    ctx.strokeStyle = colour(rgb);
    ctx.setLineDash(dashed ? [4 * width, 2 * width] : []);
  }

  smoothLine(handle, x1, y1, x2, y2, width, rgb, dashed) {
    const { ctx } = this.target(handle);
    ctx.save();
    CanvasHost.stroke(ctx, width, rgb, dashed, (c) => this.colour(c));
    ctx.beginPath();
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.stroke();
    ctx.restore();
  }

  smoothRect(handle, x, y, w, h, penWidth, pen, dashed, fill) {
    const { ctx } = this.target(handle);
    ctx.save();
    if (fill >= 0) {
      ctx.fillStyle = this.colour(fill);
      ctx.fillRect(x, y, w, h);
    }
    if (penWidth > 0) {
      CanvasHost.stroke(ctx, penWidth, pen, dashed, (c) => this.colour(c));
      ctx.strokeRect(x, y, w, h);
    }
    ctx.restore();
  }

  // A font's metrics, from a canvas of its own so no drawing's state matters.
  measure(text, face, height, weight) {
    this.measurer ??= newCanvas(1, 1).getContext('2d');
    this.measurer.font = this.font(face, height, weight);
    return this.measurer.measureText(text);
  }

  static lineBox(metrics) {
    const ascent = metrics.fontBoundingBoxAscent ?? metrics.actualBoundingBoxAscent;
    const descent = metrics.fontBoundingBoxDescent ?? metrics.actualBoundingBoxDescent;
    return { ascent, height: ascent + descent };
  }

  textWidth(text, face, height, weight) {
    return this.measure(text, face, height, weight).width;
  }

  textHeight(face, height, weight) {
    return CanvasHost.lineBox(this.measure('', face, height, weight)).height;
  }

  smoothText(handle, x, y, w, h, text, face, height, weight, rgb, align, ox, oy, quarters) {
    const { ctx } = this.target(handle);
    const metrics = this.measure(text, face, height, weight);
    const { ascent, height: lineHeight } = CanvasHost.lineBox(metrics);
    ctx.save();
    ctx.translate(ox, oy);
    ctx.rotate(quarters * Math.PI / 2);
    if (metrics.width > w || lineHeight > h) {
      ctx.beginPath();
      ctx.rect(x, y, w, h);
      ctx.clip();
    }
    ctx.font = this.font(face, height, weight);
    ctx.fillStyle = this.colour(rgb);
    ctx.textBaseline = 'alphabetic';
    // TextAlign flags (core/draw/DrawObjects.h): 1 left, 2 right, 4 centre; 8 top, 16 middle.
    ctx.textAlign = align & 2 ? 'right' : align & 4 ? 'center' : 'left';
    const left = align & 2 ? x + w : align & 4 ? x + w / 2 : x;
    const top = align & 16 ? y + (h - lineHeight) / 2 : y;
    ctx.fillText(text, left, top + ascent);
    ctx.restore();
  }

  blit(handle, x, y, w, h, source, sx, sy, op) {
    this.block(handle, x, y, w, h, source, sx, sy, op);
  }

  block(handle, x, y, w, h, source, sx, sy, op) {
    const { ctx } = this.target(handle);
    ctx.globalCompositeOperation = kBlend[op];
    ctx.drawImage(this.entries.get(source).canvas, sx, sy, w, h, x, y, w, h);
    ctx.globalCompositeOperation = 'source-over';
  }

  // A sprite stamped through its mask (CDrawSurface::MaskBlt): where the
  // mask is black the image, elsewhere the canvas as it was. Drawn in one
  // pass from a copy of the image that is transparent where the mask is
  // white, made once for each mask and image and kept while neither changes;
  // a mask that is not black and white goes the long way, AND then OR.
  maskBlit(handle, x, y, w, h, maskHandle, imageHandle) {
    const mask = this.entries.get(maskHandle);
    const image = this.entries.get(imageHandle);
    const key = `${maskHandle}/${imageHandle}`;
    let sprite = this.sprites.get(key);
    if (!sprite || sprite.maskVersion !== mask.version || sprite.imageVersion !== image.version) {
      sprite = { maskVersion: mask.version, imageVersion: image.version, canvas: this.stamp(mask, image) };
      this.sprites.set(key, sprite);
    }
    if (!sprite.canvas) {
      this.block(handle, x, y, w, h, maskHandle, 0, 0, 1);
      this.block(handle, x, y, w, h, imageHandle, 0, 0, 2);
      return;
    }
    const { ctx } = this.target(handle);
    ctx.drawImage(sprite.canvas, 0, 0, w, h, x, y, w, h);
  }

  stamp(mask, image) {
    const w = Math.min(mask.canvas.width, image.canvas.width);
    const h = Math.min(mask.canvas.height, image.canvas.height);
    if (w <= 0 || h <= 0) return null;
    const m = mask.ctx.getImageData(0, 0, w, h).data;
    const pixels = image.ctx.getImageData(0, 0, w, h);
    const p = pixels.data;
    for (let i = 0; i < p.length; i += 4) {
      const black = m[i] === 0 && m[i + 1] === 0 && m[i + 2] === 0;
      const white = m[i] === 255 && m[i + 1] === 255 && m[i + 2] === 255;
      // Under white the image must be black for OR to leave the canvas alone.
      if (!black && !(white && p[i] === 0 && p[i + 1] === 0 && p[i + 2] === 0)) return null;
      p[i + 3] = black ? 255 : 0;
    }
    const canvas = newCanvas(w, h);
    canvas.getContext('2d').putImageData(pixels, 0, 0);
    return canvas;
  }
}

// The worker's side: a host of its own whose canvases mirror the page's by
// handle, drawing what the page's host sends, frame by frame.
function serveCanvases() {
  const host = new CanvasHost(null);
  self.onmessage = ({ data }) => {
    for (const [name, handle, ...args] of data) {
      if (name === 'adopt') host.add(args[0], handle);
      else if (name === 'make') host.add(newCanvas(args[0], args[1]), handle);
      else if (name === 'bitmap') {
        const [bitmap] = args;
        host.add(newCanvas(bitmap.width, bitmap.height), handle);
        host.target(handle).ctx.drawImage(bitmap, 0, 0);
        bitmap.close();
      } else if (name === 'read') {
        const { canvas, ctx } = host.entries.get(handle);
        const image = ctx.getImageData(0, 0, Math.max(canvas.width, 1), Math.max(canvas.height, 1));
        self.postMessage({ id: args[0], image }, [image.data.buffer]);
      } else host[name](handle, ...args);
    }
  };
}

// The worker's script, made from this file's own code, so the page needs
// no file of it (the single file opens from file://).
function workerSource() {
  return [
    `const kBlend = ${JSON.stringify(kBlend)};`,
    `const kBlackFaces = ${JSON.stringify(kBlackFaces)};`,
    `const kCellPerEmPercent = ${kCellPerEmPercent};`,
    `const cssColour = ${cssColour};`,
    String(newCanvas), String(CanvasHost), String(serveCanvases), 'serveCanvases();',
  ].join('\n');
}

const kDrawing = ['fill', 'putPixels', 'shape', 'arc', 'text', 'smoothLine', 'smoothRect', 'smoothText', 'blit', 'maskBlit',
  'resize'];

// The page's host when the view can be drawn in a worker: the view's
// canvas is handed to it, so rasterising each frame and passing it to the
// compositor leave the page's main thread. A bitmap lives where the canvas
// it was made for is drawn (the view's in the worker, the meter's and the
// pictures' here); the calls of a tick go to the worker in one message
// once the tick is done.
export class WorkerCanvasHost extends CanvasHost {
  // A host of the page alone where the browser cannot draw in a worker.
  static make(store) {
    if (typeof Worker !== 'function' || typeof OffscreenCanvas !== 'function' ||
        typeof HTMLCanvasElement.prototype.transferControlToOffscreen !== 'function') return new CanvasHost(store);
    try {
      return new WorkerCanvasHost(store);
    } catch {
      // A page that may not start workers from a Blob (its Content-Security-Policy).
      return new CanvasHost(store);
    }
  }

  constructor(store) {
    super(store);
    this.remote = new Map();   // handles drawn in the worker -> size
    this.queue = [];
    this.transfers = [];
    this.reads = new Map();
    this.lastRead = 0;
    // Not revoked: the worker may fetch its script after this returns.
    const url = URL.createObjectURL(new Blob([workerSource()], { type: 'text/javascript' }));
    this.worker = new Worker(url);
    this.worker.onmessage = ({ data }) => {
      this.reads.get(data.id)?.done(data.image);
      this.reads.delete(data.id);
    };
    this.worker.onerror = (event) => {
      console.error('Tarrowin could not draw the view:', event.message);
      for (const read of this.reads.values()) read.fail(new Error(event.message));
      this.reads.clear();
    };
  }

  // The canvas is drawn in the worker from now on: it can be neither drawn
  // on nor read here.
  registerOffscreen(canvas) {
    let offscreen;
    try {
      offscreen = canvas.transferControlToOffscreen();
    } catch {
      // Drawn here then, with nothing sent to the worker any more.
      this.worker?.terminate();
      this.worker = null;
      return this.register(canvas);
    }
    const handle = this.remoteHandle(offscreen.width, offscreen.height);
    this.send(['adopt', handle, offscreen], offscreen);
    return handle;
  }

  send(call, transfer) {
    if (!this.worker) return;
    if (this.queue.length === 0) queueMicrotask(() => this.flush());
    this.queue.push(call);
    if (transfer) this.transfers.push(transfer);
  }

  flush() {
    if (this.queue.length === 0) return;
    this.worker.postMessage(this.queue, this.transfers);
    this.queue = [];
    this.transfers = [];
  }

  pixels(handle) {
    if (!this.remote.has(handle)) return super.pixels(handle);
    const id = ++this.lastRead;
    const promise = new Promise((done, fail) => this.reads.set(id, { done, fail }));
    this.send(['read', handle, id]);
    return promise;
  }

  size(handle) {
    return this.remote.get(handle) ?? super.size(handle);
  }

  // A handle drawn in the worker, of that size.
  remoteHandle(width, height) {
    const handle = this.next++;
    this.remote.set(handle, { width, height });
    return handle;
  }

  create(w, h, near) {
    if (!this.remote.has(near)) return super.create(w, h);
    const handle = this.remoteHandle(Math.max(w, 0), Math.max(h, 0));
    this.send(['make', handle, Math.max(w, 0), Math.max(h, 0)]);
    return handle;
  }

  release(handle) {
    if (!this.remote.delete(handle)) return super.release(handle);
    this.send(['release', handle]);
  }

  artwork(id, w, h, near) {
    if (!this.remote.has(near)) return super.artwork(id, w, h);
    if (!this.store?.has(id)) return 0;
    // The SVG is decoded and drawn here (the worker has no DOM); the worker gets the result.
    const painted = new OffscreenCanvas(w, h);
    CanvasHost.paintArtwork(this.store, painted.getContext('2d'), id, w, h);
    const bitmap = painted.transferToImageBitmap();
    const handle = this.remoteHandle(w, h);
    this.send(['bitmap', handle, bitmap], bitmap);
    return handle;
  }
}

for (const name of kDrawing) {
  WorkerCanvasHost.prototype[name] = function (handle, ...args) {
    const remote = this.remote.get(handle);
    if (!remote) return CanvasHost.prototype[name].call(this, handle, ...args);
    if (name === 'resize') {
      remote.width = args[0];
      remote.height = args[1];
    }
    if (name === 'putPixels') {
      // The bytes are the module's memory, which changes before the message goes.
      const bytes = new Uint8Array(args[0]);
      this.send([name, handle, bytes, args[1], args[2]], bytes.buffer);
    } else this.send([name, handle, ...args]);
  };
}
