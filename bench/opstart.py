"""Start-up benchmark: the time from process start until the program's
window is on the screen with its first drawing, and the peak memory at that
moment, of the program and of a bare Qt window (with and without one line
of text), in the same run under one Xvfb, starts interleaved.

    /usr/bin/python3 bench/opstart.py APPDIR KAAL_VENSTER [starts]

Everything is seen from outside, so the programs run as shipped. This
script is an X client of its own that watches the root window for the
program's top-level window to be mapped. A Qt window has no background of
its own (Qt sets it to None), so once mapped it shows what lay under it,
the root's pattern, until Qt puts its first frame on the screen in one
piece. One row of pixels across the window's middle is therefore read
every half millisecond; the first time it differs from the root's pattern
at that place is the first drawing. The processor time the program's
threads have run so far and its peak memory (VmHWM) are read from /proc at
that moment; then the program is ended. On a busy machine the processor
time varies much less than the elapsed time.
"""
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
from xscherm import GeenScherm, start_xvfb, stop_xvfb  # noqa: E402

WACHT = 10  # seconds a program may take before it counts as failed


class Scherm:
    """The benchmark's own connection to the X server."""

    def __init__(self, nummer):
        self.d = display.Display(f':{nummer}')
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        geo = self.root.get_geometry()
        self.breed = geo.width
        # The root's pattern, read while no window lies on it.
        self.achtergrond = self.root.get_image(0, 0, geo.width, geo.height, X.ZPixmap, 0xffffffff).data
        self.d.sync()

    def gebeurtenis(self, tot):
        """The next event, or None once the clock passes tot."""
        while not self.d.pending_events():
            over = tot - time.perf_counter()
            if over <= 0:
                return None
            select.select([self.d], [], [], over)
        return self.d.next_event()

    def rij_van_root(self, x, y, breed):
        begin = (y * self.breed + x) * 4
        return self.achtergrond[begin:begin + breed * 4]


def eens(opdracht, env, cwd, scherm):
    """One start: seconds to the first drawing, processor seconds used by
    then, and the peak memory in kB."""
    begin = time.perf_counter()
    proc = subprocess.Popen(opdracht, env=env, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    tot = begin + WACHT
    try:
        venster = None
        while venster is None:
            e = scherm.gebeurtenis(tot)
            if e is None:
                sys.exit(f'opstart: {opdracht[0]} showed no window (exit {proc.poll()})')
            if e.type == X.MapNotify and e.event == scherm.root:
                venster = e.window
        geo = venster.get_geometry()
        y = geo.height // 2
        root = scherm.rij_van_root(geo.x, geo.y + y, geo.width)
        while venster.get_image(0, y, geo.width, 1, X.ZPixmap, 0xffffffff).data == root:
            if time.perf_counter() > tot:
                sys.exit(f'opstart: {opdracht[0]} drew nothing in its window')
            time.sleep(0.0005)
        tijd = time.perf_counter() - begin
        rekentijd, geheugen = verbruik(proc.pid)
    finally:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(WACHT)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    # The next start must find the root bare again.
    while (e := scherm.gebeurtenis(time.perf_counter() + WACHT)) is not None:
        if e.type == X.DestroyNotify and e.window == venster:
            break
    return tijd, rekentijd, geheugen


def verbruik(pid):
    """Seconds on a processor, summed over the threads, and VmHWM in kB."""
    rekentijd = 0
    for draad in os.listdir(f'/proc/{pid}/task'):
        with open(f'/proc/{pid}/task/{draad}/schedstat') as f:
            rekentijd += int(f.read().split()[0]) / 1e9
    with open(f'/proc/{pid}/status') as status:
        for regel in status:
            if regel.startswith('VmHWM:'):
                return rekentijd, int(regel.split()[1])
    return rekentijd, 0


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    appmap, kaal = sys.argv[1], os.path.abspath(sys.argv[2])
    keer = int(sys.argv[3]) if len(sys.argv) > 3 else 20

    tmp = tempfile.mkdtemp(prefix='wendolo-bench-')
    map = os.path.join(tmp, 'app')
    os.makedirs(os.path.join(map, 'puzzels'))
    for naam in ('wendolo', 'library.lib', 'help.htm'):
        if os.path.exists(os.path.join(appmap, naam)):
            shutil.copy2(os.path.join(appmap, naam), map)
    wendolo = os.path.join(map, 'wendolo')

    try:
        xvfb, nummer = start_xvfb()
    except GeenScherm as e:
        sys.exit(f'opstart: {e}')
    env = dict(os.environ, DISPLAY=f':{nummer}')
    for weg in ('QT_QPA_PLATFORM', 'WAYLAND_DISPLAY', 'DBUS_SESSION_BUS_ADDRESS'):
        env.pop(weg, None)
    bus = None
    uitslagen = []
    try:
        scherm = Scherm(nummer)
        # Without a session bus, Qt's accessibility bridge looks for one and
        # gives up; on a desktop it connects. Both are measured.
        uitslagen.append(('X server only, no session bus', meet(kaal, wendolo, env, tmp, keer, scherm)))
        bus, adres = start_bus()
        if bus:
            env_bus = dict(env, DBUS_SESSION_BUS_ADDRESS=adres)
            uitslagen.append(('with a session bus, as on a desktop', meet(kaal, wendolo, env_bus, tmp, keer, scherm)))
    finally:
        if bus:
            bus.kill()
            bus.wait()
        stop_xvfb(xvfb)
        shutil.rmtree(tmp, ignore_errors=True)

    for titel, metingen in uitslagen:
        toon(titel, metingen, keer)


def start_bus():
    """A private session bus; (None, None) where dbus-daemon is missing."""
    if not shutil.which('dbus-daemon'):
        return None, None
    bus = subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address=1'],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    adres = bus.stdout.readline().strip()
    if not adres:
        bus.kill()
        bus.wait()
        return None, None
    return bus, adres


# The yardstick, the yardstick with one line of text (what showing any words
# costs), and the program.
PROGRAMMAS = ('kaal', 'kaal+tekst', 'wendolo')


def meet(kaal, wendolo, env, tmp, keer, scherm):
    opdrachten = {'kaal': [kaal], 'kaal+tekst': [kaal, 'tekst'], 'wendolo': [wendolo]}
    # The first starts fill the file cache and write Wendolo.ini.
    for naam in PROGRAMMAS:
        eens(opdrachten[naam], env, tmp, scherm)
    metingen = {naam: [] for naam in PROGRAMMAS}
    for _ in range(keer):
        for naam in PROGRAMMAS:
            metingen[naam].append(eens(opdrachten[naam], env, tmp, scherm))
    return metingen


def toon(titel, metingen, keer):
    def mediaan(naam, i):
        return statistics.median(m[i] for m in metingen[naam])

    print(f'start to first drawing, {titel}: median of {keer} starts each, interleaved')
    print(f'  {"":10} {"ms":>8} {"min ms":>8} {"max ms":>8} {"cpu ms":>8} {"peak kB":>9}')
    for naam in PROGRAMMAS:
        tijden = [m[0] * 1000 for m in metingen[naam]]
        print(f'  {naam:10} {mediaan(naam, 0) * 1000:8.1f} {min(tijden):8.1f} {max(tijden):8.1f}'
              f' {mediaan(naam, 1) * 1000:8.1f} {mediaan(naam, 2):9.0f}')
    for tegen in ('kaal', 'kaal+tekst'):
        tijd, cpu, geheugen = (mediaan('wendolo', i) / mediaan(tegen, i) for i in range(3))
        doel = '   (target: time <= 1.35x, under 100 ms)' if tegen == 'kaal+tekst' else ''
        print(f'  wendolo / {tegen:10} time {tijd:.2f}x   cpu {cpu:.2f}x   memory {geheugen:.2f}x{doel}')


if __name__ == '__main__':
    main()
