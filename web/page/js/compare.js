// Compare Circuits: the long run of a set of circuits and settings as the
// core's chart, with the same choices, progress, Cancel, Copy data and Save
// Picture as the desktop's window. What it shows is the core's session; the
// runs are measured in workers (compare-workers.js), standing still while
// the page is hidden.
import { RunPool } from './compare-workers.js';
import { download, pngOf } from './pictures.js';

const kContext = 'Compare';
// The chart's words: the page's face, a little smaller than its text.
const kChartFace = 'DejaVu Sans';
const kChartTextScale = 0.8;
// The progress bar and the status line move about ten times a second.
const kRefreshMs = 100;

function element(tag, className, text) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
}

function check(caption, checked) {
  const label = element('label', 'option');
  const box = element('input');
  box.type = 'checkbox';
  box.checked = checked;
  label.append(box, caption);
  return { label, box };
}

export class Compare {
  // dialog: the page's <dialog>; core: how a worker gets the core (see RunPool).
  constructor({ module, host, words, dialog, copyText, core }) {
    this.module = module;
    this.host = host;
    this.words = words;
    this.dialog = dialog;
    this.copyText = copyText;
    this.session = new module.CompareSession();
    this.pool = new RunPool(core, module, (start, job, result) => this.recorded(start, job, result));
    this.ticks = 1;
    this.timer = null;
    this.chosen = null;   // the free choice's ticks, kept across languages
    document.addEventListener('visibilitychange', () => this.pool.pause(document.visibilityState === 'hidden'));
    dialog.addEventListener('close', () => {
      if (!this.session.view(0).measuring) this.pool.close();
    });
    new ResizeObserver(() => this.draw()).observe(dialog);
  }

  text(source) {
    return this.words.tr(kContext, source);
  }

  caption(source) {
    return this.words.caption(kContext, source);
  }

  isOpen() {
    return this.dialog.open;
  }

  open() {
    if (!this.chart) this.build();
    if (!this.dialog.open) this.dialog.showModal();
    this.set.focus();
    this.show();
    this.draw();
  }

  button(caption, onClick) {
    const made = element('button', 'push', caption);
    made.type = 'button';
    made.addEventListener('click', onClick);
    return made;
  }

  // The panel in the page's language (again after a change of language).
  build() {
    const choices = this.module.compareChoices();
    const chosen = this.chosen;
    this.dialog.replaceChildren();
    this.dialog.setAttribute('aria-labelledby', 'compare-title');
    const title = element('h2', '', this.text('Compare Circuits'));
    title.id = 'compare-title';

    const top = element('div', 'row compare-top');
    const setLabel = element('label', '', this.caption('&Compare:'));
    this.set = element('select');
    this.set.id = 'compare-set';
    setLabel.htmlFor = this.set.id;
    choices.sets.forEach((name, i) => this.set.append(new Option(name, String(i))));
    this.freeChoice = choices.freeChoice;
    this.measure = this.button(this.caption('&Measure'), () => this.start());
    this.cancel = this.button(this.caption('Cancel'), () => this.stop());
    top.append(setLabel, this.set, this.measure, this.cancel);

    this.choice = element('fieldset', 'compare-choice');
    const first = choices.circuits[0].id;
    this.circuits = choices.circuits.map((circuit) =>
      ({ id: circuit.id, ...check(circuit.name, chosen?.circuits.includes(circuit.id) ?? circuit.id === first) }));
    this.cells = choices.cells.map((name, n) => check(name, chosen?.cells.includes(n) ?? n === 1));
    const circuitBoxes = element('div', 'compare-circuits');
    circuitBoxes.append(...this.circuits.map((c) => c.label));
    const cellBoxes = element('div', 'compare-cells');
    cellBoxes.append(...this.cells.map((c) => c.label));
    this.choice.append(circuitBoxes, cellBoxes);
    this.set.addEventListener('change', () => this.show());
    if (this.setIndex !== undefined) this.set.value = this.setIndex;

    const progressRow = element('div', 'row compare-progress');
    this.progress = element('progress');
    this.progress.setAttribute('aria-label', this.text('Measuring'));
    this.status = element('span', 'compare-status');
    this.status.setAttribute('role', 'status');
    progressRow.append(this.progress, this.status);

    this.chart = element('canvas', 'compare-chart');
    this.chart.setAttribute('role', 'img');
    this.chart.setAttribute('aria-label', this.text('Compare Circuits'));
    this.chartHandle ??= this.host.register(this.chart);

    const bottom = element('div', 'row compare-bottom');
    this.copy = this.button(this.caption('Copy &data'), () => this.copyText(this.session.csv()));
    this.save = this.button(this.caption('&Save Picture...'), () => this.savePicture());
    bottom.append(this.copy, this.save, this.button(choices.close, () => this.dialog.close()));
    this.dialog.append(title, top, this.choice, progressRow, this.chart, bottom);
    this.show();
  }

  // Rebuilt in the new language where it has been built.
  relabel() {
    if (!this.chart) return;
    this.remember();
    const focused = this.dialog.open;
    this.build();
    if (focused) this.set.focus();
    this.draw();
  }

  remember() {
    this.setIndex = this.set.value;
    this.chosen = {
      circuits: this.circuits.filter((c) => c.box.checked).map((c) => c.id),
      cells: this.cells.map((c, n) => (c.box.checked ? n : -1)).filter((n) => n >= 0),
    };
  }

  start() {
    this.remember();
    const { start, jobs, ticks } = this.session.start(Number(this.set.value), this.chosen.circuits, this.chosen.cells,
      performance.now());
    this.ticks = Math.max(ticks, 1);
    if (start) this.pool.run(start, jobs);
    else this.pool.cancel();
    this.show();
    this.draw();
  }

  stop() {
    this.pool.cancel();
    this.session.cancel();
    this.show();
  }

  recorded(start, job, result) {
    if (!this.session.record(start, job, result, performance.now())) return;
    this.show();
    this.draw();
  }

  // The buttons, the progress and the status line as the session has them.
  show() {
    if (!this.chart) return;
    const view = this.session.view(this.pool.ticksRun() / this.ticks);
    this.choice.hidden = Number(this.set.value) !== this.freeChoice;
    for (const control of [this.set, this.measure, ...this.circuits.map((c) => c.box), ...this.cells.map((c) => c.box)])
      control.disabled = view.measuring;
    this.cancel.disabled = !view.measuring;
    this.copy.disabled = !view.hasFigures;
    this.save.disabled = !view.hasFigures;
    this.progress.max = view.progressSteps;
    this.progress.value = view.progress;
    if (this.status.textContent !== view.status) this.status.textContent = view.status;
    clearTimeout(this.timer);
    this.timer = view.measuring ? setTimeout(() => this.show(), kRefreshMs) : null;
  }

  // The chart's text size in device pixels.
  textPixels(scale) {
    return Math.max(1, Math.round(parseFloat(getComputedStyle(this.dialog).fontSize) * kChartTextScale * scale));
  }

  draw() {
    if (!this.chart || !this.dialog.open) return;
    const scale = window.devicePixelRatio || 1;
    const w = Math.round(this.chart.clientWidth * scale);
    const h = Math.round(this.chart.clientHeight * scale);
    if (w <= 0 || h <= 0) return;
    this.host.resize(this.chartHandle, w, h);
    this.session.draw(this.chartHandle, w, h, kChartFace, this.textPixels(scale));
  }

  async savePicture() {
    const handle = this.session.picture(kChartFace, this.textPixels(1));
    try {
      download(await pngOf(this.host.canvas(handle)), 'compare.png');
    } finally {
      this.host.release(handle);
    }
  }
}
