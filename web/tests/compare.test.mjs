// Compare Circuits in the page, as a teacher sees it: a set cancelled part
// way, then another measured in the workers to its end, standing still while
// the page is hidden; the status line, the progress, the chart drawn, and
// the copied figures, equal to the desktop runner's own measurement.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { buildDir, openPage, serveAndLaunch, sleep } from './browser.mjs';

const shared = serveAndLaunch();
const native = join(buildDir, 'cli', 'tarrowin-sim');

// What the panel shows, and the ticks its workers have run.
const panel = (page) => page.evaluate(() => {
  const d = document.getElementById('compare');
  const button = (i) => d.querySelectorAll('.compare-top button')[i];
  return { open: d.open, status: d.querySelector('.compare-status').textContent, measure: !button(0).disabled,
    cancel: !button(1).disabled, progress: d.querySelector('progress').value, max: d.querySelector('progress').max,
    ticks: window.tarrowin.page.compare.pool.ticksRun(), longRun: window.tarrowin.app.longRunProgress() };
});

// The page hidden (or shown) as a browser hides a tab in the background.
const hide = (page, hidden) => page.evaluate((hidden) => {
  Object.defineProperty(document, 'visibilityState', { value: hidden ? 'hidden' : 'visible', configurable: true });
  Object.defineProperty(document, 'hidden', { value: hidden, configurable: true });
  document.dispatchEvent(new Event('visibilitychange'));
}, hidden);

const measure = (page, set) => page.evaluate((set) => {
  const select = document.getElementById('compare-set');
  select.value = String(set);
  select.dispatchEvent(new Event('change'));
  document.querySelector('#compare .compare-top button').click();
}, set);

test('Compare Circuits cancels a set, measures another to its end in workers, pauses while hidden, and copies', async () => {
  const page = await openPage(shared.browser, shared.server.url);
  await page.evaluate(() => {
    navigator.clipboard.writeText = async (text) => { window.copied = text; };
    const { page, module } = window.tarrowin;
    page.run(module.commandIds().ViewMeasurements);
    document.querySelector(`#menubar [data-command="${module.commandIds().CompareCircuits}"]`).click();
  });
  assert.equal((await panel(page)).status, 'Choose what to compare, then Measure.');

  await measure(page, 5);
  await page.waitForFunction(() => window.tarrowin.page.compare.pool.ticksRun() > 0, { timeout: 20000 });
  await page.click('#compare .compare-top button:nth-of-type(2)');
  const cancelled = await panel(page);
  assert.match(cancelled.status, /^Cancelled: \d+ of 42 measured$/);
  assert.ok(cancelled.measure && !cancelled.cancel);
  await sleep(300);
  assert.equal((await panel(page)).status, cancelled.status, 'a late result changed the cancelled set');

  await measure(page, 0);
  await page.waitForFunction(() => window.tarrowin.page.compare.pool.ticksRun() > 0, { timeout: 20000 });
  // Two cells: the panel's long run starts again, then the page is hidden.
  await page.evaluate(() => window.tarrowin.page.run(window.tarrowin.module.commandIds().Cells0 + 2));
  await hide(page, true);
  await sleep(200);
  const hidden = await panel(page);
  await sleep(700);
  const still = await panel(page);
  assert.equal(still.ticks, hidden.ticks, 'the workers ran on while the page was hidden');
  assert.equal(still.longRun, hidden.longRun, 'the long run went on while the page was hidden');
  assert.ok(still.cancel && hidden.longRun < 1);
  await hide(page, false);
  await page.waitForFunction(() => / measured in /.test(document.querySelector('.compare-status').textContent),
    { timeout: 60000 });
  const done = await panel(page);
  assert.match(done.status, /^4 runs of 10 minutes measured in \d+\.\d s$/);
  assert.ok(done.progress === done.max && done.measure && !done.cancel && done.longRun > hidden.longRun);

  // The chart: bars in the model's blue and the ideals' dashed orange.
  const colours = await page.evaluate(() => {
    const canvas = document.querySelector('#compare canvas');
    const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    const count = { blue: 0, orange: 0 };
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] === 0 && data[i + 1] === 114 && data[i + 2] === 178) ++count.blue;
      if (data[i] === 213 && data[i + 1] === 94 && data[i + 2] === 0) ++count.orange;
    }
    return { ...count, area: canvas.width * canvas.height };
  });
  assert.ok(colours.blue > colours.area / 50 && colours.orange > 100, JSON.stringify(colours));

  await page.click('#compare .compare-bottom button');
  const rows = (await page.evaluate(() => window.copied)).trim().split('\n').map((line) => line.split(','));
  assert.deepEqual(rows.map((row) => row.slice(0, 2).join(', ')), ['circuit, settings', 'Single Bulb, 1 cell',
    'Two Bulbs in Series, 1 cell', 'Two Bulbs in Parallel, 1 cell', 'Three Bulbs in Series and Parallel, 1 cell']);
  // Each run's current as the desktop's runner measures it.
  if (existsSync(native))
    rows.slice(1).forEach((row, i) => {
      const got = JSON.parse(execFileSync(native, ['--circuit', String(i + 1), '--measure', '600']));
      assert.deepEqual(row.slice(2, 5), got.current.map((v) => v.toFixed(4)), row[0]);
    });
  assert.deepEqual(page.problems, []);
  await page.close();
});
