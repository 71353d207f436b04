#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A private Xvfb for the end-to-end tests and the benchmarks, sourced, not run:
#   source tools/xvfb.sh; xvfb_start 1024x768x24 || exit 1
# Starts Xvfb on the first free display of :60..:99 (a taken one makes Xvfb exit; -displayfd
# tells when ours is ready), exports DISPLAY and sets XVFB_PID. xvfb_stop ends it; the caller
# runs it from its own EXIT trap, beside whatever else it has to clean up.
XVFB_PID=""

xvfb_start() {
    local screen=${1:-1024x768x24} ready d
    command -v Xvfb >/dev/null || { echo "xvfb.sh: Xvfb is not installed" >&2; return 1; }
    ready=$(mktemp /tmp/contaperle-xvfb.XXXXXX)
    for d in $(seq 60 99); do
        [ -e "/tmp/.X$d-lock" ] && continue
        Xvfb ":$d" -displayfd 3 -noreset -nolisten tcp -screen 0 "$screen" 3>"$ready" 2>/dev/null &
        XVFB_PID=$!
        while kill -0 "$XVFB_PID" 2>/dev/null && [ ! -s "$ready" ]; do sleep 0.1; done
        if [ -s "$ready" ]; then
            rm -f "$ready"
            export DISPLAY=":$d"
            return 0
        fi
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    rm -f "$ready"
    echo "xvfb.sh: no free display among :60..:99" >&2
    return 1
}

xvfb_stop() {
    [ -n "$XVFB_PID" ] || return 0
    kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}
