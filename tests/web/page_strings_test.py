#!/usr/bin/env python3
"""scripts/page_strings.py: the windows' English first, the page's for the rest, nothing unfinished or
vanished, no shortcut marks, a missing file passed over.

    python3 page_strings_test.py SCRIPTS/page_strings.py
"""

import json
import subprocess
import sys
import tempfile
from pathlib import Path

WINDOWS = [("计算", "&amp;Calculate", ""), ("返回", "Back", ""), ("未译", "", ' type="unfinished"')]
PAGE = [("返回", "Return", ""), ("复制结果", "Copy results", ""), ("已删", "Gone", ' type="vanished"')]
EXPECTED = {"计算": "Calculate", "返回": "Back", "复制结果": "Copy results"}


def ts_file(path, messages):
    body = "".join(f"<message><source>{source}</source><translation{kind}>{english}</translation></message>"
                   for source, english, kind in messages)
    path.write_text(f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="en">'
                    f"<context><name>c</name>{body}</context></TS>", encoding="utf-8")


def main(script):
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        ts_file(folder / "windows.ts", WINDOWS)
        ts_file(folder / "page.ts", PAGE)
        output = folder / "strings-en.js"
        subprocess.run([sys.executable, script, str(output), str(folder / "windows.ts"), str(folder / "absent.ts"),
                        str(folder / "page.ts")], check=True)
        text = output.read_text(encoding="utf-8")
    table = json.loads(text[text.index("{"):text.rindex("}") + 1])
    if table != EXPECTED:
        print(f"the table is {table}, not {EXPECTED}")
        return 1
    print("the page's English table as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
