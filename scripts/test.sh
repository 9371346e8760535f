#!/usr/bin/env bash
# Runs the tests of `make test`: the native unit tests and the fuzzers'
# corpora replayed once, the Windows build's unit, binding, differential,
# leak and PE checks under Wine, and the end-to-end tests of the real
# program. Ends with one line "N passed, N failed" and a non-zero exit when
# anything failed. The long runs have their own targets: make fuzz, make
# soak, make test-more (sanitizers, 32-bit build, second locale). Run it as
# `make test`, which installs the packages first.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/tally.sh
# Wine's windows, timers and the end-to-end tests need a display: one Xvfb
# for the whole run.
[[ -n ${KX_TEST_DISPLAY:-} ]] || KX_TEST_DISPLAY=1 exec scripts/with_xvfb.sh "$0" "$@"
results="$root/build/test-results.txt"
mkdir -p build
: >"$results"

# Each step records "name passed failed"; a step that cannot run at all
# counts as one failure.
record() { echo "$1 $2 $3" >>"$results"; }
step() { printf '\n== %s\n' "$*"; }

build() {
  step "build $1"
  if scripts/build.sh "$1"; then record "build-$1" 1 0; else record "build-$1" 0 1 && return 1; fi
}

# Counts the cases of JUnit-style reports (gtest's and ctest's), read with
# an XML parser; prints "passed failed".
count_xml() {
  python3 - "$@" <<'PY'
import sys, xml.etree.ElementTree as ET
passed = failed = 0
for path in sys.argv[1:]:
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError):
        failed += 1
        continue
    for case in root.iter('testcase'):
        bad = case.find('failure') is not None or case.find('error') is not None \
            or case.get('status') == 'fail' or case.get('result') == 'failed'
        failed += bad
        passed += not bad
print(passed, failed)
PY
}

# GoogleTest executables (label "gtest") count case by case from their own
# reports; every other ctest entry counts as one case of ctest's report.
run_ctest() {
  local preset=$1 reports="$root/build/$1/reports"
  rm -rf "$reports" && mkdir -p "$reports"
  step "tests $preset"
  local expected output="$reports/"
  expected=$(ctest --preset "$preset" -L gtest -N 2>/dev/null | sed -nE 's/^Total Tests: ([0-9]+)/\1/p')
  # Under Wine the report folder must be named the Windows way (Z:\...\).
  [[ $preset == win64 ]] && output="$(winepath -w "$reports")\\"
  GTEST_OUTPUT="xml:$output" ctest --preset "$preset" -L gtest --timeout 600 || true
  local files=("$reports"/*.xml)
  [[ -e ${files[0]} ]] || files=()
  # A test executable that crashed leaves no report behind.
  local missing=$((${expected:-1} - ${#files[@]}))
  ((missing > 0)) || missing=0
  read -r passed failed < <(count_xml "${files[@]}")
  record "unit-$preset" "$passed" $((failed + missing))
  ctest --preset "$preset" -LE gtest --timeout 600 --output-junit "$reports/others.junit" || true
  read -r passed failed < <(count_xml "$reports/others.junit")
  record "other-$preset" "$passed" "$failed"
}

# Wine names Unix files through the locale's character set; a bare system
# sets no locale, and the tests' Japanese file names could not be made.
export LC_ALL=C.UTF-8
export WINEDEBUG=-all
export WINEPREFIX="$root/build/wine-tests"
export WINEDLLOVERRIDES="mscoree,mshtml="

# The download, packed from the builds above; then the program files are
# linked again and packed again, which must give the same bytes. (`make dist`
# packs the 32-bit one too.)
dist_reproducible() {
  export KX_DIST_BUILDS=build KX_DIST_ARCHES=win64
  scripts/dist.sh >/dev/null || return 1
  local first
  first=$(cat dist/SHA256SUMS)
  rm -f build/win64/src/win32/KX_RuvoZava.exe build/win64/tools/kxd/kxd.exe
  scripts/build.sh win64 --target KX_RuvoZava --target kxd || return 1
  scripts/dist.sh >/dev/null || return 1
  [[ $(cat dist/SHA256SUMS) == "$first" ]]
}

# No folder includes a header of a sibling or higher layer (every build
# checks this too; here it counts on its own).
step "layers"
if cmake -DKX_SOURCE_DIR="$root" -P cmake/check_layers.cmake; then
  record layers 1 0
else
  record layers 0 1
fi

run_e2e() {
  step "end-to-end"
  tests/e2e/run_all.sh "$root/build/win64" | tee build/e2e.log
  local counts
  if counts=$(tally_of build/e2e.log); then record e2e $counts; else record e2e 0 1; fi
}

# The Windows tests mostly wait for Wine: they run while the native build
# keeps both cores busy. The end-to-end tests click and watch the screen,
# so they come after, with the cores free.
wine_tests=
if build win64; then
  run_ctest win64 >build/wine-tests.log 2>&1 &
  wine_tests=$!
fi
build native && run_ctest native
if [[ -n $wine_tests ]]; then
  wait "$wine_tests"
  cat build/wine-tests.log
  step "dist"
  if dist_reproducible; then record dist-reproducible 1 0; else record dist-reproducible 0 1; fi
  run_e2e
fi

step "summary"
column -t "$results"
tally_rows "$results"
