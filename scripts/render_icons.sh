#!/usr/bin/env bash
# Renders the program's icon (data/icons/nl.brelinq.Rondaxa.svg) to the PNG
# sizes that menus, task bars and file managers ask for. The PNGs are
# committed; run this again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
command -v rsvg-convert >/dev/null || {
  echo "rsvg-convert is needed (Debian package librsvg2-bin)" >&2
  exit 1
}
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$size"
  rsvg-convert -w "$size" -h "$size" nl.brelinq.Rondaxa.svg -o "$size/nl.brelinq.Rondaxa.png"
done
