// The browser edition as built, in headless Chromium: circuit 9's square in
// each view drawn as the desktop runner draws the same tick, the page again
// from the service worker's store with the network gone, a new build taking
// over, a server that sends odd types or lacks a file, and tarrowin.html
// opened from file://.
import { execFile } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { buildDir, openPage, serveAndLaunch, serveAs, sleep, webDir } from './browser.mjs';

const desktopSim = join(buildDir, 'cli', 'tarrowin-sim');
// Past the circuit's title, which fades out over its first 250 ticks.
const kTick = 600;

const shared = serveAndLaunch();

// Pauses the page at once and steps it to the tick; the view's size in device pixels.
async function pauseAt(page, tick) {
  return page.evaluate(async (tick) => {
    await window.tarrowin.ready;
    const { app, module } = window.tarrowin;
    app.command(module.commandIds().Pause);
    if (app.ticks() > tick) throw new Error(`already at tick ${app.ticks()}`);
    for (let i = 0; i < tick && app.ticks() < tick; ++i) app.tick();
    if (app.ticks() !== tick) throw new Error(`stepped to tick ${app.ticks()}, not ${tick}`);
    const view = await window.tarrowin.viewPixels();
    return { width: view.width, height: view.height, state: app.state() };
  }, tick);
}

// Compares the view's canvas with a PNG of the same size, in the page: the
// share of pixels whose colour differs by more than `tolerance` in a channel,
// and the mean difference.
function compareView(page, png, tolerance) {
  return page.evaluate(async (base64, tolerance) => {
    const view = await window.tarrowin.viewPixels();
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    if (image.width !== view.width || image.height !== view.height) return { size: [image.width, image.height] };
    const canvas = document.createElement('canvas');
    canvas.width = view.width;
    canvas.height = view.height;
    const ctx = canvas.getContext('2d');
    ctx.drawImage(image, 0, 0);
    const a = ctx.getImageData(0, 0, canvas.width, canvas.height).data;
    const b = view.data;
    let off = 0;
    let sum = 0;
    for (let i = 0; i < a.length; i += 4) {
      const d = Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2]));
      sum += d;
      if (d > tolerance) ++off;
    }
    // A blank or unchanging canvas must not pass: count the colours seen.
    const colours = new Set();
    for (let i = 0; i < b.length; i += 4 * 97) colours.add((b[i] << 16) | (b[i + 1] << 8) | b[i + 2]);
    return { off: off / (a.length / 4), mean: sum / (a.length / 4), colours: colours.size };
  }, png.toString('base64'), tolerance);
}

test('circuit 9 in each view is drawn as the desktop draws it', { skip: !existsSync(desktopSim) && 'no desktop build' },
  async (t) => {
    const dir = mkdtempSync(join(tmpdir(), 'tarrowin-frames-'));
    try {
      // And once on a dense screen, where the canvas has twice the pixels each way.
      for (const [mode, deviceScaleFactor] of [['ball', 1], ['diagram', 1], ['picture', 1], ['ball', 2]]) {
        await t.test(`${mode} at ${deviceScaleFactor}x`, async () => {
          const page = await openPage(shared.browser, `${shared.server.url}?circuit=9&display=${mode}`, { deviceScaleFactor });
          const view = await pauseAt(page, kTick);
          assert.equal(view.state.display, ['ball', 'diagram', 'picture'].indexOf(mode));
          const png = join(dir, `${mode}-${deviceScaleFactor}.png`);
          await promisify(execFile)(desktopSim, ['--circuit', '9', '--ticks', String(kTick), '--png', png,
            '--size', `${view.width}x${view.height}`, '--mode', mode], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
          const r = await compareView(page, readFileSync(png), 48);
          assert.ok(!r.size, `the desktop's frame is ${r.size}`);
          console.log(`# ${mode} at ${deviceScaleFactor}x, ${view.width}x${view.height}: ${(r.off * 100).toFixed(3)}% of pixels differ by more than 48, mean difference ${r.mean.toFixed(3)}`);
          assert.ok(r.colours > 3, 'the view is blank');
          // Anti-aliasing and the fonts may differ a little; geometry and colours not.
          assert.ok(r.off < 0.001, `${(r.off * 100).toFixed(2)}% of the pixels differ`);
          assert.ok(r.mean < 1, `mean difference ${r.mean}`);
          assert.deepEqual(page.problems, []);
          await page.close();
        });
      }
    } finally {
      rmSync(dir, { recursive: true, force: true });
    }
  });

test('after the first visit the page runs offline', async () => {
  const page = await openPage(shared.browser, shared.server.url);
  // The worker takes the page over once it is active; from then on it answers.
  await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    const worker = registration.active;
    if (worker.state !== 'activated')
      await new Promise((done) => worker.addEventListener('statechange', () => worker.state === 'activated' && done()));
  });
  const cached = await page.evaluate(async () => {
    const names = await caches.keys();
    const cache = await caches.open(names.find((n) => n.startsWith('tarrowin-')));
    return { names, count: (await cache.keys()).length };
  });
  assert.equal(cached.names.filter((n) => n.startsWith('tarrowin-')).length, 1);
  assert.ok(cached.count > 40, `only ${cached.count} files kept`);

  await page.setOfflineMode(true);
  page.problems.length = 0;
  await page.goto(`${shared.server.url}?circuit=4&display=diagram`, { waitUntil: 'load' });
  await page.waitForFunction(() => document.getElementById('app')?.dataset.state === 'running', { timeout: 15000 });
  const running = await page.evaluate(async () => {
    await window.tarrowin.ready;
    const { app } = window.tarrowin;
    const start = app.ticks();
    await new Promise((done) => setTimeout(done, 300));
    return { offline: !navigator.onLine, ticks: app.ticks() - start, state: app.state() };
  });
  assert.ok(running.ticks > 0, 'the model does not run offline');
  assert.equal(running.state.display, 1);
  assert.deepEqual(page.problems, []);
  await page.setOfflineMode(false);
  await page.close();
});

test('a changed byte changes the version, and the new worker takes over at the next reload', async (t) => {
  const dir = mkdtempSync(join(tmpdir(), 'tarrowin-folder-'));
  cpSync(webDir, dir, { recursive: true });
  const server = await serveAs(dir);
  t.after(() => { server.close(); rmSync(dir, { recursive: true, force: true }); });
  const file = (name, bytes) => (bytes === undefined ? readFileSync(join(dir, name)) : writeFileSync(join(dir, name), bytes));
  const version = async () => {
    await promisify(execFile)('python3', [new URL('../tools/assemble.py', import.meta.url).pathname, '--root',
      new URL('../..', import.meta.url).pathname, '--out', dir, '--worker-only']);
    return /kVersion = "(\w+)"/.exec(file('sw.js'))[1];
  };
  const built = /kVersion = "(\w+)"/.exec(file('sw.js'))[1];
  assert.equal(await version(), built);
  // The last byte of a file of each folder and kind (the files after the folder's own address).
  const files = JSON.parse(/kFiles = (\[[^\]]*\])/.exec(file('sw.js'))[1]).slice(1);
  const kinds = new Map(files.map((name) => [name.replace(/[^/]*\./, '*.'), name]));
  assert.ok(kinds.size >= 10, [...kinds.keys()].join());
  for (const name of kinds.values()) {
    const bytes = file(name);
    file(name, Buffer.concat([bytes.subarray(0, -1), Buffer.from([bytes.at(-1) ^ 1])]));
    assert.notEqual(await version(), built, name);
    file(name, bytes);
  }
  const page = await openPage(shared.browser, server.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller);
  file('guide/index.html', `${file('guide/index.html')}<!-- new build -->`);
  const store = `tarrowin-${await version()}`;
  await page.reload();
  // The new version's worker, alone with its store, controls the page and serves the new content, offline too.
  await page.waitForFunction(async (store) => {
    const { installing, waiting, active } = await navigator.serviceWorker.getRegistration();
    return !installing && !waiting && navigator.serviceWorker.controller === active && (await caches.keys()).join() === store;
  }, { timeout: 10000, polling: 100 }, store);
  await page.setOfflineMode(true);
  assert.match(await page.evaluate(async () => (await fetch('guide/index.html')).text()), /<!-- new build -->$/);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the page starts whatever types the server sends, and says why when it cannot start', async (t) => {
  const artwork = JSON.parse(readFileSync(join(webDir, 'assets.json'))).artwork[0];
  // Scripts and WebAssembly sent as a type the server does not know.
  const servers = [await serveAs(webDir, { type: (path) => /\.(html|css)$/.test(path) && `text/${path.split('.').pop()}` }),
    await serveAs(webDir, { missing: [artwork] }), await serveAs(webDir, { missing: ['tarrowin-simd.wasm'] }),
    await serveAs(webDir, { missing: ['tarrowin.wasm'] })];
  t.after(() => servers.forEach((server) => server.close()));
  const page = await openPage(shared.browser, servers[0].url);
  assert.ok(await page.evaluate(async () => new Set((await window.tarrowin.viewPixels()).data).size > 3), 'the view is blank');
  // Only the worker for offline use is refused.
  assert.deepEqual(page.problems.filter((problem) => !/unsupported MIME type/.test(problem)), []);
  const fetched = [];
  page.on('request', (request) => { if (request.url().endsWith('.wasm')) fetched.push(request.url().split('/').pop()); });
  for (const [i, file] of [artwork, 'tarrowin-simd.wasm', 'tarrowin.wasm'].entries()) {
    // A browser without WebAssembly's SIMD takes the core built without it.
    if (file === 'tarrowin.wasm') {
      await page.evaluateOnNewDocument(() => { WebAssembly.validate = () => false; });
      fetched.length = 0;
      await page.goto(servers[0].url);
      await page.waitForFunction(() => document.getElementById('app')?.dataset.state === 'running', { timeout: 15000 });
      assert.ok(await page.evaluate(async () => new Set((await window.tarrowin.viewPixels()).data).size > 3), 'no view without SIMD');
      assert.deepEqual(fetched, ['tarrowin.wasm']);
    }
    await page.goto(servers[i + 1].url);
    const text = await (await page.waitForSelector('[role=alert]', { visible: true })).evaluate((alert) => alert.innerText);
    assert.ok(text.includes(`${file} could not be loaded (404 Not Found)`) && /Reload[^]*tarrowin\.html[^]*server/.test(text), text);
    assert.equal(await page.$eval('#app', (app) => getComputedStyle(app).visibility), 'hidden');
  }
  await page.close();
});

test('tarrowin.html runs from file://', async () => {
  const page = await shared.browser.newPage();
  page.problems = [];
  page.on('pageerror', (e) => page.problems.push(`page error: ${e.message}`));
  page.on('console', (m) => { if (m.type() === 'error') page.problems.push(`console: ${m.text()}`); });
  await page.setViewport({ width: 1280, height: 800 });
  await page.goto(`file://${join(webDir, 'tarrowin.html')}?circuit=9`, { waitUntil: 'load' });
  await page.waitForFunction(() => document.getElementById('app')?.dataset.state === 'running', { timeout: 15000 });
  const view = await pauseAt(page, kTick);
  assert.equal(view.state.circuit, 'Two Bulbs in Parallel, One in Series with a Resistor');
  assert.ok(await page.evaluate(async () => Boolean(window.tarrowin.page.host.worker) &&
    new Set((await window.tarrowin.viewPixels()).data).size > 3), 'the view is not drawn by a worker');
  // Compare Circuits' workers start from the page's own copy of the core.
  const compared = await page.evaluate(async () => {
    const { page, module } = window.tarrowin;
    page.run(module.commandIds().CompareCircuits);
    document.getElementById('compare-set').value = '1';
    document.querySelector('#compare .compare-top button').click();
    const status = document.querySelector('.compare-status');
    while (!/ measured in /.test(status.textContent)) await new Promise((done) => setTimeout(done, 50));
    return { status: status.textContent, workers: !page.compare.pool.onPage };
  });
  assert.ok(compared.workers && compared.status.startsWith('4 runs of 10 minutes'), JSON.stringify(compared));
  // Only the page's own file: nothing fetched beside it.
  const loaded = await page.evaluate(() => performance.getEntriesByType('resource').map((r) => r.name)
    .filter((name) => !name.startsWith('data:') && !name.startsWith('blob:')));
  assert.deepEqual(loaded, []);
  await sleep(100);
  assert.deepEqual(page.problems, []);
  await page.close();
});
