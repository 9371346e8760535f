#!/usr/bin/env bash
# End-to-end tests of the real KX_RuvoZava.exe under Wine, one check per
# thing a user sees: one copy only, the ticker in the tray and its menu, its
# rest while nobody can see the tray, the settings window, and the real
# open-file dialog. The rules behind each are unit tests. Run on a display of
# its own:
#   scripts/with_xvfb.sh tests/e2e/run_all.sh BUILD_DIR   (a win64 build folder)
# E2E_LOCALE=en_US.UTF-8 runs it in another locale (Japanese by default).
# Prints one line per check and "N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_start "${1:?usage: run_all.sh BUILD_DIR}"

fresh_folder ticker
write_quiz "$app/quiz.kxd" 日本で一番高い山は何でしょう？ 富士山
write_ini "$(win_path "$app/quiz.kxd")"
start_app
check "$tag ticker: the icon appears in the tray" wait_for 30 has_icon
# A click skips only while a question scrolls: wait for it first. Even when
# the click comes as the question ends, its answer follows at once.
wait_for 20 icon_shows ticker-q0 00FF00
click_icon 1
check "$tag ticker: a left click brings the answer in orange" \
  wait_for 5 icon_shows ticker-a FFC020

# While the session is locked, then while the system sleeps, the icon stands
# still; after each it scrolls on. (What pauses, in which order, and what
# goes on after, are the form's unit tests.)
same_icon() { [[ $(compare -metric AE "$screens/$1.png" "$screens/$2.png" null: 2>&1) == 0 ]]; }
# WM_WTSSESSION_CHANGE lock and unlock; WM_POWERBROADCAST suspend and resume
for signal in "locked 0x2B1 7 8" "asleep 0x218 4 18"; do
  read -r name message begin end <<<"$signal"
  probe post KX_RuvoZava "$message" "$begin"
  sleep 1 && icon_shot "$name-1" && sleep 2 && icon_shot "$name-2"
  check "$tag ticker: no new icon while $name" same_icon "$name-"{1,2}
  probe post KX_RuvoZava "$message" "$end"
  check "$tag ticker: no longer $name, it scrolls on" wait_for 5 eval \
    "icon_shot $name-3 && ! same_icon $name-2 $name-3"
done

choose_menu_item "1 - 10"  # Exit, the last item
check "$tag ticker: Exit ends the program and removes the icon" \
  eval 'wait_for 10 is_running 0 && wait_for 5 no_icon'

fresh_folder single
start_app
check "$tag single: starts with a hidden window" wait_for 30 is_hidden
start_app
check "$tag single: a second copy says it cannot start twice" \
  wait_for 15 box_says 起動Error 多重起動は出来ません。
probe press-ok 起動Error  # a key sent to a fresh box is sometimes lost
check "$tag single: and ends, leaving the first copy" \
  eval 'wait_for 10 no_box 起動Error && wait_for 10 is_running 1 && is_hidden'

# The real open-file dialog hands back a Japanese name whole. (Which names
# are refused, and the dialog's reopening, are the form's unit tests.)
fresh_folder load-file
write_quiz "$app/問題集.kxd" 二つ目の問題の一問目です。 一 二つ目の問題の二問目です。 二
start_app
wait_for 30 has_icon
choose_menu_item "3 / 7"
check "$tag load file: the menu's Load file opens the dialog" wait_for 30 dialog_open
open_in_dialog "$app/問題集.kxd"
check "$tag load file: a Japanese name that fits is accepted and stored" \
  eval 'wait_for 30 eval "! dialog_open" && wait_for 5 stored_is "$app/問題集.kxd"'
check "$tag load file: its question scrolls in green" wait_for 30 icon_shows load-two 00FF00

# every_pack_in FOLDER: each pack of quiz/packs is in it, built and beside its CSV.
every_pack_in() {
  local csv
  for csv in "$root"/quiz/packs/*.csv; do
    csv=${csv##*/}
    [[ -s $1/${csv%.csv}.kxd && -s $1/$csv ]] || return 1
  done
}

# The download as a user gets it, when the test run has packed it: unpacked
# into an empty folder and started there, it scrolls the bundled quiz at once.
zip_file=$(ls "$root"/dist/KX_RuvoZava-*-win64.zip 2>/dev/null | head -n1)
if [[ -n $zip_file ]]; then
  end_app
  app="$work/run/dist-zip"
  rm -rf "$app" && mkdir -p "$app" && python3 -m zipfile -e "$zip_file" "$app"
  app=$(dirname "$(ls "$app"/*/KX_RuvoZava.exe)")
  cd "$app" || exit 1
  check "$tag dist zip: its checksums hold" eval 'tr -d "\r" <SHA256SUMS | sha256sum --quiet -c'
  check "$tag dist zip: every quiz pack is in the quiz folder, built and with its CSV" every_pack_in quiz
  cp "$probe_exe" "$app/"
  start_app
  check "$tag dist zip: the first start scrolls the bundled quiz in green and keeps it" \
    eval 'wait_for 30 has_icon && wait_for 30 icon_shows dist-zip 00FF00 && stored_is "$app/bundled.kxd"'
  # A ready-made pack from the quiz folder, by its Japanese name.
  pack="$app/quiz/小学1年の漢字 (kanji grade 1).kxd"
  choose_menu_item "3 / 7"
  wait_for 30 dialog_open
  open_in_dialog "$pack"
  check "$tag dist zip: a quiz pack loads from its folder and scrolls in green" \
    eval 'wait_for 30 eval "! dialog_open" && wait_for 5 stored_is "$pack" &&
      wait_for 30 icon_shows dist-pack 00FF00'
fi

# At 150 %: the icon at the shell's 24 pixels, the window the 100 % one
# enlarged, and clicks landing on the same level and cell.
use_dpi 144
fresh_folder dpi
write_quiz "$app/quiz.kxd" 日本で一番高い山は何でしょう？ 富士山
write_ini "$(win_path "$app/quiz.kxd")"
start_app
check "$tag: the icon is 24 pixels and shows the question in green" \
  eval 'wait_for 30 has_icon && ((icon[2] == $(px 16))) && wait_for 10 icon_shows dpi-q 00FF00'
double_click_icon
check "$tag: a double click shows the whole window" eval 'wait_for 5 is_visible &&
  read -r -a win <<<"$(probe client KX_RuvoZava)" && ((win[2] == $(px 280) && win[3] >= $(px 109)))'
import -window root "$screens/dpi-window.png" 2>/dev/null
read -r -a win <<<"$(probe client KX_RuvoZava)"
click_at $((win[0] + $(px 12) + $(px 112))) $((win[1] + $(px 44) + $(px 20)))
click_at $((win[0] + $(px 192) + 2 + $(px 56))) $((win[1] + $(px 38) + 2 + $(px 8)))
click_at $((win[0] + win[2] - 20)) $((win[1] + $(px 9)))
check "$tag: the slow end and the last cell are saved as 2 and 3" wait_for 5 eval \
  'tr -d "\r" <KXT.ini | grep -qx SPEED=2 && tr -d "\r" <KXT.ini | grep -qx QUESTION=3'
check "$tag: the next question scrolls in blue" wait_for 40 icon_shows dpi-blue 4040FF

end_app
e2e_summary
