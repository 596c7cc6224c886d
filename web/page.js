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
//
// The parts load first as plain scripts: page-shared.js, page-store.js (what the
// browser keeps of the user's work, and the files shared with the desktop), page-calculator.js,
// page-design.js, page-plot.js and page-advise.js; this one shows the selector and routes the
// addresses to the views.
(function () {
    "use strict";

    const page = window.FerricalcPage;
    const { data, element } = page;

    // ---- The language: index.html's own texts, and the switch in the header ----------------

    const description = document.querySelector('meta[name="description"]');
    function writePageTexts() {
        document.getElementById("pageTitle").textContent = qsTr("铁氧体磁芯有效参数计算");
        description.content = qsTr("铁氧体磁芯有效参数计算（IEC 60205）：C1、C2、Le、Ae、Ve");
        document.getElementById("selectorPrompt").textContent = qsTr("请选择磁芯类型:");
        document.getElementById("noticeText").textContent = qsTr("ferricalc 开发者 出品 · 版本");
        document.getElementById("languages").setAttribute("aria-label", qsTr("语言"));
        for (const [id, language] of [["languageZh", "zh"], ["languageEn", "en"]])
            document.getElementById(id).setAttribute("aria-pressed", String(page.language === language));
    }
    writePageTexts();

    // ---- The selector ----------------------------------------------------------------------

    const main = document.querySelector("main");
    // Opening a design file (.ferricalc), from the selector or the design: its core's calculator
    // calculates its dimensions and its design takes its inputs; a file that is not one is told
    // in the page's line.
    const pageLine = element("p", { id: "pageLine", class: "library-line", role: "status", hidden: true });
    main.prepend(pageLine);
    const showPageLine = (text) => {
        pageLine.textContent = text;
        pageLine.hidden = text === "";
    };
    document.body.append(page.store.fileInput("openDesignFile", ".ferricalc,application/json", (text, fileName) => {
        const file = text === null ? { problem: qsTr("无法读取所选的文件") } : page.store.readDesignFile(text);
        if (file.problem) {
            showPageLine(page.fill(qsTr("无法打开 %1：%2。"), fileName, file.problem));
            return;
        }
        showPageLine("");
        page.pendingDesign = { file, fileName };
        if (location.hash.slice(1).toLowerCase() === file.core)
            route();
        else
            location.hash = "#" + file.core;
    }));
    const openDesign = element("button", { id: "openDesignFromSelector", type: "button", class: "small",
                                            text: qsTr("打开设计文件…"), title: qsTr("打开 .ferricalc 设计文件（桌面版保存的也可以）") });
    openDesign.addEventListener("click", () => document.getElementById("openDesignFile").click());
    const selector = document.getElementById("Form1");
    const calculatorHost = page.host;
    const options = document.getElementById("options");
    document.getElementById("version").textContent = data.version;
    selector.append(element("p", { class: "selector-files" }, openDesign));
    for (const core of data.cores) {
        options.append(element("a", { class: "option", id: core.optionId, href: "#" + core.name },
                               element("img", { src: core.drawing.file, alt: "", width: core.drawing.width,
                                                height: core.drawing.height, elementtiming: "selector" }),
                               element("span", { text: page.option(core) })));
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
    // 磁芯选型 belongs to no core: the calculator open below it stays as it was.
    views.set("advise", { core: null, open: () => page.adviseView() });

    let calculator = null;  // the open core's calculator, kept while its design is shown
    let current = null;  // the view shown
    let currentName = "";
    let selectorShown = false;
    const title = () => qsTr("铁氧体磁芯有效参数计算");
    document.title = title();

    // Another language: what is shown is written again in it, each field keeping what was typed;
    // a view built before and shown later catches up when it is shown (upToLanguage).
    function switchLanguage(language) {
        if (language === page.language)
            return;
        page.setLanguage(language);
        const query = new URLSearchParams(location.search);
        if (query.has("lang")) {
            query.set("lang", page.language);
            try {
                history.replaceState(history.state, "", location.pathname + "?" + query + location.hash);
            } catch (error) {
                // a file:// page may refuse it; the browser remembers the choice all the same
            }
        }
        writePageTexts();
        page.localize(document.body);
        if (current)
            upToLanguage(current, true);
        document.title = current ? current.title + " — " + title() : title();
    }
    document.getElementById("languageZh").addEventListener("click", () => switchLanguage("zh"));
    document.getElementById("languageEn").addEventListener("click", () => switchLanguage("en"));

    function upToLanguage(view, localized = false) {
        if (view.language === page.language)
            return;
        view.language = page.language;
        if (!localized)
            page.localize(page.host);
        if (view.relocalize)
            view.relocalize();
    }

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
        if (current && currentName === name && !page.pendingDesign)
            return;  // a hash change and a history step both report the same move
        const previous = current;
        if (entry) {
            if (entry.core && (!calculator || calculator.core !== entry.core)) {
                if (calculator)
                    calculator.close();
                calculator = new page.Calculator(entry.core, previous === null && selectorShown);
            }
            // A row of 磁芯选型 opened: its core chosen and calculated, its design set to the row.
            const advice = page.pendingAdvice;
            page.pendingAdvice = null;
            if (advice && entry.core && advice.family === entry.core.name && name === entry.core.name)
                calculator.adoptAdvice(advice);
            const design = page.pendingDesign;
            page.pendingDesign = null;
            if (design && entry.core && design.file.core === entry.core.name && name === entry.core.name)
                calculator.adoptDesign(design.file, design.fileName);
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
            current = page.current = view;
            currentName = name;
            view.show();
            upToLanguage(view);
            calculatorHost.hidden = false;
            document.title = view.title + " — " + title();
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
            current = page.current = null;
            calculatorHost.hidden = true;
            calculatorHost.replaceChildren();
            main.classList.remove("wide");
            selector.hidden = false;
            document.title = title();
            currentName = "";
            const back = previous && previous.core && document.getElementById(previous.core.optionId);
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

    page.goBack = goBack;
    route();

    // A page from a server has a worker store its files, so that it opens and reloads offline
    // (service-worker.js); a page opened from a file:// address has them at hand already.
    if ("serviceWorker" in navigator && /^https?:$/.test(location.protocol))
        navigator.serviceWorker.register("service-worker.js").catch(() => {});
})();
