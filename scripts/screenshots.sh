#!/usr/bin/env bash
# Takes the screenshots of the user guide (docs/images/*.png) from the real
# window on a virtual display, driving the program with the keyboard like a
# user: the demo competition, a heat entered from a finishing list, the final
# standings, their export and printing, and a race day's classification.
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${RONDAXA_SCREENSHOT_DISPLAY:-}" ]; then
  export RONDAXA_SCREENSHOT_DISPLAY=1
  exec xvfb-run -a -s '-screen 0 1280x900x24' "$0" "$@"
fi

program=${RONDAXA_PROGRAM:-$root/build/src/ui/rondaxa}
images=$root/docs/images
work=$(mktemp -d)
export HOME=$work # fresh preferences
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$images"
cp "$root/examples/demo.kzb" "$work/Seizoen2026.kzb"

# The union of the named windows' frames, as an ImageMagick crop geometry.
frame_of() {
  local x0=99999 y0=99999 x1=0 y1=0 id
  for id in "$@"; do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    ((X < x0)) && x0=$X
    ((Y < y0)) && y0=$Y
    ((X + WIDTH > x1)) && x1=$((X + WIDTH))
    ((Y + HEIGHT > y1)) && y1=$((Y + HEIGHT))
  done
  echo "$((x1 - x0))x$((y1 - y0))+$x0+$y0"
}

# shot NAME [DIALOG-TITLE]: the main window, with the dialog when named.
shot() {
  local ids=("$main")
  if [ -n "${2:-}" ]; then
    ids+=("$(xdotool search --onlyvisible --name "^$2\$" | tail -1)")
  fi
  import -window root -crop "$(frame_of "${ids[@]}")" +repage -strip -colors 64 "PNG8:$images/$1.png"
  echo "docs/images/$1.png"
}

keys() {
  xdotool key --delay 150 "$@"
  sleep 1.5
}

# Without a window manager nobody gives the main window the keyboard back
# when a dialog closes.
refocus() {
  xdotool windowfocus "$main"
  sleep 0.5
}

"$program" "$work/Seizoen2026.kzb" &
pid=$!
for _ in $(seq 50); do
  main=$(xdotool search --onlyvisible --name "Zandhazen" 2>/dev/null | head -1 || true)
  [ -n "$main" ] && break
  sleep 0.2
done
xdotool windowsize "$main" 960 600
xdotool windowfocus "$main"
sleep 1.5

# 1. The season: the demo competition, the first class.
shot main-window

# 2. A heat from a finishing list: quick entry on the class Veteranen.
xdotool mousemove 145 563 click 1
sleep 1
keys alt+w s
for number in 410 402 413 406 418 408 421 423; do
  xdotool type --delay 60 "$number"
  xdotool key Return
done
sleep 1
shot quick-entry "Snel uitslagen toevoegen"
keys alt+o
refocus

# 3. The final standings of all classes, the new heat included.
keys alt+k e
keys Return
refocus
shot standings

# 4. The standings as an HTML page for the club's web site.
keys alt+b u
xdotool mousemove 97 107 click 1 # "HTML bestand"
sleep 0.5
shot export "Uitvoer tekst / HTML bestand"
keys Escape
refocus

# 5. Printing the standings: the number of pages is told before printing.
keys alt+b p
shot print "Uitslagen printen"
keys Escape
refocus

# 6. The daily classification of the last race day of the class.
keys alt+k d
keys Return
shot daily "Dagklassement"
