"""One maker's session through the real windows: a puzzle designed from the
library and by hand, Tools, Save (No at the overwrite question keeps the
file), Print into the PDF, the web export shown in a real browser, Einde
(No, then Yes), and the next run loading the puzzle back onto the same board."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import UIT, Programma, draai, lees_beeld, rijknop, verwacht

WOORD = 'water'
LIB = b'zwaan\r\nappel\r\nkaas\r\nmotor\r\nbrood\r\n'
# Row, letter position, word (None: typed, not picked from the library), clue.
RIJEN = [(1, 2, 'zwaan', '<b>Vet</b> & zout'), (2, 1, 'appel', 'Fruit'), (3, 3, 'motor', 'Aandrijving'),
         (4, 4, None, 'Bestek'), (5, 2, 'brood', 'Gebakken')]
GETYPT = 'lepel'
VELD = (230, 230, 220)


def kader(x, y):
    """Client coordinates of a dialog control placed on its frame at (4, -2)."""
    return 4 + x, -2 + y


def ontwerp(p, main, woord=WOORD, rijen=RIJEN):
    """A new puzzle through the Nieuw and puzzle-word dialogs."""
    p.commando(main, 'Nieuw')
    start = p.venster(r'^ Nieuwe puzzel ontwerpen$')
    p.typ(start, woord)
    p.klik(start, *kader(302, 34))
    p.weg(r'^ Nieuwe puzzel ontwerpen$')
    for rij, positie, lijst, omschrijving in rijen:
        p.klik(main, *rijknop(rij), rust=0.5)
        dlg = p.venster(rf'^ Puzzelwoord {rij}$')
        p.klik(dlg, *kader(192 + 11 * positie, 31))
        if lijst:
            p.klik(dlg, *kader(40, 219), rust=0.4)  # Zoeken
            p.klik(dlg, *kader(50, 24), rust=0.3)  # the list's only entry
        else:
            p.klik(dlg, *kader(264, 183))
            p.typ(dlg, GETYPT)
        p.klik(dlg, *kader(418, 183), rust=0.6)
        vraag = p.venster(r'^ Omschrijving$')
        p.typ(vraag, omschrijving)
        p.toets(vraag, 'Return')
        p.weg(rf'^ Puzzelwoord {rij}$')


def vakjes():
    """(x, y) of every row box's top-left corner on the board."""
    return [(262 - 22 * pos + 22 * k, 21 * i - 6) for i, pos, _, _ in RIJEN for k in range(5)]


def binnen(x, y):
    """The pixels inside a box's outline, where its letter goes."""
    return [(xx, yy) for yy in range(y + 1, y + 21) for xx in range(x + 1, x + 22)]


def sla_op(p, main, naam, vraag_erna=None):
    """Save under naam; Escape at the box vraag_erna (the overwrite question)."""
    p.commando(main, 'Save')
    vraag = p.venster(r'^ Save puzzel$')
    p.toets(vraag, 'ctrl+a')
    p.typ(vraag, naam)
    p.toets(vraag, 'Return')
    if vraag_erna:
        p.toets(p.venster(vraag_erna), 'Escape')
    p.weg(r'^ Save puzzel$')


def controleer_export(p, main, bord_voor):
    """puzzel.bmp: the board framed, its boxes blank; the screen as it was;
    the page's clue lines."""
    htm = os.path.join(p.map, 'wendolo.htm')
    verwacht(p.geopende()[-1:] == ['file://' + htm], f'opened: {p.geopende()}')
    bitmap = lees_beeld(os.path.join(p.map, 'puzzel.bmp'))
    rand = {(x, y) for x in range(503) for y in (0, 448)} | {(x, y) for x in (0, 502) for y in range(449)}
    verwacht(all(bitmap.pixel(x, y) == (0, 0, 0) for x, y in rand), 'puzzel.bmp has no black frame')
    letters = {q for x, y in vakjes() for q in binnen(x, y)}
    for x, y in vakjes():
        verwacht(len({bitmap.pixel(*q) for q in binnen(x, y)}) == 1, f'box at {x},{y} is not blank in puzzel.bmp')
    bord = p.bord(main, p.beeld('reis-na-html'))
    verwacht(bord.data == bord_voor.data, 'the board differs after the export')
    verwacht(all(bord.pixel(x, y) == bitmap.pixel(x, y) for y in range(449) for x in range(503)
                 if (x, y) not in letters and (x, y) not in rand), 'puzzel.bmp is not the board')
    with open(htm, 'rb') as f:
        regels = f.read().split(b'\r\n')
    for i, (_, _, _, o) in enumerate(RIJEN, 1):
        verwacht(f'  <SPAN class=tekst>{i}. {o}</SPAN><br>'.encode() in regels, f'no clue line {i}')
    # A real browser: the picture pixel for pixel, the clue's markup applied.
    profiel, schot = tempfile.mkdtemp(prefix='wendolo-chromium-'), os.path.join(UIT, 'reis-browser.png')
    vlaggen = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--force-device-scale-factor=1', f'--user-data-dir={profiel}',
               '--window-size=900,700', 'file://' + htm]
    try:
        dom = [subprocess.run(['chromium', vlag, *vlaggen], capture_output=True, text=True, timeout=120, check=True).stdout
               for vlag in (f'--screenshot={schot}', '--dump-dom')][1]
    finally:
        shutil.rmtree(profiel, ignore_errors=True)
    beeld = lees_beeld(schot)
    hoek = next(((x, y) for y in range(beeld.hoogte - 449) for x in range(beeld.breedte - 503)
                 if beeld.pixel(x, y) == (0, 0, 0) and beeld.pixel(x + 1, y + 1) == VELD), None)
    verwacht(hoek and beeld.stuk(*hoek, 503, 449).data == bitmap.data, 'the browser shows no board like puzzel.bmp')
    verwacht('<b>Vet</b> &amp; zout' in dom, 'the clue markup is not in the page the browser read')


def journey():
    os.makedirs(UIT, exist_ok=True)
    with Programma(bestanden={'library.lib': LIB}) as p:
        main = p.venster(r'^ Wendolo$')
        verwacht(p.geometrie(main)[2:] == (732, 500), f'main window is {p.geometrie(main)[2:]}')
        ontwerp(p, main)
        bord = p.bord(main, p.beeld('reis-ontwerp'))

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

        sla_op(p, main, WOORD)
        pzl = os.path.join(p.map, 'puzzels', WOORD + '.pzl')
        with open(pzl, 'rb') as f:
            regels = f.read().split(b'\r\n')
        verwacht(regels[3:5] == [b'255,250,255', b'"water"'], f'colour and search word records {regels[3:5]}')
        for rij, pos, woord, o in RIJEN:
            verwacht(regels[4 + rij] == f'{262 - 22 * pos},"{woord or GETYPT}","{o}"'.encode(), f'row {rij} record')
        voor = os.stat(pzl).st_mtime_ns
        sla_op(p, main, WOORD, r'^ File exist$')
        verwacht(os.stat(pzl).st_mtime_ns == voor, 'No at " File exist" still wrote the file')

        # Print without a printer: two copies without the letters in the PDF, opened.
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.klik(dlg, 71, 170)  # Aantal's right arrow
        p.klik(dlg, 141, 26)  # Check1: without the letters
        p.klik(dlg, 228, 167, rust=0.4)
        pdf = os.path.join(p.map, 'wendolo.pdf')
        eind = time.time() + 15
        while time.time() < eind and not p.geopende():
            time.sleep(0.1)
        verwacht(p.geopende() == ['file://' + pdf], f'opened: {p.geopende()}')
        info = subprocess.run(['pdfinfo', pdf], capture_output=True, text=True, check=True).stdout
        verwacht(re.search(r'^Pages:\s+2$', info, re.M), f'not 2 pages:\n{info}')
        tekst = subprocess.run(['pdftotext', '-layout', pdf, '-'], capture_output=True, text=True, check=True).stdout
        verwacht('4. Bestek' in tekst and 'Het woord dat gezocht wordt is ' + '.' * 50 in tekst, tekst)
        p.klik(dlg, 278, 167, rust=0.6)
        p.weg(r'^ Afdrukken$')

        # Print blanked the boxes in the colours Tools set and lettered them again.
        na_print = p.bord(main, p.beeld('reis-na-print'))
        p.commando(main, 'Html', rust=1.0)
        controleer_export(p, main, na_print)

        p.commando(main, 'Einde')
        p.toets(p.venster(r'^ Exit$'), 'Escape')
        p.weg(r'^ Exit$')
        verwacht(p.loopt(), 'No ended the program')
        p.commando(main, 'Einde')
        p.toets(p.venster(r'^ Exit$'), 'Return')
        verwacht(p.wacht_op_einde() == 0, 'the program did not end cleanly')
        with open(os.path.join(p.map, 'Wendolo.ini'), 'rb') as f:
            ini = f.read()
        verwacht(ini.endswith(b'\r\n255,250,255\r\n"Mijn kop"\r\n'), f'Wendolo.ini holds {ini!r}')

        # The next run loads the puzzle back onto the same board.
        main = p.start()
        p.commando(main, 'Load')
        load = p.venster(r'^ Load puzzel$')
        p.klik(load, *kader(50, 26))
        p.klik(load, *kader(32, 277), rust=0.6)
        verwacht(not p.vensters(r'^ Error$'), 'loading failed')
        p.klik(load, *kader(174, 277), rust=0.6)
        p.weg(r'^ Load puzzel$')
        verwacht(p.bord(main, p.beeld('reis-geladen')).data == bord.data, 'the loaded board differs')


if __name__ == '__main__':
    draai(journey)
