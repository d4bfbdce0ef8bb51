"""Printing a puzzle: load a saved puzzle, open Print, choose two copies
without the letters, print; the page lands in wendolo.pdf beside the program
(there is no printer here), one page per copy, and is opened for the maker."""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import UIT, Programma, draai, verwacht

# (word, letter position of the search-word letter, clue)
RIJEN = [('STOEL', 2, 'Zitmeubel'), ('KAAS', 2, 'Zuivelproduct'), ('FIETS', 1, 'Tweewieler'),
         ('BEER', 2, 'Dier dat van honing houdt'), ('APPEL', 5, 'Vrucht')]
ZOEKWOORD = 'TAFEL'


def puzzelbestand():
    regels = ['"Wendolo trappuzzel - versie 1.0"', '230,230,220', '220,220,240', '255,255,255', f'"{ZOEKWOORD}"']
    regels += [f'{262 - 22 * p},"{w}","{o}"' for w, p, o in RIJEN]
    return ''.join(r + '\r\n' for r in regels).encode('cp1252')


def bordbeeld(pad):
    """The board as the program draws it: column, rows, letters."""
    teken = []
    for i, (w, p, _) in enumerate(RIJEN, 1):
        y = 21 * i - 6
        x0 = 262 - 22 * p
        for k, letter in enumerate(w):
            x = x0 + 22 * k
            vlak = 'rgb(220,220,240)' if x == 240 else 'white'
            teken += ['-fill', vlak, '-stroke', 'black', '-draw', f'rectangle {x},{y} {x + 22},{y + 21}',
                      '-fill', 'black', '-stroke', 'none', '-draw', f"text {x + 6},{y + 16} '{letter}'"]
    subprocess.run(['convert', '-size', '503x449', 'xc:rgb(230,230,220)', '+antialias',
                    '-font', 'Liberation-Sans-Bold', '-pointsize', '10', *teken, 'BMP3:' + pad], check=True)


def journey():
    os.makedirs(UIT, exist_ok=True)
    bmp = os.path.join(UIT, 'afdrukken-bord.bmp')
    bordbeeld(bmp)
    with open(bmp, 'rb') as f:
        bestanden = {'puzzels/tafel.pzl': puzzelbestand(), 'puzzels/tafel.bmp': f.read()}

    with Programma(bestanden=bestanden) as p:
        main = p.venster(r'^ Wendolo$')
        p.commando(main, 'Load')
        load = p.venster(r'^ Load puzzel$')
        p.klik(load, 44, 22)           # the only entry of the list
        p.klik(load, 36, 275, rust=0.5)  # OkKnop
        p.klik(load, 178, 275, rust=0.6)  # ExitKnop
        p.weg(r'^ Load puzzel$')

        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        _, _, b, h = p.geometrie(dlg)
        verwacht((b, h) == (312, 192), f'print dialog is {b} x {h}')
        p.klik(dlg, 71, 170)             # right arrow of Aantal: 2 copies
        p.klik(dlg, 141, 26)             # Check1: without the letters
        p.screenshot('afdrukken-dialoog')

        pdf = os.path.join(p.map, 'wendolo.pdf')
        p.klik(dlg, 228, 167, rust=0.4)  # OkKnop
        p.screenshot('afdrukken-sweep')
        eind = time.time() + 15
        while time.time() < eind and not p.geopende():
            time.sleep(0.1)
        verwacht(os.path.exists(pdf), 'no wendolo.pdf after Print')
        verwacht(any(g.endswith('wendolo.pdf') for g in p.geopende()), f'the PDF was not opened: {p.geopende()}')
        info = subprocess.run(['pdfinfo', pdf], capture_output=True, text=True, check=True).stdout
        verwacht(re.search(r'^Pages:\s+2$', info, re.M), f'not 2 pages:\n{info}')
        tekst = subprocess.run(['pdftotext', '-layout', pdf, '-'], capture_output=True, text=True, check=True).stdout
        for stuk in ('4. Dier dat van honing houdt', 'Het woord dat gezocht wordt is ' + '.' * 50):
            verwacht(stuk in tekst, f'{stuk!r} not on the page')
        subprocess.run(['pdftoppm', '-r', '60', '-png', '-f', '1', '-l', '1', pdf,
                        os.path.join(UIT, 'afdrukken-pagina')], check=True)

        verwacht(p.vensters(r'^ Afdrukken$'), 'printing closed the dialog')
        p.klik(dlg, 278, 167, rust=0.6)  # ExitKnop
        p.weg(r'^ Afdrukken$')
        p.screenshot('afdrukken-na')
        verwacht(p.loopt(), 'the program ended')


if __name__ == '__main__':
    draai(journey)
