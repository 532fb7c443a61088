#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer (in build-fuzz/) and runs it
# for the given number of seconds, starting from its committed corpus.
#   scripts/fuzz.sh TARGET SECONDS [more libFuzzer options]
# Targets: the files fuzz/<target>.cpp (competition_file, rider_record, ...).
# New inputs go to build-fuzz/corpus/<target>; findings (crash-*, leak-*,
# timeout-*) to build-fuzz/findings/<target>. The committed corpus is not
# changed: copy an input there by hand when it should be replayed by the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
  echo "usage: $0 TARGET SECONDS [libFuzzer options]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
if [ ! -f "fuzz/$target.cpp" ]; then
  echo "no fuzz target fuzz/$target.cpp" >&2
  exit 2
fi

# libFuzzer comes with clang's runtime libraries.
if ! dpkg-query -W -f='${Status}' clang libclang-rt-dev 2>/dev/null | grep -q "install ok installed"; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DRONDAXA_FUZZ=ON -DRONDAXA_BUILD_UI=OFF -DRONDAXA_BUILD_TESTS=OFF -DRONDAXA_BUILD_BENCH=OFF >/dev/null
nice cmake --build build-fuzz --target "fuzz_$target" -j2

corpus=build-fuzz/corpus/$target
findings=build-fuzz/findings/$target
mkdir -p "$corpus" "$findings"
exec nice -n 19 "build-fuzz/fuzz/fuzz_$target" "$corpus" "fuzz/corpus/$target" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" -print_final_stats=1 "$@"
