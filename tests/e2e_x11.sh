#!/usr/bin/env bash
# The installed program on a real X server: it starts from the installed
# tree, shows the figure exactly as the raster surface draws it, and Escape
# ends it with status 0.
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null || { echo "install failed"; exit 1; }
for file in bin/Vellorin bin/vellorin-figure share/applications/org.vellorin.Vellorin.desktop \
            share/metainfo/org.vellorin.Vellorin.metainfo.xml \
            share/icons/hicolor/32x32/apps/org.vellorin.Vellorin.png \
            share/icons/hicolor/256x256/apps/org.vellorin.Vellorin.png; do
    [ -e "$work/prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

export WORK=$work
unset QT_QPA_PLATFORM
# Under the sanitizers: the X session's system libraries keep some memory for good.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:print_suppressions=0}
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    set -u
    "$WORK/prefix/bin/Vellorin" --ignored argument &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Vellorin\$" | head -n 1)
    [ -n "$window" ] || { echo "no window"; kill $pid; exit 1; }
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -depth 8 "$WORK/screen.ppm"
    python3 "$(dirname "$0")/compare_client.py" "$WORK/screen.ppm" "$X" "$Y" "$WIDTH" "$HEIGHT" \
        "$WORK/prefix/bin/vellorin-figure" "$WORK" || { kill $pid; exit 1; }
    xdotool windowfocus --sync "$window" key Escape
    wait $pid
    status=$?
    [ $status -eq 0 ] || { echo "exit status $status"; exit 1; }
    echo "the figure is on screen and Escape ended the program with status 0"
' "$(dirname "$0")/e2e_x11.sh"
