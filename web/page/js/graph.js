// The Measurements panel's live graph: the last 30 seconds of the current
// (left axis) and each load's energy per second (right axis) on a canvas.
import { cssColour } from './artwork.js';

const kHistorySeconds = 30;
const kTimeTick = 5;

// A range from 0 or below to at least 1, kept while the values stay inside
// it and fill a third of it or more: every change moves the labels.
export class Axis {
  constructor() {
    this.min = 0;
    this.max = 1;
    this.step = 0.25;
  }

  fit(lo, hi) {
    lo = Math.min(lo, 0);
    hi = Math.max(hi, 1);
    if (this.min <= lo && hi <= this.max && (hi - lo) * 3 > this.max - this.min) return;
    // Nice numbers: a step of 1, 2, 2.5 or 5 times a power of ten, about four steps.
    const raw = (hi - lo) / 4;
    const power = 10 ** Math.floor(Math.log10(raw));
    this.step = [1, 2, 2.5, 5, 10].map((m) => m * power).find((s) => s >= raw);
    this.min = Math.floor(lo / this.step) * this.step;
    this.max = Math.ceil(hi / this.step) * this.step;
  }

  ticks() {
    const ticks = [];
    for (let v = this.min; v <= this.max + this.step / 1e6; v += this.step) ticks.push(Number(v.toPrecision(6)));
    return ticks;
  }
}

export class Graph {
  constructor(canvas) {
    this.canvas = canvas;
    this.current = new Axis();
    this.energy = new Axis();
  }

  // rates: the core's rates; colours: the current's, then each load's (0xRRGGBB);
  // titles: time, current and energy axes. Returns the highest load rate drawn.
  draw(rates, colours, titles) {
    const [times, current, ...loads] = rates.history;
    let lo = 0;
    let hi = 0;
    for (const v of current) {
      lo = Math.min(lo, v);
      hi = Math.max(hi, v);
    }
    let top = 0;
    for (const load of loads) for (const v of load) top = Math.max(top, v);
    this.current.fit(lo, hi);
    this.energy.fit(0, top);

    const dpr = window.devicePixelRatio || 1;
    const width = Math.round(this.canvas.clientWidth * dpr);
    const height = Math.round(this.canvas.clientHeight * dpr);
    if (width <= 0 || height <= 0) return top;
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
    }
    const ctx = this.canvas.getContext('2d');
    ctx.setTransform(dpr, 0, 0, dpr, 0, 0);
    const w = width / dpr;
    const h = height / dpr;
    const style = getComputedStyle(this.canvas);
    ctx.clearRect(0, 0, w, h);
    // The margins are measured in the labels' size, so they grow with the font.
    const f = Math.round(parseFloat(style.fontSize) * 0.8);
    ctx.font = `${f}px ${style.fontFamily}`;
    ctx.fillStyle = style.color;
    ctx.strokeStyle = style.color;

    const end = Math.max(Math.ceil(rates.seconds / kTimeTick) * kTimeTick, kHistorySeconds);
    const plot = { left: 4 * f, right: w - 4 * f, top: 0.7 * f, bottom: h - 2.8 * f };
    if (plot.right - plot.left < 20 || plot.bottom - plot.top < 20) return top;
    const x = (t) => plot.left + (t - (end - kHistorySeconds)) / kHistorySeconds * (plot.right - plot.left);
    const y = (axis, v) => plot.bottom - (v - axis.min) / (axis.max - axis.min) * (plot.bottom - plot.top);

    ctx.lineWidth = 1;
    ctx.strokeRect(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
    ctx.textAlign = 'center';
    ctx.textBaseline = 'top';
    for (let t = end - kHistorySeconds; t <= end; t += kTimeTick) ctx.fillText(String(t), x(t), plot.bottom + 3);
    ctx.fillText(titles.time, (plot.left + plot.right) / 2, plot.bottom + 1.45 * f);
    ctx.textBaseline = 'middle';
    for (const [axis, side] of [[this.current, 'left'], [this.energy, 'right']]) {
      ctx.textAlign = side === 'left' ? 'right' : 'left';
      for (const v of axis.ticks()) ctx.fillText(String(v), side === 'left' ? plot.left - 3 : plot.right + 3, y(axis, v));
    }
    // An axis title longer than the plot is tall is left out: the swatches name the lines.
    for (const [title, side] of [[titles.current, -1], [titles.energy, 1]]) {
      if (ctx.measureText(title).width > plot.bottom - plot.top) continue;
      ctx.save();
      ctx.translate(side < 0 ? 0.7 * f : w - 0.7 * f, (plot.top + plot.bottom) / 2);
      ctx.rotate(side * Math.PI / 2);
      ctx.textAlign = 'center';
      ctx.fillText(title, 0, 0);
      ctx.restore();
    }

    ctx.save();
    ctx.beginPath();
    ctx.rect(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
    ctx.clip();
    ctx.lineWidth = 2;
    const series = [[current, this.current, colours[0]], ...loads.map((load, i) => [load, this.energy, colours[1 + i]])];
    for (const [values, axis, colour] of series) {
      ctx.strokeStyle = cssColour(colour);
      ctx.beginPath();
      values.forEach((v, i) => (i === 0 ? ctx.moveTo(x(times[i]), y(axis, v)) : ctx.lineTo(x(times[i]), y(axis, v))));
      ctx.stroke();
    }
    ctx.restore();
    return top;
  }
}
