#!/usr/bin/env bash
# A first session as a user has it, at two screen sizes: the library made as ./run makes it in
# a fresh home, the editor started in it on a virtual display of 1920 x 1080 and then, on the
# same library, of 1280 x 720. The first start opens the sample book's first page by itself;
# the page is opened again with real clicks through "Knihy...", played with Space, and Esc.
# Two screenshots half a second apart must differ (the page's objects move); the program must
# end with status 0 and leave its settings; the second start reopens the page last shown. Full
# screen toggled quickly, the window made 1 x 1, minimized and restored: the page comes back
# (kept as BUILD/journey_<size>_window.png). The
# screenshots are kept as BUILD/journey_<size>_1.png and journey_<size>_2.png.
#   journey_test.sh BUILD_DIR
set -u
smoke=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")/../.." && pwd)
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app=$work/home/.local/share/pexlo/app
fail() { echo "journey: $*"; tail -20 "$app/tf_LOG.txt" 2>/dev/null; exit 1; }
mkdir -p "$work/home"
differ() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }'; }
colours() { convert "$1" -format %k info: 2>/dev/null; }

journey() {  # width, height
  local size=$1x$2 shot=$build/journey_$1x$2
  rm -f "${shot}_1.png" "${shot}_2.png"
  mkdir -p "$app" && printf '%s %s\n2 16' "$1" "$2" > "$app/PX.INI"
  # The places are those of the editor's layout: the main menu's first item, the books
  # list's first row, and the first row of the pages list that opens beside it.
  cat > "$work/inner.sh" <<INNER
source "$smoke/xvfb_lib.sh"
env HOME="$work/home" XDG_DATA_HOME= "$here/tools/launcher.sh" --library "$build/starter/library" \
    --program "$build/pexlo" 2>/dev/null &
pid=\$!
wait_started "$app/tf_LOG.txt"
# The first frame, however long a loaded machine takes to show it (at most five seconds).
for _ in \$(seq 10); do
  sleep 0.5
  import -window root "$work/start.png"
  [ "\$(convert "$work/start.png" -format %k info: 2>/dev/null)" -gt 1000 ] && break
done
xdotool mousemove 30 12 sleep 0.4 mousemove 60 70 sleep 0.4 mousemove 250 74 sleep 0.4 click 1
sleep 1
xdotool key space
sleep 0.5
import -window root "${shot}_1.png"
sleep 0.5
import -window root "${shot}_2.png"
# The window as a desktop treats it: full screen toggled five times quickly (a window then),
# made 1 x 1 and 900 x 500, minimized and brought back. (Back to full screen needs a window
# manager, which the virtual display has not.)
xdotool key alt+Return alt+Return alt+Return alt+Return alt+Return
sleep 0.5
win=\$(xdotool search --pid \$pid | head -1)
xdotool windowsize \$win 1 1 sleep 0.3 windowsize \$win 900 500 sleep 0.3 windowminimize \$win sleep 0.3
xdotool windowmap \$win windowraise \$win windowfocus --sync \$win
sleep 0.8
import -window root "${shot}_window.png"
xdotool key Escape
wait_ended \$pid "$work/status.txt"
INNER
  timeout 90 xvfb-run -a -s "-screen 0 $1x$2x24" bash "$work/inner.sh"
  [ "$(cat "$work/status.txt" 2>/dev/null)" = 0 ] || fail "$size: the program did not end with status 0"
  [ "$(cat "$app/PX.INI" 2>/dev/null)" = "$(printf '%s %s\n2 16' "$1" "$2")" ] || fail "$size: settings not written"
  [ "$(grep -c "RELOAD_REG: riadok.*p luka" "$app/tf_LOG.txt")" -ge 2 ] ||
    fail "$size: the sample book's first page was not shown at start and opened again"
  [ -s "${shot}_1.png" ] && [ -s "${shot}_2.png" ] || fail "$size: no screenshots"
  local shown moved
  shown=$(colours "$work/start.png")
  moved=$(differ "${shot}_1.png" "${shot}_2.png")
  [ "${shown:-0}" -gt 1000 ] || fail "$size: the start shows no page: $shown colours"
  [ "${moved:-0}" -gt 1000 ] || fail "$size: nothing moved in half a second: $moved pixels differ"
  [ "$(colours "${shot}_window.png")" -gt 1000 ] || fail "$size: the page did not come back whole after the window's changes"
  echo "journey $size: the page shown at start, opened by clicks, played ($moved pixels moved), ended in order"
}
journey 1920 1080
journey 1280 720
