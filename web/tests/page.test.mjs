// The page as a teacher uses it, in headless Chromium: a lesson's link,
// every documented key and every button, the three views in one square,
// the clock's pace, the languages, the screen reader's words, and the
// settings kept for the next visit.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { serveAndLaunch, sleep, webDir } from './browser.mjs';

const readme = readFileSync(new URL('../../README.md', import.meta.url), 'utf8');

const shared = serveAndLaunch();

// A page that records its problems and every command the page routes.
async function open(query, viewport = { width: 1280, height: 800 }) {
  const page = await shared.browser.newPage();
  page.problems = [];
  page.on('console', (m) => { if (m.type() === 'error') page.problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => page.problems.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => page.problems.push(`request failed: ${r.url()}`));
  await page.evaluateOnNewDocument(() => {
    window.commands = [];
    window.addEventListener('tarrowin-command', (e) => window.commands.push(e.detail.id));
    // Exit may close a tab a script opened, as this one is.
    window.close = () => { window.closed_ = true; };
  });
  await page.setViewport(viewport);
  await page.goto(shared.server.url + query, { waitUntil: 'load' });
  await page.evaluate(() => window.tarrowin.ready.then(() => true));
  return page;
}

const state = (page) => page.evaluate(() => window.tarrowin.app.state());
const lastCommand = (page) => page.evaluate(() => window.commands.at(-1));
// Whether a command's button in the bars and its item in the menus are greyed (null where there is none).
const greyed = (page, id) => page.evaluate((id) => ['.bar', '#menubar'].map((where) =>
  document.querySelector(`${where} [data-command="${id}"]`)?.disabled ?? null), id);

// The non-black box of the view's middle row and column, in device pixels.
function squareOf(page) {
  return page.evaluate(async () => {
    const canvas = document.getElementById('view');
    const { width, height, data } = await window.tarrowin.viewPixels();
    const lit = (from, step, count) => {
      const on = [];
      for (let i = 0; i < count; ++i) {
        const p = (from + i * step) * 4;
        if (data[p] + data[p + 1] + data[p + 2] > 0) on.push(i);
      }
      return on.length ? [on[0], on.at(-1) + 1] : [0, 0];
    };
    const [left, right] = lit((height >> 1) * width, 1, width);
    const [top, bottom] = lit(width >> 1, width, height);
    return { left, top, right, bottom, width, height, css: canvas.clientWidth * devicePixelRatio };
  });
}

const frameHash = (page) => page.evaluate(async () => {
  const { data } = await window.tarrowin.viewPixels();
  let hash = 0;
  for (let i = 0; i < data.length; i += 7) hash = (hash * 31 + data[i]) | 0;
  return hash;
});

// Puppeteer's name of a key as the README writes it.
function keyName(text) {
  const named = { 'Page Down': 'PageDown', 'Page Up': 'PageUp', Space: 'Space', Escape: 'Escape', '-': 'Minus',
    '=': 'Equal', '.': 'Period', '[': 'BracketLeft', ']': 'BracketRight' };
  const parts = text.split('+');
  const key = text === '+' ? '+' : parts.pop();
  const mods = text === '+' ? [] : parts.map((m) => ({ Ctrl: 'Control' }[m] ?? m));
  return { mods, key: named[key] ?? (/^[A-Z]$/.test(key) ? `Key${key}` : /^\d$/.test(key) ? `Digit${key}` : key) };
}

// The README's key table as [key, documented command] pairs.
function documentedKeys() {
  const table = readme.slice(readme.indexOf('| key | command |'));
  const pairs = [];
  for (const line of table.split('\n').slice(2)) {
    const cells = line.trim().match(/^\|(.*)\|(.*)\|$/);
    if (!cells) break;
    const keys = cells[1].trim().split(' / ');
    let doing = cells[2].trim().split(' / ');
    if (keys.length !== doing.length) doing = [cells[2].trim()];
    keys.forEach((group, i) => {
      const list = group.split(', ');
      const what = list.length > 1 ? doing[i].split(', ') : [doing[i]];
      list.forEach((k, j) => k.split(' or ').forEach((one) => pairs.push([one.trim(), what[j] ?? what[0]])));
    });
  }
  return pairs;
}

test('a lesson in the browser: link, keys, buttons, views, pace, words and settings', async () => {
  const page = await open('?circuit=9&display=diagram&cells=2');
  const module = await page.evaluate(() => {
    const m = window.tarrowin.module;
    const items = [];
    const walk = (list) => list.forEach((i) => { if (i.items) walk(i.items); else if (i.id) items.push(i); });
    m.menu().forEach((menu) => walk(menu.items));
    return { ids: m.commandIds(), speeds: m.commandTables().speeds, catalogue: m.catalogue(), items };
  });
  const { ids, speeds, catalogue } = module;

  // The link's starting point.
  let s = await state(page);
  assert.equal(s.circuit, catalogue[8].name);
  assert.equal(s.display, 1);
  assert.equal(s.cells, 2);

  // The three views share the square, which fills the view's shorter side, sharp at the screen's pixels.
  const squares = [];
  for (const key of ['KeyM', 'KeyD', 'KeyI']) {
    await page.keyboard.press(key);
    await page.evaluate(() => window.tarrowin.app.command(window.tarrowin.module.commandIds().Pause));
    squares.push(await squareOf(page));
    await page.keyboard.press('Space');
  }
  assert.deepEqual(squares[1], squares[0]);
  assert.deepEqual(squares[2], squares[0]);
  const sq = squares[0];
  assert.equal(sq.width, Math.round(sq.css));
  assert.equal(Math.min(sq.width, sq.height) - (sq.bottom - sq.top) < 30, true, JSON.stringify(sq));
  assert.equal(sq.right - sq.left, sq.bottom - sq.top);

  // The ball model animates at 62.5 ticks a second, half that at half speed, and not at all when paused.
  await page.keyboard.press('KeyM');
  const pastTitle = () => page.evaluate(() => {
    const { app, module: m } = window.tarrowin;
    app.command(m.commandIds().Pause);
    for (let i = 0; i < 3000 && app.state().intro; ++i) app.tick();
    app.command(m.commandIds().Pause);
  });
  await pastTitle();
  const pace = async (ms) => {
    const t0 = await page.evaluate(() => [window.tarrowin.app.ticks(), performance.now()]);
    await sleep(ms);
    const t1 = await page.evaluate(() => [window.tarrowin.app.ticks(), performance.now()]);
    return (t1[0] - t0[0]) / ((t1[1] - t0[1]) / 1000);
  };
  const before = await frameHash(page);
  const normal = await pace(1500);
  assert.notEqual(await frameHash(page), before);
  assert.ok(normal > 52 && normal < 66, `normal speed: ${normal} ticks/s`);
  // "]" and "[" stop at the ends of the speeds, where the menu greys Faster and Slower.
  const [slower, faster] = ['[', ']'].map((key) => module.items.find((i) => i.keys === key).id);
  const speed = async () => [(await state(page)).slowdown, (await greyed(page, faster))[1], (await greyed(page, slower))[1]];
  await page.keyboard.press(']');
  assert.deepEqual(await speed(), [1, true, false]);
  await page.click(`.bar [data-command="${speeds[1]}"]`);
  const half = await pace(1500);
  assert.ok(half > 26 && half < 33, `half speed: ${half} ticks/s`);
  await page.keyboard.type('[[');
  assert.deepEqual(await speed(), [4, false, true]);
  // A circuit's title at 1/4 still runs at the normal pace.
  await page.keyboard.press('PageDown');
  const title = await pace(1000);
  assert.ok(title > 50 && (await state(page)).intro, `the title at 1/4: ${title} ticks/s`);
  await page.keyboard.press('PageUp');
  await page.click(`.bar [data-command="${ids.SpeedNormal}"]`);
  // Hidden behind another tab it stops, and shown again it goes on at its pace without catching up.
  const other = await shared.browser.newPage();
  await other.bringToFront();
  assert.equal(await pace(1000), 0);
  await page.bringToFront();
  const back = await pace(1000);
  assert.ok(back > 45 && back < 66, `after a hidden second: ${back} ticks/s`);
  await other.close();
  // Step is greyed while running; paused, each press is one tick and a new frame, and no more.
  assert.equal((await greyed(page, ids.StepTick))[0], true);
  await page.keyboard.press('Space');
  const still = await frameHash(page);
  const pausedAt = await page.evaluate(() => window.tarrowin.app.ticks());
  await page.keyboard.press('Period');
  await page.click(`.bar [data-command="${ids.StepTick}"]`);
  assert.equal(await pace(500), 0);
  assert.equal(await page.evaluate(() => window.tarrowin.app.ticks()), pausedAt + 2);
  assert.notEqual(await frameHash(page), still);
  await page.keyboard.press('Space');
  // A circuit chosen and paused at once is drawn at once: drawing it again changes nothing.
  await page.evaluate((id) => [id, window.tarrowin.module.commandIds().Pause].forEach((c) => window.tarrowin.page.run(c)), catalogue[2].id);
  const chosen = await frameHash(page);
  await page.evaluate(() => window.tarrowin.app.relayout());
  assert.equal(await frameHash(page), chosen);
  await page.keyboard.press('Space');

  // The screen reader's region speaks, at most once a second, while the meter moves.
  const spoken = await page.evaluate(() => new Promise((done) => {
    const times = [];
    new MutationObserver(() => times.push(performance.now()))
      .observe(document.getElementById('description'), { childList: true, characterData: true, subtree: true });
    const { app, module: m } = window.tarrowin;
    const { cells } = m.commandTables();
    let n = 0;
    const change = setInterval(() => app.command(cells[++n % cells.length]), 150);
    setTimeout(() => { clearInterval(change); done(times); }, 3500);
  }));
  assert.ok(spoken.length >= 2, `spoken ${spoken.length} times`);
  for (let i = 1; i < spoken.length; ++i) assert.ok(spoken[i] - spoken[i - 1] >= 990, `spoken again after ${spoken[i] - spoken[i - 1]} ms`);

  // Every key the README lists reaches the command of that name.
  const caption = (c) => c.replace(/&/g, '').toLowerCase();
  const commandNamed = (text) => {
    const doc = text.toLowerCase();
    let best = null;
    for (const item of module.items) {
      const c = caption(item.caption);
      const word = doc.search(new RegExp(`(^|\\W)${c.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}(?![a-z])`));
      const at = word >= 0 ? word : c.startsWith(doc) ? 0 : -1;
      if (at >= 0 && (!best || at < best.at || (at === best.at && c.length > best.c.length))) best = { at, c, id: item.id };
    }
    return best?.id;
  };
  const keys = documentedKeys();
  assert.ok(keys.length >= 30, `${keys.length} documented keys`);
  let pressed = 0;
  for (const [text, doing] of keys) {
    const id = commandNamed(doing);
    if (id === undefined) continue;   // Escape only leaves full screen
    const { mods, key } = keyName(text);
    await page.evaluate(() => { window.commands = []; });
    for (const m of mods) await page.keyboard.down(m);
    await page.keyboard.press(key);
    for (const m of mods.reverse()) await page.keyboard.up(m);
    assert.equal(await lastCommand(page), id, `${text} (${doing})`);
    if (id === ids.SavePicture) await page.keyboard.press('Escape');
    if (id === ids.FullScreen && await page.evaluate(() => !!document.fullscreenElement)) {
      await page.keyboard.press('Escape');
      await page.waitForFunction(() => !document.fullscreenElement);
    }
    ++pressed;
  }
  assert.ok(pressed >= 30, `${pressed} keys pressed`);
  // On a check box reached by Tab, Space presses it and the other keys still command.
  const box = await page.$eval('.bar input[type=checkbox]', (b) => { b.focus(); return Number(b.dataset.command); });
  await page.keyboard.press('KeyM');
  assert.equal(await lastCommand(page), ids.DisplayBallModel);
  await page.keyboard.press('Space');
  assert.equal(await lastCommand(page), box);
  assert.equal(await page.evaluate(() => window.closed_), true);

  // Every button of the chooser and the bars reaches its command and is big enough to touch.
  await page.goto(shared.server.url + '?circuit=5', { waitUntil: 'load' });
  await page.evaluate(() => window.tarrowin.ready.then(() => true));
  const buttons = await page.$$eval('#chooser [data-command], .bar [data-command]', (list) => list.map((b) => {
    const box = (b.closest('label') ?? b).getBoundingClientRect();
    return { id: Number(b.dataset.command), w: box.width, h: box.height, disabled: b.disabled };
  }));
  assert.ok(buttons.length >= 14 + 20, `${buttons.length} buttons`);
  for (const b of buttons) assert.ok(b.w >= 44 && b.h >= 44, `button ${b.id} is ${b.w} x ${b.h}`);
  let clicked = 0;
  for (const { id } of buttons) {
    if (id === ids.StepTick) await page.keyboard.press('Space');
    const button = await page.$(`[data-command="${id}"]:not(#menubar *)`);
    if (await button.evaluate((b) => b.disabled)) continue;
    await page.evaluate(() => { window.commands = []; });
    await button.click().catch((e) => assert.fail(`button ${id}: ${e.message}`));
    assert.equal(await lastCommand(page), id, `button ${id}`);
    ++clicked;
    // Back to a circuit with a switch, so its buttons can be pressed.
    if (catalogue.some((c) => c.id === id)) await page.evaluate((c) => window.tarrowin.app.command(c), catalogue[4].id);
  }
  assert.ok(clicked >= buttons.length - 3, `${clicked} of ${buttons.length} buttons pressed`);
  // The variable resistor's "-" and "+" are greyed at their ends of its range, in the bar and in the menu.
  await page.click(`#chooser [data-command="${catalogue.find((c) => /variable/i.test(c.name)).id}"]`);
  for (const [key, end, other] of [['Minus', ids.ResistanceDown, ids.ResistanceUp], ['Equal', ids.ResistanceUp, ids.ResistanceDown]]) {
    for (let i = 0; i < 30 && !(await greyed(page, end))[0]; ++i) await page.keyboard.press(key);
    assert.deepEqual([await greyed(page, end), await greyed(page, other)], [[true, true], [false, false]], key);
  }
  await page.click(`#chooser [data-command="${catalogue[4].id}"]`);

  // Save Picture: a PNG of the square at the side asked for.
  const downloads = mkdtempSync(join(tmpdir(), 'tarrowin-download-'));
  try {
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyS');
    await page.keyboard.up('Control');
    await page.waitForSelector('#save-picture[open] input');
    await page.$eval('#save-picture input', (input) => { input.value = '250'; });
    await page.click('#save-picture button');
    let files = [];
    for (let i = 0; i < 50 && !files.some((f) => f.endsWith('.png')); ++i, await sleep(100)) files = readdirSync(downloads);
    const png = readFileSync(join(downloads, files.find((f) => f.endsWith('.png'))));
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [250, 250]);
    // The circuit itself, not a blank square: decoded by the browser, it has wires, parts and background.
    const colours = await page.evaluate(async (base64) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const image = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
      const ctx = new OffscreenCanvas(image.width, image.height).getContext('2d');
      ctx.drawImage(image, 0, 0);
      const { data } = ctx.getImageData(0, 0, image.width, image.height);
      const seen = new Set();
      for (let i = 0; i < data.length; i += 4) seen.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
      return seen.size;
    }, png.toString('base64'));
    assert.ok(colours >= 3, `the saved picture has ${colours} colours`);
  } finally {
    rmSync(downloads, { recursive: true, force: true });
  }

  // Copy data: the measurements as CSV on the clipboard.
  await shared.browser.defaultBrowserContext().overridePermissions(shared.server.url, ['clipboard-read', 'clipboard-write',
    'clipboard-sanitized-write']);
  if (await page.$eval('#measurements', (m) => m.hidden)) await page.keyboard.press('KeyG');
  await sleep(600);
  await page.click('#measurements button');
  const csv = await page.evaluate(() => navigator.clipboard.readText());
  assert.match(csv.split('\n')[0], /time/);
  assert.ok(csv.trim().split('\n').length > 2, csv);
  // The long run is measured meanwhile: its bar goes, its figures stand by the current's and each load's.
  await page.waitForFunction(() => document.querySelector('.m-longrun progress').hidden, { timeout: 30000 });
  const longRun = await page.$$eval('.m-longrun span, .m-load-longrun', (l) => l.map((e) => e.textContent));
  for (const text of longRun) assert.match(text, /\d.*\+\/-.*\d/);

  // Another language: the menus, the bars and the core's own words, remembered for the next visit.
  const german = JSON.parse(readFileSync(join(webDir, 'i18n', 'de.json'), 'utf8'));
  const english = await page.evaluate(() => window.tarrowin.app.describe().text);
  await page.select('#language', 'de');
  assert.equal(await page.$eval('.menu-title', (b) => b.textContent), german.Menu['&Circuit'].replace('&', ''));
  assert.equal(await page.$eval(`.menu-item[data-command="${catalogue[8].id}"] .menu-caption`, (e) => e.textContent),
    german.Circuit[catalogue[8].name]);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
  await sleep(1100);
  assert.notEqual(await page.evaluate(() => window.tarrowin.app.describe().text), english);
  const loads = await page.evaluate(() => window.tarrowin.app.rates().loads.map((load) => load.name));
  assert.deepEqual(await page.$$eval('.m-name', (l) => l.map((e) => e.textContent)), loads.map((name) => german.Label[name]));
  await page.keyboard.press('KeyD');
  await page.click(`.bar [data-command="${speeds[1]}"]`);
  await page.goto(shared.server.url, { waitUntil: 'load' });
  await page.evaluate(() => window.tarrowin.ready.then(() => true));
  assert.equal(await page.$eval('#language', (l) => l.value), 'de');
  s = await state(page);
  assert.equal(s.display, 1);
  assert.equal(s.circuit, catalogue[4].name);
  await pastTitle();
  const remembered = await pace(1500);
  assert.ok(remembered > 26 && remembered < 33, `half speed after a reload: ${remembered} ticks/s`);
  await page.click(`.bar [data-command="${ids.SpeedNormal}"]`);
  await page.select('#language', 'en');

  // Every size of screen: nothing of the bars cut off sideways, the square whole.
  for (const viewport of [{ width: 640, height: 480 }, { width: 1366, height: 768, whole: true }, { width: 1920, height: 1080, whole: true },
    { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true }]) {
    await page.setViewport(viewport);   // reloads the page for a phone
    await page.waitForFunction(() => window.tarrowin?.app);
    await page.evaluate(() => window.tarrowin.ready.then(() => true));
    await sleep(300);
    const fit = await page.evaluate(async () => ({
      wide: document.documentElement.scrollWidth <= innerWidth,
      canvas: [(await window.tarrowin.viewPixels()).width, Math.round(document.getElementById('view').clientWidth * devicePixelRatio)],
    }));
    assert.equal(fit.wide, true, JSON.stringify(viewport));
    for (const language of viewport.whole ? ['en', 'de', 'fr', 'es'] : []) {
      await page.select('#language', language);
      const whole = await page.$eval('#controls-bar', (b) => b.scrollHeight <= b.clientHeight);
      assert.equal(whole, true, `the controls bar scrolls at ${JSON.stringify(viewport)} in ${language}`);
    }
    await page.select('#language', 'en');
    assert.equal(fit.canvas[0], fit.canvas[1], JSON.stringify(viewport));
    const box = await squareOf(page);
    assert.equal(box.right - box.left, box.bottom - box.top, JSON.stringify(viewport));
  }

  assert.deepEqual(page.problems, []);
  await page.close();
});

// Where the page shows a command (a bar's control, a menu item, a bar itself) and the core's state of it differ.
const disagreements = (page) => page.evaluate(() => {
  const { app, module: m, page: p } = window.tarrowin;
  const ids = m.commandIds();
  const out = [];
  for (const element of document.querySelectorAll('.bar [data-command], #menubar [data-command]')) {
    const id = Number(element.dataset.command);
    const bits = app.commandState(id);
    if (!(bits & 1) || (id === ids.StepTick && element.closest('.bar'))) continue;
    const checked = element.getAttribute('aria-checked') ?? element.getAttribute('aria-pressed') ?? String(element.checked);
    if (element.disabled === Boolean(bits & 2) || (checked !== 'undefined' && checked !== String(Boolean(bits & 4))))
      out.push(`${id}: disabled ${element.disabled}, checked ${checked}, core ${bits}`);
  }
  for (const [id, bar] of [[ids.ViewChooser, p.el.chooser], [ids.ViewControls, p.el.controls], [ids.ViewDisplay, p.el.display],
    [ids.ViewMeasurements, p.el.measurements]])
    if (bar.hidden === Boolean(app.commandState(id) & 4)) out.push(`bar of ${id}: hidden ${bar.hidden}`);
  return out;
});

test('the page shows every command as the core states it, after keys, clicks and menu items', async () => {
  const page = await open('?circuit=5&bars/measurements=true');
  const ids = await page.evaluate(() => window.tarrowin.module.commandIds());
  assert.deepEqual(await disagreements(page), []);
  // The switch, a bar hidden from the menu, the variable resistor to its end, the speeds, the palette.
  const steps = [['click', ids.SwitchOff], ['key', 'KeyT'], ['key', 'KeyS'], ['run', ids.ViewControls], ['run', ids.ViewMeasurements],
    ['key', 'Digit0'], ['key', 'Equal'], ['click', ids.SpeedNormal], ['key', 'BracketLeft'], ['key', 'KeyC'],
    ['run', ids.ViewControls], ...Array(15).fill(['click', ids.ResistanceUp]), ['key', 'Space'], ['key', 'KeyG']];
  for (const [how, what] of steps) {
    if (how === 'key') await page.keyboard.press(what);
    else if (how === 'click') await page.click(`.bar [data-command="${what}"]`).catch(() => {});
    else await page.evaluate((id) => window.tarrowin.page.run(id), what);
    assert.deepEqual(await disagreements(page), [], `after ${how} ${what}`);
  }
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('Ctrl+C copies the text a teacher selected, and the picture when nothing is', async () => {
  const page = await open('');
  await page.bringToFront();   // the clipboard is the focused page's
  await shared.browser.defaultBrowserContext().overridePermissions(new URL(shared.server.url).origin,
    ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  // Ctrl+C as the browser takes it: the page's handler, then (unless it refused) the Copy command on a selection.
  const copies = async (expected, selection) => {
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyC', selection ? { commands: ['Copy'] } : {});
    await page.keyboard.up('Control');
    await page.waitForFunction(async (expected) => { const [item] = await navigator.clipboard.read();
      return expected ? item.types.includes('text/plain') && (await (await item.getType('text/plain')).text()) === expected
        : item.types.includes('image/png'); }, { polling: 100, timeout: 10000 }, expected);
  };
  const label = await page.$eval('.bar legend', (legend) => getSelection().selectAllChildren(legend) ?? legend.textContent);
  await copies(label, true);
  await page.evaluate(() => getSelection().removeAllRanges());
  await copies(null, false);
  await page.close();
});

test('asked for less motion, the page starts paused on the title with Pulsate off', async () => {
  const page = await shared.browser.newPage();
  await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
  await page.goto(shared.server.url, { waitUntil: 'load' });
  const still = () => page.evaluate(async () => { const { app } = await window.tarrowin.ready;
    return { ...app.state(), ticks: app.ticks(), pulsate: /^pulsate=false$/m.test(app.settings()) }; });
  const first = await still();
  await sleep(1000);
  assert.deepEqual(await still(), first);
  assert.ok(first.paused && first.intro && first.pulsate, JSON.stringify(first));
  await page.close();
});

test('axe-core finds nothing to fix, on a wide screen and on a phone, in English and German', async () => {
  const axe = readFileSync(new URL('../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
  for (const viewport of [{ width: 1280, height: 800 }, { width: 390, height: 844 }]) {
    const page = await open('', viewport);
    await page.addScriptTag({ content: axe });
    for (const language of ['en', 'de']) {
      await page.select('#language', language);
      const violations = await page.evaluate(async () => (await axe.run({ rules: { 'label-content-name-mismatch':
        { enabled: true } } })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
      assert.deepEqual(violations, [], `${language} at ${viewport.width}x${viewport.height}`);
    }
    await page.close();
  }
});

test('whatever the storage holds, the page starts with the defaults in the browser\'s language, says so once and stores it clean', async () => {
  const page = await shared.browser.newPage();
  const warnings = [];
  page.on('console', (m) => m.type() === 'warn' && warnings.push(m.text()));
  await page.evaluateOnNewDocument(() => Object.defineProperty(navigator, 'languages', { get: () => ['de-DE'] }));
  await page.goto(shared.server.url);
  const start = async (stored) => {
    warnings.length = 0;
    if (stored !== undefined) await page.evaluate((s) => (s ? localStorage.setItem('tarrowin', s) : localStorage.clear()), stored);
    await page.reload();
    await page.evaluate(() => window.tarrowin.ready.then(() => true));
    return page.evaluate(() => ({ ...window.tarrowin.app.state(), version: 0, lang: document.documentElement.lang,
      bars: [...document.querySelectorAll('.bar')].map((bar) => bar.hidden) }));
  };
  const defaults = await start(null);
  assert.equal(defaults.lang, 'de');
  // What a page of another version, an extension or a hand may leave; last, what it was cleaned to.
  for (const stored of ['123', '"x"', '[1,"2"]', 'null', '{"circuit":5,"language":7,"speed":{}}', undefined]) {
    assert.deepEqual(await start(stored), defaults, stored);
    assert.equal(warnings.length, stored ? 1 : 0, `${stored}: ${warnings}`);
    assert.deepEqual(await page.evaluate(() => JSON.parse(localStorage.getItem('tarrowin'))), {});
  }
  await page.close();
});
