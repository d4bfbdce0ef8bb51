"""Printing on a real print system: a private cupsd whose default queue is a
PDF printer with Letter as its default paper.

The five-row puzzle prints on Letter: one job "Wendolo" for one copy with
the letters and one for three copies without, each holding the header,
every clue line with its padding and the answer line, and the board as a
lossless picture that, scaled back down, is the screen board with or
without its letters; the screen keeps its letters. A queue that refuses
jobs prints nothing and says so; accepted again, it prints.
A twenty-row page does not fit Letter's printable area: the maker is asked
about the other paper first. A printer removed after the dialog opened, a
job the print system aborts and a print system that has gone away each
print nothing and say so.
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from afdruksysteem import PPD, PRINTER, Afdruksysteem
from harness import UIT, Programma, draai, lees_beeld, verwacht
from uitvoer import bordbeeld, binnen, puzzelbestand, vakjes, RIJEN

OK, EXIT, CHECK1, MEER = (228, 167), (278, 167), (141, 26), (71, 170)
LETTER = 'Page size:       612 x 792 pts (letter)'


def melding(p, naam, antwoord='Return'):
    """Answers the box titled Wendolo that comes up, after a screenshot of it.
    (Qt copies a box's text with Ctrl+C only on Windows, so its words are
    looked at in the screenshots and checked by the unit tests.)"""
    box = p.venster(r'^Wendolo$', timeout=30)
    time.sleep(0.3)
    p.screenshot(naam)
    p.toets(box, antwoord)
    p.weg(r'^Wendolo$')


def controleer_tekst(pdf):
    tekst = subprocess.run(['pdftotext', '-layout', pdf, '-'], capture_output=True, text=True, check=True).stdout
    for stuk in ['Puzzelpagina', 'Het woord dat gezocht wordt is ' + '.' * 50]:
        verwacht(stuk in tekst, f'{stuk!r} not on the page:\n{tekst}')
    verwacht(re.search(r'\d+:\d\d:\d\d / \d+-\d+-\d{4}', tekst), f'no date line:\n{tekst}')
    # Each clue line starts two blanks right of the answer line (Arial 11 pt).
    html = subprocess.run(['pdftotext', '-bbox', pdf, '-'], capture_output=True, text=True, check=True).stdout
    links = {w: float(x) for x, w in re.findall(r'<word xMin="([\d.]+)"[^>]*>([^<]*)</word>', html)}
    for i, (_, _, omschrijving) in enumerate(RIJEN, 1):
        verwacht(re.search(rf'^ *{i}\. {re.escape(omschrijving)}$', tekst, re.M), f'no clue line {i}:\n{tekst}')
        inspringen = links[f'{i}.'] - links['Het']
        verwacht(5.5 < inspringen < 7, f'clue line {i} starts {inspringen:.1f} pt right of the answer line')


def printbord(pdf, naam):
    """The board picture of the job, losslessly stored, scaled back to 503 x 449."""
    lijst = subprocess.run(['pdfimages', '-list', '-f', '1', '-l', '1', pdf], capture_output=True, text=True, check=True).stdout
    regels = lijst.splitlines()[2:]
    verwacht(len(regels) == 1, f'not one picture in the job:\n{lijst}')
    velden = regels[0].split()
    breedte, hoogte, codering = int(velden[3]), int(velden[4]), velden[8]
    verwacht(codering == 'image', f'the picture is stored as {codering}')
    k = breedte // 503
    verwacht(k >= 3 and (breedte, hoogte) == (503 * k, 449 * k), f'the picture is {breedte} x {hoogte}')
    png = os.path.join(UIT, naam)
    subprocess.run(['pdfimages', '-png', '-f', '1', '-l', '1', pdf, png], check=True)
    png += '-000.png'
    # Every board pixel a whole k x k block: sampled down and up again, the
    # picture is unchanged.
    klein, terug = png + '.klein.png', png + '.terug.png'
    subprocess.run(['convert', png, '-sample', '503x449', klein], check=True)
    subprocess.run(['convert', klein, '-sample', f'{breedte}x{hoogte}', terug], check=True)
    verschil = subprocess.run(['compare', '-metric', 'AE', png, terug, 'null:'], capture_output=True, text=True)
    verwacht(verschil.stderr.strip() == '0', f'board pixels are not whole blocks: {verschil.stderr}')
    return lees_beeld(klein)


def zonder_letters(bord):
    """The screen board with every box blanked to its own fill."""
    data = bytearray(bord.data)
    for x, y in vakjes():
        vulling = bytes(bord.pixel(x + 1, y + 1))
        for xx, yy in binnen(x, y):
            i = 3 * (yy * bord.breedte + xx)
            data[i:i + 3] = vulling
    return bytes(data)


def druk(p, dlg, cups, aantal):
    """Print; the job's attributes once it has ended."""
    p.klik(dlg, *OK, rust=0.4)
    return cups.wacht_op(aantal)


def eerste_deel(cups):
    bmp = os.path.join(UIT, 'afdrukken-bord.bmp')
    bordbeeld(bmp)
    with open(bmp, 'rb') as f:
        bestanden = {'puzzels/tafel.pzl': puzzelbestand(), 'puzzels/tafel.bmp': f.read()}
    with Programma(bestanden=bestanden) as p:
        main = p.venster(r'^ Wendolo$')
        p.commando(main, 'Load')
        load = p.venster(r'^ Load puzzel$')
        p.klik(load, 44, 22)
        p.klik(load, 36, 275, rust=0.5)
        p.klik(load, 178, 275, rust=0.6)
        p.weg(r'^ Load puzzel$')
        scherm = p.bord(main, p.beeld('afdrukken-scherm'))

        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.xdo('windowmove', '--sync', dlg, 960, 800)  # clear of the board
        job = druk(p, dlg, cups, 1)
        verwacht(job['job-state'] == [9] and job['job-name'] == ['Wendolo'] and job['copies'] == [1],
                 f'first job: {job}')
        info = subprocess.run(['pdfinfo', cups.uitvoer], capture_output=True, text=True, check=True).stdout
        verwacht(LETTER in info and re.search(r'^Pages:\s+1$', info, re.M), f'the page is not one Letter sheet:\n{info}')
        controleer_tekst(cups.uitvoer)
        verwacht(printbord(cups.uitvoer, 'afdrukken-met').data == scherm.data, 'the printed board is not the screen board')
        # The sheet as a 300 dpi printer would put it on paper, to look at.
        subprocess.run(['pdftoppm', '-r', '300', '-png', cups.uitvoer, os.path.join(UIT, 'afdrukken-300dpi')], check=True)

        p.klik(dlg, *CHECK1)
        p.klik(dlg, *MEER)
        p.klik(dlg, *MEER)
        job = druk(p, dlg, cups, 2)
        verwacht(job['job-state'] == [9] and job['job-name'] == ['Wendolo'] and job['copies'] == [3],
                 f'second job: {job}')
        # The queue's PDF holds the copies as pages.
        info = subprocess.run(['pdfinfo', cups.uitvoer], capture_output=True, text=True, check=True).stdout
        verwacht(re.search(r'^Pages:\s+3$', info, re.M), f'not three copies:\n{info}')
        controleer_tekst(cups.uitvoer)
        verwacht(printbord(cups.uitvoer, 'afdrukken-zonder').data == zonder_letters(scherm),
                 'the board printed without letters is not the screen board without them')
        # The letters come back in the program's own font, which the loaded
        # picture need not have used.
        na = p.bord(main, p.beeld('afdrukken-na'))
        verwacht(zonder_letters(na) == zonder_letters(scherm)
                 and all(any(na.pixel(*punt) == (0, 0, 0) for punt in binnen(x, y)) for x, y in vakjes()),
                 'the board lacks its letters')

        cups.cups('cupsreject', PRINTER)
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-geweigerd-melding')
        verwacht(p.bord(main, p.beeld('afdrukken-geweigerd')).data == na.data, 'the board lacks its letters')
        verwacht(len(cups.opdrachten()) == 2, 'a refused job was printed')
        cups.cups('cupsaccept', PRINTER)
        job = druk(p, dlg, cups, 3)
        verwacht(job['job-state'] == [9] and job['copies'] == [3], f'the job after cupsaccept: {job}')
        p.klik(dlg, *EXIT, rust=0.6)
        p.weg(r'^ Afdrukken$')


def lange_puzzel():
    woord = 'ABCDEFGHIJKLMNOPQRST'
    regels = ['"Wendolo trappuzzel - versie 1.0"', '230,230,220', '220,220,240', '255,255,255', f'"{woord}"']
    regels += [f'240,"{c}{c}{c}","omschrijving {i}"' for i, c in enumerate(woord, 1)]
    bmp = os.path.join(UIT, 'afdrukken-lang.bmp')
    subprocess.run(['convert', '-size', '503x449', 'xc:rgb(230,230,220)', 'BMP3:' + bmp], check=True)
    with open(bmp, 'rb') as f:
        return {'puzzels/lang.pzl': ''.join(r + '\r\n' for r in regels).encode('cp1252'), 'puzzels/lang.bmp': f.read()}


def tweede_deel(cups):
    with Programma(bestanden=lange_puzzel()) as p:
        main = p.venster(r'^ Wendolo$')
        p.commando(main, 'Load')
        load = p.venster(r'^ Load puzzel$')
        p.klik(load, 44, 22)
        p.klik(load, 36, 275, rust=0.5)
        p.klik(load, 178, 275, rust=0.6)
        p.weg(r'^ Load puzzel$')
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')

        # Twenty rows need more than Letter's 10 printable inches here.
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-papiervraag', 'Escape')
        time.sleep(1)
        verwacht(len(cups.opdrachten()) == 3, 'printed although the maker said no')
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-papiervraag-ja')
        job = cups.wacht_op(4)
        verwacht(job['job-state'] == [9] and job['media'] != ['Letter'], f'the job on the other paper: {job}')
        controleer_regels = subprocess.run(['pdftotext', cups.uitvoer, '-'], capture_output=True, text=True).stdout
        verwacht('20. omschrijving 20' in controleer_regels, 'row 20 is not on the page')

        cups.cups('lpadmin', '-x', PRINTER)
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-verdwenen')

        # A device that cannot be opened, and a queue that then aborts the job.
        cups.cups('lpadmin', '-p', PRINTER, '-E', '-v', 'serial:/nonexistent', '-P', PPD,
                  '-o', 'printer-error-policy=abort-job', '-o', 'PageSize=A4')
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-afgebroken')

        cups.stop()
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-onbereikbaar')
        verwacht(p.vensters(r'^ Afdrukken$'), 'the dialog closed')


def journey():
    os.makedirs(UIT, exist_ok=True)
    with Afdruksysteem() as cups:
        eerste_deel(cups)
        tweede_deel(cups)


if __name__ == '__main__':
    draai(journey)
