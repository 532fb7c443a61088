#!/usr/bin/env bash
# Sets everything up, builds and starts the desktop program with the demo
# competition. Without a display it shows the demo through the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target rondaxa rondaxa-cli
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/src/ui/rondaxa examples/demo.kzb
else
  echo "No display found: showing the demo competition with the command-line tool."
  echo "(For the window without a display: xvfb-run ./build/src/ui/rondaxa examples/demo.kzb)"
  exec ./build/src/cli/rondaxa-cli info examples/demo.kzb
fi
