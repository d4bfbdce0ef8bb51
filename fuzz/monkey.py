"""A random walk through the sanitizer-built program under a private Xvfb:
clicks (in bursts during press animations and the print sweep), odd texts,
long pastes, keys and drags, on every visible window, for a given time.

Found: crashes (any end but the normal one; the program is started again),
sanitizer reports, and stalls: the event loop not answering _NET_WM_PING
within 2 s (with the print dialog open that is the print's own work, counted
apart). Every action is logged, so a log replays the walk:

    monkey.py --minuten 2 --seed 1      exit 1 when something was found
    monkey.py --replay monkey-1.log
"""
import argparse
import ctypes
import glob
import json
import os
import random
import select
import shutil
import signal
import subprocess
import sys
import time

HIER = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HIER, '..', 'tests', 'e2e'))
from harness import COMMANDO, Fout, Programma, UIT  # noqa: E402
from xscherm import stop_proces  # noqa: E402

HOOFD, AFDRUKKEN = ' Wendolo', ' Afdrukken'
STAL, BEVROREN = 2.0, 60.0  # seconds without an answer: a stall; a hang
TEKSTEN = ['\u20ac \u0149 \u6f22 \U0001F600', '"', "'", '""', 'a"b"c', 'KAT', 'puzzel', 'Z', '\u00c9\u00e9n',
           '\u00c0\u00c9\u00ce\u00d5\u00dc\u00df\u00ff', ' ', '12345', '-1', '..', 'con', 'a/b\\c:d', '\u0160\u017d\u0153',
           '\u0420\u0443\u0441', '\u05e9\u05dc\u05d5\u05dd', '\U0001F4A9\U0001F600']
TOETSEN = ['Return', 'Return', 'Escape', 'Escape', 'Tab', 'shift+Tab', 'space', 'Up', 'Down', 'Left', 'Right',
           'BackSpace', 'Delete', 'Home', 'End', 'Prior', 'Next', 'ctrl+a', 'ctrl+v', 'ctrl+z', 'alt+y', 'alt+n',
           'F1', 'KP_Enter']


class Ping:
    """The _NET_WM_PING round trip, which the program's own event loop answers
    (the X server alone answers a name or geometry query). Plain Xlib through
    ctypes: no module beyond the standard library."""

    def __init__(self, scherm):
        self.x = x = ctypes.CDLL('libX11.so.6')
        x.XOpenDisplay.restype, x.XDefaultRootWindow.restype, x.XInternAtom.restype = (ctypes.c_void_p,
                                                                                       ctypes.c_ulong, ctypes.c_ulong)
        # A window gone between the choice and the ping must not end this process.
        self.negeer = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        x.XSetErrorHandler(self.negeer)
        self.dpy = ctypes.c_void_p(x.XOpenDisplay(f':{scherm}'.encode()))
        if not self.dpy.value:
            raise Fout(f'cannot open display :{scherm}')
        self.protocols, self.ping = (x.XInternAtom(self.dpy, a, 0) for a in (b'WM_PROTOCOLS', b'_NET_WM_PING'))
        # The toolkit answers to the root window, with StructureNotify in its mask.
        x.XSelectInput(self.dpy, ctypes.c_ulong(x.XDefaultRootWindow(self.dpy)), ctypes.c_long(1 << 17))
        self.teller = 0

    def rondgang(self, venster, timeout):
        """Seconds until the window's program answered, or None after timeout."""
        self.teller += 1  # in the timestamp's place: tells the answers apart
        # An XClientMessageEvent as longs: ClientMessage (33), ..., window, type, format, data.
        ev = (ctypes.c_long * 24)(33, 0, 0, 0, venster, self.protocols, 32, self.ping, self.teller, venster)
        begin = time.monotonic()
        self.x.XSendEvent(self.dpy, ctypes.c_ulong(venster), 0, ctypes.c_long(0), ev)
        self.x.XFlush(self.dpy)
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, ev)
                if ev[0] & 0xffffffff == 33 and ev[7] == self.ping and ev[8] == self.teller:
                    return time.monotonic() - begin
            rest = begin + timeout - time.monotonic()
            if rest <= 0:
                return None
            select.select([self.x.XConnectionNumber(self.dpy)], [], [], rest)


def puzzels():
    """Enough saved puzzles for a scroll bar in the load list: the fuzz corpus's, with a board picture."""
    bmp = subprocess.run(['convert', '-size', '503x449', 'gradient:', 'BMP3:-'], capture_output=True, check=True).stdout
    namen = [f'puzzel {i:02}' for i in range(20)] + ['\u00e9\u00e9n', 'plan.nieuw.v2', 'kerst.bezig.2', 'a b']
    bestanden = {f'puzzels/{naam}.bmp': bmp for naam in namen}
    for i, naam in enumerate(namen):
        with open(os.path.join(HIER, 'corpus', 'puzzel', 'vijf' if i % 2 else 'twintig'), 'rb') as f:
            bestanden[f'puzzels/{naam}.pzl'] = f.read()
    return bestanden


class Aap:
    def __init__(self, uit, naam, p):
        self.p, self.begin, self.laatste, self.gezien = p, time.monotonic(), [], set()
        os.makedirs(uit, exist_ok=True)
        self.logpad, self.rapporten = os.path.join(uit, naam + '.log'), os.path.join(uit, naam + '-rapporten')
        self.log = open(self.logpad, 'w')
        shutil.rmtree(self.rapporten, ignore_errors=True)
        os.makedirs(self.rapporten)
        self.tel = dict.fromkeys(('acties', 'herstarts', 'crashes', 'rapporten', 'stallen', 'stallen_afdrukken',
                                  'overgeslagen', 'peilingen', 'langste_antwoord'), 0)
        san, supp = os.path.join(p.tmp, 'san'), os.environ.get('WENDOLO_LSAN_SUPP', '')
        p.env.update(  # no print server: printing can only take the PDF fallback
            ASAN_OPTIONS=f'log_path={san}:halt_on_error=1:detect_leaks=1:handle_abort=1:symbolize=1',
            UBSAN_OPTIONS=f'log_path={san}:halt_on_error=1:print_stacktrace=1',
            LSAN_OPTIONS=(f'suppressions={supp}:' if supp else '') + 'print_suppressions=0',
            CUPS_SERVER=os.path.join(p.tmp, 'geen-cups'))
        for naam in ('PRINTER', 'LPDEST'):
            p.env.pop(naam, None)

    def schrijf(self, regel):
        regel = dict(regel, n=self.tel['acties'], t=round(time.monotonic() - self.begin, 2))
        self.log.write(json.dumps(regel, ensure_ascii=False) + '\n')
        self.log.flush()
        self.laatste = (self.laatste + [regel])[-12:]

    def vondst(self, soort, tekst):
        self.schrijf({'soort': 'vondst', 'wat': soort, 'tekst': tekst[:4000]})
        print(f'monkey: {soort} after action {self.tel["acties"]}: {tekst.splitlines()[0]}', file=sys.stderr)

    def rapporten_lezen(self):
        for pad in sorted(set(glob.glob(os.path.join(self.p.tmp, 'san.*'))) - self.gezien):
            self.gezien.add(pad)
            with open(pad, errors='replace') as f:
                regels = f.read().strip().splitlines()
            if regels:
                shutil.copy(pad, self.rapporten)
                self.tel['rapporten'] += 1
                kop = next((r for r in regels if 'ERROR' in r or 'runtime error' in r), regels[0])
                self.vondst('sanitizer report', f'{kop}\n(full report: {self.rapporten}/{os.path.basename(pad)})')

    def start(self):
        """(Re)starts the program, after counting an abnormal end as a crash."""
        if self.p.proc:
            code = self.p.proc.poll()
            if code:
                self.tel['crashes'] += 1
                self.vondst('crash', f'the program ended with {f"signal {-code}" if code < 0 else f"exit code {code}"}')
            self.schrijf({'soort': 'einde', 'code': code})
            self.tel['herstarts'] += 1
        self.p.start(timeout=120)
        self.schrijf({'soort': 'start'})

    def xdo(self, *args, timeout=20):
        try:
            r = subprocess.run(['xdotool', *map(str, args)], env=self.p.env, capture_output=True, text=True,
                               timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        return r.stdout.rstrip('\n') if r.returncode == 0 else None  # titles keep their leading space

    def vensters(self, titel=None):
        """[(id, title, width, height)] of the program's visible windows (of that title)."""
        lijst = []
        for w in ((self.xdo('search', '--onlyvisible', '--pid', self.p.proc.pid) if self.p.loopt() else '') or '').split():
            naam, geo = self.xdo('getwindowname', w), self.xdo('getwindowgeometry', '--shell', w)
            if naam is not None and geo and titel in (None, naam):
                d = dict(r.split('=', 1) for r in geo.splitlines() if '=' in r)
                lijst.append((w, naam, int(d['WIDTH']), int(d['HEIGHT'])))
        return lijst

    def doe(self, a):
        """Performs a logged action on the window it names; False when that is gone."""
        gelijk = self.vensters(a['titel'])
        if not gelijk:
            self.tel['overgeslagen'] += 1
            return False
        w, args = gelijk[min(a.get('index', 0), len(gelijk) - 1)][0], []
        for x, y, knop, keer in a.get('klikken', []):  # klik, commando, salvo
            args += ['mousemove', '--window', w, x, y, 'click', '--repeat', keer, '--delay', 40, knop]
            args += ['sleep', a['tussen']] if a.get('tussen') else []
        if a['soort'] == 'sleep':
            (x1, y1), (x2, y2) = a['van'], a['naar']
            args = ['mousemove', '--window', w, x1, y1, 'mousedown', 1]
            for i in range(1, 6):
                args += ['mousemove', '--window', w, x1 + (x2 - x1) * i // 5, y1 + (y2 - y1) * i // 5, 'sleep', 0.03]
            args += ['mouseup', 1]
        if args:
            self.xdo(*args)
            return True
        if a['soort'] == 'plak':  # xclip stays behind as the clipboard's owner until the next paste
            subprocess.run(['xclip', '-selection', 'clipboard'], input=a['tekst'].encode(), env=self.p.env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20)
        self.xdo('windowfocus', '--sync', w, timeout=5)
        if a['soort'] == 'typ':
            self.xdo('type', '--delay', 2, '--', a['tekst'], timeout=120)
        else:
            self.xdo('key', 'ctrl+v' if a['soort'] == 'plak' else a['toets'])
        return True

    def kies(self, rng):
        """A random action on a random visible window (an open dialog takes most), described for the log."""
        vensters = self.vensters()
        if not vensters:
            return None
        anders = [v for v in vensters if v[1] != HOOFD]
        w, titel, b, h = rng.choice(anders if anders and rng.random() < 0.7 else vensters)
        a = {'titel': titel, 'index': [v[0] for v in vensters if v[1] == titel].index(w)}
        punt = lambda: [rng.randrange(max(b, 1)), rng.randrange(max(h, 1))]  # noqa: E731
        r = rng.random()
        if r < 0.30:
            a.update(soort='klik', klikken=[punt() + [rng.choice([1, 1, 1, 1, 1, 3]), rng.choice([1, 1, 1, 2])]])
        elif r < 0.42:
            # A main-window command, often with clicks during its press animation (0.2 s) or sweep.
            hoofd = [v for v in vensters if v[1] == HOOFD]
            if hoofd:
                b, h = hoofd[0][2:]
                a.update(titel=HOOFD, index=0)
            klikken = [[*COMMANDO[rng.choice(list(COMMANDO))], 1, 1]]
            klikken += [punt() + [1, 1] for _ in range(rng.randint(1, 5) if rng.random() < 0.5 else 0)]
            a.update(soort='commando', klikken=klikken, tussen=0.05)
        elif r < 0.50:
            a.update(soort='salvo', klikken=[punt() + [1, 1] for _ in range(rng.randint(3, 10))], tussen=0.03)
        elif r < 0.60:
            a.update(soort='typ', tekst=''.join(rng.choice(TEKSTEN) for _ in range(
                1 if rng.random() < 0.7 else rng.randint(2, 8))))
        elif r < 0.64:
            stuk = rng.choice(TEKSTEN + ['\n', '\r\n', ',', 'ABCDEFGHIJ'])
            a.update(soort='plak', tekst=(stuk * rng.randint(50, 600))[:rng.randint(100, 5000)])
        elif r < 0.88:
            a.update(soort='toets', toets=rng.choice(TOETSEN))
        elif rng.random() < 0.6:  # over the scroll bar at a list's right edge
            x = max(0, b - rng.randint(2, 24))
            a.update(soort='sleep', van=[x, punt()[1]], naar=[x, punt()[1]])
        else:
            a.update(soort='sleep', van=punt(), naar=punt())
        a['rust'] = rng.choice([0, 0, 0.05, 0.1, 0.2, 0.3, 0.6])
        return a

    def peil(self, a):
        """Waits for the ping's answer; a late one is a stall, none within BEVROREN a hang."""
        hoofd = self.vensters(HOOFD)
        if not hoofd:
            return
        begin, w = time.monotonic(), int(hoofd[0][0])
        duur = self.ping.rondgang(w, STAL)
        self.tel['peilingen'] += 1
        if duur is not None:
            self.tel['langste_antwoord'] = max(self.tel['langste_antwoord'], round(duur, 3))
            return
        afdrukken = a['titel'] == AFDRUKKEN or bool(self.vensters(AFDRUKKEN))
        while duur is None and time.monotonic() - begin < BEVROREN:
            if not self.p.loopt():
                return  # ended meanwhile: counted as a crash or a quit
            if self.ping.rondgang(w, 1.0) is not None:
                duur = time.monotonic() - begin
        lengte = f'{duur:.1f} s' if duur is not None else f'more than {BEVROREN:.0f} s'
        if afdrukken:
            self.tel['stallen_afdrukken'] += 1
            self.schrijf({'soort': 'stal', 'duur': lengte, 'afdrukken': True})
            return
        self.tel['stallen'] += 1
        self.vondst('stall', f'the event loop did not answer for {lengte}; last actions:\n'
                    + '\n'.join(json.dumps(x, ensure_ascii=False) for x in self.laatste))
        if duur is None and self.p.loopt():
            stop_proces(self.p.proc, signal.SIGABRT, 30)  # the sanitizer reports where it hangs

    def stap(self, a):
        if a is None:
            time.sleep(0.2)  # no window: starting up, or just ended
        else:
            self.schrijf(a)
            self.tel['acties'] += 1
            if self.doe(a):
                time.sleep(a.get('rust', 0))
                self.peil(a)
        self.rapporten_lezen()
        if not self.p.loopt():
            self.start()


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--minuten', type=float, default=2)
    ap.add_argument('--seed', type=int, default=None)
    ap.add_argument('--replay', metavar='LOG')
    ap.add_argument('--uit', default=UIT, help='folder for the log and the sanitizer reports')
    a = ap.parse_args()
    regels = [json.loads(r) for r in open(a.replay) if r.strip()] if a.replay else []
    seed = next((r['seed'] for r in regels if r.get('soort') == 'kop'), None) if a.replay else (
        a.seed if a.seed is not None else random.randrange(1 << 31))
    naam = 'replay-' + os.path.splitext(os.path.basename(a.replay))[0] if a.replay else f'monkey-{seed}'
    p = Programma(bestanden=puzzels())
    aap = Aap(a.uit, naam, p)
    aap.schrijf({'soort': 'kop', 'seed': seed, 'minuten': a.minuten, 'replay': a.replay})
    gevonden = 0
    try:
        aap.ping = Ping(p.scherm)
        aap.start()
        for actie in (r for r in regels if 'titel' in r):
            aap.stap(actie)
        rng, eind = random.Random(seed), time.monotonic() + a.minuten * 60
        while not a.replay and time.monotonic() < eind:
            aap.stap(aap.kies(rng))
        if p.loopt():  # the normal end, so a leak at exit is seen too
            stop_proces(p.proc, timeout=30)
            aap.rapporten_lezen()
    except Fout as e:
        aap.vondst('harness', str(e))
        gevonden += 1
    finally:
        t = aap.tel
        gevonden += t['crashes'] + t['rapporten'] + t['stallen']
        aap.schrijf({'soort': 'samenvatting', **t})
        print(f"monkey: seed {seed}, {t['acties']} actions ({t['overgeslagen']} on a window that was gone), "
              f"{t['herstarts']} restarts, {t['crashes']} crashes, {t['rapporten']} sanitizer reports, "
              f"{t['stallen']} stalls, {t['stallen_afdrukken']} stalls while printing ({t['peilingen']} pings, "
              f"slowest answer in time {t['langste_antwoord']} s); log {aap.logpad}")
        p.stop()
        if gevonden:
            print(f'monkey: program folder left for inspection: {p.tmp}; replay: scripts/monkey --replay {aap.logpad}',
                  file=sys.stderr)
        else:
            shutil.rmtree(p.tmp, ignore_errors=True)
    sys.exit(1 if gevonden else 0)


if __name__ == '__main__':
    main()
