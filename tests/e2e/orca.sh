#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The drill by ear: Orca, the screen reader, in Italian, with accessibility switched on as desktops
# do it, while xdotool answers one exercise wrongly and one rightly, then draws one with Alt+N from
# the answer box; then the same composing on three rods. The value is read from the beads Orca names; what Orca says after each key is
# checked, in order, from its debug log, and the program must leave its standard error empty and
# end through Alt+X and the farewell box.
# Usage: orca.sh PATH_TO_contaperle   (exit 77 = skipped: a tool missing, not root, or /tmp closed to its user)
# As root it makes the user contaperle-orca and runs itself again as that user in a private D-Bus
# session; Orca runs once per user, so concurrent runs take turns on a lock. That user may not
# enter the clone (under /root, or in a folder of mode 0700): it runs a private copy of this
# script, tools/xvfb.sh, the program and the LSan suppressions, open to its group alone.
set -uo pipefail
APP=$(realpath "${1:?usage: orca.sh PATH_TO_contaperle}") U=contaperle-orca
if [ "$(id -un)" != $U ]; then
    for t in Xvfb:xvfb xdotool:xdotool orca:orca dbus-run-session:dbus gsettings:libglib2.0-bin /usr/libexec/at-spi-bus-launcher:at-spi2-core; do
        command -v "${t%:*}" >/dev/null || { echo "skipped: no ${t%:*} (package ${t#*:})" >&2; exit 77; }; done
    [ "$(id -u)" -eq 0 ] || { echo "skipped: Orca runs as user $U, which only root can make" >&2; exit 77; }
    id -u $U &>/dev/null || useradd --system --user-group --create-home $U 2>/dev/null || id -u $U >/dev/null || exit 1
    C=$(mktemp -d /tmp/contaperle-orca-copy.XXXXXX) && trap 'rm -rf "$C"' EXIT && S=$(grep -oP '(^|:)suppressions="?\K[^:"]*' <<<"${LSAN_OPTIONS:-}")
    (cd "$(dirname "$0")/../.." && cp --parents "tests/e2e/${0##*/}" tools/xvfb.sh "$C") && cp "$APP" ${S:+"$S"} "$C" && chgrp -R $U "$C" && chmod -R g+rX "$C" && cd / || exit 1
    runuser -u $U -- test -x "$C/${APP##*/}" || { echo "skipped: user $U cannot reach $C, a private copy of what it runs" >&2; exit 77; }
    exec 9>/tmp/contaperle-orca.lock && flock -w 600 9 && runuser -u $U -- env -i PATH="$PATH" HOME=/home/$U ${LSAN_OPTIONS:+LSAN_OPTIONS="${LSAN_OPTIONS/"$S"/$C/${S##*/}}"} dbus-run-session -- bash "$C/tests/e2e/${0##*/}" "$C/${APP##*/}"; exit
fi
W=$(mktemp -d /tmp/contaperle-orca.XXXXXX) SEEN=0 APID=""
# Italian: LANGUAGE alone reaches Orca and Qt where the it_IT locale is not generated, and Qt 6.8
# warns of a locale that is not there.
export XDG_RUNTIME_DIR=$W LANG=C.UTF-8 LANGUAGE=it && ! locale -a | grep -qx it_IT.utf8 || LANG=it_IT.UTF-8
source "$(dirname "$0")/../../tools/xvfb.sh" && trap '[ -z "$APID" ] || kill $APID; kill $(jobs -p) $(cat $W/speech-dispatcher/pid/*.pid 2>/dev/null) 2>/dev/null; wait; xvfb_stop' EXIT && trap 'exit 1' INT TERM
fail() { echo "FAIL: $* (log: $W/orca.log). Orca said:" >&2; said 0 >&2; echo "orca: 0 passed, 1 failed"; exit 1; }
said() { sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" "$W/orca.log" | tail -n +$(($1 + 1)); }
# Up to 30 s for Orca's speech since the last check to match $1 (extended regex, utterances
# joined by "|"); what matched is in $HEARD.
hear() {
    for _ in $(seq 150); do HEARD=$(said $SEEN | paste -sd '|') && grep -qE "$1" <<<"$HEARD" && break; sleep 0.2; done
    grep -qE "$1" <<<"$HEARD" && SEEN=$((SEEN + $(said $SEEN | wc -l))) || fail "${2:-no} '$1' within 30 s"; }
# A new exercise announced with the answer box: no digit before the answer; its value, in $V,
# from the rods Orca named.
declare -A PESO=([Sedicine]=16 [Ottine]=8 [Quartine]=4 [Duine]=2 [Unità]=1)
BEADS='Risposta [[:alpha:]]+\.?\|(.*\|)?Perle su: [A-Za-zà, ]+($|[.|])'
exercise() {
    hear "$BEADS" && ! grep -q '[0-9]' <<<"$HEARD" || fail "a digit before the answer: $HEARD"
    V=0 && for rod in $(grep -oE 'Perle su: [^.|]*' <<<"$HEARD" | cut -d: -f2 | tr -d ','); do V=$((V + PESO[$rod])); done; }

xvfb_start 1024x768x24 || fail "could not start Xvfb"
/usr/libexec/at-spi-bus-launcher --launch-immediately & gsettings set org.gnome.desktop.interface toolkit-accessibility true
# Orca's debug file is written line by line only to a terminal: script(1) gives it one.
script -qfc "orca -u $W --debug-file=/dev/stdout" "$W/orca.log" >/dev/null 2>&1 &
for _ in $(seq 150); do grep -q 'ORCA: ATSPI registry initialized' "$W/orca.log" 2>/dev/null && break; sleep 0.2; done
"$APP" 2>"$W/stderr" & APID=$!
exercise # 0 is never drawn: a wrong answer
xdotool type 0 && xdotool key Return && hear "Nuovo calcolo [[:alpha:] ]+\.?\|(.*\|)?Sbagliato!! $V\. Risposte esatte 0, Risposte errate 1, Risposte totali 1"
xdotool key Return && exercise
xdotool type $V && xdotool key Return && hear 'Nuovo calcolo [[:alpha:] ]+\.?\|(.*\|)?Esatto, ok!!!\. Risposte esatte 0, Risposte errate 1, Risposte totali 1'
# Alt+N from the answer box must move the focus, or Orca says nothing of the new beads.
xdotool key Return && exercise && xdotool key alt+n && hear "$BEADS" "Alt+N from the answer box: no"
# The abacus tells of its new beads as readers expect it, by a change of its name (Orca 43 logs
# it "[image | Perle su: ...]", Orca 48 "[image: 'Perle su: ...']").
grep -qE "accessible-name for \[[a-z ]+(\| |: ')Perle su: " "$W/orca.log" || fail "no change of the abacus's name reached Orca"
bye() {
    xdotool key alt+x && hear 'Data [0-9].*Ciao a presto\. Ore' "the farewell box:"
    xdotool key Return && timeout 10 tail --pid="$APID" -f /dev/null && wait "$APID" || fail "program still running 10 s after OK on the farewell box, or ended with status $?"; APID=""
    [ ! -s "$W/stderr" ] || fail "the program wrote to standard error: $(head -3 "$W/stderr")"; }
bye
# Composing on three rods: the number, the question, comes with the first rod, in digits and
# words ($V); Enter on the bare rods is wrong; then each bead it needs is put on with Space and
# spoken checked, each rod spoken as the arrow reaches it, then the verdict.
number() { hear 'Quartine [[:alpha:] ]+\.?\|(.*\|)?[0-9]+ — [a-z]+($|[.|])' && V=$(grep -oE '[0-9]+ — ' <<<"$HEARD" | tail -1 | cut -d' ' -f1); }
"$APP" --componi --aste 3 2>"$W/stderr" & APID=$!
number && xdotool key Return && hear "Nuovo calcolo [[:alpha:] ]+\.?\|(.*\|)?Sbagliato!! $V\. Risposte esatte 0, Risposte errate 1, Risposte totali 1"
declare -A DOPO=([4]=Duine [2]=Unità [1]=Quartine)
xdotool key Return && number && for w in 4 2 1; do
    [ $((V & w)) = 0 ] || { xdotool key space && hear '(^|\|)(spuntata|checked)($|\|)' "a bead put on: no"; }
    xdotool key Right && hear "${DOPO[$w]} [[:alpha:] ]+\." "the next rod: no"; done
xdotool key Return && hear 'Nuovo calcolo [[:alpha:] ]+\.?\|(.*\|)?Esatto, ok!!!\. Risposte esatte 0, Risposte errate 1, Risposte totali 1'
bye
said 0 | sed 's/^/  said: /' && rm -rf "$W" && echo "orca: 1 passed, 0 failed"
