"""Kill during save: a 20-row puzzle saved over DOEL, SIGKILL at a random
moment, WENDOLO_KILLSAVE_KEER (50) times; once the next run has opened its load
list, DOEL's .pzl and .bmp are the whole old pair or the whole new one, alone."""
import os
import pathlib
import random
import subprocess
import time

from harness import Programma, schrijf, verwacht

KEER = int(os.environ.get('WENDOLO_KILLSAVE_KEER', '50'))
KOP = b'"Wendolo trappuzzel - versie 1.0"\r\n'
ZOEKWOORD = 'TRAPPENHUISONTWERPER'
# 20 filled rows, the letters at positions 1..6.
NIEUW = KOP + f'230,230,220\r\n220,220,240\r\n255,255,255\r\n"{ZOEKWOORD}"\r\n'.encode() + b''.join(
    f'{262 - 22 * (1 + i % 6)},"{"x" * (i % 6) + c.lower() + "yyyyy"}","Omschrijving van rij {i + 1}"\r\n'.encode()
    for i, c in enumerate(ZOEKWOORD))
OUD = KOP + b'10,20,30\r\n40,50,60\r\n70,80,90\r\n"OUDJE"\r\n' + b'0,"",""\r\n' * 5


def lees(pad):
    return pathlib.Path(pad).read_bytes() if os.path.exists(pad) else None


def journey():
    with Programma() as p:
        map = os.path.join(p.map, 'puzzels')
        pad = {naam: os.path.join(map, naam) for naam in ('A20.pzl', 'A20.bmp', 'DOEL.pzl', 'DOEL.bmp')}
        for naam, kleur in (('A20', 'rgb(230,230,220)'), ('DOEL', 'rgb(10,20,30)')):
            subprocess.run(['convert', '-size', '503x449', f'xc:{kleur}', 'BMP3:' + pad[naam + '.bmp']], check=True)
        schrijf(pad['A20.pzl'], NIEUW)
        oud = (OUD, lees(pad['DOEL.bmp']))

        def begin():
            """Puts the old pair back, loads A20, saves it as DOEL; the overwrite question's Yes, on its way."""
            for naam in set(os.listdir(map)) - set(pad):
                os.remove(os.path.join(map, naam))
            for data, naam in zip(oud, ('DOEL.pzl', 'DOEL.bmp')):
                schrijf(pad[naam], data)
            p.laad()
            p.sla_op(p.venster(r'^ Wendolo$'), 'DOEL', wacht=False)
            p.toetsenbord(p.venster(r'^ File exist$'))
            return subprocess.Popen(['xdotool', 'key', 'Return'], env=p.env)

        def kill_en_lijst():
            """DOEL's pair once a new run has opened its load list, which settles a broken save."""
            p.doden()
            p.commando(p.start(), 'Load')
            p.venster(r'^ Load puzzel$')
            return lees(pad['DOEL.pzl']), lees(pad['DOEL.bmp'])

        # One save left to finish: the new pair, and how long a save takes
        # (until the new picture, a new file, is renamed into place).
        kill_en_lijst()
        voor = os.stat(pad['DOEL.bmp']).st_ino
        toets = begin()
        start = time.perf_counter()
        while time.perf_counter() - start < 10 and os.stat(pad['DOEL.bmp']).st_ino == voor:
            time.sleep(0.0002)
        duur = time.perf_counter() - start
        toets.wait()
        time.sleep(0.5)
        nieuw = kill_en_lijst()
        verwacht(nieuw[0] == NIEUW and nieuw[1] not in (None, oud[1]), 'the finished save did not write the new pair')

        rng = random.Random(int(os.environ.get('WENDOLO_KILLSAVE_ZAAD', '6')))
        uitkomsten, fouten = {}, []
        for proef in range(1, KEER + 1):
            toets = begin()
            wacht = rng.uniform(0, 1.5 * duur)
            time.sleep(wacht)
            paar = kill_en_lijst()
            toets.wait()
            soort = tuple('old' if d == o else 'new' if d == n else 'BROKEN' for d, o, n in zip(paar, oud, nieuw))
            uitkomsten[soort] = uitkomsten.get(soort, 0) + 1
            rest = sorted(set(os.listdir(map)) - set(pad))
            if soort[0] != soort[1] or 'BROKEN' in soort or rest:
                fouten.append(f'trial {proef}, killed {wacht * 1000:.1f} ms after Yes: {soort}, left {rest}')
        print(f'kill during save, {KEER} trials, a save taking {duur * 1000:.1f} ms: (.pzl, .bmp) {uitkomsten}')
        verwacht(not fouten, '\n'.join(fouten))


if __name__ == '__main__':
    journey()
