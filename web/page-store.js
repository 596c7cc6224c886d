// What the page keeps of the user's work in the browser's storage (localStorage),
// and the files it shares with the desktop program (see page.js for the whole):
// - the user's own cores (自定义型号), stored as the desktop's library file
//   ({"format": "ferricalc-cores", "version": 1, "cores": [{name, core, fields}]}),
//   so that an exported library imports on the desktop and back;
// - per core type the fields of the last successful 计算 (上次计算);
// - the design view's last inputs;
// - the design file (.ferricalc) the desktop writes and opens.
// A stored value the page cannot read whole is never written over: it is kept
// under a key of its own and the user is told in one line. Storage that is
// missing or full (a private window, a file:// page in some browsers, the
// quota) is a message; the page goes on without it.
(function () {
    "use strict";

    const page = window.FerricalcPage;
    const { data, fill } = page;

    const LIBRARY_FORMAT = "ferricalc-cores";
    const LIBRARY_VERSION = 1;
    const DESIGN_FORMAT = "ferricalc-design";
    const DESIGN_VERSION = 1;
    // Versioned keys: a later page with another layout takes keys of its own.
    const KEYS = { library: "ferricalc.cores.v1", last: "ferricalc.last.v1.", design: "ferricalc.design.v1" };
    const UNAVAILABLE = () => qsTr("浏览器不允许本页保存数据（隐私模式或存储已满），");

    const familyOf = (name) => data.cores.find((core) => core.name === name) || null;

    // ---- The browser's storage ----

    function storage() {
        try {
            return window.localStorage || null;  // reading the property may throw where storage is refused
        } catch (error) {
            return null;
        }
    }

    function readKey(key) {
        const store = storage();
        if (!store)
            return { text: null, error: UNAVAILABLE() + qsTr("无法读取已保存的内容。") };
        try {
            return { text: store.getItem(key), error: "" };
        } catch (error) {
            return { text: null, error: UNAVAILABLE() + qsTr("无法读取已保存的内容。") };
        }
    }

    // Empty when written, else why not, one line.
    function writeKey(key, text) {
        const store = storage();
        if (!store)
            return UNAVAILABLE() + qsTr("未能保存。");
        try {
            store.setItem(key, text);
            return "";
        } catch (error) {
            return UNAVAILABLE() + qsTr("未能保存。");
        }
    }

    function removeKey(key) {
        const store = storage();
        try {
            if (store)
                store.removeItem(key);
        } catch (error) { /* nothing to lose */ }
    }

    // ---- The core library ----

    // The desktop's library file read: its cores ({name, core, texts}), why it is not ours when
    // it is not, and how many entries could not be read (an unknown core type, a field missing,
    // a name taken twice).
    function parseLibrary(text) {
        let root;
        try {
            root = JSON.parse(text);
        } catch (error) {
            return { cores: [], problem: qsTr("不是完整的 JSON"), skipped: 0 };
        }
        if (root === null || typeof root !== "object" || root.format !== LIBRARY_FORMAT)
            return { cores: [], problem: qsTr("不是 ferricalc 的自定义型号文件"), skipped: 0 };
        const version = Number.isInteger(root.version) ? root.version : 0;
        if (version < 1 || version > LIBRARY_VERSION)
            return { cores: [], problem: fill(qsTr("格式版本 %1，本页只读版本 %2"), version, LIBRARY_VERSION), skipped: 0 };
        const cores = [];
        let skipped = 0;
        for (const entry of Array.isArray(root.cores) ? root.cores : []) {
            const name = entry && typeof entry.name === "string" ? entry.name.trim() : "";
            const family = entry && familyOf(entry.core);
            const fields = entry && entry.fields && typeof entry.fields === "object" ? entry.fields : {};
            const texts = family ? family.fields.map((field) => fields[field.letter]) : [];
            if (name === "" || !family || texts.some((t) => typeof t !== "string")
                || cores.some((core) => core.name === name)) {
                ++skipped;
                continue;
            }
            cores.push({ name, core: family.name, texts });
        }
        return { cores, problem: "", skipped };
    }

    function serialiseLibrary(cores) {
        const entries = cores.map((core) => ({
            name: core.name, core: core.core,
            fields: Object.fromEntries(familyOf(core.core).fields.map((field, i) => [field.letter, core.texts[i]])),
        }));
        return JSON.stringify({ format: LIBRARY_FORMAT, version: LIBRARY_VERSION, cores: entries }, null, 4) + "\n";
    }

    // ferricalc.cores.v1.bad-2025-01-01T12:00:00, with a count after it should that be taken.
    function asideKey() {
        const stem = KEYS.library + ".bad-" + new Date().toISOString().slice(0, 19);
        let key = stem;
        for (let n = 2; readKey(key).text !== null; ++n)
            key = stem + "-" + n;
        return key;
    }

    // The stored library, read afresh each time (another tab may have changed it): {cores,
    // notice, writable}. What cannot be read whole is kept under a key of its own first; the
    // cores that could be read are written back alone.
    function loadLibrary() {
        const { text, error } = readKey(KEYS.library);
        if (error)
            return { cores: [], notice: error, writable: false };
        if (text === null)
            return { cores: [], notice: "", writable: true };
        const parsed = parseLibrary(text);
        if (parsed.problem === "" && parsed.skipped === 0)
            return { cores: parsed.cores, notice: "", writable: true };
        const reason = parsed.problem || fill(qsTr("%1 个型号无法读取"), parsed.skipped);
        const aside = asideKey();
        if (writeKey(aside, text) !== "")
            return { cores: parsed.cores, writable: false,
                     notice: fill(qsTr("已保存的自定义型号无法读取（%1），也无法另存；不会覆盖它。"), reason) };
        if (parsed.problem)
            removeKey(KEYS.library);
        else
            writeKey(KEYS.library, serialiseLibrary(parsed.cores));
        return { cores: parsed.cores, writable: true,
                 notice: fill(qsTr("已保存的自定义型号无法完整读取（%1），原内容另存于浏览器存储的 %2。"), reason, aside) };
    }

    // Reads the library, applies `apply` to its cores (it returns why not, or ""), writes it back.
    // Returns {error, notice}: the error empty when the change was made.
    function changeLibrary(apply) {
        const loaded = loadLibrary();
        if (!loaded.writable)
            return { error: loaded.notice, notice: "" };
        const cores = loaded.cores.slice();
        const refused = apply(cores);
        if (refused)
            return { error: refused, notice: loaded.notice };
        return { error: writeKey(KEYS.library, serialiseLibrary(cores)), notice: loaded.notice };
    }

    const library = {
        load: loadLibrary,
        ofFamily: (cores, family) => cores.filter((core) => core.core === family),

        // Adds the core, or replaces the one of the same name.
        save(core) {
            const name = core.name.trim();
            if (name === "")
                return { error: qsTr("型号名称不能为空"), notice: "" };
            return changeLibrary((cores) => {
                const saved = { name, core: core.core, texts: core.texts.slice() };
                const same = cores.findIndex((other) => other.name === name);
                if (same >= 0)
                    cores[same] = saved;
                else
                    cores.push(saved);
                return "";
            });
        },

        rename(from, to) {
            const name = to.trim();
            if (name === "")
                return { error: qsTr("型号名称不能为空"), notice: "" };
            return changeLibrary((cores) => {
                const found = cores.find((core) => core.name === from);
                if (!found)
                    return fill(qsTr("没有名为 %1 的自定义型号"), from);
                if (name !== from && cores.some((core) => core.name === name))
                    return fill(qsTr("已有名为 %1 的自定义型号"), name);
                found.name = name;
                return "";
            });
        },

        remove(name) {
            return changeLibrary((cores) => {
                const index = cores.findIndex((core) => core.name === name);
                if (index < 0)
                    return fill(qsTr("没有名为 %1 的自定义型号"), name);
                cores.splice(index, 1);
                return "";
            });
        },

        exportText: () => serialiseLibrary(loadLibrary().cores),

        // Merges a library file: a core the library holds already under its name is left out,
        // another of the same name comes in under the name with " (2)", " (3)" … after it.
        // Returns one line for the user, and whether anything came in.
        importText(text) {
            const parsed = parseLibrary(text);
            if (parsed.problem)
                return { line: fill(qsTr("无法导入：%1。"), parsed.problem), changed: false };
            let added = 0;
            let renamed = 0;
            let same = 0;
            const result = changeLibrary((cores) => {
                for (const core of parsed.cores) {
                    const holder = cores.find((other) => other.name === core.name);
                    if (holder && holder.core === core.core && holder.texts.join("\n") === core.texts.join("\n")) {
                        ++same;
                        continue;
                    }
                    let name = core.name;
                    for (let n = 2; cores.some((other) => other.name === name); ++n)
                        name = core.name + " (" + n + ")";
                    renamed += name !== core.name ? 1 : 0;
                    cores.push({ name, core: core.core, texts: core.texts });
                    ++added;
                }
                return "";
            });
            if (result.error)
                return { line: fill(qsTr("无法导入：%1"), result.error), changed: false };
            const parts = [fill(qsTr("导入 %1 个自定义型号"), added)];
            if (renamed > 0)
                parts.push(fill(qsTr("%1 个因重名加了编号"), renamed));
            if (same > 0)
                parts.push(fill(qsTr("%1 个已有"), same));
            if (parsed.skipped > 0)
                parts.push(fill(qsTr("%1 个无法读取，未导入"), parsed.skipped));
            return { line: [result.notice, fill(qsTr("%1。"), parts.join(qsTr("，")))].filter((t) => t).join(" "), changed: added > 0 };
        },
    };

    // ---- 上次计算 and the design's last inputs ----

    // The fields of the last successful 计算 of a core type, or null.
    function lastTexts(family) {
        const { text } = readKey(KEYS.last + family.name);
        try {
            const texts = text === null ? null : JSON.parse(text);
            return Array.isArray(texts) && texts.length === family.fields.length
                   && texts.every((t) => typeof t === "string") ? texts : null;
        } catch (error) {
            return null;  // a value of no use here: 上次计算 is only offered, never relied on
        }
    }

    const rememberLast = (family, texts) => writeKey(KEYS.last + family.name, JSON.stringify(texts));

    function designInputs() {
        const { text } = readKey(KEYS.design);
        try {
            const inputs = text === null ? null : JSON.parse(text);
            return inputs && typeof inputs === "object" ? inputs : null;
        } catch (error) {
            return null;
        }
    }

    const rememberDesignInputs = (inputs) => writeKey(KEYS.design, JSON.stringify(inputs));

    // ---- The design file ----

    // The design's columns: those of "design" and those of "losses", as the command line's
    // options name them; "density" goes with the design's.
    const DESIGN_COLUMNS = ["mu_i", "material", "bsat", "gap", "gap_in", "turns", "inductance", "current", "target_al",
                            "density"];
    const LOSS_COLUMNS = ["frequency", "waveform", "duty", "ripple", "b_ac", "temperature", "wire", "strands"];

    // {core, texts, design: {column: text}} written as the desktop writes it; empty texts are
    // inputs not given and are left out.
    function writeDesignFile(file) {
        const family = familyOf(file.core);
        const section = (columns) => Object.fromEntries(columns.filter((c) => file.design[c])
                                                               .map((c) => [c, file.design[c]]));
        return JSON.stringify({
            format: DESIGN_FORMAT, version: DESIGN_VERSION, core: file.core,
            dimensions: Object.fromEntries(family.fields.map((field, i) => [field.letter, file.texts[i]])),
            design: section(DESIGN_COLUMNS), losses: section(LOSS_COLUMNS),
        }, null, 4) + "\n";
    }

    // A design file read: {core, texts, design, ignored: ["losses.colour", …]} or {problem}.
    function readDesignFile(text) {
        let root;
        try {
            root = JSON.parse(text);
        } catch (error) {
            return { problem: qsTr("不是设计文件（不是完整的 JSON）") };
        }
        if (root === null || typeof root !== "object" || root.format !== DESIGN_FORMAT)
            return { problem: qsTr("不是 ferricalc 的设计文件") };
        const ignored = [];
        if (Number(root.version) > DESIGN_VERSION)
            ignored.push(fill(qsTr("格式版本 %1 新增的内容"), root.version));
        const family = familyOf(root.core);
        if (!family)
            return { problem: fill(qsTr("设计文件中的磁芯类型 %1 本页没有"), JSON.stringify(root.core)) };
        // A text as saved; a number another program wrote reads as its shortest decimal.
        const textOf = (value) => (typeof value === "string" ? value
                                   : typeof value === "number" && Number.isFinite(value) ? String(value) : null);
        const texts = family.fields.map((field) => (field.start === "0" ? "0" : ""));
        const objectOf = (value) => (value && typeof value === "object" && !Array.isArray(value) ? value : {});
        for (const [letter, value] of Object.entries(objectOf(root.dimensions))) {
            const i = family.fields.findIndex((field) => field.letter === letter);
            if (i < 0 || textOf(value) === null)
                ignored.push("dimensions." + letter);
            else
                texts[i] = textOf(value);
        }
        const design = {};
        for (const [section, columns] of [["design", DESIGN_COLUMNS], ["losses", LOSS_COLUMNS]])
            for (const [column, value] of Object.entries(objectOf(root[section]))) {
                if (!columns.includes(column) || textOf(value) === null)
                    ignored.push(section + "." + column);
                else
                    design[column] = textOf(value);
            }
        for (const key of Object.keys(root))
            if (!["format", "version", "core", "dimensions", "design", "losses"].includes(key))
                ignored.push(key);
        return { core: family.name, texts, design, ignored, problem: "" };
    }

    // ---- Files out and in ----

    // Offers `text` as a file to save, through a link to a Blob.
    function download(fileName, text, type = "application/json") {
        const address = URL.createObjectURL(new Blob([text], { type }));
        const link = page.element("a", { href: address, download: fileName, hidden: true });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(address), 10000);
    }

    // A hidden file input that hands the text of the file chosen to `read`.
    function fileInput(id, accept, read) {
        const input = page.element("input", { id, type: "file", accept, hidden: true });
        input.addEventListener("change", () => {
            const file = input.files && input.files[0];
            input.value = "";  // the same file chosen again is a new choice
            if (!file)
                return;
            file.text().then((text) => read(text, file.name), () => read(null, file.name));
        });
        return input;
    }

    // A file name from the user's text: what a file system refuses replaced.
    const fileName = (stem, suffix) => stem.replace(/[\\/:*?"<>|\s]+/g, "_").slice(0, 80) + suffix;

    page.store = { library, lastTexts, rememberLast, designInputs, rememberDesignInputs, writeDesignFile,
                   readDesignFile, download, fileInput, fileName, KEYS };
})();
