#!/bin/sh
# Runs every libFuzzer target of a fuzz build for a bounded time, one after the
# other, and prints one summary line per target. A target is named after its
# seed corpus: fuzz/corpus/NAME is fed to BUILD/fuzz/fuzz_NAME. New inputs that
# libFuzzer finds go to BUILD/fuzz-corpus/NAME, crashing inputs to
# BUILD/fuzz-artifacts/; the exit status is 1 when any target failed.
#
# Usage: scripts/run-fuzzers.sh BUILD_DIRECTORY SECONDS_PER_TARGET
set -eu
cd "$(dirname "$0")/.."

build=${1:?usage: run-fuzzers.sh BUILD_DIRECTORY SECONDS_PER_TARGET}
seconds=${2:?usage: run-fuzzers.sh BUILD_DIRECTORY SECONDS_PER_TARGET}
failed=""

mkdir -p "$build/fuzz-artifacts"
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    target="$build/fuzz/fuzz_$name"
    log="$build/fuzz-$name.log"
    mkdir -p "$build/fuzz-corpus/$name"
    echo "fuzz_$name: running for $seconds s (log: $log)"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -dict=fuzz/number.dict -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$name-" \
        "$build/fuzz-corpus/$name" "$seeds" > "$log" 2>&1; then
        status="clean"
    else
        status="FAILED"
        failed="$failed fuzz_$name"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    added=$(sed -n 's/^stat::new_units_added: *//p' "$log")
    echo "fuzz_$name: $status, ${runs:-?} executions (${rate:-?}/s), ${added:-?} new inputs"
done

if [ -n "$failed" ]; then
    echo "Failed:$failed. The crashing inputs are in $build/fuzz-artifacts/; see the logs above." >&2
    exit 1
fi
