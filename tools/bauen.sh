#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine (run as root): installs the Debian packages that are
# missing, configures and builds with the CMake presets, then starts the program, runs tests or
# checks.
#   bash tools/bauen.sh start      build (preset default, build/) and start kov in ./lauf
#                                  (kov-run there when there is no display)
#   bash tools/bauen.sh test       build with warnings as errors (preset ci, build-ci/) and run
#                                  every test through CTest
#   bash tools/bauen.sh sanitize   build with address/undefined sanitizers (build-san/), run the tests
#   bash tools/bauen.sh tsan       build with the thread sanitizer (build-tsan/) and run the tests
#                                  that use threads (the test preset tsan names them by a regex)
#   bash tools/bauen.sh fuzz [S]   build the libFuzzer harnesses with clang and run each S seconds
#                                  (default 20) from the seed corpus in tests/fuzz/korpus
#   bash tools/bauen.sh pruefen    clang-format over every C++ file, clang-tidy over the core
#   bash tools/bauen.sh paket      Release build (build-release/) and the Debian package
set -euo pipefail

modus=${1:-start}
wurzel=$(cd "$(dirname "$0")/.." && pwd)
cd "$wurzel"

pakete=(cmake make g++ pkg-config qt6-base-dev qt6-charts-dev qt6-svg-dev libjpeg-dev libgtest-dev
        libgmock-dev libbenchmark-dev nlohmann-json3-dev libdeflate-dev fonts-dejavu-core poppler-utils
        python3 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
case "$modus" in
  test | paket) pakete+=(dpkg-dev desktop-file-utils) ;;
  fuzz) pakete+=(clang libclang-rt-14-dev) ;;
  pruefen) pakete+=(clang-format clang-tidy) ;;
esac
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
bauen() { # $1 = preset
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
}

case "$modus" in
  start)
    bauen default
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
    bauen ci
    ctest --preset ci -j "$jobs"
    ;;
  sanitize)
    bauen sanitize
    # the whole-run comparisons with Python and the package are the same with or without
    # sanitizers; the test build runs them
    ctest --preset sanitize -j "$jobs" -E '^(Nachrechnung|Paket)\.'

    ;;
  tsan)
    bauen tsan
    ctest --preset tsan -j "$jobs"
    ;;
  fuzz)
    sekunden=${2:-20}
    bauen fuzz
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
  pruefen)
    mapfile -t quellen < <(git ls-files '*.cpp' '*.h' | grep -v '^src/files/wetter_tabelle.cpp$')
    clang-format --dry-run -Werror "${quellen[@]}"
    echo "clang-format: ${#quellen[@]} files as the style wants them"
    # clang-tidy reads the compile commands of a plain configure of the core
    cmake -S . -B build-tidy -DKOV_GUI=OFF -DKOV_BENCH=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
    cmake --build build-tidy -j "$jobs" --target kov_revision >/dev/null
    mapfile -t kern < <(git ls-files 'src/model/*.cpp' 'src/ground/*.cpp' 'src/register/*.cpp')
    printf '%s\n' "${kern[@]}" | xargs -P "$jobs" -n 4 clang-tidy -p build-tidy --quiet
    echo "clang-tidy: ${#kern[@]} files of the core without findings"
    ;;
  paket)
    bauen release
    (cd build-release && cpack -G DEB)
    ls -l build-release/kov_*_amd64.deb
    ;;
  *)
    echo "Aufruf: bash tools/bauen.sh start|test|sanitize|tsan|fuzz [SEKUNDEN]|pruefen|paket" >&2
    exit 2
    ;;
esac
