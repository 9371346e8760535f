# Shared by the end-to-end scripts (sourced, not run): one Xvfb display, one
# Wine prefix with a virtual desktop as large as the display (so screen
# pixels of Windows and of X are the same), a fresh program folder per
# scenario, screenshots and pixel counts.
#
#   e2e_start BUILD_DIR    checks the build, starts Xvfb, prepares the prefix
#   use_dpi DPI            later Wine processes see a screen of this dpi
#   check NAME COMMAND...  runs a check, prints "ok   NAME" or "FAIL NAME"
#   e2e_summary            prints "N passed, N failed"; non-zero on failure

e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$e2e_here/../.." && pwd)
desktop_size=1024x768
passed=0
failed=0

check() {
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

e2e_summary() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 ]]
}

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local tries=$(($1 * 4))
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.25; done
  return 1
}

e2e_cleanup() {
  wineserver -k 2>/dev/null
  [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null
  return 0
}

e2e_start() {
  build=$(cd "${1:?usage: BUILD_DIR}" && pwd)
  exe="$build/src/win32/KX_RuvoZava.exe"
  probe_exe="$build/tests/e2e/kx_probe.exe"
  work="$build/e2e"
  screens="$work/screens"
  for file in "$exe" "$probe_exe"; do
    [[ -f $file ]] || { echo "missing $file"; echo "0 passed, 1 failed"; exit 1; }
  done
  rm -rf "$work/run" "$work/frames" "$screens"
  mkdir -p "$work/run" "$screens"

  export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  prepare_prefix

  local display=
  for n in $(seq 120 199); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
  done
  Xvfb "$display" -screen 0 ${desktop_size}x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  trap e2e_cleanup EXIT
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
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

# use_dpi DPI: a prefix of its own whose screen has this logical resolution
# (96 is the prefix of e2e_start). Positions in the scripts are those of the
# 96-dpi design; px turns one into pixels at this dpi, as the program does.
dpi=96
use_dpi() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  dpi=$1
  export WINEPREFIX="$work/wineprefix"
  [[ $dpi == 96 ]] || WINEPREFIX+="-$dpi"
  prepare_prefix
  if [[ ! -f "$WINEPREFIX/.kx-dpi-$dpi" ]]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kx-dpi-$dpi"
  fi
}
px() { echo $(($1 * dpi / 96)); }

# use_locale LOCALE: every later Wine process runs in it. The Wine server is
# restarted so that no process of the previous locale lingers.
use_locale() {
  export LANG=$1 LC_ALL=$1
  tag=${1%%.*}
  [[ $dpi == 96 ]] || tag+="-${dpi}dpi"
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

# Ends the program the way the system would at log-off (its window closes,
# so its tray icon goes too); one that does not answer is killed. The desktop
# and its taskbar stay for the next scenario.
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
  rm -rf "$app"
  mkdir -p "$app"
  cp "$exe" "$probe_exe" "$app/"
  cd "$app" || exit 1
}

# The Windows form of a path in the program folder.
win_path() { winepath -w "$1" 2>/dev/null; }

# write_ini [SPEED QUESTION ANSWER] PATH: the settings file of the folder,
# with CR LF lines; an empty PATH leaves the key out.
write_ini() {
  {
    if [[ $# -ge 4 ]]; then
      printf '[SCROLL]\r\nSPEED=%s\r\n[COLOR]\r\nQUESTION=%s\r\nANSWER=%s\r\n' "$1" "$2" "$3"
      shift 3
    fi
    [[ -n $1 ]] && printf '[FilePath]\r\nKX_FILE=%s\r\n' "$1"
  } >"$app/KXT.ini"
}

# write_quiz FILE QUESTION ANSWER [QUESTION ANSWER...]: 351-byte records.
write_quiz() {
  python3 - "$@" <<'EOF'
import sys
out, pairs = sys.argv[1], sys.argv[2:]
with open(out, 'wb') as f:
    for question, answer in zip(pairs[0::2], pairs[1::2]):
        q, a = question.encode('cp932'), answer.encode('cp932')
        f.write(q.ljust(288, b' ') + a.ljust(60, b' ') + b' \r\n')
EOF
}

start_app() { wine explorer /desktop=kxe2e,$desktop_size KX_RuvoZava.exe >/dev/null 2>&1 & }
probe() { wine kx_probe.exe "$@" 2>/dev/null | tr -d '\r'; }
copies() { probe processes KX_RuvoZava.exe; }
is_running() { [[ $(copies) == "$1" ]]; }
is_hidden() { [[ $(probe window KX_RuvoZava) == hidden ]]; }
is_visible() { [[ $(probe window KX_RuvoZava) == visible ]]; }

shot() { import -window root "$screens/$1.png" 2>/dev/null; }

# The first tray icon's picture on the screen (16 x 16 at 96 dpi): icon=(x y w h).
icon=()
find_icon() {
  local line
  line=$(probe tray)
  [[ -n $line ]] || return 1
  read -r -a icon <<<"$line"
}

# An icon is there when its slot holds more than the taskbar's own colour.
has_icon() {
  find_icon || return 1
  import -window root -crop "${icon[2]}x${icon[3]}+${icon[0]}+${icon[1]}" +repage \
    "$screens/slot.png" 2>/dev/null
  local colours
  colours=$(convert "$screens/slot.png" -format %k info: 2>/dev/null)
  [[ -n $colours && $colours -gt 1 ]]
}
no_icon() { ! has_icon; }

# The centre of the icon's 16 x 16 picture.
icon_x() { echo $((icon[0] + icon[2] / 2)); }
icon_y() { echo $((icon[1] + icon[3] / 2)); }

# icon_shot NAME: the icon's area of a fresh screenshot, as NAME.png.
icon_shot() {
  import -window root -crop "${icon[2]}x${icon[3]}+${icon[0]}+${icon[1]}" +repage \
    "$screens/$1.png" 2>/dev/null
}

# count_colour IMAGE HEX [GEOMETRY]: how many pixels have exactly this
# colour (#RRGGBB), in the whole image or in a crop of it.
count_colour() {
  local crop=()
  [[ -n ${3:-} ]] && crop=(-crop "$3" +repage)
  convert "$1" "${crop[@]}" txt:- 2>/dev/null | grep -ci "#$2 " || true
}
has_colour() { (($(count_colour "$screens/$1.png" "$2" "${3:-}") > 0)); }

# pixel IMAGE X Y: "#RRGGBB" of one pixel.
pixel() {
  convert "$screens/$1.png" -crop "1x1+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
    sed -nE 's/.*(#[0-9A-Fa-f]{6}).*/\1/p' | tr a-f A-F
}
pixel_is() { [[ $(pixel "$1" "$2" "$3") == "$4" ]]; }

images_differ() { ! cmp -s <(convert "$screens/$1.png" rgb:-) <(convert "$screens/$2.png" rgb:-); }
images_same() { ! images_differ "$1" "$2"; }

click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
click_icon() { xdotool mousemove "$(icon_x)" "$(icon_y)" click "${1:-1}"; }
double_click_icon() { xdotool mousemove "$(icon_x)" "$(icon_y)" click --repeat 2 --delay 80 1; }

# Polls screenshots of the icon until one holds the colour.
icon_shows() {
  icon_shot "$1" && has_colour "$1" "$2"
}

box_text() { probe box-text File読込Error; }
box_open() { [[ -n $(box_text) ]]; }
no_box() { ! box_open; }
box_says() { [[ $(box_text) == "$1" ]]; }
close_box() { probe press-ok File読込Error; wait_for 5 no_box; }

# The tip of the icon: the pointer rests on it until the tooltip shows.
tip_is() {
  xdotool mousemove "$(icon_x)" "$(icon_y)"
  sleep 0.3
  xdotool mousemove "$(($(icon_x) + 1))" "$(icon_y)"
  wait_for 4 tip_shows "$1"
}
tip_shows() { probe tooltip | grep -qxF "$1"; }

# file_state FILE: its bytes' checksum and its modification time.
file_state() { echo "$(md5sum <"$1") $(stat -c %Y.%y "$1")"; }

menu_open() { probe menu >/dev/null; }

# ticks_per_second NAME SECONDS: watches the icon for about that long and
# prints how many steps (2 pixels at 96 dpi) it made per second; fails when a
# picture was not the previous one moved left.
ticks_per_second() {
  local folder="$work/frames/$tag-$1" elapsed steps
  rm -rf "$folder" && mkdir -p "$folder"
  elapsed=$(probe capture "${icon[@]}" $(($2 * 1000 / 20)) 20 "$(win_path "$folder")\\")
  [[ $elapsed -gt 0 ]] || return 1
  steps=$(python3 "$e2e_here/frames.py" ticks "$folder" "$(px 2)") || return 1
  python3 -c "print(round($steps * 1000 / $elapsed, 1))"
}
# rate_between NAME SECONDS LOW HIGH: the step rate lies in [LOW, HIGH].
rate_between() {
  local rate
  rate=$(ticks_per_second "$1" "$2") || return 1
  echo "     ($1: $rate steps per second)"
  python3 -c "import sys; sys.exit(0 if $3 <= $rate <= $4 else 1)"
}

# The Load file command through the real open-file dialog.
dialog_open() { [[ $(probe window 問題を読む) == visible ]]; }
no_dialog() { ! dialog_open; }

# Right button on the icon, then the menu's second item.
choose_load_file() {
  click_icon 3
  wait_for 5 menu_open || return 1
  local menu_rect
  read -r -a menu_rect <<<"$(probe menu)"
  click_at $((menu_rect[0] + menu_rect[2] / 2)) $((menu_rect[1] + menu_rect[3] * 3 / 7))
  wait_for 10 dialog_open
}
# Puts a path into the dialog's file name box and opens it; typing would
# depend on the display's keyboard layout for anything but ASCII.
open_in_dialog() { probe open-path 問題を読む "$(win_path "$1")"; }
stored_is() { grep -qxF "KX_FILE=$(win_path "$1")" <(iconv -f cp932 <KXT.ini | tr -d '\r'); }
# The dialog's Cancel button. A key press would go wherever the keyboard
# focus was left when the last message box closed.
cancel_dialog() { probe press-cancel 問題を読む; }
