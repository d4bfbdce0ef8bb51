"""One maker's session: a puzzle designed from the library and by hand, Tools,
Save, Print into the PDF, the web export shown in a real browser, Einde, and
the next run loading the puzzle back onto the same board."""
import os
import re

from harness import CHECK1, EXIT, MEER, OK, UIT, Beeld, Programma, kader, lees_beeld, run, verwacht

LIB = b'zwaan\r\nappel\r\nkaas\r\nmotor\r\nbrood\r\n'
# Row, letter position, word (None: typed, not picked from the library), clue.
RIJEN = [(1, 2, 'zwaan', '<b>Vet</b> & zout'), (2, 1, 'appel', 'Fruit'), (3, 3, 'motor', 'Aandrijving'),
         (4, 4, None, 'Bestek'), (5, 2, 'brood', 'Gebakken')]
# The top-left corner of every row box on the board.
VAKJES = [(262 - 22 * pos + 22 * k, 21 * i - 6) for i, pos, _, _ in RIJEN for k in range(5)]
ontwerp = lambda p, main: p.ontwerp(main, 'water', RIJEN)  # noqa: E731  (the print journey's design too)


def zonder_letters(bord):
    """The board with the inside of every box, where its letter goes, blanked to its fill."""
    data = bytearray(bord.data)
    for x, y in VAKJES:
        for yy in range(y + 1, y + 21):
            data[3 * (yy * 503 + x + 1):3 * (yy * 503 + x + 22)] = bytes(bord.pixel(x + 1, y + 1)) * 21
    return Beeld(503, 449, bytes(data))


def journey():
    with Programma(bestanden={'library.lib': LIB}) as p:
        main = p.start()
        verwacht('Geometry: 732x500' in p.xdo('getwindowgeometry', main), 'the main window is not 732 x 500')
        ontwerp(p, main)
        bord = p.bord(main, 'reis-ontwerp')

        # Tools: the puzzle-word boxes 5 steps less green, a new header.
        p.commando(main, 'Tools')
        tools = p.venster(r'^ Tools$')
        for _ in range(2):
            p.klik(tools, *kader(168, 70))
        for _ in range(5):
            p.klik(tools, *kader(20, 49), rust=0.05)
        p.klik(tools, *kader(112, 125))
        p.toets(tools, 'ctrl+a')
        p.typ(tools, 'Mijn kop')
        p.klik(tools, *kader(314, 169), rust=0.6)
        p.weg(r'^ Tools$')

        p.sla_op(main, 'water')
        with open(os.path.join(p.map, 'puzzels', 'water.pzl'), 'rb') as f:
            verwacht(b'\r\n255,250,255\r\n"water"\r\n' in f.read(), 'the Tools colour is not saved')

        # Print without a printer: two copies without the letters in the PDF, opened.
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.klik(dlg, *MEER)
        p.klik(dlg, *CHECK1)
        p.klik(dlg, *OK, rust=0.4)
        pdf = os.path.join(p.map, 'wendolo.pdf')
        p.wacht_geopend('file://' + pdf)
        verwacht(re.search(r'^Pages:\s+2$', run('pdfinfo', pdf), re.M), 'the PDF has not 2 pages')
        verwacht('4. Bestek' in run('pdftotext', '-layout', pdf, '-'), 'the PDF lacks the clues')
        p.klik(dlg, *EXIT, rust=0.6)
        p.weg(r'^ Afdrukken$')

        # Print blanked the boxes in the colours Tools set and lettered them again.
        na_print = p.bord(main, 'reis-na-print')
        # Html: puzzel.bmp is the board but for its letters, and a real browser
        # shows it pixel for pixel, with the clue's markup applied.
        p.commando(main, 'Html', rust=1.0)
        htm = os.path.join(p.map, 'wendolo.htm')
        p.wacht_geopend('file://' + htm)
        bitmap = lees_beeld(os.path.join(p.map, 'puzzel.bmp'))
        verwacht(p.bord(main, 'reis-na-html').data == na_print.data, 'the board differs after the export')
        verwacht(bitmap.stuk(1, 1, 501, 447).data == zonder_letters(na_print).stuk(1, 1, 501, 447).data,
                 'puzzel.bmp is not the board without its letters')
        schot = os.path.join(UIT, 'reis-browser.png')
        vlaggen = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                   '--disable-component-update', '--force-device-scale-factor=1', f'--user-data-dir={p.tmp}/chromium',
                   '--window-size=900,700', 'file://' + htm]
        run('chromium', f'--screenshot={schot}', *vlaggen)
        dom = run('chromium', '--dump-dom', *vlaggen)
        beeld = lees_beeld(schot)
        hoek = next(((x, y) for y in range(beeld.hoogte - 449) for x in range(beeld.breedte - 503)
                     if beeld.pixel(x, y) == (0, 0, 0) and beeld.pixel(x + 1, y + 1) == (230, 230, 220)), None)
        verwacht(hoek and beeld.stuk(*hoek, 503, 449).data == bitmap.data, 'the browser shows no board like puzzel.bmp')
        verwacht('<b>Vet</b> &amp; zout' in dom, 'the clue markup is not in the page the browser read')

        p.einde(main)

        # The next run loads the puzzle back onto the same board.
        main = p.start()
        p.laad(main)
        verwacht(p.bord(main, 'reis-geladen').data == bord.data, 'the loaded board differs')


if __name__ == '__main__':
    journey()
