"""Printing through a private cupsd to a PDF printer on Letter: the boards
lossless, with or without letters; twenty rows after a paper question; each
failure (queue refusing, printer removed, job aborted, cupsd gone) said."""
import contextlib
import os
import re
import shutil
import subprocess
import tempfile
import time

from harness import CHECK1, EXIT, MEER, OK, UIT, Programma, lees_beeld, run, schrijf, verwacht, wacht
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


def afgedrukt():
    return len(run('lpstat', '-W', 'completed', '-o').splitlines())


def controleer_pdf(pdf, paginas, naam):
    """The job's pages and text; its board scaled back to 503 x 449."""
    verwacht(re.search(rf'^Pages:\s+{paginas}$', run('pdfinfo', pdf), re.M) and '(letter)' in run('pdfinfo', pdf),
             f'not {paginas} Letter pages')
    tekst = run('pdftotext', '-layout', pdf, '-')
    verwacht(all(f'{i}. {rij[3]}' in tekst for i, rij in enumerate(RIJEN, 1)), f'not every clue line:\n{tekst}')
    velden = run('pdfimages', '-list', '-f', '1', '-l', '1', pdf).splitlines()[2:]
    verwacht(len(velden) == 1 and velden[0].split()[8] == 'image', f'not one lossless picture: {velden}')
    breedte, hoogte = int(velden[0].split()[3]), int(velden[0].split()[4])
    verwacht(breedte // 503 >= 3 and (breedte, hoogte) == (503 * (breedte // 503), 449 * (breedte // 503)), velden[0])
    # Every board pixel a whole block: sampled down and up again, unchanged.
    png = os.path.join(UIT, naam)
    run('pdfimages', '-png', '-f', '1', '-l', '1', pdf, png)
    run('convert', png + '-000.png', '-sample', '503x449', '-write', png + '-klein.png',
        '-sample', f'{breedte}x{hoogte}', png + '-terug.png')
    verwacht(lees_beeld(png + '-terug.png').data == lees_beeld(png + '-000.png').data,
             'board pixels are not whole blocks')
    return lees_beeld(png + '-klein.png').data


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
                p.melding(antwoord)
            if klaar:
                wacht(lambda: afgedrukt() >= klaar, f'job {klaar} did not end', 30, 0.2)

        ok(klaar=1)
        verwacht(controleer_pdf(uitvoer, 1, 'afdrukken-met') == scherm.data, 'the printed board is not the screen')
        for knop in (CHECK1, MEER, MEER):
            p.klik(dlg, *knop)
        ok(klaar=2)
        verwacht(controleer_pdf(uitvoer, 3, 'afdrukken-zonder') == zonder_letters(scherm).data,
                 'the board printed without letters is not the screen board without them')
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
        run('cupsaccept', PRINTER)
        ok(klaar=3)
        # The dialog ignores Exit while it still watches the last job; on a
        # busy machine that can outlast the print system's own count.
        eind = time.time() + 10
        while p.vensters(r'^ Afdrukken$') and time.time() < eind:
            p.klik(dlg, *EXIT, rust=0.6)
        p.weg(r'^ Afdrukken$')

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
