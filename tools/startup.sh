#!/usr/bin/env bash
# Start-up benchmark: time from launch to the mapped window, and peak resident
# memory, over a few runs in a private Xvfb. Usage: tools/startup.sh [contaperle] [runs]
set -euo pipefail
program=${1:-build/release/app/contaperle}
runs=${2:-10}
display=:87
Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
export DISPLAY=$display
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name '^Contaperle$' >/dev/null 2>&1; do sleep 0.005; done
  shown=$(date +%s%N)
  sleep 0.3
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(( (shown - start) / 1000000 )) ms to the window, peak ${peak} kB"
done
