#!/usr/bin/env bash
# Runs the benchmarks and prints their table in Markdown.
# Usage: bench/run.sh [BUILD_DIR] [--once]   (BUILD_DIR defaults to build/release)
# --once runs each benchmark once with tiny counts, to show that it works; its
# figures mean nothing.
set -euo pipefail

build=${1:-build/release}
bin=$build/bench
app=$build/app/contaperle
command -v Xvfb >/dev/null || { echo "run.sh: Xvfb is not installed" >&2; exit 1; }
for program in "$app" "$bin/finestra_nuda" "$bin/bench_avvio" "$bin/bench_esercizio" "$bin/bench_parole"; do
    [ -x "$program" ] || { echo "run.sh: $program is missing; build first" >&2; exit 1; }
done
# Start-up pairs, lab copies, seconds of idle, clicks, milliseconds per spell.
counts=(41 20 5 2000 300)
[ "${2:-}" != --once ] || counts=(1 2 1 10 1)

# A private X server with room for twenty windows side by side; both
# programs run in it with the same environment. As on an Italian desktop, Qt's
# own words come in Italian.
source "$(dirname "$0")/../tools/xvfb.sh"
XDG_RUNTIME_DIR=$(mktemp -d /tmp/contaperle-bench.XXXXXX)
export XDG_RUNTIME_DIR LC_ALL=C.UTF-8 LANGUAGE=it
trap 'xvfb_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb_start 3840x2400x24 || exit 1
unset QT_QPA_PLATFORM

cpu=$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)
echo "Contaperle benchmarks, $(date +%F): $cpu, $(nproc) cores, $(uname -sr), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| Measure | Contaperle | Bare Qt window | Ratio | Target | |"
echo "|---|---|---|---|---|---|"
"$bin/bench_avvio" "${counts[@]:0:3}" "$app" "$bin/finestra_nuda"
"$bin/bench_esercizio" "${counts[3]}"
"$bin/bench_parole" "${counts[4]}"
