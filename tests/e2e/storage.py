"""Loading, changing the settings, saving and loading again after a restart:
a saved pair in the puzzle folder is loaded onto the board, the colours and
header are changed in Tools, the puzzle is saved under a new name (No at
the overwrite question keeps the files), Einde writes the settings, and the
next run loads the copy back to the same board."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
from harness import Programma, draai, lees_beeld, rijknop, verwacht

BANNER = b'"Wendolo trappuzzel - versie 1.0"\r\n'
RIJEN = (b'"VOGEL"\r\n240,"VINK","Zangvogel"\r\n0,"",""\r\n196,"MEEUW","Zeevogel"\r\n'
         b'0,"",""\r\n218,"ALK","Zwart-wit"\r\n')
PZL = BANNER + b'230,230,220\r\n220,220,240\r\n255,255,255\r\n' + RIJEN

# Client coordinates: the dialogs' frames lie at (4, -2).
LIJST_EERSTE = (4 + 10 + 40, -2 + 16 + 10)
LOAD_OK, LOAD_EXIT = (4 + 12 + 20, -2 + 262 + 15), (4 + 154 + 20, -2 + 262 + 15)
KEUZE_OMLAAG = (4 + 160 + 8, -2 + 24 + 52 - 6)
GROEN_MIN = (4 + 14 + 6, -2 + 41 + 8)
TEXT1 = (4 + 12 + 100, -2 + 114 + 11)
TOOLS_EXIT = (4 + 294 + 20, -2 + 154 + 15)


def bord_bitmap(pad):
    """A 503 x 449 board picture with a column and two rows, as a BMP."""
    subprocess.run(['convert', '-size', '503x449', 'xc:rgb(230,230,220)', '-stroke', 'black',
                    '-fill', 'rgb(220,220,240)', '-draw', 'rectangle 240,15 262,120',
                    '-fill', 'white', '-draw', 'rectangle 262,15 328,36', '-draw', 'rectangle 196,57 306,78',
                    'BMP3:' + pad], check=True)


def rgb(pad):
    return lees_beeld(pad).data


def zonder_knoppen(pixels):
    """The board left of the row buttons, which lie on it as controls."""
    return b''.join(pixels[3 * 503 * y:3 * (503 * y + 460)] for y in range(449))


def laad_eerste(p, main, naam):
    p.commando(main, 'Load')
    dlg = p.venster(r'^ Load puzzel$')
    _, _, b, h = p.geometrie(dlg)
    verwacht((b, h) == (210, 301), f'load dialog is {b} x {h}')
    p.screenshot(f'storage-load-{naam}')
    p.klik(dlg, *LIJST_EERSTE)
    p.klik(dlg, *LOAD_OK, rust=0.6)
    verwacht(not p.vensters(r'^ Error$'), f'loading {naam} failed')
    p.klik(dlg, *LOAD_EXIT, rust=0.6)
    p.weg(r'^ Load puzzel$')


def journey():
    with Programma(bestanden={'puzzels/VOGEL.pzl': PZL}, start=False) as p:
        puzzels = os.path.join(p.map, 'puzzels')
        bord_bitmap(os.path.join(puzzels, 'VOGEL.bmp'))
        origineel = rgb(os.path.join(puzzels, 'VOGEL.bmp'))
        main = p.start()

        laad_eerste(p, main, 'vogel')
        geladen = p.bord(main, p.beeld('storage-geladen')).data
        verwacht(zonder_knoppen(geladen) == zonder_knoppen(origineel), 'the board is not the saved picture')
        beeld = p.beeld('storage-knoppen')
        wx, wy, _, _ = p.geometrie(main)
        for i in range(1, 7):
            x, y = rijknop(i)
            zichtbaar = beeld.pixel(wx + x, wy + y) != (230, 230, 220)
            verwacht(zichtbaar == (i in (2, 4)), f'row button {i} visible: {zichtbaar}')

        # Tools: the puzzle-word boxes 5 steps less green, a new header.
        p.commando(main, 'Tools')
        tools = p.venster(r'^ Tools$')
        p.klik(tools, *KEUZE_OMLAAG)
        p.klik(tools, *KEUZE_OMLAAG)
        for _ in range(5):
            p.klik(tools, *GROEN_MIN, rust=0.05)
        p.klik(tools, *TEXT1)
        p.toets(tools, 'ctrl+a')
        p.typ(tools, 'Mijn kop')
        p.screenshot('storage-tools')
        p.klik(tools, *TOOLS_EXIT, rust=0.6)
        p.weg(r'^ Tools$')

        p.commando(main, 'Save')
        vraag = p.venster(r'^ Save puzzel$')
        p.screenshot('storage-save')
        p.toets(vraag, 'ctrl+a')
        p.typ(vraag, 'kopie')
        p.toets(vraag, 'Return')
        p.weg(r'^ Save puzzel$')
        kopie = os.path.join(puzzels, 'kopie.pzl')
        verwacht(os.path.exists(kopie), 'no kopie.pzl after Save')
        with open(kopie, 'rb') as f:
            bewaard = f.read()
        verwacht(bewaard == PZL.replace(b'255,255,255', b'255,250,255'), f'kopie.pzl holds {bewaard!r}')
        verwacht(rgb(os.path.join(puzzels, 'kopie.bmp')) == origineel, 'kopie.bmp is not the board')

        # The same name again, No: nothing is written.
        voor = os.stat(kopie).st_mtime_ns
        p.commando(main, 'Save')
        vraag = p.venster(r'^ Save puzzel$')
        p.toets(vraag, 'ctrl+a')
        p.typ(vraag, 'kopie')
        p.toets(vraag, 'Return')
        bestaat = p.venster(r'^ File exist$')
        p.toets(bestaat, 'Escape')
        p.weg(r'^ File exist$')
        verwacht(os.stat(kopie).st_mtime_ns == voor, 'No at " File exist" still wrote the file')

        p.commando(main, 'Einde')
        p.toets(p.venster(r'^ Exit$'), 'Return')
        verwacht(p.wacht_op_einde() == 0, 'the program did not end cleanly')
        with open(os.path.join(p.map, 'Wendolo.ini'), 'rb') as f:
            ini = f.read()
        verwacht(ini == BANNER + b'230,230,220\r\n220,220,240\r\n255,250,255\r\n"Mijn kop"\r\n',
                 f'Wendolo.ini holds {ini!r}')

        # The next run: the copy comes back exactly as the first load showed it.
        main = p.start()
        laad_eerste(p, main, 'kopie')  # "kopie" sorts before "VOGEL"
        verwacht(p.bord(main, p.beeld('storage-herladen')).data == geladen, 'the reloaded board differs')


if __name__ == '__main__':
    draai(journey)
