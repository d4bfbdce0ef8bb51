"""Start-up and exit: the window with its title and size; "Einde" asks,
No keeps the program running, Yes ends it and writes the settings."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from harness import Programma, draai, verwacht


def journey():
    with Programma() as p:
        main = p.venster(r'^ Wendolo$')
        _, _, b, h = p.geometrie(main)
        verwacht((b, h) == (732, 500), f'main window is {b} x {h}')
        p.screenshot('einde-start')

        p.commando(main, 'Einde')
        box = p.venster(r'^ Exit$')
        p.toets(box, 'Escape')
        p.weg(r'^ Exit$')
        verwacht(p.loopt(), 'No ended the program')

        p.commando(main, 'Einde')
        box = p.venster(r'^ Exit$')
        p.toets(box, 'Return')
        verwacht(p.wacht_op_einde() == 0, 'the program did not end cleanly')
        verwacht(os.path.exists(os.path.join(p.map, 'Wendolo.ini')), 'no Wendolo.ini after Einde')


if __name__ == '__main__':
    draai(journey)
