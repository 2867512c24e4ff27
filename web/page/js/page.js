// The page around the view: routes every command by its id (the menus, the
// chooser, the bars and the keys all come here), keeps what they show in
// line with the core, and does what only a page can: bars shown or hidden,
// full screen, pictures, the About box, the screen reader's words.
import { findCommand } from './keys.js';
import { askSide, showAbout } from './dialogs.js';
import { Pictures } from './pictures.js';

// A screen reader hears the description at most once a second while it changes.
const kDescribeMs = 1000;
// Where keys type or choose, rather than command (a check box still lets them through).
const kEditable = (element) => element.tagName === 'SELECT' || element.tagName === 'TEXTAREA' ||
  (element.tagName === 'INPUT' && !['checkbox', 'radio', 'button'].includes(element.type));

export class Page {
  constructor(parts) {
    Object.assign(this, parts);
    this.version = -1;
    this.describedAt = -Infinity;
    this.describeTimer = null;
    this.restoring = false;
    this.pictures = new Pictures(this.app, this.host);
    this.pictureUrls = new Map();
  }

  // Every command by its id; the event lets an embedding page (or a test) follow them.
  run(id) {
    window.dispatchEvent(new CustomEvent('tarrowin-command', { detail: { id } }));
    const ids = this.ids;
    switch (id) {
      case ids.FullScreen: this.toggleFullScreen(); break;
      case ids.AppExit: window.close(); break;
      case ids.AppAbout: showAbout(this.el.about, this.aboutLayout, this.words, this.artwork, this.guideUrl); break;
      case ids.CompareCircuits: this.compare.open(); break;
      case ids.SavePicture: this.savePicture(); break;
      case ids.CopyPicture: this.pictures.copy(this.squareSide()).catch(() => {}); break;
      case ids.ResetDefaults: this.reset(); break;
      default:
        if (!this.app.command(id)) return;
        this.showBars();
        // A new circuit's numbers start afresh at once, paused or not.
        this.measurements.refresh(true);
    }
    this.refresh();
    this.requestDescription();
    if (!this.restoring) this.settings.save(this.chosenLanguage);
    this.clock.wake();
  }

  state(id) {
    const ids = this.ids;
    switch (id) {
      case ids.FullScreen: case ids.AppExit: case ids.AppAbout: case ids.SavePicture: case ids.CopyPicture:
      case ids.ResetDefaults: case ids.CompareCircuits:
        return { enabled: true, checked: false };
      default: {
        const bits = this.app.commandState(id);
        return bits & 1 ? { enabled: (bits & 2) !== 0, checked: (bits & 4) !== 0 } : null;
      }
    }
  }

  // The bars the lesson shows.
  showBars() {
    const ids = this.ids;
    const bars = [[ids.ViewChooser, this.el.chooser], [ids.ViewControls, this.el.controls],
      [ids.ViewDisplay, this.el.display], [ids.ViewMeasurements, this.el.measurements]];
    for (const [id, element] of bars) element.hidden = !this.state(id).checked;
    this.el.measurementsColumn.hidden = this.el.display.hidden && this.el.measurements.hidden;
  }

  toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else this.el.viewBox.requestFullscreen?.({ navigationUI: 'hide' }).catch(() => {});
  }

  reset() {
    this.restoring = true;
    this.settings.reset();
    this.restoring = false;
    this.showBars();
    this.chosenLanguage = null;
    this.setLanguage(this.browserLanguage());
  }

  squareSide() {
    const square = this.app.state().square;
    return square.right - square.left;
  }

  async savePicture() {
    const side = await askSide(this.el.save, this.words, this.squareSide(), Pictures.sides());
    if (side !== null) await this.pictures.save(side, this.words.tr('Circuit', this.app.state().circuit));
    this.el.view.focus({ preventScroll: true });
  }

  // What the page shows around the view, after a tick or a command.
  refresh() {
    this.bars.controls.setProgress(this.ids.Progress, this.app.progress());
    const version = this.app.version();
    if (version === this.version) return;
    this.version = version;
    const state = this.app.state();
    const ids = this.ids;
    const stateOf = (id) => this.state(id);
    this.menu.update(stateOf);
    this.chooser.update(stateOf);
    const { controls, display } = this.bars;
    // The controls bar's ids are the lesson's commands.
    for (const id of controls.ids()) {
      const s = stateOf(id);
      if (!s) continue;
      controls.setEnabled(id, s.enabled);
      controls.setChecked(id, s.checked);
    }
    this.showPicture(controls.get(ids.CellsPicture)?.element, this.module.cellsPictureId(state.cells));
    this.showPicture(display.get(ids.ElectronKey)?.element, state.electronKey);
    display.showAltCaption(ids.Pause, state.paused);
    display.setEnabled(ids.StepTick, state.canStep);
    for (const id of display.ids()) {
      const s = stateOf(id);
      if (s && id !== ids.Pause) display.setChecked(id, s.checked);
    }
    const name = this.words.tr('Circuit', state.title);
    document.title = `${this.words.tr('Strings', 'Tarrowin')} - ${name}`;
    this.el.heading.textContent = document.title;
    this.el.view.setAttribute('aria-label', name);
  }

  // An artwork in an <img> of a bar, at the screen's density.
  showPicture(image, id) {
    if (!image) return;
    const scale = window.devicePixelRatio || 1;
    const key = `${id}@${scale}/${this.words.code}`;
    if (image.dataset.shown === key) return;
    let url = this.pictureUrls.get(key);
    if (!url) {
      url = this.artwork.url(id, scale);
      this.pictureUrls.set(key, url);
    }
    const size = this.artwork.natural(id);
    image.src = url;
    image.width = size.width;
    image.height = size.height;
    image.dataset.shown = key;
  }

  requestDescription() {
    if (this.describeTimer !== null) return;
    const wait = Math.max(0, kDescribeMs - (performance.now() - this.describedAt));
    this.describeTimer = setTimeout(() => this.describe(), wait);
  }

  describe() {
    this.describeTimer = null;
    this.describedAt = performance.now();
    const described = this.app.describe();
    if (this.el.description.textContent !== described.text) this.el.description.textContent = described.text;
    const meter = this.el.meter;
    meter.setAttribute('aria-valuenow', String(Math.round(described.marks * 10) / 10));
    meter.setAttribute('aria-valuetext', described.meter);
  }

  afterTicks() {
    this.refresh();
    this.measurements.refresh();
    this.requestDescription();
  }

  browserLanguage() {
    return this.words.constructor.choose(this.words.codes(), navigator.languages ?? [navigator.language]);
  }

  // The page and the core's words in another language, everything worded drawn again.
  setLanguage(code) {
    this.words.use(code);
    this.module.setWords(this.words.triples(), this.words.code);
    // The dial's words are drawn with the dial.
    if (this.meter) this.app.setMeterCanvas(this.meter.handle, this.meter.side);
    document.documentElement.lang = this.words.code;
    this.el.language.value = this.words.code;
    this.build();
    this.app.relayout();
    this.version = -1;
    this.refresh();
    this.measurements.refresh(true);
    this.requestDescription();
  }

  chooseLanguage(code) {
    this.chosenLanguage = code;
    this.setLanguage(code);
    this.settings.save(this.chosenLanguage);
  }

  build() {
    // The two bars are landmarks, each named as the View menu names it.
    this.el.controls.setAttribute('aria-label', this.words.caption('Menu', 'Controls'));
    this.el.display.setAttribute('aria-label', this.words.caption('Menu', 'Display'));
    this.menu.build();
    this.chooser.build();
    this.bars.controls.build();
    this.bars.display.build();
    this.measurements.build();
    this.compare.relabel();
  }

  onKey(event) {
    if (event.defaultPrevented || kEditable(event.target) || this.el.about.open || this.el.save.open ||
        this.compare.isOpen())
      return;
    if (event.key === 'Escape') {
      if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
      return;
    }
    // Space and Enter press a control reached by Tab, as the desktop's do.
    const focused = document.activeElement;
    const onControl = focused && focused !== this.el.view && focused !== document.body && focused.matches('button, input');
    if (onControl && (event.key === ' ' || event.key === 'Enter')) return;
    if (this.menu.isOpen()) return;
    const entry = findCommand(this.keys, event);
    if (!entry) return;
    // Text the user selected is what Ctrl+C copies; the picture only without it.
    if (entry.id === this.ids.CopyPicture && !document.getSelection()?.isCollapsed) return;
    event.preventDefault();
    if (event.repeat && !entry.repeat) return;
    this.run(entry.id);
  }
}
