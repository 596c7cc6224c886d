// A calculator: one core's window on the page (see page.js for the whole).
(function () {
    "use strict";

    const page = window.FerricalcPage;
    const { CUSTOM, NBSP, SEPARATOR, ferricalc, element } = page;
    const UNITS = { Le: "mm", Ae: "mm²", Ve: "mm³" };
    const PUBLISHED = ["Le", "Ae", "Ve"];
    const STALE = "上次计算的结果";  // the tooltip of a result the last 计算 did not write

    class Calculator {
        constructor(core, openedFromSelector) {
            this.core = core;
            this.title = core.option;
            this.openedFromSelector = openedFromSelector;  // so that 返回 goes back in the history rather than adds to it
            this.chosen = null;  // the catalogue core whose texts fill the fields
            this.filling = false;
            this.designTexts = null;  // the fields of the last 计算 once one has succeeded, which 设计… designs
            this.designStandard = "";  // the catalogue core those fields are, "" for the user's own
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
            this.returnButton.addEventListener("click", () => page.goBack(this.openedFromSelector, ""));
            this.copyButton.addEventListener("click", () => this.copyResults());
            this.onCopy = (event) => this.copyEvent(event);
            document.addEventListener("copy", this.onCopy);
        }

        show() {
            page.host.replaceChildren(this.window);
        }

        hide() {}

        close() {
            document.removeEventListener("copy", this.onCopy);
        }

        focusFirst() {
            this.fields[0].focus();
        }

        // The design of the last 计算, made once and kept with what was typed in it; null before a
        // 计算 has succeeded. After a failed one it says that the core no longer calculates.
        design() {
            if (this.designTexts === null || (this.designView === null && this.designButton.disabled))
                return null;
            if (this.designView === null)
                this.designView = new page.DesignView(this.core, () => page.goBack(true, "#" + this.core.name),
                                                 () => this.designButton.focus());
            this.designView.setFieldTexts(this.designTexts, this.designStandard);
            return this.designView;
        }

        // A row of 磁芯选型 ({core, material, gap, turns, wire, requirement}): the standard core
        // chosen and calculated, and the design made ready with the row's figures, so that 设计…
        // shows them; 返回 goes back to the adviser.
        adoptAdvice(advice) {
            const entry = this.standards.findIndex((standard) => standard.name === advice.core);
            if (entry < 0)
                return;
            this.openedFromSelector = true;
            this.choose(entry);
            this.calculate().then(() => {
                const view = this.design();
                if (view === null)
                    return;
                view.adoptAdvice(advice);
                if (page.current === this)
                    this.designButton.focus();
            });
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
            if (page.current !== this)
                return;
            const texts = this.fields.map((field) => field.value);
            const result = api.calculateTexts(this.core.name, texts, SEPARATOR);
            // As in the windows, a failure stops the writing and what was written before it stays;
            // each result written gives its unrounded value as its tooltip. A result this 计算 did
            // not write keeps its text but shows that it is stale until a 计算 writes it.
            this.outputs.forEach((output, i) => {
                if (i < result.written) {
                    output.value = result.texts[i];
                    output.title = result.unrounded[i];
                    output.classList.remove("stale");
                } else if (output.value !== "") {
                    output.title = STALE;
                    output.classList.add("stale");
                }
            });
            this.showCalculation(result, api);
            if (result.stage === 0 || this.designTexts !== null) {
                this.designTexts = texts;
                this.designStandard = this.chosen === null ? "" : this.chosen.name;
            }
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

        // The entry's name from its beginning, where the box is narrower than the name (the whole
        // name is its tooltip).
        showEntry() {
            this.combo.value = this.entryName();
            this.combo.title = this.entryName();
            this.combo.setSelectionRange(0, 0);
            this.combo.scrollLeft = 0;
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
            if (fieldSelection || pageSelection || !ferricalc.calculateTexts || page.current !== this)
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

    page.Calculator = Calculator;
})();
