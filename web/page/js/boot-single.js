// The single file: the core and every asset inside the page itself, so it
// opens from a USB stick (file://) or as one upload to a learning platform.
import { start } from './main.js';

async function loadAssets() {
  const assets = JSON.parse(document.getElementById('tarrowin-assets').textContent);
  const guide = URL.createObjectURL(new Blob([assets.guide], { type: 'text/html' }));
  return { artwork: assets.artwork, languages: assets.languages, guideUrl: guide };
}

// A worker's module comes from the core's script as this page holds it,
// the WebAssembly inside.
const core = {
  source: async () => document.getElementById('tarrowin-core').textContent,
  wasm: async () => null,
};

// createTarrowin comes from the classic script before this one.
window.tarrowin = start(createTarrowin, loadAssets, core);
