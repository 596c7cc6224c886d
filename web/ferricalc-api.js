// The WebAssembly module behind a plain interface, for the page, for scripts in
// the page (window.ferricalc) and for Node.js:
//
//   ferricalc.calculate("ring", {A: "10", B: "6", h: "4"})
//   → {core: "ring", fields: {A: "10", B: "6", h: "4", r3: "0", a: "0", b: "0"},
//      texts: {C1: "3.07501", …, Ve: "188.44062mm3"}, values: {C1: 3.07501, …},
//      error: null, message: null}
//
// the object that `ferricalc-cli --json ring A=10 B=6 h=4` prints, with the
// window's message and advice beside the command line's English error;
//
//   ferricalc.design("etd", {A: "34.2", …}, {material: "N87", gap: "0.5", turns: "20"})
//   → {material: "N87", mu_i: 2200, gap: 0.5, gap_in: "centre", texts: {Amin: "91.61 mm2", …},
//      values: {…}, saturation: null, error: null}
//
// the "design" object of `ferricalc-cli --json etd … --material N87 --gap 0.5 --turns 20`;
//
//   ferricalc.advise({inductance: 100, current: 2.3, ripple: 0.6, frequency: "100k", material: "N87"})
//   → [{rank: 1, core: "E 13/6/6.15", family: "ee", material: "N87", gap_mm: 0.74, N: 44, …, verdict: null}, …]
//
// the rows of `ferricalc-cli --advise --json` with the same options.
//
// The window's messages, advice and verdicts come in Chinese unless the API is
// made with {language: "en"} or told ferricalc.setLanguage("en"); the command
// line's English ones (error, the JSON's verdicts) stay English.
(function (root) {
    "use strict";

    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    const QUANTITIES = ["C1", "C2", "Le", "Ae", "Ve"];
    const ARITHMETIC_ERRORS = [null, "division by zero", "logarithm", "square root", "overflow"];
    const SATURATION = ["unknown", "clear", "advisory", "warning"];  // the module's levels, as the command line names them

    const LANGUAGES = ["zh", "en"];

    function createApi(module, data, options = {}) {
        // The module keeps one language for every message; each API sets it to its own.
        function setLanguage(language) {
            const english = LANGUAGES.indexOf(language);
            if (english < 0)
                throw new Error("no language '" + language + "' (the languages: " + LANGUAGES.join(" ") + ")");
            module._ferricalc_set_language(english);
        }
        setLanguage(options.language || "zh");
        const english = () => module._ferricalc_language();

        const coresByName = new Map();
        data.cores.forEach((core, position) => coresByName.set(core.name, { core, index: optionIndex(core, position) }));

        function optionIndex(core, position) {
            const match = /^Option1_(\d+)$/.exec(core.optionId || "");
            return match ? Number(match[1]) : position;
        }

        // Calls `call(pointer, size)` with the texts laid out as the module reads a request.
        function withRequest(texts, call) {
            const parts = texts.map((text) => (typeof text === "string" ? encoder.encode(text) : text));
            const size = parts.reduce((total, part) => total + 4 + part.length, 0);
            const pointer = module._ferricalc_allocate(size);
            try {
                let at = pointer;
                for (const part of parts) {
                    const heap = module.HEAPU8;
                    heap[at] = part.length & 0xff;
                    heap[at + 1] = (part.length >>> 8) & 0xff;
                    heap[at + 2] = (part.length >>> 16) & 0xff;
                    heap[at + 3] = (part.length >>> 24) & 0xff;
                    heap.set(part, at + 4);
                    at += 4 + part.length;
                }
                return call(pointer, size);
            } finally {
                module._ferricalc_release(pointer);
            }
        }

        function replyText(pointer) {
            const length = module._ferricalc_text_length();
            return decoder.decode(module.HEAPU8.subarray(pointer, pointer + length));
        }

        function descriptor(name) {
            const entry = coresByName.get(String(name).toLowerCase());
            if (!entry)
                throw new Error("unknown core '" + name + "'");
            return entry;
        }

        // One Calculate from the fields' texts (strings or UTF-8 bytes) in chain order.
        function calculateTexts(name, texts, separator = ".") {
            const { core, index } = descriptor(name);
            if (texts.length !== core.fields.length)
                throw new Error(core.name + " has " + core.fields.length + " fields");
            const written = withRequest([separator, ...texts], (pointer, size) =>
                module._ferricalc_calculate(index, pointer, size));
            if (written < 0)
                throw new Error("the module cannot calculate " + core.name);
            const result = { written, texts: [], values: [] };
            for (let i = 0; i < written; ++i) {
                result.texts.push(replyText(module._ferricalc_result_text(i)));
                result.values.push(module._ferricalc_result_value(i));
            }
            result.stage = module._ferricalc_failure_stage();
            result.field = module._ferricalc_failure_field();
            result.arithmetic = ARITHMETIC_ERRORS[module._ferricalc_failure_error()] || null;
            const failed = result.stage !== 0;
            result.message = failed ? replyText(module._ferricalc_failure_message(0)) : "";
            result.error = failed ? replyText(module._ferricalc_failure_message(1)) : "";
            // What the results do not say by themselves: on the dimensions, then on the display.
            result.advice = [0, 1].map((which) => replyText(module._ferricalc_advice(which, 0))).filter(Boolean);
            result.adviceEnglish = [0, 1].map((which) => replyText(module._ferricalc_advice(which, 1))).filter(Boolean);
            result.adviceExplainsFailure = module._ferricalc_advice_explains_failure() !== 0;
            result.unrounded = QUANTITIES.map((q, i) => replyText(module._ferricalc_unrounded(i, english())));
            return result;
        }

        // The core's texts for the letters given, the start texts elsewhere.
        function fieldTexts(core, fields) {
            const letters = core.fields.map((field) => field.letter);
            for (const letter of Object.keys(fields))
                if (!letters.includes(letter))
                    throw new Error("no field '" + letter + "' in " + core.name + " (its fields: " + letters.join(" ") + ")");
            return core.fields.map((field) =>
                Object.prototype.hasOwnProperty.call(fields, field.letter) ? String(fields[field.letter]) : field.start);
        }

        function calculate(name, fields = {}) {
            const { core } = descriptor(name);
            const texts = fieldTexts(core, fields);
            const result = calculateTexts(core.name, texts);
            const byQuantity = (list) => Object.fromEntries(QUANTITIES.map((q, i) => [q, i < list.length ? list[i] : null]));
            return {
                core: core.name,
                fields: Object.fromEntries(core.fields.map((field, i) => [field.letter, texts[i]])),
                texts: byQuantity(result.texts),
                values: byQuantity(result.values),
                error: result.error || null,
                message: result.message || null,
                advice: result.advice,
            };
        }

        // ---- The magnetic design ----

        const numberOrNull = (value) => (Number.isNaN(value) ? null : value);
        const absent = (value) => (value === null || value === undefined ? NaN : value);

        // The design's value of a DesignQuantity named as the command line names it, or null.
        const designFigure = (quantity) => numberOrNull(module._ferricalc_design_figure(data.designQuantities[quantity]));

        // A design figure's text: "ascii" as the command line writes it ("91.61 mm2"), "display" as a
        // window shows it ("91.61 mm²"), "value" without a unit.
        const TEXT_STYLES = { ascii: 0, display: 1, value: 2 };
        function designText(quantity, value, style = "ascii", separator = ".") {
            return withRequest([separator], (pointer, size) =>
                replyText(module._ferricalc_design_text(data.designQuantities[quantity], value, TEXT_STYLES[style],
                                                        pointer, size)));
        }

        // One input field of the design view ("mu_i", "gap" …): its value, or null with the reason
        // it is refused ("气隙不能为负", "不能超过窗口高度 24.200 mm"); an empty text gives null and no
        // reason. A gap is held to `limits.gap`, the core's longest gap, when given; `limits.ring`
        // names it as a ring's inner circumference.
        function readDesignInput(kind, text, separator = ".", limits = {}) {
            const gapLimit = limits.gap === undefined || limits.gap === null ? NaN : limits.gap;
            const value = withRequest([separator, text], (pointer, size) =>
                module._ferricalc_design_read(data.designInputs[kind].kind, gapLimit, limits.ring ? 1 : 0, pointer, size));
            const error = module._ferricalc_design_read_error();
            return { value: numberOrNull(value), reason: error ? replyText(module._ferricalc_design_read_message()) : "" };
        }

        // The question a density (kg/m³) below 100 raises: it looks like g/cm³; "" for a plausible one.
        const densityQuestion = (density) => replyText(module._ferricalc_design_density_question(density));

        // The set of a core's field texts as the design sees it: whether it forms (else why not, as
        // the design view says it), whether it is a ring, and the longest gap it holds in mm.
        function designCore(name, texts, separator = ".") {
            const { index } = descriptor(name);
            const formed = withRequest([separator, ...texts], (pointer, size) =>
                module._ferricalc_design_core(index, pointer, size));
            return { formed: formed === 0, error: formed > 0 ? replyText(module._ferricalc_design_core_message(english())) : "",
                     ring: formed === 0 && module._ferricalc_design_outer_legs() === 0,
                     longestGap: numberOrNull(module._ferricalc_design_longest_gap()) };
        }

        // Everything the design view shows for a calculated core's field texts
        // and the inputs as numbers ({muI, bsat, density, gap, allLegs, turns,
        // inductance, current, targetAl}; null or absent leaves one out): the
        // figures as a window writes them, keyed by the command line's names.
        function designView(name, texts, inputs, separator = ".") {
            const { index } = descriptor(name);
            const formed = withRequest([separator, ...texts], (pointer, size) =>
                module._ferricalc_design_core(index, pointer, size));
            const view = { formed: formed === 0, outerLegs: module._ferricalc_design_outer_legs(),
                           longestGap: numberOrNull(module._ferricalc_design_longest_gap()), figures: {}, values: {},
                           error: "" };
            if (formed !== 0) {
                view.error = formed < 0 ? "" : replyText(module._ferricalc_design_core_message(english()));
                return view;
            }
            const error = module._ferricalc_design(inputs.muI, absent(inputs.bsat), absent(inputs.density), inputs.gap,
                                                   inputs.allLegs ? 1 : 0, absent(inputs.turns),
                                                   absent(inputs.inductance), absent(inputs.current),
                                                   absent(inputs.targetAl));
            if (error !== 0) {
                view.error = replyText(module._ferricalc_design_message(error, english()));
                return view;
            }
            for (const quantity of Object.keys(data.designQuantities)) {
                const value = designFigure(quantity);
                view.values[quantity] = value;
                view.figures[quantity] = value === null ? null : designText(quantity, value, "display", separator);
            }
            view.saturation = module._ferricalc_design_level(0);
            view.saturationAmin = module._ferricalc_design_level(1);
            view.saturationMax = module._ferricalc_design_level(2);
            view.target = module._ferricalc_design_target();
            const line = (which) => withRequest([separator], (pointer, size) =>
                replyText(module._ferricalc_design_line(which, pointer, size)));
            view.peakFluxAmin = line(0);
            view.saturationNote = line(1);
            view.targetGap = line(2);
            view.peakFluxMax = line(3);
            view.windingNote = line(4);
            // The calculator window's Le, Ae, Ve where the design's path differs from them (RM); else null.
            const calculator = ["Le", "Ae", "Ve"].map((quantity, i) => {
                const value = numberOrNull(module._ferricalc_design_calculator_figure(i));
                return value === null ? null : designText(quantity, value, "value", separator);
            });
            view.calculator = calculator[0] === null ? null : { Le: calculator[0], Ae: calculator[1], Ve: calculator[2] };
            return view;
        }

        // The makers' published AL of a standard core's set (its catalogue name) for the plot:
        // {forMaterial, points: [{gap, al, material}]}, the material's points where the maker
        // publishes them, else the set's gapped points in every material; no points for none.
        function publishedAl(standard, material) {
            const found = withRequest([standard || "", material || ""], (pointer, size) =>
                module._ferricalc_published_al(pointer, size));
            const points = [];
            for (let i = 0; i < module._ferricalc_published_count(); ++i)
                points.push({ gap: module._ferricalc_published_point(i, 0), al: module._ferricalc_published_point(i, 1),
                              material: replyText(module._ferricalc_published_material(i)) });
            return { forMaterial: found === 1, points };
        }

        // AL in nH of the set of the last designView at each gap, with the fringe field or without.
        function alCurve(gaps, muI, allLegs, fringing) {
            return gaps.map((gap) => numberOrNull(module._ferricalc_design_al(muI, gap, allLegs ? 1 : 0, fringing ? 1 : 0)));
        }

        // The "design" object of ferricalc-cli --json for the fields and the
        // design's inputs, named as a batch's columns (material, mu_i, bsat,
        // gap, gap_in, turns, inductance, current, target_al); null when the
        // core does not calculate (calculate() says why). Inputs the command
        // line would refuse throw an Error with its reason.
        function design(name, fields = {}, inputs = {}) {
            const { core, index } = descriptor(name);
            const texts = fieldTexts(core, fields);
            for (const key of Object.keys(inputs))
                if (!data.designOptions.includes(key))
                    throw new Error("no design input '" + key + "' (the inputs: " + data.designOptions.join(" ") + ")");
            const options = data.designOptions.map((key) =>
                (inputs[key] === undefined || inputs[key] === null ? "" : String(inputs[key])));
            if (options.every((text) => text === ""))
                throw new Error("the design needs mu_i or material");
            const status = withRequest([...texts, ...options], (pointer, size) =>
                module._ferricalc_design_request(index, pointer, size));
            if (status < 0)
                throw new Error("the module cannot design " + core.name);
            if (status === 2)
                throw new Error(replyText(module._ferricalc_design_problem()));
            if (status === 1)
                return null;
            const material = replyText(module._ferricalc_design_material());
            const reported = data.reportedFigures.map((figure, i) => numberOrNull(module._ferricalc_design_reported(i)));
            const quantityName = Object.fromEntries(Object.entries(data.designQuantities).map(([key, q]) => [q, key]));
            const problem = replyText(module._ferricalc_design_problem());
            const result = {
                material: material || null,
                mu_i: module._ferricalc_design_input(0),
                gap: module._ferricalc_design_input(1),
                gap_in: data.gapPlaces[module._ferricalc_design_input(2)],
            };
            const figureTexts = Object.fromEntries(data.reportedFigures.map((figure, i) => [figure.column, reported[i] === null
                ? null : designText(quantityName[figure.quantity], reported[i])]));
            const values = Object.fromEntries(data.reportedFigures.map((figure, i) => [figure.column, reported[i]]));
            // With a loss input given: the loss inputs, their figures beside the design's, the advice.
            const losses = data.designOptions.slice(data.designOptions.indexOf("frequency")).some((key) =>
                options[data.designOptions.indexOf(key)] !== "");
            if (losses) {
                const input = (which) => numberOrNull(module._ferricalc_design_loss_input(which));
                Object.assign(result, { frequency: input(0), waveform: data.waveforms[input(1)], duty: input(2),
                                        ripple: input(3), b_ac: input(4), temperature: input(5), wire: input(6),
                                        strands: input(7) });
                data.reportedLossFigures.forEach((name, i) => {
                    const value = numberOrNull(module._ferricalc_design_loss_reported(i));
                    figureTexts[name] = value === null ? null : lossText(name, value);
                    values[name] = value;
                });
            }
            Object.assign(result, { texts: figureTexts, values, saturation: SATURATION[module._ferricalc_design_level(2)] || null });
            if (losses) {
                result.loss_advice = replyText(module._ferricalc_design_loss_line(0)) || null;
                result.loss_unavailable = replyText(module._ferricalc_design_loss_line(1)) || null;
            }
            result.error = problem || null;
            return result;
        }

        // ---- Losses and temperature rise ----

        // A loss figure's text ("1.78 kW/m3"; "display": "1.78 kW/m³").
        function lossText(quantity, value, style = "ascii", separator = ".") {
            return withRequest([separator], (pointer, size) =>
                replyText(module._ferricalc_loss_text(data.lossQuantities[quantity], value, style === "display" ? 1 : 0,
                                                      pointer, size)));
        }

        // One loss field ("frequency", "duty", "ripple", "b_ac", "temperature", "wire", "strands"):
        // its value, or null with the reason it is refused ("" for an empty field).
        function readLossInput(kind, text, separator = ".") {
            const value = withRequest([separator, text], (pointer, size) =>
                module._ferricalc_loss_read(data.lossInputs[kind].kind, pointer, size));
            const reason = Number.isNaN(value) && String(text).trim() !== ""
                ? replyText(module._ferricalc_loss_read_message()) : "";
            return { value: numberOrNull(value), reason };
        }

        // The losses of the last designView with the material's index in `materials` (-1 for 自定义)
        // and the inputs {frequency, triangle, duty, ripple, b_ac, temperature, wire, strands} (null
        // for one not given): each figure's display text (null where absent), its value, the advice
        // and why there is no core loss, in the API's language.
        function lossView(material, inputs, separator = ".") {
            const error = module._ferricalc_losses(material, absent(inputs.frequency), inputs.triangle ? 1 : 0,
                                                   inputs.duty, absent(inputs.ripple), absent(inputs.b_ac),
                                                   inputs.temperature, absent(inputs.wire), inputs.strands);
            const view = { error, figures: {}, values: {}, advice: "", unavailable: "" };
            if (error !== 0)
                return view;
            for (const quantity of Object.keys(data.lossQuantities)) {
                const value = numberOrNull(module._ferricalc_loss_figure(data.lossQuantities[quantity]));
                view.values[quantity] = value;
                view.figures[quantity] = value === null ? null : lossText(quantity, value, "display", separator);
            }
            view.advice = replyText(module._ferricalc_loss_line(0));
            view.unavailable = replyText(module._ferricalc_loss_line(1));
            return view;
        }

        // Pv in kW/m³ of the material (its index) at each B̂ (mT), as its data sheet's curve; null where none.
        function lossCurve(material, frequency, fluxes, temperature, triangle = false, duty = 0.5) {
            return fluxes.map((flux) => numberOrNull(
                module._ferricalc_loss_density(material, frequency, flux, triangle ? 1 : 0, duty, temperature)));
        }

        // ---- 选型: which core ----

        // The columns of a row of advice: the command line's, then the mass.
        const ADVICE_COLUMNS = ["core", "family", "material", "gap_mm", "N", "wire_mm", "B_mT", "B_share_pct",
                                "P_core_W", "P_cu_W", "dT_K", "Ve_mm3", "mass_g"];
        const RANKINGS = ["volume", "loss", "mass"];

        // Every standard core of `families` (the command line's names) designed with each of
        // `materials` (names) for the requirement ({inductance µH, current Î A, ripple A, frequency
        // Hz, duty, temperature °C, maxRise K, maxShare %, maxFill %, strands}) and ranked
        // ("volume", "loss", "mass"), in the adviser's order: the feasible first. Each row: its
        // cells as the command line writes them (ADVICE_COLUMNS), their values (null where none),
        // whether it is feasible, its total loss and its verdict in the API's language and in English ("" when
        // feasible). Null when the requirement is out of range or a name unknown.
        function adviceRows(requirement, families, materials, ranking = "volume") {
            const r = requirement;
            const count = withRequest([...families, ...materials], (pointer, size) =>
                module._ferricalc_advise(pointer, size, Math.max(0, RANKINGS.indexOf(ranking)), r.inductance, r.current,
                                         r.ripple || 0, r.frequency, r.duty === undefined ? 0.5 : r.duty,
                                         r.temperature === undefined ? 100 : r.temperature,
                                         r.maxRise === undefined ? 40 : r.maxRise,
                                         r.maxShare === undefined ? 80 : r.maxShare,
                                         r.maxFill === undefined ? 50 : r.maxFill, r.strands || 1));
            if (count < 0)
                return null;
            const rows = [];
            for (let row = 0; row < count; ++row) {
                const cells = ADVICE_COLUMNS.map((column, i) => replyText(module._ferricalc_advice_cell(row, i)));
                rows.push({
                    cells,
                    values: ADVICE_COLUMNS.map((column, i) => numberOrNull(module._ferricalc_advice_value(row, i))),
                    feasible: module._ferricalc_advice_value(row, -1) === 1,
                    totalLoss: module._ferricalc_advice_value(row, -2),
                    verdict: replyText(module._ferricalc_advice_cell(row, ADVICE_COLUMNS.length)),
                    verdictEnglish: replyText(module._ferricalc_advice_cell(row, ADVICE_COLUMNS.length + 1)),
                });
            }
            return rows;
        }

        // The rows of `ferricalc-cli --advise --json` for its options, named as its options are
        // (inductance, current, ripple, frequency, duty, temperature, strands, material, family,
        // max_dt, max_b_share, fill, rank, top, all); a list may be an array or a text with
        // commas. Options the command line would refuse throw an Error with its reason.
        function advise(options = {}) {
            const KNOWN = ["inductance", "current", "ripple", "frequency", "duty", "temperature", "strands", "material",
                           "family", "max_dt", "max_b_share", "fill", "rank", "top", "all"];
            for (const key of Object.keys(options))
                if (!KNOWN.includes(key))
                    throw new Error("no advise option '" + key + "' (the options: " + KNOWN.join(" ") + ")");
            const given = (key) => options[key] !== undefined && options[key] !== null && String(options[key]) !== "";
            for (const needed of ["inductance", "current", "frequency"])
                if (!given(needed))
                    throw new Error("advise needs " + needed);
            const read = (key, reader, kind, fallback) => {
                if (!given(key))
                    return fallback;
                const reading = reader(kind, String(options[key]));
                if (reading.value === null)
                    throw new Error(key + " '" + options[key] + "': " + (reading.reason || "not a number"));
                return reading.value;
            };
            const requirement = {
                inductance: read("inductance", readDesignInput, "inductance"),
                current: read("current", readDesignInput, "current"),
                ripple: read("ripple", readLossInput, "ripple", 0),
                frequency: read("frequency", readLossInput, "frequency"),
                duty: read("duty", readLossInput, "duty", 0.5),
                temperature: read("temperature", readLossInput, "temperature", 100),
                strands: read("strands", readLossInput, "strands", 1),
            };
            if (requirement.ripple > 2 * requirement.current)
                throw new Error("ripple '" + options.ripple + "': more than twice the peak current");
            const limit = (key, fallback, high, range) => {
                if (!given(key))
                    return fallback;
                const value = parse(String(options[key]));
                if (value === null || !(value > 0 && value <= high) || (key === "top" && !Number.isInteger(value)))
                    throw new Error(key + " '" + options[key] + "': " + range);
                return value;
            };
            requirement.maxRise = limit("max_dt", 40, 1000, "a rise in K above 0 and at most 1000");
            requirement.maxShare = limit("max_b_share", 80, 100, "a share of Bsat in % above 0 and at most 100");
            requirement.maxFill = limit("fill", 50, 100, "a share of the window in % above 0 and at most 100");
            const top = limit("top", 10, 1e9, "a whole number of rows, 1 or more");
            const rank = given("rank") ? String(options.rank) : "volume";
            if (!RANKINGS.includes(rank))
                throw new Error("rank '" + rank + "': rank by 'volume', 'loss' or 'mass'");
            const list = (key) => (!given(key) ? [] : Array.isArray(options[key]) ? options[key].map(String)
                                                                                 : String(options[key]).split(","));
            const families = list("family").map((name) => descriptor(name).core.name);
            const materials = list("material").map((name) => {
                const material = data.materials.find((m) => m.name.toLowerCase() === name.toLowerCase());
                if (!material)
                    throw new Error("material '" + name + "': no such material");
                if (!material.lossFit || material.bsat100 === null)
                    throw new Error("material '" + name + "': no loss fit or Bsat to design with");
                return material.name;
            });
            const rows = adviceRows(requirement, families.length > 0 ? families : data.cores.map((core) => core.name),
                                    materials.length > 0 ? materials
                                        : data.materials.filter((m) => m.lossFit && m.bsat100 !== null).map((m) => m.name),
                                    rank);
            // As the command line: the feasible up to top, with all every row, with none feasible the closest misses.
            const feasible = rows.filter((row) => row.feasible).length;
            const shown = options.all ? rows.length : Math.min(rows.length, feasible > 0 ? feasible : 10, top);
            return rows.slice(0, shown).map((row, i) => {
                const result = { rank: row.feasible ? i + 1 : null };
                ADVICE_COLUMNS.slice(0, 12).forEach((column, c) => {
                    result[column] = c < 3 ? row.cells[c] : row.cells[c] === "-" ? null : Number(row.cells[c]);
                });
                result.verdict = row.verdictEnglish || null;
                return result;
            });
        }

        // A field's text as a number, or null when it does not convert.
        function parse(text, separator = ".") {
            const value = withRequest([separator, text], (pointer, size) => module._ferricalc_parse(pointer, size));
            return Number.isNaN(value) ? null : value;
        }

        // `value` in a display format ({decimals, integerDigitAlways, suffix}).
        function format(value, displayFormat, separator = ".") {
            return withRequest([separator, displayFormat.suffix || ""], (pointer, size) =>
                replyText(module._ferricalc_format(value, displayFormat.decimals,
                                                   displayFormat.integerDigitAlways ? 1 : 0, pointer, size)));
        }

        // How far `computed` lies from a published figure, in percent, as the reference line writes it.
        function deviation(computed, published, separator = ".") {
            return withRequest([separator], (pointer, size) =>
                replyText(module._ferricalc_deviation(computed, published, pointer, size)));
        }

        function figure(value, separator = ".") {
            return withRequest([separator], (pointer, size) => replyText(module._ferricalc_figure(value, pointer, size)));
        }

        return {
            get language() { return LANGUAGES[english()]; },
            setLanguage,
            version: data.version,
            cores: data.cores.map((core) => core.name),
            core: (name) => descriptor(name).core,
            calculate,
            calculateTexts,
            design,
            designView,
            designCore,
            alCurve,
            publishedAl,
            readDesignInput,
            densityQuestion,
            designInputs: data.designInputs,
            designText,
            lossView,
            lossCurve,
            lossText,
            readLossInput,
            lossInputs: data.lossInputs,
            advise,
            adviceRows,
            waveforms: data.waveforms,
            materials: data.materials,
            parse,
            format,
            deviation,
            figure,
        };
    }

    const exported = { createApi, QUANTITIES, LANGUAGES };
    if (typeof module !== "undefined" && module.exports)
        module.exports = exported;
    else
        root.FerricalcApi = exported;
})(typeof self !== "undefined" ? self : globalThis);
