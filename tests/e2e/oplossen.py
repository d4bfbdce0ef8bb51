"""The page to solve on: a puzzle designed in the real program, one clue with
markup in it, exported through the board's menu (cancelled) and its shortcut
into the Qt file dialog, then solved in Debian's Chromium by oplossen.mjs."""
import json
import os
import subprocess
import time

from harness import BORD_X, BORD_Y, UIT, Programma, verwacht, wacht

LIB = b'zwaan\r\nappel\r\nmotor\r\nbr-od\r\n'
# Row, letter position, word (None: typed), clue; the clue field turns the quote into an apostrophe.
# A word may hold a hyphen, which its box on the page must take.
SCRIPT = '<script>window.geraakt = 1</script> & "soep"'
RIJEN = [(1, 2, 'zwaan', 'Vogel met een lange hals'), (2, 1, 'appel', 'Fruit'), (3, 3, 'motor', 'Aandrijving'),
         (4, 4, None, SCRIPT), (5, 2, 'br-od', 'Gebakken')]
DIALOOG = r'^ Webpagina om op te lossen$'
HIER = os.path.dirname(os.path.abspath(__file__))


def journey():
    with Programma(bestanden={'library.lib': LIB}) as p:
        main = p.start()
        p.ontwerp(main, 'water', RIJEN)
        # Left in the output folder, to be looked at.
        pagina = os.path.join(UIT, 'oplossen pagina.html')
        if os.path.exists(pagina):
            os.remove(pagina)

        # The board's menu holds the command last; Escape in the dialog writes nothing.
        p.xdo('mousemove', '--window', main, BORD_X + 250, BORD_Y + 300, 'click', 3)
        time.sleep(0.5)
        p.screenshot('oplossen-menu')
        p.xdo('key', 'Up', 'Return')
        p.toets(p.venster(DIALOOG), 'Escape')
        p.weg(DIALOOG)

        # The shortcut, with the focus on a command rather than the board; the
        # dialog offers water.html.
        p.toets(main, 'shift+Tab')
        p.toets(main, 'ctrl+shift+e')
        dlg = p.venster(DIALOOG)
        p.toets(dlg, 'ctrl+a', 'ctrl+c')
        gegeven = subprocess.check_output(['xclip', '-o', '-selection', 'clipboard'], env=p.env, text=True, timeout=10)
        verwacht(gegeven == 'water.html', f'the dialog offered {gegeven!r}')
        p.typ(dlg, pagina)
        p.toets(dlg, 'Return')
        p.weg(DIALOOG)
        wacht(lambda: os.path.isfile(pagina), 'the page was not written')
        verwacht(not p.vensters(r'^Wendolo$'), 'the export reported a failure')
        with open(pagina, 'rb') as f:
            verwacht(f.read(15) == b'<!DOCTYPE html>', 'the file is no HTML5 page')
        p.screenshot('oplossen-programma')
        p.einde(main)

    gegevens = {'rijen': [[positie, woord or 'lepel'] for _, positie, woord, _ in RIJEN], 'zoekwoord': 'water',
                'omschrijving': [4, SCRIPT.replace('"', "'")]}
    r = subprocess.run(['node', os.path.join(HIER, 'oplossen.mjs'), pagina, json.dumps(gegevens)],
                       capture_output=True, text=True, timeout=240)
    print(r.stdout + r.stderr)
    verwacht(r.returncode == 0, 'the page did not pass in Chromium')


if __name__ == '__main__':
    journey()
