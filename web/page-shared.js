// What the page's scripts share (page-store.js, page-calculator.js, page-design.js,
// page-plot.js, page-advise.js and page.js, loaded in that order after this one as plain
// scripts, so that the page runs from a file:// address too): the page's data,
// the scripting interface and the module behind it, and the helpers that build
// elements. Each script adds its part to window.FerricalcPage.
(function () {
    "use strict";

    const data = window.FERRICALC_DATA;
    const CUSTOM = "自定义";
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

    const SVG = "http://www.w3.org/2000/svg";

    function svg(tag, attributes = {}, text = null) {
        const node = document.createElementNS(SVG, tag);
        for (const [name, value] of Object.entries(attributes))
            node.setAttribute(name, String(value));
        if (text !== null)
            node.textContent = text;
        return node;
    }

    window.FerricalcPage = {
        data, CUSTOM, NBSP, SEPARATOR, ferricalc, element, svg, SVG,
        host: document.getElementById("calculator"),  // where the view shown is placed
        current: null,  // the view shown (page.js)
    };
})();
