// The menu bar, built from the core's menu table: one button per menu, each
// opening a list of its items with their check marks and keys.
import { parseKeys } from './keys.js';

export class MenuBar {
  // hidden: ids the browser edition leaves out; run(id) routes a command.
  constructor(root, menus, words, run, hidden) {
    this.root = root;
    this.menus = menus;
    this.words = words;
    this.run = run;
    this.hidden = hidden;
    this.items = new Map();   // id -> { element, kind }
    this.open = null;
    document.addEventListener('pointerdown', (event) => {
      if (this.open && !this.open.contains(event.target) && !this.root.contains(event.target)) this.close();
    });
  }

  build() {
    this.root.replaceChildren();
    this.items.clear();
    for (const menu of this.menus) {
      const wrap = document.createElement('div');
      wrap.className = 'menu';
      const button = document.createElement('button');
      button.className = 'menu-title';
      button.type = 'button';
      button.setAttribute('aria-haspopup', 'menu');
      button.setAttribute('aria-expanded', 'false');
      button.textContent = this.words.caption('Menu', menu.title);
      const list = document.createElement('div');
      list.className = 'menu-list';
      list.setAttribute('role', 'menu');
      list.hidden = true;
      this.addItems(list, menu.items);
      button.addEventListener('click', () => (this.open === list ? this.close() : this.show(button, list)));
      list.addEventListener('keydown', (event) => this.onKey(event, list));
      wrap.append(button, list);
      this.root.append(wrap);
    }
  }

  addItems(list, items) {
    for (const item of items) {
      if (this.hidden.has(item.id) && item.id !== 0) continue;
      if (item.kind === 'separator') {
        if (list.lastChild && !list.lastChild.classList.contains('menu-separator')) {
          const line = document.createElement('div');
          line.className = 'menu-separator';
          line.setAttribute('role', 'separator');
          list.append(line);
        }
      } else if (item.kind === 'submenu') {
        list.append(this.heading(this.words.caption(item.context, item.caption)));
        this.addItems(list, item.items);
      } else {
        list.append(this.item(item.id, item.kind, this.words.caption(item.context, item.caption), item.keys));
      }
    }
  }

  heading(text) {
    const heading = document.createElement('div');
    heading.className = 'menu-heading';
    heading.textContent = text;
    return heading;
  }

  item(id, kind, caption, keys) {
    const element = document.createElement('button');
    element.type = 'button';
    element.className = 'menu-item';
    element.setAttribute('role', kind === 'check' ? 'menuitemcheckbox' : kind === 'radio' ? 'menuitemradio' : 'menuitem');
    element.dataset.command = id;
    const mark = document.createElement('span');
    mark.className = 'menu-mark';
    mark.setAttribute('aria-hidden', 'true');
    const label = document.createElement('span');
    label.className = 'menu-caption';
    label.textContent = caption;
    const shortcut = document.createElement('span');
    shortcut.className = 'menu-keys';
    shortcut.textContent = parseKeys(keys).map((k) => k.text).join(', ');
    element.append(mark, label, shortcut);
    element.addEventListener('click', () => {
      this.close();
      this.run(id);
    });
    this.items.set(id, { element, kind });
    return element;
  }

  show(button, list) {
    this.close();
    list.hidden = false;
    button.setAttribute('aria-expanded', 'true');
    this.open = list;
    list.querySelector('.menu-item:not([disabled])')?.focus({ preventScroll: true });
  }

  close() {
    if (!this.open) return;
    this.open.hidden = true;
    this.open.previousElementSibling.setAttribute('aria-expanded', 'false');
    this.open = null;
  }

  isOpen() {
    return this.open !== null;
  }

  onKey(event, list) {
    const items = [...list.querySelectorAll('.menu-item:not([disabled])')];
    const at = items.indexOf(document.activeElement);
    if (event.key === 'Escape') {
      this.close();
      event.stopPropagation();
    } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      const step = event.key === 'ArrowDown' ? 1 : -1;
      items[(at + step + items.length) % items.length]?.focus();
    } else {
      return;
    }
    event.preventDefault();
  }

  // state(id) -> { enabled, checked } or null for an id of nobody's.
  update(state) {
    for (const [id, { element, kind }] of this.items) {
      const s = state(id);
      if (!s) continue;
      element.disabled = !s.enabled;
      if (kind === 'check' || kind === 'radio') element.setAttribute('aria-checked', String(s.checked));
    }
  }
}
