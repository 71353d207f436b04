#!/usr/bin/env bash
# Runs the benchmarks and prints their table in Markdown.
# Usage: bench/run.sh [BUILD_DIR] [--once]   (BUILD_DIR defaults to build/release)
# --once runs each benchmark once with tiny counts, to show that it works; its
# figures mean nothing. Exit 77: Xvfb is not installed.
set -euo pipefail

build=${1:-build/release}
bin=$build/bench
app=$build/app/contaperle
command -v Xvfb >/dev/null 2>&1 || { echo "run.sh: skipped, Xvfb not installed" >&2; exit 77; }
for program in "$app" "$bin/finestra_nuda" "$bin/bench_avvio" "$bin/bench_esercizio" "$bin/bench_parole"; do
    [ -x "$program" ] || { echo "run.sh: $program is missing; build first" >&2; exit 1; }
done

if [ "${2:-}" = --once ]; then
    pairs=1 copies=2 seconds=1 clicks=10 ms=1
else
    pairs=15 copies=20 seconds=5 clicks=2000 ms=300
fi

# A private X server with room for twenty windows side by side.
source "$(dirname "$0")/../tools/xvfb.sh"
XDG_RUNTIME_DIR=$(mktemp -d /tmp/contaperle-bench.XXXXXX)
export XDG_RUNTIME_DIR
trap 'xvfb_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb_start 3840x2400x24 || exit 1
unset QT_QPA_PLATFORM
# As on an Italian desktop: Qt's own words come in Italian.
export LC_ALL=C.UTF-8 LANGUAGE=it

cpu=$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)
echo "Contaperle benchmarks, $(date +%F): $cpu, $(nproc) cores, $(uname -sr), Xvfb $DISPLAY"
echo
echo "| Measure | Contaperle | Bare Qt window | Ratio | Target | |"
echo "|---|---|---|---|---|---|"
"$bin/bench_avvio" startup "$pairs" "$app" "$bin/finestra_nuda"
"$bin/bench_avvio" lab "$copies" "$seconds" "$app" "$bin/finestra_nuda"
"$bin/bench_esercizio" "$clicks"
"$bin/bench_parole" "$ms"
