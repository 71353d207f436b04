#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end drill: the real contaperle in its own Xvfb, driven with xdotool keys (then, with
# --tastierino, clicks on the keypad) and judged from screenshots and from its exit status.
# Usage: drill.sh PATH_TO_contaperle   (exit 77 = skipped: X tools missing)
# No `set -e`: every failure goes through fail, and the cleanup must always run to its end.
set -uo pipefail
APP=${1:?usage: drill.sh PATH_TO_contaperle}
for t in Xvfb xdotool import convert; do command -v $t >/dev/null || { echo "skipped: no $t" >&2; exit 77; }; done
source "$(dirname "$0")/../../tools/xvfb.sh"
SHOTS=$(mktemp -d /tmp/contaperle-e2e.XXXXXX) SHOT="(none yet)" APID="" N=0
# A program killed here ends with status 143; the X server must go all the same.
trap '[ -z "$APID" ] || { kill $APID; wait $APID; } 2>/dev/null; xvfb_stop' EXIT && trap 'exit 1' INT TERM
fail() { echo "FAIL: $* (last screenshot: $SHOT, all in $SHOTS)" >&2; echo "e2e: 0 passed, 1 failed"; exit 1; }
# Runs "$@" every 0.2 s until it succeeds, $1 times at most.
poll() { for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.2; done; return 1; }

xvfb_start 1920x1080x24 || fail "could not start Xvfb"
unset QT_QPA_PLATFORM && export LANG=C.UTF-8 LC_ALL=C.UTF-8

start() { "$APP" "$@" >"$SHOTS/app.log" 2>&1 & APID=$!; }
start
# The visible window named Contaperle other than $1, in $WIN.
found() {
    WIN=$(xdotool search --onlyvisible --name '^Contaperle$' 2>/dev/null | grep -vxF "$1" | head -1) && [ -n "$WIN" ]
}
# A new window and its client area (754 x 556 under the menu bar, over $2 pixels of keypad). No
# window manager gives it the keyboard: the program must take it itself.
window() {
    poll 50 found "${1:-none}" || fail "no new visible window named Contaperle within 10 s"
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    [ "$WIDTH" -eq 754 ] && [ "$HEIGHT" -gt $((556 + ${2:-0})) ] || fail "window is ${WIDTH}x${HEIGHT}, want 754 wide, taller than $((556 + ${2:-0}))"
    OX=$X OY=$((Y + HEIGHT - 556 - ${2:-0}))
}
window
# Keys go to the window under the pointer when no window has the focus: keep it off the window.
xdotool mousemove 1020 760

# A screenshot where the verdict line (text centred on x=411, y 344..381) shows more than $1
# pixels of colour $2 and none of colour $3.
verdict() {
    local text
    N=$((N + 1)) SHOT="$SHOTS/shot$N.png"
    import -window root "png:$SHOT" || return
    text=$(convert "$SHOT" -crop "400x44+$((OX + 211))+$((OY + 340))" +repage -depth 8 txt:-)
    [ "$(grep -c "#$2" <<<"$text")" -gt "$1" ] && ! grep -q "#$3" <<<"$text"
}
# Presses key $2 in the box titled $1 (a regular expression) once it shows.
answer() {
    local box
    box=$(timeout 10 xdotool search --sync --name "$1" | head -1)
    [ -n "$box" ] || fail "no window titled '$1' within 10 s"
    xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key "$2"
}

# 0 is never drawn: a wrong answer, in red. Return then presses "Nuovo calcolo", whose next
# exercise empties the verdict line: the cyan bar shows through all of it.
xdotool type 0; xdotool key Return
poll 25 verdict 30 FF0000 FFFF00 || fail "answer 0: no red verdict within 5 s"
xdotool key Return
poll 25 verdict 17000 00FFFF FF0000 || fail "Return on the verdict: the verdict line did not clear within 5 s"

# Ctrl+N and Yes (the question's default is No): the fresh window must take the keyboard, so
# that the next answer is judged.
xdotool key ctrl+n; answer '^INIZIARE NUOVA GARA$' alt+y
window "$WIN"
xdotool type 0; xdotool key Return
poll 25 verdict 30 FF0000 FFFF00 || fail "after a new contest: no red verdict within 5 s"

# Alt+X: the farewell box titled with the date; OK ends the program with status 0.
goodbye() {
    xdotool key alt+x; answer '^Data .*[0-9]' Return
    timeout 10 tail --pid="$APID" -f /dev/null || fail "program still running 10 s after OK on the farewell box"
    wait "$APID"; RC=$? APID="" && [ "$RC" -eq 0 ] || fail "program exited with status $RC (log: $SHOTS/app.log)"
}
goodbye

# By finger: the keypad's two rows of 48-pixel keys (9 mm are fewer at the 96 dots an inch Qt
# finds on Xvfb) under the board, all on the screen; its lower row has 0 from x 409 and Invio
# from x 465, from y 620 to 668. Clicks on them answer 0, wrongly.
start --tastierino && window none 120
for x in 433 517; do xdotool mousemove $((OX + x)) $((OY + 644)) click 1; done
poll 25 verdict 30 FF0000 FFFF00 || fail "answer 0 on the keypad: no red verdict within 5 s"
[ "$(convert "$SHOT" -format '%[hex:p{411,623}]%[hex:p{467,623}]' -crop "+$OX+$OY" info:)" = C0FFC0FF80FF ] && [ $((OY + 676)) -le 1080 ] || fail "keypad not drawn as it should, or off the screen"
goodbye

# Composing on three rods, centred in the usual width: a click on the bead of 4 (centre 224, 240)
# puts it on, in blue; Enter judges it, in red or in yellow.
start --componi --aste 3 && window
xdotool mousemove $((OX + 224)) $((OY + 240)) click 1 mousemove 1020 760
bead() { import -window root "png:$SHOTS/bead.png" && convert "$SHOTS/bead.png" -crop "1x1+$((OX + 224))+$((OY + 240))" -depth 8 txt:- | grep -q '#0000FF'; }
poll 25 bead || fail "composing: no blue bead of 4 within 5 s of the click"
xdotool key Return
poll 25 verdict 30 FF0000 000001 || verdict 30 FFFF00 000001 || fail "composing: no verdict within 5 s of Enter"
goodbye
rm -rf "$SHOTS" && echo "e2e: 1 passed, 0 failed"
