// What the page remembers in the browser's storage, with the desktop's keys
// and words, put back by routing the commands that make each choice; and
// the link's query (?circuit=9&display=diagram&cells=2), which wins.

const kStorageKey = 'tarrowin';

// The stored settings as an object of strings, and the names of what could
// not be used: whatever another version, an extension or a hand in the
// developer tools left there must never stop the page.
function readStorage() {
  let text = null;
  try {
    text = localStorage.getItem(kStorageKey);
  } catch {
    return { stored: {}, unusable: [] };   // storage refused, as in save()
  }
  if (text === null) return { stored: {}, unusable: [] };
  let value;
  try {
    value = JSON.parse(text);
  } catch {
    return { stored: {}, unusable: ['not JSON'] };
  }
  if (value === null || typeof value !== 'object' || Array.isArray(value))
    return { stored: {}, unusable: [`${Array.isArray(value) ? 'an array' : JSON.stringify(value)}, not an object`] };
  const stored = {};
  const unusable = [];
  for (const [key, word] of Object.entries(value)) {
    if (typeof word === 'string') stored[key] = word;
    else if (!(key === 'language' && word === null)) unusable.push(key);   // null: the browser's language
  }
  return { stored, unusable };
}

export class Settings {
  // ids: the core's named command ids; tables: its runs of commands by value;
  // catalogue, displayWords, palettes: its tables; languages: the codes shipped;
  // state(id): a command's state; run(id): routes a command.
  constructor({ ids, tables, catalogue, displayWords, palettes, languages, state, run }) {
    this.state = state;
    this.run = run;
    this.tables = tables;
    const toggle = (key, id) => ({ key, toggle: true, words: [['false', id], ['true', id]] });
    // In the order they are put back: a new circuit takes the display and
    // labels of the one before, so the circuit comes first.
    this.choices = [
      { key: 'circuit', words: catalogue.map((c, i) => [String(i + 1), c.id]) },
      { key: 'display', words: displayWords.map((w, i) => [w, tables.displays[i]]) },
      toggle('labels', ids.ShowLabels),
      { key: 'speed', words: ['normal', 'half', 'quarter'].map((w, i) => [w, tables.speeds[i]]) },
      { key: 'colours', words: palettes.map((p, i) => [p.name, tables.palettes[i]]) },
      toggle('bars/chooser', ids.ViewChooser),
      toggle('bars/controls', ids.ViewControls),
      toggle('bars/display', ids.ViewDisplay),
      toggle('bars/measurements', ids.ViewMeasurements),
    ];
    this.defaults = this.current();
    const { stored, unusable } = readStorage();
    this.stored = stored;
    this.unusable = unusable;
    // The language remembered, if it is one of those shipped.
    this.language = null;
    if ('language' in stored) {
      if (languages.includes(stored.language)) this.language = stored.language;
      else this.unusable.push('language');
    }
  }

  current() {
    const choices = {};
    for (const choice of this.choices) {
      if (choice.toggle) {
        choices[choice.key] = this.state(choice.words[0][1])?.checked ? 'true' : 'false';
        continue;
      }
      for (const [word, id] of choice.words) if (this.state(id)?.checked) choices[choice.key] = word;
    }
    return choices;
  }

  apply(choices) {
    const current = this.current();
    for (const choice of this.choices) {
      const wanted = choices[choice.key];
      if (wanted === undefined || wanted === current[choice.key]) continue;
      const entry = choice.words.find(([word]) => word === wanted);
      if (entry) this.run(entry[1]);
    }
  }

  // Puts back what was remembered, then what the link asks for. What could
  // not be used is named in one warning, and the storage written again
  // without it.
  restore(query) {
    const stored = this.stored;
    const choices = {};
    const ignored = [...this.unusable];
    for (const choice of this.choices) {
      if (!(choice.key in stored)) continue;
      if (choice.words.some(([word]) => word === stored[choice.key])) choices[choice.key] = stored[choice.key];
      else ignored.push(choice.key);
    }
    const known = new Set(['language', ...this.choices.map((c) => c.key)]);
    ignored.push(...Object.keys(stored).filter((key) => !known.has(key)));
    // Only what can be used is kept (the link's choices are not remembered by opening it).
    if (ignored.length) this.write({ ...choices, ...(this.language ? { language: this.language } : {}) });
    const circuit = query.get('circuit');
    if (circuit !== null) {
      if (this.choices[0].words.some(([word]) => word === circuit)) choices.circuit = circuit;
      else ignored.push('circuit=' + circuit);
    }
    const display = query.get('display');
    if (display !== null) {
      if (this.choices[1].words.some(([word]) => word === display)) choices.display = display;
      else ignored.push('display=' + display);
    }
    this.apply(choices);
    const cells = query.get('cells');
    if (cells !== null) {
      if (/^[0-3]$/.test(cells)) this.run(this.tables.cells[Number(cells)]);
      else ignored.push('cells=' + cells);
    }
    if (ignored.length) console.warn(`Tarrowin: ignoring settings it cannot use: ${ignored.join(', ')}`);
  }

  // language: the one chosen in the page, or null to follow the browser's.
  save(language) {
    this.write(language ? { ...this.current(), language } : this.current());
  }

  write(choices) {
    try {
      localStorage.setItem(kStorageKey, JSON.stringify(choices));
    } catch {
      // Storage refused (a private window's quota, a sandboxed frame): nothing is remembered.
    }
  }

  // Everything remembered as at the first start, and the storage emptied.
  reset() {
    this.apply(this.defaults);
    try {
      localStorage.removeItem(kStorageKey);
    } catch {
      // As in save().
    }
  }
}
