"""The design journey with the keyboard alone: Ctrl+N, the search word, Tab
and Space; every row through the focused "?" button, the length with the
arrow keys, the letter's box with the preview's cursor, Zoeken, a word
from the list or typed, Ok and the clue; Ctrl+S and Ctrl+Q. The saved
rows are the ones the same design saves when made with the mouse."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from harness import Programma, draai, verwacht

LIB = b'\r\n'.join([b'zwaan', b'kaas', b'slaap', b'motor', b'lepel', b'brood']) + b'\r\n'
# Row, letter position, and either the list entry to pick or a typed word.
RIJEN = [(1, 2, 'zwaan', None), (2, 3, 'slaap', None), (3, 3, 'motor', None),
         (4, 4, None, 'lepel'), (5, 2, 'brood', None)]


def journey():
    with Programma(bestanden={'library.lib': LIB}) as p:
        main = p.venster(r'^ Wendolo$')
        p.toets(main, 'ctrl+n')
        start = p.venster(r'^ Nieuwe puzzel ontwerpen$')
        p.typ(start, 'water')
        p.toets(start, 'Tab', 'space')
        p.weg(r'^ Nieuwe puzzel ontwerpen$')

        for rij, positie, lijst, getypt in RIJEN:
            # The focus is on the first row still to fill.
            p.toets(main, 'space')
            dlg = p.venster(rf'^ Puzzelwoord {rij}$')
            # Length 6 and back to 5; then the preview's cursor to the box.
            p.toets(dlg, 'Right', 'Left', 'Tab', *['Right'] * (positie - 1), 'space')
            if lijst:
                p.toets(dlg, 'Tab', 'space')  # Zoeken
                p.toets(dlg, 'Tab', 'space', 'Tab')  # the only match, on to the word field
            else:
                p.toets(dlg, 'Tab', 'Tab', 'Tab')
                p.typ(dlg, getypt)
            p.toets(dlg, 'Tab', 'space')  # Ok
            vraag = p.venster(r'^ Omschrijving$')
            p.typ(vraag, f'omschrijving {rij}')
            p.toets(vraag, 'Return')
            p.weg(rf'^ Puzzelwoord {rij}$')

        p.toets(main, 'ctrl+s')
        vraag = p.venster(r'^ Save puzzel$')
        p.toets(vraag, 'Return')
        pad = os.path.join(p.map, 'puzzels', 'water.pzl')
        p.weg(r'^ Save puzzel$')
        p.toets(main, 'ctrl+q')
        p.toets(p.venster(r'^ Exit$'), 'Return')  # Ja
        verwacht(p.wacht_op_einde() == 0, 'the program did not end cleanly')

        with open(pad, 'rb') as f:
            regels = f.read().split(b'\r\n')
        verwacht(regels[4] == b'"water"', f'search word record {regels[4]!r}')
        for rij, positie, lijst, getypt in RIJEN:
            # What the mouse journey picks: the list's first entry.
            woord = getypt.encode() if getypt else next(
                w for w in LIB.split() if len(w) == 5 and w[positie - 1] == b'water'[rij - 1])
            verwacht(regels[4 + rij] == b'%d,"%s","omschrijving %d"' % (262 - 22 * positie, woord, rij),
                     f'row {rij} record {regels[4 + rij]!r}')


if __name__ == '__main__':
    draai(journey)
