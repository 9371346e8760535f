#!/usr/bin/env bash
# End-to-end tests of the real KX_RuvoZava.exe under Wine on Xvfb, once with
# a Japanese and once with an English locale. Usage:
#   tests/e2e/run_all.sh BUILD_DIR     (a win64 build folder)
# Prints one line per check and "N passed, N failed"; exits non-zero when a
# check failed. Screenshots go to BUILD_DIR/e2e/screens.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: run_all.sh BUILD_DIR}" && pwd)

exe="$build/src/win32/KX_RuvoZava.exe"
probe_exe="$build/tests/e2e/kx_probe.exe"
work="$build/e2e"
screens="$work/screens"
for file in "$exe" "$probe_exe"; do
  [[ -f $file ]] || { echo "missing $file"; echo "0 passed, 1 failed"; exit 1; }
done
rm -rf "$work/app" "$screens"
mkdir -p "$work/app" "$screens"
cp "$exe" "$probe_exe" "$work/app/"

export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/scripts/wine_prefix.sh"
# Every process of the prefix on the one virtual desktop "kxe2e": the probe
# only sees windows of its own desktop.
if [[ ! -f "$WINEPREFIX/.kx-e2e-desktop" ]]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d kxe2e /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v kxe2e /d 800x600 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.kx-e2e-desktop"
fi

passed=0
failed=0
check() {  # check NAME COMMAND...: one line per check
  local name=$1
  shift
  if "$@"; then
    echo "ok   $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name"
    failed=$((failed + 1))
  fi
}

# Xvfb on the first free display.
display=
for n in $(seq 120 199); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
cleanup() {
  wineserver -k 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cd "$work/app"
desktop=(wine explorer /desktop=kxe2e,800x600)
probe() { wine kx_probe.exe "$@" 2>/dev/null | tr -d '\r'; }
# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local tries=$(($1 * 4))
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.25; done
  return 1
}
copies() { probe processes KX_RuvoZava.exe; }
is_hidden() { [[ $(probe window KX_RuvoZava) == hidden ]]; }
is_running() { [[ $(copies) == "$1" ]]; }
box_says() { [[ $(probe box-text 起動Error) == "$1" ]]; }
box_open() { probe box-text 起動Error >/dev/null && [[ -n $(probe box-text 起動Error) ]]; }
no_box() { ! box_open; }
shot() { import -window root "$screens/$1.png" 2>/dev/null; }
press_enter() { xdotool key Return; }

for locale in ja_JP.UTF-8 en_US.UTF-8; do
  export LANG=$locale LC_ALL=$locale
  tag=${locale%%.*}
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null

  "${desktop[@]}" KX_RuvoZava.exe >/dev/null 2>&1 &
  check "$tag: starts with a window titled KX_RuvoZava" wait_for 30 is_hidden
  sleep 2
  check "$tag: the window stays hidden" is_hidden
  check "$tag: one copy runs" is_running 1
  shot "$tag-1-running"

  "${desktop[@]}" KX_RuvoZava.exe >/dev/null 2>&1 &
  check "$tag: a second copy shows the start-up error box" wait_for 15 box_open
  check "$tag: the box says the program cannot start twice" box_says 多重起動は出来ません。
  shot "$tag-2-second-copy"
  press_enter
  check "$tag: the second copy ends after Enter" wait_for 10 no_box
  check "$tag: only the first copy is left" wait_for 10 is_running 1
  check "$tag: the first copy still has its hidden window" is_hidden

  probe close KX_RuvoZava
  check "$tag: the first copy ends when its window closes" wait_for 10 is_running 0

  wine kx_probe.exe hold KX_RuvoZava 30 >/dev/null 2>&1 &
  holder=$!
  wait_for 10 is_hidden
  "${desktop[@]}" KX_RuvoZava.exe >/dev/null 2>&1 &
  check "$tag: another program's window titled KX_RuvoZava makes it refuse" wait_for 15 box_open
  shot "$tag-3-other-window"
  press_enter
  check "$tag: the refused copy ends without a window of its own" wait_for 10 is_running 0
  kill "$holder" 2>/dev/null
  wait "$holder" 2>/dev/null
done

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
