#!/usr/bin/env bash
# Starts the real program in a virtual X display, reads the screen, clicks the close button
# and checks that the program ended in order and saved its settings, and that it wrote
# nothing to stderr (a machine without a sound card included: the log says so instead).
set -u
smoke=$(cd "$(dirname "$0")" && pwd)
PEXLO=$1
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cat > inner.sh <<INNER
source "$smoke/xvfb_lib.sh"
"$PEXLO" 2>stderr.txt &
pid=\$!
wait_started tf_LOG.txt
sleep 1
import -window root shot.png
# The close button's middle on a 1280 x 800 screen.
convert shot.png -format '%[pixel:p{1240,16}]' info: > close_pixel.txt
xdotool mousemove 1240 16 click 1
wait_ended \$pid status.txt
INNER
timeout 60 xvfb-run -a -s "-screen 0 1280x800x24" bash inner.sh
fail() { echo "smoke: $*"; cat tf_LOG.txt 2>/dev/null | tail -20; exit 1; }
[ "$(cat status.txt 2>/dev/null)" = 0 ] || fail "the program did not end with status 0"
[ "$(cat PX.INI)" = "$(printf '1280 800\n2 16')" ] || fail "settings not saved: $(cat PX.INI)"
grep -q 'case WM_DESTROY' tf_LOG.txt || fail "no orderly shutdown in the log"
[ -s stderr.txt ] && fail "the program wrote to stderr: $(head -5 stderr.txt)"
if [ ! -e /dev/snd ]; then grep -q 'bez zvuku' tf_LOG.txt || fail "no sound card, and the log does not say so"; fi
case "$(cat close_pixel.txt)" in
  *"(0,0,0)"*|"black"|"") fail "the close button is not on the screen: $(cat close_pixel.txt)" ;;
esac
echo "smoke: started, drew its close button, closed on a click, saved 1280 800, quiet on stderr"
