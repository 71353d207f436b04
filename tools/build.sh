#!/usr/bin/env bash
# Sets up a Debian 12 machine for Contaperle, builds it, then starts the
# program (`run`) or runs the whole test suite headless (`test`): plain, with
# sanitizers, fuzzed and under valgrind. Installs only the Debian packages that
# are missing, so a second run goes straight to the (incremental) build.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(cmake g++ make qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
          fonts-liberation2)
case $mode in
  run) ;;
  test) packages+=(xvfb xdotool imagemagick clang libclang-rt-14-dev valgrind) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = run ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release -j "$(nproc)"
  exec build/release/app/contaperle
fi
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$(nproc)"
ctest --preset ci
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the number words and conversions under libFuzzer (clang) from their seeds,
# and the widget tests under valgrind's memcheck.
for preset in asan fuzz; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset"
done
bash tools/valgrind.sh
