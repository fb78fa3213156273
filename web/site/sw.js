// Keeps the page, the engine and the data on the device: after the first visit Taalspoor
// works with the network off. The build puts the version of the site's files in the
// cache's name, so that a new build replaces the old files in one step.
const version = '__VERSION__';
const cacheName = `taalspoor-${version}`;
const files = __FILES__;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith('taalspoor-') && name !== cacheName).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

// The site's own files from the cache (the page at any address is the one page), all
// else from the network.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) return;
  event.respondWith(
    caches.open(cacheName)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(event.request)),
  );
});
