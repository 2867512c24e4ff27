// The served page: the core (tarrowin.js, run by index.html's loader just
// before this script) with its WebAssembly and the assets fetched beside it
// (and kept by the service worker for the next visit, online or not).
import { start } from './main.js';

// A file of the folder, or an error that names it.
async function load(file) {
  let response;
  try {
    response = await fetch(file);
  } catch (error) {
    throw Object.assign(new Error(`${file} could not be loaded (${error.message})`), { file });
  }
  if (!response.ok) throw Object.assign(new Error(`${file} could not be loaded (${response.status} ${response.statusText})`), { file });
  return response;
}

// The smallest module that uses a SIMD instruction (i8x16.splat): browsers
// without WebAssembly's SIMD refuse it, and get the core built without.
const kSimdProbe = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 8, 1, 6, 0,
  65, 0, 253, 15, 11]);
const kWasmFile = WebAssembly.validate(kSimdProbe) ? 'tarrowin-simd.wasm' : 'tarrowin.wasm';

// Compiled while it downloads where the server sends the WebAssembly's own
// type, which the browser insists on for that; from its bytes where not.
async function instantiate(imports) {
  const response = await load(kWasmFile);
  const type = (response.headers.get('Content-Type') ?? '').split(';')[0].trim();
  try {
    if (type === 'application/wasm' && typeof WebAssembly.instantiateStreaming === 'function')
      return await WebAssembly.instantiateStreaming(response, imports);
    return await WebAssembly.instantiate(await response.arrayBuffer(), imports);
  } catch (error) {
    // Something else in its place (a server's own page), or the file of another build than tarrowin.js.
    throw Object.assign(new Error(`${kWasmFile} is not the file of this build (${error.message})`), { file: kWasmFile });
  }
}

// The compiled WebAssembly, kept for Compare Circuits' workers.
let compiled = null;

// The module, failing (rather than waiting for ever) when its WebAssembly does.
function createCore(options) {
  return new Promise((resolve, reject) => {
    createTarrowin({
      ...options,
      instantiateWasm(imports, receive) {
        instantiate(imports).then(({ instance, module }) => {
          compiled = module;
          receive(instance, module);
        }, reject);
        return {};
      },
    }).then(resolve, reject);
  });
}

// What a worker needs for a module of its own: the core's script (from the
// browser's cache by now) and the WebAssembly compiled once, here.
const core = {
  source: async () => (await load('tarrowin.js')).text(),
  wasm: async () => compiled,
};

async function loadAssets() {
  const text = async (file) => (await load(file)).text();
  // A server may answer with a page of its own (a login, an error) instead.
  const json = async (file) => {
    const source = await text(file);
    try {
      return JSON.parse(source);
    } catch (error) {
      throw Object.assign(new Error(`${file} is not the file it should be (${error.message})`), { file });
    }
  };
  const index = await json('assets.json');
  const artwork = {};
  const languages = {};
  await Promise.all([
    ...index.artwork.map(async (file) => { artwork[file] = await text(file); }),
    ...index.languages.map(async (code) => { languages[code] = await json(`i18n/${code}.json`); }),
  ]);
  return { artwork, languages, guideUrl: 'guide/index.html' };
}

if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
  navigator.serviceWorker.register('sw.js').catch((error) => console.warn('Tarrowin works online only:', error));

window.tarrowin = start(createCore, loadAssets, core);
