#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build, each for the given number of seconds:
#   tests/fuzz/run.sh <build dir> <seconds> [target...]
# (targets: tile_file prop_file png number_format; all by default). Each
# target grows a working corpus in <build dir>/fuzz-corpus/<target>, starting
# from its seeds here; a finding is written to <build dir>/fuzz-findings/ and
# makes the script fail. The png target needs DISPLAY.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(tile_file prop_file png number_format)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../lsan-suppressions.txt:print_suppressions=0}
mkdir -p "$build/fuzz-findings"
status=0
for target in "${targets[@]}"; do
    corpus="$build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    log="$build/fuzz-findings/$target.log"
    echo "fuzz_$target: ${seconds} s"
    if (cd "$build" && "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$build/fuzz-findings/$target-" "$corpus" "$here/corpus/$target") \
            >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$log" | sed 's/^/  /'
    else
        status=1
        echo "  FINDING (log: $log)"
        grep -E 'ERROR|runtime error|check failed|Test unit written' "$log" | head -5 | sed 's/^/  /'
    fi
done
exit $status
