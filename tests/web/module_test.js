// The WebAssembly module under Node.js against what the native build gives
// (tests/web/web_expectations.cpp): every core's worked examples, the
// conversion and display-format tables, the catalogue's cores with their
// deviations, generated dimension sets, the fuzz corpora; and the scripting
// interface against ferricalc-cli --json.
//   node module_test.js SITE EXPECTATIONS.json FERRICALC-CLI
"use strict";

const { execFileSync } = require("child_process");
const fs = require("fs");
const { loadFerricalc, Tally } = require("./site.js");

const [site, expectationsFile, cli] = process.argv.slice(2);
const expected = JSON.parse(fs.readFileSync(expectationsFile, "utf8"));
const bytes = (hex) => Uint8Array.from(hex.match(/../g) || [], (pair) => parseInt(pair, 16));
const show = (hex) => JSON.stringify(Buffer.from(bytes(hex)).toString("latin1"));
const same = (a, b) => a.length === b.length && a.every((x, i) => Object.is(x, b[i]));

// What the command line prints, whatever its exit status.
function commandLine(args) {
    try {
        return execFileSync(cli, args, { encoding: "utf8", stdio: ["ignore", "pipe", "ignore"] });
    } catch (error) {
        return error.stdout;
    }
}

// The failure in the short form of the tables (tests/core_cases.hpp).
const CODES = { "division by zero": "/0", logarithm: "ln", "square root": "sqrt", overflow: "overflow" };
function failureCode(api, name, result) {
    if (result.stage === 0)
        return "";
    if (result.stage === 1)
        return api.core(name).fields[result.field].letter;
    return (result.stage === 3 ? "derive " : "") + (CODES[result.arithmetic] || "?");
}

// "A=10 B=6" over the core's start texts.
function fieldTexts(api, name, inputs) {
    const core = api.core(name);
    const texts = core.fields.map((field) => field.start);
    for (const word of inputs.split(" ").filter(Boolean)) {
        const equals = word.indexOf("=");
        const at = core.fields.findIndex((field) => field.letter === word.slice(0, equals));
        if (at < 0)
            throw new Error("no field " + word + " in " + name);
        texts[at] = word.slice(equals + 1);
    }
    return texts;
}

(async () => {
    const api = await loadFerricalc(site);
    const tally = new Tally();

    for (const c of expected.coreCases) {
        const result = api.calculateTexts(c.core, fieldTexts(api, c.core, c.inputs));
        const code = failureCode(api, c.core, result);
        tally.check(result.texts.join(" ") === c.shown && code === c.failure,
                    `${c.core} ${c.name}: "${result.texts.join(" ")}" ${code} instead of "${c.shown}" ${c.failure}`);
    }
    for (const c of expected.workedExamples) {
        const result = api.calculateTexts(c.core, fieldTexts(api, c.core, c.inputs));
        const starts = c.shown.split(" ");
        tally.check(result.written === 5 && starts.every((start, i) => result.texts[i].startsWith(start)),
                    `${c.core} ${c.name}: "${result.texts.join(" ")}" does not begin "${c.shown}"`);
    }
    for (const c of [...expected.parseCases, ...expected.parses]) {
        const value = api.parse(bytes(c.text), bytes(c.separator));
        tally.check(Object.is(value, c.expected), `reading ${show(c.text)}: ${value} instead of ${c.expected}`);
    }
    for (const c of [...expected.formatCases, ...expected.formats]) {
        const text = api.format(c.value, c, bytes(c.separator));
        tally.check(text === c.expected, `formatting ${c.value}: "${text}" instead of "${c.expected}"`);
    }
    for (const c of expected.calculations) {
        const result = api.calculateTexts(c.core, c.fields.map(bytes), bytes(c.separator));
        tally.check(same(result.texts, c.texts) && same(result.values, c.values) && result.stage === c.stage
                    && result.field === c.field && result.message === c.message && result.error === c.error,
                    `${c.core} ${c.label} [${c.fields.map(show).join(" ")}]: ${JSON.stringify(result)}`
                    + ` instead of ${JSON.stringify(c)}`);
    }
    for (const c of expected.catalogue) {
        for (const [quantity, sheet] of Object.entries(c.sheet)) {
            const figure = api.figure(sheet.figure);
            const deviation = api.deviation(sheet.value, sheet.figure);
            tally.check(figure === sheet.figureText && deviation === sheet.deviation,
                        `${c.core} ${c.name} ${quantity}: ${figure} ${deviation} instead of ${sheet.figureText} `
                        + sheet.deviation);
        }
    }

    // ferricalc.calculate gives what ferricalc-cli --json prints, and the window's message beside it.
    const requests = [...expected.workedExamples, { core: "ring", inputs: "A=10 B=10 h=4" },
                      { core: "ring", inputs: "A=x" }, { core: "ee", inputs: "A=25 B=17.5 C=7.5" }];
    for (const request of requests) {
        const words = request.inputs.split(" ");
        const printed = JSON.parse(commandLine(["--json", request.core, ...words]));
        const fields = Object.fromEntries(words.map((word) => word.split("=")));
        const given = api.calculate(request.core, fields);
        const { message, ...asPrinted } = given;
        tally.check(JSON.stringify(asPrinted) === JSON.stringify(printed) && (message === null) === (given.error === null),
                    `ferricalc.calculate("${request.core}", ${JSON.stringify(fields)}) gave ${JSON.stringify(given)}, `
                    + `the command line ${JSON.stringify(printed)}`);
    }
    let refused = 0;
    for (const bad of [() => api.calculate("toroid", {}), () => api.calculate("ring", { Z: "1" })]) {
        try {
            bad();
        } catch (error) {
            ++refused;
        }
    }
    tally.check(refused === 2, "an unknown core or letter is refused with an error");
    tally.finish();
})().catch((error) => {
    console.error(error);
    process.exitCode = 1;
});
