"""Printing through a private cupsd to a PDF printer on Letter: the board as
shapes and text of one stroke width, with or without letters; the answer key
as page 2 of every copy, and the same pages in a PDF on demand; the board on
the clipboard as a picture; twenty rows after a paper question; each failure
(queue refusing, printer removed, job aborted, cupsd gone) said."""
import contextlib
import os
import re
import shutil
import subprocess
import tempfile
import time

from harness import CHECK1, EXIT, MEER, OK, UIT, Programma, run, schrijf, verwacht, wacht
from reis import LIB, RIJEN, VAKJES, ontwerp, zonder_letters
from xscherm import stop_proces

PPD = '/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd'
PRINTER = 'Testprinter'


@contextlib.contextmanager
def afdruksysteem():
    """cupsd with its configuration and unix socket (CUPS_SERVER) in a temporary
    folder; yields the process and the file its default queue prints into."""
    m = tempfile.mkdtemp(prefix='wendolo-cups-')
    os.chmod(m, 0o755)  # the filters run as lp
    for sub in ('root', 'state', 'cache', 'log', 'spool/tmp'):
        os.makedirs(os.path.join(m, sub))
    shutil.chown(os.path.join(m, 'spool/tmp'), 'root', 'lp')  # the PDF filter writes here as lp
    os.chmod(os.path.join(m, 'spool/tmp'), 0o1770)
    schrijf(f'{m}/cupsd.conf', f'Listen {m}/cups.sock\nBrowsing No\nWebInterface No\nLogLevel info\n'
            'DirtyCleanInterval 0\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n'.encode())
    schrijf(f'{m}/cups-files.conf', f'ServerRoot {m}/root\nRequestRoot {m}/spool\nStateDir {m}/state\n'
            f'CacheDir {m}/cache\nTempDir {m}/spool/tmp\nPrintcap {m}/printcap\nAccessLog {m}/log/access_log\n'
            f'ErrorLog {m}/log/error_log\nPageLog {m}/log/page_log\nFileDevice Yes\n'.encode())
    os.environ['CUPS_SERVER'] = f'{m}/cups.sock'
    cupsd = subprocess.Popen(['cupsd', '-f', '-c', f'{m}/cupsd.conf', '-s', f'{m}/cups-files.conf'],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # Tried until it works: the scheduler can answer a moment before it takes a new queue.
        lpadmin = ['lpadmin', '-p', PRINTER, '-E', '-v', f'file://{m}/uit.pdf', '-P', PPD]
        wacht(lambda: subprocess.run(lpadmin, capture_output=True).returncode == 0,
              f'cupsd did not start; see {m}/log/error_log', 20, 0.2)
        run('lpadmin', '-d', PRINTER)
        yield cupsd, f'{m}/uit.pdf'
    finally:
        stop_proces(cupsd, timeout=10)
        os.environ.pop('CUPS_SERVER', None)
    shutil.rmtree(m, ignore_errors=True)  # kept for inspection when the journey failed


def wacht_op(klaar, seconden):
    eind = time.time() + seconden
    while not klaar() and time.time() < eind:
        time.sleep(0.2)
    return klaar()


def afgedrukt():
    return len(run('lpstat', '-W', 'completed', '-o').splitlines())


# The print dialog's answer-key box and its PDF button, on the dialog's free space.
CHECK4, PDF = (141, 92), (192, 122)


def paginatekst(pdf, pagina):
    return run('pdftotext', '-f', str(pagina), '-l', str(pagina), pdf, '-')


def controleer_pdf(pdf, paginas, naam, letters):
    """The job's pages and clues, and page 1's board: no picture of it in the
    file, its letters there as text or not at all, and its outlines, rendered
    at 600 dpi, all one stroke width."""
    verwacht(re.search(rf'^Pages:\s+{paginas}$', run('pdfinfo', pdf), re.M) and '(letter)' in run('pdfinfo', pdf),
             f'not {paginas} Letter pages')
    tekst = run('pdftotext', '-layout', pdf, '-')
    verwacht(all(f'{i}. {rij[3]}' in tekst for i, rij in enumerate(RIJEN, 1)), f'not every clue line:\n{tekst}')
    verwacht(run('pdfimages', '-list', pdf).splitlines()[2:] == [], 'the board went as a picture')
    # Every row's word ends in its own letter: Z(waan)N, ..., only where the board has letters.
    verwacht(('N' in re.sub(r'\s', '', paginatekst(pdf, 1))) == letters, 'the letters are wrong on page 1')
    png = os.path.join(UIT, naam)
    run('pdftoppm', '-r', '600', '-f', '1', '-l', '1', '-png', pdf, png)
    png += '-1.png'
    # The board's field colour bounds the board; down the column's boxes,
    # every box edge crossed left of the letters is a run of dark dots.
    veld = run('convert', png, '-fill', 'black', '+opaque', 'rgb(230,230,220)', '-format', '%@', 'info:')
    b, h, x, y = map(int, re.match(r'(\d+)x(\d+)\+(\d+)\+(\d+)', veld).groups())
    verwacht(abs(b - 503 * 6.25) < 3 and abs(h - 449 * 6.25) < 3, f'the board is {b} x {h} dots at 600 dpi')
    kolom = subprocess.run(['convert', png, '-crop', f'1x{h}+{x + round(243 * 6.25)}+{y}', '-colorspace', 'gray',
                            '-depth', '8', 'gray:-'], capture_output=True, check=True).stdout
    runs = [len(r) for r in re.findall(rb'[\x00-\x7f]+', kolom)]
    verwacht(len(runs) == len(RIJEN) + 1 and max(runs) - min(runs) <= 1 and min(runs) >= 5,
             f'the column outlines are {runs} dots wide')


def journey():
    with afdruksysteem() as (cupsd, uitvoer), Programma(bestanden={'library.lib': LIB}) as p:
        main = p.start()
        ontwerp(p, main)
        scherm = p.bord(main, 'afdrukken-scherm')
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.xdo('windowmove', '--sync', dlg, 960, 800)  # clear of the board

        def ok(antwoord=None, klaar=None):
            """OK; then the box's answer, or waits for that many finished jobs."""
            p.klik(dlg, *OK, rust=0.4)
            if antwoord:
                # A click while the dialog still follows the last job is ignored.
                for _ in range(3):
                    if wacht_op(lambda: p.vensters(r'^Wendolo$'), 8):
                        break
                    p.klik(dlg, *OK, rust=0.4)
                p.melding(antwoord)
            if klaar:
                wacht(lambda: afgedrukt() >= klaar, f'job {klaar} did not end', 30, 0.2)

        ok(klaar=1)
        controleer_pdf(uitvoer, 1, 'afdrukken-met', True)
        # Three copies of the puzzle without letters, each with its key.
        for knop in (CHECK1, MEER, MEER, CHECK4):
            p.klik(dlg, *knop)
        ok(klaar=2)
        controleer_pdf(uitvoer, 6, 'afdrukken-zonder', False)
        verwacht(all('(oplossing)' in paginatekst(uitvoer, k) and 'N' in paginatekst(uitvoer, k) for k in (2, 4, 6))
                 and paginatekst(uitvoer, 1) == paginatekst(uitvoer, 5), 'the copies are not whole sets')
        run('pdftoppm', '-r', '300', '-f', '1', '-l', '2', '-png', uitvoer, os.path.join(UIT, 'afdrukken-300'))
        # The same pages from the dialog's PDF button, through the file dialog.
        eigen = os.path.join(p.tmp, 'eigen.pdf')
        p.klik(dlg, *PDF)
        kies = p.venster(r'^Als PDF opslaan$')
        p.toets(kies, 'ctrl+a')
        p.typ(kies, eigen)
        p.toets(kies, 'Return')
        p.weg(r'^Als PDF opslaan$')
        wacht(lambda: os.path.exists(eigen), 'no PDF written')
        zonder_tijd = lambda pdf, k: re.sub(r'\d+:\d\d:\d\d / [\d-]+', '', paginatekst(pdf, k))  # noqa: E731
        verwacht([zonder_tijd(eigen, k) for k in range(1, 7)] == [zonder_tijd(uitvoer, k) for k in range(1, 7)],
                 'the PDF is not what the print sent')
        # The letters come back in the program's own font.
        na = p.bord(main, 'afdrukken-na')
        verwacht(zonder_letters(na).data == zonder_letters(scherm).data
                 and all((0, 0, 0) in {na.pixel(x + i, y + j) for i in range(1, 22) for j in range(1, 21)}
                         for x, y in VAKJES),
                 'the board lacks its letters')

        run('cupsreject', PRINTER)
        ok('Return')
        verwacht(p.bord(main, 'afdrukken-geweigerd').data == na.data, 'the board lacks its letters')
        verwacht(afgedrukt() == 2, 'a refused job was printed')
        p.klik(dlg, *CHECK4)
        run('cupsaccept', PRINTER)
        ok(klaar=3)
        # The dialog ignores Exit while it still watches the last job; on a
        # busy machine that can outlast the print system's own count.
        eind = time.time() + 10
        while p.vensters(r'^ Afdrukken$') and time.time() < eind:
            p.klik(dlg, *EXIT, rust=0.6)
        p.weg(r'^ Afdrukken$')
        # Ctrl+C: the board as a picture a word processor pastes.
        p.toets(main, 'ctrl+c')
        doelen = subprocess.run(['xclip', '-selection', 'clipboard', '-t', 'TARGETS', '-o'], env=p.env,
                                capture_output=True, text=True, timeout=10).stdout
        verwacht('image/png' in doelen.split(), f'the clipboard offers {doelen.split()}')

        # Twenty rows need more than Letter's 10 printable inches.
        p.nieuw(main, 'ABCDEFGHIJKLMNOPQRST')
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        ok('Escape')
        time.sleep(1)
        verwacht(afgedrukt() == 3, 'printed although the maker said no')
        ok('Return', klaar=4)
        verwacht('(letter)' not in run('pdfinfo', uitvoer)
                 and re.search(r'^ *20\.', run('pdftotext', '-layout', uitvoer, '-'), re.M),
                 'the twenty rows are not on the other paper')

        # A printer gone, a device that cannot be opened in a queue that then
        # aborts the job, and a print system gone: each says so.
        run('lpadmin', '-x', PRINTER)
        ok('Return')
        run('lpadmin', '-p', PRINTER, '-E', '-v', 'serial:/nonexistent', '-P', PPD,
            '-o', 'printer-error-policy=abort-job', '-o', 'PageSize=A4')
        ok('Return')
        stop_proces(cupsd)
        ok('Return')
        verwacht(p.vensters(r'^ Afdrukken$'), 'the dialog closed')

if __name__ == '__main__':
    journey()
