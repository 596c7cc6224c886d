// 磁路设计: the magnetic design of a calculated core (see page.js for the whole).
(function () {
    "use strict";

    const page = window.FerricalcPage;
    const { data, SEPARATOR, ferricalc, element, SVG, fill } = page;

    // The design's inputs as the page's boxes have them: the design's kind of
    // input (its checks and its range, from the page's data, as every front
    // end has them), the unit, whether it may stay empty, and whether it must
    // be above zero. Bsat and the density start empty: unknown.
    const DESIGN_INPUTS = {
        muI: { kind: "mu_i", unit: "" },
        bsat: { kind: "bsat", unit: "mT", optional: true, positive: true },
        density: { kind: "density", unit: "kg/m³", optional: true, positive: true },
        gap: { kind: "gap", unit: "mm" },
        targetAl: { kind: "target_al", unit: "nH", optional: true },
        turns: { kind: "turns", unit: "", optional: true },
        inductance: { kind: "inductance", unit: "µH", optional: true },
        current: { kind: "current", unit: "A", optional: true },
    };
    // The loss group's inputs: their kind in the loss inputs' limits table (calc/losses), which
    // gives their range and start; the ripple and B̂ac start empty, the wire too.
    const LOSS_INPUTS = {
        frequency: { kind: "frequency", unit: "Hz", loss: true },
        duty: { kind: "duty", unit: "", loss: true },
        ripple: { kind: "ripple", unit: "A", optional: true, loss: true },
        bAc: { kind: "b_ac", unit: "mT", optional: true, loss: true, empty: true },
        temperature: { kind: "temperature", unit: "°C", loss: true },
        wire: { kind: "wire", unit: "mm", optional: true, loss: true },
        strands: { kind: "strands", unit: "", loss: true },
    };
    const LOSS_FIGURES = [["acFlux", "B_ac", "B̂ac", qsTr("交流磁通密度峰值：L·ΔI / (2·N·Ae)，或直接给出")],
                          ["lossDensity", "Pv", "Pv", qsTr("单位体积磁芯损耗（Steinmetz 拟合；三角波用 iGSE）")],
                          ["coreLoss", "P_core", qsTr("磁芯损耗"), "Pv × Ve"],
                          ["meanTurnLength", "MLT", qsTr("平均匝长 MLT"), qsTr("绕组填满窗口时一匝的平均长度")],
                          ["resistance", "R_dc", qsTr("直流电阻 R_dc"), qsTr("铜线在磁芯温度下的直流电阻（0.393 %/K）")],
                          ["copperLoss", "P_cu", qsTr("铜损"), qsTr("I_rms² · R_dc，I_rms² = I_dc² + ΔI²/12")],
                          ["fill", "fill", qsTr("窗口填充率"), qsTr("漆包线（IEC 60317 1 级）外径所占窗口面积")],
                          ["thermalResistance", "Rth", qsTr("热阻 Rth"), qsTr("静止空气中：Rth = 53·Ve^−0.54（Maniktala）")],
                          ["temperatureRise", "dT", qsTr("温升 ΔT"), qsTr("Rth × (磁芯损耗 + 铜损)")]];
    const boxOf = (name) => DESIGN_INPUTS[name] || LOSS_INPUTS[name];
    const limitsOf = (name) => (LOSS_INPUTS[name] ? data.lossInputs[LOSS_INPUTS[name].kind]
                                                  : data.designInputs[DESIGN_INPUTS[name].kind]);
    const startText = (name) => {
        const box = boxOf(name);
        if (box.positive || box.empty)
            return "";
        return name === "frequency" ? limitsOf(name).start / 1000 + "k" : String(limitsOf(name).start);
    };
    const NONE = "—";
    const LONGEST_HEADING_TEXT = 12;  // a field's text in the heading, beyond which it shows its start
    const PLOT_GAPS = { first: 0.01, last: 3, pointsPerDecade: 40 };  // mm, the least the plot's gap axis spans

    // 磁路设计 for one core: the figures of the core set, the material, the gap,
    // AL and μe with and without the fringe field, the winding and the flux
    // density against Bsat, the gap for a wanted AL, and AL against the gap.
    // Every figure follows at once as a value is typed; a value the design
    // refuses stays in its field with the reason beside it and the figures show
    // "—" until it is mended, and leaving the field returns it to its last good
    // text. The texts come from calc/design through the module, so they are
    // the window's and the command line's.
    class DesignView {
        get title() {
            return fill(qsTr("磁路设计 — %1"), page.option(this.core));
        }

        constructor(core, goBack, returnFocus) {
            this.core = core;
            this.language = page.language;  // the language its texts were written in
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

            // Where the design's path is a closer model than the calculator's (RM), Le, Ae and Ve
            // carry the calculator's figure in brackets, and the last row says so.
            this.calculatorNote = element("p", { id: "calculatorNote", class: "note", hidden: true,
                                                 text: qsTr("（）内为计算器的值：设计用更接近实际的磁路，背板按其宽度 H 上的径向磁通计算") });
            const coreGroup = group(qsTr("磁芯"),
                                    figureRow("le", "Le", qsTr("有效磁路长度")),
                                    figureRow("ae", "Ae", qsTr("有效截面积")),
                                    figureRow("ve", "Ve", qsTr("有效体积")),
                                    figureRow("amin", "Amin", qsTr("磁通经过的最小截面积")),
                                    figureRow("windowArea", "Aw", qsTr("一个绕线窗口的面积")),
                                    figureRow("areaProduct", "Ap = Ae·Aw", qsTr("面积积")),
                                    figureRow("mass", qsTr("质量"), qsTr("Ve × 材料密度；材料未给密度时无此值")),
                                    this.calculatorNote);
            this.coreLegend = coreGroup.querySelector(".legend");

            this.material = element("select", { id: "material" },
                                    element("option", { value: "-1", text: page.CUSTOM }),
                                    ...data.materials.map((m, i) => element("option", {
                                        value: String(i), text: fill(qsTr("%1（%2，%3）"), m.name, m.manufacturer, m.base) })));
            const materialGroup = group(qsTr("材料"),
                                        row(element("label", { class: "caption", for: "material", text: qsTr("材料") }),
                                            this.material),
                                        this.inputRow("muI", qsTr("初始磁导率 µi")),
                                        this.inputRow("bsat", qsTr("Bsat（100 °C）")),
                                        this.inputRow("density", qsTr("密度")));
            this.inputs.bsat.field.placeholder = qsTr("未知");
            this.inputs.density.field.placeholder = qsTr("未知");

            this.gapPlace = element("select", { id: "gapPlace",
                                                title: fill(qsTr("%1：只在%1磨出气隙；全部柱：垫片使每个柱都有此气隙"),
                                                            page.gappedLeg(this.core)) },
                                    element("option", { value: "0", text: page.gappedLeg(this.core) }),
                                    element("option", { value: "1", text: qsTr("全部柱") }));
            const gapGroup = group(qsTr("气隙"), this.inputRow("gap", qsTr("气隙 lg"), qsTr("磁通经过一次的气隙总长；")),
                                   row(element("label", { class: "caption", for: "gapPlace", text: qsTr("位置") }),
                                       this.gapPlace));

            const fringing = qsTr("Mühlethaler 等的三维气隙磁阻模型计入气隙边缘磁通");
            const plain = qsTr("气隙截面取柱的截面，不计边缘磁通");
            const alGroup = group(qsTr("电感系数"),
                                  figureRow("alFringing", qsTr("AL（计边缘磁通）"), fringing),
                                  figureRow("muEFringing", qsTr("µe（计边缘磁通）"), fringing),
                                  figureRow("alNoFringing", qsTr("AL（不计边缘磁通）"), plain),
                                  figureRow("muENoFringing", qsTr("µe（不计边缘磁通）"), plain),
                                  figureRow("alUngapped", qsTr("AL（无气隙）"), qsTr("不磨气隙的磁芯：µ0 / (C1/µi + 剩余气隙的磁阻)")),
                                  figureRow("alIdeal", qsTr("AL（理想无气隙）"),
                                            qsTr("µ0·µi / C1：两半磁芯完全贴合、没有剩余气隙时的上限，仅供对照")),
                                  figureRow("residualGap", qsTr("剩余气隙"),
                                            qsTr("两半磁芯磨平的接合面从不完全贴合：每个接合面按此空气隙计，与磁芯串联"
                                                 + "（中柱气隙也长这么多）；厂家的无气隙 AL 按此模型反推为 1–6 µm。"
                                                 + "未切开的磁环没有接合面，为 0。")));
            this.figures.alFringing.classList.add("first");

            this.useTargetGap = element("button", { id: "useTargetGap", type: "button", class: "small",
                                                    text: qsTr("用作气隙"), title: qsTr("把求得的气隙填入气隙 lg"), disabled: true });
            const targetGroup = group(qsTr("由 AL 求气隙"), this.inputRow("targetAl", qsTr("目标 AL")),
                                      row(element("span", { class: "caption", text: qsTr("所需气隙") }),
                                          element("span", { class: "with-button" },
                                                  this.figures.targetGap = element("output", { id: "targetGap", text: NONE }),
                                                  this.useTargetGap)));

            this.byTurns = element("input", { type: "radio", id: "byTurns", name: "windingBy", checked: true });
            this.byInductance = element("input", { type: "radio", id: "byInductance", name: "windingBy",
                                                   title: qsTr("求达到此电感的最少整数匝") });
            this.saturationNote = element("p", { id: "saturationNote", class: "note", "aria-live": "polite" });
            this.windingNote = element("p", { id: "windingNote", class: "note", "data-level": "advisory",
                                              "aria-live": "polite", hidden: true });
            const windingGroup = group(qsTr("绕组与磁通密度"),
                                       this.inputRow("turns", element("label", { class: "caption choice" }, this.byTurns,
                                                                      qsTr("匝数 N"))),
                                       this.inputRow("inductance", element("label", { class: "caption choice" },
                                                                           this.byInductance, qsTr("电感 L"))),
                                       figureRow("turnsResult", qsTr("→ 匝数")),
                                       figureRow("inductanceResult", qsTr("→ 电感 AL·N²")),
                                       this.inputRow("current", qsTr("峰值电流 Î")),
                                       this.windingNote,
                                       figureRow("peakFlux", qsTr("B̂（Ae）"), "L·Î / (N·Ae)"),
                                       figureRow("peakFluxAmin", qsTr("B̂（Amin）"), qsTr("最窄截面处：B̂·Ae / Amin")),
                                       figureRow("peakFluxMax", "B̂max",
                                                 qsTr("磁路中最大的磁通密度（环形在内径处，其他取 Ae 与 Amin 处的较大者），"
                                                      + "由它判断是否饱和")),
                                       figureRow("saturationCurrent", "Isat", qsTr("B̂max 达到 Bsat（100 °C）时的峰值电流")),
                                       figureRow("energy", qsTr("储能 ½·L·Î²"), qsTr("峰值电流时电感中储存的能量")),
                                       this.saturationNote);

            this.waveform = element("select", { id: "waveform", title: qsTr("磁通波形：正弦用 Steinmetz 公式，三角波用 iGSE") },
                                    element("option", { value: "0", text: qsTr("正弦") }),
                                    element("option", { value: "1", text: qsTr("三角波") }));
            this.byRipple = element("input", { type: "radio", id: "byRipple", name: "acBy", checked: true });
            this.byFlux = element("input", { type: "radio", id: "byFlux", name: "acBy", title: qsTr("直接给出 B̂ac") });
            this.lossNote = element("p", { id: "lossNote", class: "note", "data-level": "advisory", "aria-live": "polite" });
            const lossGroup = group(qsTr("损耗与温升"),
                                    this.inputRow("frequency", qsTr("频率 f"), qsTr("可写 100k、1.5M；")),
                                    row(element("label", { class: "caption", for: "waveform", text: qsTr("波形") }), this.waveform),
                                    this.inputRow("duty", qsTr("占空比 D"), qsTr("三角波上升段所占周期的比例；")),
                                    this.inputRow("ripple", element("label", { class: "caption choice" }, this.byRipple,
                                                                    qsTr("纹波 ΔI（峰峰）"))),
                                    this.inputRow("bAc", element("label", { class: "caption choice" }, this.byFlux,
                                                                 "B̂ac")),
                                    this.inputRow("temperature", qsTr("磁芯温度")),
                                    this.inputRow("wire", qsTr("线径（裸铜）")),
                                    this.inputRow("strands", qsTr("股数")),
                                    ...LOSS_FIGURES.map(([id, , caption, tip]) => figureRow(id, caption, tip)),
                                    this.lossNote);

            this.lossPlot = document.createElementNS(SVG, "svg");
            this.lossPlot.id = "lossPlot";
            this.lossPlot.setAttribute("role", "img");
            this.lossPlot.setAttribute("aria-labelledby", "lossPlotTitle");
            const lossFigure = element("figure", { class: "plot" },
                                       element("figcaption", { id: "lossPlotTitle", class: "kai",
                                                               text: qsTr("磁芯损耗与磁通密度") }),
                                       this.lossPlot);

            this.plot = document.createElementNS(SVG, "svg");
            this.plot.id = "alGapPlot";
            this.plot.setAttribute("role", "img");
            this.plot.setAttribute("aria-labelledby", "plotTitle");
            const plotFigure = element("figure", { class: "plot" },
                                       element("figcaption", { id: "plotTitle", class: "kai", text: qsTr("电感系数与气隙") }),
                                       this.plot);

            this.heading = element("p", { id: "heading", class: "heading kai" });
            this.status = element("p", { id: "status", class: "message", role: "alert" });
            const returnButton = element("button", { id: "designReturn", type: "button", text: qsTr("返回") });
            const adviseButton = element("button", { id: "adviseButton", type: "button", text: qsTr("选型…"),
                                                     title: qsTr("磁芯选型：为此要求设计每个标准磁芯并排序") });
            this.fileLine = element("p", { id: "designFileLine", class: "library-line", role: "status", hidden: true });
            const saveButton = element("button", { id: "saveDesign", type: "button", class: "secondary", text: qsTr("保存设计…"),
                                                   title: qsTr("把磁芯尺寸与全部输入存为 .ferricalc 设计文件（桌面版可打开）") });
            const openButton = element("button", { id: "openDesign", type: "button", class: "secondary", text: qsTr("打开设计…"),
                                                   title: qsTr("打开 .ferricalc 设计文件") });
            const printButton = element("button", { id: "printDesign", type: "button", class: "secondary", text: qsTr("打印…"),
                                                    title: qsTr("打印一到两页 A4 的设计报告") });
            this.report = this.buildReport();
            this.window = element("section", { id: "designWindow", class: "window design", "aria-labelledby": "designTitle" },
                                  element("h2", { id: "designTitle", class: "window-title kai", text: qsTr("磁路设计") }),
                                  this.report,
                                  element("div", { class: "top" }, this.heading, this.status, this.fileLine),
                                  element("div", { class: "column inputs" }, coreGroup, materialGroup, gapGroup),
                                  element("div", { class: "column figures" }, alGroup, targetGroup, windingGroup),
                                  element("div", { class: "plots" }, plotFigure, lossFigure),
                                  element("div", { class: "column losses" }, lossGroup),
                                  element("div", { class: "buttons" }, returnButton, adviseButton,
                                          element("span", { class: "file-buttons" }, saveButton, openButton,
                                                  printButton)));
            saveButton.addEventListener("click", () => this.saveDesign());
            openButton.addEventListener("click", () => document.getElementById("openDesignFile").click());
            printButton.addEventListener("click", () => window.print());

            this.material.addEventListener("change", () => this.chooseMaterial());
            this.gapPlace.addEventListener("change", () => this.refresh());
            this.waveform.addEventListener("change", () => this.refresh());
            for (const radio of [this.byRipple, this.byFlux])
                radio.addEventListener("change", () => this.refresh());
            this.inputs.ripple.field.addEventListener("input", () => { this.byRipple.checked = true; });
            this.inputs.bAc.field.addEventListener("input", () => { this.byFlux.checked = true; });
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
                    this.setInput("gap", this.gapText(this.view.values.gap));
                    this.refresh();
                }
            });
            returnButton.addEventListener("click", goBack);
            adviseButton.addEventListener("click", () => {
                page.adviseView().setRequirement(this.requirement(), true);
                location.hash = "#advise";
            });
            // The plot is drawn for the width it has, so its lettering keeps its size on a phone.
            if (window.ResizeObserver) {
                let width = 0;
                new ResizeObserver(() => {
                    if (this.plot.clientWidth !== width) {
                        width = this.plot.clientWidth;
                        this.drawPlot();
                        this.drawLossPlot();
                    }
                }).observe(this.plot);
            }
            this.material.value = data.materials.length > 0 ? "0" : "-1";
            this.chooseMaterial();
            this.restore(page.store.designInputs());
        }

        // ---- Remembered inputs and design files ----

        // Every input as it stands, the choices between them too: what is remembered for the next visit.
        state() {
            const index = Number(this.material.value);
            return { material: index >= 0 ? data.materials[index].name : "",
                     texts: Object.fromEntries(Object.keys(this.inputs).map((name) => [name, this.inputs[name].field.value])),
                     allLegs: this.gapPlace.value === "1", triangle: this.waveform.value === "1",
                     byInductance: this.byInductance.checked, byFlux: this.byFlux.checked };
        }

        // The remembered inputs put back; a value of no use leaves the inputs as they start.
        restore(state) {
            if (!state || typeof state.texts !== "object" || state.texts === null)
                return;
            const index = data.materials.findIndex((material) => material.name === state.material);
            this.material.value = String(index);
            for (const name of Object.keys(this.inputs))
                if (typeof state.texts[name] === "string")
                    this.setInput(name, state.texts[name]);
            this.gapPlace.value = state.allLegs ? "1" : "0";
            this.waveform.value = state.triangle ? "1" : "0";
            (state.byInductance ? this.byInductance : this.byTurns).checked = true;
            (state.byFlux ? this.byFlux : this.byRipple).checked = true;
            this.refresh();
        }

        // The design's texts by the design file's columns, as the command line takes them: the
        // material by its name (or μi, Bsat and the density of one of the user's own), the turns
        // or the inductance and the ripple or B̂ac as chosen, the duty with a triangle only.
        designColumns() {
            const text = (name) => this.inputs[name].field.value.trim();
            const index = Number(this.material.value);
            const triangle = this.waveform.value === "1";
            const columns = index >= 0 ? { material: data.materials[index].name }
                                       : { mu_i: text("muI"), bsat: text("bsat"), density: text("density") };
            return Object.assign(columns, {
                gap: text("gap"), gap_in: this.gapPlace.value === "1" ? "all" : "centre",
                turns: this.byTurns.checked ? text("turns") : "",
                inductance: this.byInductance.checked ? text("inductance") : "",
                current: text("current"), target_al: text("targetAl"),
                frequency: text("frequency"), waveform: triangle ? "triangle" : "sine", duty: triangle ? text("duty") : "",
                ripple: this.byRipple.checked ? text("ripple") : "", b_ac: this.byFlux.checked ? text("bAc") : "",
                temperature: text("temperature"), wire: text("wire"), strands: text("strands"),
            });
        }

        saveDesign() {
            const file = page.store.writeDesignFile({ core: this.core.name, texts: this.texts, design: this.designColumns() });
            const stem = this.standard || this.core.name;
            page.store.download(page.store.fileName(stem, ".ferricalc"), file);
        }

        // A design file's inputs ({core, texts, design, ignored}) in the boxes; what this page does
        // not know is named in the line below the heading.
        adoptDesign(file, fileName) {
            const ignored = file.ignored.slice();
            const design = file.design;
            const given = (column) => typeof design[column] === "string" && design[column] !== "";
            const index = given("material") ? data.materials.findIndex((m) => m.name === design.material) : -1;
            if (given("material") && index < 0)
                ignored.push(fill(qsTr("design.material（本页没有材料 %1）"), design.material));
            this.material.value = String(index);
            if (index >= 0)
                this.chooseMaterial();
            else
                for (const name of ["muI", "bsat", "density"])
                    this.setInput(name, "");
            // μi or Bsat given over a material make it the user's own, as on the command line.
            for (const [name, column] of [["muI", "mu_i"], ["bsat", "bsat"], ["density", "density"]])
                if (given(column)) {
                    this.setInput(name, design[column]);
                    if (column !== "density")
                        this.material.value = "-1";
                }
            const choice = (column, words, select) => {
                if (!given(column))
                    select.value = "0";
                else if (words.includes(design[column]))
                    select.value = String(words.indexOf(design[column]));
                else
                    ignored.push((column === "waveform" ? "losses." : "design.") + column);
            };
            choice("gap_in", ["centre", "all"], this.gapPlace);
            choice("waveform", ["sine", "triangle"], this.waveform);
            for (const [name, column] of [["gap", "gap"], ["turns", "turns"], ["inductance", "inductance"],
                                          ["current", "current"], ["targetAl", "target_al"], ["frequency", "frequency"],
                                          ["duty", "duty"], ["ripple", "ripple"], ["bAc", "b_ac"],
                                          ["temperature", "temperature"], ["wire", "wire"], ["strands", "strands"]])
                this.setInput(name, given(column) ? design[column] : (name === "duty" ? startText("duty") : ""));
            (given("inductance") && !given("turns") ? this.byInductance : this.byTurns).checked = true;
            (given("b_ac") && !given("ripple") ? this.byFlux : this.byRipple).checked = true;
            for (const input of Object.values(this.inputs))
                input.good = input.field.value;
            this.refresh();
            const line = page.sentences(fill(qsTr("已打开设计文件 %1。"), fileName),
                                        ignored.length > 0 ? fill(qsTr("忽略了本页不认识的内容：%1。"),
                                                                  ignored.join(qsTr("、"))) : "");
            this.showFileLine(line);
        }

        showFileLine(text) {
            this.fileLine.textContent = text;
            this.fileLine.hidden = text === "";
        }

        // ---- The printed report ----

        // What the printout adds to the view: the core's drawing, its dimensions and C1 … Ve, the
        // date and the version. Hidden on the screen (page.css).
        buildReport() {
            this.reportDimensions = element("table", { id: "reportDimensions", class: "report-table" });
            this.reportResults = element("table", { id: "reportResults", class: "report-table" });
            this.reportDate = element("p", { id: "reportDate", class: "report-date" });
            return element("div", { id: "designReport", class: "report" },
                           element("img", { src: this.core.drawing.file, alt: fill(qsTr("%1磁芯的尺寸图"), page.option(this.core)),
                                            width: this.core.drawing.width, height: this.core.drawing.height }),
                           element("div", { class: "report-figures" }, this.reportDimensions, this.reportResults,
                                   this.reportDate));
        }

        fillReport() {
            const row = (caption, value) => element("tr", {}, element("th", { text: caption }), element("td", { text: value }));
            this.reportDimensions.replaceChildren(element("caption", { text: qsTr("尺寸（mm）") }),
                ...this.core.fields.map((field, i) => row(field.letter, this.texts[i])));
            const result = ferricalc.calculateTexts ? ferricalc.calculateTexts(this.core.name, this.texts, SEPARATOR) : null;
            this.reportResults.replaceChildren(element("caption", { text: qsTr("有效参数") }),
                ...this.core.results.map((r, i) => row(r.name, result && i < result.written ? result.texts[i] : NONE)));
            const now = new Date();
            const pad = (n) => String(n).padStart(2, "0");
            this.reportDate.textContent = now.getFullYear() + "-" + pad(now.getMonth() + 1) + "-" + pad(now.getDate()) + " "
                + pad(now.getHours()) + ":" + pad(now.getMinutes()) + " · ferricalc " + data.version;
        }

        // A row of an input: its caption (a text, or a choice that names the field), the field, the
        // unit and the reason it is refused.
        inputRow(name, caption, tipStart = "") {
            const box = boxOf(name);
            const named = typeof caption === "string";
            const field = element("input", { id: name, type: "text", inputmode: "decimal", autocomplete: "off",
                                             spellcheck: "false", "aria-describedby": name + "Refusal",
                                             "aria-label": named ? null : caption.textContent });
            field.value = startText(name);
            const refusal = element("span", { id: name + "Refusal", class: "refusal", "aria-live": "polite" });
            const label = named ? element("label", { class: "caption", for: name, text: caption }) : caption;
            this.inputs[name] = { field, refusal, good: field.value, tipStart };
            this.showRange(name);
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

        // The box's range as its tooltip: a gap's upper limit is the core's longest gap.
        showRange(name) {
            const box = boxOf(name);
            const limits = limitsOf(name);
            if (box.loss) {
                const unit = box.unit ? " " + box.unit : "";
                this.inputs[name].field.title = this.inputs[name].tipStart
                    + fill(qsTr("范围 %1 – %2"), limits.min + (limits.minOpen ? qsTr("（不含）") : ""),
                           limits.max + (limits.maxOpen ? qsTr("（不含）") : "") + unit)
                    + (box.optional ? qsTr("；可空着") : "");
                return;
            }
            const max = name === "gap" ? this.longestGap() : limits.max;
            const unit = box.unit ? " " + box.unit : "";
            const upper = max === null ? "" : (name === "gap" ? ferricalc.designText("gap", max, "value", SEPARATOR)
                                                              : String(max)) + unit;
            const input = this.inputs[name];
            input.field.title = input.tipStart + (box.positive ? fill(qsTr("大于 0，至多 %1；空着为未知"), upper)
                                                               : fill(qsTr("范围 %1 – %2"), limits.min, upper));
        }

        // The longest gap the core holds, mm; null while its dimensions do not calculate.
        longestGap() {
            return this.set && this.set.formed ? this.set.longestGap : null;
        }

        // A gap as the gap box writes it, rounded down where rounding would pass the core's longest gap.
        gapText(gap) {
            const text = ferricalc.designText("gap", gap, "value", SEPARATOR);
            const longest = this.longestGap();
            if (longest === null || ferricalc.parse(text, SEPARATOR) <= longest)
                return text;
            const step = 10 ** -data.designInputs.gap.decimals;
            return ferricalc.designText("gap", Math.floor(longest / step) * step, "value", SEPARATOR);
        }

        setInput(name, text) {
            this.inputs[name].field.value = text;
        }

        // An input's value, null when empty; refused with the design's reason, which names the limit passed.
        read(name) {
            const text = this.inputs[name].field.value;
            if (text.trim() === "" || !ferricalc.readDesignInput)
                return { value: null, refused: false, reason: "" };
            if (LOSS_INPUTS[name]) {
                const reading = ferricalc.readLossInput(LOSS_INPUTS[name].kind, text, SEPARATOR);
                return { value: reading.value, refused: reading.reason !== "", reason: reading.reason };
            }
            const reading = ferricalc.readDesignInput(DESIGN_INPUTS[name].kind, text, SEPARATOR,
                                                      { gap: this.longestGap(), ring: this.set && this.set.ring });
            return { value: reading.value, refused: reading.reason !== "", reason: reading.reason };
        }

        chooseMaterial() {
            const index = Number(this.material.value);
            if (index < 0)
                return;  // 自定义 keeps what the fields hold
            const material = data.materials[index];
            const text = (quantity, value) => (value === null ? "" : ferricalc.designText(quantity, value, "value", SEPARATOR));
            this.setInput("muI", text("mu_i", material.muI));
            this.setInput("bsat", text("Bsat", material.bsat100));
            this.setInput("density", text("density", material.density));
            this.refresh();
        }

        // The calculator's field texts: those of its last 计算, which may have failed; the design
        // then says that the core's dimensions no longer calculate.
        // The calculator's field texts and the catalogue's name of the standard core they are ("" for
        // the user's own), whose makers' published AL the plot shows.
        setFieldTexts(texts, standard = "") {
            this.texts = texts;
            this.standard = standard;
            this.set = ferricalc.designCore ? ferricalc.designCore(this.core.name, texts, SEPARATOR) : null;
            this.showRange("gap");
            const shown = texts.map((text, i) => this.core.fields[i].letter + "="
                                    + (text.length > LONGEST_HEADING_TEXT ? text.slice(0, LONGEST_HEADING_TEXT - 1) + "…"
                                                                         : text));
            this.heading.textContent = fill(qsTr("%1　%2"), page.option(this.core), shown.join(" "));
            this.fillReport();
            this.refresh();
        }

        // After a switch of language: every line, figure and tooltip written again, the boxes as typed.
        relocalize() {
            for (const [name, input] of Object.entries(this.inputs)) {
                input.tipStart = page.retranslate(input.tipStart);
                this.showRange(name);
            }
            if (this.texts !== null)
                this.setFieldTexts(this.texts, this.standard);
        }

        show() {
            page.host.replaceChildren(this.window);
            this.drawPlot();
            this.drawLossPlot();
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
            page.store.rememberDesignInputs(this.state());  // storage refused: the inputs are only not remembered
            const readings = {};
            let refused = false;
            this.lossReadings = this.readLosses();
            for (const name of Object.keys(DESIGN_INPUTS)) {
                const reading = this.read(name);
                readings[name] = reading;
                const input = this.inputs[name];
                // A density that looks like g/cm³ is taken but questioned beside its field.
                const question = name === "density" && reading.value !== null ? ferricalc.densityQuestion(reading.value) : "";
                input.refusal.textContent = reading.reason || question;
                input.refusal.dataset.level = question ? "advisory" : "";
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
            // The design's path, and the calculator's figure beside it where they differ.
            const calculator = core.formed ? core.calculator : null;
            if (calculator)
                for (const [id, quantity] of [["le", "Le"], ["ae", "Ae"], ["ve", "Ve"]])
                    this.figures[id].value += fill(qsTr("（%1）"), calculator[quantity]);
            this.calculatorNote.hidden = !calculator;
            this.coreLegend.textContent = calculator ? qsTr("磁芯（设计按背板径向磁通）") : qsTr("磁芯");
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
                                          ["alIdeal", "AL_ideal"], ["residualGap", "residual_gap"],
                                          ["turnsResult", "N"], ["inductanceResult", "L"], ["peakFlux", "B"],
                                          ["saturationCurrent", "I_sat"], ["energy", "energy"]])
                this.figures[id].value = f[quantity] || NONE;
            this.figures.peakFluxAmin.value = view.peakFluxAmin || NONE;
            this.figures.peakFluxMax.value = view.peakFluxMax || NONE;
            this.figures.peakFlux.dataset.level = LEVELS[view.saturation];
            this.figures.peakFluxAmin.dataset.level = LEVELS[view.saturationAmin];
            // B̂max, the highest flux density in the path, decides: on a ring it lies above both others.
            this.figures.peakFluxMax.dataset.level = LEVELS[view.saturationMax];
            this.saturationNote.textContent = view.saturationNote;
            this.saturationNote.dataset.level = LEVELS[view.saturationMax];
            this.windingNote.textContent = view.windingNote;
            this.windingNote.hidden = view.windingNote === "";
            this.figures.targetGap.value = view.targetGap || NONE;
            // The gap found lies within the core's longest gap, so 用作气隙 always puts a gap the box takes.
            this.useTargetGap.disabled = view.target !== 0;
            this.drawPlot();
            this.showLosses();
        }

        // ---- 磁芯选型 ----

        // The design's requirement as the adviser's boxes take it: L (the one wanted, else the
        // design's with its turns), Î, the ripple, the frequency, the duty, the core's temperature and the material;
        // a box left empty or refused keeps what the adviser holds.
        requirement() {
            const text = (name) => (this.read(name).refused ? "" : this.inputs[name].field.value.trim());
            const inductance = this.byInductance.checked && text("inductance") !== "" ? text("inductance")
                : this.view && this.view.values.L !== null ? ferricalc.designText("L", this.view.values.L, "value", SEPARATOR)
                : "";
            const index = Number(this.material.value);
            return { inductance, current: text("current"), ripple: this.byRipple.checked ? text("ripple") : "",
                     frequency: text("frequency"), duty: this.waveform.value === "1" ? text("duty") : "",
                     temperature: text("temperature"), material: index >= 0 ? data.materials[index].name : "" };
        }

        // A row of 磁芯选型: its material, gap, turns and wire, and the requirement's current and
        // conditions with a triangular flux, so that the figures are the row's.
        adoptAdvice(advice) {
            const index = data.materials.findIndex((material) => material.name === advice.material);
            this.material.value = String(index);
            this.chooseMaterial();
            this.gapPlace.value = "0";
            this.byTurns.checked = true;
            this.byRipple.checked = true;
            this.waveform.value = "1";
            const r = advice.requirement;
            for (const [name, text] of [["gap", advice.gap], ["turns", advice.turns], ["wire", advice.wire],
                                        ["strands", "1"], ["current", r.current], ["ripple", r.ripple],
                                        ["frequency", r.frequency], ["duty", r.duty], ["temperature", r.temperature]])
                this.setInput(name, text);
            this.refresh();
        }

        // ---- Losses and temperature rise ----

        // Each loss field read, its refusal shown at the field; null inputs where one is refused.
        readLosses() {
            let refused = false;
            const values = {};
            for (const name of Object.keys(LOSS_INPUTS)) {
                const reading = this.read(name);
                const input = this.inputs[name];
                input.refusal.textContent = reading.reason;
                input.field.setAttribute("aria-invalid", reading.refused ? "true" : "false");
                if (reading.value !== null)
                    input.good = input.field.value;
                refused = refused || reading.refused;
                values[name] = reading.value;
            }
            const triangle = this.waveform.value === "1";
            this.inputs.duty.field.disabled = !triangle;
            return refused ? null : values;
        }

        showLosses() {
            const readings = this.lossReadings;
            this.lossUsed = null;
            if (!this.view || !readings || !ferricalc.lossView) {
                this.blankLosses(readings ? "" : "");
                return;
            }
            const triangle = this.waveform.value === "1";
            const inputs = { frequency: readings.frequency, triangle,
                             duty: triangle && readings.duty !== null ? readings.duty : 0.5,
                             ripple: this.byRipple.checked ? readings.ripple : null,
                             b_ac: this.byFlux.checked ? readings.bAc : null,
                             temperature: readings.temperature === null ? limitsOf("temperature").start : readings.temperature,
                             wire: readings.wire, strands: readings.strands === null ? 1 : readings.strands };
            const material = Number(this.material.value);
            const losses = ferricalc.lossView(material, inputs, SEPARATOR);
            if (losses.error !== 0) {
                // The ripple against the peak current: told at the ripple's field.
                this.inputs.ripple.refusal.textContent = losses.error > 0 ? qsTr("纹波电流不能超过峰值电流的两倍") : "";
                this.blankLosses("");
                return;
            }
            for (const [id, quantity] of LOSS_FIGURES)
                this.figures[id].value = losses.figures[quantity] || NONE;
            const advised = losses.advice !== "";
            for (const id of ["acFlux", "lossDensity", "coreLoss", "temperatureRise"])
                this.figures[id].dataset.level = advised && losses.figures[LOSS_FIGURES.find(([i]) => i === id)[1]]
                    ? "advisory" : "";
            this.figures.fill.dataset.level = losses.values.fill !== null && losses.values.fill > 100 ? "advisory" : "";
            // A material without a loss fit: say so, in the window's words, once a frequency asks for the core loss.
            const unavailable = inputs.frequency !== null && losses.unavailable ? losses.unavailable : "";
            this.lossNote.textContent = [unavailable, losses.advice].filter((t) => t).join(qsTr("；"));
            this.lossUsed = { material, inputs, losses };
            this.drawLossPlot();
        }

        blankLosses() {
            for (const [id] of LOSS_FIGURES) {
                this.figures[id].value = NONE;
                delete this.figures[id].dataset.level;
            }
            this.lossNote.textContent = "";
            this.lossUsed = null;
            this.drawLossPlot();
        }

        // Pv against B̂ on log axes at the operating frequency, 25 °C and 100 °C, with the working point.
        drawLossPlot() {
            if (!this.lossPlot.isConnected || !page.drawLossPlot)
                return;
            const width = Math.max(280, this.plot.clientWidth || 480);
            const height = Math.round(Math.min(400, Math.max(240, width * 0.7)));
            let curves = null;
            const used = this.lossUsed;
            if (used && used.material >= 0 && used.inputs.frequency !== null && data.materials[used.material].lossFit) {
                const fluxes = Array.from({ length: 81 }, (_, i) => 10 * 10 ** (i / 40));  // 10 … 1000 mT
                const { frequency, triangle, duty } = used.inputs;
                const curve = (t) => ferricalc.lossCurve(used.material, frequency, fluxes, t, triangle, duty);
                curves = { fluxes, cold: curve(25), hot: curve(100),
                           working: { flux: used.losses.values.B_ac, pv: used.losses.values.Pv,
                                      lines: used.losses.values.Pv === null ? []
                                          : ["B̂ " + used.losses.figures.B_ac, "Pv " + used.losses.figures.Pv] },
                           frequency: ferricalc.figure(frequency / 1000, SEPARATOR) + " kHz" };
            }
            page.drawLossPlot(this.lossPlot, width, height, curves);
        }

        blank(reason) {
            this.view = null;
            this.status.textContent = reason;
            for (const id of ["alFringing", "muEFringing", "alNoFringing", "muENoFringing", "alUngapped", "alIdeal",
                              "residualGap", "turnsResult",
                              "inductanceResult", "peakFlux", "peakFluxAmin", "peakFluxMax", "saturationCurrent", "energy",
                              "targetGap"]) {
                this.figures[id].value = NONE;
                delete this.figures[id].dataset.level;
            }
            this.saturationNote.textContent = "";
            this.windingNote.textContent = "";
            this.windingNote.hidden = true;
            this.useTargetGap.disabled = true;
            this.drawPlot();
            this.blankLosses();
        }

        // ---- AL against the gap ----

        // The makers' AL of the standard core's set, printed for a gap in the centre post: the
        // chosen material's where the maker publishes it, else the set's gapped figures in every
        // material (a gap's AL depends little on μi, an ungapped one wholly). A spacer under every
        // leg is another set: none.
        publishedPoints(allLegs) {
            if (!this.standard || allLegs || !ferricalc.publishedAl)
                return null;
            const index = Number(this.material.value);
            const material = index >= 0 ? data.materials[index].name : "";
            const found = ferricalc.publishedAl(this.standard, material);
            if (found.points.length === 0)
                return null;
            return { points: found.points, forMaterial: found.forMaterial,
                     caption: found.forMaterial ? fill(qsTr("公布值 %1"), material) : qsTr("公布值（其他材料）") };
        }

        drawPlot() {
            if (!this.plot.isConnected)
                return;
            const width = Math.max(280, this.plot.clientWidth || 480);
            const height = Math.round(Math.min(460, Math.max(260, width * 0.85)));
            let curves = null;
            if (this.view) {
                const { muI, allLegs, gap } = this.inputsUsed;
                const range = plotRange(gap);
                const decades = Math.log10(range.last / range.first);
                const points = Math.ceil(decades * PLOT_GAPS.pointsPerDecade);
                const gaps = Array.from({ length: points + 1 }, (_, i) => range.first * 10 ** (decades * i / points));
                curves = {
                    range,
                    gaps,
                    fringing: ferricalc.alCurve(gaps, muI, allLegs, true),
                    plain: ferricalc.alCurve(gaps, muI, allLegs, false),
                    ungapped: this.view.values.AL_ungapped,
                    published: this.publishedPoints(allLegs),
                    working: { gap, al: this.view.values.AL,
                               lines: ["lg " + ferricalc.designText("gap", gap, "display", SEPARATOR),
                                       "AL " + this.view.figures.AL] },
                };
            }
            page.drawAlGapPlot(this.plot, width, height, curves);
        }
    }

    // The gaps the plot spans: 0.01 to 3 mm as data sheets draw it, widened to
    // the next 1 or 3 of a decade beyond the working gap where it lies outside.
    function plotRange(gap) {
        const steps = (v, up) => {
            const k = Math.floor(Math.log10(v));
            const candidates = [10 ** k, 3 * 10 ** k, 10 ** (k + 1)];
            return up ? candidates.find((c) => c >= v * (1 - 1e-9)) : [...candidates].reverse().find((c) => c <= v * (1 + 1e-9));
        };
        const range = { first: PLOT_GAPS.first, last: PLOT_GAPS.last };
        if (gap > 0 && Number.isFinite(gap)) {
            if (gap * 1.2 > range.last)
                range.last = steps(gap * 1.2, true);
            if (gap / 1.2 < range.first)
                range.first = steps(gap / 1.2, false);
        }
        return range;
    }

    // The design's levels of a flux density against Bsat, as the page's styles name them.

    const LEVELS = ["", "clear", "advisory", "warning"];

    page.DesignView = DesignView;
})();
