#!/usr/bin/env bash
# Builds the fuzz targets (clang: libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# fuzzes them one after another, each from its seed corpus and the inputs that once failed
# (tests/fuzz/corpus/<target>, tests/fuzz/regressions/<target>). New inputs that reach new code
# are kept in build/fuzz/corpus/<target> for the next run. An input that crashes, leaks, hits
# undefined behaviour, times out or breaks a property is saved in build/fuzz/findings/<target>/
# and makes this script fail; copy it into tests/fuzz/regressions/<target>/ with the fix.
#
#   bash scripts/fuzz.sh [seconds per target (default 60; 0: no limit)] [libFuzzer options...]
#   e.g. the long local run: nice -n 19 bash scripts/fuzz.sh 0 -runs=10000000
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift

# A smaller quarantine than AddressSanitizer's 256 MB: use after free is still caught within an
# input's run, and the targets that allocate much (the settings file) run twice as fast.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

status=0
summary=()
for seeds in tests/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  work=build/fuzz/corpus/$name
  findings=build/fuzz/findings/$name
  log=build/fuzz/$name.log
  mkdir -p "$work" "$findings"
  inputs=("$work" "$seeds")
  [ -d "tests/fuzz/regressions/$name" ] && inputs+=("tests/fuzz/regressions/$name")
  echo "fuzzing $name for ${seconds}s"
  result=ok
  if ! "build/fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$@" "${inputs[@]}" >"$log" 2>&1; then
    result=FAILED
    status=1
    tail -n 60 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  summary+=("$(printf '%-16s %12s execs %8s execs/s  %s' "$name" "${runs:-?}" "${rate:-?}" "$result")")
done

printf '%s\n' "${summary[@]}"
[ $status -eq 0 ] || echo "fuzzing found failing inputs: see build/fuzz/findings/" >&2
exit $status
