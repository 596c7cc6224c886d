// Writes a .wasm file as a script that holds its bytes in base64, for the page
// to load where it cannot fetch the .wasm itself (a file:// address).
//   node inline-wasm.js MODULE.wasm OUTPUT.js
'use strict';
const fs = require('fs');
const [input, output] = process.argv.slice(2);
const base64 = fs.readFileSync(input).toString('base64');
fs.writeFileSync(output, '// Generated from ferricalc-module.wasm; do not edit.\nvar FERRICALC_WASM_BASE64 = "' + base64 + '";\n');
