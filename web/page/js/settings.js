// What the page remembers in the browser's storage: the lesson's settings,
// with the desktop's keys and words, and the language; the link's query,
// which wins. The core reads and puts them in place.

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

// "key=value" lines, as the core reads and writes a lesson's settings.
const toLines = (entries) => entries.map(([key, word]) => `${key}=${word}`).join('\n');
const fromLines = (text) => Object.fromEntries(text.split('\n').filter(Boolean).map((line) => {
  const equals = line.indexOf('=');
  return [line.slice(0, equals), line.slice(equals + 1)];
}));

export class Settings {
  // app: the core's App, whose lesson holds the settings; languages: the codes shipped.
  constructor({ app, languages }) {
    this.app = app;
    this.defaults = app.settings();
    this.keys = new Set(Object.keys(fromLines(this.defaults)));
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
    return fromLines(this.app.settings());
  }

  // Puts back what was remembered, then what the link asks for (any setting,
  // ?circuit=9&display=diagram&cells=2). What could not be used is named in
  // one warning, and the storage written again without it.
  restore(query) {
    const stored = Object.entries(this.stored).filter(([key]) => key !== 'language');
    const refused = new Set(this.app.applySettings(toLines(stored)));
    const ignored = [...this.unusable, ...refused];
    if (ignored.length) {
      // Only what can be used is kept (the link's choices are not remembered by opening it).
      const usable = Object.fromEntries(stored.filter(([key, word]) => !refused.has(`${key}=${word}`)));
      this.write(this.language ? { ...usable, language: this.language } : usable);
    }
    const linked = [...query.entries()].filter(([key]) => this.keys.has(key));
    ignored.push(...this.app.applySettings(toLines(linked)));
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
    this.app.applySettings(this.defaults);
    try {
      localStorage.removeItem(kStorageKey);
    } catch {
      // As in save().
    }
  }
}
