# The Load file command through the real open-file dialog: a whole number of
# records is accepted; older and odd sizes, and a name the settings file
# cannot hold in code page 932, are refused with their messages; a cancel
# falls back to the stored file or, without one, asks for a file.
# Sourced by run_all.sh once per locale.

fresh_folder load-file
write_quiz "$app/two.kxd" 二つ目の問題の一問目です。 一 二つ目の問題の二問目です。 二
head -c 422 /dev/zero | tr '\0' ' ' >"$app/old.kxd"
head -c 350 "$app/two.kxd" >"$app/short.kxd"
cp "$app/two.kxd" "$app/café.kxd"
cp "$app/two.kxd" "$app/問題集.kxd"
start_app
wait_for 30 has_icon
check "$tag load file: the menu's Load file opens the dialog" choose_load_file
shot "$tag-load-dialog"
open_in_dialog "$app/two.kxd"
check "$tag load file: a 702-byte file is accepted" wait_for 10 no_dialog
check "$tag load file: no message for it" no_box
check "$tag load file: its question scrolls in green" \
  wait_for 10 icon_shows "$tag-load-two" 00FF00
check "$tag load file: KX_FILE holds its path" stored_is "$app/two.kxd"
check "$tag load file: the tip is KX_RuvoZava" tip_is KX_RuvoZava

choose_load_file
open_in_dialog "$app/old.kxd"
check "$tag load file: a 422-byte file brings the old-file message" \
  wait_for 10 box_says $'旧Fileは使用出来ません、\nFileを指定し直して下さい。'
shot "$tag-load-old"
close_box
check "$tag load file: then the dialog again" wait_for 10 dialog_open
open_in_dialog "$app/short.kxd"
check "$tag load file: a 350-byte file brings the unusable-file message" \
  wait_for 10 box_says $'指定されたFileは使用出来ません、\nFileを指定し直して下さい。'
close_box
check "$tag load file: then the dialog again" wait_for 10 dialog_open
open_in_dialog "$app/café.kxd"
check "$tag load file: a name without code page 932 brings the unusable-file message" \
  wait_for 10 box_says $'指定されたFileは使用出来ません、\nFileを指定し直して下さい。'
close_box
check "$tag load file: then the dialog again" wait_for 10 dialog_open
check "$tag load file: KX_FILE unchanged" stored_is "$app/two.kxd"
open_in_dialog "$app/問題集.kxd"
check "$tag load file: a Japanese name that fits is accepted" wait_for 10 no_dialog
check "$tag load file: and stored" stored_is "$app/問題集.kxd"
choose_load_file
cancel_dialog
check "$tag load file: a cancel closes the dialog" wait_for 10 no_dialog
check "$tag load file: with the stored file there, no message" eval 'sleep 1; no_box'
icon_shot "$tag-load-resume-1"
sleep 0.5
icon_shot "$tag-load-resume-2"
check "$tag load file: and the ticker goes on" images_differ "$tag-load-resume-1" "$tag-load-resume-2"
check "$tag load file: KX_FILE still holds the accepted file" stored_is "$app/問題集.kxd"

fresh_folder load-cancel
start_app
wait_for 30 has_icon
choose_load_file
cancel_dialog
check "$tag load cancel: without a stored file the box asks for a file" \
  wait_for 10 box_says Fileを指定し直して下さい。
shot "$tag-load-cancel"
close_box
xdotool mousemove 500 300
sleep 0.5
icon_shot "$tag-load-cancel-icon"
check "$tag load cancel: the tray shows the program icon" \
  eval 'has_colour "$tag-load-cancel-icon" FF9B37 && has_colour "$tag-load-cancel-icon" 404040'
check "$tag load cancel: the tip asks for a file" tip_is Fileを読み込んで下さい。
