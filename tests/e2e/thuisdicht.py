"""The installed copy run by a user whose home cannot be written: the
program starts and works, and Save, Print (to the PDF), Html and the
settings at Einde each say which path they could not write; nothing lands
anywhere, nothing is opened, and the program ends cleanly."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from geinstalleerd import einde, nieuw
from harness import draai, verwacht
from pakket import Geinstalleerd


def journey():
    with Geinstalleerd(thuis_schrijfbaar=False) as p:
        d, ini = p.gegevens, p.instellingen
        main = p.start()
        nieuw(p, main, 'water')

        p.commando(main, 'Save')
        p.toets(p.venster(r'^ Save puzzel$'), 'Return')
        tekst = p.melding()
        verwacht(f'de map {d}/puzzels kon niet worden aangemaakt' in tekst, f'Save said {tekst!r}')

        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.klik(dlg, 228, 167, rust=0.4)  # OkKnop
        tekst = p.melding()
        verwacht(f'Het bestand {d}/wendolo.pdf kan niet worden geschreven' in tekst, f'Print said {tekst!r}')
        p.klik(dlg, 278, 167, rust=0.6)  # ExitKnop
        p.weg(r'^ Afdrukken$')

        p.commando(main, 'Html')
        tekst = p.melding()
        verwacht(f'het bestand {d}/puzzel.bmp kon niet worden geschreven' in tekst, f'Html said {tekst!r}')

        p.commando(main, 'Einde')
        p.toets(p.venster(r'^ Exit$'), 'Return')
        tekst = p.melding()
        verwacht(f'opgeslagen in {ini}.' in tekst, f'Einde said {tekst!r}')
        verwacht(p.wacht_op_einde() == 0, 'the program did not end cleanly')

        verwacht(os.listdir(p.thuis) == [], f'the home holds {os.listdir(p.thuis)}')
        verwacht(p.geopende() == [], f'opened: {p.geopende()}')
        p.boom_ongewijzigd()


if __name__ == '__main__':
    draai(journey)
