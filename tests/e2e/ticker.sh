# The ticker in the tray: tip, moving picture, left click to the answer, the
# popup menu and Exit. Sourced by run_all.sh once per locale.

fresh_folder ticker
write_quiz "$app/quiz.kxd" \
  日本で一番高い山は何でしょう？静岡県と山梨県の境にあるあの山です。 富士山
write_ini "$(win_path "$app/quiz.kxd")"
ini_before=$(file_state KXT.ini)
sleep 1.1 # a rewrite of the settings file would show in its time stamp
start_app
check "$tag ticker: the icon appears in the tray" wait_for 30 has_icon
check "$tag ticker: it is the small-icon size, $(px 16) pixels square" \
  [ "${icon[2]} ${icon[3]}" == "$(px 16) $(px 16)" ]
check "$tag ticker: its tip is KX_RuvoZava" tip_is KX_RuvoZava
xdotool mousemove 500 300
icon_shot "$tag-ticker-1"
sleep 0.5
icon_shot "$tag-ticker-2"
check "$tag ticker: the picture moves" images_differ "$tag-ticker-1" "$tag-ticker-2"
check "$tag ticker: it moves $(px 2) pixels left per tick, 10 ticks a second by default" \
  rate_between ticker-default 2 7.8 11.5
check "$tag ticker: the question is green" wait_for 5 icon_shows "$tag-ticker-q" 00FF00
check "$tag ticker: no answer colour while the question scrolls" \
  eval '! has_colour "$tag-ticker-q" FFC020'
click_icon 1
check "$tag ticker: a left click brings the answer in orange" \
  wait_for 3 icon_shows "$tag-ticker-a" FFC020

click_icon 3
check "$tag ticker: the right button opens the popup menu" wait_for 5 menu_open
shot "$tag-ticker-menu"
read -r -a menu <<<"$(probe menu)"
# Exit is the last item, below the separator.
click_at $((menu[0] + menu[2] / 2)) $((menu[1] + menu[3] - 10))
check "$tag ticker: Exit ends the program" wait_for 10 is_running 0
check "$tag ticker: Exit removes the icon" wait_for 5 no_icon
check "$tag ticker: Exit writes no settings" [ "$(file_state KXT.ini)" == "$ini_before" ]
