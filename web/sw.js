// The hosted page's service worker: the game keeps working with the network
// off. Every answer from the network is kept (the page under its address
// without the settings after "?"); with no network the kept copy answers, so
// a reload works whatever settings the address carries.
'use strict';

const CACHE = 'ovali';
const FILES = ['./', 'index.html', 'ovali.html', 'manifest.webmanifest', 'icon.svg'];

// Without the query: one copy of the page serves every setting.
const key = (url) => {
  const plain = new URL(url);
  plain.search = '';
  plain.hash = '';
  return plain.href;
};

self.addEventListener('install', (event) => {
  // A host may hold only some of the files (index.html alone, say).
  event.waitUntil(caches.open(CACHE)
    .then((cache) => Promise.all(FILES.map((file) => cache.add(file).catch(() => null))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !request.url.startsWith(self.location.origin)) return;
  event.respondWith(fetch(request)
    .then((response) => {
      if (response.ok) {
        const copy = response.clone();
        caches.open(CACHE).then((cache) => cache.put(key(request.url), copy));
      }
      return response;
    })
    .catch(() => caches.match(key(request.url))
      .then((kept) => kept || caches.match(new URL('./', self.location).href))
      .then((kept) => kept || Response.error())));
});
