// tarrowin-sim.js (the core compiled to WebAssembly, under Node) prints what
// the desktop's tarrowin-sim prints, byte for byte and with the same exit
// status: every trace setting of the desktop's own trace tests (read from
// tests/CMakeLists.txt, so the two lists never drift apart), the region map,
// a long-run measurement and the error and help paths.
import { execFile } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { buildDir, webDir } from './browser.mjs';

const native = join(buildDir, 'cli', 'tarrowin-sim');
const wasm = join(webDir, 'tarrowin-sim.js');

// The quoted cases of `set(TRACE_CASES ...)` and `list(APPEND TRACE_CASES ...)`;
// those written with ${number} and ${slug} once for each of TRACE_CIRCUITS.
export function traceCases(cmakeText) {
  const quoted = (body) => [...body.matchAll(/"([^"]*)"/g)].map((m) => m[1]);
  const blocks = (pattern) => [...cmakeText.matchAll(pattern)].flatMap((m) => quoted(m[1]));
  const circuits = blocks(/set\(TRACE_CIRCUITS([^)]*)\)/g).map((entry) => entry.split('|'));
  const cases = [];
  for (const entry of blocks(/(?:set\(TRACE_CASES|list\(APPEND TRACE_CASES)([^)]*)\)/g)) {
    const args = entry.split('|')[2];
    if (args.includes('${number}'))
      for (const [number] of circuits) cases.push(args.replaceAll('${number}', number));
    else cases.push(args);
  }
  return cases.map((args) => args.split(/\s+/).filter(Boolean));
}

function run(program, args) {
  const [command, ...rest] = program.endsWith('.js') ? [process.execPath, program] : [program];
  return new Promise((done) => {
    execFile(command, [...rest, ...args], { maxBuffer: 1 << 28, encoding: 'buffer' }, (error, stdout, stderr) =>
      done({ status: error ? error.code : 0, stdout, stderr }));
  });
}

async function compare(args) {
  const [a, b] = await Promise.all([run(native, args), run(wasm, args)]);
  assert.ok(a.stdout.length > 0 || a.stderr.length > 0, `${args.join(' ')}: the desktop runner printed nothing`);
  assert.equal(b.status, a.status, `${args.join(' ')}: exit status`);
  assert.ok(b.stdout.equals(a.stdout), `${args.join(' ')}: stdout differs`);
  assert.ok(b.stderr.equals(a.stderr), `${args.join(' ')}: stderr differs`);
}

const skip = !existsSync(native) ? `no desktop runner at ${native} (make build)` : !existsSync(wasm) ? 'make web first' : false;

test('tarrowin-sim.js prints what tarrowin-sim prints', { skip }, async (t) => {
  const cases = traceCases(readFileSync(new URL('../../tests/CMakeLists.txt', import.meta.url), 'utf8'));
  // 7 single-bulb settings, 6 for each other circuit and the special ones at least.
  assert.ok(cases.length >= 80, `only ${cases.length} trace cases found in tests/CMakeLists.txt`);
  cases.push(
    ['--circuit', '9', '--regions', '4'],
    ['--circuit', '14', '--cells', '2', '--regions', '3'],
    ['--circuit', '9', '--measure', '20'],
    ['--circuit', '4', '--cells', '3', '--vary', '--measure', '12.5', '--seed', '7'],
    ['--circuit', '1', '--no-pulsate', '--palette', 'colourblind', '--ticks', '300', '--every', '100'],
    ['--help'],
    ['--circuit', '99'],
    ['--measure', '+5'],
    ['--ticks', '-1']);
  await t.test(`${cases.length} runs`, async () => {
    // Two at a time: the machine's two cores.
    const queue = [...cases];
    await Promise.all([0, 1].map(async () => {
      for (let args; (args = queue.shift());) await compare(args);
    }));
  });
});
