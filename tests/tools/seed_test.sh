#!/usr/bin/env bash
# The launcher's seeding of the user's library: an empty home gets the whole starter library,
# a later start puts back only what is missing in app/ (never a removed book) and leaves the
# user's own files alone, a home
# that cannot be written gets a clear message and no half-copied book, and the program starts
# in the library's app/ folder, given a book file by its whole path.
#   seed_test.sh LAUNCHER STARTER_LIBRARY
set -u
launcher=$1
starter=$2
work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT
failures=0
check() {  # description, command...
  local what=$1
  shift
  if ! "$@"; then
    echo "FAIL: $what"
    failures=$((failures + 1))
  fi
}
# Root may write anywhere: the cases about unwritable places run as nobody.
as_user() {
  if [ "$(id -u)" = 0 ]; then
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
  else
    "$@"
  fi
}
seed() { HOME=$1 XDG_DATA_HOME=${2:-} "$launcher" --seed-only --library "$starter"; }
same() { diff -r -x .kniznica-zalozena "$1" "$2" >/dev/null; }
no_temporaries() { [ -z "$(find "$1" -name '.pexlo-new*' 2>/dev/null)" ]; }

# An empty home gets the starter library as it is.
home=$work/empty
mkdir -p "$home"
check "seeding an empty home" seed "$home"
lib=$home/.local/share/pexlo
check "the library is the starter library" same "$starter" "$lib"
check "XDG_DATA_HOME is honoured" seed "$home" "$work/xdg"
check "a library in XDG_DATA_HOME" same "$starter" "$work/xdg/pexlo"

# A later start: the removed template and sample book come back; the user's book, the user's
# change to a sample page and the settings stay as the user left them.
mkdir -p "$lib/KNIHA_moja/Pozadia"
echo "k strom 1 2 6 1 0" > "$lib/KNIHA_moja/1.str"
echo "p more 2" > "$lib/KNIHA_Ukážka/2.str"
printf '1280 800\n2 16\n' > "$lib/app/PX.INI"
rm -rf "$lib/app/KNIHA_DEFNEW" "$lib/app/kniha_ikona_default.bmp"
check "seeding again" seed "$home"
check "the template is back" same "$starter/app/KNIHA_DEFNEW" "$lib/app/KNIHA_DEFNEW"
check "the default icon is back" same "$starter/app/kniha_ikona_default.bmp" "$lib/app/kniha_ikona_default.bmp"
check "the user's book is untouched" [ "$(cat "$lib/KNIHA_moja/1.str")" = "k strom 1 2 6 1 0" ]
check "the user's change to the sample is kept" [ "$(cat "$lib/KNIHA_Ukážka/2.str")" = "p more 2" ]
check "the settings are kept" [ "$(cat "$lib/app/PX.INI")" = "$(printf '1280 800\n2 16')" ]
rm -rf "$lib/KNIHA_Ukážka"
check "seeding after the sample was removed" seed "$home"
check "the removed sample book stays removed" [ ! -e "$lib/KNIHA_Ukážka" ]

# A library from before the marker keeps what it has: its removed sample book is not put back.
old=$work/old/.local/share/pexlo
mkdir -p "$old/app" "$old/KNIHA_moja"
check "seeding a library from before" seed "$work/old"
check "the old library gets no sample book" [ ! -e "$old/KNIHA_Ukážka" ]
check "the old library gets its template" same "$starter/app/KNIHA_DEFNEW" "$old/app/KNIHA_DEFNEW"

# The program starts in app/.
printf '#!/bin/sh\npwd > "%s/started_in"\n' "$work" > "$work/program"
chmod +x "$work/program"
check "starting the program" env HOME="$home" XDG_DATA_HOME= "$launcher" --library "$starter" --program "$work/program"
check "the program runs in app/" [ "$(cat "$work/started_in" 2>/dev/null)" = "$lib/app" ]

# A book file named as the desktop names it, relative to where it was opened, reaches the program
# as a whole path; a file that is not there is said so and starts nothing.
printf '#!/bin/sh\nprintf "%%s" "$1" > "%s/given"\n' "$work" > "$work/program"
echo book > "$work/Môj les.pexlo"
check "starting with a book file" sh -c "cd '$work' && HOME='$home' XDG_DATA_HOME= '$launcher' --library '$starter' \
  --program '$work/program' 'Môj les.pexlo'"
check "the program gets the book file's whole path" [ "$(cat "$work/given" 2>/dev/null)" = "$work/Môj les.pexlo" ]
rm -f "$work/given"
check "a missing book file is refused" sh -c "! HOME='$home' XDG_DATA_HOME= '$launcher' --library '$starter' \
  --program '$work/program' '$work/nie je.pexlo' 2> '$work/err'"
check "a missing book file is named" grep -q "^pexlo: no file" "$work/err"
check "a missing book file starts nothing" [ ! -e "$work/given" ]

# Seeding that must be refused, as a user who may not write everywhere: a failure with a
# clear message, and no half-copied book or temporary folder left in the home.
refused() {  # case, home, starter library, start of the message
  as_user env HOME="$2" XDG_DATA_HOME= "$launcher" --seed-only --library "$3" 2> "$work/err"
  check "$1 fails" [ $? -ne 0 ]
  check "$1 says: $4" grep -q "^pexlo: $4" "$work/err"
  check "$1 leaves no template" [ ! -e "$2/.local/share/pexlo/app/KNIHA_DEFNEW" ]
  check "$1 leaves no temporary folder" no_temporaries "$2"
}
mkdir -p "$work/readonly" && chmod 555 "$work/readonly"
refused "a read-only home" "$work/readonly" "$starter" "cannot make the library folder"
cp -R "$starter" "$work/broken"
chmod 000 "$work/broken/app/KNIHA_DEFNEW/Herci/pes.bmp"
mkdir -p "$work/halfway" && chmod 777 "$work/halfway"
refused "a copy that breaks half-way" "$work/halfway" "$work/broken" "cannot copy KNIHA_DEFNEW"

[ $failures = 0 ] && echo "seeding: empty home, later starts, read-only home and a broken copy as they should be"
exit $((failures > 0))
