"""A dark desktop theme (GTK's Adwaita dark) changes nothing: the main window,
the load dialog and the help page look the same, pixel for pixel."""
from harness import Programma, lees_beeld, verwacht

DONKER = {'QT_QPA_PLATFORMTHEME': 'gtk3', 'GTK_THEME': 'Adwaita:dark'}


def schermen(thema):
    with Programma(bestanden={'puzzels/a.pzl': b'', 'puzzels/b.pzl': b''}) as p:
        p.env.update(thema)
        main = p.start()
        beelden = {'main': lees_beeld(p.screenshot('thema-main'))}
        p.commando(main, 'Load')
        load = p.venster(r'^ Load puzzel$')
        beelden['load'] = lees_beeld(p.screenshot('thema-load'))
        p.klik(load, 154 + 4 + 16, 262 - 2 + 12)  # Exit
        p.weg(r'^ Load puzzel$')
        p.commando(main, 'Help')
        beelden['help'] = lees_beeld(p.screenshot('thema-help'))
        return beelden


def journey():
    licht, donker = schermen({}), schermen(DONKER)
    for naam, beeld in licht.items():
        verwacht(beeld.data == donker[naam].data, f'the {naam} window differs under a dark theme')


if __name__ == '__main__':
    journey()
