#!/usr/bin/env bash
# Runs every test: native unit tests, the same under ASan and UBSan, the
# Windows build's unit and differential tests under Wine, the 32-bit build
# (compiled, not run), the end-to-end tests of the real program on Xvfb, and
# each fuzzer for 45 seconds. Ends with one line
# "N passed, N failed" and a non-zero exit when anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
results="$root/build/test-results.txt"
mkdir -p build
: >"$results"

# Each step records "name passed failed"; a step that cannot run at all
# counts as one failure.
record() { echo "$1 $2 $3" >>"$results"; }

step() { printf '\n== %s\n' "$*"; }

# Counts the cases of the gtest XML reports in a folder.
count_gtest() {
  local folder=$1 name=$2 tests=0 failures=0 expected=${3:-0}
  local files=("$folder"/*.xml)
  if [[ ! -e "${files[0]}" ]]; then
    record "$name" 0 1
    return
  fi
  for xml in "${files[@]}"; do
    local line
    line=$(grep -m1 '<testsuites' "$xml")
    tests=$((tests + $(sed -E 's/.* tests="([0-9]+)".*/\1/' <<<"$line")))
    failures=$((failures + $(sed -E 's/.* failures="([0-9]+)".*/\1/' <<<"$line")))
    failures=$((failures + $(sed -E 's/.* errors="([0-9]+)".*/\1/' <<<"$line")))
  done
  # A test executable that crashed leaves no report behind.
  local missing=$((expected - ${#files[@]}))
  ((missing > 0)) || missing=0
  record "$name" $((tests - failures)) $((failures + missing))
}

build() {
  local preset=$1
  step "build $preset"
  if cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 &&
    cmake --build --preset "$preset" -j 2 >"build/build-$preset.log" 2>&1; then
    record "build-$preset" 1 0
    return 0
  fi
  tail -n 40 "build/configure-$preset.log" "build/build-$preset.log"
  record "build-$preset" 0 1
  return 1
}

# GoogleTest executables (label "gtest") count case by case from their XML
# reports; every other ctest entry (scripts, checkers) counts as one.
run_ctest() {
  local preset=$1
  local reports="$root/build/$preset/reports"
  rm -rf "$reports" && mkdir -p "$reports"
  step "tests $preset"
  local count
  count=$(ctest --preset "$preset" -L gtest -N 2>/dev/null | sed -nE 's/^Total Tests: ([0-9]+)/\1/p')
  # Under Wine the report folder must be named the Windows way (Z:\...\).
  local output="$reports/"
  [[ $preset == win64 ]] && output="$(winepath -w "$reports")\\"
  GTEST_OUTPUT="xml:$output" ctest --preset "$preset" -L gtest --timeout 900 || true
  count_gtest "$reports" "unit-$preset" "${count:-1}"
  local junit="$root/build/$preset/other-tests.xml"
  rm -f "$junit"
  ctest --preset "$preset" -LE gtest --timeout 900 --output-junit "$junit" || true
  if [[ -f "$junit" ]]; then
    local tests failures
    # The suite's own counts come first; ctest spreads them over lines.
    tests=$(grep -oE '\btests="[0-9]+"' "$junit" | head -n1 | grep -oE '[0-9]+')
    failures=$(grep -oE '\bfailures="[0-9]+"' "$junit" | head -n1 | grep -oE '[0-9]+')
    if ((${tests:-0} > 0)); then
      record "other-$preset" $((tests - ${failures:-0})) "${failures:-0}"
    fi
  fi
}

scripts/setup.sh

export WINEDEBUG=-all
export WINEPREFIX="$root/build/wine-tests"
export WINEDLLOVERRIDES="mscoree,mshtml="

# The binding's tests under Wine make real windows and timers: they need a
# display, so a headless run lends them an Xvfb of their own.
with_display() {
  if [[ -n "${DISPLAY:-}" ]]; then
    "$@"
    return
  fi
  local display=:$((200 + RANDOM % 50))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  export DISPLAY=$display
  "$@"
  unset DISPLAY
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
}

build native && run_ctest native
build asan && run_ctest asan
build win64 && with_display run_ctest win64
# The 32-bit build cannot run here; its PE headers can still be checked.
if build win32; then
  step "pe-hardening win32"
  if python3 tests/pe/check_pe.py build/win32/src/win32/KX_RuvoZava.exe; then
    record pe-hardening-win32 1 0
  else
    record pe-hardening-win32 0 1
  fi
fi

# The downloads, packed from the builds above; then the program files are
# linked again and packed again, which must give the same bytes.
dist_reproducible() {
  KX_DIST_BUILDS=build scripts/dist.sh >/dev/null || return 1
  local first
  first=$(cat dist/SHA256SUMS)
  for preset in win64 win32; do
    rm -f "build/$preset/src/win32/KX_RuvoZava.exe" "build/$preset/tools/kxd/kxd.exe"
    cmake --build --preset "$preset" --target KX_RuvoZava kxd >/dev/null || return 1
  done
  KX_DIST_BUILDS=build scripts/dist.sh >/dev/null || return 1
  [[ $(cat dist/SHA256SUMS) == "$first" ]]
}
if [[ -d build/win32 && -d build/native ]]; then
  step "dist"
  if dist_reproducible; then record dist-reproducible 1 0; else record dist-reproducible 0 1; fi
fi

if [[ -x tests/e2e/run_all.sh && -d build/win64 ]]; then
  step "end-to-end"
  tests/e2e/run_all.sh "$root/build/win64" | tee build/e2e.log
  line=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' build/e2e.log | tail -n1)
  if [[ -n "$line" ]]; then
    record e2e "$(cut -d' ' -f1 <<<"$line")" "$(cut -d' ' -f3 <<<"$line")"
  else
    record e2e 0 1
  fi
fi

# Each fuzzer counts as one case; a fuzz build that fails counts as one failure.
step "fuzzers"
scripts/fuzz.sh 45 | tee build/fuzz.log
while read -r verdict name _; do
  case $verdict in
    ok) record "$name" 1 0 ;;
    FAIL) record "$name" 0 1 ;;
  esac
done < <(grep -E '^(ok|FAIL) +fuzz_' build/fuzz.log)
grep -qE '^[0-9]+ passed, [0-9]+ failed$' build/fuzz.log || record fuzz-build 0 1

step "summary"
column -t "$results" 2>/dev/null || cat "$results"
passed=$(awk '{s += $2} END {print s + 0}' "$results")
failed=$(awk '{s += $3} END {print s + 0}' "$results")
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
