// The page in headless Chromium, used as a person would: the ring by keyboard
// alone, the worked example of every window by clicks, failures, the advice
// and the unrounded tooltips, a catalogue core with its deviation line,
// copying, results a failed Calculate left stale, the magnetic design against
// ferricalc-cli (its limits from the core, B̂max deciding on a ring, the design
// after a failed Calculate), 磁芯选型 from a design and a row of it opened, the
// phone layout, offline use and an offline reload once loaded, the user's own
// cores, design files and the design's print, the page in English, and a page opened from a
// file:// address.
//   node browser_test.js SITE EXPECTATIONS.json FERRICALC-CLI
"use strict";

const { execFileSync } = require("child_process");
const fs = require("fs");
const path = require("path");
const { serve, launchChromium, Tally } = require("./site.js");

const [site, expectationsFile, cli] = process.argv.slice(2);
const expected = JSON.parse(fs.readFileSync(expectationsFile, "utf8"));
const data = require(path.resolve(site, "ferricalc-data.js"));
const core = (name) => data.cores.find((c) => c.name === name);
const NBSP = "\u00a0";

async function shownResults(page, name) {
    return page.evaluate((ids) => ids.map((id) => document.getElementById(id).value),
                         core(name).results.map((result) => result.id));
}

async function focusedId(page) {
    return page.evaluate(() => document.activeElement && document.activeElement.id);
}

const texts = (page, ids) => page.evaluate((list) => list.map((id) => document.getElementById(id).textContent), ids);

// The design's figures as ferricalc-cli --json writes them, with the units as the page shows them.
function commandLineDesign(core, inputs, options) {
    const printed = JSON.parse(execFileSync(cli, ["--json", core, ...inputs.split(" "), ...options],
                                            { encoding: "utf8", stdio: ["ignore", "pipe", "ignore"] }));
    const units = { mm2: "mm²", mm4: "mm⁴", uH: "µH", uJ: "µJ" };
    return Object.fromEntries(Object.entries(printed.design.texts).map(([name, text]) =>
        [name, text === null ? "—" : text.replace(/ (mm2|mm4|uH|uJ)$/, (whole, unit) => " " + units[unit])]));
}

// The user's work kept, in a context of its own (its storage starts empty): the user's cores
// in the browser's storage and in the desktop's library file, a stored library that cannot be
// read set aside, design files saved and opened, and the design's print.
async function userWork(browser, server, errors, tally) {
    const context = await browser.newContext({ viewport: { width: 1280, height: 860 }, acceptDownloads: true });
    const page = await context.newPage();
    page.on("pageerror", (error) => errors.push(error.message));
    const folder = fs.mkdtempSync(path.join(require("os").tmpdir(), "ferricalc-web-"));
    const listed = () => page.$$eval("#catalogList li", (items) => items.map((item) => item.textContent));
    const open = async (hash) => {
        await page.goto(server.url + "index.html" + hash);
        await page.waitForFunction(() => window.ferricalc && window.ferricalc.calculate);
    };
    const menu = async (id) => {
        await page.click("#libraryMenu summary");
        await page.click("#" + id);
    };
    const saveCore = async (name) => {
        await menu("saveCore");
        await page.fill("#coreName", name);
        await page.click("#coreNameOk");
    };
    const download = async (act) => {
        const [file] = await Promise.all([page.waitForEvent("download"), act()]);
        const saved = path.join(folder, file.suggestedFilename());
        await file.saveAs(saved);
        return saved;
    };
    // Chooses a file in a file input and waits for the line that tells what became of it.
    const choose = async (input, file, line) => {
        await page.evaluate((id) => { document.getElementById(id).textContent = ""; }, line);
        await page.setInputFiles(input, file);
        await page.waitForFunction((id) => document.getElementById(id).textContent !== "", line);
        return page.textContent("#" + line);
    };
    const stored = () => page.evaluate(() => Object.fromEntries(Object.keys(localStorage)
        .map((key) => [key, localStorage.getItem(key)])));
    const etd = core("etd");
    try {
        // Saved under a name, the fields are found after a reload in their own group, after 上次计算.
        await open("#etd");
        const mine = etd.catalogue[2].texts.map((text, i) => (i === 0 ? "41.5" : text));
        for (const [i, field] of etd.fields.entries())
            await page.fill("#" + field.id, mine[i]);
        await page.click("#Command1");
        await page.waitForFunction(() => document.getElementById("Label17").value !== "");
        await saveCore("我的 ETD");
        await open("#etd");
        await page.click("#catalogComboBox");
        const afterReload = await listed();
        await page.click("#catalogList li[data-kind=user]");
        const filled = await page.$$eval(".fields input", (inputs) => inputs.map((input) => input.value));
        tally.check(afterReload.slice(0, 4).join("|") === "自定义|上次计算|—— 自定义型号 ——|我的 ETD"
                    && filled.join(" ") === mine.join(" "), "a saved core after a reload: " + afterReload.slice(0, 4));

        // Renamed, deleted once confirmed; the same name again is asked before it replaces.
        await menu("renameCore");
        await page.fill("#coreName", "ETD 41.5");
        await page.click("#coreNameOk");
        await saveCore("ETD 41.5");
        const asked = await page.textContent("#coreNameRefusal");
        await page.click("#coreNameOk");
        await page.click("#catalogComboBox");
        const renamed = await listed();
        await page.keyboard.press("Escape");
        await menu("deleteCore");
        await page.click("#deleteCoreOk");
        await page.click("#catalogComboBox");
        const deleted = await listed();
        await page.keyboard.press("Escape");
        tally.check(renamed[3] === "ETD 41.5" && renamed[4] !== "ETD 41.5" && asked.startsWith("已有名为 ETD 41.5")
                    && !deleted.includes("ETD 41.5") && !deleted.includes("—— 自定义型号 ——"),
                    "renamed, replaced once asked, deleted: " + [renamed.slice(2, 5), asked]);

        // Exported as the desktop's library file, imported back; names that clash get a number;
        // the desktop's command line reads the exported file.
        await saveCore("甲");
        await page.fill("#" + etd.fields[0].id, "42");
        await saveCore("乙");
        const exported = await download(() => menu("exportCores"));
        const library = JSON.parse(fs.readFileSync(exported, "utf8"));
        fs.mkdirSync(path.join(folder, "data", "ferricalc"), { recursive: true });
        fs.copyFileSync(exported, path.join(folder, "data", "ferricalc", "cores.json"));
        const desktop = execFileSync(cli, ["--list-std"], { encoding: "utf8",
                                                            env: { ...process.env, XDG_DATA_HOME: path.join(folder, "data") } });
        await page.evaluate(() => localStorage.clear());
        const imported = await choose("#importCoresFile", exported, "libraryLine");
        const again = await choose("#importCoresFile", exported, "libraryLine");
        library.cores[0].fields.A = "43";
        fs.writeFileSync(exported, JSON.stringify(library));
        const clash = await choose("#importCoresFile", exported, "libraryLine");
        fs.writeFileSync(exported, JSON.stringify({ format: "another-program", cores: [] }));
        const foreign = await choose("#importCoresFile", exported, "libraryLine");
        const names = JSON.parse((await stored())["ferricalc.cores.v1"]).cores.map((c) => c.name);
        tally.check(library.format === "ferricalc-cores" && library.version === 1 && library.cores[1].fields.A === "42"
                    && /^甲 +etd +A=41.5 /m.test(desktop) && /^乙 +etd +A=42 /m.test(desktop)
                    && imported === "导入 2 个自定义型号。" && again === "导入 0 个自定义型号，2 个已有。"
                    && clash === "导入 1 个自定义型号，1 个因重名加了编号，1 个已有。"
                    && names.join("|") === "甲|乙|甲 (2)" && foreign === "无法导入：不是 ferricalc 的自定义型号文件。",
                    "export, the desktop, import: " + [imported, again, clash, foreign, names]);

        // A stored library this page cannot read is kept aside, told, and never written over.
        for (const [what, text, reason] of [["corrupt", "{\"format\": \"ferricalc-co", "不是完整的 JSON"],
                                            ["foreign", "[1, 2, 3]", "不是 ferricalc 的自定义型号文件"],
                                            ["later", '{"format": "ferricalc-cores", "version": 2, "cores": []}',
                                             "格式版本 2，本页只读版本 1"]]) {
            await page.evaluate((value) => { localStorage.clear(); localStorage.setItem("ferricalc.cores.v1", value); }, text);
            await open("#etd");
            await page.click("#catalogComboBox");
            const line = await page.textContent("#libraryLine");
            const keys = await stored();
            const aside = Object.keys(keys).find((key) => key.startsWith("ferricalc.cores.v1.bad-"));
            await page.keyboard.press("Escape");
            await saveCore("丙");
            const after = JSON.parse((await stored())["ferricalc.cores.v1"] || "{}");
            tally.check(line.includes("（" + reason + "）") && line.includes(aside) && keys[aside] === text
                        && after.cores && after.cores.length === 1, "a " + what + " stored library set aside: " + line);
        }

        // A design saved and opened again gives the same figures, and the command line's, its losses included.
        const figureIds = ["alFringing", "turnsResult", "inductanceResult", "peakFluxMax", "coreLoss", "temperatureRise"];
        const figures = () => page.evaluate((ids) => ids.map((id) => document.getElementById(id).value), figureIds);
        await page.click("#Command1");
        await page.waitForFunction(() => !document.getElementById("designButton").disabled);
        await page.click("#designButton");
        await page.waitForSelector("#designWindow");
        await page.selectOption("#material", String(data.materials.findIndex((m) => m.name === "N87")));
        for (const [id, text] of [["gap", "0.5"], ["inductance", "250"], ["current", "2"], ["ripple", "0.6"]])
            await page.fill("#" + id, text);
        await page.selectOption("#waveform", "1");
        await page.fill("#duty", "0.3");
        const before = await figures();
        const designFile = await download(() => page.click("#saveDesign"));
        const printed = JSON.parse(execFileSync(cli, ["--json", "--design", designFile], { encoding: "utf8" }));
        await open("");
        await page.setInputFiles("#openDesignFile", designFile);
        await page.waitForFunction(() => location.hash === "#etd/design");
        const reopened = await figures();
        const inputs = await page.evaluate(() => ["material", "inductance", "duty", "waveform"]
            .map((id) => document.getElementById(id).value).concat(document.getElementById("byInductance").checked));
        tally.check(before.every((f) => f !== "—") && JSON.stringify(reopened) === JSON.stringify(before)
                    && printed.design.texts.AL === before[0] && printed.design.texts.N === before[1]
                    && printed.design.texts.P_core === before[4] && printed.design.texts.dT === before[5]
                    && inputs.slice(1).join(" ") === "250 0.3 1 true",
                    "a design file opened again: " + reopened + " / " + printed.design.texts.AL);

        // A file of a later version with fields this page does not know opens what it can.
        const later = JSON.parse(fs.readFileSync(designFile, "utf8"));
        Object.assign(later, { version: 2, colour: "blue" });
        later.losses.shape = "toroid";
        fs.writeFileSync(designFile, JSON.stringify(later));
        await page.setInputFiles("#openDesignFile", designFile);
        await page.waitForFunction(() => document.getElementById("designFileLine").textContent.includes("忽略"));
        const ignored = await page.textContent("#designFileLine");
        fs.writeFileSync(designFile, "{}");
        const notOurs = await choose("#openDesignFile", designFile, "pageLine");
        tally.check(ignored.includes("格式版本 2") && ignored.includes("losses.shape") && ignored.includes("colour")
                    && JSON.stringify(await figures()) === JSON.stringify(before)
                    && notOurs.endsWith("不是 ferricalc 的设计文件。"), "a later design file: " + ignored + " / " + notOurs);

        // The design's last inputs are there after a reload.
        await open("#etd");
        await page.click("#Command1");
        await page.waitForFunction(() => !document.getElementById("designButton").disabled);
        await page.click("#designButton");
        await page.waitForSelector("#designWindow");
        tally.check(JSON.stringify(await figures()) === JSON.stringify(before), "the design's inputs remembered");

        // Printed, the design shows the report and none of its controls.
        await page.emulateMedia({ media: "print" });
        const print = await page.evaluate(() => {
            const shown = (selector) => [...document.querySelectorAll(selector)]
                .some((node) => node.getClientRects().length > 0);
            return [shown(".buttons"), shown("button"), shown("input[type=radio]"), shown(".banner"),
                    shown("#designReport"), document.getElementById("reportResults").textContent.includes("C1")];
        });
        await page.emulateMedia({ media: "screen" });
        tally.check(JSON.stringify(print) === "[false,false,false,false,true,true]", "the design printed: " + print);
    } catch (error) {
        tally.check(false, "the user's work stopped: " + error.stack);
    } finally {
        fs.rmSync(folder, { recursive: true, force: true });
        await context.close();
    }
}

// The page in English: every text of the selector, each calculator, a design with its losses and
// 磁芯选型 free of Chinese (only the switch's own 中文 is), a worked example by keyboard with the
// module's English failure and advice, the switch keeping what was typed and the browser
// remembering it, and the phone layout holding.
async function english(browser, server, errors, tally) {
    const context = await browser.newContext({ viewport: { width: 1280, height: 860 } });
    const page = await context.newPage();
    page.on("pageerror", (error) => errors.push(error.message));
    const ready = () => page.waitForFunction(() => window.ferricalc && window.ferricalc.calculate);
    // Every text a person reads (text, tooltips, placeholders, labels, values, the title) that holds Chinese.
    const chineseLeft = (where) => page.evaluate((view) => {
        const han = /[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]/;
        const found = [];
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
        for (let node = walker.currentNode; node; node = walker.nextNode()) {
            const element = node.nodeType === Node.TEXT_NODE ? node.parentElement : node;
            if (element.closest('[lang="zh-CN"], noscript, script'))
                continue;
            const texts = node.nodeType === Node.TEXT_NODE ? [node.nodeValue]
                : ["title", "placeholder", "aria-label", "alt", "value"].map((name) => node[name] ?? node.getAttribute(name));
            found.push(...texts.filter((text) => typeof text === "string" && han.test(text)));
        }
        if (han.test(document.title))
            found.push(document.title);
        return found.map((text) => view + ": " + text);
    }, where);
    const checkEnglish = async (where) => {
        const left = await chineseLeft(where);
        tally.check(left.length === 0, "Chinese left in the English page: " + left.slice(0, 5).join(" | "));
    };
    try {
        await page.goto(server.url + "index.html?lang=en");
        await ready();
        await checkEnglish("the selector");
        for (const each of data.cores) {
            await page.goto(server.url + "index.html?lang=en#" + each.name);
            await page.waitForSelector("#" + each.form);
            await checkEnglish(each.name);
        }

        // The ring by keyboard, then a field that is not a number and a C2 shown too coarse.
        await page.goto(server.url + "index.html?lang=en#ring");
        await page.waitForSelector("#Form2");
        await page.focus("#Text1");
        for (const text of ["10", "6", "4"]) {
            await page.keyboard.type(text);
            await page.keyboard.press("Enter");
        }
        for (let i = 0; i < 4; ++i)
            await page.keyboard.press("Enter");
        await page.waitForFunction(() => document.getElementById("Label17").value !== "");
        const ring = await shownResults(page, "ring");
        tally.check(ring.join(" ") === "3.07501 0.39281 24.07191mm 7.82824mm2 188.44062mm3"
                    && (await page.textContent("#Command1")) === "Calculate", "the ring by keyboard in English: " + ring);
        await page.fill("#Text1", "1O");
        await page.click("#Command1");
        const failure = await page.evaluate(() => [document.getElementById("messageLine").textContent,
                                                   ferricalc.calculate("ring", { A: "1O", B: "6", h: "4" }).error,
                                                   ferricalc.calculate("ring", { A: "1O", B: "6", h: "4" }).message]);
        tally.check(failure[0] !== "" && failure[0] === failure[1] && failure[0] === failure[2],
                    "a failure in English, as ferricalc.calculate gives it: " + JSON.stringify(failure));
        for (const [id, text] of [["Text1", "500"], ["Text2", "300"], ["Text3", "100"]])
            await page.fill("#" + id, text);
        await page.click("#Command1");
        await page.waitForFunction(() => !document.getElementById("advisoryLine").hidden);
        await checkEnglish("the ring's advice");

        // The design with its losses, and 磁芯选型 from it.
        await page.click("#designButton");
        await page.waitForSelector("#designWindow");
        for (const [id, text] of [["gap", "0.2"], ["turns", "3"], ["current", "40"], ["frequency", "100k"],
                                  ["wire", "0.5"], ["targetAl", "1"]])
            await page.fill("#" + id, text);
        await page.fill("#muI", "-1");
        await checkEnglish("the design");
        // There and back again while the design is shown: its own texts, and the calculator's behind it.
        await page.click("#languageZh");
        await page.click("#languageEn");
        await checkEnglish("the design switched to Chinese and back");
        tally.check((await page.inputValue("#gap")) === "0.2" && (await page.inputValue("#wire")) === "0.5",
                    "the switch keeps the design's boxes as typed");
        await page.fill("#muI", "2000");
        await page.click("#adviseButton");
        await page.waitForSelector("#adviceTable tbody tr");
        await checkEnglish("core selection");

        // 中文 and back: what was typed stays, the texts follow, and the browser remembers the choice.
        await page.goto(server.url + "index.html#ee");
        await page.waitForSelector("#Form6");
        await page.fill("#Text1", "25.5");
        await page.click("#languageZh");
        const chinese = await page.evaluate(() => [document.getElementById("Command1").textContent,
                                                   document.getElementById("Text1").value, location.search]);
        tally.check(JSON.stringify(chinese) === '["计算","25.5",""]', "中文 keeps what was typed: " + chinese);
        await page.goto(server.url + "index.html#ee");
        await page.waitForSelector("#Form6");
        tally.check((await page.textContent("#Command1")) === "计算", "中文 is remembered");
        await page.fill("#Text1", "26");
        await page.click("#languageEn");
        tally.check((await page.inputValue("#Text1")) === "26" && (await page.evaluate(() => ferricalc.language)) === "en",
                    "English keeps what was typed, and the scripting interface follows");
        await checkEnglish("the EE window switched to English");
        await page.goto(server.url + "index.html");
        await ready();
        tally.check((await page.textContent("#selectorPrompt")) === "Choose a core type:", "English is remembered");

        // A phone in English: nothing wider than the screen, nothing sticking out of its view's frame
        // (the table of 磁芯选型 scrolls in its own box).
        await page.setViewportSize({ width: 390, height: 844 });
        const outside = () => page.evaluate(() => {
            const frame = document.querySelector(".window");
            const right = frame ? frame.getBoundingClientRect().right : innerWidth;
            const out = [...document.querySelectorAll(".window *")].filter((element) =>
                !element.closest(".table-box, svg") && element.getBoundingClientRect().right > right + 0.5);
            return { width: document.documentElement.scrollWidth,
                     out: out.slice(0, 4).map((element) => element.id || element.className || element.tagName) };
        });
        for (const hash of ["", "#ee", "#ee/design", "#advise"]) {
            if (hash === "#ee/design") {
                for (const [letter, text] of [["Text1", "25"], ["Text2", "17.5"], ["Text3", "7.5"], ["Text4", "7.5"],
                                              ["Text5", "8.7"], ["Text6", "12.8"]])
                    await page.fill("#" + letter, text);
                await page.click("#Command1");
                await page.click("#designButton");
                await page.waitForSelector("#designWindow");
            } else {
                await page.goto(server.url + "index.html" + hash);
                await page.waitForTimeout(50);
            }
            const layout = await outside();
            tally.check(layout.width <= 390 && layout.out.length === 0,
                        "the English page on a phone at '" + hash + "': " + JSON.stringify(layout));
        }
    } finally {
        await context.close();
    }
}

(async () => {
    const server = await serve(site);
    const browser = await launchChromium();
    const tally = new Tally();
    const errors = [];
    const context = await browser.newContext({ viewport: { width: 1280, height: 860 } });
    await context.grantPermissions(["clipboard-read", "clipboard-write"], { origin: server.url.replace(/\/$/, "") });
    const page = await context.newPage();
    page.on("pageerror", (error) => errors.push(error.message));

    try {
        // The selector: the twelve options with their drawings.
        await page.goto(server.url + "index.html");
        await page.waitForFunction(() => window.ferricalc && window.ferricalc.calculate);
        const options = await page.$$eval(".option", (links) => links.map((link) => [link.id, link.textContent,
                                                                                     link.querySelector("img").naturalWidth]));
        tally.check(options.length === 12 && options.every(([id, , width], i) => id === "Option1_" + i && width > 0)
                    && options[0][1] === "环型", "the selector shows twelve options with drawings: " + JSON.stringify(options));

        // The ring by keyboard alone: Tab to its option, Enter, then the Enter chain.
        for (let i = 0; i < 10 && (await focusedId(page)) !== "Option1_0"; ++i)
            await page.keyboard.press("Tab");
        await page.keyboard.press("Enter");
        await page.waitForSelector("#Form2");
        tally.check(page.url().endsWith("#ring") && (await focusedId(page)) === "Text1", "Enter on 环型 opens #ring at A");
        for (const text of ["10", "6", "4"]) {
            await page.keyboard.type(text);
            await page.keyboard.press("Enter");
        }
        const r3 = await page.evaluate(() => [document.activeElement.id, document.activeElement.value,
                                              document.activeElement.selectionEnd]);
        tally.check(JSON.stringify(r3) === '["Text4","0",1]', "the chain keeps r3's 0, selected: " + r3);
        for (let i = 0; i < 3; ++i)
            await page.keyboard.press("Enter");
        tally.check((await focusedId(page)) === "Command1", "Enter in the last field goes to 计算");
        await page.keyboard.press("Enter");
        await page.waitForFunction(() => document.getElementById("Label17").value !== "");
        const ring = await shownResults(page, "ring");
        tally.check(ring.join(" ") === "3.07501 0.39281 24.07191mm 7.82824mm2 188.44062mm3", "ring by keyboard: " + ring);

        // Ctrl+C with nothing selected copies the fields and results as two rows.
        await page.keyboard.press("Control+C");
        const copied = await page.evaluate(() => navigator.clipboard.readText());
        tally.check(copied === "磁芯类型\tA\tB\th\tr3\ta\tb\tC1\tC2\tLe\tAe\tVe\n"
                               + "环型\t10\t6\t4\t0\t0\t0\t3.07501\t0.39281\t24.07191mm\t7.82824mm2\t188.44062mm3\n",
                    "Ctrl+C copies two tab-separated rows: " + JSON.stringify(copied));

        // Back returns to the selector, with the ring's option focused.
        await page.goBack();
        await page.waitForSelector("#Form1:not([hidden])");
        tally.check((await focusedId(page)) === "Option1_0" && !(await page.$("#Form2")), "Back returns to the selector");

        // One worked example per window, by clicks.
        for (const example of expected.workedExamples) {
            if (example.name === "LargeRing")
                continue;
            await page.click("#" + core(example.core).optionId);
            await page.waitForSelector("#" + core(example.core).form);
            for (const word of example.inputs.split(" ")) {
                const [letter, text] = word.split("=");
                const field = core(example.core).fields.find((f) => f.letter === letter);
                await page.click("#" + field.id);
                await page.fill("#" + field.id, text);
            }
            await page.click("#Command1");
            await page.waitForFunction((id) => document.getElementById(id).value !== "",
                                       core(example.core).results[4].id);
            const shown = await shownResults(page, example.core);
            tally.check(example.shown.split(" ").every((start, i) => shown[i].startsWith(start)),
                        `${example.core} by clicks: ${shown.join(" ")} instead of ${example.shown}`);
            await page.click("#Command2");
            await page.waitForSelector("#Form1:not([hidden])");
        }
        tally.check(page.url().endsWith("index.html"), "返回 comes back to index.html: " + page.url());

        // Failures: a field that is not a number is named and selected; bad arithmetic is explained.
        await page.goto(server.url + "index.html#ring");
        await page.fill("#Text1", "abc");
        await page.click("#Command1");
        const conversion = await page.evaluate(() => [document.getElementById("messageLine").textContent,
                                                      document.activeElement.id, document.activeElement.selectionStart,
                                                      document.activeElement.selectionEnd]);
        tally.check(JSON.stringify(conversion) === '["A 不是有效的数字","Text1",0,3]',
                    "a field that is not a number: " + conversion);
        for (const [id, text] of [["#Text1", "10"], ["#Text2", "10"], ["#Text3", "4"]])
            await page.fill(id, text);
        await page.click("#Command1");
        const geometry = await page.textContent("#messageLine");
        tally.check(geometry === "计算失败：除数为零，所给尺寸不构成有效的磁芯。", "A = B: " + geometry);
        await page.fill("#Text3", "1e308");
        await page.fill("#Text2", "6");
        await page.click("#Command1");
        const body = await page.textContent("body");
        tally.check(!/NaN|Infinity|inf/.test(body), "no NaN or Infinity on the page");

        // Advice in amber below the failure (in its place where it explains it), the unrounded
        // values as the results' tooltips, and 设计… enabled by a successful 计算 only.
        for (const [dimensions, succeeds, explains] of [[["500", "300", "100"], true, false],
                                                        [["1000", "600", "200"], false, true],
                                                        [["10", "10", "4"], false, false]]) {
            for (const [i, text] of dimensions.entries())
                await page.fill("#Text" + (i + 1), text);
            await page.click("#Command1");
            const shown = await page.evaluate(([fields, ids]) => {
                const line = (id) => {
                    const node = document.getElementById(id);
                    return node.hidden ? null : node.textContent;
                };
                const result = ferricalc.calculateTexts("ring", fields, ".");
                return {
                    message: line("messageLine"), advisory: line("advisoryLine"),
                    colour: getComputedStyle(document.getElementById("advisoryLine")).color,
                    tooltips: ids.slice(0, result.written).map((id) => document.getElementById(id).title),
                    stale: ids.map((id) => document.getElementById(id).classList.contains("stale")
                                           && document.getElementById(id).title === "上次计算的结果"),
                    written: result.written,
                    design: !document.getElementById("designButton").disabled,
                    expected: { message: result.message, advice: result.advice.join("\n"), unrounded: result.unrounded },
                };
            }, [[...dimensions, "0", "0", "0"], core("ring").results.map((result) => result.id)]);
            const advised = shown.advisory === shown.expected.advice && shown.expected.advice !== ""
                            && shown.colour === "rgb(160, 90, 0)";
            const told = shown.message === (succeeds || explains ? null : shown.expected.message);
            const tipped = shown.tooltips.every((tip, i) => tip === shown.expected.unrounded[i] && tip.startsWith("未舍入："));
            // What this 计算 did not write is shown stale; what it wrote is not.
            const stale = shown.stale.every((isStale, i) => isStale === (!succeeds && i >= shown.written));
            tally.check(advised && told && tipped && stale && shown.design === succeeds,
                        "ring " + dimensions.join("/") + ": " + JSON.stringify(shown));
        }

        // The magnetic design of the ETD worked example: 设计… opens it at its own address with the
        // figures ferricalc-cli gives for the same inputs.
        const etdInputs = "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3";
        await page.goto(server.url + "index.html#etd");
        for (const word of etdInputs.split(" ")) {
            const [letter, text] = word.split("=");
            await page.fill("#" + core("etd").fields.find((f) => f.letter === letter).id, text);
        }
        await page.click("#Command1");
        await page.click("#designButton");
        await page.waitForSelector("#designWindow");
        tally.check(page.url().endsWith("#etd/design") && (await focusedId(page)) === "material"
                    && (await page.textContent("#heading")).includes("A=34.2 B=25.6"), "设计… opens #etd/design");
        const n87 = String(await page.evaluate(() => FERRICALC_DATA.materials.findIndex((m) => m.name === "N87")));
        await page.selectOption("#material", n87);
        await page.fill("#gap", "0.5");
        await page.fill("#turns", "20");
        await page.fill("#current", "2");
        await page.fill("#targetAl", "250");
        const FIGURES = { amin: "Amin", windowArea: "Aw", areaProduct: "Ap", mass: "mass", muEFringing: "mu_e",
                          alFringing: "AL", alNoFringing: "AL_nofringing", alIdeal: "AL_ideal",
                          residualGap: "residual_gap", inductanceResult: "L", turnsResult: "N",
                          peakFlux: "B", targetGap: "gap_for_target_al", saturationCurrent: "I_sat", energy: "energy" };
        const printed = commandLineDesign("etd", etdInputs, ["--material", "N87", "--gap", "0.5", "--turns", "20",
                                                             "--current", "2", "--target-al", "250"]);
        const figures = await texts(page, Object.keys(FIGURES));
        tally.check(Object.values(FIGURES).every((name, i) => figures[i] === printed[name]),
                    "the design's figures: " + figures.join(" | ") + " against " + JSON.stringify(printed));
        const onAmin = await page.textContent("#peakFluxAmin");
        tally.check(onAmin === printed.B_Amin + "（Bsat 的 " + printed.B_Amin_of_Bsat + "）", "B̂ on Amin: " + onAmin);
        const plot = await page.evaluate(() => ({
            fringing: document.querySelector("#alGapPlot path.fringing").getAttribute("d").length,
            plain: document.querySelector("#alGapPlot path.plain").getAttribute("d").length,
            working: document.querySelectorAll("#alGapPlot circle.working").length,
            labels: [...document.querySelectorAll("#alGapPlot text")].map((t) => t.textContent).join(" "),
        }));
        tally.check(plot.fringing > 100 && plot.plain > 100 && plot.working === 1 && plot.labels.includes("0.01 0.1 1 3")
                    && plot.labels.includes("lg 0.500 mm"), "the plot: " + JSON.stringify(plot));

        // The winding by inductance, and a current that saturates the core.
        await page.fill("#inductance", "100");
        await page.fill("#current", "10");
        const byInductance = commandLineDesign("etd", etdInputs, ["--material", "N87", "--gap", "0.5", "--inductance",
                                                                  "100", "--current", "10"]);
        const winding = await page.evaluate(() => [document.getElementById("byInductance").checked,
                                                   document.getElementById("turnsResult").textContent,
                                                   document.getElementById("peakFluxAmin").dataset.level,
                                                   getComputedStyle(document.getElementById("saturationNote")).color,
                                                   document.getElementById("saturationNote").textContent]);
        tally.check(winding[0] && winding[1] === byInductance.N && winding[2] === "warning"
                    && winding[3] === "rgb(192, 0, 0)" && winding[4].startsWith("已饱和"), "by inductance: " + winding);

        // 用作气隙 puts the gap for the target AL into lg.
        await page.fill("#targetAl", "250");
        const targetGap = await page.textContent("#targetGap");
        await page.click("#useTargetGap");
        tally.check(targetGap === printed.gap_for_target_al
                    && (await page.inputValue("#gap")) + " mm" === targetGap, "用作气隙: " + targetGap);

        // A refused input: the reason beside it, "—" for the figures, and its last good text once left.
        const goodGap = await page.inputValue("#gap");
        await page.fill("#gap", "-1");
        const refused = await texts(page, ["gapRefusal", "alFringing", "peakFluxAmin"]);
        const blankPlot = await page.evaluate(() => document.querySelectorAll("#alGapPlot path.fringing").length);
        tally.check(JSON.stringify(refused) === '["气隙不能为负","—","—"]' && blankPlot === 0
                    && !/NaN|Infinity/.test(await page.textContent("body")), "a negative gap is refused: " + refused);
        await page.keyboard.press("Tab");
        tally.check((await page.inputValue("#gap")) === goodGap && (await page.textContent("#gapRefusal")) === ""
                    && (await focusedId(page)) === "gapPlace", "leaving the gap returns its last good text");

        // The core bounds the gap: no longer than the window beside the post (ETD 34: 23.6 mm), and a
        // target AL only a longer gap would reach is not found, so 用作气隙 stays off.
        await page.fill("#gap", "23.7");
        const beyond = await texts(page, ["gapRefusal", "alFringing"]);
        tally.check(JSON.stringify(beyond) === '["不能超过窗口高度 23.600 mm","—"]', "a gap beyond the window: " + beyond);
        await page.fill("#gap", goodGap);
        await page.fill("#targetAl", "1");
        const unreachable = [await page.textContent("#targetGap"), await page.isDisabled("#useTargetGap")];
        tally.check(unreachable[0].startsWith("任何气隙都达不到（最长气隙 23.600 mm 时 AL 为 ") && unreachable[1],
                    "a target AL beyond the longest gap: " + unreachable);
        await page.fill("#targetAl", "250");

        // A refused µi leaves the material; one the design takes makes it 自定义.
        await page.fill("#muI", "0.5");
        const kept = await page.inputValue("#material");
        await page.fill("#muI", "3000");
        tally.check(kept === n87 && (await page.inputValue("#material")) === "-1", "µi edited: 自定义");
        await page.selectOption("#material", n87);
        tally.check((await page.inputValue("#muI")) === "2200", "N87 fills µi again");

        // Back returns to the calculator as it was, Forward to the design as it was; 返回 goes back too.
        await page.goBack();
        await page.waitForSelector("#" + core("etd").form);
        const calculator = await page.evaluate((c1) => [location.hash, document.getElementById("Text1").value,
                                                  document.getElementById(c1).value, document.activeElement.id],
                                          core("etd").results[0].id);
        tally.check(JSON.stringify(calculator) === '["#etd","34.2","0.76839","designButton"]',
                    "Back to the calculator: " + calculator);
        await page.goForward();
        await page.waitForSelector("#designWindow");
        tally.check((await page.inputValue("#gap")) === goodGap, "the design keeps its inputs");
        await page.click("#designReturn");
        await page.waitForSelector("#" + core("etd").form);
        tally.check(page.url().endsWith("#etd"), "返回 in the design returns to the calculator: " + page.url());

        // A failed 计算 leaves the results stale, never copied; the design then says the core no longer calculates.
        await page.fill("#Text1", "");
        await page.click("#Command1");
        await page.keyboard.press("Control+C");
        const staleCopy = (await page.evaluate(() => navigator.clipboard.readText())).split("\n")[1].split("\t");
        const staleC1 = await page.evaluate((id) => [document.getElementById(id).value,
                                                     getComputedStyle(document.getElementById(id)).color],
                                            core("etd").results[0].id);
        tally.check(staleC1[0] === "0.76839" && staleC1[1] === "rgb(138, 138, 138)"
                    && staleCopy.slice(-5).every((cell) => cell === ""), "stale results: " + staleC1 + " " + staleCopy);
        await page.goForward();
        await page.waitForSelector("#designWindow");
        const failedDesign = await texts(page, ["status", "le", "alFringing"]);
        tally.check(JSON.stringify(failedDesign) === '["磁芯尺寸无法计算：A 为空","—","—"]',
                    "the design after a failed 计算: " + failedDesign);
        await page.goBack();
        await page.waitForSelector("#" + core("etd").form);

        // A ring: B̂max at the inner radius decides, past Bsat where B̂ on Ae is at 87 %; its gap is
        // bounded by the inner circumference.
        await page.goto(server.url + "index.html#ring");
        for (const [id, text] of [["Text1", "10"], ["Text2", "6"], ["Text3", "4"]])
            await page.fill("#" + id, text);
        await page.click("#Command1");
        await page.click("#designButton");
        await page.waitForSelector("#designWindow");
        // The design starts from the last one's inputs (the etd's above): the gap is set too.
        for (const [id, text] of [["muI", "2000"], ["bsat", "300"], ["gap", "0"], ["turns", "10"], ["current", "0.25"]])
            await page.fill("#" + id, text);
        const ringLevels = await page.evaluate(() => ["peakFlux", "peakFluxMax"].map((id) => document.getElementById(id).dataset.level)
            .concat(getComputedStyle(document.getElementById("saturationNote")).color,
                    document.getElementById("saturationNote").textContent));
        tally.check(JSON.stringify(ringLevels.slice(0, 3)) === '["advisory","warning","rgb(192, 0, 0)"]'
                    && ringLevels[3].startsWith("已饱和"), "B̂max decides on a ring: " + ringLevels);
        await page.fill("#gap", "20");
        tally.check((await page.textContent("#gapRefusal")) === "不能超过内圆周长 18.850 mm",
                    "a ring's gap beyond its inner circumference: " + (await page.textContent("#gapRefusal")));

        // A design opened by its address before any 计算 shows the calculator.
        const fresh = await context.newPage();
        fresh.on("pageerror", (error) => errors.push(error.message));
        await fresh.goto(server.url + "index.html#ring/design");
        await fresh.waitForSelector("#Form2");
        tally.check(fresh.url().endsWith("index.html#ring") && !(await fresh.$("#designWindow")),
                    "#ring/design with nothing calculated opens the ring's calculator: " + fresh.url());
        await fresh.close();

        // A catalogue core: typing part of a name narrows the list, Enter takes it.
        await page.goto(server.url + "index.html#etd");
        await page.click("#catalogComboBox");
        await page.keyboard.type("34");
        const listed = await page.$$eval("#catalogList li", (items) => items.map((item) => item.textContent));
        tally.check(listed.length === 2 && listed.every((name) => name.includes("34")), "34 leaves the ETD 34 sets: " + listed);
        await page.keyboard.press("Enter");
        const chosenName = await page.inputValue("#catalogComboBox");
        const standard = core("etd").catalogue.find((entry) => entry.name === chosenName);
        const filled = await page.evaluate((ids) => ids.map((id) => document.getElementById(id).value),
                                           core("etd").fields.map((field) => field.id));
        tally.check(standard && filled.join(" ") === standard.texts.join(" "), "the fields take " + chosenName);
        await page.click("#Command1");
        const sheet = expected.catalogue.find((entry) => entry.core === "etd" && entry.name === chosenName).sheet;
        const line = (key) => Object.entries(sheet).map(([q, s]) => q + NBSP + s[key] + NBSP
                                                              + (key === "deviation" ? "%" : { Le: "mm", Ae: "mm²", Ve: "mm³" }[q]));
        const reference = await page.evaluate(() => document.getElementById("catalogReference").textContent);
        tally.check(reference === "数据手册: " + line("figureText").join("  ") + "\n偏差: " + line("deviation").join("  "),
                    "the reference line and deviations: " + JSON.stringify(reference));
        await page.fill("#Text1", "35");
        tally.check((await page.inputValue("#catalogComboBox")) === "自定义"
                    && (await page.textContent("#catalogReference")) === "", "an edit returns to 自定义");

        // A catalogue core its maker publishes AL for: the design draws the published points of the
        // chosen material (five gaps and the ungapped set), and RM's calculator figures in brackets.
        await page.goto(server.url + "index.html#rm");
        await page.click("#catalogComboBox");
        await page.keyboard.type("RM 8/I (Ferroxcube)");
        await page.keyboard.press("Enter");
        await page.click("#Command1");
        await page.click("#designButton");
        await page.waitForSelector("#designWindow");
        const c3c90 = String(await page.evaluate(() => FERRICALC_DATA.materials.findIndex((m) => m.name === "3C90")));
        await page.selectOption("#material", c3c90);
        await page.fill("#gap", "0.2");
        const rmPlot = await page.evaluate(() => ({
            points: document.querySelectorAll("#publishedPoints path.published").length,
            tip: document.querySelector("#publishedPoints title").textContent,
            legend: document.getElementById("alGapPlot").textContent.includes("公布值 3C90"),
            le: document.getElementById("le").value,
            note: !document.getElementById("calculatorNote").hidden,
        }));
        tally.check(rmPlot.points === 6 && rmPlot.tip.startsWith("厂家公布值\n3C90") && rmPlot.legend
                    && /^\d+\.\d\d mm（\d+\.\d\d）$/.test(rmPlot.le) && rmPlot.note,
                    "RM 8/I's published points and calculator figures: " + JSON.stringify(rmPlot));
        // 磁芯选型 from that design: 选型… opens #advise with its requirement; the feasible come first;
        // Enter on a row opens its core's calculator, calculated, and 设计… shows the row's design.
        await page.selectOption("#material", n87);
        for (const [id, text] of [["inductance", "100"], ["current", "2.3"], ["ripple", "0.6"], ["frequency", "100k"]])
            await page.fill("#" + id, text);
        await page.click("#adviseButton");
        await page.waitForSelector("#adviceTable tbody tr");
        const advised = await page.evaluate(() => ({
            url: location.hash, requirement: ["inductance", "current", "ripple", "frequency"].map(
                (id) => document.getElementById(id).value),
            materials: [...document.querySelectorAll("#materials input:checked")].map((check) => check.value),
            first: [...document.querySelector("#adviceTable tbody tr").cells].map((cell) => cell.textContent),
            firstMiss: document.querySelector("#adviceTable tbody tr").classList.contains("miss"),
            summary: document.getElementById("adviseSummary").textContent,
            best: document.querySelectorAll("#advicePlot circle.best").length,
        }));
        tally.check(advised.url === "#advise" && advised.requirement.join(" ") === "100 2.3 0.6 100k"
                    && advised.materials.join() === "N87" && !advised.firstMiss && advised.first[12] === ""
                    && /^可行 \d+ \/ 440（按体积排序）$/.test(advised.summary) && advised.best > 0,
                    "选型… opens #advise, filled: " + JSON.stringify(advised));
        await page.click("#adviceTable th:nth-child(10) button");  // ΔT
        const rises = await page.$$eval("#adviceTable tbody tr:not(.miss)", (rows) => rows.map((row) => Number(row.cells[9].textContent)));
        tally.check(rises.length > 1 && rises.every((rise, i) => i === 0 || rises[i - 1] <= rise),
                    "a header sorts the feasible by ΔT: " + rises.slice(0, 5));
        await page.focus("#adviceTable tbody tr");
        await page.keyboard.press("ArrowDown");
        const row = await page.evaluate(() => [...document.activeElement.cells].map((cell) => cell.textContent));
        await page.keyboard.press("Enter");
        await page.waitForFunction(() => !document.getElementById("designButton").disabled);
        const family = data.cores.find((c) => c.catalogue.some((standard) => standard.name === row[0])).name;
        const opened = await page.evaluate(() => [location.hash, document.getElementById("catalogComboBox").value,
                                                  document.activeElement.id]);
        tally.check(JSON.stringify(opened) === JSON.stringify(["#" + family, row[0], "designButton"]),
                    "Enter on a row opens its calculator, calculated: " + opened + " for " + row);
        await page.click("#designButton");
        await page.waitForSelector("#designWindow");
        const rowDesign = await page.evaluate(() => ["gap", "turns", "wire", "current", "ripple", "frequency"].map(
            (id) => document.getElementById(id).value).concat(["coreLoss", "copperLoss", "temperatureRise"].map(
            (id) => document.getElementById(id).value)));
        tally.check(rowDesign.slice(0, 6).join(" ") === [row[2], row[3], row[4], "2.3", "0.6", "100k"].join(" ")
                    && rowDesign[6].startsWith(row[7] + " ") && rowDesign[7].startsWith(row[8] + " ")
                    && rowDesign[8].startsWith(row[9] + " "),
                    "the row's design, its figures the row's: " + rowDesign + " for " + row);
        await page.goBack();
        await page.goBack();
        await page.waitForSelector("#adviceTable");

        await page.goto(server.url + "index.html#etd");
        await page.waitForSelector("#" + core("etd").form);

        // Tooltips give each letter's meaning.
        const titles = await page.evaluate(() => [document.getElementById("Text1").title,
                                                  document.getElementById("Label1").title]);
        tally.check(titles[0] === core("etd").fields[0].meaning && titles[1] === titles[0], "tooltips: " + titles);

        // Offline once loaded: another window, its drawing and its Calculate need no network.
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        await context.setOffline(true);
        await page.evaluate(() => { location.hash = "#pot"; });
        await page.waitForSelector("#" + core("pot").form);
        await page.fill("#Text1", "18");
        await page.click("#Command1");
        const offline = await page.evaluate(() => [document.getElementById("Picture1").complete
                                                   && document.getElementById("Picture1").naturalWidth > 0,
                                                   document.getElementById("messageLine").textContent]);
        tally.check(offline[0] && offline[1] === "B 为空", "offline: " + offline);
        // And a reload, offline, opens it again.
        await page.reload();
        await page.waitForFunction(() => window.ferricalc && window.ferricalc.calculate, null, { timeout: 10000 });
        await page.fill("#Text1", "18");
        await page.click("#Command1");
        tally.check((await page.textContent("#messageLine")) === "B 为空", "a reload offline");
        await context.setOffline(false);

        // A phone: the drawing above the fields, nothing wider than the screen.
        const phone = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true });
        const phonePage = await phone.newPage();
        phonePage.on("pageerror", (error) => errors.push(error.message));
        await phonePage.goto(server.url + "index.html#ee");
        await phonePage.waitForSelector("#Form6");
        const layout = await phonePage.evaluate(() => ({
            drawingBottom: document.getElementById("Picture1").getBoundingClientRect().bottom,
            fieldTop: document.getElementById("Text1").getBoundingClientRect().top,
            width: document.documentElement.scrollWidth,
        }));
        tally.check(layout.drawingBottom <= layout.fieldTop && layout.width <= 390, "phone layout: " + JSON.stringify(layout));
        for (const [letter, text] of [["Text1", "25"], ["Text2", "17.5"], ["Text3", "7.5"], ["Text4", "7.5"],
                                      ["Text5", "8.7"], ["Text6", "12.8"]])
            await phonePage.fill("#" + letter, text);
        await phonePage.click("#Command1");
        await phonePage.click("#designButton");
        await phonePage.waitForSelector("#designWindow");
        const stacked = await phonePage.evaluate(() => ({
            width: document.documentElement.scrollWidth,
            figuresBelowInputs: document.querySelector(".design .figures").getBoundingClientRect().top
                                >= document.querySelector(".design .inputs").getBoundingClientRect().bottom,
            plotBelowFigures: document.getElementById("alGapPlot").getBoundingClientRect().top
                              >= document.querySelector(".design .figures").getBoundingClientRect().bottom,
        }));
        tally.check(stacked.width <= 390 && stacked.figuresBelowInputs && stacked.plotBelowFigures,
                    "the design on a phone: " + JSON.stringify(stacked));
        await phone.close();

        await userWork(browser, server, errors, tally);
        await english(browser, server, errors, tally);

        // Opened from a file:// address, the page takes the module from a script.
        const local = await context.newPage();
        local.on("pageerror", (error) => errors.push(error.message));
        await local.goto("file://" + path.resolve(site, "index.html") + "#ring");
        await local.fill("#Text1", "10");
        await local.fill("#Text2", "6");
        await local.fill("#Text3", "4");
        await local.click("#Command1");
        await local.waitForFunction(() => document.getElementById("Label5").value !== "", null, { timeout: 10000 });
        tally.check((await local.evaluate(() => document.getElementById("Label5").value)) === "3.07501",
                    "the page works from a file:// address");
    } catch (error) {
        tally.check(false, "the run stopped: " + error.stack);
    } finally {
        tally.check(errors.length === 0, "no script errors: " + errors.join("; "));
        await browser.close();
        await server.close();
        tally.finish();
    }
})();
