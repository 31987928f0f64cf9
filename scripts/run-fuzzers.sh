#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for SECONDS each on its seed corpus, one after the other.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS
# New inputs go to BUILD_DIR/corpus/<target> (the seeds in fuzz/corpus stay as they are); a
# crash leaves its input in BUILD_DIR/artifacts and fails the run. Ends with one line per
# target: executions, executions per second, corpus size.
set -uo pipefail

build=${1:?build directory}
seconds=${2:?seconds per target}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/corpus" "$build/artifacts" "$build/logs"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=UTC
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
summary=()
for seeds in "$root"/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  binary="$build/fuzz/$target"
  if [[ ! -x $binary ]]; then
    echo "missing fuzz target $binary" >&2
    failed+=("$target")
    continue
  fi
  mkdir -p "$build/corpus/$target"
  log="$build/logs/$target.log"
  echo "fuzzing $target for ${seconds}s"
  if "$binary" "$build/corpus/$target" "$seeds" -max_total_time="$seconds" -timeout=10 \
       -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    units=$(find "$build/corpus/$target" -type f | wc -l)
    summary+=("$(printf '%-18s %10s runs %8s exec/s %6s inputs in corpus' "$target" "$runs" "$speed" "$units")")
  else
    echo "fuzz target $target failed; its log ($log) ends:" >&2
    tail -n 40 "$log" >&2
    failed+=("$target")
  fi
done

printf '%s\n' "${summary[@]}"
if [[ ${#failed[@]} -ne 0 ]]; then
  echo "failed fuzz targets: ${failed[*]}" >&2
  exit 1
fi
