// What the browser tests share: the built folder served on a free local
// port (python3 -m http.server, as a teacher would serve it), Debian's
// Chromium driven headless through puppeteer-core, and a page that records
// every console error, page error and failed request.
import puppeteer from 'puppeteer-core';
import { after, before } from 'node:test';
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { createServer as createHttpServer } from 'node:http';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

export const buildDir = resolve(process.env.TARROWIN_BUILD ?? new URL('../../build', import.meta.url).pathname);
// The folder under test: the build's web/ unless TARROWIN_WEB names another.
export const webDir = resolve(process.env.TARROWIN_WEB ?? join(buildDir, 'web'));
export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

function freePort() {
  return new Promise((done, fail) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => done(port));
    }).on('error', fail);
  });
}

export async function serve(directory = webDir) {
  const port = await freePort();
  const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', directory],
    { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100; ++i) {
    try {
      await fetch(url);
      break;
    } catch {
      await sleep(50);
    }
  }
  return { url, close: () => server.kill() };
}

// A server as some schools have: each file sent as `type(path)` says (by
// default its usual type), never sniffed, and none of the paths `missing`.
const kTypes = { html: 'text/html', css: 'text/css', js: 'text/javascript', wasm: 'application/wasm', svg: 'image/svg+xml' };
export async function serveAs(directory, { type = (path) => kTypes[path.split('.').pop()], missing = [] } = {}) {
  const server = createHttpServer(async (request, response) => {
    const path = new URL(request.url, 'http://host').pathname.slice(1) || 'index.html';
    const body = missing.includes(path) ? null : await readFile(join(directory, path)).catch(() => null);
    response.writeHead(body ? 200 : 404, { 'Content-Type': (body && type(path)) || 'application/octet-stream',
      'X-Content-Type-Options': 'nosniff' }).end(body ?? '');
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => { server.close(); server.closeAllConnections(); } };
}

// Headless Chromium draws 2D canvases in software unless told to use its
// software GPU (SwiftShader): `gpu` draws them as a school's devices do, on
// the GPU process, off the page's main thread.
const kGpuCanvas = ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--ignore-gpu-blocklist',
  '--enable-accelerated-2d-canvas', '--enable-gpu-rasterization'];

export async function launch({ gpu = false } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tarrowin-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', ...(gpu ? kGpuCanvas : ['--disable-gpu']), '--disable-quic', '--disable-component-update',
      '--lang=en-GB', '--font-render-hinting=none'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// The folder served and a browser launched for a test file's tests, closed
// after them: shared.server.url, shared.browser.
export function serveAndLaunch() {
  const shared = {};
  before(async () => {
    shared.server = await serve();
    shared.browser = await launch();
  });
  after(async () => {
    await shared.browser?.close();
    shared.server?.close();
  });
  return shared;
}

// A new page at the size given that keeps its problems in page.problems.
export async function openPage(browser, url, { width = 1280, height = 800, deviceScaleFactor = 1 } = {}) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', (m) => { if (m.type() === 'error') page.problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => page.problems.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => page.problems.push(`request failed: ${r.url()} ${r.failure()?.errorText}`));
  await page.setViewport({ width, height, deviceScaleFactor });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => document.getElementById('app')?.dataset.state === 'running', { timeout: 15000 });
  return page;
}
