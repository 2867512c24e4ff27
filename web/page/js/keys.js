// The menu table's keys (Qt's portable key names, "; " between several) as
// matchers of the browser's key events.

const kNamed = { PgDown: 'PageDown', PgUp: 'PageUp', Space: ' ', Esc: 'Escape', Del: 'Delete', Ins: 'Insert' };

export function parseKeys(text) {
  if (!text) return [];
  return text.split(';').map((one) => one.trim()).filter(Boolean).map((one) => {
    // "+" alone is a key; "Ctrl+S" is a modifier and a key.
    const parts = one.length > 1 ? one.split('+') : [one];
    const key = parts.pop() || '+';
    const mods = new Set(parts);
    return { text: one, key: kNamed[key] ?? key, ctrl: mods.has('Ctrl'), shift: mods.has('Shift'), alt: mods.has('Alt') };
  });
}

// Whether the event is the key: letters match either case with Shift as
// given; other characters whatever Shift it took to type them.
export function matches(matcher, event) {
  const ctrl = event.ctrlKey || event.metaKey;
  if (ctrl !== matcher.ctrl || event.altKey !== matcher.alt) return false;
  const key = matcher.key;
  if (/^[A-Z]$/.test(key)) return event.key.toUpperCase() === key && event.shiftKey === matcher.shift;
  if (key.length === 1) return event.key === key;
  return event.key === key && event.shiftKey === matcher.shift;
}

// Every command with keys in the menu table, with its matchers and whether
// a held key repeats it.
export function keyTable(menus) {
  const table = [];
  const walk = (items) => {
    for (const item of items) {
      if (item.items) walk(item.items);
      const matchers = parseKeys(item.keys);
      if (matchers.length) table.push({ id: item.id, repeat: item.repeat, matchers });
    }
  };
  for (const menu of menus) walk(menu.items);
  return table;
}

export function findCommand(table, event) {
  for (const entry of table)
    if (entry.matchers.some((m) => matches(m, event))) return entry;
  return null;
}
