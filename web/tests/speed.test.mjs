// The browser edition's figures, printed for the README (timings are the
// machine's, so they are reported, not asserted): the main thread's time per
// tick at 60 ticks/s on a 1920 x 1080 page, the median over 10 s of the
// browser's own timeline; the time to the first frame from opening
// index.html on a local server; Compare Circuits' largest set measured in
// the page's workers; and what build/web weighs sent gzipped, which is held
// under 3 MB.
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, serve, sleep, webDir } from './browser.mjs';

const kTraceSeconds = Number(process.env.TARROWIN_SPEED_SECONDS ?? 10);
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted.length ? sorted[Math.floor(sorted.length / 2)] : NaN;
};

function files(directory) {
  return readdirSync(directory).flatMap((name) => {
    const path = join(directory, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  });
}

test('the folder sent gzipped stays under 3 MB', () => {
  // tarrowin.html is the same edition again for file://, and the runner is Node's: neither is sent to a browser.
  const sent = files(webDir).filter((path) => !/tarrowin(-sim\.js|\.html)$/.test(path));
  const bytes = sent.reduce((sum, path) => sum + gzipSync(readFileSync(path), { level: 9 }).length, 0);
  const single = gzipSync(readFileSync(join(webDir, 'tarrowin.html')), { level: 9 }).length;
  console.log(`# build/web gzipped: ${(bytes / 1024).toFixed(0)} KiB in ${sent.length} files; ` +
    `tarrowin.html gzipped: ${(single / 1024).toFixed(0)} KiB`);
  assert.ok(sent.length > 40, 'the folder is missing its files');
  assert.ok(bytes + single < 3 * 1024 * 1024, `${bytes + single} bytes`);
});

// Main-thread milliseconds per tick while the page runs circuit 9 in the
// ball model: the renderer's tasks between animation frames, from the trace.
async function timePerTick(browser, url) {
  const page = await openPage(browser, url, { width: 1920, height: 1080 });
  await page.evaluate(async () => { await window.tarrowin.ready; });
  await sleep(500);
  await page.tracing.start({ categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline'] });
  const ticks0 = await page.evaluate(() => window.tarrowin.app.ticks());
  await sleep(kTraceSeconds * 1000);
  const ticks1 = await page.evaluate(() => window.tarrowin.app.ticks());
  const trace = JSON.parse(new TextDecoder().decode(await page.tracing.stop()));
  assert.deepEqual(page.problems, []);
  await page.close();

  const events = trace.traceEvents ?? trace;
  // The page's main thread is the one that runs its animation frames.
  const frame = events.find((e) => e.name === 'FireAnimationFrame');
  assert.ok(frame, 'no animation frame in the trace');
  const own = events.filter((e) => e.pid === frame.pid && e.tid === frame.tid).sort((a, b) => a.ts - b.ts);
  const perFrame = [];
  let current = null;
  for (const e of own) {
    if (e.name === 'FireAnimationFrame' && e.ph === 'X') {
      if (current !== null) perFrame.push(current);
      current = 0;
    }
    if (e.name === 'RunTask' && e.ph === 'X' && current !== null) current += e.dur / 1000;
  }
  const ticks = ticks1 - ticks0;
  assert.ok(ticks > kTraceSeconds * 30, `only ${ticks} ticks in ${kTraceSeconds} s`);
  const ticksPerFrame = ticks / Math.max(perFrame.length, 1);
  // The view's worker, where the frames are rasterised off the main thread.
  const workers = new Set(events.filter((e) => e.pid === frame.pid && e.name === 'thread_name' &&
    /DedicatedWorker/.test(e.args?.name)).map((e) => e.tid));
  const worker = events.filter((e) => workers.has(e.tid) && e.pid === frame.pid && e.name === 'RunTask' && e.ph === 'X')
    .reduce((sum, e) => sum + e.dur / 1000, 0);
  return { ticks, frames: perFrame.length, perTick: median(perFrame) / ticksPerFrame,
    mean: perFrame.reduce((a, b) => a + b, 0) / ticks, worker: worker / ticks };
}

test('speed in headless Chromium', async () => {
  const server = await serve();
  try {
    for (const gpu of [false, true]) {
      const browser = await launch({ gpu });
      try {
        if (!gpu) {
          // From the navigation's start to the first frame drawn, on a fresh profile.
          const first = await openPage(browser, server.url + '?circuit=9', { width: 1920, height: 1080 });
          const ms = await first.evaluate(async () => {
            await window.tarrowin.ready;
            return performance.getEntriesByName('tarrowin-first-frame')[0]?.startTime ?? NaN;
          });
          await first.close();
          console.log(`# first frame ${ms.toFixed(0)} ms after opening index.html`);
        }
        const r = await timePerTick(browser, server.url + '?circuit=9&display=ball');
        console.log(`# ${gpu ? 'GPU (SwiftShader)' : 'software'} canvas, 1920x1080: ${r.ticks} ticks in ` +
          `${kTraceSeconds} s, ${r.frames} frames; main thread per tick: median ${r.perTick.toFixed(2)} ms, ` +
          `mean ${r.mean.toFixed(2)} ms; the view's worker per tick: mean ${r.worker.toFixed(2)} ms`);
      } finally {
        await browser.close();
      }
    }
  } finally {
    server.close();
  }
});

test('Compare Circuits measures its largest set', async () => {
  const server = await serve();
  const browser = await launch();
  try {
    const page = await openPage(browser, server.url);
    const { ms, workers, status } = await page.evaluate(async () => {
      const { page, module } = window.tarrowin;
      page.run(module.commandIds().CompareCircuits);
      const select = document.getElementById('compare-set');
      select.value = String(select.options.length - 2);   // all fourteen circuits at 1 to 3 cells
      select.dispatchEvent(new Event('change'));
      const status = document.querySelector('.compare-status');
      const started = performance.now();
      document.querySelector('#compare .compare-top button').click();
      while (!/ measured in /.test(status.textContent)) await new Promise((done) => setTimeout(done, 20));
      return { ms: performance.now() - started, workers: page.compare.pool.workers.length, status: status.textContent };
    });
    assert.match(status, /^42 runs/);
    console.log(`# Compare Circuits, 42 runs of 10 minutes on ${workers} workers: ${(ms / 1000).toFixed(1)} s`);
    assert.deepEqual(page.problems, []);
  } finally {
    await browser.close();
    server.close();
  }
});
