#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks and prints their table in Markdown.
# Usage: bench/run.sh [BUILD_DIR] [--once]   (BUILD_DIR defaults to build/release)
# --once runs each benchmark with tiny counts, to show that it works; its figures mean nothing.
set -euo pipefail
build=${1:-build/release}
# Start-up pairs, lab copies, seconds of idle, clicks, passes over the number words.
counts=(41 20 5 2000 100)
[ "${2:-}" != --once ] || counts=(1 2 1 10 1)
# Both programs run with the same environment in a private X server with room
# for twenty windows side by side; as on an Italian desktop, Qt's words are Italian.
source "$(dirname "$0")/../tools/xvfb.sh"
XDG_RUNTIME_DIR=$(mktemp -d /tmp/contaperle-bench.XXXXXX)
export XDG_RUNTIME_DIR LC_ALL=C.UTF-8 LANGUAGE=it
trap 'xvfb_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb_start 3840x2400x24
unset QT_QPA_PLATFORM
echo "Contaperle benchmarks, $(date +%F): $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)," \
    "$(nproc) cores, $(uname -sr), load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '\n| Measure | Contaperle | Bare Qt window | Ratio | Target | |\n|---|---|---|---|---|---|\n'
"$build/bench/bench_misure" "${counts[@]}" "$build/app/contaperle" "$build/bench/finestra_nuda" "$XVFB_PID"
