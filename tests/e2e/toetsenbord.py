"""The design journey with the keyboard alone, from Ctrl+N through every row's
dialog, the main window getting the keyboard back after each, to Ctrl+S and
Ctrl+Q; the saved rows are the ones the same design saves with the mouse."""
import os

from harness import Programma, verwacht

LIB = b'zwaan\r\nkaas\r\nslaap\r\nmotor\r\nlepel\r\nbrood\r\n'
# Row, letter position, word, and whether it is typed rather than the list's first match.
RIJEN = [(1, 3, 'motor', False), (2, 2, 'motor', False), (3, 2, 'brood', False), (4, 3, 'lepel', True),
         (5, 2, 'lepel', False), (6, 5, 'brood', False), (7, 3, 'brood', False)]


def journey():
    with Programma(bestanden={'library.lib': LIB}) as p:
        main = p.start()
        p.toets(main, 'ctrl+n')
        start = p.venster(r'^ Nieuwe puzzel ontwerpen$')
        p.typ(start, 'torpedo')
        p.toets(start, 'Tab', 'space')
        p.weg(r'^ Nieuwe puzzel ontwerpen$')

        for rij, positie, woord, getypt in RIJEN:
            # The main window has the keyboard, its focus on the first row still to fill.
            p.toets(main, 'space')
            dlg = p.venster(rf'^ Puzzelwoord {rij}$')
            # Length 6 and back to 5; then the preview's cursor to the box.
            p.toets(dlg, 'Right', 'Left', 'Tab', *['Right'] * (positie - 1), 'space')
            if getypt:
                p.toets(dlg, 'Tab', 'Tab', 'Tab')
                p.typ(dlg, woord)
            else:
                p.toets(dlg, 'Tab', 'space')  # Zoeken
                p.toets(dlg, 'Tab', 'space', 'Tab')  # the first match, on to the word field
            p.toets(dlg, 'Tab', 'space')  # Ok
            if any(w == woord for r, _, w, _ in RIJEN if r < rij):
                p.melding('Return')  # Ja: the word stands in an earlier row already
            vraag = p.venster(r'^ Omschrijving$')
            p.typ(vraag, f'omschrijving {rij}')
            p.toets(vraag, 'Return')
            p.weg(rf'^ Puzzelwoord {rij}$')

        p.toets(main, 'ctrl+s')
        p.toets(p.venster(r'^ Save puzzel$'), 'Return')
        p.weg(r'^ Save puzzel$')
        p.einde(main, sneltoets=True)

        with open(os.path.join(p.map, 'puzzels', 'torpedo.pzl'), 'rb') as f:
            regels = f.read().decode().split('\r\n')
        verwacht(regels[4:12] == ['"torpedo"'] + [f'{262 - 22 * positie},"{woord}","omschrijving {rij}"'
                                                  for rij, positie, woord, _ in RIJEN], f'saved {regels[4:12]}')


if __name__ == '__main__':
    journey()
