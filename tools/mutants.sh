#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How many plausible one-line faults the test suite catches. Each mutant below
# is applied in turn to a scratch copy of the program, which is rebuilt and
# tested: "killed" names the first test that failed, "survived" means every
# test passed with the fault in place.
#
# Usage: tools/mutants.sh [REV]
#   The program is always this working tree's. With REV, the tests are those of
#   git revision REV, so two suites can be compared on the same faults.
#   ONLY=text runs just the mutants whose description contains text.
# The scratch copy and its build live in build/mutants-REV (MUTANTS_DIR to move it).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
rev=${1:-}
scratch=${MUTANTS_DIR:-$root/build/mutants-${rev:-tree}}
src=$scratch/src

# One or more of each kind of fault a pupil would see. A mutant whose text is
# no longer found stops the run before anything is built.
# file[:occurrence] ^ text on that line ^ its replacement ^ the fault
mutants=(
  "board/tastiera.cpp^tasto.timestamp() == istante_^tasto.timestamp() == istante_ + 1^held keys: X11 repeats (equal time stamps) pass"
  "board/tastiera.cpp^ || tasto.key() == Qt::Key_Space^^held keys: a held Space clicks again and again"
  "board/tavola_esercizio.cpp^platform::randomize();^(void)0;^chance: no reseed before a draw"
  "platform/services.cpp^static_cast<std::uint64_t>(ticks)^static_cast<std::uint64_t>(ticks / 1000000000)^chance: reseeded from whole seconds"
  "board/tavola.cpp^emit contiCambiati(conti());^(void)0;^scores: a change not signalled"
  "board/tastiera.cpp^            pulsante->click();^            (void)0;^keys: Return on a button does nothing"
  "board/gara.cpp^tavola_->activateWindow();^(void)0;^new contest: the fresh window not activated"
  "board/accesso.cpp^if (!asta.perla->isHidden())^if (asta.perla->isHidden())^screen reader: the rods without a bead named"
  "board/aste.h^{16, 16, 81, 25}^{16, 18, 81, 25}^looks: the caption of the eights moved"
  "board/tavola_descrizione.cpp^.colore = verdeScuro^.colore = verde^looks: Risposte esatte in light green"
  "board/tavola_descrizione.cpp^\"Times New Roman\"), 36^\"Times New Roman\"), 30^looks: counts' font 30 points"
  "board/tavola_descrizione.cpp^premi  il tasto^premi il tasto^looks: tooltip of Text3 loses a space"
  "board/tavola_descrizione.cpp^    Shape1 = abaco_.costruisciBase(superficie);^    Shape1 = abaco_.costruisciBase(superficie); Shape1->lower();^looks: the base bar stacked under the rods of 8, 4 and 2"
  "platform/services.cpp^    ending = true;^    (void)0;^guard: handlers still run after the farewell"
  "words/numlett.cpp^if (r > 99)^if (r > 98)^words: 99 spelled with cento"
  "words/numlett.cpp^r == 1 || r == 8^r == 1^words: trent+otto keeps its a"
  "words/numlett.cpp:1^togliUltimi(testo, 3);^(void)testo;^words: unomilione"
  "words/numlett.cpp^g > gruppoMassimo^g > gruppoMassimo + 1^words: top group 1000 spelled"
  "platform/core/numbers.cpp^rounded >= static_cast<double>^rounded > static_cast<double>^conversions: the lowest 32-bit value overflows"
  "platform/core/numbers.cpp^std::nearbyint(value)^std::round(value)^conversions: rounding half away from zero"
  "platform/core/numbers.cpp^text.substr(first, text.find_last_not_of(' ') - first + 1)^text.substr(first)^conversions: trailing spaces refused"
  "platform/core/currency.cpp^std::chars_format::fixed, decimals)^std::chars_format::fixed, decimals + 1)^conversions: currency rounded on the fifth decimal"
  "platform/core/checked.cpp^ || wide > std::numeric_limits<std::int16_t>::max()^^overflow: no upper bound"
  "platform/core/checked.cpp^wide > std::numeric_limits^wide >= std::numeric_limits^overflow: 32767 itself overflows"
  "board/tavola_esercizio.cpp^numErrate * 50 + 25^numErrate * 50 + 20^tint: blue starts at 20"
  "board/tavola_esercizio.cpp^rgb(rosso, verde, blu)^rgb(blu, verde, rosso)^tint: red and blue swapped"
  "platform/colour.cpp^std::clamp(value, 0, 255)^(value & 255)^tint: components wrap instead of saturating"
  "board/esercizio.h^(valore_ / peso(asta)) % 2 == 1^(valore_ / peso(asta)) % 3 == 1^bit split: digits in base 3"
  "board/esercizio.cpp^std::floor(r * massimo()) + 1^std::floor(r * 31) + 1^lessons: every lesson draws from 1 to 31"
  "board/abaco.cpp^punti = 13.5; !staccate(punti);^punti = 13.5; false;^lessons: the captions of seven and eight rods run into each other"
  "board/colonna.cpp^(qui + verso + colonne.size()) % colonne.size()^std::clamp<qsizetype>(qui + verso, 0, colonne.size() - 1)^composing: the arrows stop at the ends"
  "board/tavola_accesso.cpp^        colonna->setEnabled(false);^        (void)colonna;^composing: the rods still toggle once judged"
  "board/tastiera.cpp^            pulsante->setFocus(Qt::ShortcutFocusReason);^            (void)0;^screen reader: an access key clicks without focusing its button"
  "board/tavola_accesso.cpp^QAccessibleEvent evento(Shape9, QAccessible::NameChanged);^QAccessibleEvent evento(Shape9, QAccessible::DescriptionChanged);^screen reader: the abacus tells of its beads by another event"
  "board/tavola_descrizione.cpp^lezione_.altoContrasto ? platform::legible(verdeAcqua, verdino) : verdeAcqua^verdeAcqua^high contrast: the digits typed stay teal"
  "board/tavola_verifica.cpp^esercizio_.giusta(risposta().toStdString())^esercizio_.giusta(risposta().trimmed().toStdString())^comparison: key handler trims the answer"
  "board/tavola_verifica.cpp^risposta() == Text1->text()^risposta().toInt() == Text1->text().toInt()^comparison: check compares numbers"
  "platform/guard.cpp^            report(error);^            report(RuntimeError(RuntimeError::Number::InternalError));^guard: every error reported as 51"
  "platform/guard.cpp^catch (const std::exception&)^catch (const std::runtime_error&)^guard: logic errors reported nowhere"
  "board/tavola.cpp^risposta != platform::Reply::Yes^risposta == platform::Reply::No^new contest: any reply but No is Yes"
  "board/tavola.cpp:2^conta(numErrate, 0);^(void)0;^new contest: activation keeps wrong answers"
)

# Copies the working tree's program (and REV's tests) into the scratch tree,
# touching only files that differ so the build stays incremental.
sync_tree() {
  local tmp file
  tmp=$(mktemp -d)
  git ls-files -co --exclude-standard | grep -v '^tests/' | tar -cf - -T - | tar -xf - -C "$tmp"
  if [ -n "$rev" ]; then git archive "$rev" tests | tar -xf - -C "$tmp"; else tar -cf - tests | tar -xf - -C "$tmp"; fi
  (cd "$tmp" && find . -type f) | while read -r file; do
    cmp -s "$tmp/$file" "$src/$file" 2>/dev/null || { mkdir -p "$(dirname "$src/$file")"; cp "$tmp/$file" "$src/$file"; }
  done
  rm -rf "$tmp"
}

build_and_test() {
  cmake --build "$scratch/build" -j2 >"$scratch/build.log" 2>&1 || { echo "no build"; return; }
  # The soak and the benchmarks' smoke test catch no fault of their own here, at minutes each.
  if ctest --test-dir "$scratch/build" -E 'tst_soak|bench' --stop-on-failure --timeout 120 >"$scratch/ctest.log" 2>&1; then
    echo survived
  else
    echo "killed by $(grep -m1 -E 'Test +#[0-9]+: .*(Failed|Timeout|Exception)' "$scratch/ctest.log" \
      | sed -E 's/.*Test +#[0-9]+: ([^ ]+) .*/\1/')"
  fi
}

# The line of $file holding the $nth occurrence of $from, or nothing.
find_line() { grep -nF -- "$from" "$1" | sed -n "${nth}p" | cut -d: -f1; }
parse() {
  IFS='^' read -r place from to what <<<"$1"
  file=${place%%:*}
  nth=1
  [ "$place" = "$file" ] || nth=${place#*:}
}

missing=0
for mutant in "${mutants[@]}"; do
  parse "$mutant"
  [ -n "$(find_line "$file")" ] || { echo "mutant not applicable, its text is gone: $what ($file: $from)" >&2; missing=1; }
done
[ "$missing" = 0 ] || exit 1

mkdir -p "$src"
sync_tree
cmake -S "$src" -B "$scratch/build" -DCMAKE_BUILD_TYPE=Debug -DCONTAPERLE_WERROR=OFF >/dev/null
[ "$(build_and_test)" = survived ] || { echo "the unmutated program fails its tests: see $scratch/ctest.log" >&2; exit 1; }
echo "tests: ${rev:-working tree}"

for mutant in "${mutants[@]}"; do
  parse "$mutant"
  [[ $what == *"${ONLY:-}"* ]] || continue
  line=$(find_line "$src/$file")
  awk -v n="$line" -v from="$from" -v to="$to" \
    'NR == n { i = index($0, from); $0 = substr($0, 1, i - 1) to substr($0, i + length(from)) } { print }' \
    "$src/$file" >"$src/$file.mutant" && mv "$src/$file.mutant" "$src/$file"
  printf '%-55s %-32s %s\n' "$what" "$file:$line" "$(build_and_test)"
  cp "$root/$file" "$src/$file"
done
