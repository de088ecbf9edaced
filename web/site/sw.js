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

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('tipstat-') && name !== cacheName) await caches.delete(name);
    }
    await self.clients.claim();
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
