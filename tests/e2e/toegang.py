"""A screen reader's path: a whole puzzle designed, saved and printed through
the accessibility tree alone (AT-SPI), with no click or key; every focusable
object named, captions not read twice. Runs under its own session bus."""
import os
import signal
import subprocess
import time

os.environ['QT_LINUX_ACCESSIBILITY_ALWAYS_ON'] = '1'
import pyatspi  # noqa: E402  (Debian's python3-pyatspi)
from gi.repository import GLib  # noqa: E402

from harness import Programma, verwacht, wacht  # noqa: E402

COMMANDO = 'Nieuw Load Save Print Tools Help Html Einde'.split()
LIB = b'zwaan\r\nappel\r\nmotor\r\nlepel\r\nbrood\r\n'
RIJEN = [(1, 2, 'zwaan', 'Vogel'), (2, 1, 'appel', 'Fruit'), (3, 3, 'motor', 'Aandrijving'), (4, 4, 'lepel', 'Bestek'),
         (5, 2, 'brood', 'Gebakken')]


def zoek(wortel, rol, naam=None):
    """Every descendant with the role, and the name when one is given."""
    return pyatspi.findAllDescendants(wortel, lambda o: o.getRoleName() == rol and (naam is None or o.name == naam))


def een(wortel, rol, naam=None, timeout=10):
    gevonden = []
    wacht(lambda: gevonden.extend(zoek(wortel, rol, naam)) or gevonden, f'no {rol} {naam!r}', timeout)
    return gevonden[0]


def venster(naam):
    return een(pyatspi.Registry.getDesktop(0), 'dialog', naam)


def items(lijst):
    return [lijst.getChildAtIndex(i).name for i in range(lijst.childCount)]


def druk(knop):
    actie = knop.queryAction()
    namen = [actie.getName(i) for i in range(actie.nActions)]
    verwacht('Press' in namen, f'{knop.name} has no press action')
    actie.doAction(namen.index('Press'))


def typ(veld, tekst):
    veld.queryEditableText().setTextContents(tekst)


def naamloos(wortel):
    """The focusable objects a screen reader could only call by their role."""
    return [o.getRoleName() for o in pyatspi.findAllDescendants(wortel, lambda o: True)
            if o.getState().contains(pyatspi.STATE_FOCUSABLE) and o.getState().contains(pyatspi.STATE_SHOWING)
            and not o.name]


def journey():
    # In a group of its own, so the bus it starts and the registry that bus
    # starts end with it and hold none of the test runner's pipes open.
    bus = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, start_new_session=True)
    gehoord = []
    pyatspi.Registry.registerEventListener(lambda e: gehoord.append(e.source.name),
                                           'object:property-change:accessible-name')
    try:
        with Programma(bestanden={'library.lib': LIB}) as p:
            p.start()
            wacht(lambda: any(a and a.name == 'Wendolo' for a in pyatspi.Registry.getDesktop(0)),
                  'the program is not on the accessibility bus')
            app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Wendolo')

            knoppen = zoek(app, 'push button')
            verwacht([k.name for k in knoppen[:8]] == COMMANDO, f'the commands are {[k.name for k in knoppen[:8]]}')
            dubbel = [o.name for o in pyatspi.findAllDescendants(app, lambda o: o.name in COMMANDO)
                      if o.getRoleName() != 'push button']
            verwacht(not dubbel, f'the captions are read again: {dubbel}')
            status = een(app, 'status bar')

            druk(knoppen[0])
            start = venster(' Nieuwe puzzel ontwerpen')
            verwacht('aaneengesloten' in start.description, 'the dialog does not describe what to type')
            typ(een(start, 'text', 'Zoekwoord'), 'water')
            druk(een(start, 'push button', 'Ok'))
            wacht(lambda: items(een(app, 'list', 'Puzzelbord'))[:5] == [f'rij {i}: leeg' for i in range(1, 6)],
                  'the board does not list its five empty rows')
            eind = time.time() + 3
            while not any('Klik' in g for g in gehoord) and time.time() < eind:
                GLib.MainContext.default().iteration(False)
            verwacht(status.name.startswith('Klik voor het invullen') and any('Klik' in g for g in gehoord),
                     'the information line was not announced')

            for i, positie, woord, omschrijving in RIJEN:
                druk(een(app, 'push button', f'Woord {i}'))
                dlg = venster(f' Puzzelwoord {i}')
                hokjes = een(dlg, 'list', 'Hokjes')
                verwacht(items(hokjes) == [f'hokje {k} van 5' for k in range(1, 6)], 'the preview does not list its boxes')
                druk(hokjes.getChildAtIndex(positie - 1))
                wacht(lambda: 'gekozen voor de letter' in hokjes.getChildAtIndex(positie - 1).name,
                      'the chosen box does not say so')
                if i == 1:
                    verwacht(not naamloos(dlg) and not naamloos(app), f'nameless: {naamloos(dlg) + naamloos(app)}')
                druk(een(dlg, 'push button', 'Zoeken'))
                wacht(lambda: [lijst for lijst in zoek(dlg, 'list') if lijst.name.endswith(' woorden')
                               and lijst.name != '0 woorden'], 'Zoeken found nothing')
                lijst = next(lijst for lijst in zoek(dlg, 'list') if lijst.name.endswith(' woorden'))
                # Qt's lists offer no selection interface: the entry's own action selects it.
                entry = next(lijst.getChildAtIndex(k) for k in range(lijst.childCount)
                             if lijst.getChildAtIndex(k).name == woord)
                actie = entry.queryAction()
                namen = [actie.getName(k) for k in range(actie.nActions)]
                verwacht('Toggle' in namen, f'the entry {entry.name!r} offers {namen}')
                actie.doAction(namen.index('Toggle'))
                veld = een(dlg, 'text', 'Puzzelwoord')
                wacht(lambda: veld.queryText().getText(0, -1) == woord, f'the list did not give {woord}')
                druk(een(dlg, 'push button', 'Ok'))
                vraag = venster(' Omschrijving')
                typ(een(vraag, 'text'), omschrijving)
                druk(een(vraag, 'push button', 'OK'))
                wacht(lambda: een(app, 'list', 'Puzzelbord').getChildAtIndex(i - 1).name.startswith(f'rij {i}: {woord}'),
                      f'the board does not read row {i}')

            druk(een(app, 'push button', 'Save'))
            vraag = venster(' Save puzzel')
            typ(een(vraag, 'text'), 'water')
            druk(een(vraag, 'push button', 'OK'))
            pzl = os.path.join(p.map, 'puzzels', 'water.pzl')
            wacht(lambda: os.path.exists(pzl), 'nothing was saved')
            with open(pzl, 'rb') as f:
                regels = f.read().decode('cp1252').split('\r\n')
            verwacht(regels[5:10] == [f'{262 - 22 * pos},"{w}","{o}"' for _, pos, w, o in RIJEN], f'saved {regels[5:10]}')

            druk(een(app, 'push button', 'Print'))
            dlg = venster(' Afdrukken')
            verwacht(not naamloos(dlg), f'nameless in the print dialog: {naamloos(dlg)}')
            druk(een(dlg, 'push button', 'Print'))
            p.wacht_geopend('file://' + os.path.join(p.map, 'wendolo.pdf'))
            druk(een(dlg, 'push button', 'Exit'))
            p.weg(r'^ Afdrukken$')

            druk(een(app, 'push button', 'Einde'))
            vraag = een(pyatspi.Registry.getDesktop(0), 'alert', ' Exit')
            verwacht(any('Wilt u met dit programma stoppen?' in o.name for o in zoek(vraag, 'label')),
                     'the question box does not read its text')
            druk(een(vraag, 'push button', 'Ja'))
            verwacht(p.proc.wait(10) == 0, 'the program did not end cleanly')
    finally:
        os.killpg(bus.pid, signal.SIGKILL)


if __name__ == '__main__':
    journey()
