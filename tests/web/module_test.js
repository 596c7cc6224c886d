// The WebAssembly module under Node.js against what the native build gives
// (tests/web/web_expectations.cpp): every core's worked examples, the
// conversion and display-format tables, the catalogue's cores with their
// deviations, generated dimension sets, the fuzz corpora, each with its advice
// and unrounded values; the design view's figures for the catalogue and
// generated sets, and its reading of the input fields; and the scripting
// interface (calculate, design and advise) against ferricalc-cli --json, and
// its messages in Chinese by default and in English once set.
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

// Two figures the same but for the last bits of a double: the unrounded
// constants of the cores that take a logarithm or an angle differ by an ulp or
// two between glibc's libm and emscripten's (more, relatively, where a constant
// is a small difference of large terms), while every displayed text agrees.
const LAST_BITS = 1e-9;
const nearly = (a, b) => Object.is(a, b) || Math.abs(a - b) <= LAST_BITS * Math.max(Math.abs(a), Math.abs(b));

// An unrounded value's text ("未舍入：13.560755872015529 mm⁻¹") against the native one.
function sameUnrounded(given, wanted, separator) {
    if (given === wanted)
        return true;
    const parts = (text) => /^(\S+：)(\S+) (\S+)$/.exec(text) || [];
    const [, label, number, unit] = parts(given);
    const [, wantedLabel, wantedNumber, wantedUnit] = parts(wanted);
    const value = (text) => Number(String(text).split(separator).join("."));
    return label !== undefined && label === wantedLabel && unit === wantedUnit
           && nearly(value(number), value(wantedNumber));
}

// The advice and unrounded values a calculation gives against what the native build writes.
function sameAdvice(result, c, separator = ".") {
    const pick = (lines, dimensions) => lines.find((line) => /^(尺寸可疑|implausible)/.test(line) === dimensions) || "";
    const advice = [pick(result.advice, true), pick(result.advice, false), pick(result.adviceEnglish, true),
                    pick(result.adviceEnglish, false)];
    return JSON.stringify(advice) === JSON.stringify(c.advice) && result.adviceExplainsFailure === c.explains
           && result.unrounded.every((text, i) => sameUnrounded(text, c.unrounded[i], separator));
}

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
        tally.check(sameAdvice(result, c), `${c.core} ${c.name}: advice ${JSON.stringify(result)} instead of `
                                           + JSON.stringify(c));
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
                    && result.field === c.field && result.message === c.message && result.error === c.error
                    && sameAdvice(result, c, Buffer.from(bytes(c.separator)).toString("utf8")),
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

    // The design view: every figure as the native design writes it, and the plot's AL.
    const CASES = [{ muI: 2200, bsat: 390, gap: 0.5, allLegs: false, turns: 20, current: 2, targetAl: 250 },
                   { muI: 6000, bsat: 380, density: 4800, gap: 0, allLegs: true, inductance: 1000, current: 0.3,
                     targetAl: 1e5 },
                   { muI: 1.5, gap: 2.5, allLegs: true, turns: 1, current: 50 },
                   { muI: 1e5, bsat: 390, gap: 0, allLegs: false, turns: 1e15, current: 1e300, targetAl: 0.1 },
                   { muI: 2200, gap: 0.1, allLegs: false, inductance: 0.001, current: 1, targetAl: 0.1 }];
    const SHOWN = ["Le", "Ae", "Ve", "Amin", "Aw", "Ap", "mass", "mu_e", "mu_e_nofringing", "AL_ungapped", "AL_ideal",
                   "residual_gap", "AL",
                   "AL_nofringing", "N", "L", "B", "B_max", "B_max_of_Bsat", "I_sat", "energy"];
    for (const c of expected.designs) {
        const inputs = CASES[c.case];
        const view = api.designView(c.core, c.fields, inputs);
        let given;
        let wanted;
        if (c.error !== undefined) {
            given = view.error;
            wanted = c.error;
        } else {
            const figures = Object.fromEntries(SHOWN.filter((q) => view.figures[q] !== null).map((q) => [q, view.figures[q]]));
            const curve = [true, false].flatMap((fringing) => api.alCurve([0.01, 0.1, 1, 3], inputs.muI, inputs.allLegs,
                                                                          fringing));
            given = JSON.stringify([figures, view.saturation, view.saturationAmin, view.saturationMax, view.target,
                                    [view.peakFluxAmin, view.saturationNote, view.targetGap, view.peakFluxMax,
                                     view.windingNote], view.outerLegs]);
            wanted = JSON.stringify([c.figures, c.saturation, c.saturationAmin, c.saturationMax, c.target, c.lines,
                                     c.outerLegs]);
            if (!nearly(view.longestGap, c.longestGap))
                given += " longest gap " + view.longestGap + " for " + c.longestGap;
            if (!curve.every((al, i) => nearly(al, c.curve[i])))
                given += " " + JSON.stringify(curve) + " for " + JSON.stringify(c.curve);
        }
        tally.check(given === wanted, `design of ${c.core} [${c.fields.join(" ")}] case ${c.case}: ${given} instead of ${wanted}`);
    }
    // The plot's published AL: the chosen material's where the maker gives it, else the set's
    // gapped figures in every material; none for a core without published figures.
    const rm8 = "RM 8/I (Ferroxcube)";
    const published = [[rm8, "3C90", true, 6, "3C90"], [rm8, "N87", false, 31, "3C81 3C90 3C94 3D3 3F3 3F4 3H3"],
                       ["RM 8/ILP", "3C90", false, 0, ""]];
    for (const [standard, material, forMaterial, count, materials] of published) {
        const found = api.publishedAl(standard, material);
        const named = [...new Set(found.points.map((point) => point.material))].sort().join(" ");
        tally.check(found.forMaterial === forMaterial && found.points.length === count && named === materials
                    && found.points.every((point) => point.al > 0 && (forMaterial || point.gap > 0)),
                    `published AL of ${standard} in ${material}: ${JSON.stringify(found)}`);
    }
    // RM's design path beside the calculator's figures, which keep the window's definition.
    const rmTexts = api.core("rm").catalogue.find((standard) => standard.name === rm8).texts;
    const rmView = api.designView("rm", rmTexts, { muI: 2300, gap: 0.2 });
    const rmWindow = api.calculateTexts("rm", rmTexts);
    tally.check(rmView.calculator !== null && Math.abs(api.parse(rmView.calculator.Le) / rmWindow.values[2] - 1) < 1e-3
                && api.parse(rmView.figures.Le) !== api.parse(rmView.calculator.Le),
                `RM 8/I's calculator figures beside the design's: ${JSON.stringify(rmView.calculator)}`);
    for (const c of expected.designReads) {
        const reading = api.readDesignInput(c.kind, c.text, c.separator, { gap: c.gapLimit, ring: c.ring });
        tally.check(reading.value === c.value && reading.reason === c.reason,
                    `reading ${c.kind} "${c.text}": ${JSON.stringify(reading)} instead of ${JSON.stringify(c)}`);
    }

    // ferricalc.calculate gives what ferricalc-cli --json prints, and the window's message beside it.
    const requests = [...expected.workedExamples, { core: "ring", inputs: "A=10 B=10 h=4" },
                      { core: "ring", inputs: "A=x" }, { core: "ee", inputs: "A=25 B=17.5 C=7.5" }];
    for (const request of requests) {
        const words = request.inputs.split(" ");
        const printed = JSON.parse(commandLine(["--json", request.core, ...words]));
        const fields = Object.fromEntries(words.map((word) => word.split("=")));
        const given = api.calculate(request.core, fields);
        const { message, advice, ...asPrinted } = given;
        tally.check(JSON.stringify(asPrinted) === JSON.stringify(printed) && (message === null) === (given.error === null),
                    `ferricalc.calculate("${request.core}", ${JSON.stringify(fields)}) gave ${JSON.stringify(given)}, `
                    + `the command line ${JSON.stringify(printed)}`);
    }
    // ferricalc.design gives the "design" object of ferricalc-cli --json for the same inputs.
    const etd = "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3";
    const designRequests = [
        { core: "etd", inputs: etd, design: { material: "N87", gap: "0.5", turns: "20", current: "2" } },
        { core: "etd", inputs: etd, design: { material: "n 87", gap: "0.2", gap_in: "all", target_al: "1e5" } },
        { core: "ring", inputs: "A=10 B=6 h=4", design: { mu_i: "2000", bsat: "300", inductance: "100", current: "0.5",
                                                          target_al: "500" } },
        { core: "pot", inputs: "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13", design: { mu_i: "2000" } },
        { core: "ring", inputs: "A=10 B=10 h=4", design: { mu_i: "2000" } },
        // The losses: every figure from the ripple, B_ac alone with its advice, a material with no loss fit.
        { core: "etd", inputs: etd, design: { material: "N87", gap: "0.5", turns: "20", current: "2", frequency: "100k",
                                              waveform: "triangle", ripple: "1", wire: "0.5", strands: "2" } },
        { core: "ring", inputs: "A=10 B=6 h=4", design: { material: "N87", frequency: "5M", b_ac: "5",
                                                          temperature: "25" } },
        { core: "ring", inputs: "A=10 B=6 h=4", design: { material: "T37", frequency: "100k", b_ac: "50" } },
    ];
    for (const request of designRequests) {
        const words = request.inputs.split(" ");
        const options = Object.entries(request.design).map(([key, text]) => "--" + key.replace("_", "-") + "=" + text);
        const printed = JSON.parse(commandLine(["--json", request.core, ...words, ...options])).design;
        const given = api.design(request.core, Object.fromEntries(words.map((word) => word.split("="))), request.design);
        // The texts alike; an unrounded loss figure may differ in its last bit, where pow() of the two C
        // libraries rounds differently.
        const close = (a, b) => a === b || (typeof a === "number" && typeof b === "number"
                                            && Math.abs(a - b) <= 1e-12 * Math.abs(b));
        const sameValues = given !== null && printed !== null
            ? Object.keys(printed.values).every((key) => close(given.values[key], printed.values[key])) : true;
        const withoutValues = (design) => JSON.stringify(design, (key, value) => (key === "values" ? null : value));
        tally.check(withoutValues(given) === withoutValues(printed) && sameValues,
                    `ferricalc.design("${request.core}", …, ${JSON.stringify(request.design)}) gave `
                    + `${JSON.stringify(given)}, the command line ${JSON.stringify(printed)}`);
    }

    // ferricalc.advise gives the rows of ferricalc-cli --advise --json, the misses with their verdicts too.
    const advice = { inductance: "100", current: "2.3", ripple: "0.6", frequency: "100k", material: "N87,N97",
                     family: "ee,etd,ring", max_dt: "30" };
    const printedAdvice = JSON.parse(commandLine(["--advise", "--json", "--all", ...Object.entries(advice).map(
        ([key, text]) => "--" + key.replace(/_/g, "-") + "=" + text)]));
    const givenAdvice = api.advise({ ...advice, all: true });
    tally.check(printedAdvice.length > 100 && printedAdvice[0].rank === 1
                && printedAdvice.some((row) => row.verdict !== null)
                && JSON.stringify(givenAdvice) === JSON.stringify(printedAdvice),
                `ferricalc.advise(${JSON.stringify(advice)}) gave ${JSON.stringify(givenAdvice.slice(0, 3))}…, `
                + `the command line ${JSON.stringify(printedAdvice.slice(0, 3))}…`);

    const refusals = [[() => api.calculate("toroid", {}), "unknown core"], [() => api.calculate("ring", { Z: "1" }), "no field"],
                      [() => api.design("ring", {}, { mu_i: "2000", gap: "-1" }), "gap '-1': the gap must not be negative"],
                      [() => api.design("ring", {}, { material: "N99" }), "material 'N99': no such material"],
                      [() => api.design("ring", {}, { turns: "10" }), "turns needs mu_i or material"],
                      [() => api.design("ring", {}, { material: "N87", frequency: "0" }),
                       "frequency '0': the frequency must be above 0"],
                      [() => api.design("ring", {}, { mu_i: "2000", Gap: "1" }), "no design input 'Gap'"],
                      [() => api.advise({ inductance: "100", current: "1", ripple: "3", frequency: "100k" }),
                       "more than twice the peak current"],
                      [() => api.setLanguage("fr"), "no language 'fr'"]];
    for (const [bad, reason] of refusals) {
        let message = "";
        try {
            bad();
        } catch (error) {
            message = error.message;
        }
        tally.check(message.includes(reason), `refused with "${reason}": "${message}"`);
    }

    // Every message the page shows, in the language set: Chinese by default, English once set.
    const ring = ["10", "6", "4", "0", "0", "0"];
    const ringView = (inputs) => api.designView("ring", ring, { muI: 2000, gap: 0, ...inputs });
    const messages = [["a field that is not a number", () => api.calculate("ring", { A: "x" }).message],
                      ["implausible dimensions", () => api.calculate("ring", { A: "10", B: "10", h: "4" }).advice[0]],
                      ["an unrounded value", () => api.calculateTexts("ring", ring).unrounded[0]],
                      ["a gap refused", () => api.readDesignInput("gap", "-1").reason],
                      ["a density like g/cm³", () => api.densityQuestion(4.8)],
                      ["a frequency refused", () => api.readLossInput("frequency", "0").reason],
                      ["B̂ on Amin with its share of Bsat", () => ringView({ bsat: 300, turns: 100, current: 1 }).peakFluxAmin],
                      ["a saturated core", () => ringView({ bsat: 300, turns: 100, current: 5 }).saturationNote],
                      ["no gap reaches the wanted AL", () => ringView({ targetAl: 1e6 }).targetGap],
                      ["a core that does not form", () => api.designView("ring", ["10", "10", "4", "0", "0", "0"], {}).error]];
    const han = /[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]/;
    for (const language of ["zh", "en"]) {
        if (language === "en")
            api.setLanguage("en");
        for (const [what, says] of messages) {
            const text = says();
            tally.check(api.language === language && text !== "" && han.test(text) === (language === "zh"),
                        `${what} in ${language}: "${text}"`);
        }
    }
    tally.check(api.calculate("ring", { A: "x" }).message === api.calculate("ring", { A: "x" }).error,
                "in English the window's message is the command line's");
    api.setLanguage("zh");
    tally.finish();
})().catch((error) => {
    console.error(error);
    process.exitCode = 1;
});
