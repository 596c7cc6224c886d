// Keeps the page working offline, a reload included: on its first visit from a
// server the page registers this worker, which stores the page's files; after
// that every request goes to the network first, so a new build shows at once,
// and is answered from the store when the network does not answer.
"use strict";

importScripts("ferricalc-data.js");  // FERRICALC_DATA: the version and the drawings' files

const STORE = "ferricalc-" + self.FERRICALC_DATA.version;
const FILES = ["./", "index.html", "page.css", "ferricalc-data.js", "ferricalc-api.js", "ferricalc-module.js",
               "ferricalc-module.wasm", "strings-en.js", "page-shared.js", "page-store.js", "page-calculator.js",
               "page-design.js", "page-plot.js", "page-advise.js", "page.js",
               "art/icon.svg", ...self.FERRICALC_DATA.cores.map((core) => core.drawing.file)];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(STORE).then((store) => store.addAll(FILES)).then(() => self.skipWaiting()));
});

// Stores of other versions go once this one is in charge.
self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name.startsWith("ferricalc-") && name !== STORE)
                                          .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin)
        return;
    event.respondWith(fetch(request).then((response) => {
        if (response.ok) {
            const copy = response.clone();
            event.waitUntil(caches.open(STORE).then((store) => store.put(request, copy)));
        }
        return response;
    }).catch(() => caches.match(request, { ignoreSearch: true }).then((stored) => {
        if (stored)
            return stored;
        // An address of the page itself (index.html#ee is index.html to the network) or the folder.
        return request.mode === "navigate" ? caches.match("index.html") : Response.error();
    })));
});
