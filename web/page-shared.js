// What the page's scripts share (page-store.js, page-calculator.js, page-design.js,
// page-plot.js, page-advise.js and page.js, loaded in that order after this one as plain
// scripts, so that the page runs from a file:// address too): the page's data,
// the scripting interface and the module behind it, and the helpers that build
// elements, and the page's language. Each script adds its part to window.FerricalcPage.
//
// The page speaks Chinese unless English is chosen: by ?lang=en in its address or by
// the 中文 / English switch in its header, which the browser remembers. Every text the
// page writes goes through qsTr("中文"), which gives its English from strings-en.js (made
// at build time from translations/*.ts, the windows' English among them) when the page
// is in English; the core types' own texts come from the data in both languages.
(function () {
    "use strict";

    const data = window.FERRICALC_DATA;
    const NBSP = "\u00a0";
    const SEPARATOR = ".";  // both languages write a decimal point
    const LANGUAGE_KEY = "ferricalc.language";
    const english = window.FERRICALC_STRINGS_EN || {};

    // ?lang= in the address first (and remembered), then what was chosen before, else Chinese.
    function startLanguage() {
        const asked = new URLSearchParams(location.search).get("lang");
        if (asked === "en" || asked === "zh") {
            rememberLanguage(asked);
            return asked;
        }
        try {
            return localStorage.getItem(LANGUAGE_KEY) === "en" ? "en" : "zh";
        } catch (error) {
            return "zh";  // a browser that refuses storage: Chinese
        }
    }

    function rememberLanguage(language) {
        try {
            localStorage.setItem(LANGUAGE_KEY, language);
        } catch (error) {
            // not remembered; the address still carries it
        }
    }

    let language = startLanguage();
    const inEnglish = () => language === "en";

    // The page's own texts: the Chinese is the source, as lupdate extracts it.
    function qsTr(source) {
        return inEnglish() && Object.prototype.hasOwnProperty.call(english, source) ? english[source] : source;
    }
    window.qsTr = qsTr;

    // A translated text with its %1, %2 … filled in, so that each language orders them its own way.
    // What it wrote is remembered with its source and values, so that a switch of language can
    // write it again (retranslate); the memory starts afresh when it grows large.
    const composed = new Map();
    function fillIn(text, values) {
        return text.replace(/%(\d)/g, (whole, n) => (n >= 1 && n <= values.length ? String(values[n - 1]) : whole));
    }
    function fill(text, ...values) {
        const result = fillIn(text, values);
        if (composed.size > 20000)
            composed.clear();
        composed.set(result, [inEnglish() && toChinese.has(text) ? toChinese.get(text) : text, values]);
        return result;
    }

    // Sentences one after another: Chinese writes them without a space between, English with one.
    const sentences = (...parts) => parts.filter((part) => part).join(inEnglish() ? " " : "");

    // The core types' texts as the data carries them in both languages.
    const option = (core) => (inEnglish() && core.optionEn ? core.optionEn : core.option);
    const meaning = (field) => (inEnglish() && field.meaningEn ? field.meaningEn : field.meaning);
    const noteText = (note) => (inEnglish() && note.textEn ? note.textEn : note.text);
    const gappedLeg = (core) => (inEnglish() && core.gappedLegEn ? core.gappedLegEn : core.gappedLeg);

    // Every whole text the page may show, Chinese → English and back, for switching what is built.
    const toEnglish = new Map(Object.entries(english));
    for (const core of data.cores) {
        const pairs = [[core.option, core.optionEn], [core.gappedLeg, core.gappedLegEn]];
        core.fields.forEach((field) => pairs.push([field.meaning, field.meaningEn]));
        if (core.note)
            pairs.push([core.note.text, core.note.textEn]);
        pairs.filter(([zh, en]) => zh && en).forEach(([zh, en]) => toEnglish.set(zh, en));
    }
    const toChinese = new Map([...toEnglish].map(([zh, en]) => [en, zh]));
    const TRANSLATED_ATTRIBUTES = ["title", "placeholder", "aria-label", "alt"];

    // A text the page wrote in either language, in the page's language now: a whole text of the
    // tables, or one that fill() wrote, filled again with its values in this language.
    function retranslate(text) {
        const table = inEnglish() ? toEnglish : toChinese;
        if (table.has(text))
            return table.get(text);
        const recipe = composed.get(text);
        if (recipe === undefined)
            return text;
        const [source, values] = recipe;
        return fill(inEnglish() && toEnglish.has(source) ? toEnglish.get(source) : source,
                    ...values.map((value) => (typeof value === "string" ? retranslate(value) : value)));
    }

    // Puts the texts under `root` that the page wrote in the other language into this one:
    // text nodes and the attributes a person reads, where they are whole texts of the tables.
    function localize(root) {
        const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT | NodeFilter.SHOW_ELEMENT);
        for (let node = walker.currentNode; node; node = walker.nextNode()) {
            if (node.nodeType === Node.TEXT_NODE) {
                const text = node.nodeValue;
                const trimmed = text.trim();
                if (trimmed !== "")
                    node.nodeValue = text.replace(trimmed, retranslate(trimmed));
                continue;
            }
            for (const name of TRANSLATED_ATTRIBUTES) {
                const value = node.getAttribute(name);
                if (value !== null)
                    node.setAttribute(name, retranslate(value));
            }
        }
    }

    // The scripting interface: ferricalc.ready resolves once the module has loaded.
    const ferricalc = (window.ferricalc = {});
    ferricalc.ready = loadModule().then((module) => {
        // Its descriptors rather than its values, so that ferricalc.language follows a switch.
        Object.defineProperties(ferricalc, Object.getOwnPropertyDescriptors(FerricalcApi.createApi(module, data, { language })));
        return ferricalc;
    });
    ferricalc.ready.catch(() => {
        const line = document.getElementById("loadFailure");
        line.textContent = qsTr("无法载入计算模块，请使用较新的浏览器打开本页。");
        line.hidden = false;
    });

    // The module's .wasm is fetched where the page came from a server; a page
    // opened from a file:// address takes the same bytes from a script.
    function loadModule() {
        const start = (options) => FerricalcModule(Object.assign({ locateFile: (file) => file }, options));
        const fromScript = () => loadScript("ferricalc-module-wasm.js").then(() => {
            const bytes = Uint8Array.from(atob(window.FERRICALC_WASM_BASE64), (c) => c.charCodeAt(0));
            return start({ wasmBinary: bytes });
        });
        if (location.protocol === "file:")
            return fromScript();
        return start({}).catch(fromScript);
    }

    function loadScript(source) {
        return new Promise((resolve, reject) => {
            const script = document.createElement("script");
            script.src = source;
            script.onload = resolve;
            script.onerror = reject;
            document.head.appendChild(script);
        });
    }

    // An element with its attributes; its text and the attributes a person reads are written in
    // the page's language, whenever they were looked up (a table made when the script loaded).
    function element(tag, attributes = {}, ...children) {
        const node = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes)) {
            if (value === undefined || value === null || value === false)
                continue;
            if (name === "text")
                node.textContent = retranslate(String(value));
            else if (TRANSLATED_ATTRIBUTES.includes(name))
                node.setAttribute(name, retranslate(String(value)));
            else
                node.setAttribute(name, value === true ? "" : value);
        }
        node.append(...children);
        return node;
    }

    const SVG = "http://www.w3.org/2000/svg";

    function svg(tag, attributes = {}, text = null) {
        const node = document.createElementNS(SVG, tag);
        for (const [name, value] of Object.entries(attributes))
            node.setAttribute(name, String(value));
        if (text !== null)
            node.textContent = retranslate(String(text));
        return node;
    }

    // Switches the page's language (page.js re-renders the view shown).
    function setLanguage(chosen) {
        language = chosen === "en" ? "en" : "zh";
        rememberLanguage(language);
        document.documentElement.lang = inEnglish() ? "en" : "zh-CN";
        if (ferricalc.setLanguage)
            ferricalc.setLanguage(language);
    }
    document.documentElement.lang = inEnglish() ? "en" : "zh-CN";

    window.FerricalcPage = {
        data, NBSP, SEPARATOR, ferricalc, element, svg, SVG, qsTr, fill, sentences, option, meaning, noteText, gappedLeg,
        localize, retranslate, setLanguage,
        get language() { return language; },
        // 标准型号's entry that leaves the fields as typed, and the design's material of its own.
        get CUSTOM() { return qsTr("自定义"); },
        host: document.getElementById("calculator"),  // where the view shown is placed
        current: null,  // the view shown (page.js)
    };
})();
