"""The journeys' harness: a Programma is a private copy of the program, its own Xvfb
with Openbox and a recording stub for xdg-open; a journey clicks at client coordinates
of windows found by their title, types, answers boxes and reads screenshots."""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

from xscherm import start_openbox, start_xvfb, stop_proces, stop_xvfb

APP = os.environ.get('WENDOLO_APP') or os.path.join(os.getcwd(), 'app')
UIT = os.environ.get('WENDOLO_E2E_OUT') or os.path.join(os.getcwd(), 'e2e')

# The command icons' centres on the main window, one every 62 pixels down the bar.
COMMANDO = {naam: (564, 34 + 62 * i) for i, naam in enumerate('Nieuw Load Save Print Tools Help Html Einde'.split())}
# The print dialog's buttons, its "without the letters" box and Aantal's right arrow.
OK, EXIT, CHECK1, MEER = (228, 167), (278, 167), (141, 26), (71, 170)

# Where a board pixel (x, y) of the 503 x 449 drawing area lies in the main
# window's client area: frame (4, -2) + Pic (6, 12) + its 2-pixel border.
BORD_X, BORD_Y = 4 + 6 + 2, -2 + 12 + 2


def kader(x, y):
    """Client coordinates of a dialog control placed on its frame at (4, -2)."""
    return 4 + x, -2 + y


Fout = AssertionError  # what a check that fails raises


def verwacht(voorwaarde, melding):
    if not voorwaarde:
        raise Fout(melding)


def wacht(klaar, melding, timeout=10, stap=0.05):
    """Waits until klaar() holds; fails with melding after timeout seconds."""
    eind = time.time() + timeout
    while not klaar():
        verwacht(time.time() < eind, melding)
        time.sleep(stap)


def run(*opdracht):
    return subprocess.run(opdracht, capture_output=True, text=True, check=True).stdout


def schrijf(pad, inhoud):
    os.makedirs(os.path.dirname(pad), exist_ok=True)
    with open(pad, 'wb') as f:
        f.write(inhoud)


class Beeld:
    """A picture as raw RGB, for reading pixels."""

    def __init__(self, breedte, hoogte, data):
        self.breedte, self.hoogte, self.data = breedte, hoogte, data

    def pixel(self, x, y):
        i = 3 * (y * self.breedte + x)
        return tuple(self.data[i:i + 3])

    def stuk(self, x, y, breedte, hoogte):
        rijen = (self.data[3 * (r * self.breedte + x):3 * (r * self.breedte + x + breedte)]
                 for r in range(y, y + hoogte))
        return Beeld(breedte, hoogte, b''.join(rijen))


def lees_beeld(pad):
    ppm = subprocess.run(['convert', pad + '[0]', '-depth', '8', 'ppm:-'], capture_output=True, check=True).stdout
    _, maat, _, data = ppm.split(b'\n', 3)  # "P6", "width height", "255", the pixels
    return Beeld(*map(int, maat.split()), data)


class Programma:
    def __init__(self, map=None, bestanden=None):
        """map: a program folder as it is, else a copy of the built one, with bestanden {path: bytes} added."""
        self.tmp = tempfile.mkdtemp(prefix='wendolo-e2e-')
        if map is None:
            map = os.path.join(self.tmp, 'app')
            os.makedirs(os.path.join(map, 'puzzels'))
            for naam in ('wendolo', 'library.lib', 'help.htm'):
                shutil.copy2(os.path.join(APP, naam), map)
        self.map = map
        self.opdracht = [os.path.join(map, 'wendolo')]
        for pad, inhoud in (bestanden or {}).items():
            schrijf(os.path.join(map, pad), inhoud)
        # A stub opener that records what it was asked to open, for any user.
        self.stubs = os.path.join(self.tmp, 'stubs')
        self.geopend = os.path.join(self.tmp, 'geopend.txt')
        schrijf(os.path.join(self.stubs, 'xdg-open'), f'#!/bin/sh\necho "$@" >> {self.geopend}\n'.encode())
        schrijf(self.geopend, b'')
        os.chmod(os.path.join(self.stubs, 'xdg-open'), 0o755)
        os.chmod(self.geopend, 0o666)
        self.proc = None
        self.xvfb, self.scherm = start_xvfb()
        self.env = {k: v for k, v in os.environ.items() if k not in ('QT_QPA_PLATFORM', 'WAYLAND_DISPLAY')}
        self.env.update(DISPLAY=f':{self.scherm}', PATH=self.stubs + ':' + os.environ.get('PATH', ''))
        self.wm = start_openbox(self.env)

    def start(self, timeout=10):
        """Starts the program from /, so nothing rests on the working folder; its main window."""
        self.proc = subprocess.Popen(self.opdracht, env=self.env, cwd='/', stdout=subprocess.DEVNULL,
                                     stderr=open(os.path.join(self.tmp, 'stderr.txt'), 'a'))
        return self.venster(r'^ Wendolo$', timeout)

    def loopt(self):
        return self.proc is not None and self.proc.poll() is None

    def doden(self):
        if self.loopt():
            self.proc.kill()
            self.proc.wait()

    def stop(self):
        self.doden()
        stop_proces(self.wm)
        stop_xvfb(self.xvfb)

    def __enter__(self):
        return self

    def __exit__(self, soort, *rest):
        if soort is not None:
            # What the screen showed when the journey failed.
            naam = 'fout-' + os.path.splitext(os.path.basename(sys.argv[0]))[0]
            print(f'screen at the failure: {self.screenshot(naam)}', file=sys.stderr)
        self.stop()
        if soort is None:
            shutil.rmtree(self.tmp, ignore_errors=True)
        else:
            print(f'left for inspection: {self.tmp}', file=sys.stderr)

    def xdo(self, *args):
        r = subprocess.run(['xdotool', *map(str, args)], env=self.env, capture_output=True, text=True)
        return r.stdout.strip() if r.returncode == 0 else None

    def vensters(self, titel):
        return (self.xdo('search', '--onlyvisible', '--name', titel) or '').split()

    def venster(self, titel, timeout=10):
        """The id of the visible window whose title matches the regex."""
        wacht(lambda: self.vensters(titel) or not self.loopt(), f'no window {titel!r}', timeout)
        verwacht(self.loopt(), f'the program ended while waiting for {titel!r}')
        return self.vensters(titel)[-1]

    def weg(self, titel, timeout=10):
        wacht(lambda: not self.vensters(titel), f'window {titel!r} is still there', timeout)

    def klik(self, win, x, y, rust=0.15):
        self.xdo('mousemove', '--window', win, x, y, 'click', 1)
        time.sleep(rust)

    def commando(self, win, naam, rust=0.5):
        """Clicks a command of the bar and waits out its press animation."""
        self.klik(win, *COMMANDO[naam], rust=rust)

    def toetsenbord(self, win, timeout=5):
        """Waits until win has the keyboard from the window manager: taken, it would hide a window that lost it."""
        wacht(lambda: self.xdo('getwindowfocus') == win, f'window {win} has not the keyboard', timeout)

    def typ(self, win, tekst):
        self.toetsenbord(win)
        self.xdo('type', '--delay', 20, tekst)

    def toets(self, win, *toetsen):
        self.toetsenbord(win)
        for t in toetsen:
            self.xdo('key', t)
            time.sleep(0.05)

    def melding(self, antwoord='Return', tekst=None, titel=r'^Wendolo$'):
        """Answers the message box; tekst: what it must say, copied from it
        first, which a style sheet must have made selectable."""
        box = self.venster(titel, 30)
        if tekst:
            self.klik(box, 100, 16)  # into the text, at the top left right of any sign
            self.toets(box, 'ctrl+a', 'ctrl+c')
            gezegd = subprocess.check_output(['xclip', '-o', '-sel', 'clipboard'], env=self.env, text=True, timeout=10)
            verwacht(tekst in gezegd, f'the box said {gezegd!r}, not {tekst!r}')
        self.toets(box, antwoord)
        self.weg(titel)

    def screenshot(self, naam):
        os.makedirs(UIT, exist_ok=True)
        pad = os.path.join(UIT, naam + '.png')
        subprocess.run(['import', '-display', f':{self.scherm}', '-window', 'root', pad])
        return pad

    def bord(self, win, naam):
        """The board's 503 x 449 drawing area on the screen now."""
        info = run('xwininfo', '-display', f':{self.scherm}', '-id', win)  # xdotool counts the frame twice
        x, y = (int(re.search(rf'Absolute upper-left {a}: +(-?\d+)', info)[1]) for a in 'XY')
        return lees_beeld(self.screenshot(naam)).stuk(x + BORD_X, y + BORD_Y, 503, 449)

    def wacht_geopend(self, pad):
        wacht(lambda: pad in pathlib.Path(self.geopend).read_text(), f'{pad} was not opened', 15)

    # The steps several journeys take.
    def ontwerp(self, main, zoekwoord, rijen):
        """Nieuw, and rows of (row, position, word or None: lepel typed, clue)."""
        self.nieuw(main, zoekwoord)
        for i, positie, woord, omschrijving in rijen:
            self.rij(main, i, positie, omschrijving, None if woord else 'lepel')

    def nieuw(self, main, zoekwoord, wacht=True):
        self.commando(main, 'Nieuw')
        start = self.venster(r'^ Nieuwe puzzel ontwerpen$')
        self.typ(start, zoekwoord)
        self.klik(start, *kader(302, 34))
        if wacht:
            self.weg(r'^ Nieuwe puzzel ontwerpen$')

    def rij(self, main, i, positie, omschrijving, getypt=None):
        """Fills row i with the first word Zoeken finds, or with getypt."""
        self.klik(main, BORD_X + 477, BORD_Y + 21 * i + 5, rust=0.5)  # its "?" button
        dlg = self.venster(rf'^ Puzzelwoord {i}$')
        self.klik(dlg, *kader(192 + 11 * positie, 31))
        if getypt:
            self.klik(dlg, *kader(264, 183))
            self.typ(dlg, getypt)
        else:
            self.klik(dlg, *kader(40, 219), rust=0.6)  # Zoeken
            self.klik(dlg, *kader(50, 24), rust=0.3)  # the list's first entry
        self.klik(dlg, *kader(418, 183), rust=0.6)
        vraag = self.venster(r'^ Omschrijving$')
        self.typ(vraag, omschrijving)
        self.toets(vraag, 'Return')
        self.weg(rf'^ Puzzelwoord {i}$')

    def sla_op(self, main, naam, wacht=True):
        """Save under naam; wacht: until the dialog has gone."""
        self.commando(main, 'Save')
        vraag = self.venster(r'^ Save puzzel$')
        self.toets(vraag, 'ctrl+a')
        self.typ(vraag, naam)
        self.toets(vraag, 'Return')
        if wacht:
            self.weg(r'^ Save puzzel$')

    def laad(self, main=None):
        """Loads the load list's first puzzle; main: open the list first."""
        if main:
            self.commando(main, 'Load')
        dlg = self.venster(r'^ Load puzzel$')
        self.klik(dlg, *kader(50, 26))
        self.klik(dlg, *kader(32, 277), rust=0.6)
        verwacht(not self.vensters(r'^ Error$'), 'loading failed')
        self.klik(dlg, *kader(174, 277), rust=0.6)
        self.weg(r'^ Load puzzel$')

    def einde(self, main, sneltoets=False):
        self.toets(main, 'ctrl+q') if sneltoets else self.commando(main, 'Einde')
        self.toets(self.venster(r'^ Exit$'), 'Return')
        verwacht(self.proc.wait(10) == 0, 'the program did not end cleanly')
