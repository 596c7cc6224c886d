// The page: the selector and one calculator at a time, built from the
// descriptors' data (ferricalc-data.js) and calculating through the
// WebAssembly module (ferricalc-api.js), as the windows do:
// - index.html shows the selector, index.html#ring the ring's calculator (the
//   command line's core names), so a link opens one and Back returns;
// - Enter in a field moves to the next one and empties it when it holds a
//   principal dimension (an optional one keeps its 0, selected); Enter in the
//   last field goes to 计算, and Enter on 计算 calculates;
// - a failure is told above the buttons, and a field that is not a number
//   takes the focus with its text selected;
// - 标准型号 fills the fields from the catalogue; the line below it shows the
//   data sheet and, after 计算, the deviations; any edit returns it to 自定义;
// - Ctrl+C outside a selection, or 复制结果, copies the fields and results as
//   two tab-separated rows.
(function () {
    "use strict";

    const data = window.FERRICALC_DATA;
    const CUSTOM = "自定义";
    const UNITS = { Le: "mm", Ae: "mm²", Ve: "mm³" };
    const PUBLISHED = ["Le", "Ae", "Ve"];
    const NBSP = "\u00a0";
    const SEPARATOR = ".";  // Chinese notation writes a decimal point

    // The scripting interface: ferricalc.ready resolves once the module has loaded.
    const ferricalc = (window.ferricalc = {});
    ferricalc.ready = loadModule().then((module) => {
        Object.assign(ferricalc, FerricalcApi.createApi(module, data));
        return ferricalc;
    });
    ferricalc.ready.catch(() => {
        const line = document.getElementById("loadFailure");
        line.textContent = "无法载入计算模块，请使用较新的浏览器打开本页。";
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

    function element(tag, attributes = {}, ...children) {
        const node = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes)) {
            if (value === undefined || value === null || value === false)
                continue;
            if (name === "text")
                node.textContent = value;
            else
                node.setAttribute(name, value === true ? "" : value);
        }
        node.append(...children);
        return node;
    }

    // ---- The selector ----------------------------------------------------------------------

    const main = document.querySelector("main");
    const selector = document.getElementById("Form1");
    const calculatorHost = document.getElementById("calculator");
    const options = document.getElementById("options");
    document.getElementById("version").textContent = data.version;
    for (const core of data.cores) {
        options.append(element("a", { class: "option", id: core.optionId, href: "#" + core.name },
                               element("img", { src: core.drawing.file, alt: "", width: core.drawing.width,
                                                height: core.drawing.height, elementtiming: "selector" }),
                               element("span", { text: core.option })));
    }

    // Every address the page answers to besides the selector's: each core's
    // calculator by the command line's name, and its magnetic design below it
    // (index.html#etd/design). A view is shown in the page's host by show(),
    // has a title, focusFirst() and hide(); a view's open(calculator) gives it
    // for the core's calculator, or null where it cannot be shown yet.
    const views = new Map();
    for (const core of data.cores) {
        views.set(core.name, { core, open: (calculator) => calculator });
        views.set(core.name + "/design", { core, open: (calculator) => calculator.design() });
    }

    let calculator = null;  // the open core's calculator, kept while its design is shown
    let current = null;  // the view shown
    let currentName = "";
    let selectorShown = false;
    const title = document.title;

    // Moves to an address in place of the one in the history (a design with nothing to design).
    function replaceAddress(hash) {
        try {
            history.replaceState(null, "", location.pathname + location.search + hash);
        } catch (error) {
            location.replace(hash);  // a file:// page may refuse replaceState
        }
    }

    function route() {
        let name = location.hash.slice(1).toLowerCase();  // the addresses are plain ASCII
        const entry = views.get(name);
        if (current && currentName === name)
            return;  // a hash change and a history step both report the same move
        const previous = current;
        if (entry) {
            if (!calculator || calculator.core !== entry.core) {
                if (calculator)
                    calculator.close();
                calculator = new Calculator(entry.core, previous === null && selectorShown);
            }
            let view = entry.open(calculator);
            if (view === null) {
                // Nothing calculated to design: the calculator, at its own address.
                name = entry.core.name;
                replaceAddress("#" + name);
                view = calculator;
            }
            if (previous && previous !== view)
                previous.hide();
            selector.hidden = true;
            main.classList.toggle("wide", view.wide === true);
            current = view;
            currentName = name;
            view.show();
            calculatorHost.hidden = false;
            document.title = view.title + " — " + title;
            if (previous && previous.returnFocus && view === calculator)
                previous.returnFocus();  // back from the design: on 设计…
            else
                view.focusFirst();
        } else {
            if (previous === null && selectorShown)
                return;
            selectorShown = true;
            if (calculator)
                calculator.close();
            calculator = null;
            current = null;
            calculatorHost.hidden = true;
            calculatorHost.replaceChildren();
            main.classList.remove("wide");
            selector.hidden = false;
            document.title = title;
            currentName = "";
            const back = previous && document.getElementById(previous.core.optionId);
            if (back)
                back.focus();
        }
    }

    // Goes back in the history where the page came from there, else to `hash` as a new step.
    function goBack(cameFromThere, hash) {
        if (cameFromThere) {
            history.back();
            return;
        }
        try {
            history.pushState(null, "", location.pathname + location.search + hash);
        } catch (error) {
            location.hash = hash;
            return;
        }
        route();
    }

    window.addEventListener("hashchange", route);
    window.addEventListener("popstate", route);

    // ---- A calculator ----------------------------------------------------------------------

    class Calculator {
        constructor(core, openedFromSelector) {
            this.core = core;
            this.title = core.option;
            this.openedFromSelector = openedFromSelector;  // so that 返回 goes back in the history rather than adds to it
            this.chosen = null;  // the catalogue core whose texts fill the fields
            this.filling = false;
            this.designTexts = null;  // the fields of the last successful 计算, which 设计… designs
            this.designView = null;
            this.build();
        }

        build() {
            const core = this.core;
            const drawing = element("figure", { class: "drawing" },
                                    element("img", { id: "Picture1", src: core.drawing.file, width: core.drawing.width,
                                                     height: core.drawing.height, alt: core.option + "磁芯的尺寸图" }));
            if (core.note)
                drawing.append(element("figcaption", { id: core.note.id, class: "note kai", text: core.note.text }));

            this.fields = core.fields.map((field) => element("input", {
                id: field.id, type: "text", title: field.meaning, inputmode: "decimal", autocomplete: "off",
                spellcheck: "false", "aria-label": field.letter + "（" + field.meaning + "）",
            }));
            const fieldList = element("div", { class: "fields" });
            core.fields.forEach((field, i) => {
                this.fields[i].value = field.start;
                fieldList.append(element("div", { class: "field" },
                                         element("label", { id: field.captionId, for: field.id, title: field.meaning,
                                                            text: field.caption.trim() }),
                                         this.fields[i]));
            });

            this.outputs = core.results.map((result) => element("output", { id: result.id,
                                                                            "aria-labelledby": result.captionId }));
            const results = element("div", { class: "results", "aria-live": "polite" },
                                    ...core.results.map((result, i) => element("div", { class: "result" },
                                        element("span", { id: result.captionId, class: "caption", text: result.name + ":" }),
                                        this.outputs[i])));

            this.message = element("p", { id: "messageLine", class: "message", role: "alert", hidden: true });
            this.advisory = element("p", { id: "advisoryLine", class: "advisory", role: "status", hidden: true });
            this.calculateButton = element("button", { id: "Command1", type: "button", text: "计算" });
            this.designButton = element("button", { id: "designButton", type: "button", text: "设计…", disabled: true,
                                                    title: "由计算所得的磁芯求 AL、气隙、匝数、电感和磁通密度" });
            this.returnButton = element("button", { id: "Command2", type: "button", text: "返回" });
            this.copyButton = element("button", { id: "copyResults", type: "button", class: "secondary",
                                                  text: "复制结果", title: "把各尺寸和结果复制为两行，以制表符分隔" });

            this.window = element("section", { id: core.form, class: "window", "aria-labelledby": "windowTitle" },
                                  element("h2", { id: "windowTitle", class: "window-title kai", text: core.option }),
                                  drawing, element("div", { class: "side" }, fieldList, this.buildCatalogue()),
                                  results,
                                  element("div", { class: "lines" }, this.message, this.advisory),
                                  element("div", { class: "buttons" }, this.calculateButton, this.designButton,
                                          this.returnButton, this.copyButton));

            this.fields.forEach((field, i) => {
                field.addEventListener("keydown", (event) => {
                    if (event.key === "Enter" && !event.isComposing) {
                        event.preventDefault();
                        this.moveAlongChain(i);
                    }
                });
                field.addEventListener("input", () => {
                    if (!this.filling)
                        this.returnToCustom();
                });
            });
            this.calculateButton.addEventListener("click", () => this.calculate());
            this.designButton.addEventListener("click", () => { location.hash = "#" + this.core.name + "/design"; });
            this.returnButton.addEventListener("click", () => goBack(this.openedFromSelector, ""));
            this.copyButton.addEventListener("click", () => this.copyResults());
            this.onCopy = (event) => this.copyEvent(event);
            document.addEventListener("copy", this.onCopy);
        }

        show() {
            calculatorHost.replaceChildren(this.window);
        }

        hide() {}

        close() {
            document.removeEventListener("copy", this.onCopy);
        }

        focusFirst() {
            this.fields[0].focus();
        }

        // The design of the last successful 计算, made once and kept with what was typed in it;
        // null before one.
        design() {
            if (this.designTexts === null)
                return null;
            if (this.designView === null)
                this.designView = new DesignView(this.core, () => goBack(true, "#" + this.core.name),
                                                 () => this.designButton.focus());
            this.designView.setFieldTexts(this.designTexts);
            return this.designView;
        }

        moveAlongChain(index) {
            if (index + 1 === this.fields.length) {
                this.calculateButton.focus();
                return;
            }
            const next = this.fields[index + 1];
            if (this.core.fields[index + 1].start === "")
                this.setField(next, "");
            next.focus();
            next.select();  // a kept "0" comes selected, ready to be typed over
        }

        // Changes a field's text as typing would, so the catalogue returns to 自定义.
        setField(field, text) {
            if (field.value !== text) {
                field.value = text;
                this.returnToCustom();
            }
        }

        async calculate() {
            this.showMessage("");
            this.showAdvisory("");
            let api;
            try {
                api = await ferricalc.ready;
            } catch (error) {
                this.showMessage("无法载入计算模块，不能计算。");
                return;
            }
            if (current !== this)
                return;
            const texts = this.fields.map((field) => field.value);
            const result = api.calculateTexts(this.core.name, texts, SEPARATOR);
            // As in the windows, a failure stops the writing and what was written before it stays;
            // each result written gives its unrounded value as its tooltip.
            for (let i = 0; i < result.written; ++i) {
                this.outputs[i].value = result.texts[i];
                this.outputs[i].title = result.unrounded[i];
            }
            this.showCalculation(result, api);
            this.designTexts = result.stage === 0 ? texts : null;
            this.designButton.disabled = result.stage !== 0;
            // The advice below the failure; where it explains the failure (C2 shown as zero), in its place.
            this.showAdvisory(result.advice.join("\n"));
            if (result.stage === 0)
                return;
            if (!result.adviceExplainsFailure)
                this.showMessage(result.message);
            if (result.field >= 0) {
                const field = this.fields[result.field];
                field.focus();
                field.select();
            }
        }

        showMessage(text) {
            this.message.textContent = text;
            this.message.hidden = text === "";
        }

        // A note that is no failure (a coarse display, an unusual dimension), in its own colour.
        showAdvisory(text) {
            this.advisory.textContent = text || "";
            this.advisory.hidden = !text;
        }

        // ---- 标准型号 ----

        buildCatalogue() {
            this.standards = this.core.catalogue;
            this.combo = element("input", { id: "catalogComboBox", type: "text", role: "combobox",
                                            "aria-autocomplete": "list", "aria-expanded": "false",
                                            "aria-controls": "catalogList", autocomplete: "off", spellcheck: "false" });
            this.combo.value = CUSTOM;
            this.list = element("ul", { id: "catalogList", role: "listbox", "aria-label": "标准型号", hidden: true });
            this.reference = element("p", { id: "catalogReference", class: "reference", "aria-live": "polite" });
            this.shown = [];  // the entries the list shows: -1 for 自定义, else an index into the catalogue
            this.active = -1;

            this.combo.addEventListener("focus", () => this.combo.select());
            // A click shows the whole list; from the keyboard, the down arrow does.
            this.combo.addEventListener("click", () => {
                if (this.list.hidden)
                    this.openList(this.entryName());
            });
            this.combo.addEventListener("input", () => this.openList(this.combo.value));
            this.combo.addEventListener("keydown", (event) => this.comboKey(event));
            this.combo.addEventListener("blur", () => {
                this.closeList();
                this.showEntry();
            });
            // A press in the list keeps the focus in the box.
            this.list.addEventListener("mousedown", (event) => event.preventDefault());
            this.list.addEventListener("click", (event) => {
                const item = event.target.closest("li");
                if (item)
                    this.choose(Number(item.dataset.entry));
            });
            return element("div", { class: "catalog" },
                           element("label", { id: "catalogCaption", for: "catalogComboBox", text: "标准型号:" }),
                           element("div", { class: "combo" }, this.combo, this.list), this.reference);
        }

        // The entries whose names hold `typed`, in any letter case; all of them for
        // the entry in force or an empty text.
        openList(typed) {
            const entries = [-1, ...this.standards.map((standard, i) => i)];
            const part = typed.trim().toLowerCase();
            const showAll = part === "" || typed === this.entryName();
            this.shown = showAll ? entries
                                 : entries.filter((entry) => entry >= 0
                                                  && this.standards[entry].name.toLowerCase().includes(part));
            this.active = showAll ? this.shown.indexOf(this.entryIndex()) : (this.shown.length > 0 ? 0 : -1);
            this.list.replaceChildren(...this.shown.map((entry, position) => element("li", {
                id: "catalogEntry" + position, role: "option", "data-entry": entry,
                "aria-selected": position === this.active ? "true" : "false",
                text: entry < 0 ? CUSTOM : this.standards[entry].name,
            })));
            const open = this.shown.length > 0;
            this.list.hidden = !open;
            this.combo.setAttribute("aria-expanded", open ? "true" : "false");
            this.markActive();
        }

        closeList() {
            this.list.hidden = true;
            this.combo.setAttribute("aria-expanded", "false");
            this.combo.removeAttribute("aria-activedescendant");
        }

        markActive() {
            [...this.list.children].forEach((item, position) => {
                item.setAttribute("aria-selected", position === this.active ? "true" : "false");
                if (position === this.active)
                    item.scrollIntoView({ block: "nearest" });
            });
            if (this.active >= 0)
                this.combo.setAttribute("aria-activedescendant", "catalogEntry" + this.active);
            else
                this.combo.removeAttribute("aria-activedescendant");
        }

        comboKey(event) {
            const open = !this.list.hidden;
            if (event.key === "ArrowDown" || event.key === "ArrowUp") {
                event.preventDefault();
                if (!open) {
                    this.openList(this.entryName());
                    return;
                }
                const step = event.key === "ArrowDown" ? 1 : -1;
                this.active = Math.max(0, Math.min(this.shown.length - 1, this.active + step));
                this.markActive();
            } else if (event.key === "Enter") {
                event.preventDefault();
                const typed = this.combo.value.trim().toLowerCase().replace(/\s+/g, "");
                const whole = this.standards.findIndex((s) => s.name.toLowerCase().replace(/\s+/g, "") === typed);
                if (open && this.active >= 0)
                    this.choose(this.shown[this.active]);
                else if (whole >= 0)
                    this.choose(whole);
                else
                    this.showEntry();
            } else if (event.key === "Escape" && open) {
                event.preventDefault();
                this.closeList();
                this.showEntry();
            }
        }

        entryIndex() {
            return this.chosen === null ? -1 : this.standards.indexOf(this.chosen);
        }

        entryName() {
            return this.chosen === null ? CUSTOM : this.chosen.name;
        }

        showEntry() {
            this.combo.value = this.entryName();
            this.combo.setSelectionRange(0, 0);
        }

        choose(entry) {
            this.closeList();
            if (entry < 0) {
                this.chosen = null;
                this.reference.textContent = "";
                this.showEntry();
                return;
            }
            const standard = this.standards[entry];
            this.filling = true;
            this.fields.forEach((field, i) => { field.value = standard.texts[i]; });
            this.filling = false;
            this.chosen = standard;
            this.showEntry();
            this.reference.textContent = this.dataSheetLine();
        }

        returnToCustom() {
            if (this.chosen === null && this.combo.value === CUSTOM)
                return;
            this.chosen = null;
            this.showEntry();
            this.reference.textContent = "";
        }

        dataSheetLine() {
            const sheet = this.chosen.datasheet;
            const items = PUBLISHED.filter((q) => sheet[q]).map((q) => q + NBSP + sheet[q].text + NBSP + UNITS[q]);
            return items.length === 0 ? "数据手册: 无" : "数据手册: " + items.join("  ");
        }

        showCalculation(result, api) {
            if (this.chosen === null)
                return;
            let line = this.dataSheetLine();
            const deviations = [];
            PUBLISHED.forEach((q) => {
                const index = FerricalcApi.QUANTITIES.indexOf(q);
                const figure = this.chosen.datasheet[q];
                if (figure && index < result.written)
                    deviations.push(q + NBSP + api.deviation(result.values[index], figure.value, SEPARATOR) + NBSP + "%");
            });
            if (deviations.length > 0)
                line += "\n偏差: " + deviations.join("  ");
            this.reference.textContent = line;
        }

        // ---- Copy ----

        // The results of the fields as they stand, so an edit made after 计算 is
        // never copied beside results it did not give.
        resultRows(api) {
            const cell = (text) => text.replace(/[\t\r\n]/g, " ");
            const header = ["磁芯类型", ...this.core.fields.map((field) => field.letter),
                            ...this.core.results.map((result) => result.name)];
            const texts = this.fields.map((field) => field.value);
            const result = api.calculateTexts(this.core.name, texts, SEPARATOR);
            const values = [this.core.option, ...texts.map(cell),
                            ...this.core.results.map((r, i) => (i < result.written ? result.texts[i] : ""))];
            return header.join("\t") + "\n" + values.join("\t") + "\n";
        }

        // Selected text, in a field or among the results, keeps Ctrl+C for itself.
        copyEvent(event) {
            const focused = document.activeElement;
            const fieldSelection = focused instanceof HTMLInputElement && focused.selectionStart !== focused.selectionEnd;
            // A field's selection lingers in the page's once the field has lost the focus,
            // as a range around the field: that one does not count.
            const selection = window.getSelection();
            const anchor = selection.anchorNode;
            const holder = anchor && (anchor.nodeType === Node.TEXT_NODE ? anchor.parentElement : anchor);
            const pageSelection = !(focused instanceof HTMLInputElement) && !selection.isCollapsed && holder !== null
                                  && holder.querySelector("input") === null;
            if (fieldSelection || pageSelection || !ferricalc.calculateTexts || current !== this)
                return;
            event.clipboardData.setData("text/plain", this.resultRows(ferricalc));
            event.preventDefault();
        }

        copyResults() {
            window.getSelection().removeAllRanges();
            if (!document.execCommand("copy") && navigator.clipboard && ferricalc.calculateTexts)
                navigator.clipboard.writeText(this.resultRows(ferricalc));
        }
    }

    // ---- The magnetic design ---------------------------------------------------------------

    // The design's inputs as the window has them: the design's kind of input
    // (its checks), the range of the window's box, the unit, and the text it
    // starts with. Density reads as Bsat does: a figure above zero.
    const DESIGN_INPUTS = {
        muI: { kind: "mu_i", min: 1, max: 1e5, unit: "" },
        bsat: { kind: "bsat", max: 5000, unit: "mT", optional: true },
        density: { kind: "bsat", max: 20000, unit: "kg/m³", optional: true },
        gap: { kind: "gap", min: 0, max: 100, unit: "mm", start: "0" },
        targetAl: { kind: "target_al", min: 0.1, max: 1e5, unit: "nH", start: "100", optional: true },
        turns: { kind: "turns", min: 1, max: 1e5, unit: "", start: "10", optional: true },
        inductance: { kind: "inductance", min: 0.001, max: 1e6, unit: "µH", start: "100", optional: true },
        current: { kind: "current", min: 0, max: 1e4, unit: "A", start: "0.1", optional: true },
    };
    const NONE = "—";
    const LONGEST_HEADING_TEXT = 12;  // a field's text in the heading, beyond which it shows its start
    const PLOT_GAPS = { first: 0.01, last: 3, pointsPerDecade: 40 };  // mm, as the window plots them

    // 磁路设计 for one core: the figures of the core set, the material, the gap,
    // AL and μe with and without the fringe field, the winding and the flux
    // density against Bsat, the gap for a wanted AL, and AL against the gap.
    // Every figure follows at once as a value is typed; a value the design
    // refuses stays in its field with the reason beside it and the figures show
    // "—" until it is mended, and leaving the field returns it to its last good
    // text. The texts come from calc/design through the module, so they are
    // the window's and the command line's.
    class DesignView {
        constructor(core, goBack, returnFocus) {
            this.core = core;
            this.title = "磁路设计 — " + core.option;
            this.wide = true;  // three columns want more than a calculator's width
            this.returnFocus = returnFocus;
            this.texts = null;
            this.inputs = {};  // each input: {field, refusal, good}
            this.build(goBack);
        }

        build(goBack) {
            const figure = (id, caption, tip) => {
                const value = element("output", { id, title: tip, text: NONE });
                return [element("span", { class: "caption", title: tip, text: caption }), value];
            };
            const row = (...cells) => element("div", { class: "row" }, ...cells);
            // A group box: its caption on the frame, its rows on the column's tracks.
            let groups = 0;
            const group = (caption, ...rows) => {
                const id = "designGroup" + ++groups;
                return element("div", { class: "group", role: "group", "aria-labelledby": id },
                               element("span", { id, class: "legend kai", text: caption }), ...rows);
            };
            this.figures = {};
            const figureRow = (id, caption, tip) => {
                const [label, value] = figure(id, caption, tip);
                this.figures[id] = value;
                return row(label, value);
            };

            const coreGroup = group("磁芯",
                                    figureRow("le", "Le", "有效磁路长度"),
                                    figureRow("ae", "Ae", "有效截面积"),
                                    figureRow("ve", "Ve", "有效体积"),
                                    figureRow("amin", "Amin", "磁通经过的最小截面积"),
                                    figureRow("windowArea", "Aw", "一个绕线窗口的面积"),
                                    figureRow("areaProduct", "Ap = Ae·Aw", "面积积"),
                                    figureRow("mass", "质量", "Ve × 材料密度；材料未给密度时无此值"));

            this.material = element("select", { id: "material" },
                                    element("option", { value: "-1", text: CUSTOM }),
                                    ...data.materials.map((m, i) => element("option", {
                                        value: String(i), text: m.name + "（" + m.manufacturer + "，" + m.base + "）" })));
            const materialGroup = group("材料",
                                        row(element("label", { class: "caption", for: "material", text: "材料" }),
                                            this.material),
                                        this.inputRow("muI", "初始磁导率 µi"),
                                        this.inputRow("bsat", "Bsat（100 °C）"),
                                        this.inputRow("density", "密度"));
            this.inputs.bsat.field.placeholder = "未知";
            this.inputs.density.field.placeholder = "未知";

            this.gapPlace = element("select", { id: "gapPlace",
                                                title: this.core.gappedLeg + "：只在" + this.core.gappedLeg
                                                       + "磨出气隙；全部柱：垫片使每个柱都有此气隙" },
                                    element("option", { value: "0", text: this.core.gappedLeg }),
                                    element("option", { value: "1", text: "全部柱" }));
            const gapGroup = group("气隙", this.inputRow("gap", "气隙 lg", "磁通经过一次的气隙总长；"),
                                   row(element("label", { class: "caption", for: "gapPlace", text: "位置" }),
                                       this.gapPlace));

            const fringing = "Mühlethaler 等的三维气隙磁阻模型计入气隙边缘磁通";
            const plain = "气隙截面取柱的截面，不计边缘磁通";
            const alGroup = group("电感系数",
                                  figureRow("alFringing", "AL（计边缘磁通）", fringing),
                                  figureRow("muEFringing", "µe（计边缘磁通）", fringing),
                                  figureRow("alNoFringing", "AL（不计边缘磁通）", plain),
                                  figureRow("muENoFringing", "µe（不计边缘磁通）", plain),
                                  figureRow("alUngapped", "AL（无气隙）", "µ0·µi / C1"));
            this.figures.alFringing.classList.add("first");

            this.useTargetGap = element("button", { id: "useTargetGap", type: "button", class: "small",
                                                    text: "用作气隙", title: "把求得的气隙填入气隙 lg", disabled: true });
            const targetGroup = group("由 AL 求气隙", this.inputRow("targetAl", "目标 AL"),
                                      row(element("span", { class: "caption", text: "所需气隙" }),
                                          element("span", { class: "with-button" },
                                                  this.figures.targetGap = element("output", { id: "targetGap", text: NONE }),
                                                  this.useTargetGap)));

            this.byTurns = element("input", { type: "radio", id: "byTurns", name: "windingBy", checked: true });
            this.byInductance = element("input", { type: "radio", id: "byInductance", name: "windingBy",
                                                   title: "求达到此电感的最少整数匝" });
            this.saturationNote = element("p", { id: "saturationNote", class: "note", "aria-live": "polite" });
            const windingGroup = group("绕组与磁通密度",
                                       this.inputRow("turns", element("label", { class: "caption choice" }, this.byTurns,
                                                                      "匝数 N")),
                                       this.inputRow("inductance", element("label", { class: "caption choice" },
                                                                           this.byInductance, "电感 L")),
                                       figureRow("turnsResult", "→ 匝数"),
                                       figureRow("inductanceResult", "→ 电感 AL·N²"),
                                       this.inputRow("current", "峰值电流 Î"),
                                       figureRow("peakFlux", "B̂（Ae）", "L·Î / (N·Ae)"),
                                       figureRow("peakFluxAmin", "B̂（Amin）", "最窄截面处：B̂·Ae / Amin"),
                                       this.saturationNote);

            this.plot = document.createElementNS(SVG, "svg");
            this.plot.id = "alGapPlot";
            this.plot.setAttribute("role", "img");
            this.plot.setAttribute("aria-labelledby", "plotTitle");
            const plotFigure = element("figure", { class: "plot" },
                                       element("figcaption", { id: "plotTitle", class: "kai", text: "电感系数与气隙" }),
                                       this.plot);

            this.heading = element("p", { id: "heading", class: "heading kai" });
            this.status = element("p", { id: "status", class: "message", role: "alert" });
            const returnButton = element("button", { id: "designReturn", type: "button", text: "返回" });
            this.window = element("section", { id: "designWindow", class: "window design", "aria-labelledby": "designTitle" },
                                  element("h2", { id: "designTitle", class: "window-title kai", text: "磁路设计" }),
                                  element("div", { class: "top" }, this.heading, this.status),
                                  element("div", { class: "column inputs" }, coreGroup, materialGroup, gapGroup),
                                  element("div", { class: "column figures" }, alGroup, targetGroup, windingGroup),
                                  plotFigure,
                                  element("div", { class: "buttons" }, returnButton));

            this.material.addEventListener("change", () => this.chooseMaterial());
            this.gapPlace.addEventListener("change", () => this.refresh());
            for (const radio of [this.byTurns, this.byInductance])
                radio.addEventListener("change", () => this.refresh());
            this.inputs.turns.field.addEventListener("input", () => { this.byTurns.checked = true; });
            this.inputs.inductance.field.addEventListener("input", () => { this.byInductance.checked = true; });
            // A material's figure edited to another that the design takes makes the material 自定义.
            for (const name of ["muI", "bsat", "density"])
                this.inputs[name].field.addEventListener("input", () => {
                    const reading = this.read(name);
                    if (!reading.refused && (reading.value !== null || DESIGN_INPUTS[name].optional))
                        this.material.value = "-1";
                });
            this.useTargetGap.addEventListener("click", () => {
                if (this.view && this.view.values.gap !== null) {
                    this.setInput("gap", ferricalc.designText("gap", this.view.values.gap, "value", SEPARATOR));
                    this.refresh();
                }
            });
            returnButton.addEventListener("click", goBack);
            // The plot is drawn for the width it has, so its lettering keeps its size on a phone.
            if (window.ResizeObserver) {
                let width = 0;
                new ResizeObserver(() => {
                    if (this.plot.clientWidth !== width) {
                        width = this.plot.clientWidth;
                        this.drawPlot();
                    }
                }).observe(this.plot);
            }
            this.material.value = data.materials.length > 0 ? "0" : "-1";
            this.chooseMaterial();
        }

        // A row of an input: its caption (a text, or a choice that names the field), the field, the
        // unit and the reason it is refused.
        inputRow(name, caption, tipStart = "") {
            const box = DESIGN_INPUTS[name];
            const named = typeof caption === "string";
            const field = element("input", { id: name, type: "text", inputmode: "decimal", autocomplete: "off",
                                             spellcheck: "false", "aria-describedby": name + "Refusal",
                                             "aria-label": named ? null : caption.textContent });
            const unit = box.unit ? " " + box.unit : "";
            field.title = tipStart + (box.min === undefined ? "大于 0，至多 " + box.max + unit + "；空着为未知"
                                                             : "范围 " + box.min + " – " + box.max + unit);
            field.value = box.start || "";
            const refusal = element("span", { id: name + "Refusal", class: "refusal", "aria-live": "polite" });
            const label = named ? element("label", { class: "caption", for: name, text: caption }) : caption;
            this.inputs[name] = { field, refusal, good: field.value };
            field.addEventListener("input", () => this.refresh());
            // Leaving a refused or emptied field returns it to its last good text.
            field.addEventListener("change", () => {
                const input = this.inputs[name];
                if (this.read(name).refused || (field.value.trim() === "" && !box.optional)) {
                    field.value = input.good;
                    this.refresh();
                }
            });
            return element("div", { class: "row input" }, label,
                           element("span", { class: "entry" }, field,
                                   box.unit ? element("span", { class: "unit", text: box.unit }) : ""),
                           refusal);
        }

        setInput(name, text) {
            this.inputs[name].field.value = text;
        }

        // An input's value, null when empty; refused with the design's reason or the window's word for a limit.
        read(name) {
            const box = DESIGN_INPUTS[name];
            const text = this.inputs[name].field.value;
            if (text.trim() === "")
                return { value: null, refused: false, reason: "" };
            const reading = ferricalc.readDesignInput(box.kind, text, SEPARATOR);
            let reason = reading.reason;
            if (!reason && reading.value !== null && reading.value > box.max)
                reason = "超出上限";
            else if (!reason && reading.value !== null && box.min !== undefined && reading.value < box.min)
                reason = "低于下限";
            return { value: reason ? null : reading.value, refused: reason !== "", reason };
        }

        chooseMaterial() {
            const index = Number(this.material.value);
            if (index < 0)
                return;  // 自定义 keeps what the fields hold
            const material = data.materials[index];
            const text = (quantity, value) => (value === null ? "" : ferricalc.designText(quantity, value, "value", SEPARATOR));
            this.setInput("muI", text("mu_i", material.muI));
            this.setInput("bsat", text("Bsat", material.bsat100));
            this.setInput("density", material.density === null ? "" : String(Math.round(material.density)));
            this.refresh();
        }

        setFieldTexts(texts) {
            this.texts = texts;
            const shown = texts.map((text, i) => this.core.fields[i].letter + "="
                                    + (text.length > LONGEST_HEADING_TEXT ? text.slice(0, LONGEST_HEADING_TEXT - 1) + "…"
                                                                         : text));
            this.heading.textContent = this.core.option + "　" + shown.join(" ");
            this.refresh();
        }

        show() {
            calculatorHost.replaceChildren(this.window);
            this.drawPlot();
        }

        hide() {}

        close() {}

        focusFirst() {
            this.material.focus();
        }

        // ---- Designing ----

        refresh() {
            if (this.texts === null || !ferricalc.designView)
                return;
            const readings = {};
            let refused = false;
            for (const name of Object.keys(DESIGN_INPUTS)) {
                const reading = this.read(name);
                readings[name] = reading;
                const input = this.inputs[name];
                input.refusal.textContent = reading.reason;
                input.field.setAttribute("aria-invalid", reading.refused ? "true" : "false");
                if (reading.value !== null)
                    input.good = input.field.value;
                refused = refused || reading.refused;
            }
            const value = (name) => readings[name].value;
            // The core's own figures need no input but the density.
            const core = ferricalc.designView(this.core.name, this.texts,
                                              { muI: 1, gap: 0, density: refused ? null : value("density") }, SEPARATOR);
            const legs = !core.formed || core.outerLegs > 0;
            if (!legs)
                this.gapPlace.value = "0";  // a ring is cut once: the gap has no other place to be
            this.gapPlace.disabled = !legs;
            for (const [id, quantity] of [["le", "Le"], ["ae", "Ae"], ["ve", "Ve"], ["amin", "Amin"],
                                          ["windowArea", "Aw"], ["areaProduct", "Ap"], ["mass", "mass"]])
                this.figures[id].value = (core.formed && core.figures[quantity]) || NONE;
            if (!core.formed) {
                this.blank(core.error);
                return;
            }
            if (refused || value("muI") === null || value("gap") === null) {
                this.blank("");
                return;
            }
            const inputs = { muI: value("muI"), bsat: value("bsat"), density: value("density"), gap: value("gap"),
                             allLegs: this.gapPlace.value === "1",
                             turns: this.byTurns.checked ? value("turns") : null,
                             inductance: this.byInductance.checked ? value("inductance") : null,
                             current: value("current"), targetAl: value("targetAl") };
            const view = ferricalc.designView(this.core.name, this.texts, inputs, SEPARATOR);
            if (view.error) {
                this.blank(view.error);
                return;
            }
            this.showDesign(view, inputs);
        }

        showDesign(view, inputs) {
            this.view = view;
            this.inputsUsed = inputs;
            this.status.textContent = "";
            const f = view.figures;
            for (const [id, quantity] of [["alFringing", "AL"], ["muEFringing", "mu_e"], ["alNoFringing", "AL_nofringing"],
                                          ["muENoFringing", "mu_e_nofringing"], ["alUngapped", "AL_ungapped"],
                                          ["turnsResult", "N"], ["inductanceResult", "L"], ["peakFlux", "B"]])
                this.figures[id].value = f[quantity] || NONE;
            this.figures.peakFluxAmin.value = view.peakFluxAmin || NONE;
            this.figures.peakFlux.dataset.level = LEVELS[view.saturation];
            this.figures.peakFluxAmin.dataset.level = LEVELS[view.saturationAmin];
            this.saturationNote.textContent = view.saturationNote;
            this.saturationNote.dataset.level = LEVELS[Math.max(view.saturation, view.saturationAmin)];
            this.figures.targetGap.value = view.targetGap || NONE;
            this.useTargetGap.disabled = view.target !== 0;
            this.drawPlot();
        }

        blank(reason) {
            this.view = null;
            this.status.textContent = reason;
            for (const id of ["alFringing", "muEFringing", "alNoFringing", "muENoFringing", "alUngapped", "turnsResult",
                              "inductanceResult", "peakFlux", "peakFluxAmin", "targetGap"]) {
                this.figures[id].value = NONE;
                delete this.figures[id].dataset.level;
            }
            this.saturationNote.textContent = "";
            this.useTargetGap.disabled = true;
            this.drawPlot();
        }

        // ---- AL against the gap ----

        drawPlot() {
            if (!this.plot.isConnected)
                return;
            const width = Math.max(280, this.plot.clientWidth || 480);
            const height = Math.round(Math.min(460, Math.max(260, width * 0.85)));
            let curves = null;
            if (this.view) {
                const { muI, allLegs, gap } = this.inputsUsed;
                const decades = Math.log10(PLOT_GAPS.last / PLOT_GAPS.first);
                const points = Math.ceil(decades * PLOT_GAPS.pointsPerDecade);
                const gaps = Array.from({ length: points + 1 }, (_, i) => PLOT_GAPS.first * 10 ** (decades * i / points));
                curves = {
                    gaps,
                    fringing: ferricalc.alCurve(gaps, muI, allLegs, true),
                    plain: ferricalc.alCurve(gaps, muI, allLegs, false),
                    ungapped: this.view.values.AL_ungapped,
                    working: { gap, al: this.view.values.AL,
                               lines: ["lg " + ferricalc.designText("gap", gap, "display", SEPARATOR),
                                       "AL " + this.view.figures.AL] },
                };
            }
            drawAlGapPlot(this.plot, width, height, curves);
        }
    }

    // The design's levels of a flux density against Bsat, as the page's styles name them.
    const LEVELS = ["", "clear", "advisory", "warning"];

    const SVG = "http://www.w3.org/2000/svg";

    function svg(tag, attributes = {}, text = null) {
        const node = document.createElementNS(SVG, tag);
        for (const [name, value] of Object.entries(attributes))
            node.setAttribute(name, String(value));
        if (text !== null)
            node.textContent = text;
        return node;
    }

    // AL against the gap as data sheets draw it: the gap on a logarithmic axis
    // from 0.01 to 3 mm, AL on whole decades, the curve with the fringe field
    // solid, the one without it dashed, the ungapped AL dotted, and the working
    // point marked with its figures (hollow at the edge it lies beyond). Null
    // curves leave the axes blank.
    function drawAlGapPlot(plot, width, height, curves) {
        const line = 15;  // the lettering's height
        const valid = (al) => al !== null && al > 0 && Number.isFinite(al);
        let firstDecade = 1;
        let lastDecade = 4;
        if (curves) {
            const als = [curves.ungapped, ...curves.fringing, ...curves.plain].filter(valid);
            if (als.length > 0) {
                firstDecade = Math.floor(Math.log10(Math.min(...als)));
                lastDecade = Math.max(firstDecade + 1, Math.ceil(Math.log10(Math.max(...als))));
            }
        }
        const decadeLabel = (k, m = 1) => (m * 10 ** k).toFixed(Math.max(0, -k));
        let labelWidth = 0;
        for (let k = firstDecade; k <= lastDecade; ++k)
            labelWidth = Math.max(labelWidth, decadeLabel(k).length * 7.2);
        const area = { left: labelWidth + 14, top: line + 12, right: width - 12, bottom: height - 2 * line - 14 };
        const firstGap = PLOT_GAPS.first;
        const lastGap = PLOT_GAPS.last;
        const x = (gap) => area.left + Math.log10(gap / firstGap) / Math.log10(lastGap / firstGap) * (area.right - area.left);
        const y = (al) => area.bottom - (Math.log10(al) - firstDecade) / (lastDecade - firstDecade) * (area.bottom - area.top);
        const round = (v) => Math.round(v * 10) / 10;

        const parts = [svg("rect", { x: 0, y: 0, width, height, class: "paper" })];
        const gridLine = (x1, y1, x2, y2, decade) =>
            parts.push(svg("line", { x1: round(x1), y1: round(y1), x2: round(x2), y2: round(y2),
                                     class: decade ? "grid decade" : "grid" }));
        for (let k = -2; k <= 0; ++k)
            for (let m = 1; m <= 9; ++m) {
                const gap = m * 10 ** k;
                if (gap >= firstGap * (1 - 1e-9) && gap <= lastGap * (1 + 1e-9))
                    gridLine(x(gap), area.top, x(gap), area.bottom, m === 1);
            }
        const oneDecade = lastDecade - firstDecade === 1;
        const alLabels = [];
        for (let k = firstDecade; k <= lastDecade; ++k)
            for (let m = 1; m <= 9; ++m) {
                if (k === lastDecade && m > 1)
                    break;
                gridLine(area.left, y(m * 10 ** k), area.right, y(m * 10 ** k), m === 1);
                if (m === 1 || (oneDecade && (m === 2 || m === 5)))
                    alLabels.push([k, m]);
            }
        parts.push(svg("rect", { x: area.left, y: area.top, width: round(area.right - area.left),
                                 height: round(area.bottom - area.top), class: "frame" }));
        for (const [gap, label] of [[0.01, "0.01"], [0.1, "0.1"], [1, "1"], [3, "3"]])
            parts.push(svg("text", { x: round(x(gap)), y: round(area.bottom + line), "text-anchor": "middle" }, label));
        for (const [k, m] of alLabels)
            parts.push(svg("text", { x: area.left - 5, y: round(y(m * 10 ** k) + 4.5), "text-anchor": "end" },
                           decadeLabel(k, m)));
        parts.push(svg("text", { x: round((area.left + area.right) / 2), y: round(area.bottom + 2 * line + 4),
                                 "text-anchor": "middle" }, "气隙 lg / mm"));
        parts.push(svg("text", { x: 2, y: line }, "AL / nH"));

        if (curves) {
            const path = (als) => {
                let d = "";
                let started = false;
                curves.gaps.forEach((gap, i) => {
                    if (!valid(als[i])) {
                        started = false;
                        return;
                    }
                    d += (started ? "L" : "M") + round(x(gap)) + " " + round(y(als[i]));
                    started = true;
                });
                return d;
            };
            const clip = "plotArea";
            parts.push(svg("clipPath", { id: clip }));
            parts[parts.length - 1].append(svg("rect", { x: area.left - 1, y: area.top - 1,
                                                         width: round(area.right - area.left + 2),
                                                         height: round(area.bottom - area.top + 2) }));
            const drawn = svg("g", { "clip-path": "url(#" + clip + ")" });
            if (valid(curves.ungapped))
                drawn.append(svg("line", { x1: area.left, x2: area.right, y1: round(y(curves.ungapped)),
                                           y2: round(y(curves.ungapped)), class: "ungapped" }));
            drawn.append(svg("path", { d: path(curves.plain), class: "plain" }),
                         svg("path", { d: path(curves.fringing), class: "fringing" }));
            parts.push(drawn);

            // The legend, top right, where the falling curves leave room.
            const legend = [["计边缘磁通", "fringing"], ["不计边缘磁通", "plain"], ["无气隙", "ungapped"]];
            const legendWidth = 6 * 14 + 40;
            const box = { left: area.right - legendWidth - 8, top: area.top + 6 };
            box.right = box.left + legendWidth;
            box.bottom = box.top + 3 * line + 8;
            parts.push(svg("rect", { x: box.left, y: box.top, width: legendWidth, height: 3 * line + 8, class: "legend" }));
            legend.forEach(([label, kind], i) => {
                const ly = box.top + 4 + (i + 0.5) * line;
                parts.push(svg("line", { x1: box.left + 5, x2: box.left + 31, y1: ly, y2: ly, class: kind }),
                           svg("text", { x: box.left + 36, y: ly + 4.5 }, label));
            });

            const w = curves.working;
            if (valid(w.al)) {
                const inside = w.gap >= firstGap * (1 - 1e-9) && w.gap <= lastGap * (1 + 1e-9)
                               && w.al >= 10 ** firstDecade && w.al <= 10 ** lastDecade;
                const mx = round(x(Math.min(Math.max(w.gap, firstGap), lastGap)));
                const my = round(y(Math.min(Math.max(w.al, 10 ** firstDecade), 10 ** lastDecade)));
                if (inside)
                    parts.push(svg("path", { d: `M${mx} ${area.bottom}V${my}H${area.left}`, class: "guide" }));
                parts.push(svg("circle", { cx: mx, cy: my, r: 4.5, class: inside ? "working" : "working outside" }));
                // The figures go above and right of the mark, where both falling curves leave room, else
                // in the first other corner that keeps them inside the axes and off the legend.
                const labelWidth = Math.max(...w.lines.map((text) => text.length)) * 7.4 + 8;
                const labelHeight = w.lines.length * line + 4;
                const corners = [[mx + 9, my - labelHeight - 8], [mx - 9 - labelWidth, my + 7],
                                 [mx + 9, my + 7], [mx - 9 - labelWidth, my - labelHeight - 8]];
                const fits = ([cx, cy]) => cx >= area.left + 2 && cx + labelWidth <= area.right - 2
                                           && cy >= area.top + 2 && cy + labelHeight <= area.bottom - 2
                                           && (cx > box.right || cx + labelWidth < box.left || cy > box.bottom
                                               || cy + labelHeight < box.top);
                let [lx, ly] = corners.find(fits) || corners[1];
                lx = Math.min(Math.max(lx, area.left + 2), Math.max(area.left + 2, area.right - labelWidth - 2));
                ly = Math.min(Math.max(ly, area.top + 2), Math.max(area.top + 2, area.bottom - labelHeight - 2));
                const label = svg("g", { id: "workingPoint", class: "working-label" });
                label.append(svg("rect", { x: round(lx), y: round(ly), width: round(labelWidth), height: labelHeight }));
                w.lines.forEach((text, i) => label.append(svg("text", { x: round(lx + 4), y: round(ly + (i + 1) * line - 1) },
                                                              text)));
                parts.push(label);
            }
        }
        plot.setAttribute("viewBox", `0 0 ${width} ${height}`);
        plot.setAttribute("width", width);
        plot.setAttribute("height", height);
        plot.replaceChildren(svg("title", {}, "电感系数 AL 与气隙 lg 的关系（对数坐标）"), ...parts);
    }

    route();
})();
