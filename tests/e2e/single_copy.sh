# Only one copy runs: a second start and another program's window with the
# same title are refused. Sourced by run_all.sh once per locale.

start_box_text() { probe box-text 起動Error; }
start_box_open() { [[ -n $(start_box_text) ]]; }
no_start_box() { ! start_box_open; }

fresh_folder single
start_app
check "$tag single: starts with a hidden window titled KX_RuvoZava" wait_for 30 is_hidden
sleep 2
check "$tag single: the window stays hidden" is_hidden
check "$tag single: one copy runs" is_running 1

start_app
check "$tag single: a second copy shows the start-up error box" wait_for 15 start_box_open
check "$tag single: the box says the program cannot start twice" \
  [ "$(start_box_text)" == 多重起動は出来ません。 ]
shot "$tag-single-second-copy"
xdotool key Return
check "$tag single: the second copy ends after Enter" wait_for 10 no_start_box
check "$tag single: only the first copy is left" wait_for 10 is_running 1
check "$tag single: the first copy still has its hidden window" is_hidden

probe close KX_RuvoZava
check "$tag single: the first copy ends when its window closes" wait_for 10 is_running 0

wine kx_probe.exe hold KX_RuvoZava 30 >/dev/null 2>&1 &
holder=$!
wait_for 10 is_hidden
start_app
check "$tag single: another program's window titled KX_RuvoZava makes it refuse" \
  wait_for 15 start_box_open
shot "$tag-single-other-window"
xdotool key Return
check "$tag single: the refused copy ends" wait_for 10 is_running 0
kill "$holder" 2>/dev/null
wait "$holder" 2>/dev/null
