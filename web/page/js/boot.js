// The served page: the core as a module beside it, the assets fetched (and
// kept by the service worker for the next visit, online or not).
import createTarrowin from '../tarrowin.mjs';
import { start } from './main.js';

async function loadAssets() {
  const index = await (await fetch('assets.json')).json();
  const text = async (file) => (await fetch(file)).text();
  const artwork = {};
  const languages = {};
  await Promise.all([
    ...index.artwork.map(async (file) => { artwork[file] = await text(file); }),
    ...index.languages.map(async (code) => { languages[code] = JSON.parse(await text(`i18n/${code}.json`)); }),
  ]);
  return { artwork, languages, guideUrl: 'guide/index.html' };
}

if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
  navigator.serviceWorker.register('sw.js').catch((error) => console.warn('Tarrowin works online only:', error));

window.tarrowin = start(createTarrowin, loadAssets);
