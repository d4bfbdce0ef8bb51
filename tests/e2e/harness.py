"""Drives the real program under Xvfb for the end-to-end journeys.

A journey makes a Programma (a private copy of the program folder, its own
X server and a recording stub for xdg-open), clicks at client coordinates of
windows found by their title, types, answers boxes and looks at screenshots.

    with Programma() as p:
        main = p.venster(r'^ Wendolo$')
        p.klik(main, 564, 470)
        box = p.venster(r'^ Exit$')
        p.toets(box, 'Return')
        p.wacht_op_einde()
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

from xscherm import GeenScherm, start_xvfb, stop_xvfb

APP = os.environ.get('WENDOLO_APP') or os.path.join(os.getcwd(), 'app')
UIT = os.environ.get('WENDOLO_E2E_OUT') or os.path.join(os.getcwd(), 'e2e')

# Client coordinates of the command icons' centres on the main window: the
# panel's left/top plus the icon's rest position plus half of 32.
COMMANDO = {
    'Nieuw': (530 + 19 + 16, -2 + 20 + 16),
    'Load': (530 + 20 + 16, 60 + 20 + 16),
    'Save': (530 + 18 + 16, 122 + 20 + 16),
    'Print': (530 + 18 + 16, 184 + 20 + 16),
    'Tools': (530 + 18 + 16, 246 + 20 + 16),
    'Help': (530 + 18 + 16, 308 + 20 + 16),
    'Html': (530 + 18 + 16, 370 + 20 + 16),
    'Einde': (530 + 18 + 16, 432 + 22 + 16),
}

# Where a board pixel (x, y) of the 503 x 449 drawing area lies in the main
# window's client area: frame (4, -2) + Pic (6, 12) + its 2-pixel border.
BORD_X, BORD_Y = 4 + 6 + 2, -2 + 12 + 2


def rijknop(i):
    """Client coordinates of the centre of row i's "?" button."""
    return BORD_X + 467 + 10, BORD_Y + 21 * i - 3 + 8


class Fout(AssertionError):
    pass


class Beeld:
    """A picture as raw RGB, for reading pixels."""

    def __init__(self, pad, breedte, hoogte, data):
        self.pad, self.breedte, self.hoogte, self.data = pad, breedte, hoogte, data

    def pixel(self, x, y):
        i = 3 * (y * self.breedte + x)
        return tuple(self.data[i:i + 3])

    def stuk(self, x, y, breedte, hoogte):
        """The raw RGB rows of a rectangle of the picture."""
        rijen = []
        for r in range(y, y + hoogte):
            i = 3 * (r * self.breedte + x)
            rijen.append(self.data[i:i + 3 * breedte])
        return Beeld(self.pad, breedte, hoogte, b''.join(rijen))


def lees_beeld(pad):
    """Any picture file ImageMagick reads, as a Beeld."""
    maat = subprocess.run(['identify', '-format', '%w %h', pad + '[0]'], capture_output=True, text=True,
                          check=True).stdout.split()
    data = subprocess.run(['convert', pad + '[0]', '-depth', '8', 'rgb:-'], capture_output=True, check=True).stdout
    return Beeld(pad, int(maat[0]), int(maat[1]), data)


class Programma:
    def __init__(self, map=None, bestanden=None, start=True):
        """map: a program folder to use as it is (to run again in the same
        folder); otherwise a fresh copy of the built one. bestanden: extra
        files {relative path: bytes} written into the folder first."""
        self.tmp = tempfile.mkdtemp(prefix='wendolo-e2e-')
        if map is None:
            map = os.path.join(self.tmp, 'app')
            os.makedirs(os.path.join(map, 'puzzels'))
            for naam in ('wendolo', 'library.lib', 'help.htm'):
                if os.path.exists(os.path.join(APP, naam)):
                    shutil.copy2(os.path.join(APP, naam), map)
        self.map = map
        for pad, inhoud in (bestanden or {}).items():
            vol = os.path.join(map, pad)
            os.makedirs(os.path.dirname(vol), exist_ok=True)
            with open(vol, 'wb') as f:
                f.write(inhoud)
        # A stub opener that records what it was asked to open.
        self.stubs = os.path.join(self.tmp, 'stubs')
        os.makedirs(self.stubs)
        self.geopend = os.path.join(self.tmp, 'geopend.txt')
        stub = os.path.join(self.stubs, 'xdg-open')
        with open(stub, 'w') as f:
            f.write(f'#!/bin/sh\necho "$@" >> {self.geopend}\n')
        os.chmod(stub, 0o755)
        self.xvfb = None
        self.proc = None
        self.scherm = None
        self.start_x()
        if start:
            self.start()

    # -- life cycle ------------------------------------------------------
    def start_x(self):
        try:
            self.xvfb, self.scherm = start_xvfb()
        except GeenScherm as e:
            raise Fout(str(e))
        self.env = dict(os.environ, DISPLAY=f':{self.scherm}', PATH=self.stubs + ':' + os.environ.get('PATH', ''))
        self.env.pop('QT_QPA_PLATFORM', None)
        self.env.pop('WAYLAND_DISPLAY', None)

    def start(self):
        self.proc = subprocess.Popen([os.path.join(self.map, 'wendolo')], env=self.env, cwd=self.tmp,
                                     stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.tmp, 'stderr.txt'), 'w'))
        return self.venster(r'^ Wendolo$')

    def wacht_op_einde(self, timeout=10):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Fout('the program did not end')

    def loopt(self):
        return self.proc is not None and self.proc.poll() is None

    def stop(self):
        if self.loopt():
            self.proc.kill()
            self.proc.wait()
        if self.xvfb:
            stop_xvfb(self.xvfb)
            self.xvfb = None

    def __enter__(self):
        return self

    def __exit__(self, soort, *rest):
        if soort is not None and self.xvfb:
            # What the screen showed when the journey failed.
            naam = 'fout-' + os.path.splitext(os.path.basename(sys.argv[0]))[0]
            try:
                print(f'screen at the failure: {self.screenshot(naam)}', file=sys.stderr)
            except (OSError, subprocess.CalledProcessError):
                pass
        self.stop()
        if soort is None:
            shutil.rmtree(self.tmp, ignore_errors=True)
        else:
            print(f'left for inspection: {self.tmp}', file=sys.stderr)

    # -- windows and input ----------------------------------------------
    def xdo(self, *args):
        r = subprocess.run(['xdotool', *map(str, args)], env=self.env, capture_output=True, text=True)
        return r.stdout.strip() if r.returncode == 0 else None

    def vensters(self, titel):
        uit = self.xdo('search', '--onlyvisible', '--name', titel)
        return uit.split() if uit else []

    def venster(self, titel, timeout=10):
        """The id of the visible window whose title matches the regex."""
        eind = time.time() + timeout
        while time.time() < eind:
            ids = self.vensters(titel)
            if ids:
                return ids[-1]
            if self.proc is not None and self.proc.poll() is not None:
                raise Fout(f'the program ended while waiting for {titel!r}')
            time.sleep(0.05)
        raise Fout(f'no window {titel!r}')

    def weg(self, titel, timeout=10):
        eind = time.time() + timeout
        while time.time() < eind:
            if not self.vensters(titel):
                return
            time.sleep(0.05)
        raise Fout(f'window {titel!r} is still there')

    def geometrie(self, win):
        """(x, y, width, height) of a window on the screen."""
        uit = self.xdo('getwindowgeometry', '--shell', win)
        d = dict(regel.split('=') for regel in uit.splitlines())
        return int(d['X']), int(d['Y']), int(d['WIDTH']), int(d['HEIGHT'])

    def klik(self, win, x, y, knop=1, rust=0.15):
        self.xdo('mousemove', '--window', win, x, y)
        self.xdo('click', knop)
        time.sleep(rust)

    def commando(self, win, naam, rust=0.5):
        """Clicks a command of the bar and waits out its press animation."""
        self.klik(win, *COMMANDO[naam], rust=rust)

    def focus(self, win):
        self.xdo('windowfocus', '--sync', win)

    def typ(self, win, tekst):
        self.focus(win)
        self.xdo('type', '--delay', 20, tekst)

    def toets(self, win, *toetsen):
        self.focus(win)
        for t in toetsen:
            self.xdo('key', t)
            time.sleep(0.05)

    # -- looking ----------------------------------------------------------
    def screenshot(self, naam):
        """A PNG of the whole screen in the journeys' output folder."""
        os.makedirs(UIT, exist_ok=True)
        pad = os.path.join(UIT, naam + '.png')
        subprocess.run(['import', '-display', f':{self.scherm}', '-window', 'root', pad], check=True)
        return pad

    def beeld(self, naam='beeld'):
        return lees_beeld(self.screenshot(naam))

    def bord(self, win, beeld):
        """The board's 503 x 449 drawing area in a screenshot."""
        wx, wy, _, _ = self.geometrie(win)
        return beeld.stuk(wx + BORD_X, wy + BORD_Y, 503, 449)

    def geopende(self):
        if not os.path.exists(self.geopend):
            return []
        with open(self.geopend) as f:
            return [r.strip() for r in f if r.strip()]


def verwacht(voorwaarde, melding):
    if not voorwaarde:
        raise Fout(melding)


def draai(journey):
    """Runs a journey function and reports in the plain closing-line form."""
    try:
        journey()
    except Exception as e:  # a journey fails on any error, not only asserts
        traceback.print_exc()
        print(f'FAIL: {type(e).__name__}: {e}')
        sys.exit(1)
    print('PASS')
