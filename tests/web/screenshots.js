// The web page as Chromium draws it, for people to look at (make web-screenshots):
// the selector, the EE/EF calculator after a Calculate and its magnetic design
// (an EE set driven to 85 % of Bsat on Amin) on a laptop screen, the ETD window
// with a catalogue core and its deviations, a failure and advice, the same at
// 200 % zoom, 磁芯选型 from that design, and the selector, a calculator, a
// design and 磁芯选型 on a phone; then the selector, calculator, design and
// 磁芯选型 again in English (?lang=en), on the laptop and on the phone.
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
        const laptop = { viewport: { width: 1280, height: 860 } };
        const phone = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
        for (const [label, options, query] of [["", laptop, ""],
                                               ["-200", { ...laptop, deviceScaleFactor: 2 }, ""],
                                               ["-phone", phone, ""],
                                               ["-en", laptop, "?lang=en"],
                                               ["-phone-en", phone, "?lang=en"]]) {
            const context = await browser.newContext(options);
            const page = await context.newPage();
            const index = server.url + "index.html" + query;
            await page.goto(index);
            await page.waitForFunction(() => window.ferricalc && window.ferricalc.calculate);
            await shoot(page, "selector" + label);
            await calculate(page, index + "#ee", { Text1: "25", Text2: "17.5", Text3: "7.5", Text4: "7.5",
                                                                  Text5: "8.7", Text6: "12.8" });
            await shoot(page, "ee" + label);
            await page.click("#designButton");
            await page.waitForSelector("#designWindow");
            for (const [id, text] of [["gap", "0.2"], ["turns", "60"], ["current", "0.85"]])
                await page.fill("#" + id, text);
            await page.focus("#material");
            await shoot(page, "design-ee" + label);
            // 磁芯选型 for 100 µH at 2 A DC with 0.6 A ripple, from that design.
            for (const [id, text] of [["inductance", "100"], ["current", "2.3"], ["ripple", "0.6"], ["frequency", "100k"]])
                await page.fill("#" + id, text);
            await page.click("#adviseButton");
            await page.waitForSelector("#adviceTable tbody tr");
            await page.waitForTimeout(100);
            await shoot(page, "advise" + label);
            if (label === "") {
                await page.goto(server.url + "index.html#etd");
                await page.click("#catalogComboBox");
                await page.keyboard.type("34");
                await shoot(page, "etd-list");
                await page.keyboard.press("Enter");
                await page.click("#Command1");
                await page.waitForTimeout(100);
                await shoot(page, "etd-catalogue");
                // 自定义型号: the library's menu, the line that asks for the name, the list's own group.
                await page.click("#libraryMenu summary");
                await shoot(page, "etd-library-menu");
                await page.click("#saveCore");
                await page.fill("#coreName", "ETD 34 样品");
                await shoot(page, "etd-library-name");
                await page.click("#coreNameOk");
                await page.click("#catalogComboBox");
                await shoot(page, "etd-library-list");
                await page.keyboard.press("Escape");
                // A catalogue core in a material its maker publishes AL for: the points over the curve.
                await page.goto(server.url + "index.html#rm");
                await page.click("#catalogComboBox");
                await page.keyboard.type("RM 8/I (Ferroxcube)");
                await page.keyboard.press("Enter");
                await page.click("#Command1");
                await page.click("#designButton");
                await page.waitForSelector("#designWindow");
                await page.selectOption("#material", String(await page.evaluate(
                    () => FERRICALC_DATA.materials.findIndex((m) => m.name === "3C90"))));
                for (const [id, text] of [["gap", "0.2"], ["turns", "30"], ["current", "0.5"]])
                    await page.fill("#" + id, text);
                await shoot(page, "design-rm8");
                // The design as it prints: the report on A4 paper, the controls left out.
                await page.emulateMedia({ media: "print" });
                await page.setViewportSize({ width: 794, height: 1123 });
                await shoot(page, "design-rm8-print");
                await page.setViewportSize({ width: 1280, height: 860 });
                await page.emulateMedia({ media: "screen" });
                await calculate(page, server.url + "index.html#ring", { Text1: "10", Text2: "10", Text3: "4" });
                await shoot(page, "ring-failure");
                await calculate(page, server.url + "index.html#ring", { Text1: "500", Text2: "300", Text3: "100" });
                await shoot(page, "ring-advice");
                await page.click("#designButton");
                await page.fill("#gap", "600");
                await shoot(page, "design-refused");
                // A ring past Bsat at its inner radius with a gap beyond the axis, wound for far
                // less than one turn gives; then a failed 计算 and the design after it.
                await calculate(page, server.url + "index.html#ring", { Text1: "10", Text2: "6", Text3: "4" });
                await page.click("#designButton");
                for (const [id, text] of [["muI", "2000"], ["bsat", "300"], ["gap", "8"], ["targetAl", "1"],
                                          ["inductance", "0.001"], ["current", "8"], ["density", "4.8"]])
                    await page.fill("#" + id, text);
                await shoot(page, "design-ring");
                await page.goBack();
                await page.fill("#Text2", "");
                await page.click("#Command1");
                await shoot(page, "ring-stale");
                await page.goForward();
                await page.waitForSelector("#designWindow");
                await shoot(page, "design-failed");
            }
            if (label === "-en") {
                // A failure, the advice and a saturated ring's design, as the module words them in English.
                await calculate(page, index + "#ring", { Text1: "10", Text2: "10", Text3: "4" });
                await shoot(page, "ring-failure-en");
                await calculate(page, index + "#ring", { Text1: "500", Text2: "300", Text3: "100" });
                await shoot(page, "ring-advice-en");
                await calculate(page, index + "#ring", { Text1: "10", Text2: "6", Text3: "4" });
                await page.click("#designButton");
                for (const [id, text] of [["muI", "2000"], ["bsat", "300"], ["gap", "8"], ["targetAl", "1"],
                                          ["inductance", "0.001"], ["current", "8"], ["density", "4.8"],
                                          ["frequency", "100k"], ["wire", "0.5"]])
                    await page.fill("#" + id, text);
                await shoot(page, "design-ring-en");
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
