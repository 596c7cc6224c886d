// 磁芯选型 at #advise: every standard core designed for an inductor's
// requirement and ranked (calc/advisor through the module), as the desktop's
// window has it: the requirement and the limits, the families and materials to
// consider, a table sortable by any column (the feasible first, the misses
// greyed with their reason) and total loss against Ve on log axes with the
// designs no other beats in both marked and joined. Enter or a click on a row
// opens that core's calculator, calculated, with its design set to the row.
(function () {
    "use strict";

    const page = window.FerricalcPage;
    const { data, SEPARATOR, ferricalc, element, svg, fill } = page;

    // The requirement's boxes: the design's or the losses' kind of input, which reads and checks them.
    const REQUIREMENT = [
        { name: "inductance", caption: qsTr("电感 L"), unit: "µH", design: "inductance", start: "100" },
        { name: "current", caption: qsTr("峰值电流 Î"), unit: "A", design: "current", start: "1",
          tip: qsTr("直流电流加纹波的一半；") },
        { name: "ripple", caption: qsTr("纹波 ΔI"), unit: "A", loss: "ripple", start: "0", tip: qsTr("峰峰值；") },
        { name: "frequency", caption: qsTr("频率 f"), unit: "Hz", loss: "frequency", start: "100k", tip: qsTr("可写 100k、1.5M；") },
        { name: "duty", caption: qsTr("占空比 D"), unit: "", loss: "duty", start: "0.5" },
        { name: "temperature", caption: qsTr("磁芯温度"), unit: "°C", loss: "temperature", start: "100" },
    ];
    // The limits, plain numbers in their ranges (the window's boxes').
    const LIMITS = [
        { name: "maxRise", caption: qsTr("温升 ΔT 至多"), unit: "K", min: 1, max: 200, start: "40" },
        { name: "maxShare", caption: qsTr("B̂max 至多"), unit: "% Bsat", min: 10, max: 100, start: "80" },
        { name: "maxFill", caption: qsTr("窗口填充至多"), unit: "%", min: 5, max: 100, start: "50" },
    ];
    const RANKINGS = [["volume", qsTr("体积最小")], ["loss", qsTr("损耗最小")], ["mass", qsTr("质量最小")]];
    // How the summary says the order the feasible rows are in.
    const RANKED = { volume: () => qsTr("按体积排序"), loss: () => qsTr("按损耗排序"), mass: () => qsTr("按质量排序") };
    // The table's columns: caption, and the row's cell (ferricalc.adviceRows' columns) it shows.
    const COLUMNS = [[qsTr("磁芯"), 0], [qsTr("材料"), 2], [qsTr("气隙 mm"), 3], ["N", 4], [qsTr("线径 mm"), 5], ["B̂max mT", 6],
                     ["Bsat %", 7], [qsTr("磁芯损耗 W"), 8], [qsTr("铜损 W"), 9], ["ΔT K", 10], ["Ve mm³", 11], [qsTr("质量 g"), 12],
                     [qsTr("结论"), -1]];
    const SHOWN_ROWS = 100;  // rows drawn at first (a longer table takes long to lay out); the rest on asking
    const PAUSE = 150;  // ms of no typing before the adviser runs
    const NONE = "—";

    class AdviseView {
        get title() {
            return qsTr("磁芯选型");
        }

        constructor() {
            this.core = null;
            this.language = page.language;  // the language its texts were written in
            this.wide = true;
            this.rows = [];
            this.order = null;  // the rows in the table's order
            this.sortColumn = -1;  // the adviser's order until a header is clicked
            this.ascending = true;
            this.allShown = false;
            this.timer = 0;
            this.inputs = {};
            this.build();
        }

        build() {
            let groups = 0;
            const group = (caption, ...rows) => {
                const id = "adviseGroup" + ++groups;
                return element("div", { class: "group", role: "group", "aria-labelledby": id },
                               element("span", { id, class: "legend kai", text: caption }), ...rows);
            };
            const need = group(qsTr("要求"), ...REQUIREMENT.map((box) => this.inputRow(box)));
            this.ranking = element("select", { id: "ranking" },
                                   ...RANKINGS.map(([value, text]) => element("option", { value, text })));
            const limits = group(qsTr("限值"), ...LIMITS.map((box) => this.inputRow(box)),
                                 element("div", { class: "row" },
                                         element("label", { class: "caption", for: "ranking", text: qsTr("排序") }),
                                         this.ranking));

            const checkList = (id, caption, items) => element("fieldset", { id, class: "checks" },
                element("legend", { class: "kai", text: caption }),
                ...items.map(([value, text, checked]) => element("label", {},
                    element("input", { type: "checkbox", value, checked }), text)));
            this.families = checkList("families", qsTr("磁芯类型"), data.cores.filter((core) => core.catalogue.length > 0)
                .map((core) => [core.name, page.option(core), true]));
            this.materialChoices = data.materials.filter((m) => m.lossFit && m.bsat100 !== null);
            this.materials = checkList("materials", qsTr("材料"), this.materialChoices.map((m) =>
                [m.name, fill(qsTr("%1（%2）"), m.name, m.manufacturer), m.name === "N87"]));

            this.summary = element("p", { id: "adviseSummary", class: "heading kai", "aria-live": "polite" });
            this.status = element("p", { id: "adviseStatus", class: "message", role: "alert" });
            this.headRow = element("tr", {}, ...COLUMNS.map(([caption], i) => element("th", { scope: "col" },
                element("button", { type: "button", class: "sort", "data-column": i, text: caption,
                                    title: qsTr("按此列排序（再按一次倒序）") }))));
            this.body = element("tbody", {});
            this.table = element("table", { id: "adviceTable", "aria-describedby": "adviseSummary" },
                                 element("thead", {}, this.headRow), this.body);
            this.more = element("button", { id: "adviceMore", type: "button", class: "small", hidden: true });
            this.plot = svg("svg", { id: "advicePlot", role: "img", "aria-labelledby": "advicePlotTitle" });
            const returnButton = element("button", { id: "adviseReturn", type: "button", text: qsTr("返回") });
            this.window = element("section", { id: "adviseWindow", class: "window advise", "aria-labelledby": "adviseTitle" },
                                  element("h2", { id: "adviseTitle", class: "window-title kai", text: qsTr("磁芯选型") }),
                                  element("div", { class: "column inputs" }, need, limits, this.families, this.materials),
                                  element("div", { class: "results-side" },
                                          element("div", { class: "top" }, this.summary, this.status),
                                          element("div", { class: "table-box" }, this.table), this.more,
                                          element("figure", { class: "plot" },
                                                  element("figcaption", { id: "advicePlotTitle", class: "kai",
                                                                          text: qsTr("总损耗与体积（红：没有别的设计既更小又更凉）") }),
                                                  this.plot)),
                                  element("div", { class: "buttons" }, returnButton));

            this.ranking.addEventListener("change", () => this.schedule(0));
            for (const list of [this.families, this.materials])
                list.addEventListener("change", () => this.schedule(0));
            this.headRow.addEventListener("click", (event) => {
                const button = event.target.closest("button");
                if (button)
                    this.sortBy(Number(button.dataset.column));
            });
            this.body.addEventListener("click", (event) => {
                const row = event.target.closest("tr");
                if (row)
                    this.open(Number(row.dataset.row));
            });
            this.body.addEventListener("keydown", (event) => this.rowKey(event));
            this.more.addEventListener("click", () => {
                this.allShown = true;
                this.drawTable();
            });
            returnButton.addEventListener("click", () => page.goBack(this.cameFromDesign, ""));
            if (window.ResizeObserver) {
                let width = 0;
                new ResizeObserver(() => {
                    if (this.plot.clientWidth !== width) {
                        width = this.plotWidth = this.plot.clientWidth;
                        this.drawPlot();
                    }
                }).observe(this.plot);
            }
        }

        inputRow(box) {
            const field = element("input", { id: box.name, type: "text", inputmode: "decimal", autocomplete: "off",
                                             spellcheck: "false", "aria-describedby": box.name + "Refusal" });
            field.value = box.start;
            const refusal = element("span", { id: box.name + "Refusal", class: "refusal", "aria-live": "polite" });
            this.inputs[box.name] = { box, field, refusal };
            field.title = this.rangeTip(box);
            field.addEventListener("input", () => this.schedule(PAUSE));
            // Enter moves along the boxes, as in the design window.
            field.addEventListener("keydown", (event) => {
                if (event.key !== "Enter" || event.isComposing)
                    return;
                event.preventDefault();
                const boxes = [...this.window.querySelectorAll(".inputs input[type=text], #ranking")];
                const next = boxes[boxes.indexOf(field) + 1];
                if (next) {
                    next.focus();
                    if (next.select)
                        next.select();
                }
            });
            return element("div", { class: "row input" },
                           element("label", { class: "caption", for: box.name, text: box.caption }),
                           element("span", { class: "entry" }, field,
                                   box.unit ? element("span", { class: "unit", text: box.unit }) : ""),
                           refusal);
        }

        // A box's tooltip: what it holds, then its range.
        rangeTip(box) {
            const range = box.design ? data.designInputs[box.design] : box.loss ? data.lossInputs[box.loss] : box;
            return page.retranslate(box.tip || "")
                + fill(qsTr("范围 %1 – %2"), range.min + (range.minOpen ? qsTr("（不含）") : ""),
                       range.max + (range.maxOpen ? qsTr("（不含）") : "") + (box.unit ? " " + box.unit : ""));
        }

        // After a switch of language: the tooltips, and the advice as the module words it now.
        relocalize() {
            for (const { box, field } of Object.values(this.inputs))
                field.title = this.rangeTip(box);
            if (this.order !== null)
                this.advise();
        }

        // The requirement from a design view ({inductance, current, ripple, frequency, duty,
        // temperature as texts, material by name}); absent ones keep what the boxes hold.
        setRequirement(requirement, cameFromDesign) {
            this.cameFromDesign = cameFromDesign;
            for (const box of REQUIREMENT)
                if (requirement[box.name] !== undefined && requirement[box.name] !== null && requirement[box.name] !== "")
                    this.inputs[box.name].field.value = String(requirement[box.name]);
            if (requirement.material && this.materialChoices.some((m) => m.name === requirement.material))
                for (const check of this.materials.querySelectorAll("input"))
                    check.checked = check.value === requirement.material;
            this.schedule(0);
        }

        show() {
            page.host.replaceChildren(this.window);
            if (this.order === null)
                this.schedule(0);
            this.drawPlot();
        }

        hide() {}

        close() {}

        focusFirst() {
            this.inputs.inductance.field.focus();
            this.inputs.inductance.field.select();
        }

        // ---- Advising ----

        schedule(pause) {
            clearTimeout(this.timer);
            this.timer = setTimeout(() => this.advise(), pause);
        }

        // Each box read as the design reads it; null with the reason at the box where one is refused.
        readRequirement() {
            const requirement = {};
            let refused = false;
            for (const { box, field, refusal } of Object.values(this.inputs)) {
                let value = null;
                let reason = "";
                if (box.design) {
                    ({ value, reason } = ferricalc.readDesignInput(box.design, field.value, SEPARATOR));
                } else if (box.loss) {
                    ({ value, reason } = ferricalc.readLossInput(box.loss, field.value, SEPARATOR));
                } else {
                    value = ferricalc.parse(field.value, SEPARATOR);
                    if (value !== null && !(value >= box.min && value <= box.max))
                        reason = fill(qsTr("范围 %1 – %2"), box.min, box.max + " " + box.unit);
                }
                if (value === null && !reason)
                    reason = field.value.trim() === "" ? qsTr("不能为空") : qsTr("不是数字");
                if (box.name === "ripple" && value !== null && requirement.current !== undefined
                    && value > 2 * requirement.current)
                    reason = qsTr("纹波电流不能超过峰值电流的两倍");
                refusal.textContent = reason;
                field.setAttribute("aria-invalid", reason ? "true" : "false");
                refused = refused || reason !== "";
                requirement[box.name] = value;
            }
            return refused ? null : requirement;
        }

        checked(list) {
            return [...list.querySelectorAll("input:checked")].map((check) => check.value);
        }

        advise() {
            if (!ferricalc.adviceRows) {
                ferricalc.ready.then(() => this.schedule(0), () => {});  // an address opened before the module loaded
                return;
            }
            const requirement = this.readRequirement();
            this.requirement = requirement;
            const families = this.checked(this.families);
            const materials = this.checked(this.materials);
            let rows = [];
            if (requirement === null)
                this.status.textContent = qsTr("要求有误：见各栏旁的说明");
            else if (families.length === 0 || materials.length === 0)
                this.status.textContent = qsTr("请至少选一种磁芯类型和一种材料");
            else {
                const start = performance.now();
                rows = ferricalc.adviceRows(requirement, families, materials, this.ranking.value) || [];
                this.took = performance.now() - start;
                this.status.textContent = "";
            }
            this.rows = rows;
            this.rows.forEach((row, i) => { row.index = i; });
            this.markBest();
            this.allShown = false;
            this.sortColumn = -1;
            this.order = rows.slice();
            const feasible = rows.filter((row) => row.feasible).length;
            this.summary.textContent = rows.length === 0 ? ""
                : fill(feasible > 0 ? qsTr("可行 %1 / %2（%3）") : qsTr("可行 %1 / %2（没有磁芯满足要求，列出最接近的）"),
                       feasible, rows.length, RANKED[this.ranking.value]());
            this.drawTable();
            this.drawPlot();
        }

        // The feasible designs that no other feasible design beats in both Ve and total loss.
        markBest() {
            const feasible = this.rows.filter((row) => row.feasible && row.totalLoss > 0);
            const ve = (row) => row.values[11];
            for (const row of this.rows)
                row.best = row.feasible && row.totalLoss > 0 && !feasible.some((other) =>
                    ve(other) <= ve(row) && other.totalLoss <= row.totalLoss
                    && (ve(other) < ve(row) || other.totalLoss < row.totalLoss));
        }

        // ---- The table ----

        sortBy(column) {
            this.ascending = this.sortColumn === column ? !this.ascending : true;
            this.sortColumn = column;
            const cell = COLUMNS[column][1];
            const key = (row) => (cell < 0 ? row.verdict : cell <= 2 ? row.cells[cell] : row.values[cell]);
            const sign = this.ascending ? 1 : -1;
            // The feasible stay first; an absent figure goes last either way.
            this.order = this.rows.slice().sort((a, b) => {
                if (a.feasible !== b.feasible)
                    return a.feasible ? -1 : 1;
                const [p, q] = [key(a), key(b)];
                if (p === null || q === null)
                    return p === q ? a.index - b.index : p === null ? 1 : -1;
                const order = typeof p === "number" ? p - q : p.localeCompare(q, "zh");
                return order !== 0 ? sign * order : a.index - b.index;
            });
            this.drawTable();
        }

        drawTable() {
            COLUMNS.forEach((column, i) => {
                const th = this.headRow.children[i];
                if (i === this.sortColumn)
                    th.setAttribute("aria-sort", this.ascending ? "ascending" : "descending");
                else
                    th.removeAttribute("aria-sort");
            });
            const shown = this.allShown ? this.order : this.order.slice(0, SHOWN_ROWS);
            const fragment = document.createDocumentFragment();
            shown.forEach((row, position) => {
                const tr = element("tr", { "data-row": row.index, tabindex: position === 0 ? "0" : "-1",
                                           class: row.feasible ? (row.best ? "best" : null) : "miss",
                                           title: row.feasible ? qsTr("回车或单击：在计算器中打开此设计") : row.verdict });
                for (const [, cell] of COLUMNS) {
                    const text = cell < 0 ? row.verdict : row.cells[cell] === "-" ? NONE : row.cells[cell];
                    tr.append(element("td", { class: cell > 2 ? "number" : null, text }));
                }
                fragment.append(tr);
            });
            this.body.replaceChildren(fragment);
            const rest = this.order.length - shown.length;
            this.more.hidden = rest <= 0;
            this.more.textContent = fill(qsTr("另有 %1 行，全部列出"), rest);
        }

        rowKey(event) {
            const row = event.target.closest("tr");
            if (!row)
                return;
            const rows = [...this.body.children];
            const at = rows.indexOf(row);
            const go = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: rows.length - 1,
                         PageDown: at + 10, PageUp: at - 10 }[event.key];
            if (event.key === "Enter" || event.key === " ") {
                event.preventDefault();
                this.open(Number(row.dataset.row));
            } else if (go !== undefined) {
                event.preventDefault();
                const next = rows[Math.max(0, Math.min(rows.length - 1, go))];
                row.tabIndex = -1;
                next.tabIndex = 0;
                next.focus();
            }
        }

        // The row's core in its family's calculator, calculated, with its design set to the row.
        open(index) {
            const row = this.rows[index];
            if (!row || this.requirement === null)
                return;
            const texts = Object.fromEntries(REQUIREMENT.map((box) => [box.name, this.inputs[box.name].field.value]));
            page.pendingAdvice = { family: row.cells[1], core: row.cells[0], material: row.cells[2],
                                   gap: row.cells[3], turns: row.cells[4], wire: row.cells[5] === "-" ? "" : row.cells[5],
                                   requirement: texts };
            location.hash = "#" + row.cells[1];
        }

        // ---- Total loss against volume ----

        drawPlot() {
            if (!this.plot.isConnected)
                return;
            // The width the plot last had: asking it anew would lay out the table just drawn.
            const width = Math.max(300, this.plotWidth || this.plot.clientWidth || 600);
            const height = Math.round(Math.min(360, Math.max(220, width * 0.45)));
            const line = 15;
            const points = this.rows.filter((row) => row.feasible && row.totalLoss > 0 && row.values[11] > 0);
            const decades = (values) => {
                if (values.length === 0)
                    return [0, 1];
                const first = Math.floor(Math.log10(Math.min(...values)));
                return [first, Math.max(first + 1, Math.ceil(Math.log10(Math.max(...values))))];
            };
            const [x0, x1] = points.length ? decades(points.map((row) => row.values[11])) : [2, 5];
            const [y0, y1] = points.length ? decades(points.map((row) => row.totalLoss)) : [-2, 1];
            // 10^k as an axis of several decades writes it: 0.1, 1, 10, 100, 10³ …
            const SUPERSCRIPTS = "⁰¹²³⁴⁵⁶⁷⁸⁹";
            const label = (k) => (k >= -1 && k <= 2 ? (10 ** k).toFixed(Math.max(0, -k))
                : "10" + (k < 0 ? "⁻" : "") + [...String(Math.abs(k))].map((digit) => SUPERSCRIPTS[digit]).join(""));
            const labelWidth = Math.max(...[y0, y1].map((k) => label(k).length)) * 7.2;
            const area = { left: labelWidth + 14, top: line + 12, right: width - 12, bottom: height - 2 * line - 14 };
            const x = (v) => area.left + (Math.log10(v) - x0) / (x1 - x0) * (area.right - area.left);
            const y = (v) => area.bottom - (Math.log10(v) - y0) / (y1 - y0) * (area.bottom - area.top);
            const round = (v) => Math.round(v * 10) / 10;
            const parts = [svg("rect", { x: 0, y: 0, width, height, class: "paper" })];
            for (let k = x0; k <= x1; ++k)
                for (let m = 1; m <= (k === x1 ? 1 : 9); ++m)
                    parts.push(svg("line", { x1: round(x(m * 10 ** k)), x2: round(x(m * 10 ** k)), y1: area.top,
                                             y2: area.bottom, class: m === 1 ? "grid decade" : "grid" }));
            for (let k = y0; k <= y1; ++k)
                for (let m = 1; m <= (k === y1 ? 1 : 9); ++m)
                    parts.push(svg("line", { x1: area.left, x2: area.right, y1: round(y(m * 10 ** k)),
                                             y2: round(y(m * 10 ** k)), class: m === 1 ? "grid decade" : "grid" }));
            parts.push(svg("rect", { x: area.left, y: area.top, width: round(area.right - area.left),
                                     height: round(area.bottom - area.top), class: "frame" }));
            for (let k = x0; k <= x1; ++k)
                parts.push(svg("text", { x: round(x(10 ** k)), y: round(area.bottom + line), "text-anchor": "middle" },
                               label(k)));
            for (let k = y0; k <= y1; ++k)
                parts.push(svg("text", { x: area.left - 5, y: round(y(10 ** k) + 4.5), "text-anchor": "end" }, label(k)));
            parts.push(svg("text", { x: round((area.left + area.right) / 2), y: round(area.bottom + 2 * line + 4),
                                     "text-anchor": "middle" }, "Ve / mm³"));
            parts.push(svg("text", { x: 2, y: line }, qsTr("总损耗 / W")));
            const name = (row) => fill(qsTr("%1 %2：Ve %3 mm³，%4 W"), row.cells[0], row.cells[2], row.cells[11],
                                       (row.totalLoss).toFixed(3));
            for (const row of points.filter((r) => !r.best)) {
                const dot = svg("circle", { cx: round(x(row.values[11])), cy: round(y(row.totalLoss)), r: 2.5,
                                            class: "design" });
                dot.append(svg("title", {}, name(row)));
                parts.push(dot);
            }
            const front = points.filter((row) => row.best).sort((a, b) => a.values[11] - b.values[11]);
            if (front.length > 1)
                parts.push(svg("path", { class: "front", d: front.map((row, i) => (i === 0 ? "M" : "L")
                    + round(x(row.values[11])) + " " + round(y(row.totalLoss))).join("") }));
            for (const row of front) {
                const dot = svg("circle", { cx: round(x(row.values[11])), cy: round(y(row.totalLoss)), r: 3.5,
                                            class: "best" });
                dot.append(svg("title", {}, name(row)));
                parts.push(dot);
            }
            if (points.length === 0 && this.rows.length > 0)
                parts.push(svg("text", { x: round((area.left + area.right) / 2), y: round((area.top + area.bottom) / 2),
                                         "text-anchor": "middle" }, qsTr("没有可行的设计")));
            this.plot.setAttribute("viewBox", "0 0 " + width + " " + height);
            this.plot.setAttribute("width", width);
            this.plot.setAttribute("height", height);
            this.plot.replaceChildren(...parts);
        }
    }

    // The one adviser of the page, kept with what was typed in it.
    let view = null;
    page.adviseView = () => (view === null ? (view = new AdviseView()) : view);
    page.AdviseView = AdviseView;
})();
