"""An installed copy for the journeys: the Debian package the build made
(cpack) unpacked with dpkg-deb into a private, read-only tree, never into
the machine's system, and its bin/wendolo started as an unprivileged user
(nobody, when the journey runs as root, who could write the tree) with a
home of its own and no XDG_* variables. The program is given a style sheet
on its command line, as any Qt program takes one, that lets the text of a
message box be selected, so a journey can copy what a box says.

    with Geinstalleerd() as p:
        main = p.start()
        ...
        p.boom_ongewijzigd()
"""
import glob
import hashlib
import os
import pwd
import stat
import subprocess

from harness import Fout, Programma, verwacht


def pakket():
    """The package the tests name, or the newest one in the build folder."""
    if os.environ.get('WENDOLO_PAKKET'):
        return os.environ['WENDOLO_PAKKET']
    debs = sorted(glob.glob(os.path.join(os.getcwd(), 'wendolo_*_amd64.deb')), key=os.path.getmtime)
    if not debs:
        raise Fout(f'no wendolo_*_amd64.deb in {os.getcwd()}: run cpack -G DEB there first')
    return debs[-1]


def afdruk(boom):
    """Every path under boom with its mode and contents, for a comparison."""
    uit = {}
    for map, mappen, bestanden in os.walk(boom):
        for naam in mappen + bestanden:
            pad = os.path.join(map, naam)
            st = os.lstat(pad)
            inhoud = os.readlink(pad) if stat.S_ISLNK(st.st_mode) else None
            if stat.S_ISREG(st.st_mode):
                with open(pad, 'rb') as f:
                    inhoud = hashlib.sha256(f.read()).hexdigest()
            uit[os.path.relpath(pad, boom)] = (st.st_mode, st.st_uid, inhoud)
    return uit


def zet_schrijfbaar(boom, aan):
    for map, mappen, bestanden in os.walk(boom):
        for pad in [map] + [os.path.join(map, b) for b in bestanden]:
            if not os.path.islink(pad):
                modus = os.stat(pad).st_mode
                os.chmod(pad, modus | stat.S_IWUSR if aan else modus & ~0o222)


class Geinstalleerd(Programma):
    def __init__(self, thuis_schrijfbaar=True):
        super().__init__(map='', start=False)
        # The user reaches the tree, the home and the stub opener through here.
        os.chmod(self.tmp, 0o755)
        self.boom = os.path.join(self.tmp, 'boom')
        subprocess.run(['dpkg-deb', '-x', pakket(), self.boom], check=True)
        zet_schrijfbaar(self.boom, False)
        self.voor = afdruk(self.boom)
        self.map = os.path.join(self.boom, 'usr', 'bin')
        self.gebruiker = None
        if os.geteuid() == 0:
            nobody = pwd.getpwnam('nobody')
            self.gebruiker = (nobody.pw_uid, nobody.pw_gid)
        self.thuis = os.path.join(self.tmp, 'thuis')
        os.mkdir(self.thuis, 0o755)
        if not thuis_schrijfbaar:
            os.chmod(self.thuis, 0o555)
        elif self.gebruiker:
            os.chown(self.thuis, *self.gebruiker)
        self.gegevens = os.path.join(self.thuis, '.local', 'share', 'wendolo')
        self.instellingen = os.path.join(self.thuis, '.config', 'wendolo', 'Wendolo.ini')
        with open(self.geopend, 'a'):
            pass
        os.chmod(self.geopend, 0o666)
        self.stijl = os.path.join(self.tmp, 'kopieerbaar.qss')
        with open(self.stijl, 'w') as f:
            f.write('QMessageBox { messagebox-text-interaction-flags: 3; }\n')
        os.chmod(self.stijl, 0o644)

    def start(self):
        env = {k: v for k, v in self.env.items() if not k.startswith('XDG_')}
        env['HOME'] = self.thuis
        opdracht = [os.path.join(self.map, 'wendolo'), '-stylesheet', self.stijl]
        if self.gebruiker:
            uid, gid = self.gebruiker
            opdracht = ['setpriv', f'--reuid={uid}', f'--regid={gid}', '--clear-groups', '--'] + opdracht
        self.proc = subprocess.Popen(opdracht, env=env, cwd='/', stdout=subprocess.DEVNULL,
                                     stderr=open(os.path.join(self.tmp, 'stderr.txt'), 'a'))
        return self.venster(r'^ Wendolo$')

    def als_gebruiker(self, pad):
        """Gives a file the journey made to the program's user."""
        if self.gebruiker:
            os.chown(pad, *self.gebruiker)

    def boom_ongewijzigd(self):
        na = afdruk(self.boom)
        anders = sorted(k for k in set(self.voor) | set(na) if self.voor.get(k) != na.get(k))
        verwacht(not anders, f'the installed tree changed: {anders[:5]}')

    def melding(self, titel=r'^Wendolo$'):
        """The text of the message box with that title, selected and copied;
        then the box is closed."""
        box = self.venster(titel)
        self.klik(box, 60, 16)  # into the text, which lies at the top left
        self.toets(box, 'ctrl+a', 'ctrl+c')
        tekst = subprocess.run(['xclip', '-o', '-selection', 'clipboard'], env=self.env, capture_output=True,
                               text=True, timeout=10).stdout
        self.toets(box, 'Escape')
        self.weg(titel)
        return tekst

    def __exit__(self, soort, *rest):
        if os.path.isdir(self.boom):
            zet_schrijfbaar(self.boom, True)
        os.chmod(self.thuis, 0o755)
        return super().__exit__(soort, *rest)
