#!/usr/bin/env bash
# The speed figures of the engine on the largest competition (20 classes x
# 500 riders x 50 results): instruction counts under callgrind, which stay the
# same on a busy machine, and `rondaxa-cli standings --html --out` against a
# plain `cp` of the HTML it writes (wall time, hyperfine).
#   bench/measure.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for tool in valgrind hyperfine; do
  if ! command -v "$tool" >/dev/null; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get install -y -qq "$tool" >/dev/null
  fi
done
nice cmake --build "$build" --target bench_standings make_largest rondaxa-cli -j2 >/dev/null

# Instructions of one call of the function, in the benchmark's first run.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$1" \
    "$build/bench/bench_standings" --benchmark_filter="$2" --benchmark_min_time=0.001 2>&1 |
    sed -n 's/.*Collected : //p'
}
echo "final standings of all classes: $(instructions 'rondaxa::CalculateFinalStandings*' BM_FinalStandingsAllClasses) instructions"
echo "HTML export of all classes:     $(instructions 'rondaxa::AppendExport*' BM_HtmlExportAllClasses) instructions"
echo "text export of all classes:     $(instructions 'rondaxa::AppendExport*' BM_TextExportAllClasses) instructions"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/bench/make_largest" "$scratch/largest.kzb"
cli="$build/src/cli/rondaxa-cli"
"$cli" standings "$scratch/largest.kzb" --html --out "$scratch/standings.html"
hyperfine -N -w 5 -r 40 "$cli standings $scratch/largest.kzb --html --out $scratch/standings.html" \
  "cp $scratch/standings.html $scratch/copy.html"
# The whole season as a web site (about 0.5 s at most).
hyperfine -N -w 2 -r 10 "$cli publish $scratch/largest.kzb --out $scratch/site"
