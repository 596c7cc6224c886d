#!/bin/sh
# Runs lupdate over the windows' sources into a copy of translations/ferricalc_en.ts
# and fails on any text it finds new or without its English.
#   translations_test.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/translations/ferricalc_en.ts" "$work/ferricalc_en.ts"
cd "$source_dir"
"$lupdate" -silent -locations none -I . -source-language zh_CN -target-language en app window store \
    -ts "$work/ferricalc_en.ts" 2>/dev/null
unfinished=$(grep -c 'type="unfinished"' "$work/ferricalc_en.ts" || true)
if [ "$unfinished" -ne 0 ]; then
    echo "translations/ferricalc_en.ts: $unfinished text(s) without English; run scripts/update-translations.sh and translate:"
    grep -B2 'type="unfinished"' "$work/ferricalc_en.ts" | grep '<source>' | sed 's/^ *//'
    exit 1
fi
echo "every window text has its English"
