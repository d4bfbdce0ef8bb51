"""A screen reader's path through the program, as AT-SPI shows it: the
commands are push buttons that a press action works, their captions are not
read twice, the board and the preview list what they show, the information
line is a status bar, and a message box gives its title and text. Runs under
its own session bus with the accessibility bus started (see CMakeLists)."""
import os
import signal
import subprocess
import time

os.environ['QT_LINUX_ACCESSIBILITY_ALWAYS_ON'] = '1'
import pyatspi  # noqa: E402  (Debian's python3-pyatspi)
from gi.repository import GLib  # noqa: E402

from harness import Programma, verwacht, wacht  # noqa: E402

COMMANDO = 'Nieuw Load Save Print Tools Help Html Einde'.split()


def zoek(wortel, rol, naam=None):
    """Every descendant with the role, and the name when one is given."""
    return pyatspi.findAllDescendants(wortel, lambda o: o.getRoleName() == rol and (naam is None or o.name == naam))


def een(wortel, rol, naam=None, timeout=10):
    gevonden = []
    wacht(lambda: gevonden.extend(zoek(wortel, rol, naam)) or gevonden, f'no {rol} {naam!r}', timeout)
    return gevonden[0]


def items(lijst):
    return [lijst.getChildAtIndex(i).name for i in range(lijst.childCount)]


def druk(knop):
    actie = knop.queryAction()
    namen = [actie.getName(i) for i in range(actie.nActions)]
    verwacht('Press' in namen, f'{knop.name} has no press action')
    actie.doAction(namen.index('Press'))


def journey():
    # In a group of its own, so the bus it starts and the registry that bus
    # starts end with it and hold none of the test runner's pipes open.
    bus = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, start_new_session=True)
    gehoord = []
    pyatspi.Registry.registerEventListener(lambda e: gehoord.append(e.source.name),
                                           'object:property-change:accessible-name')
    try:
        with Programma(bestanden={'library.lib': b'zwaan\r\nappel\r\n'}) as p:
            p.start()
            app = None
            wacht(lambda: (app := next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Wendolo'), None)),
                  'the program is not on the accessibility bus')
            app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Wendolo')

            knoppen = zoek(app, 'push button')
            verwacht([k.name for k in knoppen[:8]] == COMMANDO, f'the commands are {[k.name for k in knoppen[:8]]}')
            dubbel = [o.name for o in pyatspi.findAllDescendants(app, lambda o: o.name in COMMANDO)
                      if o.getRoleName() != 'push button']
            verwacht(not dubbel, f'the captions are read again: {dubbel}')
            status = een(app, 'status bar')

            druk(knoppen[0])
            start = een(pyatspi.Registry.getDesktop(0), 'dialog', ' Nieuwe puzzel ontwerpen')
            veld = een(start, 'text', 'Zoekwoord')
            verwacht('aaneengesloten' in start.description, 'the dialog does not describe what to type')
            veld.queryEditableText().setTextContents('water')
            druk(een(start, 'push button', 'Ok'))

            wacht(lambda: items(een(app, 'list', 'Puzzelbord'))[:6] == [f'rij {i}: leeg' for i in range(1, 6)] + [''],
                  'the board does not list its five empty rows')
            eind = time.time() + 3
            while 'Klik voor het invullen' not in ''.join(gehoord) and time.time() < eind:
                GLib.MainContext.default().iteration(False)
            verwacht(status.name.startswith('Klik voor het invullen') and any('Klik' in g for g in gehoord),
                     'the information line was not announced')

            druk(een(app, 'push button', 'Woord 1'))
            dlg = een(pyatspi.Registry.getDesktop(0), 'dialog', ' Puzzelwoord 1')
            hokjes = een(dlg, 'list', 'Hokjes')
            verwacht(items(hokjes) == [f'hokje {i} van 5' for i in range(1, 6)],
                     'the preview does not list its boxes')
            for rol, naam in (('scroll bar', 'Lengte puzzelwoord is 5 letters'), ('text', 'Puzzelwoord')):
                een(dlg, rol, naam)
            verwacht(any(lijst.name.endswith('woorden') for lijst in zoek(dlg, 'list')), 'the word list has no name')
            druk(een(dlg, 'push button', 'Exit'))
            p.weg(r'^ Puzzelwoord 1$')

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
