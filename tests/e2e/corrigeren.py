"""Correcting a design: a killed design and one a new puzzle replaced come back
by Ctrl+Z; a clue changed by double-click, a row cleared and refilled by keyboard."""
import os

from harness import BORD_X, BORD_Y, Programma, kader, verwacht, wacht

LIB = b'zwaan\r\nappel\r\nmotor\r\n'
RIJEN = [(1, 2, 'Vogel'), (2, 1, 'Fruit'), (3, 3, 'Aandrijving')]
CURSOR = (48, 140, 198)  # the selection colour the board's row cursor is drawn in


def zelfde(p, main, bord, naam, melding):  # left of the row buttons, whose focus frames come and go
    wacht(lambda: p.bord(main, naam).stuk(0, 0, 460, 449).data == bord.stuk(0, 0, 460, 449).data, melding,
          timeout=5, stap=0.3)


def cursor(p, main):
    """The row the board's cursor frame is drawn round, or None."""
    bord = p.bord(main, 'corrigeren-focus')
    return next((1 + (y - 13) // 21 for y in range(13, 440, 21) if bord.pixel(3, y + 7) == CURSOR), None)


def journey():
    with Programma(bestanden={'library.lib': LIB}) as p:
        main = p.start()
        start = p.bord(main, 'corrigeren-start')
        p.nieuw(main, 'water')
        for i, positie, omschrijving in RIJEN:
            p.rij(main, i, positie, omschrijving)
        drie = p.bord(main, 'corrigeren-drie')

        # Killed unsaved: the next run starts as always, and Ctrl+Z brings the rows back.
        p.doden()
        main = p.start()
        verwacht(p.bord(main, 'corrigeren-herstart').data == start.data, 'the next run does not start as always')
        p.toets(main, 'ctrl+z')
        zelfde(p, main, drie, 'corrigeren-hersteld', 'Ctrl+Z did not bring the killed design back')

        # A new puzzle over it, undone.
        p.nieuw(main, 'boten')
        p.toets(main, 'ctrl+z')
        zelfde(p, main, drie, 'corrigeren-na-nieuw', 'Ctrl+Z after Nieuw did not bring the design back')

        # Saved, something else designed, loaded again: nothing is kept once it is saved.
        p.sla_op(main, 'water')
        verwacht(not os.path.exists(os.path.join(p.map, 'ontwerp.pzl')), 'the saved design is still kept')
        p.nieuw(main, 'boten')
        p.laad(main)

        # A double-click on row 2 opens it as stored; Ok, and a new clue.
        p.xdo('mousemove', '--window', main, BORD_X + 300, BORD_Y + 21 * 2 + 5, 'click', '--repeat', 2, 1)
        dlg = p.venster(r'^ Puzzelwoord 2$')
        p.klik(dlg, *kader(418, 183), rust=0.6)
        vraag = p.venster(r'^ Omschrijving$')
        p.toets(vraag, 'ctrl+a')
        p.typ(vraag, 'Boomvrucht')
        p.toets(vraag, 'Return')
        p.weg(r'^ Puzzelwoord 2$')

        # By keyboard: Tab to the board, where the double-click left its cursor;
        # Up to row 1, Delete, and Return fills it again.
        for _ in range(16):
            if cursor(p, main):
                break
            p.toets(main, 'Tab')
        verwacht(cursor(p, main) == 2, 'Tab never reached the board at row 2')
        p.toets(main, 'Up')
        verwacht(cursor(p, main) == 1, 'Up did not move the cursor to row 1')
        p.toets(main, 'Delete')
        wacht(lambda: p.bord(main, 'corrigeren-gewist').pixel(270, 20) != drie.pixel(270, 20),
              'Delete did not clear row 1', timeout=5, stap=0.3)
        p.toets(main, 'Return')
        dlg = p.venster(r'^ Puzzelwoord 1$')
        p.toets(dlg, 'Right', 'Left', 'Tab', 'Right', 'space', 'Tab', 'space', 'Tab', 'space', 'Tab', 'Tab', 'space')
        vraag = p.venster(r'^ Omschrijving$')
        p.typ(vraag, 'Vogel')
        p.toets(vraag, 'Return')
        p.weg(r'^ Puzzelwoord 1$')
        wacht(lambda: cursor(p, main) == 1, 'the board lost the keyboard after the row', timeout=3, stap=0.2)
        p.toets(main, 'Tab')  # the cursor off the board, for the comparison
        zelfde(p, main, drie, 'corrigeren-klaar', 'the corrected board is not the designed one')

        p.sla_op(main, 'water', wacht=False)
        p.toets(p.venster(r'^ File exist$'), 'Return')
        p.weg(r'^ Save puzzel$')
        with open(os.path.join(p.map, 'puzzels', 'water.pzl'), 'rb') as f:
            regels = f.read().decode('cp1252').split('\r\n')
        verwacht(regels[5:8] == ['218,"zwaan","Vogel"', '240,"appel","Boomvrucht"', '196,"motor","Aandrijving"'],
                 f'saved {regels[5:8]}')
        p.einde(main)


if __name__ == '__main__':
    journey()
