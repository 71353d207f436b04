#!/usr/bin/env bash
# Sets up a Debian 12 machine for Contaperle, builds it, then starts the
# program (`run`), runs the whole test suite headless (`test`: plain, with
# sanitizers, fuzzed and under valgrind), makes the Debian package and prints
# its path (`package`), or runs the benchmarks and prints their table
# (`bench`). Installs only the Debian packages that are missing, so a second
# run goes straight to the (incremental) build.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n fonts-liberation2)
# The real-window tests and the start-up benchmark (which watches drawing
# through X's DAMAGE extension) run in a private Xvfb.
xwindow=(xvfb xdotool imagemagick libx11-dev libxdamage-dev)
case $mode in
  run) ;;
  test) packages+=("${xwindow[@]}" orca at-spi2-core dbus libglib2.0-bin dconf-gsettings-backend
                 clang-format clang-tidy clang libclang-rt-14-dev valgrind
                 lintian desktop-file-utils appstream dpkg-dev file) ;;
  package) packages+=(dpkg-dev file) ;;
  bench) packages+=("${xwindow[@]}") ;;
  *) echo "usage: $0 run|test|package|bench" >&2; exit 2 ;;
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

case $mode in
  run)
    cmake --preset release >/dev/null
    cmake --build --preset release --target contaperle
    exec build/release/app/contaperle ;;
  test)
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
    # The whole suite, then again under AddressSanitizer and
    # UndefinedBehaviorSanitizer; the number words under
    # libFuzzer (clang) from their seeds; the widget tests under valgrind.
    for preset in ci asan fuzz; do
      cmake --preset "$preset" >/dev/null
      cmake --build --preset "$preset"
      ctest --preset "$preset"
    done
    bash tools/tidy.sh build/ci
    bash tools/valgrind.sh ;;
  package)
    cmake --preset release >/dev/null
    cmake --build --preset release
    made=$(cd build/release && cpack | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
    [ -n "$made" ] || { echo "$0: cpack made no package" >&2; exit 1; }
    echo "$made" ;;
  bench)
    cmake --preset release >/dev/null
    cmake --build --preset release --target contaperle finestra_nuda bench_avvio bench_esercizio bench_parole
    exec bench/run.sh build/release ;;
esac
