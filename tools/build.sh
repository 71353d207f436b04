#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 or 13 machine for Contaperle, builds it, then starts the
# program (`run`), runs the whole test suite headless (`test`: plain, with
# sanitizers, fuzzed and under valgrind), makes the Debian packages with
# dpkg-buildpackage and prints the .deb's path (`package`), or runs the
# benchmarks and prints their table (`bench`). Installs only the Debian
# packages that are missing, so a second run goes straight to the
# (incremental) build.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n fonts-liberation2)
# The real-window tests and the start-up benchmark (which watches drawing
# through X's DAMAGE extension) run in a private Xvfb.
xwindow=(xvfb xdotool imagemagick libx11-dev libxdamage-dev)
# dpkg-buildpackage, the packaging helpers named in debian/control, and lintian.
debian=(build-essential debhelper lintian)
case $mode in
  run) ;;
  test) packages+=("${xwindow[@]}" "${debian[@]}" python3 orca at-spi2-core dbus libglib2.0-bin dconf-gsettings-backend
                 clang-format clang-tidy clang libclang-rt-dev valgrind desktop-file-utils appstream) ;;
  package) packages+=("${debian[@]}") ;;
  bench) packages+=("${xwindow[@]}") ;;
  *) echo "usage: $0 run|test|package|bench" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
      echo "$0: as root, run: apt-get install --no-install-recommends ${missing[*]}; then run this again" >&2
      exit 1
    }
    as_root=(sudo)
  fi
  echo "$0: installing ${missing[*]} (to remove them later: apt-get purge ${missing[*]}; apt-get autoremove --purge)" >&2
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The sources to format-check: git's list when there is one, else the tree's.
sources() {
  git ls-files -- '*.cpp' '*.h' 2>/dev/null ||
    find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print
}

case $mode in
  run)
    cmake --preset release >/dev/null
    cmake --build --preset release --target contaperle
    [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || {
      echo "$0: built build/release/app/contaperle; no display here: run this from a terminal of a desktop session" >&2
      exit 1
    }
    exec build/release/app/contaperle ;;
  test)
    sources | xargs clang-format --dry-run -Werror
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
    exec bash tools/deb.sh build/deb ;;
  bench)
    cmake --preset release >/dev/null
    cmake --build --preset release --target contaperle finestra_nuda bench_misure
    exec bench/run.sh build/release ;;
esac
