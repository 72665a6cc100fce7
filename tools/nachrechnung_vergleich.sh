#!/usr/bin/env bash
# Runs the independent recalculation (tools/nachrechnung.py) once per case and kov-run once per
# path of the conduction step this processor has (KOV_SIMD=skalar, sse2, avx2, avx512) on the
# same settings, and compares every report file byte for byte and the four yearly totals exactly.
# CTest runs it as one test; exit status 0 only when every case agrees on every path.
#   bash tools/nachrechnung_vergleich.sh [BUILD_DIR]        (default: build)
# Needs a built kov-run (cmake -S . -B build -DKOV_GUI=OFF && cmake --build build -j2).
set -uo pipefail

wurzel=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$wurzel/build}
kov_run=$build/kov-run
if [ ! -x "$kov_run" ]; then
  echo "kov-run not found in $build" >&2
  exit 2
fi

# one case per line: the NAME=VALUE settings (empty line = defaults)
faelle=(
  ""
  "Einschwingjahre=0"
  "Heizgrenze=5 Kuehlgrenze=20"
  "AnteilAdiabat=0.3 AnteilKeller=0.2 MonitorSektor=1"
  "AnzahlGitter=3 AnzahlSubSchritte=1"
  "AnzahlGitter=10 AnzahlSubSchritte=4"
  "AlphaStillstand=5 Heizgrenze=0 Kuehlgrenze=18"
  "Land=D"
  "DRohr=0.3 Volumenstrom=500"
  "Tiefe=3 LambdaErde=2.5"
  "DRohr=0.3 Volumenstrom=300"
  "DRohr=0.3 Volumenstrom=2000 Land=a"
  "AnteilKeller=0.6 KWertKeller=0 MonitorSektor=3 MonitorRadial=4"
  "AnteilAdiabat=0.5 AnteilKeller=0.5 MonitorSektor=2 MonitorAxial=6"
  "SpezielleRandbedingung=true Heizgrenze=8 Kuehlgrenze=16"
  "WandstaerkeRohr=0.02 Rohrlaenge=80 AnzahlRohre=4 AnzahlGitter=8 AnzahlSubSchritte=3"
  "Einschwingjahre=3 Land=DE"
)

# The paths of the conduction step on this processor. The kernel lists a vector extension among
# the flags only when it also saves its registers, which is what kov-run asks of the processor.
pfade=(skalar)
if [ "$(uname -m)" = x86_64 ]; then
  pfade+=(sse2)
  flaggen=" $(grep -m1 '^flags' /proc/cpuinfo 2>/dev/null) "
  if [[ $flaggen == *" avx2 "* ]]; then pfade+=(avx2); fi
  if [[ $flaggen == *" avx512f "* ]]; then pfade+=(avx512); fi
fi
echo "paths of the conduction step: ${pfade[*]}"

# Prints the differences of kov-run's directory $1 against the recalculation's $2; nothing when
# the report files and the totals agree.
unterschiede() {
  local prog=$1 nach=$2 datei unterschied zeile summen
  for datei in kov.txt dummy.txt; do
    if [ -e "$prog/$datei" ] || [ -e "$nach/$datei" ]; then
      if ! unterschied=$(cmp "$prog/$datei" "$nach/$datei" 2>&1); then
        echo "  $unterschied"
        zeile=$(echo "$unterschied" | sed -n 's/.* line \([0-9]*\).*/\1/p')
        if [ -n "$zeile" ]; then
          echo "  kov-run:        $(sed -n "${zeile}p" "$prog/$datei" | tr -d '\r')"
          echo "  nachrechnung:   $(sed -n "${zeile}p" "$nach/$datei" | tr -d '\r')"
        fi
      fi
    fi
  done
  if ! summen=$(python3 - "$prog/summen.json" "$nach/summen.txt" <<'EOF'
import json, sys
programm = json.load(open(sys.argv[1]))
abweichend = []
for zeile in open(sys.argv[2]):
    name, wert = zeile.split()
    if float(programm[name]) != float(wert):
        abweichend.append(f"{name}: kov-run {programm[name]!r}, nachrechnung {wert}")
print("; ".join(abweichend))
sys.exit(1 if abweichend else 0)
EOF
  ); then
    echo "  totals: $summen"
  fi
}

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler=0
nummer=0
for fall in "${faelle[@]}"; do
  nummer=$((nummer + 1))
  nach=$arbeit/$nummer/nach
  mkdir -p "$nach"
  start=$(date +%s.%N)
  # shellcheck disable=SC2086  # the settings are split into words on purpose
  if ! python3 "$wurzel/tools/nachrechnung.py" -C "$nach" $fall >"$nach/summen.txt"; then
    echo "FAIL [$fall]: nachrechnung.py ended with an error"
    fehler=1
    continue
  fi
  dauer=$(python3 -c "import sys; print(f'{float(sys.argv[2]) - float(sys.argv[1]):.1f}')" \
    "$start" "$(date +%s.%N)")

  ergebnis=identical
  einzelheiten=""
  for pfad in "${pfade[@]}"; do
    prog=$arbeit/$nummer/$pfad
    mkdir -p "$prog"
    # shellcheck disable=SC2086
    if ! KOV_SIMD=$pfad "$kov_run" -C "$prog" --json $fall >"$prog/summen.json"; then
      ergebnis=DIFFERENT
      einzelheiten="$einzelheiten"$'\n'"  $pfad: kov-run ended with an error"
      continue
    fi
    text=$(unterschiede "$prog" "$nach")
    if [ -n "$text" ]; then
      ergebnis=DIFFERENT
      einzelheiten="$einzelheiten"$'\n'"  on $pfad:"$'\n'"$text"
    fi
  done

  [ "$ergebnis" = identical ] || fehler=1
  echo "[${fall:-defaults}] $ergebnis on ${pfade[*]} (recalculation ${dauer} s)$einzelheiten"
done

if [ $fehler -ne 0 ]; then
  echo "kov-run and the recalculation disagree" >&2
  exit 1
fi
echo "all ${#faelle[@]} cases identical on ${#pfade[@]} paths"
