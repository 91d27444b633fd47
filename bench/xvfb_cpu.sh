#!/usr/bin/env bash
# The real program's cost under a virtual display of 1920 x 1080, side by side in one run:
# start-up until the message loop runs with the starter library and with 200 books of 40
# pages, then the processor share of the idle editor, of the sample page playing and of a
# page of 60 actors playing (percent of one core, from the process's own accounting).
# Several builds are measured one after another in the same run (a baseline first).
#   bench/xvfb_cpu.sh SECONDS BUILD_DIR...
set -eu
secs=$1
shift
builds=()
for b in "$@"; do builds+=("$(cd "$b" && pwd)"); done
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
display=:$((70 + RANDOM % 20))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp 2>/dev/null &
xpid=$!
sleep 1
export DISPLAY=$display

# A library: the starter's with a book of one page of 60 actors, the pictures hard links to
# the sample's, and `extra` books of 40 pages each; the page to open at start.
library() {  # folder, extra books, page ("book\\page" as the catalogue names it)
  local root=$1/home/.local/share/pexlo
  mkdir -p "$root"
  cp -r "$build/starter/library/." "$root/"
  local sample=("$root"/KNIHA_Uk*)
  local book
  for b in $(seq 0 "$2"); do
    book=$root/KNIHA_Kniha$b
    mkdir -p "$book"
    cp -rl "${sample[0]}/Pozadia" "${sample[0]}/Kulisy" "${sample[0]}/Herci" "$book/"
    ln "${sample[0]}/kniha_ikona.bmp" "$book/"
    for p in $(seq 1 40); do ln "${sample[0]}/1.str" "$book/$p.str"; ln "${sample[0]}/1.thm" "$book/$p.thm"; done
    [ "$b" = 0 ] || continue
    {
      echo "p luka 4"
      for i in $(seq 0 59); do
        echo "h $(echo pes zajac vtak ryba lopta | cut -d' ' -f$((i % 5 + 1))) $((60 + i % 10 * 180)) $((80 + i / 10 * 160)) 3 1 2"
      done
    } > "$book/41.str"
  done
  printf '1920 1080\n2 16' > "$root/app/PX.INI"
  printf '..\\%s\n..\\%s\n' "${3%\\*}" "$3" > "$root/app/NAPOSLEDY.INI"
  : > "$root/app/.kniznica-zalozena"
}

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Percent of one core over `secs` seconds.
share() {  # pid
  local a b
  a=$(ticks "$1")
  sleep "$secs"
  b=$(ticks "$1")
  echo "scale=2; ($b - $a) * 100 / $(getconf CLK_TCK) / $secs" | bc
}

# Starts the editor on the page; prints the seconds until its message loop runs.
start() {  # folder, extra books, page
  library "$@"
  local app=$1/home/.local/share/pexlo/app begin
  begin=$(date +%s.%N)
  (cd "$app" && exec env HOME="$1/home" XDG_DATA_HOME= "$build/pexlo") 2>/dev/null &
  pid=$!
  until grep -q 'Execute; while' "$app/tf_LOG.txt" 2>/dev/null; do sleep 0.005; done
  startup=$(echo "$(date +%s.%N) - $begin" | bc)
  sleep 2
}
stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

n=0
# A fresh library for each start.
fresh() {
  n=$((n + 1))
  dir=$work/$n
}

run() {  # name, extra books
  local best=99
  for _ in 1 2 3; do  # the quickest of three starts
    fresh
    start "$dir" "$2" 'KNIHA_Kniha0\1.str'
    best=$(echo "if ($startup < $best) $startup else $best" | bc)
    stop
  done
  echo "$1: start-up to the message loop $best s"
  fresh
  start "$dir" "$2" 'KNIHA_Kniha0\1.str'
  echo "$1: idle $(share $pid) %"
  xdotool key space
  sleep 1
  echo "$1: sample page playing $(share $pid) %"
  stop
  fresh
  start "$dir" "$2" 'KNIHA_Kniha0\41.str'
  xdotool key space
  sleep 1
  echo "$1: 60 actors playing $(share $pid) %"
  stop
  rm -rf "${work:?}"/[0-9]*
}

cd "$work"
for build in "${builds[@]}"; do
  echo "== $build"
  run starter 0
  run big 200
done
