"""One maker's session through the real windows: a puzzle designed from the
library and by hand, Tools, Save (No at the overwrite question keeps the
file), Print into the PDF, the web export shown in a real browser, Einde
(No, then Yes), and the next run loading the puzzle back onto the same board."""
import os
import re

from harness import CHECK1, EXIT, MEER, OK, UIT, Beeld, Programma, kader, lees_beeld, run, verwacht

LIB = b'zwaan\r\nappel\r\nkaas\r\nmotor\r\nbrood\r\n'
# Row, letter position, word (None: typed, not picked from the library), clue.
RIJEN = [(1, 2, 'zwaan', '<b>Vet</b> & zout'), (2, 1, 'appel', 'Fruit'), (3, 3, 'motor', 'Aandrijving'),
         (4, 4, None, 'Bestek'), (5, 2, 'brood', 'Gebakken')]


def ontwerp(p, main):
    """The puzzle of RIJEN, through the Nieuw and puzzle-word dialogs."""
    p.nieuw(main, 'water')
    for i, positie, woord, omschrijving in RIJEN:
        p.rij(main, i, positie, omschrijving, None if woord else 'lepel')


def vakjes():
    """(x, y) of every row box's top-left corner on the board."""
    return [(262 - 22 * pos + 22 * k, 21 * i - 6) for i, pos, _, _ in RIJEN for k in range(5)]


def binnen(x, y):
    """The pixels inside a box's outline, where its letter goes."""
    return [(xx, yy) for yy in range(y + 1, y + 21) for xx in range(x + 1, x + 22)]


def zonder_letters(bord):
    """The board with every box blanked to its own fill."""
    data = bytearray(bord.data)
    for x, y in vakjes():
        for xx, yy in binnen(x, y):
            data[3 * (yy * 503 + xx):3 * (yy * 503 + xx) + 3] = bytes(bord.pixel(x + 1, y + 1))
    return Beeld(503, 449, bytes(data))


def controleer_export(p, main, bord_voor):
    """puzzel.bmp is the board on the screen but for its letters, and a real
    browser shows it pixel for pixel, with the clue's markup applied."""
    htm = os.path.join(p.map, 'wendolo.htm')
    p.wacht_geopend('file://' + htm)
    bitmap = lees_beeld(os.path.join(p.map, 'puzzel.bmp'))
    bord = p.bord(main, 'reis-na-html')
    verwacht(bord.data == bord_voor.data, 'the board differs after the export')
    verwacht(bitmap.stuk(1, 1, 501, 447).data == zonder_letters(bord).stuk(1, 1, 501, 447).data,
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
        pzl = os.path.join(p.map, 'puzzels', 'water.pzl')
        with open(pzl, 'rb') as f:
            verwacht(f.read().split(b'\r\n')[3:6] == [b'255,250,255', b'"water"', b'218,"zwaan","<b>Vet</b> & zout"'],
                     'the colour, search word and first row are not saved')
        voor = os.stat(pzl).st_mtime_ns
        p.sla_op(main, 'water', wacht=False)
        p.toets(p.venster(r'^ File exist$'), 'Escape')
        p.weg(r'^ Save puzzel$')
        verwacht(os.stat(pzl).st_mtime_ns == voor, 'No at " File exist" still wrote the file')

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
        p.commando(main, 'Html', rust=1.0)
        controleer_export(p, main, na_print)

        p.commando(main, 'Einde')
        p.toets(p.venster(r'^ Exit$'), 'Escape')
        p.weg(r'^ Exit$')
        verwacht(p.loopt(), 'No ended the program')
        p.einde(main)
        with open(os.path.join(p.map, 'Wendolo.ini'), 'rb') as f:
            verwacht(f.read().endswith(b'\r\n255,250,255\r\n"Mijn kop"\r\n'), 'Wendolo.ini lacks the Tools settings')

        # The next run loads the puzzle back onto the same board.
        main = p.start()
        p.laad(main)
        verwacht(p.bord(main, 'reis-geladen').data == bord.data, 'the loaded board differs')


if __name__ == '__main__':
    journey()
