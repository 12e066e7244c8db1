// Keeps Radixtrek's files for use without a network, and starts the program from them at once:
// at school the line may be slow, or a Wi-Fi login page may stand in for every address. A new
// version, which comes with a new worker, takes over only once every one of its files has
// arrived whole from this site and matches the SHA-256 the build wrote in below; until then the
// last complete version keeps starting.
'use strict';
const CACHE = 'radixtrek-@BUILD@';
const FILES = @FILES@;

const scope = new URL(self.registration.scope);
const address = (file) => new URL(file, scope).href;

async function sha256(body) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', body));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
}

// The file as this version has it: from an earlier version's cache when unchanged, else from
// the browser's own cache, where the page's first start has just put it (neither costs a slow
// line anything), else from the site itself. Anything else (a login page, an error, a redirect,
// a file cut short, a stale copy) is refused or fetched again.
async function verified(file, hash) {
  const kept = await caches.match(address(file));
  if (kept) {
    const body = await kept.arrayBuffer();
    if (await sha256(body) === hash)
      return new Response(body, {headers: {'Content-Type': kept.headers.get('Content-Type')}});
  }
  for (const cache of ['force-cache', 'no-cache']) {
    const response = await fetch(address(file), {cache, redirect: 'error'});
    if (response.status !== 200 || response.type !== 'basic') {
      if (cache === 'force-cache')
        continue;
      throw new Error(`${file}: status ${response.status} (${response.type})`);
    }
    const body = await response.arrayBuffer();
    // The body is already decoded, so only its type goes along.
    if (await sha256(body) === hash)
      return new Response(body, {headers: {'Content-Type': response.headers.get('Content-Type')}});
  }
  throw new Error(`${file}: not the file of this version`);
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const files = Object.keys(FILES);
    const responses = await Promise.all(files.map((file) => verified(file, FILES[file])));
    await caches.delete(CACHE);  // what an earlier attempt cut short may have left
    try {
      const cache = await caches.open(CACHE);
      await Promise.all(files.map((file, i) => cache.put(address(file), responses[i])));
    } catch (error) {
      await caches.delete(CACHE);
      throw error;
    }
    // Complete: the next start is this version's. A page already running has all it needs.
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('radixtrek-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// Each of the program's files, whatever the query (?seed=N), from this version's cache, without
// asking the network; the browser itself looks for a new worker in the background.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== scope.origin ||
      !url.pathname.startsWith(scope.pathname))
    return;
  const file = url.pathname.slice(scope.pathname.length) || 'index.html';
  if (!Object.keys(FILES).includes(file))
    return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(address(file)))
    .then((kept) => kept || fetch(request)));
});
