// The Measurements panel: the current at the supply and each load's energy
// per second, as numbers, bars and the live graph, with "Copy data"; beside
// them the long run, measured a slice at a time in the page's idle moments
// while the panel shows and the page is not hidden.
import { Graph } from './graph.js';
import { cssColour } from './artwork.js';

const kContext = 'Measurements';
// The colours of the graph's lines: apart for colour-blind eyes.
const kCurrentColour = 0x0072b2;
const kLoadColours = [0xe69f00, 0xd55e00, 0x009e73];
// Numbers changing faster than about twice a second cannot be read.
const kTicksPerRefresh = 30;
const kBarSteps = 1000;
// Each idle slice runs the copy for about this long, leaving the frame its time.
const kSliceMs = 6;
const kTicksPerCall = 100;

function swatch(colour) {
  const square = document.createElement('span');
  square.className = 'swatch';
  square.style.backgroundColor = cssColour(colour);
  return square;
}

export class Measurements {
  constructor(root, app, words, onCopy) {
    this.root = root;
    this.app = app;
    this.words = words;
    this.onCopy = onCopy;
    this.generation = -1;
    this.ticksShown = -1;
    this.slicing = false;
    document.addEventListener('visibilitychange', () => this.slice());
  }

  text(source, ...args) {
    return this.words.format(kContext, source, ...args);
  }

  build() {
    this.root.replaceChildren();
    const heading = (text, colour) => {
      const line = document.createElement('div');
      line.className = 'm-heading';
      if (colour !== undefined) line.append(swatch(colour));
      const title = document.createElement('strong');
      title.textContent = text;
      line.append(title);
      return line;
    };
    this.currentValue = document.createElement('div');
    this.currentValue.className = 'm-value';
    this.longRunLine = document.createElement('div');
    this.longRunLine.className = 'm-longrun';
    this.longRunProgress = document.createElement('progress');
    this.longRunProgress.max = 100;
    this.longRunProgress.setAttribute('aria-label', this.text('measuring the long run'));
    this.currentLongRun = document.createElement('span');
    this.longRunLine.append(this.longRunProgress, this.currentLongRun);
    this.loads = document.createElement('div');
    this.loads.className = 'm-loads';
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'm-graph';
    this.canvas.setAttribute('aria-hidden', 'true');
    this.graph = new Graph(this.canvas);
    this.copy = document.createElement('button');
    this.copy.type = 'button';
    this.copy.className = 'push';
    this.copy.textContent = this.text('Copy data');
    this.copy.addEventListener('click', () => this.copyData());
    this.root.append(heading(this.text('current at power supply'), kCurrentColour), this.currentValue,
      this.longRunLine, heading(this.text('energy per second')), this.loads, this.canvas, this.copy);
    this.generation = -1;
    this.rows = [];
    this.showLongRun();
  }

  visible() {
    return !this.root.hidden;
  }

  buildLoads(rates) {
    this.loads.replaceChildren();
    this.rows = rates.loads.map((load, i) => {
      const colour = kLoadColours[i % kLoadColours.length];
      const name = document.createElement('span');
      name.className = 'm-name';
      name.textContent = load.label;
      const value = document.createElement('span');
      value.className = 'm-number';
      const bar = document.createElement('progress');
      bar.max = kBarSteps;
      bar.setAttribute('aria-label', load.label);
      bar.style.accentColor = cssColour(colour);
      const longRun = document.createElement('span');
      longRun.className = 'm-load-longrun';
      this.loads.append(swatch(colour), name, value, bar, longRun);
      return { name: load.name, value, bar, longRun };
    });
  }

  // Shows the rates when due (about twice a second) or when `now` asks.
  refresh(now = false) {
    if (!this.visible()) return;
    // The history is copied out of the core only when it is shown: not every frame.
    const ticks = this.app.ticks();
    if (!now && this.appTicks !== undefined && ticks - this.appTicks < kTicksPerRefresh && ticks >= this.appTicks) return;
    this.appTicks = ticks;
    this.followLongRun();
    const rates = this.app.rates();
    if (rates.generation !== this.generation) {
      this.buildLoads(rates);
      this.generation = rates.generation;
      this.ticksShown = -1;
      this.showLongRun();
    }
    if (rates.ticks === this.ticksShown || (!now && this.ticksShown >= 0 && rates.ticks - this.ticksShown < kTicksPerRefresh))
      return;
    this.ticksShown = rates.ticks;
    const top = this.graph.draw(rates, [kCurrentColour, ...kLoadColours], {
      time: this.text('time (s)'), current: this.text('electrons per second'), energy: this.text('energy per second'),
    });
    this.currentValue.textContent = this.text('%1 electrons per second', this.words.number(rates.current, 2));
    rates.loads.forEach((load, i) => {
      const row = this.rows[i];
      row.value.textContent = this.words.number(load.rate, 2);
      row.bar.value = top > 0 ? Math.round(load.rate / top * kBarSteps) : 0;
    });
  }

  interval(estimate) {
    return this.text('%1 +/- %2', this.words.number(estimate.mean, 2), this.words.number(estimate.half, 2));
  }

  followLongRun() {
    if (this.app.followLongRun()) this.showLongRun();
    this.slice();
  }

  // Runs the long run's copy in the page's idle moments until it is done.
  slice() {
    if (this.slicing || !this.visible() || document.visibilityState === 'hidden') return;
    this.slicing = true;
    const idle = window.requestIdleCallback ?? ((f) => setTimeout(f, 1));
    idle(() => {
      this.slicing = false;
      if (document.visibilityState === 'hidden') return;
      const until = performance.now() + kSliceMs;
      let more = true;
      while (more && performance.now() < until) more = this.app.advanceLongRun(kTicksPerCall);
      this.showLongRun();
      if (more) this.slice();
    });
  }

  showLongRun() {
    const result = this.app.longRunResult();
    this.longRunProgress.hidden = result !== null;
    this.longRunProgress.value = Math.round(this.app.longRunProgress() * 100);
    if (!result) {
      this.currentLongRun.textContent = this.text('long run: measuring 10 minutes...');
      for (const row of this.rows ?? []) row.longRun.textContent = '';
      return;
    }
    this.currentLongRun.textContent = this.text('long run (10 minutes): %1 electrons per second', this.interval(result.current));
    for (const row of this.rows ?? []) row.longRun.textContent = result.loads[row.name] ? this.interval(result.loads[row.name]) : '';
  }

  csv() {
    const header = [this.text('time (s)'), this.text('current (electrons per second)')];
    for (const load of this.app.rates().loads) header.push(this.text('%1 (energy per second)', load.label));
    return this.app.csv(header);
  }

  copyData() {
    this.onCopy(this.csv());
  }
}
