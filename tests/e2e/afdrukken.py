"""Printing on a real print system: a private cupsd whose default queue is a
PDF printer with Letter as its default paper.

The designed five-row puzzle prints on Letter: one job for one copy with
the letters and one for three copies without, each holding the
header, the date, every clue line lined up and the answer line, and the
board as a lossless picture that, scaled back down, is the screen board with
or without its letters; the screen keeps its letters. A queue that refuses
jobs prints nothing and says so; accepted again, it prints. A twenty-row page
does not fit Letter's printable area: the maker is asked about other paper
first. A printer removed after the dialog opened, a job the print system
aborts and a print system that has gone away each print nothing and say so.
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from afdruksysteem import PPD, PRINTER, Afdruksysteem
from harness import UIT, Programma, draai, lees_beeld, verwacht
from reis import LIB, RIJEN, binnen, ontwerp, vakjes

OK, EXIT, CHECK1, MEER = (228, 167), (278, 167), (141, 26), (71, 170)


def run(*opdracht):
    return subprocess.run(opdracht, capture_output=True, text=True, check=True).stdout


def melding(p, naam, antwoord='Return'):
    """Answers the box titled Wendolo, after a screenshot of it (its words
    are checked by the unit tests)."""
    box = p.venster(r'^Wendolo$', timeout=30)
    time.sleep(0.3)
    p.screenshot(naam)
    p.toets(box, antwoord)
    p.weg(r'^Wendolo$')


def controleer_pdf(pdf, paginas, naam):
    """Text and board of the job; the board scaled back to 503 x 449."""
    info = run('pdfinfo', pdf)
    verwacht(re.search(rf'^Pages:\s+{paginas}$', info, re.M) and '(letter)' in info, f'not {paginas} Letter pages')
    tekst = run('pdftotext', '-layout', pdf, '-')
    verwacht('Puzzelpagina' in tekst and 'Het woord dat gezocht wordt is ' + '.' * 50 in tekst
             and re.search(r'\d+:\d\d:\d\d / \d+-\d+-\d{4}', tekst), tekst)
    # Each clue line starts two blanks right of the answer line (Arial 11 pt).
    links = {w: float(x) for x, w in re.findall(r'<word xMin="([\d.]+)"[^>]*>([^<]*)</word>',
                                                run('pdftotext', '-bbox', pdf, '-'))}
    for i, (_, _, _, omschrijving) in enumerate(RIJEN, 1):
        verwacht(re.search(rf'^ *{i}\. {re.escape(omschrijving)}$', tekst, re.M), f'no clue line {i}:\n{tekst}')
        verwacht(5.5 < links[f'{i}.'] - links['Het'] < 7, f'clue line {i} is not lined up')
    velden = run('pdfimages', '-list', '-f', '1', '-l', '1', pdf).splitlines()[2:]
    verwacht(len(velden) == 1, f'not one picture in the job: {velden}')
    breedte, hoogte, codering = int(velden[0].split()[3]), int(velden[0].split()[4]), velden[0].split()[8]
    k = breedte // 503
    verwacht(codering == 'image' and k >= 3 and (breedte, hoogte) == (503 * k, 449 * k), velden[0])
    # Every board pixel a whole k x k block: sampled down and up again, unchanged.
    png = os.path.join(UIT, naam)
    run('pdfimages', '-png', '-f', '1', '-l', '1', pdf, png)
    run('convert', png + '-000.png', '-sample', '503x449', png + '-klein.png')
    run('convert', png + '-klein.png', '-sample', f'{breedte}x{hoogte}', png + '-terug.png')
    verschil = subprocess.run(['compare', '-metric', 'AE', png + '-000.png', png + '-terug.png', 'null:'],
                              capture_output=True, text=True).stderr.strip()
    verwacht(verschil == '0', f'board pixels are not whole blocks: {verschil}')
    return lees_beeld(png + '-klein.png').data


def zonder_letters(bord):
    """The screen board with every box blanked to its own fill."""
    data = bytearray(bord.data)
    for x, y in vakjes():
        for xx, yy in binnen(x, y):
            data[3 * (yy * 503 + xx):3 * (yy * 503 + xx) + 3] = bytes(bord.pixel(x + 1, y + 1))
    return bytes(data)


def journey():
    os.makedirs(UIT, exist_ok=True)
    with Afdruksysteem() as cups, Programma(bestanden={'library.lib': LIB}) as p:
        main = p.venster(r'^ Wendolo$')
        ontwerp(p, main)
        scherm = p.bord(main, p.beeld('afdrukken-scherm'))
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.xdo('windowmove', '--sync', dlg, 960, 800)  # clear of the board

        def druk(n):
            p.klik(dlg, *OK, rust=0.4)
            cups.wacht_op(n)

        druk(1)
        verwacht(controleer_pdf(cups.uitvoer, 1, 'afdrukken-met') == scherm.data, 'the printed board is not the screen')
        p.klik(dlg, *CHECK1)
        p.klik(dlg, *MEER)
        p.klik(dlg, *MEER)
        druk(2)
        verwacht(controleer_pdf(cups.uitvoer, 3, 'afdrukken-zonder') == zonder_letters(scherm),
                 'the board printed without letters is not the screen board without them')
        # The letters come back in the program's own font.
        na = p.bord(main, p.beeld('afdrukken-na'))
        verwacht(zonder_letters(na) == zonder_letters(scherm)
                 and all(any(na.pixel(*q) == (0, 0, 0) for q in binnen(x, y)) for x, y in vakjes()),
                 'the board lacks its letters')

        cups.cups('cupsreject', PRINTER)
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-geweigerd-melding')
        verwacht(p.bord(main, p.beeld('afdrukken-geweigerd')).data == na.data, 'the board lacks its letters')
        verwacht(cups.klaar() == 2, 'a refused job was printed')
        cups.cups('cupsaccept', PRINTER)
        druk(3)
        # The dialog ignores Exit while it still watches the last job; on a
        # busy machine that can outlast the print system's own count.
        eind = time.time() + 10
        while p.vensters(r'^ Afdrukken$') and time.time() < eind:
            p.klik(dlg, *EXIT, rust=0.6)
        p.weg(r'^ Afdrukken$')

        # Twenty rows need more than Letter's 10 printable inches.
        ontwerp(p, main, 'ABCDEFGHIJKLMNOPQRST', [])
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-papiervraag', 'Escape')
        time.sleep(1)
        verwacht(cups.klaar() == 3, 'printed although the maker said no')
        p.klik(dlg, *OK, rust=0.4)
        melding(p, 'afdrukken-papiervraag-ja')
        cups.wacht_op(4)
        tekst = run('pdftotext', '-layout', cups.uitvoer, '-')
        verwacht('(letter)' not in run('pdfinfo', cups.uitvoer) and re.search(r'^ *20\.', tekst, re.M),
                 'the twenty rows are not on the other paper')

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


if __name__ == '__main__':
    draai(journey)
