#!/usr/bin/env bash
# Makes the README's pictures from the real program under Wine on Xvfb:
#   docs/images/ticker.gif           the tray icon scrolling a question of the
#                                    bundled quiz and its answer, 8x enlarged
#   docs/images/ticker_pack.gif      the same with a question of a quiz pack
#   docs/images/settings_window.png  the settings window
#   docs/images/settings_window_150.png  the same on a screen of 144 dpi (150 %)
# Usage: scripts/with_xvfb.sh scripts/readme_images.sh WIN64_BUILD_DIR [BUNDLED_QUIZ]
# (the quiz defaults to build/native/quiz/bundled.kxd).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/e2e/lib.sh"
e2e_start "${1:?usage: readme_images.sh WIN64_BUILD_DIR [BUNDLED_QUIZ]}"
quiz=$(realpath "${2:-$root/build/native/quiz/bundled.kxd}")
[[ -f $quiz ]] || { echo "missing $quiz"; exit 1; }
images="$root/docs/images"
mkdir -p "$images"

# ticker_gif QUIZ QUESTION GIF: the tray icon, 8x enlarged, scrolling that
# record of the quiz (or its shortest) and its answer. The question and its
# answer pass in about thirteen seconds; the screenshots cover one whole
# round of them.
ticker_gif() {
  fresh_folder readme
  python3 - "$1" "$app/one.kxd" "$2" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
records = [data[i:i + 351] for i in range(0, len(data) - 350, 351)]
wanted = sys.argv[3].encode('cp932')
chosen = next((r for r in records if r[:288].rstrip() == wanted),
              min(records, key=lambda r: len(r[:288].rstrip())))
open(sys.argv[2], 'wb').write(chosen)
PY
  write_ini "$(win_path "$app/one.kxd")"
  local frames="$work/readme-frames"
  rm -rf "$frames" && mkdir -p "$frames"
  start_app
  wait_for 30 find_icon && wait_for 30 has_icon || { echo "no tray icon"; exit 1; }
  xdotool mousemove 500 300
  # Three pictures per 100 ms tick, taken inside the session; repeats of the
  # same picture are dropped below, leaving one frame per tick.
  local n=600 frame pixels previous= kept=() hashes=()
  cp "$build/tools/capture/kx_capture.exe" "$app/"
  wine kx_capture.exe "${icon[@]}" $n 30 "$(win_path "$frames")\\" >/dev/null
  for frame in "$frames"/*.ppm; do
    pixels=$(convert "$frame" rgb:- | md5sum)
    [[ $pixels == "$previous" ]] && continue
    previous=$pixels
    # With one record the stream repeats: stop where the first picture
    # returns, so that the picture loops without a jump.
    [[ ${#hashes[@]} -gt 8 && $pixels == "${hashes[0]}" ]] && break
    hashes+=("$pixels")
    kept+=("$frame")
  done
  convert -delay 10 -loop 0 "${kept[@]}" -filter point -resize 800% -layers Optimize \
    "$images/$3"
  echo "$3: ${#kept[@]} frames of $n screenshots"
}
pack="$root/build/native/quiz/packs/小学1年の漢字 (kanji grade 1).kxd"
ticker_gif "$pack" 「山」の読みは？ ticker_pack.gif
ticker_gif "$quiz" 日本の国鳥は何でしょう？ ticker.gif

# settings_picture NAME: the settings window, opened by a double click.
settings_picture() {
  double_click_icon
  wait_for 5 is_visible || { echo "no settings window"; exit 1; }
  read -r -a win <<<"$(probe client KX_RuvoZava)"
  xdotool mousemove 10 10
  sleep 1
  # The client area with the window's 3-pixel dialog frame around it.
  import -window root -crop "$((win[2] + 6))x$((win[3] + 6))+$((win[0] - 3))+$((win[1] - 3))" \
    +repage "$images/$1" 2>/dev/null
  echo "$1: $((win[2] + 6)) x $((win[3] + 6))"
}
settings_picture settings_window.png

one="$app/one.kxd"
use_dpi 144
fresh_folder readme
cp "$one" "$app/"
write_ini "$(win_path "$app/one.kxd")"
start_app
wait_for 30 find_icon && wait_for 30 has_icon || { echo "no tray icon"; exit 1; }
settings_picture settings_window_150.png
ls -l "$images"
