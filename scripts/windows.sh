#!/usr/bin/env bash
# The Windows build: the core, rondaxa-cli (without "print", which needs Qt)
# and their tests, cross-compiled with MinGW-w64 and run under Wine. Where
# the Linux build exists (scripts/test.sh), the two programs' standings of
# the demo and of the largest competition must also be the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh windows

# Wine keeps its Windows (the "prefix") in the build folder; its first start
# sets it up, which takes a while, so it starts once here and its server
# stays up until the script ends. No Mono or Gecko: nothing here needs them.
export WINEPREFIX="$PWD/build-windows/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_program=$(command -v wine64 || command -v wine)

cmake --preset windows
cmake --build --preset windows

mkdir -p "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine's server and its background programs (services, devices) start here,
# not under ctest: they would hold the tests' output open and ctest would
# wait for them.
wineserver -p </dev/null >/dev/null 2>&1
"$wine_program" wineboot --init </dev/null >/dev/null 2>&1

ctest --preset windows

linux_cli=build/src/cli/rondaxa-cli
make_largest=build/bench/make_largest
if [ ! -x "$linux_cli" ] || [ ! -x "$make_largest" ]; then
  echo "windows.sh: no Linux build (scripts/test.sh): the outputs were not compared"
  exit 0
fi
compare=build-windows/compare
rm -rf "$compare" && mkdir -p "$compare"
"$make_largest" "$compare/largest.kzb"
cp examples/demo.kzb "$compare/demo.kzb"
linux() { "$linux_cli" "$@"; }
windows() { "$wine_program" build-windows/src/cli/rondaxa-cli.exe "$@"; }
for file in demo largest; do
  for options in "" "--html" "--daily --no-net" "--average --decimal ," "--no-calc --class #2 --separator semicolon"; do
    for side in linux windows; do
      # shellcheck disable=SC2086 # the options are words
      "$side" standings "$compare/$file.kzb" $options --out "$compare/$side.out" >"$compare/$side.stdout"
      # shellcheck disable=SC2086
      "$side" standings "$compare/$file.kzb" $options >>"$compare/$side.stdout"
    done
    if ! cmp "$compare/linux.out" "$compare/windows.out" || ! cmp "$compare/linux.stdout" "$compare/windows.stdout"; then
      echo "windows.sh: standings $file.kzb $options: Linux and Windows differ" >&2
      exit 1
    fi
  done
  echo "windows.sh: standings of $file.kzb: the same bytes from Linux and Windows"
done
