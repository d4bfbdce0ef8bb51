"""A random walk through the real program under a private Xvfb.

Clicks anywhere in every visible window and message box, bursts of clicks
during the press animations and the print sweep, typing (text outside
Windows-1252, quotes, long pastes), keys and drags over scroll bars, for a
given time. The program is built with AddressSanitizer and UBSan
(scripts/monkey); each sanitizer report lands in a file of its own.

Counted: actions; crashes (an end that is not the normal one after Einde and
Yes, which is simply started again); sanitizer reports; stalls, i.e. times
the event loop did not answer a _NET_WM_PING within 2 s (see xping.py). A
stall while the print dialog is open is the print's own work and is counted
apart. Every action is logged with what it hit, so a log replays the walk:

    monkey.py --minuten 2 --seed 1      exit 1 when something was found
    monkey.py --replay monkey-1.log
"""
import argparse
import glob
import json
import os
import random
import re
import shutil
import signal
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
from harness import COMMANDO, Fout, Programma, UIT  # noqa: E402
from xping import Ping  # noqa: E402
from xscherm import stop_proces  # noqa: E402

HOOFD = ' Wendolo'
AFDRUKKEN = ' Afdrukken'
STAL = 2.0      # seconds without an answer that make a stall
BEVROREN = 60.0  # seconds after which the program counts as hung

TEKSTEN = ['\u20ac \u0149 \u6f22 \U0001F600', '"', "'", '""', 'a"b"c', 'KAT', 'puzzel', 'Z', '\u00c9\u00e9n',
           '\u00c0\u00c9\u00ce\u00d5\u00dc\u00df\u00ff', ' ', '12345', '-1', '..', 'con', 'a/b\\c:d', '\u0160\u017d\u0153',
           '\u0420\u0443\u0441', '\u05e9\u05dc\u05d5\u05dd', '\U0001F4A9\U0001F600']
TOETSEN = ['Return', 'Return', 'Escape', 'Escape', 'Tab', 'shift+Tab', 'space', 'Up', 'Down', 'Left', 'Right',
           'BackSpace', 'Delete', 'Home', 'End', 'Prior', 'Next', 'ctrl+a', 'ctrl+v', 'ctrl+z', 'alt+y', 'alt+n',
           'F1', 'KP_Enter']


def puzzels():
    """Saved puzzles for the program folder, enough for a scroll bar in the
    load list: the puzzle files of the fuzz corpus with a board picture."""
    corpus = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus', 'puzzel')
    rij = (503 * 3 + 3) // 4 * 4
    pixels = b''.join(bytes((y * 7 + x // 3) % 256 for x in range(rij)) for y in range(449))
    kop = struct.pack('<IiiHHIIiiII', 40, 503, 449, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    bmp = b'BM' + struct.pack('<IHHI', 14 + len(kop) + len(pixels), 0, 0, 14 + len(kop)) + kop + pixels
    namen = [f'puzzel {i:02}' for i in range(20)] + ['\u00e9\u00e9n', 'plan.nieuw.v2', 'kerst.bezig.2', 'a b']
    bestanden = {}
    for i, naam in enumerate(namen):
        with open(os.path.join(corpus, 'vijf' if i % 2 else 'twintig'), 'rb') as f:
            bestanden[f'puzzels/{naam}.pzl'] = f.read()
        bestanden[f'puzzels/{naam}.bmp'] = bmp
    return bestanden


class Aap:
    def __init__(self, uit, naam):
        self.uit = uit
        os.makedirs(uit, exist_ok=True)
        self.logpad = os.path.join(uit, naam + '.log')
        self.log = open(self.logpad, 'w')
        self.rapporten = os.path.join(uit, naam + '-rapporten')
        shutil.rmtree(self.rapporten, ignore_errors=True)
        os.makedirs(self.rapporten)
        self.tel = dict(acties=0, herstarts=0, crashes=0, rapporten=0, stallen=0, stallen_afdrukken=0,
                        overgeslagen=0, afdrukken=0, peilingen=0, langste_antwoord=0)
        self.gezien = set()
        self.laatste = []  # the last actions, for the report of a find
        self.p = None
        self.ping = None
        self.begin = time.monotonic()

    # -- the program -------------------------------------------------------
    def start(self, p):
        self.p = p
        san = os.path.join(p.tmp, 'san')
        supp = os.environ.get('WENDOLO_LSAN_SUPP', '')
        p.env.update(
            ASAN_OPTIONS=f'log_path={san}:halt_on_error=1:detect_leaks=1:handle_abort=1:symbolize=1',
            UBSAN_OPTIONS=f'log_path={san}:halt_on_error=1:print_stacktrace=1',
            LSAN_OPTIONS=f'suppressions={supp}:print_suppressions=0' if supp else 'print_suppressions=0',
            # No print server: printing can only take the PDF fallback.
            CUPS_SERVER=os.path.join(p.tmp, 'geen-cups'),
        )
        p.env.pop('PRINTER', None)
        p.env.pop('LPDEST', None)
        self.ping = Ping(p.scherm)
        self.herstart(eerste=True)

    def herstart(self, eerste=False):
        p = self.p
        p.start(timeout=120)
        if not eerste:
            self.tel['herstarts'] += 1
        self.schrijf({'soort': 'start'})

    def schrijf(self, regel):
        regel = dict(regel, n=self.tel['acties'], t=round(time.monotonic() - self.begin, 2))
        self.log.write(json.dumps(regel, ensure_ascii=False) + '\n')
        self.log.flush()
        self.laatste = (self.laatste + [regel])[-12:]

    def vondst(self, soort, tekst):
        """Something found: counted, logged, and told at once."""
        self.schrijf({'soort': 'vondst', 'wat': soort, 'tekst': tekst[:4000]})
        print(f'monkey: {soort} after action {self.tel["acties"]}: {tekst.splitlines()[0] if tekst else ""}',
              file=sys.stderr)

    def rapporten_lezen(self):
        for pad in sorted(glob.glob(os.path.join(self.p.tmp, 'san.*'))):
            if pad in self.gezien:
                continue
            self.gezien.add(pad)
            with open(pad, errors='replace') as f:
                tekst = f.read()
            if not tekst.strip():
                continue
            shutil.copy(pad, self.rapporten)
            self.tel['rapporten'] += 1
            kop = next((r for r in tekst.splitlines() if 'ERROR' in r or 'runtime error' in r), tekst.splitlines()[0])
            self.vondst('sanitizer report', f'{kop}\n(full report: {os.path.join(self.rapporten, os.path.basename(pad))})')

    def controleer_einde(self):
        """After the program ended: restart it, counting anything abnormal."""
        code = self.p.proc.poll()
        if code is None:
            return
        self.rapporten_lezen()
        if code != 0:
            self.tel['crashes'] += 1
            oorzaak = f'signal {-code}' if code < 0 else f'exit code {code}'
            self.vondst('crash', f'the program ended with {oorzaak}')
        self.schrijf({'soort': 'einde', 'code': code})
        self.herstart()

    # -- windows -------------------------------------------------------------
    def xdo(self, *args, timeout=20):
        try:
            r = subprocess.run(['xdotool', *map(str, args)], env=self.p.env, capture_output=True, text=True,
                               timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        # Titles keep their leading space (" Wendolo").
        return r.stdout.rstrip('\n') if r.returncode == 0 else None

    def vensters(self):
        """[(id, title, (x, y, width, height))] of the program's visible windows."""
        if self.p.proc.poll() is not None:
            return []
        uit = self.xdo('search', '--onlyvisible', '--pid', self.p.proc.pid)
        lijst = []
        for w in (uit.split() if uit else []):
            naam = self.xdo('getwindowname', w)
            geo = self.xdo('getwindowgeometry', '--shell', w)
            if naam is None or not geo:
                continue
            d = dict(r.split('=', 1) for r in geo.splitlines() if '=' in r)
            lijst.append((w, naam, (int(d['X']), int(d['Y']), int(d['WIDTH']), int(d['HEIGHT']))))
        return lijst

    def zoek(self, titel, index):
        """The window of that title (and rank among equal titles) now, if any."""
        gelijk = [v for v in self.vensters() if v[1] == titel]
        return gelijk[min(index, len(gelijk) - 1)] if gelijk else None

    # -- doing ---------------------------------------------------------------
    def doe(self, actie):
        """Performs a logged action on the window it names; False when it is gone."""
        v = self.zoek(actie['titel'], actie.get('index', 0))
        if v is None:
            self.tel['overgeslagen'] += 1
            return False
        w = v[0]
        soort = actie['soort']
        if soort in ('klik', 'commando', 'salvo'):
            args = []
            for x, y, knop, keer in actie['klikken']:
                args += ['mousemove', '--window', w, x, y, 'click', '--repeat', keer, '--delay', 40, knop]
                if actie.get('tussen'):
                    args += ['sleep', actie['tussen']]
            self.xdo(*args)
        elif soort == 'typ':
            self.xdo('windowfocus', '--sync', w, timeout=5)
            self.xdo('type', '--delay', 2, '--', actie['tekst'], timeout=120)
        elif soort == 'plak':
            # xclip stays behind as the clipboard's owner until the next paste.
            subprocess.run(['xclip', '-selection', 'clipboard'], input=actie['tekst'].encode(), env=self.p.env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20)
            self.xdo('windowfocus', '--sync', w, timeout=5)
            self.xdo('key', 'ctrl+v')
        elif soort == 'toets':
            self.xdo('windowfocus', '--sync', w, timeout=5)
            self.xdo('key', actie['toets'])
        elif soort == 'sleep':
            (x1, y1), (x2, y2) = actie['van'], actie['naar']
            args = ['mousemove', '--window', w, x1, y1, 'mousedown', 1]
            for i in range(1, 6):
                args += ['mousemove', '--window', w, x1 + (x2 - x1) * i // 5, y1 + (y2 - y1) * i // 5, 'sleep', 0.03]
            self.xdo(*args, 'mouseup', 1)
        if actie['titel'] == AFDRUKKEN:
            self.tel['afdrukken'] += 1
        return True

    def kies(self, rng):
        """A random action on a random visible window, described for the log."""
        vensters = self.vensters()
        if not vensters:
            return None
        # A dialog or box, when one is open, takes most of the actions: the
        # main window behind it mostly refuses them.
        anders = [v for v in vensters if v[1] != HOOFD]
        w, titel, (_, _, b, h) = rng.choice(anders if anders and rng.random() < 0.7 else vensters)
        index = [v[0] for v in vensters if v[1] == titel].index(w)
        actie = {'titel': titel, 'index': index, 'maat': [b, h]}
        punt = lambda: (rng.randrange(max(b, 1)), rng.randrange(max(h, 1)))  # noqa: E731
        r = rng.random()
        if r < 0.30:
            x, y = punt()
            actie.update(soort='klik', klikken=[[x, y, rng.choice([1, 1, 1, 1, 1, 3]), rng.choice([1, 1, 1, 2])]])
        elif r < 0.42:
            # A command of the main window, often followed by clicks during
            # its press animation (0.2 s) or the sweep it starts.
            hoofd = [v for v in vensters if v[1] == HOOFD]
            if hoofd:
                actie.update(titel=HOOFD, index=0, maat=list(hoofd[0][2][2:]))
                b, h = hoofd[0][2][2:]
            x, y = COMMANDO[rng.choice(list(COMMANDO))]
            klikken = [[x, y, 1, 1]]
            if rng.random() < 0.5:
                klikken += [[rng.randrange(b), rng.randrange(h), 1, 1] for _ in range(rng.randint(1, 5))]
            actie.update(soort='commando', klikken=klikken, tussen=0.05)
        elif r < 0.50:
            actie.update(soort='salvo', klikken=[[*punt(), 1, 1] for _ in range(rng.randint(3, 10))], tussen=0.03)
        elif r < 0.60:
            if rng.random() < 0.7:
                tekst = rng.choice(TEKSTEN)
            else:
                tekst = ''.join(rng.choice(TEKSTEN) for _ in range(rng.randint(2, 8)))
            actie.update(soort='typ', tekst=tekst)
        elif r < 0.64:
            stuk = rng.choice(TEKSTEN + ['\n', '\r\n', ',', 'ABCDEFGHIJ'])
            actie.update(soort='plak', tekst=(stuk * rng.randint(50, 600))[:rng.randint(100, 5000)])
        elif r < 0.88:
            actie.update(soort='toets', toets=rng.choice(TOETSEN))
        else:
            # Scroll bars sit at the right edge of lists; elsewhere a drag
            # is a press, a move and a release anywhere.
            if rng.random() < 0.6:
                x = max(0, b - rng.randint(2, 24))
                van, naar = [x, rng.randrange(max(h, 1))], [x, rng.randrange(max(h, 1))]
            else:
                van, naar = list(punt()), list(punt())
            actie.update(soort='sleep', van=van, naar=naar)
        actie['rust'] = rng.choice([0, 0, 0.05, 0.1, 0.2, 0.3, 0.6])
        return actie

    def peil(self, actie):
        """Waits for the ping's answer; a late one is a stall."""
        hoofd = self.zoek(HOOFD, 0)
        if hoofd is None or self.p.proc.poll() is not None:
            return
        begin = time.monotonic()
        duur = self.ping.rondgang(int(hoofd[0]), STAL)
        self.tel['peilingen'] += 1
        if duur is not None:
            self.tel['langste_antwoord'] = max(self.tel['langste_antwoord'], round(duur, 3))
            return
        afdrukken = any(v[1] == AFDRUKKEN for v in self.vensters()) or (actie or {}).get('titel') == AFDRUKKEN
        # Pinged again each second until an answer comes: a program that
        # ends meanwhile crashed or quit, which is counted as such.
        duur = None
        while duur is None and time.monotonic() - begin < BEVROREN:
            if self.p.proc.poll() is not None:
                return
            if self.ping.rondgang(int(hoofd[0]), 1.0) is not None:
                duur = time.monotonic() - begin
        lengte = f'{duur:.1f} s' if duur is not None else f'more than {BEVROREN:.0f} s'
        if afdrukken:
            self.tel['stallen_afdrukken'] += 1
            self.schrijf({'soort': 'stal', 'duur': lengte, 'afdrukken': True})
            return
        self.tel['stallen'] += 1
        self.vondst('stall', f'the event loop did not answer for {lengte}; last actions:\n'
                    + '\n'.join(json.dumps(a, ensure_ascii=False) for a in self.laatste))
        if duur is None and self.p.proc.poll() is None:
            # Hung: the sanitizer writes where it hangs, then it starts anew.
            stop_proces(self.p.proc, signal.SIGABRT, 30)

    def stap(self, actie):
        if actie is None:
            # No window to act on: starting up, or just ended.
            time.sleep(0.2)
            self.rapporten_lezen()
            self.controleer_einde()
            return
        self.schrijf(dict(actie, soort=actie['soort']))
        self.tel['acties'] += 1
        if self.doe(actie):
            time.sleep(actie.get('rust', 0))
            self.peil(actie)
        self.rapporten_lezen()
        self.controleer_einde()

    def samenvatting(self, seed):
        t = self.tel
        gevonden = t['crashes'] + t['rapporten'] + t['stallen']
        regel = (f"monkey: seed {seed}, {t['acties']} actions ({t['overgeslagen']} on a window that was gone), "
                 f"{t['herstarts']} restarts, {t['crashes']} crashes, {t['rapporten']} sanitizer reports, "
                 f"{t['stallen']} stalls, {t['stallen_afdrukken']} stalls while printing ({t['peilingen']} pings, "
                 f"slowest answer in time {t['langste_antwoord']} s); log {self.logpad}")
        self.schrijf({'soort': 'samenvatting', **t})
        print(regel)
        return gevonden


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--minuten', type=float, default=2)
    ap.add_argument('--seed', type=int, default=None)
    ap.add_argument('--replay', metavar='LOG')
    ap.add_argument('--uit', default=UIT, help='folder for the log and the sanitizer reports')
    a = ap.parse_args()

    if a.replay:
        with open(a.replay) as f:
            regels = [json.loads(r) for r in f if r.strip()]
        seed = next((r['seed'] for r in regels if r.get('soort') == 'kop'), None)
        acties = [r for r in regels if r.get('soort') in ('klik', 'commando', 'salvo', 'typ', 'plak', 'toets', 'sleep')]
        naam = 'replay-' + os.path.splitext(os.path.basename(a.replay))[0]
    else:
        seed = a.seed if a.seed is not None else random.randrange(1 << 31)
        naam = f'monkey-{seed}'
    aap = Aap(a.uit, naam)
    aap.schrijf({'soort': 'kop', 'seed': seed, 'minuten': a.minuten, 'replay': a.replay})
    p = Programma(bestanden=puzzels())
    gevonden = 0
    try:
        aap.start(p)
        if a.replay:
            for actie in acties:
                aap.stap(actie)
        else:
            rng = random.Random(seed)
            eind = time.monotonic() + a.minuten * 60
            while time.monotonic() < eind:
                aap.stap(aap.kies(rng))
        # The normal end, so a leak at exit is seen too.
        if p.loopt():
            stop_proces(p.proc, timeout=30)
            aap.rapporten_lezen()
    except Fout as e:
        aap.vondst('harness', str(e))
        gevonden += 1
    finally:
        gevonden += aap.samenvatting(seed)
        p.stop()
        if not gevonden:
            shutil.rmtree(p.tmp, ignore_errors=True)
        else:
            print(f'monkey: program folder left for inspection: {p.tmp}; replay: scripts/monkey --replay {aap.logpad}',
                  file=sys.stderr)
    sys.exit(1 if gevonden else 0)


if __name__ == '__main__':
    main()
