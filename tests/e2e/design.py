"""Designing a puzzle through the real windows: a new five-letter search
word, four rows found with Zoeken and picked from the list, one typed by
hand, each with its clue; then the board and the saved file are checked."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from harness import Programma, draai, rijknop, verwacht

LIB = b'\r\n'.join([b'zwaan', b'kaas', b'slaap', b'motor', b'lepel', b'brood']) + b'\r\n'
# Row, letter position, and either the list entry to pick or a typed word.
RIJEN = [(1, 2, 'zwaan', None), (2, 3, 'slaap', None), (3, 3, 'motor', None),
         (4, 4, None, 'lepel'), (5, 2, 'brood', None)]
KADER = (4, -2)  # every dialog lays its controls on a frame here


def in_kader(x, y):
    return KADER[0] + x, KADER[1] + y


def journey():
    with Programma(bestanden={'library.lib': LIB}) as p:
        main = p.venster(r'^ Wendolo$')
        p.commando(main, 'Nieuw')
        start = p.venster(r'^ Nieuwe puzzel ontwerpen$')
        p.typ(start, 'water')
        p.klik(start, *in_kader(274 + 28, 22 + 12))
        p.weg(r'^ Nieuwe puzzel ontwerpen$')

        for rij, positie, lijst, getypt in RIJEN:
            p.klik(main, *rijknop(rij), rust=0.5)
            dlg = p.venster(rf'^ Puzzelwoord {rij}$')
            p.klik(dlg, *in_kader(184 + 8 + 11 * positie, 16 + 15))
            if lijst:
                p.klik(dlg, *in_kader(12 + 28, 208 + 11), rust=0.4)
                p.klik(dlg, *in_kader(10 + 40, 16 + 8), rust=0.3)  # the only match
            else:
                p.klik(dlg, *in_kader(184 + 80, 172 + 11))
                p.typ(dlg, getypt)
            p.klik(dlg, *in_kader(398 + 20, 168 + 15), rust=0.6)
            vraag = p.venster(r'^ Omschrijving$')
            p.typ(vraag, f'omschrijving {rij}')
            p.toets(vraag, 'Return')
            p.weg(rf'^ Puzzelwoord {rij}$')

        bord = p.bord(main, p.beeld('design-bord'))
        for rij, positie, lijst, getypt in RIJEN:
            y = 21 * rij - 6 + 10
            kolom = bord.pixel(240 + 2, y)
            verwacht(kolom == (220, 220, 240), f'row {rij}: column box is {kolom}')
            links = 262 - 22 * positie
            eerste = bord.pixel(links + 2, y) if positie > 1 else bord.pixel(262 + 2, y)
            verwacht(eerste == (255, 255, 255), f'row {rij}: word box is {eerste}')
            knop = bord.pixel(467 + 10, 21 * rij - 3 + 8)
            verwacht(knop == (230, 230, 220), f'row {rij}: its "?" button is still there ({knop})')

        p.commando(main, 'Save')
        vraag = p.venster(r'^ Save puzzel$')
        p.toets(vraag, 'Return')
        pad = os.path.join(p.map, 'puzzels', 'water.pzl')
        for _ in range(50):
            if os.path.exists(pad):
                break
            p.klik(main, 1, 1, rust=0.1)
        with open(pad, 'rb') as f:
            regels = f.read().split(b'\r\n')
        verwacht(regels[4] == b'"water"', f'search word record {regels[4]!r}')
        verwacht(regels[5] == b'218,"zwaan","omschrijving 1"', f'row 1 record {regels[5]!r}')
        verwacht(regels[8] == b'174,"lepel","omschrijving 4"', f'row 4 record {regels[8]!r}')


if __name__ == '__main__':
    draai(journey)
