"""Kill during save: the real program loads a 20-row puzzle, saves it over
an existing, different puzzle of another name, and is killed with SIGKILL
at a random moment of that save, 50 times. Once the next run has opened its
load list, the .pzl and the .bmp of that name must be the complete old pair
or the complete new pair, never one of each or a cut-off file, and nothing
of the save may be left beside them. Prints how the kills landed.

    WENDOLO_KILLSAVE_KEER=N overrides the number of trials (default 50).
"""
import os
import random
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import Programma, draai, verwacht

KEER = int(os.environ.get('WENDOLO_KILLSAVE_KEER', '50'))
DOEL = 'DOEL'

# Client coordinates: the load dialog's frame lies at (4, -2).
LIJST_EERSTE = (4 + 10 + 40, -2 + 16 + 10)
LOAD_OK, LOAD_EXIT = (4 + 12 + 20, -2 + 262 + 15), (4 + 154 + 20, -2 + 262 + 15)

BANNER = b'"Wendolo trappuzzel - versie 1.0"\r\n'
KLEUREN = b'230,230,220\r\n220,220,240\r\n255,255,255\r\n'
ZOEKWOORD = 'TRAPPENHUISONTWERPER'  # 20 letters


def nieuwe_pzl():
    """The 20-row puzzle, every row filled, its letter at positions 1..11."""
    regels = [BANNER, KLEUREN, f'"{ZOEKWOORD}"\r\n'.encode()]
    for i, letter in enumerate(ZOEKWOORD, 1):
        p = 1 + (i - 1) % 6
        woord = 'x' * (p - 1) + letter + 'y' * 5
        regels.append(f'{262 - 22 * p},"{woord.lower()}","Omschrijving van rij {i}, met wat tekst erbij"\r\n'.encode())
    return b''.join(regels)


def oude_pzl():
    return BANNER + b'10,20,30\r\n40,50,60\r\n70,80,90\r\n"OUDJE"\r\n' + b'0,"",""\r\n' * 5


def bitmap(pad, kleur, rijen):
    """A 503 x 449 board picture with a column of boxes, as a BMP."""
    subprocess.run(['convert', '-size', '503x449', f'xc:{kleur}', '-stroke', 'black', '-fill', 'rgb(220,220,240)',
                    '-draw', f'rectangle 240,15 262,{15 + 21 * rijen}', 'BMP3:' + pad], check=True)


def lees(pad):
    try:
        with open(pad, 'rb') as f:
            return f.read()
    except FileNotFoundError:
        return None


def schrijf(pad, data):
    with open(pad, 'wb') as f:
        f.write(data)


class Proef:
    def __init__(self, p):
        self.p = p
        self.puzzels = os.path.join(p.map, 'puzzels')
        self.pzl = os.path.join(self.puzzels, DOEL + '.pzl')
        self.bmp = os.path.join(self.puzzels, DOEL + '.bmp')

    def zet_oud(self, oud):
        schrijf(self.pzl, oud[0])
        schrijf(self.bmp, oud[1])
        for naam in os.listdir(self.puzzels):
            if naam not in ('A20.pzl', 'A20.bmp', DOEL + '.pzl', DOEL + '.bmp'):
                os.remove(os.path.join(self.puzzels, naam))

    def paar(self):
        return lees(self.pzl), lees(self.bmp)

    def rest(self):
        return sorted(set(os.listdir(self.puzzels)) - {'A20.pzl', 'A20.bmp', DOEL + '.pzl', DOEL + '.bmp'})

    def laadlijst(self):
        """Starts the program and opens its load list, which settles a save
        that a kill broke off; returns the main window and the dialog."""
        main = self.p.start()
        self.p.commando(main, 'Load')
        return main, self.p.venster(r'^ Load puzzel$')

    def tot_de_vraag(self, main, dlg):
        """Loads the 20-row puzzle from the open load list and asks to save
        it over DOEL; returns the " File exist" box, whose Yes starts the save."""
        p = self.p
        p.klik(dlg, *LIJST_EERSTE)
        p.klik(dlg, *LOAD_OK, rust=0.4)
        verwacht(not p.vensters(r'^ Error$'), 'loading the 20-row puzzle failed')
        p.klik(dlg, *LOAD_EXIT, rust=0.4)
        p.weg(r'^ Load puzzel$')
        p.commando(main, 'Save')
        vraag = p.venster(r'^ Save puzzel$')
        p.toets(vraag, 'ctrl+a')
        p.typ(vraag, DOEL)
        p.toets(vraag, 'Return')
        return p.venster(r'^ File exist$')

    def ja(self, box):
        """Answers Yes without waiting: the clock starts as the key is sent."""
        self.p.focus(box)
        return subprocess.Popen(['xdotool', 'key', 'Return'], env=self.p.env)


def journey():
    with Programma(start=False) as p:
        proeven(p)


def proeven(p):
    proef = Proef(p)
    schrijf(os.path.join(proef.puzzels, 'A20.pzl'), nieuwe_pzl())  # sorts first in the list
    bitmap(os.path.join(proef.puzzels, 'A20.bmp'), 'rgb(230,230,220)', 20)
    bitmap(proef.bmp, 'rgb(10,20,30)', 5)
    oud = (oude_pzl(), lees(proef.bmp))
    proef.zet_oud(oud)

    # One save left to finish gives the complete new files, and how long
    # a save takes from the Yes to the last byte on disk.
    box = proef.tot_de_vraag(*proef.laadlijst())
    voor = (os.stat(proef.pzl).st_mtime_ns, os.stat(proef.bmp).st_mtime_ns)
    begin = time.perf_counter()
    toets = proef.ja(box)
    pzl_klaar = bmp_klaar = None
    while time.perf_counter() - begin < 10 and not (pzl_klaar and bmp_klaar):
        nu = time.perf_counter() - begin
        if pzl_klaar is None and os.stat(proef.pzl).st_mtime_ns != voor[0]:
            pzl_klaar = nu
        if bmp_klaar is None and os.stat(proef.bmp).st_mtime_ns != voor[1]:
            bmp_klaar = nu
        time.sleep(0.0002)
    verwacht(pzl_klaar and bmp_klaar, 'the save did not replace both files')
    duur = max(pzl_klaar, bmp_klaar)
    toets.wait()
    print(f'save after the Yes key was sent: .pzl in place at {pzl_klaar * 1000:.1f} ms, .bmp at {bmp_klaar * 1000:.1f} ms')
    p.weg(r'^ File exist$')
    time.sleep(0.3)
    nieuw = (lees(proef.pzl), lees(proef.bmp))
    verwacht(nieuw[0] == nieuwe_pzl(), f'the finished save wrote {nieuw[0]!r}')
    verwacht(nieuw[1] is not None and nieuw[1] != oud[1] and len(nieuw[1]) > 600000, 'no new board picture')
    p.proc.send_signal(signal.SIGKILL)
    p.proc.wait()

    # The kills land anywhere from just before the Yes is handled to
    # just after the save has ended. Each trial's outcome is read in the
    # next run, once its load list is open.
    rng = random.Random(int(os.environ.get('WENDOLO_KILLSAVE_ZAAD', '6')))
    uitkomsten, onaf, vreemd = {}, 0, []

    def soort(data, oud_, nieuw_):
        return 'old' if data == oud_ else 'new' if data == nieuw_ else 'BROKEN'

    venster = proef.laadlijst()
    for proefnummer in range(1, KEER + 1):
        proef.zet_oud(oud)
        box = proef.tot_de_vraag(*venster)
        wacht = rng.uniform(0, 1.5 * duur)
        toets = proef.ja(box)
        time.sleep(wacht)
        p.proc.send_signal(signal.SIGKILL)
        p.proc.wait()
        toets.wait()
        pzl, bmp = proef.paar()
        if soort(pzl, oud[0], nieuw[0]) != soort(bmp, oud[1], nieuw[1]) or proef.rest():
            onaf += 1  # the kill fell inside the save: its files are still in the folder

        venster = proef.laadlijst()
        pzl, bmp = proef.paar()
        uitkomst = (soort(pzl, oud[0], nieuw[0]), soort(bmp, oud[1], nieuw[1]))
        uitkomsten[uitkomst] = uitkomsten.get(uitkomst, 0) + 1
        if uitkomst[0] != uitkomst[1] or 'BROKEN' in uitkomst:
            print(f'trial {proefnummer}: killed {wacht * 1000:.1f} ms after Yes: .pzl {uitkomst[0]} '
                  f'({None if pzl is None else len(pzl)} bytes), .bmp {uitkomst[1]} '
                  f'({None if bmp is None else len(bmp)} bytes)')
        if proef.rest():
            vreemd.append((proefnummer, proef.rest()))

    heel = sum(n for (a, b), n in uitkomsten.items() if a == b != 'BROKEN')
    print(f'kill during save: {heel} of {KEER} trials left one whole pair once the next run listed the puzzles '
          f'(a save takes about {duur * 1000:.1f} ms from the Yes to the last byte)')
    for (a, b), n in sorted(uitkomsten.items()):
        print(f'  .pzl {a:6} .bmp {b:6} {n:3}')
    print(f'  {onaf} kills broke off a save that the next run settled')
    for proefnummer, rest in vreemd[:3]:
        print(f'  left beside the pair after trial {proefnummer}: {rest}')
    verwacht(heel == KEER, f'{KEER - heel} of {KEER} kills left a cut-off file or a pair from two saves')
    verwacht(not vreemd, f'{len(vreemd)} kills left files beside the pair')


if __name__ == '__main__':
    draai(journey)
