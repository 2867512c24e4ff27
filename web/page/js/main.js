// Starts the browser edition: the core and the assets, then the page built
// from the core's tables, the remembered settings and the link's query,
// and the clock.
import { Artwork } from './artwork.js';
import { Bar } from './bars.js';
import { WorkerCanvasHost } from './canvas-host.js';
import { Chooser } from './chooser.js';
import { Clock } from './clock.js';
import { Compare } from './compare.js';
import { keyTable } from './keys.js';
import { Measurements } from './measurements.js';
import { MenuBar } from './menu.js';
import { Page } from './page.js';
import { Settings } from './settings.js';
import { Words } from './words.js';

function elements() {
  const byId = (id) => document.getElementById(id);
  return {
    app: byId('app'), menubar: byId('menubar'), language: byId('language'), chooser: byId('chooser'),
    heading: byId('page-title'), controls: byId('controls-bar'), viewBox: byId('view-box'), view: byId('view'), display: byId('display-bar'),
    measurements: byId('measurements'), measurementsColumn: byId('right-column'), description: byId('description'),
    about: byId('about'), save: byId('save-picture'), compare: byId('compare'),
  };
}

// The canvas's size in device pixels, so the circuit is drawn at the
// screen's own resolution; watched in device pixels, so a move to a screen
// of another density (or a zoom) lays it out again too.
function watchSize(element, onSize) {
  const report = (w, h) => onSize(Math.max(0, Math.round(w)), Math.max(0, Math.round(h)));
  const dpr = () => window.devicePixelRatio || 1;
  const box = element.getBoundingClientRect();
  report(box.width * dpr(), box.height * dpr());
  const observer = new ResizeObserver(([entry]) => {
    // The device box is exact where it is right; an emulated density
    // (a browser's device mode) reports CSS pixels there.
    const w = entry.contentRect.width * dpr();
    const h = entry.contentRect.height * dpr();
    const device = entry.devicePixelContentBoxSize?.[0];
    if (device && Math.abs(device.inlineSize - w) <= 1 && Math.abs(device.blockSize - h) <= 1)
      report(device.inlineSize, device.blockSize);
    else report(w, h);
  });
  try {
    observer.observe(element, { box: 'device-pixel-content-box' });
  } catch {
    observer.observe(element);
  }
}

async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Without the clipboard's permission (an old browser, an insecure page) the old way.
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
}

// What the page gives a test or an embedding page: `ready` resolves (with
// this object) once the first frame is drawn; module, app and page are set
// as soon as they exist. core: how Compare Circuits' workers get the core
// ({ source(), wasm() }, see compare-workers.js).
export function start(createTarrowin, loadAssets, core) {
  const exposed = { module: null, app: null, page: null };
  exposed.ready = new Promise((resolve, reject) => {
    build(createTarrowin, loadAssets, core, exposed, () => resolve(exposed)).catch((error) => {
      document.getElementById('app').dataset.state = 'failed';
      console.error('Tarrowin could not start:', error);
      // The page says why (index.html's script listens).
      window.dispatchEvent(new CustomEvent('tarrowin-failed', { detail: error }));
      reject(error);
    });
  });
  return exposed;
}

async function build(createTarrowin, loadAssets, core, exposed, onFirstFrame) {
  const el = elements();
  const host = WorkerCanvasHost.make(null);
  const [module, assets] = await Promise.all([createTarrowin({ canvasHost: host }), loadAssets()]);
  const words = new Words(assets.languages);
  const artwork = await Artwork.load(module.bitmaps(), assets.artwork, (context, text) => words.tr(context, text));
  host.store = artwork;

  const ids = module.commandIds();
  const viewHandle = host.registerOffscreen(el.view);
  const app = new module.App(viewHandle);
  exposed.module = module;
  exposed.app = app;
  // The view as drawn (its canvas may be drawn in a worker, out of the page's reach).
  exposed.viewPixels = () => host.pixels(viewHandle);
  const menus = module.menu();
  const catalogue = module.catalogue();
  const page = new Page({ module, app, host, ids, el, words, artwork, guideUrl: assets.guideUrl,
    aboutLayout: module.aboutBox(), keys: keyTable(menus) });
  exposed.page = page;
  const run = (id) => page.run(id);
  const stillStart = Boolean(window.matchMedia?.('(prefers-reduced-motion: reduce)').matches);

  const meter = document.createElement('canvas');
  meter.id = 'meter';
  meter.className = 'meter';
  meter.setAttribute('role', 'meter');
  meter.setAttribute('aria-valuemin', '-10');
  meter.setAttribute('aria-valuemax', '10');
  const meterHandle = host.register(meter);
  el.meter = meter;
  const cells = document.createElement('img');
  cells.alt = '';
  const key = document.createElement('img');
  key.alt = '';
  page.menu = new MenuBar(el.menubar, menus, words, run, new Set());
  const strip = module.bitmaps().find((b) => b.id === module.resourceIds().ChooserStrip);
  page.chooser = new Chooser(el.chooser, catalogue, assets.artwork[strip.file], words, run);
  page.bars = {
    controls: new Bar(el.controls, module.controlsBar(), words, run, new Map([[ids.CellsPicture, cells]])),
    display: new Bar(el.display, module.displayBar(), words, run, new Map([[ids.MeterFrame, meter], [ids.ElectronKey, key]])),
  };
  page.measurements = new Measurements(el.measurements, app, words, copyText);
  page.compare = new Compare({ module, host, words, dialog: el.compare, copyText, core });
  page.clock = new Clock(app, () => {
    if (!performance.getEntriesByName('tarrowin-first-frame').length) {
      performance.mark('tarrowin-first-frame');
      el.app.dataset.state = 'running';
      // Asked for less motion, the lesson stands on its first frame, the title, until Pause starts it.
      if (stillStart && !app.state().paused) page.run(ids.Pause);
      onFirstFrame();
    }
    page.afterTicks();
  });

  for (const code of words.codes()) el.language.append(new Option(Words.nameOf(code), code));
  el.language.setAttribute('aria-label', words.codes().map(Words.nameOf).join(' / '));
  el.language.addEventListener('change', () => page.chooseLanguage(el.language.value));
  page.settings = new Settings({ app, languages: words.codes() });
  page.chosenLanguage = page.settings.language;
  page.setLanguage(page.chosenLanguage ?? page.browserLanguage());

  page.restoring = true;
  const query = new URLSearchParams(location.search);
  page.settings.restore(query);
  // Asked for less motion, nothing flashes unless the link asks for Pulsate.
  if (stillStart && !query.has('pulsate')) app.applySettings('pulsate=false');
  page.restoring = false;
  page.showBars();

  watchSize(el.view, (w, h) => {
    host.resize(viewHandle, w, h);
    app.resizeView(w, h);
  });
  watchSize(meter, (w) => {
    meter.width = w;
    meter.height = w;
    page.meter = { handle: meterHandle, side: w };
    app.setMeterCanvas(meterHandle, w);
  });
  document.addEventListener('keydown', (event) => page.onKey(event));
  // A click on a control gives the keyboard back to the animation.
  el.app.addEventListener('click', (event) => {
    if (event.detail > 0 && event.target.closest('button, label') && !event.target.closest('dialog, .menu-list'))
      el.view.focus({ preventScroll: true });
  });
  document.addEventListener('fullscreenchange', () => page.refresh());
  el.view.focus({ preventScroll: true });
  page.refresh();
  page.requestDescription();
  page.clock.wake();
  el.app.classList.remove('loading');
}
