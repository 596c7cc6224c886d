// A calculator: one core's window on the page (see page.js for the whole).
(function () {
    "use strict";

    const page = window.FerricalcPage;
    const { NBSP, SEPARATOR, ferricalc, element, fill } = page;
    const UNITS = { Le: "mm", Ae: "mm²", Ve: "mm³" };
    const PUBLISHED = ["Le", "Ae", "Ve"];
    const STALE = () => qsTr("上次计算的结果");  // the tooltip of a result the last 计算 did not write
    const LAST = () => qsTr("上次计算");  // the entry of 标准型号 that gives the fields of the last successful 计算
    const OWN_HEADING = () => qsTr("—— 自定义型号 ——");

    class Calculator {
        constructor(core, openedFromSelector) {
            this.core = core;
            this.language = page.language;  // the language its texts were written in
            this.openedFromSelector = openedFromSelector;  // so that 返回 goes back in the history rather than adds to it
            this.chosen = null;  // the catalogue core whose texts fill the fields
            this.filling = false;
            this.designTexts = null;  // the fields of the last 计算 once one has succeeded, which 设计… designs
            this.designStandard = "";  // the catalogue core those fields are, "" for the user's own
            this.designView = null;
            this.build();
        }

        get title() {
            return page.option(this.core);
        }

        build() {
            const core = this.core;
            const drawing = element("figure", { class: "drawing" },
                                    element("img", { id: "Picture1", src: core.drawing.file, width: core.drawing.width,
                                                     height: core.drawing.height, alt: fill(qsTr("%1磁芯的尺寸图"), page.option(core)) }));
            if (core.note)
                drawing.append(element("figcaption", { id: core.note.id, class: "note kai", text: page.noteText(core.note) }));

            this.fields = core.fields.map((field) => element("input", {
                id: field.id, type: "text", title: page.meaning(field), inputmode: "decimal", autocomplete: "off",
                spellcheck: "false", "aria-label": fill(qsTr("%1（%2）"), field.letter, page.meaning(field)),
            }));
            const fieldList = element("div", { class: "fields" });
            core.fields.forEach((field, i) => {
                this.fields[i].value = field.start;
                fieldList.append(element("div", { class: "field" },
                                         element("label", { id: field.captionId, for: field.id, title: page.meaning(field),
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
            this.calculateButton = element("button", { id: "Command1", type: "button", text: qsTr("计算") });
            this.designButton = element("button", { id: "designButton", type: "button", text: qsTr("设计…"), disabled: true,
                                                    title: qsTr("由计算所得的磁芯求 AL、气隙、匝数、电感和磁通密度") });
            this.returnButton = element("button", { id: "Command2", type: "button", text: qsTr("返回") });
            this.copyButton = element("button", { id: "copyResults", type: "button", class: "secondary",
                                                  text: qsTr("复制结果"), title: qsTr("把各尺寸和结果复制为两行，以制表符分隔") });

            this.window = element("section", { id: core.form, class: "window", "aria-labelledby": "windowTitle" },
                                  element("h2", { id: "windowTitle", class: "window-title kai", text: page.option(core) }),
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
            if (!this.chooseStandard(advice.core))
                return;
            this.openedFromSelector = true;
            this.calculate().then(() => {
                const view = this.design();
                if (view === null)
                    return;
                view.adoptAdvice(advice);
                if (page.current === this)
                    this.designButton.focus();
            });
        }

        // A design file ({core, texts, design, ignored}): its dimensions in the fields and
        // calculated, then its design with its inputs.
        adoptDesign(file, fileName) {
            this.filling = true;
            this.fields.forEach((field, i) => { field.value = file.texts[i]; });
            this.filling = false;
            this.returnToCustom();
            this.calculate().then(() => {
                const view = this.design();
                if (view === null) {
                    this.showLibraryLine(fill(qsTr("设计文件 %1 的磁芯尺寸无法计算，设计未打开。"), fileName));
                    return;
                }
                view.adoptDesign(file, fileName);
                location.hash = "#" + this.core.name + "/design";
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

        // Written with then() rather than as an async method, which lupdate's parser does not read.
        calculate() {
            this.showMessage("");
            this.showAdvisory("");
            return ferricalc.ready.then((api) => this.calculateWith(api),
                                        () => this.showMessage(qsTr("无法载入计算模块，不能计算。")));
        }

        calculateWith(api) {
            if (page.current !== this)
                return;
            const texts = this.fields.map((field) => field.value);
            const result = api.calculateTexts(this.core.name, texts, SEPARATOR);
            this.lastTexts = texts;
            // As in the windows, a failure stops the writing and what was written before it stays;
            // each result written gives its unrounded value as its tooltip. A result this 计算 did
            // not write keeps its text but shows that it is stale until a 计算 writes it.
            this.outputs.forEach((output, i) => {
                if (i < result.written) {
                    output.value = result.texts[i];
                    output.title = result.unrounded[i];
                    output.classList.remove("stale");
                } else if (output.value !== "") {
                    output.title = STALE();
                    output.classList.add("stale");
                }
            });
            this.showCalculation(result, api);
            if (result.stage === 0 || this.designTexts !== null) {
                this.designTexts = texts;
                this.designStandard = this.chosen !== null && this.chosen.kind === "standard" ? this.chosen.name : "";
            }
            if (result.stage === 0)
                page.store.rememberLast(this.core, texts);  // offered as 上次计算; storage refused costs nothing else
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

        // After a switch of language: the entry's name, and the last 计算's lines and tooltips as
        // the module words them now (the same texts calculate the same).
        relocalize() {
            this.showEntry();
            if (this.chosen !== null)
                this.reference.textContent = this.dataSheetLine();
            if (!this.lastTexts || !ferricalc.calculateTexts)
                return;
            const result = ferricalc.calculateTexts(this.core.name, this.lastTexts, SEPARATOR);
            this.outputs.forEach((output, i) => {
                if (output.classList.contains("stale"))
                    output.title = STALE();
                else if (i < result.written)
                    output.title = result.unrounded[i];
            });
            this.showCalculation(result, ferricalc);
            this.showAdvisory(result.advice.join("\n"));
            this.showMessage(result.stage !== 0 && !result.adviceExplainsFailure ? result.message : "");
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

        // The list's entries: 自定义, 上次计算 (the fields of this core type's last successful
        // 计算), the user's own cores under a heading of their own, then the catalogue. An entry is
        // {kind, name, texts} with the catalogue's datasheet for a standard core.
        entries() {
            const store = page.store;
            const entries = [{ kind: "custom", name: page.CUSTOM }];
            const last = store.lastTexts(this.core);
            if (last)
                entries.push({ kind: "last", name: LAST(), texts: last });
            const loaded = store.library.load();
            this.showLibraryLine(loaded.notice);
            const own = store.library.ofFamily(loaded.cores, this.core.name);
            if (own.length > 0)
                entries.push({ kind: "heading", name: OWN_HEADING() },
                             ...own.map((core) => ({ kind: "user", name: core.name, texts: core.texts })));
            return entries.concat(this.standards.map((standard) => ({ kind: "standard", name: standard.name,
                                                                       texts: standard.texts, standard })));
        }

        buildCatalogue() {
            this.standards = this.core.catalogue;
            this.combo = element("input", { id: "catalogComboBox", type: "text", role: "combobox",
                                            "aria-autocomplete": "list", "aria-expanded": "false",
                                            "aria-controls": "catalogList", autocomplete: "off", spellcheck: "false" });
            this.combo.value = page.CUSTOM;
            this.list = element("ul", { id: "catalogList", role: "listbox", "aria-label": qsTr("标准型号"), hidden: true });
            this.reference = element("p", { id: "catalogReference", class: "reference", "aria-live": "polite" });
            this.shown = [];  // the entries the list shows, a heading among them
            this.active = -1;  // a position in shown, never a heading's

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
                const item = event.target.closest("li[role=option]");
                if (item)
                    this.choose(this.shown[Number(item.dataset.position)]);
            });
            return element("div", { class: "catalog" },
                           element("label", { id: "catalogCaption", for: "catalogComboBox", text: qsTr("标准型号:") }),
                           element("div", { class: "combo" }, this.combo, this.list), this.buildLibraryMenu(),
                           this.reference, this.libraryForm, this.libraryLine);
        }

        // The entries whose names hold `typed`, in any letter case; all of them for
        // the entry in force or an empty text.
        openList(typed) {
            const entries = this.entries();
            const part = typed.trim().toLowerCase();
            const showAll = part === "" || typed === this.entryName();
            this.shown = showAll ? entries
                                 : entries.filter((entry) => (entry.kind === "user" || entry.kind === "standard")
                                                  && entry.name.toLowerCase().includes(part));
            const own = this.shown.findIndex((entry) => entry.kind === "user");
            if (!showAll && own >= 0)
                this.shown.splice(own, 0, { kind: "heading", name: OWN_HEADING() });
            const inForce = this.shown.findIndex((entry) => entry.kind !== "heading" && this.isChosen(entry));
            this.active = showAll ? inForce : this.shown.findIndex((entry) => entry.kind !== "heading");
            this.list.replaceChildren(...this.shown.map((entry, position) => (entry.kind === "heading"
                ? element("li", { role: "presentation", class: "group-heading", text: entry.name })
                : element("li", { id: "catalogEntry" + position, role: "option", "data-position": position,
                                  "data-kind": entry.kind, "aria-selected": "false", text: entry.name }))));
            const open = this.shown.length > 0;
            this.list.hidden = !open;
            this.combo.setAttribute("aria-expanded", open ? "true" : "false");
            this.markActive();
        }

        isChosen(entry) {
            if (this.chosen === null)
                return entry.kind === "custom";
            return entry.kind === this.chosen.kind && entry.name === this.chosen.name;
        }

        closeList() {
            this.list.hidden = true;
            this.combo.setAttribute("aria-expanded", "false");
            this.combo.removeAttribute("aria-activedescendant");
        }

        markActive() {
            [...this.list.children].forEach((item, position) => {
                if (item.getAttribute("role") !== "option")
                    return;
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
                let next = this.active + step;
                while (next >= 0 && next < this.shown.length && this.shown[next].kind === "heading")
                    next += step;
                if (next >= 0 && next < this.shown.length)
                    this.active = next;
                this.markActive();
            } else if (event.key === "Enter") {
                event.preventDefault();
                const plain = (name) => name.trim().toLowerCase().replace(/\s+/g, "");
                const typed = plain(this.combo.value);
                const whole = this.entries().find((entry) => (entry.kind === "user" || entry.kind === "standard")
                                                             && plain(entry.name) === typed);
                if (open && this.active >= 0)
                    this.choose(this.shown[this.active]);
                else if (whole)
                    this.choose(whole);
                else
                    this.showEntry();
            } else if (event.key === "Escape" && open) {
                event.preventDefault();
                this.closeList();
                this.showEntry();
            }
        }

        entryName() {
            return this.chosen === null ? page.CUSTOM : this.chosen.name;
        }

        // The entry's name from its beginning, where the box is narrower than the name (the whole
        // name is its tooltip).
        showEntry() {
            this.combo.value = this.entryName();
            this.combo.title = this.entryName();
            this.combo.setSelectionRange(0, 0);
            this.combo.scrollLeft = 0;
            this.showLibraryChoices();
        }

        // Fills the fields from an entry of the list; 自定义 leaves them as they are.
        choose(entry) {
            this.closeList();
            if (entry.kind === "custom") {
                this.chosen = null;
                this.reference.textContent = "";
                this.showEntry();
                return;
            }
            this.filling = true;
            this.fields.forEach((field, i) => { field.value = entry.texts[i]; });
            this.filling = false;
            this.chosen = entry;
            this.showEntry();
            this.reference.textContent = this.dataSheetLine();
        }

        chooseStandard(name) {
            const standard = this.standards.find((s) => s.name === name);
            if (standard)
                this.choose({ kind: "standard", name, texts: standard.texts, standard });
            return standard !== undefined;
        }

        returnToCustom() {
            if (this.chosen === null && this.combo.value === page.CUSTOM)
                return;
            this.chosen = null;
            this.showEntry();
            this.reference.textContent = "";
        }

        // ---- 自定义型号: the user's own cores ----

        // A menu beside the list: save the fields under a name, rename or delete the one chosen,
        // and the library to or from a file. The name is asked and a deletion confirmed in a line
        // below the list, never in a dialog.
        buildLibraryMenu() {
            const item = (id, text, title) => element("button", { id, type: "button", role: "menuitem", text, title });
            this.saveCoreButton = item("saveCore", qsTr("保存为自定义型号…"), qsTr("把各尺寸以一个名称保存为自定义型号"));
            this.renameCoreButton = item("renameCore", qsTr("重命名…"), qsTr("重命名所选的自定义型号"));
            this.deleteCoreButton = item("deleteCore", qsTr("删除…"), qsTr("删除所选的自定义型号"));
            const exportButton = item("exportCores", qsTr("导出型号库…"), qsTr("把全部自定义型号存为 JSON 文件（桌面版可导入）"));
            const importButton = item("importCores", qsTr("导入型号库…"), qsTr("从 JSON 文件导入自定义型号，与已有的合并"));
            this.importInput = page.store.fileInput("importCoresFile", ".json,application/json",
                                                    (text) => this.importLibrary(text));
            this.libraryMenu = element("details", { id: "libraryMenu", class: "menu" },
                                       element("summary", { title: qsTr("自定义型号：保存、重命名、删除、导出与导入"),
                                                            text: qsTr("型号库") }),
                                       element("div", { role: "menu" }, this.saveCoreButton, this.renameCoreButton,
                                               this.deleteCoreButton, exportButton, importButton),
                                       this.importInput);
            this.libraryForm = element("div", { id: "libraryForm", class: "library-form", hidden: true });
            this.libraryLine = element("p", { id: "libraryLine", class: "library-line", role: "status", hidden: true });
            const closing = (act) => () => {
                this.libraryMenu.open = false;
                act();
            };
            this.saveCoreButton.addEventListener("click", closing(() => this.askName("save")));
            this.renameCoreButton.addEventListener("click", closing(() => this.askName("rename")));
            this.deleteCoreButton.addEventListener("click", closing(() => this.confirmDelete()));
            exportButton.addEventListener("click", closing(() => {
                page.store.download("ferricalc-cores.json", page.store.library.exportText());
            }));
            importButton.addEventListener("click", closing(() => this.importInput.click()));
            return this.libraryMenu;
        }

        showLibraryChoices() {
            if (!this.renameCoreButton)
                return;
            const own = this.chosen !== null && this.chosen.kind === "user";
            this.renameCoreButton.disabled = !own;
            this.deleteCoreButton.disabled = !own;
        }

        showLibraryLine(text) {
            this.libraryLine.textContent = text || "";
            this.libraryLine.hidden = !text;
        }

        closeLibraryForm(focus = true) {
            this.libraryForm.hidden = true;
            this.libraryForm.replaceChildren();
            if (focus)
                this.combo.focus();
        }

        // The line that asks for a name: to save the fields under, or the chosen core's new one.
        askName(purpose) {
            const renaming = purpose === "rename";
            const from = renaming ? this.chosen.name : "";
            const name = element("input", { id: "coreName", type: "text", autocomplete: "off", spellcheck: "false",
                                            "aria-label": qsTr("自定义型号的名称"), placeholder: qsTr("名称") });
            name.value = renaming ? from : (this.chosen && this.chosen.kind === "user" ? this.chosen.name : "");
            const ok = element("button", { id: "coreNameOk", type: "button", class: "small",
                                           text: renaming ? qsTr("重命名") : qsTr("保存") });
            const cancel = element("button", { id: "coreNameCancel", type: "button", class: "small", text: qsTr("取消") });
            const ask = element("span", { class: "refusal", id: "coreNameRefusal", "aria-live": "polite" });
            let replacing = "";  // the name the user was asked whether to replace
            const done = () => {
                const typed = name.value.trim();
                const cores = page.store.library.load().cores;
                if (!renaming && typed !== "" && typed !== replacing && cores.some((core) => core.name === typed)) {
                    replacing = typed;
                    ask.textContent = fill(qsTr("已有名为 %1 的自定义型号；再按保存替换它。"), typed);
                    ok.textContent = qsTr("替换");
                    return;
                }
                const result = renaming ? page.store.library.rename(from, typed)
                    : page.store.library.save({ name: typed, core: this.core.name,
                                                texts: this.fields.map((field) => field.value) });
                if (result.error) {
                    ask.textContent = result.error;
                    return;
                }
                this.closeLibraryForm();
                this.chosen = { kind: "user", name: typed, texts: this.fields.map((field) => field.value) };
                this.showEntry();
                this.reference.textContent = "";
                this.showLibraryLine([result.notice, fill(renaming ? qsTr("已重命名为 %1。") : qsTr("已保存为自定义型号 %1。"), typed)]
                                     .filter((t) => t).join(" "));
            };
            name.addEventListener("input", () => {
                replacing = "";
                ask.textContent = "";
                ok.textContent = renaming ? qsTr("重命名") : qsTr("保存");
            });
            name.addEventListener("keydown", (event) => {
                if (event.key === "Enter" && !event.isComposing) {
                    event.preventDefault();
                    done();
                } else if (event.key === "Escape") {
                    this.closeLibraryForm();
                }
            });
            ok.addEventListener("click", done);
            cancel.addEventListener("click", () => this.closeLibraryForm());
            this.libraryForm.replaceChildren(element("label", { for: "coreName",
                                                                text: renaming ? qsTr("新名称:") : qsTr("型号名称:") }),
                                             name, ok, cancel, ask);
            this.libraryForm.hidden = false;
            name.focus();
            name.select();
        }

        confirmDelete() {
            const name = this.chosen.name;
            const yes = element("button", { id: "deleteCoreOk", type: "button", class: "small", text: qsTr("删除") });
            const no = element("button", { id: "deleteCoreCancel", type: "button", class: "small", text: qsTr("取消") });
            yes.addEventListener("click", () => {
                const result = page.store.library.remove(name);
                this.closeLibraryForm();
                if (!result.error)
                    this.returnToCustom();
                this.showLibraryLine(result.error || [result.notice, fill(qsTr("已删除自定义型号 %1。"), name)]
                                     .filter((t) => t).join(" "));
            });
            no.addEventListener("click", () => this.closeLibraryForm());
            this.libraryForm.replaceChildren(element("span", { text: fill(qsTr("删除自定义型号 %1？"), name) }), yes, no);
            this.libraryForm.hidden = false;
            no.focus();
        }

        importLibrary(text) {
            const result = text === null ? { line: qsTr("无法读取所选的文件。") } : page.store.library.importText(text);
            this.showLibraryLine(result.line);
        }

        dataSheetLine() {
            if (this.chosen.kind !== "standard")
                return this.chosen.kind === "user" ? qsTr("自定义型号") : "";
            const sheet = this.chosen.standard.datasheet;
            const items = PUBLISHED.filter((q) => sheet[q]).map((q) => q + NBSP + sheet[q].text + NBSP + UNITS[q]);
            return items.length === 0 ? qsTr("数据手册: 无") : fill(qsTr("数据手册: %1"), items.join("  "));
        }

        showCalculation(result, api) {
            if (this.chosen === null || this.chosen.kind !== "standard")
                return;
            let line = this.dataSheetLine();
            const deviations = [];
            PUBLISHED.forEach((q) => {
                const index = FerricalcApi.QUANTITIES.indexOf(q);
                const figure = this.chosen.standard.datasheet[q];
                if (figure && index < result.written)
                    deviations.push(q + NBSP + api.deviation(result.values[index], figure.value, SEPARATOR) + NBSP + "%");
            });
            if (deviations.length > 0)
                line += "\n" + fill(qsTr("偏差: %1"), deviations.join("  "));
            this.reference.textContent = line;
        }

        // ---- Copy ----

        // The results of the fields as they stand, so an edit made after 计算 is
        // never copied beside results it did not give.
        resultRows(api) {
            const cell = (text) => text.replace(/[\t\r\n]/g, " ");
            const header = [qsTr("磁芯类型"), ...this.core.fields.map((field) => field.letter),
                            ...this.core.results.map((result) => result.name)];
            const texts = this.fields.map((field) => field.value);
            const result = api.calculateTexts(this.core.name, texts, SEPARATOR);
            const values = [page.option(this.core), ...texts.map(cell),
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
