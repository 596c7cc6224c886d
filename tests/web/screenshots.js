// The web page as Chromium draws it, for people to look at (make web-screenshots):
// the selector and the EE/EF calculator after a Calculate on a laptop screen,
// the ETD window with a catalogue core and its deviations, a failure, the same
// at 200 % zoom, and the selector and a calculator on a phone.
//   node screenshots.js SITE OUTPUT_DIR
"use strict";

const fs = require("fs");
const path = require("path");
const { serve, launchChromium } = require("./site.js");

const [site, output] = process.argv.slice(2);

async function calculate(page, url, fields) {
    await page.goto(url);
    await page.waitForFunction(() => window.ferricalc && window.ferricalc.calculate);
    for (const [id, text] of Object.entries(fields))
        await page.fill("#" + id, text);
    await page.click("#Command1");
    await page.waitForTimeout(100);
}

(async () => {
    fs.mkdirSync(output, { recursive: true });
    const server = await serve(site);
    const browser = await launchChromium();
    const shots = [];
    const shoot = async (page, name) => {
        const file = path.join(output, name + ".png");
        await page.screenshot({ path: file, fullPage: true });
        shots.push(file);
    };
    try {
        for (const [label, options] of [["", { viewport: { width: 1280, height: 860 } }],
                                        ["-200", { viewport: { width: 1280, height: 860 }, deviceScaleFactor: 2 }],
                                        ["-phone", { viewport: { width: 390, height: 844 }, deviceScaleFactor: 2,
                                                     isMobile: true, hasTouch: true }]]) {
            const context = await browser.newContext(options);
            const page = await context.newPage();
            await page.goto(server.url + "index.html");
            await page.waitForFunction(() => window.ferricalc && window.ferricalc.calculate);
            await shoot(page, "selector" + label);
            await calculate(page, server.url + "index.html#ee", { Text1: "25", Text2: "17.5", Text3: "7.5", Text4: "7.5",
                                                                  Text5: "8.7", Text6: "12.8" });
            await shoot(page, "ee" + label);
            if (label === "") {
                await page.goto(server.url + "index.html#etd");
                await page.click("#catalogComboBox");
                await page.keyboard.type("34");
                await shoot(page, "etd-list");
                await page.keyboard.press("Enter");
                await page.click("#Command1");
                await page.waitForTimeout(100);
                await shoot(page, "etd-catalogue");
                await calculate(page, server.url + "index.html#ring", { Text1: "10", Text2: "10", Text3: "4" });
                await shoot(page, "ring-failure");
            }
            await context.close();
        }
    } finally {
        await browser.close();
        await server.close();
    }
    for (const file of shots)
        console.log(file);
})().catch((error) => {
    console.error(error);
    process.exitCode = 1;
});
