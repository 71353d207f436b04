#!/usr/bin/env bash
# End-to-end drill: the real contaperle in its own Xvfb, driven with xdotool keys and
# judged from screenshots (bead colours, verdict colours) and the final exit status.
# Usage: drill.sh PATH_TO_contaperle   (exit 77 = skipped: X tools missing)
set -euo pipefail

APP=${1:?usage: drill.sh PATH_TO_contaperle}
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "drill.sh: skipped, '$tool' not installed" >&2; exit 77; }
done
[ -x "$APP" ] || { echo "drill.sh: '$APP' is not an executable"; echo "e2e: 0 passed, 1 failed"; exit 1; }

SHOTS=$(mktemp -d /tmp/contaperle-e2e.XXXXXX)
SHOT="(none yet)"
XPID="" APID="" N=0
cleanup() {
    # Wait too, so no zombie is left behind for a non-reaping init.
    [ -n "$APID" ] && kill "$APID" 2>/dev/null && wait "$APID" 2>/dev/null
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null && wait "$XPID" 2>/dev/null
    return 0
}
trap cleanup EXIT
fail() {
    echo "FAIL: $* (last screenshot: $SHOT, screenshots in $SHOTS)" >&2
    echo "e2e: 0 passed, 1 failed"
    exit 1
}

# Own X server on the first free :91..:99. Parallel runs may race for a number, so a display
# counts as ours only once its lock file names our Xvfb's pid and it answers.
for d in 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ] && continue
    Xvfb ":$d" -noreset -screen 0 1024x768x24 >"$SHOTS/xvfb.log" 2>&1 &
    XPID=$!
    for _ in $(seq 50); do
        kill -0 "$XPID" 2>/dev/null || break
        if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$d-lock")" = "$XPID" ] &&
            DISPLAY=":$d" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$d"
            break 2
        fi
        sleep 0.1
    done
    kill "$XPID" 2>/dev/null || true; wait "$XPID" 2>/dev/null || true
    XPID=""
done
[ -n "$XPID" ] || fail "could not start Xvfb on any of :91..:99"
unset QT_QPA_PLATFORM
export LANG=C.UTF-8 LC_ALL=C.UTF-8

"$APP" >"$SHOTS/app.log" 2>&1 &
APID=$!
WIN=$(timeout 10 xdotool search --sync --onlyvisible --name '^Contaperle$' | head -1) || true
[ -n "$WIN" ] || fail "no visible window named Contaperle within 10 s"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
# The client area is 754 x 556 under the menu bar; anything else means the layout broke.
if [ "$WIDTH" -ne 754 ] || [ "$HEIGHT" -le 556 ]; then fail "window is ${WIDTH}x${HEIGHT}, want 754 wide and taller than 556"; fi
OX=$X OY=$((Y + HEIGHT - 556))
echo "window $WIN at ($X,$Y) ${WIDTH}x${HEIGHT}, client origin ($OX,$OY)"
# No window manager gives focus, so hand it to the window once ourselves.
xdotool windowfocus --sync "$WIN" 2>/dev/null || true

shoot() { N=$((N + 1)); SHOT="$SHOTS/shot$N.png"; import -window root "png:$SHOT"; }

# Weight, bead centre x, bead colour, rod colour (16's bead is the desktop background: "not navy").
RODS="16:72:-:000080 8:216:FFFF00:FF80FF 4:376:0000FF:FF0000 2:528:00C0C0:FFFFFF 1:676:FF00FF:00FF00"
# Prints the value on the beads of $SHOT, or fails (status 1) if any rod is ambiguous.
# A cross of five pixels per bead must agree, so an anti-aliased edge or half-drawn frame is not read.
read_beads() {
    local fmt="" r w x
    for r in $RODS; do
        IFS=: read -r w x _ _ <<<"$r"; x=$((OX + x)); local y=$((OY + 240))
        fmt+="$w %[hex:p{$x,$y}] %[hex:p{$((x-2)),$y}] %[hex:p{$((x+2)),$y}] %[hex:p{$x,$((y-2))}] %[hex:p{$x,$((y+2))}]\n"
    done
    convert "$SHOT" -depth 8 -format "$fmt" info: 2>/dev/null | awk -v rods="$RODS" '
        BEGIN { n = split(rods, a, " "); for (i = 1; i <= n; i++) { split(a[i], f, ":"); bead[f[1]] = f[3]; rod[f[1]] = f[4] } }
        NF == 6 { on = off = 0
            for (i = 2; i <= 6; i++) { c = toupper(substr($i, 1, 6))
                if (c == rod[$1]) off++; else if (bead[$1] == "-" || c == bead[$1]) on++ }
            if (on == 5) v += $1; else if (off != 5) bad = 1; seen++ }
        END { if (bad || seen != 5) exit 1; print v + 0 }'
}
# Verdict line: text centred on x=411, y 344..381; count pixels of one exact colour there.
count_verdict() {
    convert "$SHOT" -crop "400x44+$((OX + 211))+$((OY + 340))" +repage -depth 8 txt:- 2>/dev/null | grep -c "#$1" || true
}
verdict_yellow() { [ "$(count_verdict FFFF00)" -gt 30 ] && [ "$(count_verdict FF0000)" -eq 0 ]; }
verdict_red() { [ "$(count_verdict FF0000)" -gt 30 ] && [ "$(count_verdict FFFF00)" -eq 0 ]; }
# Empty means no text at all: the cyan bar fills (nearly) all 400 x 44 pixels.
verdict_empty() { [ "$(count_verdict 00FFFF)" -gt 17000 ] && [ "$(count_verdict FFFF00)" -eq 0 ] && [ "$(count_verdict FF0000)" -eq 0 ]; }
# Polls up to 5 s until check $1 holds on a fresh screenshot.
poll() {
    for _ in $(seq 25); do shoot; if "$1"; then return 0; fi; sleep 0.2; done
    return 1
}
# Sets V once two screenshots in a row read the same value 1..31 (not in $(...): shoot must update SHOT).
settled_value() {
    local prev="" v
    for _ in $(seq 40); do
        shoot
        if v=$(read_beads) && [ "$v" -ge 1 ] && [ "$v" -le 31 ]; then
            [ "$v" = "$prev" ] && { V=$v; return 0; }
            prev=$v
        else prev=""; fi
        sleep 0.2
    done
    return 1
}

# 1. First exercise, answered right.
settled_value || fail "no readable value 1..31 on the beads within ~10 s (last read: $(read_beads || echo ambiguous))"
echo "value on the beads: $V"
xdotool type "$V"; xdotool key Return
poll verdict_yellow || fail "right answer $V: no yellow verdict within 5 s"
echo "right answer: yellow verdict"

# 2. Return now presses "Nuovo calcolo": the verdict line must clear and a new number appear.
xdotool key Return
poll verdict_empty || fail "after Return on the verdict the verdict line did not clear within 5 s"
echo "next exercise: verdict line empty"
settled_value || fail "no readable value 1..31 on the beads of the second exercise"
W=$(((V + 1) % 32))
echo "value on the beads: $V, answering $W"
xdotool type "$W"; xdotool key Return
poll verdict_red || fail "wrong answer $W to $V: no red verdict within 5 s"
echo "wrong answer: red verdict"

# 3. Alt+x -> goodbye box titled with the date; OK ends the program cleanly.
xdotool key alt+x
BOX=$(timeout 10 xdotool search --sync --name '^Data ' | head -1) || true
shoot
[ -n "$BOX" ] || fail "alt+x: no window titled 'Data ...' within 10 s"
TITLE=$(xdotool getwindowname "$BOX")
[[ $TITLE =~ [0-9] ]] || fail "goodbye box title '$TITLE' carries no date"
echo "exit box: '$TITLE'"
xdotool windowfocus --sync "$BOX" 2>/dev/null || true
xdotool key Return
for _ in $(seq 50); do kill -0 "$APID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$APID" 2>/dev/null && fail "program still running 10 s after OK on the exit box"
RC=0; wait "$APID" || RC=$?
APID=""
[ "$RC" -eq 0 ] || fail "program exited with status $RC (log: $SHOTS/app.log)"
echo "program ended with status 0"

if [ -n "${E2E_KEEP:-}" ]; then echo "screenshots kept in $SHOTS"; else rm -rf "$SHOTS"; fi
echo "e2e: 1 passed, 0 failed"
