# Start-up with a stored question file that is missing, and with none at all.
# Sourced by run_all.sh once per locale.

fresh_folder missing-file
write_ini "$(win_path "$app/gone.kxd")"
start_app
check "$tag missing file: the file read error box shows" wait_for 30 box_open
check "$tag missing file: it says the file does not exist" \
  box_says $'指定されたFileは存在しません、\nFileを指定し直して下さい。'
shot "$tag-missing-box"
close_box
check "$tag missing file: then the sample question scrolls in green" \
  wait_for 15 icon_shows "$tag-missing-sample" 00FF00
check "$tag missing file: the tip asks for a file" tip_is Fileを読み込んで下さい。

fresh_folder no-file
start_app
check "$tag no file: the icon appears" wait_for 30 has_icon
xdotool mousemove 500 300
sleep 1
icon_shot "$tag-nofile-1"
sleep 1
icon_shot "$tag-nofile-2"
check "$tag no file: the tray shows the program icon (orange and grey dots)" \
  eval 'has_colour "$tag-nofile-1" FF9B37 && has_colour "$tag-nofile-1" 404040'
check "$tag no file: the ticker stands still" images_same "$tag-nofile-1" "$tag-nofile-2"
check "$tag no file: the tip asks for a file" tip_is Fileを読み込んで下さい。
check "$tag no file: no error box" no_box
