// The web page's figures for make bench's table (bench/bench_table.cpp):
// the module's Calculate per core under Node.js, through the same interface
// the page calls, and headless Chromium's time from navigation to the
// selector's first paint and to the module being ready, from a local server.
//   node web_bench.js SITE REPETITIONS PAGE_LOADS
// prints "calculate CORE NANOSECONDS" per core, then "first-paint MS",
// "first-contentful-paint MS", "selector-drawings MS" (the options' twelve
// drawings painted) and "module-ready MS" (medians).
"use strict";

const path = require("path");
const { loadFerricalc, serve, launchChromium } = require(path.join(__dirname, "../tests/web/site.js"));

const [site, repetitionsText, loadsText] = process.argv.slice(2);
const repetitions = Number(repetitionsText) || 10;
const loads = loadsText === undefined ? 20 : Number(loadsText);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
    const api = await loadFerricalc(site);
    const data = require(path.resolve(site, "ferricalc-data.js"));
    for (const core of data.cores) {
        // A standard core's dimensions where the catalogue has one, else the start texts with ones.
        const texts = core.catalogue.length > 0 ? core.catalogue[0].texts
                                                : core.fields.map((field) => field.start || "1");
        const calls = 5000;
        for (let i = 0; i < calls; ++i)
            api.calculateTexts(core.name, texts);
        const times = [];
        for (let run = 0; run < repetitions; ++run) {
            const start = process.hrtime.bigint();
            for (let i = 0; i < calls; ++i)
                api.calculateTexts(core.name, texts);
            times.push(Number(process.hrtime.bigint() - start) / calls);
        }
        console.log("calculate " + core.name + " " + median(times).toFixed(0));
    }

    if (loads === 0)
        return;
    // The browser first, and both closed whatever happens: a server left listening keeps Node alive.
    const browser = await launchChromium();
    const server = await serve(site);
    const paints = { "first-paint": [], "first-contentful-paint": [], "selector-drawings": [], "module-ready": [] };
    try {
        for (let run = 0; run < loads; ++run) {
            const context = await browser.newContext({ viewport: { width: 1280, height: 860 } });
            const page = await context.newPage();
            await page.goto(server.url + "index.html");
            const measured = await page.evaluate(async () => {
                await window.ferricalc.ready;
                const ready = performance.now();
                // The twelve drawings of the selector's options, as painted (Element Timing).
                const drawings = await new Promise((resolve) => {
                    const times = [];
                    new PerformanceObserver((list) => {
                        times.push(...list.getEntries().map((entry) => entry.renderTime || entry.loadTime));
                        if (times.length >= 12)
                            resolve(Math.max(...times));
                    }).observe({ type: "element", buffered: true });
                    setTimeout(() => resolve(times.length > 0 ? Math.max(...times) : undefined), 3000);
                });
                const entries = Object.fromEntries(performance.getEntriesByType("paint").map((e) => [e.name, e.startTime]));
                return { ...entries, "module-ready": ready, "selector-drawings": drawings };
            });
            for (const name of Object.keys(paints))
                if (measured[name] !== undefined)
                    paints[name].push(measured[name]);
            await context.close();
        }
    } finally {
        await browser.close();
        await server.close();
    }
    for (const [name, values] of Object.entries(paints))
        if (values.length > 0)
            console.log(name + " " + median(values).toFixed(1));
})().catch((error) => {
    console.error(error);
    process.exitCode = 1;
});
