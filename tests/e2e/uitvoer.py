"""Printing and exporting a loaded puzzle.

Print: two copies without the letters land in wendolo.pdf beside the program
(there is no printer here), one page per copy, and the PDF is opened.
Html: puzzel.bmp (the board with a frame and without letters) and
wendolo.htm lie beside the program, the page is handed to the opener, the
board on screen has its letters back and no frame, and a real browser shows
the page with the picture pixel for pixel and the clues' markup applied."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import UIT, Programma, draai, lees_beeld, verwacht

# (word, letter position of the search-word letter, clue)
RIJEN = [('STOEL', 2, 'Zitmeubel'), ('KAAS', 2, '<b>Vet</b> zuivelproduct'), ('FIETS', 1, 'Tweewieler'),
         ('BEER', 2, 'Dier dat van honing houdt'), ('APPEL', 5, 'Crème & appelmoes')]
VELD = (230, 230, 220)
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


def vakjes():
    """(x, y) of every box's top-left corner on the board."""
    return [(262 - 22 * p + 22 * k, 21 * i - 6) for i, (w, p, _) in enumerate(RIJEN, 1) for k in range(len(w))]


def binnen(x, y):
    """The pixels inside a box's outline, where its letter goes."""
    return [(xx, yy) for yy in range(y + 1, y + 21) for xx in range(x + 1, x + 22)]


def controleer_bitmap(bitmap):
    verwacht((bitmap.breedte, bitmap.hoogte) == (503, 449), f'puzzel.bmp is {bitmap.breedte} x {bitmap.hoogte}')
    zwart = (0, 0, 0)
    rand = [(x, 0) for x in range(503)] + [(x, 448) for x in range(503)]
    rand += [(0, y) for y in range(449)] + [(502, y) for y in range(449)]
    verwacht(all(bitmap.pixel(x, y) == zwart for x, y in rand), 'puzzel.bmp has no black frame')
    verwacht(bitmap.pixel(1, 1) == VELD, f'inside the frame: {bitmap.pixel(1, 1)}')
    for x, y in vakjes():
        vlak = {bitmap.pixel(*punt) for punt in binnen(x, y)}
        verwacht(len(vlak) == 1, f'box at {x},{y} is not blank in puzzel.bmp: {sorted(vlak)[:4]}')


def controleer_bord(bord, bitmap):
    """The board after the export: the bitmap's boxes with their letters
    back, and the background where the frame was."""
    letters = set()
    for x, y in vakjes():
        punten = binnen(x, y)
        letters.update(punten)
        verwacht(any(bord.pixel(*punt) == (0, 0, 0) for punt in punten), f'box at {x},{y} has no letter')
    rand = {(x, y) for x in range(503) for y in (0, 448)} | {(x, y) for x in (0, 502) for y in range(449)}
    for y in range(449):
        for x in range(503):
            if (x, y) in letters:
                continue
            verwacht(bord.pixel(x, y) == (VELD if (x, y) in rand else bitmap.pixel(x, y)),
                     f'board pixel {x},{y} is {bord.pixel(x, y)} after the export')


def controleer_pagina(htm):
    with open(htm, 'rb') as f:
        pagina = f.read()
    regels = pagina.split(b'\r\n')
    verwacht(regels[-1] == b'' and len(regels) == 36, f'{len(regels) - 1} lines instead of 35')
    verwacht(b'\n' not in pagina.replace(b'\r\n', b''), 'a line ends without CR LF')
    for i, (_, _, o) in enumerate(RIJEN, 1):
        regel = f'  <SPAN class=tekst>{i}. {o}</SPAN><br>'.encode('cp1252')
        verwacht(regels[20 + i] == regel, f'clue line {i}: {regels[20 + i]!r}')


def chromium(htm, screenshot):
    """Shows the page in headless Chromium: its screenshot and the DOM it read."""
    profiel = tempfile.mkdtemp(prefix='wendolo-chromium-')
    try:
        vlaggen = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                   '--disable-background-networking', '--disable-component-update', '--disable-sync',
                   '--force-device-scale-factor=1', f'--user-data-dir={profiel}', '--window-size=900,700']
        url = 'file://' + htm
        subprocess.run(['chromium', *vlaggen, f'--screenshot={screenshot}', url], capture_output=True,
                       timeout=120, check=True)
        return subprocess.run(['chromium', *vlaggen, '--dump-dom', url], capture_output=True, text=True,
                              timeout=120, check=True).stdout
    finally:
        shutil.rmtree(profiel, ignore_errors=True)


def controleer_browser(htm, bitmap):
    screenshot = os.path.join(UIT, 'uitvoer-browser.png')
    dom = chromium(htm, screenshot)
    beeld = lees_beeld(screenshot)
    # The picture's top-left corner: a black pixel with the board's
    # background diagonally inside it.
    hoek = next(((x, y) for y in range(beeld.hoogte - 449) for x in range(beeld.breedte - 503)
                 if beeld.pixel(x, y) == (0, 0, 0) and beeld.pixel(x + 1, y + 1) == VELD), None)
    verwacht(hoek, 'the browser shows no board')
    getoond = beeld.stuk(*hoek, 503, 449)
    verwacht(getoond.data == bitmap.data, f'the browser shows the board at {hoek} other than puzzel.bmp')
    for stuk in ('<b>Vet</b> zuivelproduct', 'Crème &amp; appelmoes', 'Vul hieronder het juiste antwoord in'):
        verwacht(stuk in dom, f'{stuk!r} not in the page the browser read')


def journey():
    os.makedirs(UIT, exist_ok=True)
    bmp = os.path.join(UIT, 'uitvoer-bord.bmp')
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
        p.screenshot('uitvoer-dialoog')

        pdf = os.path.join(p.map, 'wendolo.pdf')
        p.klik(dlg, 228, 167, rust=0.4)  # OkKnop
        p.screenshot('uitvoer-sweep')
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
                        os.path.join(UIT, 'uitvoer-pagina')], check=True)

        verwacht(p.vensters(r'^ Afdrukken$'), 'printing closed the dialog')
        p.klik(dlg, 278, 167, rust=0.6)  # ExitKnop
        p.weg(r'^ Afdrukken$')
        verwacht(p.loopt(), 'the program ended')

        p.commando(main, 'Html', rust=1.0)
        htm = os.path.join(p.map, 'wendolo.htm')
        verwacht(p.geopende()[-1:] == ['file://' + htm], f'opened: {p.geopende()}')
        bitmap = lees_beeld(os.path.join(p.map, 'puzzel.bmp'))
        controleer_bitmap(bitmap)
        controleer_bord(p.bord(main, p.beeld('uitvoer-na-html')), bitmap)
        controleer_pagina(htm)
        controleer_browser(htm, bitmap)


if __name__ == '__main__':
    draai(journey)
