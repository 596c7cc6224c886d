// What the web page's tests, screenshots and benchmark share: the module
// loaded under Node.js from a built site, and a static server for the site on
// the loopback address (the page's scripts, module and drawings as a host
// would serve them).
"use strict";

const fs = require("fs");
const http = require("http");
const path = require("path");

// The scripting interface over the site's module, as the page builds it.
async function loadFerricalc(folder) {
    const site = path.resolve(folder);
    const factory = require(path.join(site, "ferricalc-module.js"));
    const data = require(path.join(site, "ferricalc-data.js"));
    const { createApi } = require(path.join(site, "ferricalc-api.js"));
    const module = await factory({ wasmBinary: fs.readFileSync(path.join(site, "ferricalc-module.wasm")) });
    return createApi(module, data);
}

const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8", ".css": "text/css",
                ".svg": "image/svg+xml", ".wasm": "application/wasm", ".png": "image/png" };

// Serves `site` on 127.0.0.1 at a free port; resolves to {url, close()}.
function serve(site) {
    const root = path.resolve(site);
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
        const file = path.join(root, name.endsWith("/") ? name + "index.html" : name);
        if (!file.startsWith(root + path.sep)) {
            response.writeHead(403).end();
            return;
        }
        fs.readFile(file, (error, body) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            response.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream" });
            response.end(body);
        });
    });
    return new Promise((resolve) => {
        server.listen(0, "127.0.0.1", () => resolve({
            url: "http://127.0.0.1:" + server.address().port + "/",
            close: () => new Promise((done) => server.close(done)),
        }));
    });
}

// Headless Chromium from the system, as playwright-core starts it here.
async function launchChromium() {
    const { chromium } = require("playwright-core");
    return chromium.launch({
        executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
               "--disable-component-update", "--disable-sync"],
    });
}

// Counts checks and prints the failures, then "N passed, M failed".
class Tally {
    constructor() {
        this.passed = 0;
        this.failures = [];
    }
    check(ok, what) {
        if (ok)
            ++this.passed;
        else
            this.failures.push(what);
        return ok;
    }
    finish() {
        for (const failure of this.failures.slice(0, 30))
            console.log("FAILED: " + failure);
        if (this.failures.length > 30)
            console.log("… and " + (this.failures.length - 30) + " more");
        console.log(this.passed + " passed, " + this.failures.length + " failed");
        process.exitCode = this.failures.length === 0 ? 0 : 1;
    }
}

module.exports = { loadFerricalc, serve, launchChromium, Tally };
