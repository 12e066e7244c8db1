// Keeps Radixtrek's files for use without a network. Each file comes from the network while
// there is one, so a new version is taken at the next load, and from this cache when there is
// not. The cache is named after the build; a new build's worker removes the old caches.
'use strict';
const CACHE = 'radixtrek-@BUILD@';
const FILES = ['./', 'index.html', 'qtloader.js', 'radixtrek.js', 'radixtrek.wasm',
               'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, {cache: 'reload'}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('radixtrek-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin)
    return;
  event.respondWith(fetch(request, {cache: 'no-cache'})
    .then((response) => {
      if (response.ok) {
        const copy = response.clone();
        event.waitUntil(caches.open(CACHE).then((cache) => cache.put(request, copy)));
      }
      return response;
    })
    .catch(() => caches.match(request, {ignoreSearch: true})
      .then((kept) => kept || Response.error())));
});
