# The settings window: shown by a double click on the icon, drawn as saved,
# changed by the slider and a colour cell, saved and hidden by a click on its
# body. Sourced by run_all.sh once per locale.

# Client-area positions of the window's parts at the current dpi; `at` and
# the clicks below take offsets inside them in pixels of the 96-dpi design.
line=$((dpi >= 192 ? dpi / 96 : 1)) # the colour boxes' borders are 2 lines
speed_box=($(px 12) $(px 44))       # the slider's box; the knob's middle at level * 56 + 4
question_box=($(($(px 192) + 2 * line)) $(($(px 38) + 2 * line))) # cell c at c * 16
answer_box=($(($(px 192) + 2 * line)) $(($(px 62) + 2 * line)))

ini_value() { # ini_value SECTION KEY: the value in the folder's KXT.ini
  tr -d '\r' <"$app/KXT.ini" |
    awk -v s="[$1]" -v k="$2" '/^\[/ { in_s = ($0 == s) } in_s && index($0, k "=") == 1 {
      print substr($0, length(k) + 2) }'
}
ini_holds() { [[ $(ini_value SCROLL SPEED) == "$1" && $(ini_value COLOR QUESTION) == "$2" &&
  $(ini_value COLOR ANSWER) == "$3" ]]; }

at() { pixel "$1" $((win[0] + $2)) $((win[1] + $3)); }
knob_at() { [[ $(at "$1" $((speed_box[0] + $(px $(($2 * 56 + 4))))) $((speed_box[1] + $(px 5)))) == "#B3C0FF" ]]; }
only_knob_at() {
  local level
  for level in 0 1 2; do
    if [[ $level == "$2" ]]; then knob_at "$1" "$level" || return 1
    else ! knob_at "$1" "$level" || return 1; fi
  done
}
frame_at() { # frame_at IMAGE BOX_X BOX_Y CELL: the green frame's top edge
  [[ $(at "$1" $(($2 + $(px $(($4 * 16 + 8))))) $(($3 + $(px 1)))) == "#00FF00" ]]
}
only_frame_at() {
  local cell
  for cell in 0 1 2 3; do
    if [[ $cell == "$4" ]]; then frame_at "$1" "$2" "$3" "$cell" || return 1
    else ! frame_at "$1" "$2" "$3" "$cell" || return 1; fi
  done
}
band_left_is_orange() { [[ $(at "$1" 1 "$(px 16)") == "#FF4000" ]]; }
band_right_is_light_orange() { # red full, green and blue near the gradient's end
  local colour
  colour=$(at "$1" $((win[2] - 2)) "$(px 16)")
  [[ ${colour:1:2} == FF ]] && ((16#${colour:3:2} >= 0xB0 && 16#${colour:5:2} >= 0x70))
}
# A click on the title band right of the version title: bare background.
click_body() { click_at $((win[0] + win[2] - 20)) $((win[1] + $(px 9))); }
# The window holds the whole design, enlarged: as wide, and as high as the
# link's line needs.
whole_window() { ((win[2] == $(px 280) && win[3] >= $(px 109))); }

fresh_folder settings
write_quiz "$app/quiz.kxd" 山は？ 富士
write_ini 1 0 1 "$(win_path "$app/quiz.kxd")"
start_app
wait_for 30 has_icon
double_click_icon
check "$tag settings: a double click on the icon shows the window" wait_for 5 is_visible
read -r -a win <<<"$(probe client KX_RuvoZava)"
sleep 0.5
shot "$tag-settings-1"
check "$tag settings: the window holds the whole layout (${win[2]} x ${win[3]})" whole_window
check "$tag settings: the title band is orange at its left end" band_left_is_orange "$tag-settings-1"
check "$tag settings: and light orange at its right end" \
  band_right_is_light_orange "$tag-settings-1"
check "$tag settings: the knob stands at the saved level" only_knob_at "$tag-settings-1" 1
check "$tag settings: the question frame is at the saved colour" \
  only_frame_at "$tag-settings-1" "${question_box[@]}" 0
check "$tag settings: the answer frame is at the saved colour" \
  only_frame_at "$tag-settings-1" "${answer_box[@]}" 1

click_at $((win[0] + speed_box[0] + $(px 118))) $((win[1] + speed_box[1] + $(px 20)))
click_at $((win[0] + question_box[0] + $(px 56))) $((win[1] + question_box[1] + $(px 8)))
sleep 0.5
shot "$tag-settings-2"
check "$tag settings: a slider click moves the knob" only_knob_at "$tag-settings-2" 2
check "$tag settings: a colour click moves the frame" \
  only_frame_at "$tag-settings-2" "${question_box[@]}" 3
click_body
check "$tag settings: a click on the body hides the window" wait_for 5 is_hidden
check "$tag settings: KXT.ini holds the new speed and colours" wait_for 3 ini_holds 2 3 1
check "$tag settings: the next question scrolls in blue" \
  wait_for 25 icon_shows "$tag-settings-blue" 4040FF
check "$tag settings: the slow speed applies: about 6.7 ticks a second" \
  rate_between settings-slow 2 4.5 7.4

# Reopened through the menu's first item, Settings.
ini_before=$(file_state KXT.ini)
sleep 1.1
click_icon 3
wait_for 5 menu_open
read -r -a menu_rect <<<"$(probe menu)"
click_at $((menu_rect[0] + menu_rect[2] / 2)) $((menu_rect[1] + menu_rect[3] / 6))
check "$tag settings: the menu's Settings shows the window" wait_for 5 is_visible
click_body
check "$tag settings: closed unchanged, it hides again" wait_for 5 is_hidden
sleep 0.5
check "$tag settings: and KXT.ini stays as it was" [ "$(file_state KXT.ini)" == "$ini_before" ]
