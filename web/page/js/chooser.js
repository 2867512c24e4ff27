// The circuit chooser: a button for each circuit with its picture from the
// chooser strip, in the catalogue's groups.


export class Chooser {
  constructor(root, catalogue, stripSvg, words, run) {
    this.root = root;
    this.catalogue = catalogue;
    this.words = words;
    this.run = run;
    this.buttons = new Map();
    this.strip = 'url("data:image/svg+xml;charset=utf-8,' + encodeURIComponent(stripSvg) + '")';
  }

  build() {
    this.root.replaceChildren();
    this.buttons.clear();
    let group = null;
    this.catalogue.forEach((circuit, index) => {
      if (!group || circuit.group !== Number(group.dataset.group)) {
        group = document.createElement('div');
        group.className = 'chooser-group';
        group.dataset.group = circuit.group;
        this.root.append(group);
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'chooser-button';
      button.dataset.command = circuit.id;
      const name = this.words.tr('Circuit', circuit.name);
      button.title = name;
      button.setAttribute('aria-label', name);
      button.setAttribute('aria-pressed', 'false');
      const picture = document.createElement('span');
      picture.className = 'chooser-picture';
      picture.style.backgroundImage = this.strip;
      // The strip holds the pictures side by side: the index-th of them, whatever size it is shown at.
      picture.style.backgroundPosition = `${(index * 100) / Math.max(this.catalogue.length - 1, 1)}% 0`;
      button.append(picture);
      button.addEventListener('click', () => this.run(circuit.id));
      group.append(button);
      this.buttons.set(circuit.id, button);
    });
  }

  update(state) {
    for (const [id, button] of this.buttons) {
      const s = state(id);
      if (!s) continue;
      button.disabled = !s.enabled;
      button.setAttribute('aria-pressed', String(s.checked));
    }
  }
}
