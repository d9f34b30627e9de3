// The page's service worker: it keeps the page's own files, and nothing of
// a game, so that after one visit the game plays offline. Each version of
// the page has a cache of its own (scripts/package-web names it after the
// files' contents); a new version, once served, replaces the old one.
'use strict';
const kCache = 'klikoman-@CACHE@';
const kFiles = [@FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k !== kCache).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// The page's files from the cache, the rest from the network; offline, a
// visit to the page by another address of it (index.html) gets the page.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method === 'GET') {
    event.respondWith(caches.open(kCache).then((cache) => cache
      .match(request, { ignoreSearch: true })
      .then((kept) => kept || fetch(request).catch((error) =>
        (request.mode === 'navigate' ? cache.match('.') : Promise.reject(error))))));
  }
});
