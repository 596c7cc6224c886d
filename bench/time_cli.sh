#!/bin/sh
# Times the command-line program on a generated file of ring rows and reports
# rows per second (wall clock and user time) and the peak resident memory.
#   time_cli.sh BUILD_DIR [ROWS]
set -eu
build=${1:?usage: time_cli.sh BUILD_DIR [ROWS]}
rows=${2:-1000000}
if [ ! -x /usr/bin/time ]; then
    echo "time_cli.sh: /usr/bin/time is missing (Debian package 'time')" >&2
    exit 2
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$build/bench/ferricalc_ring_rows" "$rows" > "$dir/rows.csv"
status=0
/usr/bin/time -v "$build/cli/ferricalc-cli" --batch "$dir/rows.csv" > "$dir/out.csv" 2> "$dir/time.txt" || status=$?
if [ "$status" -ne 0 ]; then
    cat "$dir/time.txt" >&2
    exit "$status"
fi
awk -v rows="$rows" -v bytes="$(wc -c < "$dir/rows.csv")" '
    /Elapsed \(wall clock\)/ { n = split($NF, part, ":"); wall = part[n] + (n > 1 ? part[n - 1] * 60 : 0) + (n > 2 ? part[n - 2] * 3600 : 0) }
    /User time/ { user = $NF }
    /Maximum resident set size/ { rss = $NF }
    END {
        printf "%d ring rows (%.1f MB) in %.2f s wall, %.2f s user: %.0f rows/s wall, %.0f rows/s user; peak RSS %d KiB\n",
               rows, bytes / 1e6, wall, user, rows / wall, rows / user, rss
    }' "$dir/time.txt"
