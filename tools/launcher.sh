#!/usr/bin/env bash
# Starts the editor in the user's library. The first start copies the starter library there
# (the sample book too); later starts put back only what the program needs in app/ (the
# template of new books, the default book icon), never a book the user removed. Nothing the
# user made is ever overwritten or removed. The library lives in $XDG_DATA_HOME/pexlo
# (~/.local/share/pexlo): the program's working folder app/, the books beside it.
#
# Installed as bin/pexlo, it finds the starter library and the program beside itself; ./run
# names the build's own:  launcher.sh [--seed-only] [--library DIR] [--program FILE] [BOOK.pexlo]
# A book file given (as the desktop opens one) comes into the library and opens.
set -euo pipefail

here=$(cd "$(dirname "$(readlink -f "$0")")" && pwd)
starter=$here/../share/pexlo/library
program=$here/../libexec/pexlo/pexlo
seed_only=0
book=""
while [ $# -gt 0 ]; do
  case $1 in
    --seed-only) seed_only=1; shift ;;
    --library) starter=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    -*|"") echo "usage: $0 [--seed-only] [--library DIR] [--program FILE] [BOOK.pexlo]" >&2; exit 2 ;;
    *) book=$(realpath -e -- "$1" 2>/dev/null) || { echo "pexlo: no file $1" >&2; exit 1; }; shift ;;
  esac
done

fail() { echo "pexlo: $*" >&2; exit 1; }

data=${XDG_DATA_HOME:-}
case $data in /*) ;; *) data=$HOME/.local/share ;; esac  # relative or unset: the default
library=$data/pexlo

[ -d "$starter/app" ] || fail "the starter library is missing ($starter)"
mkdir -p "$library/app" 2>/dev/null || fail "cannot make the library folder $library: is it writable?"

# Each missing entry is copied under a temporary name beside its place and renamed into place,
# so an interrupted or failed copy never leaves half a book.
temp=""
trap '[ -n "$temp" ] && rm -rf "$temp"' EXIT
put_back() {  # source, target
  [ -e "$2" ] && return 0
  temp=$(mktemp -d "$(dirname "$2")/.pexlo-new-$$-XXXXXX" 2>/dev/null) ||
    fail "cannot write into $(dirname "$2"): is it writable?"
  cp -R "$1" "$temp/entry" 2>/dev/null && mv -T "$temp/entry" "$2" ||
    fail "cannot copy $(basename "$1") into $(dirname "$2")"
  rm -rf "$temp"
  temp=""
}
shopt -s nullglob
for entry in "$starter"/app/*; do put_back "$entry" "$library/app/${entry##*/}"; done
# The books come once, into a library that has none yet: a library from before the marker
# has its books already.
marker=$library/app/.kniznica-zalozena
if [ ! -e "$marker" ]; then
  books=("$library"/KNIHA_*)
  if [ ${#books[@]} -eq 0 ]; then
    for entry in "$starter"/*; do
      [ "${entry##*/}" = app ] || put_back "$entry" "$library/${entry##*/}"
    done
  fi
  : > "$marker" || fail "cannot write into $library/app: is it writable?"
fi

[ $seed_only = 1 ] && exit 0
[ -x "$program" ] || fail "the program is missing ($program)"
cd "$library/app"
[ -n "$book" ] && exec "$program" "$book"
exec "$program"
