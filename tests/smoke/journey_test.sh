#!/usr/bin/env bash
# A first session as a user has it: the library made as ./run makes it in a fresh home, the
# editor started in it on a 1920 x 1080 virtual display, the sample book's first page opened
# with real clicks through "Knihy...", played with Space, and Esc. Two screenshots half a
# second apart must differ (the page's objects move); the program must end with status 0
# and leave its settings. The screenshots are kept as BUILD/journey_1.png and journey_2.png.
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
rm -f "$build/journey_1.png" "$build/journey_2.png"
# The places are those of the editor's layout on this screen: the main menu's first item, the
# books list's first row, and the first row of the pages list that opens beside it.
cat > "$work/inner.sh" <<INNER
source "$smoke/xvfb_lib.sh"
env HOME="$work/home" XDG_DATA_HOME= "$here/tools/launcher.sh" --library "$build/starter/library" \
    --program "$build/pexlo" 2>/dev/null &
pid=\$!
wait_started "$app/tf_LOG.txt"
sleep 0.5
import -window root "$work/empty.png"
xdotool mousemove 30 12 sleep 0.4 mousemove 60 70 sleep 0.4 mousemove 250 74 sleep 0.4 click 1
sleep 1
xdotool key space
sleep 0.5
import -window root "$build/journey_1.png"
sleep 0.5
import -window root "$build/journey_2.png"
xdotool key Escape
wait_ended \$pid "$work/status.txt"
INNER
timeout 90 xvfb-run -a -s "-screen 0 1920x1080x24" bash "$work/inner.sh"
differ() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }'; }
[ "$(cat "$work/status.txt" 2>/dev/null)" = 0 ] || fail "the program did not end with status 0"
[ "$(cat "$app/PX.INI" 2>/dev/null)" = "$(printf '1920 1080\n2 16')" ] || fail "settings not written"
grep -q "RELOAD_REG: riadok.*p luka" "$app/tf_LOG.txt" || fail "the sample book's first page was not opened"
[ -s "$build/journey_1.png" ] && [ -s "$build/journey_2.png" ] || fail "no screenshots"
shown=$(differ "$work/empty.png" "$build/journey_1.png")
moved=$(differ "$build/journey_1.png" "$build/journey_2.png")
[ "${shown:-0}" -gt 500000 ] || fail "the page does not show: $shown pixels differ from the empty editor"
[ "${moved:-0}" -gt 2000 ] || fail "nothing moved in half a second: $moved pixels differ"
echo "journey: opened the sample book's first page by clicks, played it ($moved pixels moved), ended in order"
