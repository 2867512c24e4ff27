// Keeps the page's files for use offline: the first visit stores them all,
// later visits are served from the store, whether the network is there or
// not, and a new version of the folder replaces the store as a whole.
// (kVersion and kFiles are written above this line when the folder is built.)
const kCache = `tarrowin-${kVersion}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('tarrowin-') && k !== kCache).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  // A lesson's link (?circuit=9...) is the same page.
  event.respondWith(caches.match(event.request, { ignoreSearch: true, cacheName: kCache })
    .then((stored) => stored ?? fetch(event.request)));
});
