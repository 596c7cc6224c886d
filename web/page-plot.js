// AL against the gap, drawn as SVG for the design view (page-design.js).
(function () {
    "use strict";

    const { svg, fill } = window.FerricalcPage;
    const GAPS = { first: 0.01, last: 3 };  // mm, the axis of blank axes
    const round = (v) => Math.round(v * 10) / 10;  // to a tenth of a pixel

    // A gap on the axis as its label writes it ("0.003", "30").
    const gapLabel = (gap) => gap.toFixed(Math.max(0, -Math.floor(Math.log10(gap) + 1e-9)));

    // How much of the drawn lines (polylines of [x, y] points) a rectangle
    // covers: the points of every line, taken at least every 2 px, inside it.
    function covered(rect, lines) {
        let count = 0;
        for (const points of lines)
            for (let i = 0; i < points.length; ++i) {
                const [x1, y1] = points[i];
                const [x2, y2] = i + 1 < points.length ? points[i + 1] : points[i];
                const steps = Math.max(1, Math.ceil(Math.hypot(x2 - x1, y2 - y1) / 2));
                for (let j = 0; j < steps; ++j) {
                    const x = x1 + (x2 - x1) * j / steps;
                    const y = y1 + (y2 - y1) * j / steps;
                    if (x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom)
                        ++count;
                }
            }
        return count;
    }

    // The working point's figures in a framed label at (lx, ly), a line each.
    function workingLabel(id, lx, ly, labelWidth, lines, line) {
        const label = svg("g", { id, class: "working-label" });
        label.append(svg("rect", { x: round(lx), y: round(ly), width: round(labelWidth), height: lines.length * line + 4 }));
        lines.forEach((text, i) => label.append(svg("text", { x: round(lx + 4), y: round(ly + (i + 1) * line - 1) }, text)));
        return label;
    }

    // The drawn parts into the plot, at its size, under its title.
    function finishPlot(plot, width, height, title, parts) {
        plot.setAttribute("viewBox", `0 0 ${width} ${height}`);
        plot.setAttribute("width", width);
        plot.setAttribute("height", height);
        plot.replaceChildren(svg("title", {}, title), ...parts);
    }

    // AL against the gap as data sheets draw it: the gap on a logarithmic axis
    // over curves.range (0.01 to 3 mm, or wider to take in the working point),
    // AL on whole decades, the curve with the fringe field solid, the one
    // without it dashed, the ungapped AL dotted, and the working point marked
    // with its figures (hollow at the edge it lies beyond), placed where they
    // cover none of the lines. The makers' published AL of the set
    // (curves.published: {points, forMaterial, caption}, or null) stand over the
    // curves as diamonds, a published ungapped AL on the left edge where the
    // dotted line starts; each names its material on hover. Null curves leave
    // the axes blank.
    function drawAlGapPlot(plot, width, height, curves) {
        const line = 15;  // the lettering's height
        const valid = (al) => al !== null && al > 0 && Number.isFinite(al);
        let firstDecade = 1;
        let lastDecade = 4;
        if (curves) {
            const published = curves.published ? curves.published.points.map((point) => point.al) : [];
            const als = [curves.ungapped, ...curves.fringing, ...curves.plain, ...published].filter(valid);
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
        const firstGap = curves ? curves.range.first : GAPS.first;
        const lastGap = curves ? curves.range.last : GAPS.last;
        const x = (gap) => area.left + Math.log10(gap / firstGap) / Math.log10(lastGap / firstGap) * (area.right - area.left);
        const y = (al) => area.bottom - (Math.log10(al) - firstDecade) / (lastDecade - firstDecade) * (area.bottom - area.top);

        const parts = [svg("rect", { x: 0, y: 0, width, height, class: "paper" })];
        const gridLine = (x1, y1, x2, y2, decade) =>
            parts.push(svg("line", { x1: round(x1), y1: round(y1), x2: round(x2), y2: round(y2),
                                     class: decade ? "grid decade" : "grid" }));
        const gapLabels = [firstGap, lastGap];
        for (let k = Math.floor(Math.log10(firstGap) + 1e-9); k <= Math.log10(lastGap) + 1e-9; ++k)
            for (let m = 1; m <= 9; ++m) {
                const gap = m * 10 ** k;
                if (gap >= firstGap * (1 - 1e-9) && gap <= lastGap * (1 + 1e-9)) {
                    gridLine(x(gap), area.top, x(gap), area.bottom, m === 1);
                    if (m === 1 && !gapLabels.some((other) => Math.abs(other / gap - 1) < 1e-6))
                        gapLabels.push(gap);
                }
            }
        gapLabels.sort((a, b) => a - b);
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
        for (const gap of gapLabels)
            parts.push(svg("text", { x: round(x(gap)), y: round(area.bottom + line), "text-anchor": "middle" },
                           gapLabel(gap)));
        for (const [k, m] of alLabels)
            parts.push(svg("text", { x: area.left - 5, y: round(y(m * 10 ** k) + 4.5), "text-anchor": "end" },
                           decadeLabel(k, m)));
        parts.push(svg("text", { x: round((area.left + area.right) / 2), y: round(area.bottom + 2 * line + 4),
                                 "text-anchor": "middle" }, qsTr("气隙 lg / mm")));
        parts.push(svg("text", { x: 2, y: line }, "AL / nH"));

        if (curves) {
            // Each curve as runs of points where it has a value, in the plot's pixels.
            const runs = (als) => {
                const list = [];
                let run = null;
                curves.gaps.forEach((gap, i) => {
                    if (!valid(als[i])) {
                        run = null;
                        return;
                    }
                    if (run === null)
                        list.push(run = []);
                    run.push([round(x(gap)), round(y(als[i]))]);
                });
                return list;
            };
            const path = (list) => list.map((run) => run.map(([px, py], i) => (i === 0 ? "M" : "L") + px + " " + py)
                                                     .join("")).join("");
            const drawnLines = [...runs(curves.plain), ...runs(curves.fringing)];
            if (valid(curves.ungapped))
                drawnLines.push([[area.left, y(curves.ungapped)], [area.right, y(curves.ungapped)]]);
            const clip = "plotArea";
            parts.push(svg("clipPath", { id: clip }));
            parts[parts.length - 1].append(svg("rect", { x: area.left - 1, y: area.top - 1,
                                                         width: round(area.right - area.left + 2),
                                                         height: round(area.bottom - area.top + 2) }));
            const drawn = svg("g", { "clip-path": "url(#" + clip + ")" });
            if (valid(curves.ungapped))
                drawn.append(svg("line", { x1: area.left, x2: area.right, y1: round(y(curves.ungapped)),
                                           y2: round(y(curves.ungapped)), class: "ungapped" }));
            drawn.append(svg("path", { d: path(runs(curves.plain)), class: "plain" }),
                         svg("path", { d: path(runs(curves.fringing)), class: "fringing" }));
            parts.push(drawn);

            // The published points; several materials at one point share a mark and its tooltip.
            const diamond = (cx, cy, kind) => svg("path", { d: `M${round(cx)} ${round(cy - 4.5)}l4.5 4.5l-4.5 4.5l-4.5 -4.5z`,
                                                            class: kind });
            const publishedKind = curves.published && curves.published.forMaterial ? "published" : "published other";
            const marks = new Map();
            for (const point of curves.published ? curves.published.points : []) {
                const ungapped = !(point.gap > 0);
                if (!valid(point.al) || point.al < 10 ** firstDecade || point.al > 10 ** lastDecade
                    || (!ungapped && (point.gap < firstGap * (1 - 1e-9) || point.gap > lastGap * (1 + 1e-9))))
                    continue;
                const key = point.gap + "/" + point.al;
                if (!marks.has(key))
                    marks.set(key, { x: ungapped ? area.left : x(point.gap), y: y(point.al), lines: [] });
                marks.get(key).lines.push(ungapped ? fill(qsTr("%1：无气隙，AL %2 nH"), point.material, point.al)
                                                   : fill(qsTr("%1：气隙 %2 mm，AL %3 nH"), point.material, point.gap, point.al));
            }
            const publishedGroup = svg("g", { id: "publishedPoints" });
            for (const mark of marks.values()) {
                const shape = diamond(mark.x, mark.y, publishedKind);
                shape.append(svg("title", {}, qsTr("厂家公布值") + "\n" + mark.lines.join("\n")));
                publishedGroup.append(shape);
            }
            parts.push(publishedGroup);

            // The legend, top right, where the falling curves leave room.
            const legend = [[qsTr("计边缘磁通"), "fringing"], [qsTr("不计边缘磁通"), "plain"], [qsTr("无气隙"), "ungapped"]];
            if (marks.size > 0)
                legend.push([curves.published.caption, publishedKind]);
            const legendWidth = Math.max(6 * 14, ...legend.map(([label]) => label.length * 12)) + 40;
            const box = { left: area.right - legendWidth - 8, top: area.top + 6 };
            box.right = box.left + legendWidth;
            box.bottom = box.top + legend.length * line + 8;
            parts.push(svg("rect", { x: box.left, y: box.top, width: legendWidth, height: legend.length * line + 8,
                                     class: "legend" }));
            legend.forEach(([label, kind], i) => {
                const ly = box.top + 4 + (i + 0.5) * line;
                parts.push(kind.startsWith("published") ? diamond(box.left + 18, ly, kind)
                                                        : svg("line", { x1: box.left + 5, x2: box.left + 31, y1: ly, y2: ly,
                                                                        class: kind }),
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
                // The figures go beside the mark where they cover no line and stay inside the axes
                // and off the legend: above right first, where both falling curves leave room; where
                // every place beside it covers a line, in the emptiest corner of the axes, with a leader.
                const labelWidth = Math.max(...w.lines.map((text) => text.length)) * 7.4 + 8;
                const labelHeight = w.lines.length * line + 4;
                const margin = 3;
                const beside = [[mx + 9, my - labelHeight - 8], [mx + 9, my + 7], [mx - 9 - labelWidth, my + 7],
                                [mx - 9 - labelWidth, my - labelHeight - 8]];
                const corners = [[area.left + margin, area.bottom - labelHeight - margin],
                                 [area.right - labelWidth - margin, area.bottom - labelHeight - margin],
                                 [area.left + margin, area.top + margin],
                                 [area.right - labelWidth - margin, area.top + margin]];
                const rectangle = ([cx, cy]) => ({ left: cx, top: cy, right: cx + labelWidth, bottom: cy + labelHeight });
                const fits = (r) => r.left >= area.left + 2 && r.right <= area.right - 2 && r.top >= area.top + 2
                                    && r.bottom <= area.bottom - 2
                                    && (r.left > box.right || r.right < box.left || r.top > box.bottom
                                        || r.bottom < box.top);
                const markCovered = (r) => mx + 5 >= r.left && mx - 5 <= r.right && my + 5 >= r.top && my - 5 <= r.bottom;
                const places = [...beside.map((at) => [at, false]), ...corners.map((at) => [at, true])]
                    .map(([at, leader], order) => {
                        const r = rectangle(at);
                        // Lines covered weigh most, then a leader, then the order of preference.
                        const cost = fits(r) && !markCovered(r) ? covered(r, drawnLines) * 100 + (leader ? 50 : 0) + order
                                                                : Infinity;
                        return { at, leader, cost };
                    });
                const best = places.reduce((a, b) => (b.cost < a.cost ? b : a));
                let [lx, ly] = best.cost < Infinity ? best.at : beside[2];
                lx = Math.min(Math.max(lx, area.left + 2), Math.max(area.left + 2, area.right - labelWidth - 2));
                ly = Math.min(Math.max(ly, area.top + 2), Math.max(area.top + 2, area.bottom - labelHeight - 2));
                if (best.cost < Infinity && best.leader) {
                    const tx = Math.min(Math.max(mx, lx), lx + labelWidth);
                    const ty = Math.min(Math.max(my, ly), ly + labelHeight);
                    parts.push(svg("line", { x1: mx, y1: my, x2: round(tx), y2: round(ty), class: "leader" }));
                }
                parts.push(workingLabel("workingPoint", lx, ly, labelWidth, w.lines, line));
            }
        }
        finishPlot(plot, width, height, qsTr("电感系数 AL 与气隙 lg 的关系（对数坐标）"), parts);
    }

    // Pv against B̂ as a data sheet draws it: both on logarithmic axes, B̂ from
    // 10 to 1000 mT, at the operating frequency for 25 °C (dashed) and 100 °C
    // (solid), and the working point with its figures. Null curves leave the axes blank.
    function drawLossPlot(plot, width, height, curves) {
        const line = 15;
        const valid = (v) => v !== null && v > 0 && Number.isFinite(v);
        const fluxes = { first: 10, last: 1000 };
        let firstDecade = 0;
        let lastDecade = 4;
        if (curves) {
            const pvs = [...curves.cold, ...curves.hot, curves.working.pv].filter(valid);
            if (pvs.length > 0) {
                firstDecade = Math.floor(Math.log10(Math.min(...pvs)));
                lastDecade = Math.max(firstDecade + 1, Math.ceil(Math.log10(Math.max(...pvs))));
            }
        }
        const decadeLabel = (k) => (10 ** k).toFixed(Math.max(0, -k));
        let labelWidth = 0;
        for (let k = firstDecade; k <= lastDecade; ++k)
            labelWidth = Math.max(labelWidth, decadeLabel(k).length * 7.2);
        const area = { left: labelWidth + 14, top: line + 12, right: width - 12, bottom: height - 2 * line - 14 };
        const x = (b) => area.left + Math.log10(b / fluxes.first) / Math.log10(fluxes.last / fluxes.first) * (area.right - area.left);
        const y = (pv) => area.bottom - (Math.log10(pv) - firstDecade) / (lastDecade - firstDecade) * (area.bottom - area.top);
        const parts = [svg("rect", { x: 0, y: 0, width, height, class: "paper" })];
        const gridLine = (x1, y1, x2, y2, decade) =>
            parts.push(svg("line", { x1: round(x1), y1: round(y1), x2: round(x2), y2: round(y2),
                                     class: decade ? "grid decade" : "grid" }));
        for (let k = 1; k <= 2; ++k)
            for (let m = 1; m <= 9; ++m)
                gridLine(x(m * 10 ** k), area.top, x(m * 10 ** k), area.bottom, m === 1);
        gridLine(x(fluxes.last), area.top, x(fluxes.last), area.bottom, true);
        for (let k = firstDecade; k <= lastDecade; ++k)
            for (let m = 1; m <= (k === lastDecade ? 1 : 9); ++m)
                gridLine(area.left, y(m * 10 ** k), area.right, y(m * 10 ** k), m === 1);
        parts.push(svg("rect", { x: area.left, y: area.top, width: round(area.right - area.left),
                                 height: round(area.bottom - area.top), class: "frame" }));
        for (const b of [10, 100, 1000])
            parts.push(svg("text", { x: round(x(b)), y: round(area.bottom + line), "text-anchor": b === 1000 ? "end" : "middle" },
                           String(b)));
        for (let k = firstDecade; k <= lastDecade; ++k)
            parts.push(svg("text", { x: area.left - 5, y: round(y(10 ** k) + 4.5), "text-anchor": "end" }, decadeLabel(k)));
        parts.push(svg("text", { x: round((area.left + area.right) / 2), y: round(area.bottom + 2 * line + 4),
                                 "text-anchor": "middle" }, "B̂ / mT"));
        parts.push(svg("text", { x: 2, y: line }, "Pv / (kW/m³)" + (curves ? fill(qsTr("　f = %1"), curves.frequency) : "")));
        if (curves) {
            const path = (pvs) => {
                let d = "";
                let open = false;
                curves.fluxes.forEach((b, i) => {
                    if (!valid(pvs[i])) {
                        open = false;
                        return;
                    }
                    d += (open ? "L" : "M") + round(x(b)) + " " + round(y(pvs[i]));
                    open = true;
                });
                return d;
            };
            parts.push(svg("path", { d: path(curves.cold), class: "cold" }),
                       svg("path", { d: path(curves.hot), class: "hot" }));
            const legend = [["25 °C", "cold"], ["100 °C", "hot"]];
            const legendWidth = 80;
            const box = { left: area.left + 8, top: area.top + 6 };
            parts.push(svg("rect", { x: box.left, y: box.top, width: legendWidth, height: 2 * line + 8, class: "legend" }));
            legend.forEach(([label, kind], i) => {
                const ly = box.top + 4 + (i + 0.5) * line;
                parts.push(svg("line", { x1: box.left + 5, x2: box.left + 31, y1: ly, y2: ly, class: kind }),
                           svg("text", { x: box.left + 36, y: ly + 4.5 }, label));
            });
            const w = curves.working;
            if (valid(w.flux) && valid(w.pv)) {
                const inside = w.flux >= fluxes.first && w.flux <= fluxes.last;
                const mx = round(x(Math.min(Math.max(w.flux, fluxes.first), fluxes.last)));
                const my = round(y(w.pv));
                parts.push(svg("circle", { cx: mx, cy: my, r: 4.5, class: inside ? "working" : "working outside" }));
                const labelWidth = Math.max(...w.lines.map((text) => text.length)) * 7.4 + 8;
                const labelHeight = w.lines.length * line + 4;
                // Below right of the mark, where the rising curves leave room; kept inside the axes.
                const lx = Math.min(Math.max(mx + 9, area.left + 2), area.right - labelWidth - 2);
                const ly = Math.min(Math.max(my + 7, area.top + 2), area.bottom - labelHeight - 2);
                parts.push(workingLabel("lossWorkingPoint", lx, ly, labelWidth, w.lines, line));
            }
        }
        finishPlot(plot, width, height, qsTr("磁芯损耗 Pv 与磁通密度 B̂ 的关系（对数坐标）"), parts);
    }

    window.FerricalcPage.drawAlGapPlot = drawAlGapPlot;
    window.FerricalcPage.drawLossPlot = drawLossPlot;
})();
