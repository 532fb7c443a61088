#!/usr/bin/env bash
# Builds the Debian package build/rondaxa_<version>_amd64.deb: the desktop
# program, the command-line tool, menu entry, icon, file type and manual pages.
# Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# dpkg-shlibdeps (dpkg-dev) and file find the libraries the package depends on.
missing=()
for p in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset default >/dev/null
cmake --build --preset default --target rondaxa rondaxa-cli
rm -f build/rondaxa_*.deb
(cd build && cpack -G DEB)
ls build/rondaxa_*.deb
