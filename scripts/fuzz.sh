#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) and runs each for a
# bounded time, first replaying the inputs kept under tests/fuzz/regressions.
# A crash fails the run; its input stays in build/fuzz/work/NAME/artifacts/
# (copy it to tests/fuzz/regressions/NAME/ to keep it as a regression case).
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/tally.sh
seconds=${1:-60}

scripts/build.sh fuzz || exit 1

passed=0
failed=0
for fuzzer in build/fuzz/tests/fuzz/fuzz_*; do
  [[ -x "$fuzzer" ]] || continue
  name=$(basename "$fuzzer")
  seeds="$root/tests/fuzz/corpus/${name#fuzz_}"
  regressions="$root/tests/fuzz/regressions/${name#fuzz_}"
  work="$root/build/fuzz/work/$name"
  mkdir -p "$work/corpus" "$work/artifacts"
  ok=1
  if compgen -G "$regressions/*" >/dev/null; then
    "$fuzzer" -runs=0 "$regressions"/* >"$work/regressions.log" 2>&1 || ok=0
  fi
  if ((ok)); then
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/" "$work/corpus" "$seeds" >"$work/run.log" 2>&1 || ok=0
  fi
  if ((ok)); then
    runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$work/run.log")
    echo "ok    $name (${runs:-?} inputs in ${seconds}s)"
    passed=$((passed + 1))
  else
    echo "FAIL  $name"
    tail -n 30 "$work/run.log" "$work/regressions.log" 2>/dev/null
    ls "$work"/artifacts/* 2>/dev/null
    failed=$((failed + 1))
  fi
done
tally "$passed" "$failed"
