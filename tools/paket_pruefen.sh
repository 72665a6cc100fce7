#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch root and runs the
# installed programs from there: the version of both, a default run of kov-run against the
# known bytes of the default report, a run on a built-in climate with its source note, and the
# installed desktop entry, icons, documents and copyright file.
#   bash tools/paket_pruefen.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

(cd "$build" && cpack -G DEB -B "$arbeit/paket" >/dev/null)
version=$(sed -n 's/^#define KOV_VERSION "\(.*\)"/\1/p' "$build/erzeugt/kov_revision.h")
paket=$arbeit/paket/kov_${version}_amd64.deb
[ -f "$paket" ] || { echo "FAIL: $paket was not built" >&2; ls "$arbeit/paket" >&2; exit 1; }
echo "package: $(basename "$paket"), $(du -k "$paket" | cut -f1) KiB"
echo "depends: $(dpkg-deb -f "$paket" Depends)"
dpkg-deb -f "$paket" Depends | grep -q 'libqt6widgets6' || { echo "FAIL: no Qt dependency" >&2; exit 1; }

wurzel=$arbeit/wurzel
dpkg -x "$paket" "$wurzel"
for datei in usr/bin/kov usr/bin/kov-run usr/share/applications/kov.desktop \
             usr/share/icons/hicolor/48x48/apps/kov.png usr/share/icons/hicolor/256x256/apps/kov.png \
             usr/share/doc/kov/README.md usr/share/doc/kov/LICENSE usr/share/doc/kov/CHANGELOG.md \
             usr/share/kov/wetter/README.md usr/share/doc/kov/copyright \
             usr/share/doc/kov/KLIMA_QUELLEN.md; do
  [ -e "$wurzel/$datei" ] || { echo "FAIL: $datei is not in the package" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$wurzel/usr/share/applications/kov.desktop"
fi

# the installed programs, away from the source and the build tree
lauf=$arbeit/lauf
mkdir -p "$lauf"
cd "$lauf"
"$wurzel/usr/bin/kov-run" --version | grep -q "^kov-run $version" ||
  { echo "FAIL: kov-run --version" >&2; exit 1; }
"$wurzel/usr/bin/kov" --version | grep -q "^kov $version" || { echo "FAIL: kov --version" >&2; exit 1; }
"$wurzel/usr/bin/kov-run" >/dev/null
summe=$(md5sum <kov.txt | cut -d' ' -f1)
[ "$summe" = fc1e045996c553eb16216cd9487b911d ] ||
  { echo "FAIL: the installed kov-run writes another default report ($summe)" >&2; exit 1; }
grep -q "CC-BY-4.0" "$wurzel/usr/share/doc/kov/copyright" ||
  { echo "FAIL: the copyright file lacks the terms of the built-in climates" >&2; exit 1; }
"$wurzel/usr/bin/kov-run" Klima=12:Wint:2045 OutputFile=klima.txt >/dev/null
sed -n 55p klima.txt | grep -q "^TRY2045-12-Wint (Datenbasis: Deutscher Wetterdienst)" ||
  { echo "FAIL: the installed kov-run does not run the built-in climate 12:Wint:2045" >&2; exit 1; }
echo "installed programs run: $("$wurzel/usr/bin/kov-run" --version)"
