// The WebAssembly module behind a plain interface, for the page, for scripts in
// the page (window.ferricalc) and for Node.js:
//
//   ferricalc.calculate("ring", {A: "10", B: "6", h: "4"})
//   → {core: "ring", fields: {A: "10", B: "6", h: "4", r3: "0", a: "0", b: "0"},
//      texts: {C1: "3.07501", …, Ve: "188.44062mm3"}, values: {C1: 3.07501, …},
//      error: null, message: null}
//
// the object that `ferricalc-cli --json ring A=10 B=6 h=4` prints, with the
// window's Chinese message beside the command line's English error.
(function (root) {
    "use strict";

    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    const QUANTITIES = ["C1", "C2", "Le", "Ae", "Ve"];
    const ARITHMETIC_ERRORS = [null, "division by zero", "logarithm", "square root", "overflow"];

    function createApi(module, data) {
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
            return result;
        }

        function calculate(name, fields = {}) {
            const { core } = descriptor(name);
            const letters = core.fields.map((field) => field.letter);
            for (const letter of Object.keys(fields))
                if (!letters.includes(letter))
                    throw new Error("no field '" + letter + "' in " + core.name + " (its fields: " + letters.join(" ") + ")");
            const texts = core.fields.map((field) =>
                Object.prototype.hasOwnProperty.call(fields, field.letter) ? String(fields[field.letter]) : field.start);
            const result = calculateTexts(core.name, texts);
            const byQuantity = (list) => Object.fromEntries(QUANTITIES.map((q, i) => [q, i < list.length ? list[i] : null]));
            return {
                core: core.name,
                fields: Object.fromEntries(letters.map((letter, i) => [letter, texts[i]])),
                texts: byQuantity(result.texts),
                values: byQuantity(result.values),
                error: result.error || null,
                message: result.message || null,
            };
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
            version: data.version,
            cores: data.cores.map((core) => core.name),
            core: (name) => descriptor(name).core,
            calculate,
            calculateTexts,
            parse,
            format,
            deviation,
            figure,
        };
    }

    const exported = { createApi, QUANTITIES };
    if (typeof module !== "undefined" && module.exports)
        module.exports = exported;
    else
        root.FerricalcApi = exported;
})(typeof self !== "undefined" ? self : globalThis);
