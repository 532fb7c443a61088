#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run;
# `setup.sh windows` instead those of the Windows build (scripts/windows.sh).
# Safe to run again: only missing packages are installed.
set -euo pipefail

if [ "${1:-}" = windows ]; then
  # MinGW-w64 with POSIX threads, GoogleTest's sources, and Wine to run the tests.
  packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64)
else
  packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev libcups2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick poppler-utils man-db
    fonts-dejavu-core
    chromium default-jre-headless
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Node for the checks of the published web site (tests/web): Debian's nodejs
# and npm where no node is installed yet.
if ! command -v npm >/dev/null 2>&1; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends nodejs npm
fi
# Their npm packages, as the lock file pins them (no install scripts: the
# checker runs on Debian's Java).
web_tests="$(dirname "$0")/../tests/web"
if [ ! -f "$web_tests/node_modules/.package-lock.json" ] ||
  ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.rondaxa-lock"; then
  (cd "$web_tests" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error &&
    cp package-lock.json node_modules/.rondaxa-lock)
fi
