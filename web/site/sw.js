'use strict';

// The site's service worker: keeps the page and its icons so that the page
// opens with no network. The cache is named by the build, so a new build's
// worker fills a cache of its own; it waits until the page takes it (a tap
// on "有新版本", or the next open) and then removes the caches of older
// builds.
const build = '@BUILD@';
const cacheName = `tipstat-${build}`;
const files = ['./', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png', 'icon-maskable-512.png',
  'apple-touch-icon.png'];

self.addEventListener('install', (event) => {
  // Past the browser's HTTP cache: the files of this very build.
  const requests = files.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(requests)));
});

// The first worker of the site takes the page that installed it at once,
// so that it opens with no network from then on; a later one leaves the
// pages open to their build (the page reloads itself when it has asked for
// the new one).
self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const older = (await caches.keys()).filter((name) => name.startsWith('tipstat-') && name !== cacheName);
    for (const name of older) await caches.delete(name);
    if (older.length === 0) await self.clients.claim();
  })());
});

self.addEventListener('message', (event) => {
  if (event.data === 'take') event.waitUntil(self.skipWaiting());
});

// Every opening of the page, at any address of the site and with a shared
// text in its query, is the kept page; the other files are the kept ones.
// What is not kept goes to the network.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  const key = request.mode === 'navigate' ? './' : request;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    return (await cache.match(key, { ignoreSearch: true })) ?? fetch(request);
  })());
});
