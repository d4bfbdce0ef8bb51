"""The package unpacked into a private read-only tree, run as an ordinary user
with a home of its own: Zoeken reads the installed library or the user's own,
Save and the settings land in the home, Load finds them, the tree stays as it
was. WENDOLO_JOURNEY=thuisdicht runs the journey with a home that cannot be written."""
import glob
import os
import pwd
import shutil
import subprocess

from harness import EXIT, OK, Programma, lees_beeld, run, schrijf, verwacht, wacht

EIGEN_WOORD = 'wzqzw'  # in no Dutch word list


def afdruk(boom):
    """Every path under boom with its mode, owner, size, time and link."""
    return set(run('find', boom, '-printf', r'%P %m %U %s %T@ %l\n').splitlines())


class Geinstalleerd(Programma):
    def __init__(self, thuis_schrijfbaar=True):
        super().__init__(map='')
        # The user reaches the tree, the home and the stub opener through here.
        os.chmod(self.tmp, 0o755)
        pakket = os.environ.get('WENDOLO_PAKKET') or max(glob.glob('wendolo_*_amd64.deb'), key=os.path.getmtime,
                                                          default=None)
        verwacht(pakket, f'no wendolo_*_amd64.deb in {os.getcwd()}: run cpack -G DEB there first')
        self.boom = os.path.join(self.tmp, 'boom')
        run('dpkg-deb', '-x', pakket, self.boom)
        run('chmod', '-R', 'a-w', self.boom)
        self.voor = afdruk(self.boom)
        self.map = os.path.join(self.boom, 'usr', 'bin')
        nobody = pwd.getpwnam('nobody')  # root could write the tree
        self.gebruiker = (nobody.pw_uid, nobody.pw_gid) if os.geteuid() == 0 else None
        self.thuis = os.path.join(self.tmp, 'thuis')
        os.mkdir(self.thuis, 0o755 if thuis_schrijfbaar else 0o555)
        if thuis_schrijfbaar:
            self.als_gebruiker(self.thuis)
        self.gegevens = os.path.join(self.thuis, '.local', 'share', 'wendolo')
        self.instellingen = os.path.join(self.thuis, '.config', 'wendolo', 'Wendolo.ini')
        # A style sheet, which any Qt program takes, lets melding() copy a box's text.
        self.stijl = os.path.join(self.tmp, 'kopieerbaar.qss')
        schrijf(self.stijl, b'QMessageBox { messagebox-text-interaction-flags: 3; }\n')
        os.chmod(self.stijl, 0o644)
        self.env = {k: v for k, v in self.env.items() if not k.startswith('XDG_')}
        self.env['HOME'] = self.thuis
        self.opdracht = [os.path.join(self.map, 'wendolo'), '-stylesheet', self.stijl]
        if self.gebruiker:
            uid, gid = self.gebruiker
            self.opdracht = ['setpriv', f'--reuid={uid}', f'--regid={gid}', '--clear-groups', '--'] + self.opdracht

    def als_gebruiker(self, pad):
        if self.gebruiker:
            os.chown(pad, *self.gebruiker)

    def boom_ongewijzigd(self):
        anders = sorted(self.voor ^ afdruk(self.boom))
        verwacht(not anders, f'the installed tree changed: {anders[:5]}')

    def __exit__(self, soort, *rest):
        subprocess.run(['chmod', '-R', 'u+w', self.boom])
        os.chmod(self.thuis, 0o755)
        return super().__exit__(soort, *rest)


def van_bestandsbeheer(p, water, ontworpen):
    """What a file manager does with a saved puzzle: its type, its thumbnail
    without a display, and the program opened on it; a file argument that is
    no puzzle gives Load's message and leaves the board as it starts."""
    share = os.path.join(p.boom, 'usr', 'share')
    mime = os.path.join(p.tmp, 'mime')
    shutil.copytree(os.path.join(share, 'mime'), os.path.join(mime, 'mime'))
    run('update-mime-database', os.path.join(mime, 'mime'))
    xdg = dict(os.environ, XDG_DATA_DIRS=f'{mime}:/usr/share', XDG_DATA_HOME=mime)
    for vraag in (['xdg-mime', 'query', 'filetype', water], ['gio', 'info', '-a', 'standard::content-type', water]):
        uit = subprocess.run(vraag, env=xdg, capture_output=True, text=True).stdout
        verwacht('application/x-wendolo-puzzel' in uit, f'{vraag[0]} says {uit!r}')
    desktop = os.path.join(share, 'applications', 'nl.wendolo.Wendolo.desktop')
    run('desktop-file-validate', desktop)
    verwacht('MimeType=application/x-wendolo-puzzel;' in open(desktop).read(), 'the menu entry declares no type')

    with open(os.path.join(share, 'thumbnailers', 'wendolo.thumbnailer')) as f:
        regel = next(r for r in f if r.startswith('Exec='))
    duim = os.path.join(p.thuis, 'duim.png')
    woorden = [{'%i': water, '%o': duim, '%s': '128'}.get(w, w) for w in regel[5:].split()]
    opdracht = p.opdracht[:-3] + [os.path.join(p.map, woorden[0])] + woorden[1:]
    zonder = {k: v for k, v in p.env.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
    subprocess.run(opdracht, env=zonder, check=True, timeout=30, capture_output=True)
    beeld = lees_beeld(duim)
    verwacht(max(beeld.breedte, beeld.hoogte) == 128, f'the thumbnail is {beeld.breedte} x {beeld.hoogte}')

    basis = list(p.opdracht)
    main = p.start()
    leeg = p.bord(main, 'bestand-start').data
    p.doden()
    p.opdracht = basis + [water]
    main = p.start()
    wacht(lambda: p.bord(main, 'bestand-geopend').stuk(0, 0, 460, 449).data == ontworpen,
          'wendolo FILE.pzl does not show the puzzle', timeout=5, stap=0.3)
    p.doden()

    kapot = os.path.join(p.tmp, 'kapot.pzl')
    schrijf(kapot, b'"Wendolo trappuzzel"\r\n1,2')
    groot = os.path.join(p.tmp, 'groot.pzl')
    schrijf(groot, open(water, 'rb').read() + b' ' * (1 << 20))
    pijp = os.path.join(p.tmp, 'pijp.pzl')
    os.mkfifo(pijp, 0o644)
    for pad in (kapot, groot):
        os.chmod(pad, 0o644)
    for pad in (kapot, groot, pijp, os.path.join(p.tmp, 'weg.pzl')):
        p.opdracht = basis + [pad]
        main = p.start()
        p.melding('Return', 'Selecteer eerst een puzzel!', r'^ Error$')
        verwacht(p.bord(main, 'bestand-fout').data == leeg, f'{pad} changed the board')
        p.doden()
    p.opdracht = basis


def journey():
    with Geinstalleerd() as p:
        d = p.gegevens
        with open(os.path.join(p.boom, 'usr/share/wendolo/library.lib'), 'rb') as f:
            bibliotheek = set(f.read().decode('cp1252').lower().split())

        main = p.start()
        p.nieuw(main, 'water')
        for i, positie in ((1, 2), (2, 3)):
            p.rij(main, i, positie, f'omschrijving {i}')
        # The board left of the row buttons, which lie on it as controls.
        ontworpen = p.bord(main, 'geinstalleerd-ontwerp').stuk(0, 0, 460, 449).data
        p.sla_op(main, 'water')
        with open(os.path.join(d, 'puzzels', 'water.pzl'), 'rb') as f:
            regels = f.read().split(b'\r\n')
        for i in (1, 2):
            # The list shows a name with its capitals, as the library writes it.
            verwacht(regels[4 + i].split(b'"')[1].decode().lower() in bibliotheek, f'row {i} is {regels[4 + i]!r}')
        p.einde(main)

        main = p.start()
        p.laad(main)
        verwacht(p.bord(main, 'geinstalleerd-geladen').stuk(0, 0, 460, 449).data == ontworpen,
                 'the loaded board differs')

        schrijf(os.path.join(d, 'library.lib'), EIGEN_WOORD.encode() + b'\r\n')
        p.als_gebruiker(os.path.join(d, 'library.lib'))
        p.nieuw(main, 'water')
        p.rij(main, 1, 1, 'omschrijving 1')
        p.sla_op(main, 'eigen')
        with open(os.path.join(d, 'puzzels', 'eigen.pzl'), 'rb') as f:
            verwacht(f',"{EIGEN_WOORD}",'.encode() in f.read(), 'the own library was not read')
        p.einde(main)

        geschreven = sorted(run('find', p.thuis, '-type', 'f', '-not', '-path', '*/.cache/*', '-printf', '%P ').split())
        verwacht(geschreven == ['.config/wendolo/Wendolo.ini'] + ['.local/share/wendolo/' + b for b in (
                 'library.lib puzzels/eigen.bmp puzzels/eigen.pzl puzzels/water.bmp puzzels/water.pzl').split()],
                 f'the home holds {geschreven}')
        p.boom_ongewijzigd()
        van_bestandsbeheer(p, os.path.join(d, 'puzzels', 'water.pzl'), ontworpen)


def thuisdicht():
    """A home that cannot be written: Save, Print (to the PDF), Html and the
    settings at Einde each say which path they could not write; nothing lands
    anywhere, nothing is opened, and the program ends cleanly."""
    with Geinstalleerd(thuis_schrijfbaar=False) as p:
        d = p.gegevens
        main = p.start()
        p.nieuw(main, 'water', wacht=False)
        p.melding('Return', f'in de map {p.thuis}/.local/state/wendolo')

        p.sla_op(main, 'water', wacht=False)
        p.melding('Escape', f'de map {d}/puzzels kon niet worden aangemaakt')
        p.commando(main, 'Print')
        dlg = p.venster(r'^ Afdrukken$')
        p.klik(dlg, *OK, rust=0.4)
        p.melding('Escape', f'Het bestand {d}/wendolo.pdf kan niet worden geschreven')
        p.klik(dlg, *EXIT, rust=0.6)
        p.weg(r'^ Afdrukken$')
        p.commando(main, 'Html')
        p.melding('Escape', f'het bestand {d}/puzzel.bmp kon niet worden geschreven')
        p.commando(main, 'Einde')
        p.toets(p.venster(r'^ Exit$'), 'Return')
        p.melding('Escape', f'opgeslagen in {p.instellingen}.')
        verwacht(p.proc.wait(10) == 0, 'the program did not end cleanly')

        verwacht(os.listdir(p.thuis) == [], f'the home holds {os.listdir(p.thuis)}')
        verwacht(os.path.getsize(p.geopend) == 0, 'something was opened')
        p.boom_ongewijzigd()


if __name__ == '__main__':
    (thuisdicht if os.environ.get('WENDOLO_JOURNEY') == 'thuisdicht' else journey)()
