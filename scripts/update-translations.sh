#!/bin/sh
# Brings translations/ferricalc_en.ts up to the windows' sources: new Chinese
# texts arrive without English (type="unfinished") for a translator to fill in,
# texts no longer in the sources are marked vanished. Needs qt6-l10n-tools.
set -eu
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -locations none -I . -source-language zh_CN -target-language en app window store \
    -ts translations/ferricalc_en.ts
