# Shared by the end-to-end scripts (sourced, not run, on a display of their
# own from scripts/with_xvfb.sh): one Wine prefix with a virtual desktop as
# large as the display, so screen pixels of Windows and of X are the same,
# and a fresh program folder per scenario.
#
#   e2e_start BUILD_DIR    checks the build and prepares the prefix
#   check NAME COMMAND...  runs a check, prints "ok   NAME" or "FAIL NAME"
#   e2e_summary            prints "N passed, N failed"; non-zero on failure

e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$e2e_here/../.." && pwd)
source "$root/scripts/tally.sh"
desktop_size=1024x768
passed=0
failed=0

check() {
  local name=$1
  shift
  if "$@"; then echo "ok   $name" && ((++passed)); else echo "FAIL $name" && ((++failed)); fi
}

e2e_summary() { tally "$passed" "$failed"; }

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local tries=$(($1 * 4))
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.25; done
  return 1
}

e2e_start() {
  build=$(cd "${1:?usage: BUILD_DIR}" && pwd)
  exe="$build/src/win32/KX_RuvoZava.exe"
  probe_exe="$build/tests/e2e/kx_probe.exe"
  work="$build/e2e"
  screens="$work/screens"
  for file in "$exe" "$probe_exe"; do
    [[ -f $file ]] || { echo "missing $file"; tally 0 1; exit 1; }
  done
  rm -rf "$work/run" "$screens"
  mkdir -p "$work/run" "$screens"
  export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=${E2E_LOCALE:-ja_JP.UTF-8} LC_ALL=${E2E_LOCALE:-ja_JP.UTF-8}
  tag=${LANG%%.*}
  prepare_prefix
  trap 'wineserver -k 2>/dev/null' EXIT
}

prepare_prefix() {
  "$root/scripts/wine_prefix.sh"
  # Every process of the prefix on the one virtual desktop "kxe2e": the probe
  # only sees windows of its own desktop.
  if [[ ! -f "$WINEPREFIX/.kx-e2e-desktop-$desktop_size" ]]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d kxe2e /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v kxe2e /d $desktop_size /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kx-e2e-desktop-$desktop_size"
  fi
}

# use_dpi DPI: later Wine processes see a screen of this logical resolution,
# in a prefix of their own. Positions in the checks are those of the 96-dpi
# design; px turns one into pixels at this dpi, as the program does.
dpi=96
use_dpi() {
  end_app
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  dpi=$1
  export WINEPREFIX="$work/wineprefix-$dpi"
  prepare_prefix
  if [[ ! -f "$WINEPREFIX/.kx-dpi-$dpi" ]]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kx-dpi-$dpi"
  fi
  tag="${LANG%%.*}-${dpi}dpi"
}
px() { echo $(($1 * dpi / 96)); }

# Ends the program the way the system would at log-off; one that does not
# answer is killed. The desktop and its taskbar stay for the next scenario.
end_app() {
  [[ -n ${app:-} && -f $app/kx_probe.exe ]] || return 0
  is_running 0 && return 0
  probe close KX_RuvoZava
  wait_for 5 is_running 0 && return 0
  wine taskkill /f /im KX_RuvoZava.exe >/dev/null 2>&1
  wait_for 5 is_running 0
}

# fresh_folder NAME: a new program folder with the program and the probe,
# made the current folder. No copy of the program is left running.
fresh_folder() {
  end_app
  app="$work/run/$tag-$1"
  rm -rf "$app" && mkdir -p "$app"
  cp "$exe" "$probe_exe" "$app/"
  cd "$app" || exit 1
}

win_path() { winepath -w "$1" 2>/dev/null; }

# write_ini QUESTION_FILE: the folder's settings file names it.
write_ini() { printf '[FilePath]\r\nKX_FILE=%s\r\n' "$1" >"$app/KXT.ini"; }

# write_quiz FILE QUESTION ANSWER [QUESTION ANSWER...]: 351-byte records.
write_quiz() {
  python3 - "$@" <<'PY'
import sys
out, pairs = sys.argv[1], sys.argv[2:]
with open(out, 'wb') as f:
    for question, answer in zip(pairs[0::2], pairs[1::2]):
        q, a = question.encode('cp932'), answer.encode('cp932')
        f.write(q.ljust(288, b' ') + a.ljust(60, b' ') + b' \r\n')
PY
}

start_app() { wine explorer /desktop=kxe2e,$desktop_size KX_RuvoZava.exe >/dev/null 2>&1 & }
probe() { wine kx_probe.exe "$@" 2>/dev/null | tr -d '\r'; }
is_running() { [[ $(probe processes KX_RuvoZava.exe) == "$1" ]]; }
is_hidden() { [[ $(probe window KX_RuvoZava) == hidden ]]; }
is_visible() { [[ $(probe window KX_RuvoZava) == visible ]]; }

# The first tray icon's picture on the screen (16 x 16 at 96 dpi): icon=(x y w h).
icon=()
find_icon() {
  local line
  line=$(probe tray)
  [[ -n $line ]] && read -r -a icon <<<"$line"
}
# icon_shot NAME: the icon's area of a fresh screenshot, as NAME.png.
icon_shot() {
  import -window root -crop "${icon[2]}x${icon[3]}+${icon[0]}+${icon[1]}" +repage \
    "$screens/$1.png" 2>/dev/null
}
# An icon is there when its slot holds more than the taskbar's own colour.
has_icon() {
  find_icon && icon_shot slot || return 1
  local colours
  colours=$(convert "$screens/slot.png" -format %k info: 2>/dev/null)
  [[ -n $colours && $colours -gt 1 ]]
}
no_icon() { ! has_icon; }
# icon_shows NAME HEX: a fresh picture of the icon holds the colour #HEX.
icon_shows() {
  icon_shot "$1" || return 1
  # All of convert's output is read: with pipefail, a grep that stopped at
  # the first match would fail the pipeline whenever convert was still writing.
  (($(convert "$screens/$1.png" txt:- 2>/dev/null | grep -ci "#$2 ") > 0))
}

click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
click_icon() { click_at $((icon[0] + icon[2] / 2)) $((icon[1] + icon[3] / 2)) "${1:-1}"; }
double_click_icon() {
  xdotool mousemove $((icon[0] + icon[2] / 2)) $((icon[1] + icon[3] / 2)) click --repeat 2 \
    --delay 80 1
}
# choose_menu_item FRACTION: opens the icon's popup menu and clicks the item
# at that fraction of its height, e.g. "3 / 7".
choose_menu_item() {
  click_icon 3
  wait_for 5 probe menu >/dev/null || return 1
  local menu
  read -r -a menu <<<"$(probe menu)"
  click_at $((menu[0] + menu[2] / 2)) $((menu[1] + menu[3] * $1))
}

# The open-file dialog. A path goes into its name box directly: typing would
# depend on the display's keyboard layout for anything but ASCII.
dialog_open() { [[ $(probe window 問題を読む) == visible ]]; }
open_in_dialog() { probe open-path 問題を読む "$(win_path "$1")"; }
stored_is() { grep -qxF "KX_FILE=$(win_path "$1")" <(iconv -f cp932 <KXT.ini | tr -d '\r'); }

box_text() { probe box-text "$1"; }
box_says() { [[ $(box_text "$1") == "$2" ]]; }
no_box() { [[ -z $(box_text "$1") ]]; }
