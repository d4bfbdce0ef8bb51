"""The installed copy run by a user whose home cannot be written: the
program starts and works, and Save, Print (to the PDF), Html and the
settings at Einde each say which path they could not write; nothing lands
anywhere, nothing is opened, and the program ends cleanly."""
import os

from geinstalleerd import Geinstalleerd
from harness import EXIT, OK, draai, verwacht


def journey():
    with Geinstalleerd(thuis_schrijfbaar=False) as p:
        d = p.gegevens
        main = p.start()
        p.nieuw(main, 'water')

        def zegt(stap, tekst):
            gezegd = p.melding('Escape', lees=True)
            verwacht(tekst in gezegd, f'{stap} said {gezegd!r}')

        p.sla_op(main, 'water', wacht=False)
        zegt('Save', f'de map {d}/puzzels kon niet worden aangemaakt')
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.klik(dlg, *OK, rust=0.4)
        zegt('Print', f'Het bestand {d}/wendolo.pdf kan niet worden geschreven')
        p.klik(dlg, *EXIT, rust=0.6)
        p.weg(r'^ Afdrukken$')
        p.commando(main, 'Html')
        zegt('Html', f'het bestand {d}/puzzel.bmp kon niet worden geschreven')
        p.commando(main, 'Einde')
        p.toets(p.venster(r'^ Exit$'), 'Return')
        zegt('Einde', f'opgeslagen in {p.instellingen}.')
        verwacht(p.proc.wait(10) == 0, 'the program did not end cleanly')

        verwacht(os.listdir(p.thuis) == [], f'the home holds {os.listdir(p.thuis)}')
        verwacht(p.geopende() == [], f'opened: {p.geopende()}')
        p.boom_ongewijzigd()


if __name__ == '__main__':
    draai(journey)
