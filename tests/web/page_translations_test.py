#!/usr/bin/env python3
"""Checks that translations/page_en.ts translates every text of the web page.

    python3 page_translations_test.py LUPDATE page_en.ts page-shared.js page-store.js ...

Runs lupdate over the page's scripts into a copy of the .ts file, as a person adding a text would,
and fails on a text left unfinished (new, or its translation emptied), on an entry the page no
longer has (vanished), and on a translation that drops or invents a %1-style placeholder or still
holds Chinese.
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLACEHOLDER = re.compile(r"%\d")
CHINESE = re.compile(r"[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")


def problems(ts_path):
    for message in ElementTree.parse(ts_path).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "unfinished"
        english = (translation.text or "") if translation is not None else ""
        if kind in ("vanished", "obsolete"):
            yield "no longer in the page: " + source
        elif kind == "unfinished" or english == "":
            yield "not translated: " + source
        elif set(PLACEHOLDER.findall(source)) != set(PLACEHOLDER.findall(english)):
            yield "placeholders differ: " + source + " -> " + english
        elif CHINESE.search(english):
            yield "Chinese left in the English: " + source + " -> " + english


def main(arguments):
    lupdate, ts_file, scripts = arguments[0], Path(arguments[1]), arguments[2:]
    with tempfile.TemporaryDirectory() as folder:
        copy = Path(folder) / ts_file.name
        shutil.copy(ts_file, copy)
        run = subprocess.run([lupdate, *scripts, "-locations", "none", "-ts", str(copy)],
                             capture_output=True, text=True)
        # lupdate reports a script it cannot parse on stderr but still succeeds: that is a fault here,
        # since every text of that script would go unchecked.
        if run.returncode != 0 or "error" in run.stderr:
            print(run.stdout + run.stderr, file=sys.stderr)
            return 1
        found = list(problems(copy))
    for problem in found:
        print(problem)
    print(f"{len(found)} problem(s) in {ts_file.name}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
