// The controls bar and the display bar, built from the core's dialog
// layouts: each group box with the controls that lie in it, row by row as
// the layout places them, every one at least 44 CSS pixels to touch.

const kContext = 'DialogBar';
// Controls whose tops lie this close (dialog units) share a row.
const kRowSlack = 4;

// A name that starts with what the control shows, so that a pupil who says or
// hears "0" or "1/2" finds the button that reads so ("0: no cells").
function named(caption, name) {
  const shown = (text) => text.toLowerCase().replace(/[^\p{L}\p{N}]+/gu, ' ').trim();
  return shown(name).includes(shown(caption)) ? name : `${caption}: ${name}`;
}

function inside(group, control) {
  return control.x >= group.x && control.y >= group.y && control.x < group.x + group.w && control.y < group.y + group.h;
}

export class Bar {
  // pictures: id -> element the page draws (meter canvas, cells picture, electron key).
  constructor(root, layout, words, run, pictures) {
    this.root = root;
    this.layout = layout;
    this.words = words;
    this.run = run;
    this.pictures = pictures;
    this.controls = new Map();   // id -> { element, input, control }
  }

  build() {
    this.root.replaceChildren();
    this.controls.clear();
    const all = this.layout.controls;
    const groups = all.filter((c) => c.kind === 'group').sort((a, b) => a.y - b.y);
    for (const group of groups) {
      const box = document.createElement('fieldset');
      box.className = 'group';
      const legend = document.createElement('legend');
      legend.textContent = this.words.caption(kContext, group.caption);
      box.append(legend);
      const members = all
        .filter((c) => c.kind !== 'group' && c.kind !== 'blackFrame' && inside(group, c))
        .sort((a, b) => a.y - b.y || a.x - b.x);
      const rows = [];
      for (const control of members) {
        if (!rows.length || control.y - rows.at(-1)[0].y > kRowSlack) rows.push([]);
        rows.at(-1).push(control);
      }
      for (const controls of rows) {
        const row = document.createElement('div');
        row.className = 'row';
        for (const control of controls.sort((a, b) => a.x - b.x)) row.append(this.element(control));
        box.append(row);
      }
      this.root.append(box);
    }
  }

  name(control) {
    return control.name ? this.words.tr(kContext, control.name) : null;
  }

  element(control) {
    const caption = control.caption ? this.words.caption(kContext, control.caption) : '';
    let element;
    let input = null;
    switch (control.kind) {
      case 'progress':
        element = document.createElement('progress');
        element.max = 100;
        element.value = 0;
        element.setAttribute('aria-label', this.name(control) ?? caption);
        break;
      case 'radio':
      case 'check': {
        element = document.createElement('label');
        element.className = 'option';
        input = document.createElement('input');
        input.type = control.kind === 'radio' ? 'radio' : 'checkbox';
        if (control.kind === 'radio') input.name = `${this.layout.id}-${control.group}`;
        input.addEventListener('click', (event) => {
          event.preventDefault();   // the command decides what is checked
          this.run(control.id);
        });
        const text = document.createElement('span');
        text.textContent = caption;
        element.append(input, text);
        break;
      }
      case 'push':
      case 'defaultPush':
      case 'pushRadio':
        element = document.createElement('button');
        element.type = 'button';
        element.className = control.kind === 'pushRadio' ? 'push toggle' : 'push';
        element.textContent = caption;
        if (control.name) element.setAttribute('aria-label', named(caption, this.name(control)));
        if (control.kind === 'pushRadio') element.setAttribute('aria-pressed', 'false');
        element.addEventListener('click', () => this.run(control.id));
        input = element;
        break;
      case 'text':
        element = document.createElement('div');
        element.className = 'bar-text';
        element.textContent = caption;
        break;
      default:
        element = this.pictures.get(control.id) ?? document.createElement('div');
        element.classList.add('picture');
        if (control.name && element.tagName === 'IMG') element.alt = this.name(control);
        else if (control.name) element.setAttribute('aria-label', this.name(control));
    }
    element.dataset.control = control.id;
    if (input) input.dataset.command = control.id;
    if (control.disabled && input) input.disabled = true;
    this.controls.set(control.id, { element, input, control });
    return element;
  }

  get(id) {
    return this.controls.get(id);
  }

  setChecked(id, checked) {
    const entry = this.controls.get(id);
    if (!entry?.input) return;
    if (entry.input.tagName === 'BUTTON') entry.input.setAttribute('aria-pressed', String(checked));
    else entry.input.checked = checked;
  }

  setEnabled(id, enabled) {
    const entry = this.controls.get(id);
    if (entry?.input) entry.input.disabled = !enabled;
  }

  // The caption, or the other one the control shows at times (Pause / Play).
  showAltCaption(id, alt) {
    const entry = this.controls.get(id);
    if (!entry) return;
    const source = alt && entry.control.altCaption ? entry.control.altCaption : entry.control.caption;
    entry.element.textContent = this.words.caption(kContext, source);
  }

  setProgress(id, value) {
    const entry = this.controls.get(id);
    if (entry && entry.element.value !== value) entry.element.value = value;
  }

  ids() {
    return [...this.controls.keys()].filter((id) => id > 0);
  }
}
