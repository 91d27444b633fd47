#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed launcher in a virtual X
# display with a fresh home: the user's library is made, the editor opens on it (the sample
# book in its books list), ends in order on Esc and says nothing on stderr; the desktop entry
# and the icons lie where desktops look for them, and the type of book files with them.
#   install_test.sh BUILD_DIR
set -u
smoke=$(cd "$(dirname "$0")" && pwd)
build=$1
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install: $*"; tail -20 "$lib/app/tf_LOG.txt" 2>/dev/null; exit 1; }
prefix=$work/prefix
lib=$work/home/.local/share/pexlo
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
mkdir -p "$work/home"
cat > "$work/inner.sh" <<INNER
source "$smoke/xvfb_lib.sh"
env HOME="$work/home" XDG_DATA_HOME= "$prefix/bin/pexlo" 2> "$work/stderr.txt" &
pid=\$!
wait_started "$lib/app/tf_LOG.txt"
xdotool key Escape
wait_ended \$pid "$work/status.txt"
INNER
timeout 60 xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/inner.sh"
[ "$(cat "$work/status.txt" 2>/dev/null)" = 0 ] || fail "the installed program did not end with status 0"
[ -f "$lib/app/PX.INI" ] || fail "no settings written in the library's app/ folder"
[ -f "$lib/app/KNIHA_DEFNEW/1.str" ] && [ -f "$lib/KNIHA_Ukážka/1.str" ] || fail "the library was not made"
LC_ALL=C grep -aq 'KNIHA_Uk..ka \[0\]' "$lib/app/tf_LOG.txt" || fail "the editor did not list the sample book"
[ -s "$work/stderr.txt" ] && fail "the program wrote to stderr: $(head -5 "$work/stderr.txt")"
for f in share/applications/pexlo.desktop share/icons/hicolor/64x64/apps/pexlo.png \
         share/icons/hicolor/256x256/apps/pexlo.png; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
grep -q '^Exec=pexlo %f$' "$prefix/share/applications/pexlo.desktop" || fail "the desktop entry does not start pexlo"
grep -q '^MimeType=application/x-pexlo;$' "$prefix/share/applications/pexlo.desktop" ||
  fail "the desktop entry does not open book files"
grep -q '<glob pattern="\*.pexlo"' "$prefix/share/mime/packages/pexlo.xml" 2>/dev/null ||
  fail "the type of book files is not installed"
echo "install: installed, made the library in a fresh home, opened the editor on it, ended in order"
