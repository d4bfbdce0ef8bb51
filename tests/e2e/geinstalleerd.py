"""The installed copy from the Debian package, run by an ordinary user: a
puzzle designed with Zoeken over the installed word library, saved, loaded
again after a restart, printed to the PDF and exported; a word library the
user puts into their own folder is the one Zoeken reads. Every file lands in
the user's folders and the installed tree stays as it was, byte for byte."""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import draai, rijknop, verwacht
from pakket import Geinstalleerd

KADER = (4, -2)  # every dialog lays its controls on a frame here
LOAD_EERSTE, LOAD_OK, LOAD_EXIT = (4 + 10 + 40, -2 + 16 + 10), (4 + 12 + 20, -2 + 262 + 15), (4 + 154 + 20, -2 + 262 + 15)
EIGEN_WOORD = 'wzqzw'  # in no Dutch word list


def in_kader(x, y):
    return KADER[0] + x, KADER[1] + y


def nieuw(p, main, zoekwoord):
    p.commando(main, 'Nieuw')
    start = p.venster(r'^ Nieuwe puzzel ontwerpen$')
    p.typ(start, zoekwoord)
    p.klik(start, *in_kader(274 + 28, 22 + 12))
    p.weg(r'^ Nieuwe puzzel ontwerpen$')


def zoek_rij(p, main, rij, positie):
    """Fills a row with the first word Zoeken finds for it."""
    p.klik(main, *rijknop(rij), rust=0.5)
    dlg = p.venster(rf'^ Puzzelwoord {rij}$')
    p.klik(dlg, *in_kader(184 + 8 + 11 * positie, 16 + 15))
    p.klik(dlg, *in_kader(12 + 28, 208 + 11), rust=0.6)
    p.klik(dlg, *in_kader(10 + 40, 16 + 8), rust=0.3)
    p.klik(dlg, *in_kader(398 + 20, 168 + 15), rust=0.6)
    vraag = p.venster(r'^ Omschrijving$')
    p.typ(vraag, f'omschrijving {rij}')
    p.toets(vraag, 'Return')
    p.weg(rf'^ Puzzelwoord {rij}$')


def bewaar(p, main, naam, pzl):
    p.commando(main, 'Save')
    vraag = p.venster(r'^ Save puzzel$')
    p.toets(vraag, 'ctrl+a')
    p.typ(vraag, naam)
    p.toets(vraag, 'Return')
    p.weg(r'^ Save puzzel$')
    verwacht(os.path.exists(pzl), f'no {pzl} after Save')
    with open(pzl, 'rb') as f:
        return f.read().split(b'\r\n')


def einde(p, main):
    p.commando(main, 'Einde')
    p.toets(p.venster(r'^ Exit$'), 'Return')
    verwacht(p.wacht_op_einde() == 0, 'the program did not end cleanly')


def links(bord):
    """The board left of the row buttons, which lie on it as controls."""
    return b''.join(bord.data[3 * 503 * y:3 * (503 * y + 460)] for y in range(449))


def wacht_geopend(p, einde, timeout=15):
    eind = time.time() + timeout
    while time.time() < eind and not any(g.endswith(einde) for g in p.geopende()):
        time.sleep(0.1)
    verwacht(any(g.endswith(einde) for g in p.geopende()), f'{einde} was not opened: {p.geopende()}')


def journey():
    with Geinstalleerd() as p:
        d = p.gegevens
        with open(os.path.join(p.boom, 'usr/share/wendolo/library.lib'), 'rb') as f:
            bibliotheek = set(f.read().decode('cp1252').lower().split())

        main = p.start()
        p.screenshot('geinstalleerd-start')
        nieuw(p, main, 'water')
        for rij, positie in ((1, 2), (2, 3)):
            zoek_rij(p, main, rij, positie)
        ontworpen = links(p.bord(main, p.beeld('geinstalleerd-ontwerp')))
        regels = bewaar(p, main, 'water', os.path.join(d, 'puzzels', 'water.pzl'))
        for rij, letter, positie in ((1, 'w', 2), (2, 'a', 3)):
            m = re.fullmatch(rb'\d+,"(\w+)","omschrijving \d"', regels[4 + rij])
            woord = m and m.group(1).decode()
            verwacht(woord and len(woord) == 5 and woord[positie - 1] == letter and woord in bibliotheek,
                     f'row {rij} holds {regels[4 + rij]!r}, not a word of the installed library')
        einde(p, main)
        verwacht(os.path.exists(p.instellingen), 'no settings in ~/.config/wendolo after Einde')

        main = p.start()
        p.commando(main, 'Load')
        load = p.venster(r'^ Load puzzel$')
        p.klik(load, *LOAD_EERSTE)
        p.klik(load, *LOAD_OK, rust=0.6)
        p.klik(load, *LOAD_EXIT, rust=0.6)
        p.weg(r'^ Load puzzel$')
        verwacht(links(p.bord(main, p.beeld('geinstalleerd-geladen'))) == ontworpen, 'the loaded board differs')

        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.klik(dlg, 228, 167, rust=0.4)  # OkKnop
        wacht_geopend(p, os.path.join(d, 'wendolo.pdf'))
        info = subprocess.run(['pdfinfo', os.path.join(d, 'wendolo.pdf')], capture_output=True, text=True).stdout
        verwacht(re.search(r'^Pages:\s+1$', info, re.M), f'the PDF is no one-page PDF:\n{info}')
        p.klik(dlg, 278, 167, rust=0.6)  # ExitKnop
        p.weg(r'^ Afdrukken$')

        p.commando(main, 'Html', rust=1.0)
        wacht_geopend(p, 'file://' + os.path.join(d, 'wendolo.htm'))
        verwacht(os.path.exists(os.path.join(d, 'puzzel.bmp')), 'no puzzel.bmp beside the page')

        eigen = os.path.join(d, 'library.lib')
        with open(eigen, 'wb') as f:
            f.write(EIGEN_WOORD.encode() + b'\r\n')
        p.als_gebruiker(eigen)
        nieuw(p, main, 'water')
        zoek_rij(p, main, 1, 1)
        regels = bewaar(p, main, 'eigen', os.path.join(d, 'puzzels', 'eigen.pzl'))
        verwacht(f',"{EIGEN_WOORD}",'.encode() in regels[5], f'the own library was not read: {regels[5]!r}')
        einde(p, main)

        geschreven = sorted(os.path.relpath(os.path.join(m, b), p.thuis) for m, _, bs in os.walk(p.thuis)
                            for b in bs if not os.path.relpath(m, p.thuis).startswith('.cache'))
        verwacht(geschreven == ['.config/wendolo/Wendolo.ini', '.local/share/wendolo/library.lib',
                                '.local/share/wendolo/puzzel.bmp', '.local/share/wendolo/puzzels/eigen.bmp',
                                '.local/share/wendolo/puzzels/eigen.pzl', '.local/share/wendolo/puzzels/water.bmp',
                                '.local/share/wendolo/puzzels/water.pzl', '.local/share/wendolo/wendolo.htm',
                                '.local/share/wendolo/wendolo.pdf'], f'the home holds {geschreven}')
        p.boom_ongewijzigd()


if __name__ == '__main__':
    draai(journey)
