# The win64 download as a user gets it: unpacked into an empty folder, the
# program started from there and the bundled quiz loaded through Load file.
# Sourced by run_all.sh once per locale; needs `make dist` (or the test
# script's packing) to have made the zip.

zip_file=$(ls "$root"/dist/KX_RuvoZava-*-win64.zip 2>/dev/null | head -n1)
end_app
app="$work/run/$tag-dist-zip"
rm -rf "$app" && mkdir -p "$app"
check "$tag dist zip: it unpacks" eval '[[ -n $zip_file ]] && unzip -q "$zip_file" -d "$app"'
app=$(dirname "$(ls "$app"/*/KX_RuvoZava.exe)")
cd "$app" || exit 1
check "$tag dist zip: its checksums hold" eval 'tr -d "\r" <SHA256SUMS | sha256sum --quiet -c'
cp "$probe_exe" "$app/"
start_app
wait_for 30 has_icon
check "$tag dist zip: Load file opens the dialog" choose_load_file
open_in_dialog "$app/bundled.kxd"
check "$tag dist zip: the bundled quiz is accepted" wait_for 10 no_dialog
check "$tag dist zip: its question scrolls in green" \
  wait_for 10 icon_shows "$tag-dist-zip-q" 00FF00
xdotool mousemove 500 300
icon_shot "$tag-dist-zip-1"
sleep 0.5
icon_shot "$tag-dist-zip-2"
check "$tag dist zip: and moves" images_differ "$tag-dist-zip-1" "$tag-dist-zip-2"
check "$tag dist zip: KX_FILE holds its path" \
  grep -qxF "KX_FILE=$(win_path "$app/bundled.kxd")" <(tr -d '\r' <KXT.ini)
