#!/usr/bin/env bash
# Builds the Debian package and checks it as it will be installed: unpacked
# into a scratch folder, its programs run from there, its version agrees with
# the programs', its dependencies were found from the libraries, and its menu
# entry, software-centre file and the package itself pass Debian's checkers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package.sh

missing=()
for p in desktop-file-utils appstream lintian; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

deb=$(ls build/rondaxa_*_amd64.deb)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "package check: $*" >&2
  exit 1
}

dpkg-deb -x "$deb" "$scratch/root"
cli="$scratch/root/usr/bin/rondaxa-cli"
[ -x "$scratch/root/usr/bin/rondaxa" ] || fail "the desktop program is missing"

version=$(dpkg-deb -f "$deb" Version)
[ "$("$cli" --version)" = "rondaxa-cli $version" ] || fail "rondaxa-cli --version does not say $version"
[ "$deb" = "build/rondaxa_${version}_amd64.deb" ] || fail "unexpected package name $deb"

"$cli" demo "$scratch/demo.kzb"
cmp "$scratch/demo.kzb" examples/demo.kzb || fail "the packaged demo differs from examples/demo.kzb"
"$cli" info "$scratch/demo.kzb" | tee "$scratch/info.txt"
grep -q "^Klassen: 4$" "$scratch/info.txt" || fail "rondaxa-cli info from the package gave no classes"

# "print" runs in rondaxa-print, which rondaxa-cli looks for where the package puts it.
print="$scratch/root/usr/libexec/rondaxa/rondaxa-print"
[ -x "$print" ] || fail "rondaxa-print is missing"
"$cli" print "$scratch/demo.kzb" --pdf "$scratch/demo.pdf" --all
[ -s "$scratch/demo.pdf" ] || fail "rondaxa-cli print from the package wrote no PDF"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libstdc++6 qt6-qpa-plugins qt6-translations-l10n; do
  [[ "$depends" == *"$lib"* ]] || fail "the package does not depend on $lib"
done

share="$scratch/root/usr/share"
desktop-file-validate "$share/applications/nl.brelinq.Rondaxa.desktop"
appstreamcli validate --no-net "$share/metainfo/nl.brelinq.Rondaxa.metainfo.xml"
[ -f "$share/mime/packages/nl.brelinq.Rondaxa.xml" ] || fail "the .kzb file type is missing"
[ -f "$share/icons/hicolor/scalable/apps/nl.brelinq.Rondaxa.svg" ] || fail "the icon is missing"

# Lintian's errors fail the check; its warnings are shown.
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" || fail "lintian reports errors"
echo "package check: $deb is sound"
