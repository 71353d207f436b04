#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The record of the answers and its summary, end to end, read back with Python's own csv module:
# (a) answers of any text through the program's writer, every field read back as written; (c) two
# writers on one file; (b) the real program killed at random while xdotool answers in Xvfb; (d) a
# full disk, a read-only and a removed folder; (e) a planted link and another user's file; (f) the
# summary over damaged files, without a display. CONTAPERLE_KILLS sets the number of kills.
# Usage: registro.py PATH_TO_contaperle PATH_TO_registra   (exit 77 = skipped: X tools missing)
import atexit, csv, glob, os, pwd, random, shutil, subprocess as sp, sys, tempfile, time
from collections import Counter
from itertools import zip_longest

APP, DRV = sys.argv[1:3]
for tool in ('Xvfb', 'xdotool', 'dd'):
    shutil.which(tool) or sys.exit(print(f'skipped: no {tool}', file=sys.stderr) or 77)
HDR = 'ora,alunno,aste,verso,numero,risposta,esito,esatte,errate,totale'.split(',')
TMP = tempfile.mkdtemp(prefix='contaperle-registro.', dir='/dev/shm' if os.path.isdir('/dev/shm') else None)
atexit.register(shutil.rmtree, TMP, True)
checks, fails = [], []

def check(ok, what):
    checks.append(what)
    ok or fails.append(what) or print('FAIL:', what, file=sys.stderr)

def rows(path):  # the lines after the header, as Python's csv reads them
    with open(path, newline='', encoding='utf-8', errors='surrogateescape') as f:
        got = list(csv.reader(f))
    check(got[:1] == [HDR], f'{path}: the header first')
    return got[1:]

def feed(answers): return b''.join(b'%d\n%s' % (len(a), a) for a in answers)
def record(d): return f'{TMP}/{d}/contaperle-{time.strftime("%Y-%m-%d")}-{pwd.getpwuid(os.geteuid()).pw_name}.csv'
def consecutive(got, first=1): return [int(r[9]) for r in got] == list(range(first, first + len(got)))

# (a) Every field as written; a leading apostrophe keeps a spreadsheet from running a formula.
ADV = ['', ',', '"', 'a,b', 'say "hi"', 'a\nb', 'a\r\nb', '\r', '=1+1', '+1', '-5', '@SUM(A1)', '\t=x', '\r=x', "'",
       "'=x", '\0\x01\x1b[31m\x7f', 'è€😀', ' 7 ', 'x' * 10000, '=HYPERLINK("h")', ',\n"' * 50]
answers = [a.encode() for a in ADV] + [open(p, 'rb').read() for p in
                                        sorted(glob.glob(os.path.dirname(__file__) + '/../../fuzz/corpus/*/*'))]
open(f'{TMP}/a.csv', 'w').write(','.join(HDR) + '\r\n2026,"mezza')  # what a writer killed halfway left
sp.run([DRV, f'{TMP}/a.csv', 'a', ','.join(HDR)], input=feed(answers), check=True)
want = [['2026-12-07T09:05:00+01:00', 'a', '5', 'leggi', str(n), a.decode('utf-8', 'surrogateescape'), 'sbagliata', '0',
         str(n), str(n)] for n, a in enumerate(answers, 1)]
got = rows(f'{TMP}/a.csv')
check(got.pop(0) == ['2026', 'mezza'], 'the half line closed before the next')
unguard = lambda f: f[1:] if f[:1] == "'" and f[1:2] and f[1] in "=+-@\t\r'" else f
bad = sum(x != y for g, w in zip_longest(got, want, fillvalue=[]) for x, y in zip_longest(map(unguard, g), w))
check(bad == 0, f'{bad} fields did not round-trip')
check(all(f[:1] not in tuple('=+-@\t\r') for r in got for f in r), 'a field a spreadsheet would run')

# (c) Two writers at once, thousands of lines each: each one's lines all there, whole and in order.
N = 3000
open(f'{TMP}/in', 'wb').write(feed([b'x,"y"\n' * 3] * N))
writers = [sp.Popen([DRV, f'{TMP}/c.csv', t, ','.join(HDR)], stdin=open(f'{TMP}/in', 'rb')) for t in ('uno', 'due')]
check(all(p.wait() == 0 for p in writers), 'a writer failed')
got = rows(f'{TMP}/c.csv')
broken, turns = sum(len(r) != 10 or r[5] != 'x,"y"\n' * 3 for r in got), sum(a[1] != b[1] for a, b in zip(got, got[1:]))
check(broken == 0 and all([int(r[4]) for r in got if r[1] == t] == list(range(1, N + 1)) for t in ('uno', 'due')),
      f'two writers: {broken} lines broken, or one lost')

# The real program in its own Xvfb, which picks a free display; keys go to the window with the focus.
r, w = os.pipe()
xvfb = sp.Popen(['Xvfb', '-displayfd', str(w), '-noreset', '-nolisten', 'tcp', '-screen', '0', '1024x768x24'],
                pass_fds=[w], stderr=sp.DEVNULL)
atexit.register(xvfb.kill)
os.environ.update(DISPLAY=':' + os.read(r, 9).decode().strip(), LC_ALL='C.UTF-8')
os.environ.pop('QT_QPA_PLATFORM', None)
sp.run(['xdotool', 'mousemove', '1020', '760'])

# (b) Killed at random moments around the first answers (timed by a first run to its first
# line): every earlier byte kept, the file always ending a whole line, the totals counting up by
# one in each run, so no line is missing between two kept, and most runs keeping some.
os.mkdir(f'{TMP}/b')
keys = sp.Popen(['xdotool', 'key', '--delay', '15'] + ['0', 'Return', 'Return'] * 9000, stderr=sp.DEVNULL)
kills, lost, partial, start = int(os.environ.get('CONTAPERLE_KILLS', 200)), 0, 0, time.time()
p = sp.Popen([APP, '--registro', f'{TMP}/b'], stderr=sp.DEVNULL)
any(os.path.exists(record('b')) or time.sleep(0.01) for _ in range(3000))
first = time.time() - start
p.kill(), p.wait()
for _ in range(kills):
    before = open(record('b'), 'rb').read() if os.path.exists(record('b')) else b''
    p = sp.Popen([APP, '--registro', f'{TMP}/b'], stderr=sp.DEVNULL)
    time.sleep(random.uniform(0.8 * first, first + 0.2))
    p.kill(), p.wait()
    after = open(record('b'), 'rb').read() if os.path.exists(record('b')) else b''
    lost, partial = lost + (not after.startswith(before)), partial + (after[-2:] not in (b'', b'\r\n'))
keys.kill()
killed, got = time.time() - start, rows(record('b'))
totals = [int(r[9]) for r in got]
gaps = sum(b not in (1, a + 1) for a, b in zip([0] + totals, totals))
check(lost == partial == gaps == 0 and all(len(r) == 10 for r in got) and totals.count(1) > kills // 3,
      f'kills: {lost} lost, {partial} partial, {gaps} missing, {totals.count(1)} runs of {kills} kept lines')

# (d), (e) Faults while the drill goes on: the program still runs, with no box, each kind of
# fault one line on standard error, and the waiting lines written, in order, once it can.
def windows(): return sp.run(['xdotool', 'search', '--onlyvisible', '--name', '^Contaperle$'], capture_output=True).stdout
def run(d, umask=0o022):
    err = open(f'{TMP}/err', 'w+')
    p = sp.Popen([APP, '--registro', f'{TMP}/{d}'], stderr=err, preexec_fn=lambda: os.umask(umask))
    any(windows() or time.sleep(0.1) for _ in range(100))
    return p, err
def answer(n): sp.run(['xdotool', 'key', '--delay', '60'] + ['0', 'Return', 'Return'] * n), time.sleep(0.5)
def alone(p, err, kinds):
    said = [l for l in open(err.name).read().splitlines() if l.startswith('contaperle: registro non tenuto')]
    check(p.poll() is None and len(windows().split()) == 1 and len(said) == len(kinds)
          and all(k in l for k, l in zip(kinds, said)), f'faults {kinds}: said {said}')
    p.kill(), p.wait()

faults = []
os.mkdir(f'{TMP}/d')
if sp.run(['mount', '-t', 'tmpfs', '-o', 'size=64k', 'tmpfs', f'{TMP}/d'], stderr=sp.DEVNULL).returncode == 0:
    atexit.register(sp.run, ['umount', '-l', f'{TMP}/d'])
    os.mkdir(f'{TMP}/d/r'), sp.run(['dd', 'if=/dev/zero', f'of={TMP}/d/pieno', 'bs=4k'], stderr=sp.DEVNULL)
    p, err = run('d/r')
    answer(3), os.remove(f'{TMP}/d/pieno'), answer(1)
    sp.run(['mount', '-o', 'remount,ro', f'{TMP}/d']), answer(2), sp.run(['mount', '-o', 'remount,rw', f'{TMP}/d'])
    answer(1), check(consecutive(rows(record('d/r'))) and len(rows(record('d/r'))) == 7, 'full disk, read-only')
    shutil.rmtree(f'{TMP}/d/r'), answer(2), os.mkdir(f'{TMP}/d/r'), answer(1)
    check(consecutive(rows(record('d/r')), 8) and len(rows(record('d/r'))) == 3, 'folder removed')
    faults += ['errore 61', 'errore 70', 'errore 53']
    alone(p, err, faults)
else:
    print('skipped: a full disk and a read-only folder need a tmpfs mounted as root', file=sys.stderr)

os.mkdir(f'{TMP}/e'), open(f'{TMP}/vittima', 'w').write('intatta\n'), os.symlink(f'{TMP}/vittima', record('e'))
p, err = run('e', umask=0o077)
answer(2), os.remove(record('e'))
check(open(f'{TMP}/vittima').read() == 'intatta\n', 'a planted link followed')
kinds = ['collegamento simbolico'] + ['di un altro utente'] * (os.geteuid() == 0)
if os.geteuid() == 0:
    open(record('e'), 'w').write('altrui\n'), os.chown(record('e'), 65534, 65534), answer(1)
    check(open(record('e')).read() == 'altrui\n', "another user's file written"), os.remove(record('e'))
answer(1), alone(p, err, kinds)
check(consecutive(rows(record('e'))) and os.stat(record('e')).st_mode & 0o777 == 0o640, 'after the plants, mode 0640')
faults += kinds

# (f) The summary, with no display: damaged lines and a file that is no record named, the rest summed.
lines = [[f'2026-12-07T09:05:0{n % 10}+01:00', who, str(aste), verso, str(random.randint(1, 2 ** aste - 1)), '0',
          random.choice(['giusta', 'sbagliata']), '0', '0', '0'] for n, (who, aste, verso) in
         enumerate([('anna', 5, 'leggi')] * 150 + [('bruno', 3, 'componi')] * 40)]
random.shuffle(lines)
for name, part in (('f1', lines[:100] + [['x', 'y'], lines[0][:2] + ['9'] + lines[0][3:]]), ('f2', lines[100:])):
    with open(f'{TMP}/{name}.csv', 'w', newline='') as f:
        csv.writer(f, lineterminator='\r\n').writerows([HDR] + part)
open(f'{TMP}/f2.csv', 'a').write('2026,"senza fine\r\n'), open(f'{TMP}/f3.csv', 'w').write('nome,cognome\r\n')
env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
out = sp.run([APP, '--riepilogo', *[f'{TMP}/f{i}.csv' for i in range(1, 5)], f'{TMP}/d'], env=env, capture_output=True,
             text=True)
said = []
for key in sorted({tuple(l[1:4]) for l in lines}):
    mine = [l for l in lines if tuple(l[1:4]) == key]
    missed = sorted(Counter(int(l[4]) for l in mine if l[6] == 'sbagliata').items(), key=lambda m: (-m[1], m[0]))[:5]
    right = sum(l[6] == 'giusta' for l in mine)
    said.append(f'{key[0]}, {key[1]} aste, {key[2]}: {len(mine)} risposte, {right} esatte, {len(mine) - right} errate'
                + '; più sbagliati: ' * bool(missed) + ', '.join(f'{n} ({c} volt{"ae"[c > 1]})' for n, c in missed))
check(out.returncode == 0 and out.stdout.splitlines() == said, f'summary: {out.stdout}')
check([l.split(': ')[1].rsplit('/', 1)[1] for l in out.stderr.splitlines()] ==
      ['f1.csv:102', 'f1.csv:103', 'f2.csv:92', 'f3.csv:1', 'f4.csv', 'd'], f'summary: {out.stderr}')

print(f'figures: {kills} kills in {killed:.0f} s, {lost} earlier lines lost, {partial} partial lines, {totals.count(1)} '
      f'runs with {len(totals)} lines judged, {gaps} missing; two writers: {2 * N} lines, {turns} turns, {broken} '
      f'broken or interleaved; {len(answers)} answers, {bad} fields not round-tripped; faults tried: {faults}')
print(f'registro: {len(checks) - len(fails)} passed, {len(fails)} failed')
sys.exit(1 if fails else 0)
