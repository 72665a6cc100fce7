#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine (run as root): installs the Debian packages that are
# missing, configures and builds, then either starts the program or runs the whole test suite.
#   bash tools/bauen.sh start      build and start kov in ./lauf (kov-run there when there is no display)
#   bash tools/bauen.sh test       build and run every test through CTest
#   bash tools/bauen.sh sanitize   build with address/undefined sanitizers and run the tests
#   bash tools/bauen.sh fuzz [S]   build the libFuzzer harnesses with clang and run each S seconds
#                                  (default 20) from the seed corpus in tests/fuzz/korpus
set -euo pipefail

modus=${1:-start}
wurzel=$(cd "$(dirname "$0")/.." && pwd)
cd "$wurzel"

pakete=(cmake make g++ pkg-config qt6-base-dev libjpeg-dev libgtest-dev libgmock-dev
        libbenchmark-dev nlohmann-json3-dev fonts-dejavu-core python3)
if [ "$modus" = fuzz ]; then pakete+=(clang libclang-rt-14-dev); fi
fehlend=()
for paket in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$paket")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Fehlende Pakete koennen nur als root installiert werden." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${fehlend[@]}"
fi

jobs=$(nproc)
bauen() { # $1 = build directory, rest = cmake options
  local verzeichnis=$1; shift
  cmake -S . -B "$verzeichnis" "$@" >/dev/null
  cmake --build "$verzeichnis" -j "$jobs" ${ZIEL:+--target "$ZIEL"}
}

case "$modus" in
  start)
    bauen build -DKOV_WERROR=OFF
    # the report and the scratch file land in the working directory
    mkdir -p lauf
    cd lauf
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x ../build/src/ui/kov ]; then
      exec ../build/src/ui/kov
    fi
    echo "Kein Bildschirm gefunden: Berechnung mit den Standardwerten durch kov-run in ./lauf"
    exec ../build/kov-run
    ;;
  test)
    bauen build -DKOV_WERROR=ON
    cd build && ctest --output-on-failure -j "$jobs"
    ;;
  sanitize)
    bauen build-san -DKOV_SANITIZE=ON -DKOV_BENCH=OFF -DKOV_WERROR=ON
    cd build-san && ctest --output-on-failure -j "$jobs"
    ;;
  fuzz)
    sekunden=${2:-20}
    ZIEL=kov_fuzz CXX=clang++ CC=clang bauen build-fuzz -DKOV_FUZZ=ON -DKOV_GUI=OFF -DKOV_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo
    arbeit=$(mktemp -d)
    trap 'rm -rf "$arbeit"' EXIT
    for programm in build-fuzz/*_fuzz; do
      name=$(basename "$programm" _fuzz)
      # a copy of the seeds, so that the run does not add its finds to the committed corpus
      mkdir -p "$arbeit/$name"
      cp -r "tests/fuzz/korpus/$name/." "$arbeit/$name/"
      echo "Fuzzing $name for $sekunden s"
      "$programm" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$arbeit/$name-" "$arbeit/$name" 2>&1 | tail -n 12
      if ls "$arbeit/$name-"* >/dev/null 2>&1; then
        echo "Fuzzing $name found a fault:" >&2
        ls "$arbeit/$name-"* >&2
        exit 1
      fi
    done
    ;;
  *)
    echo "Aufruf: bash tools/bauen.sh start|test|sanitize|fuzz [SEKUNDEN]" >&2
    exit 2
    ;;
esac
