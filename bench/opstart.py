"""Start-up benchmark: time from process start to the first painted main
window, and the peak memory at that moment, of the program and of a bare
Qt window (with and without one line of text), in the same run under one
Xvfb, starts interleaved.

    python3 bench/opstart.py APPDIR KAAL_VENSTER [starts] [PIECES]

PIECES, when given, is run once more under the same X server afterwards to
show what the program's start-up spends its time on.

Both programs print "getoond <VmHWM>" on their first paint when
WENDOLO_MELD_GETOOND is set, then end; the time is taken here, from just
before the start to the moment that line arrives.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
from xscherm import GeenScherm, start_xvfb, stop_xvfb  # noqa: E402


def start_x():
    try:
        xvfb, scherm = start_xvfb()
    except GeenScherm as e:
        sys.exit(f'opstart: {e}')
    env = dict(os.environ, DISPLAY=f':{scherm}', WENDOLO_MELD_GETOOND='1')
    for weg in ('QT_QPA_PLATFORM', 'WAYLAND_DISPLAY'):
        env.pop(weg, None)
    return xvfb, env


def eens(opdracht, env, cwd):
    """One start: seconds to the first paint and the peak memory in kB."""
    exe = opdracht[0]
    begin = time.perf_counter()
    proc = subprocess.Popen(opdracht, env=env, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    regel = proc.stdout.readline().decode()
    tijd = time.perf_counter() - begin
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    woorden = regel.split()
    if len(woorden) < 2 or woorden[0] != 'getoond':
        sys.exit(f'opstart: {exe} did not report its first paint (exit {proc.returncode}, said {regel!r})')
    return tijd, int(woorden[1])


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    appmap, kaal = sys.argv[1], os.path.abspath(sys.argv[2])
    keer = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    delen = os.path.abspath(sys.argv[4]) if len(sys.argv) > 4 else None

    tmp = tempfile.mkdtemp(prefix='wendolo-bench-')
    map = os.path.join(tmp, 'app')
    os.makedirs(os.path.join(map, 'puzzels'))
    for naam in ('wendolo', 'library.lib', 'help.htm'):
        if os.path.exists(os.path.join(appmap, naam)):
            shutil.copy2(os.path.join(appmap, naam), map)
    wendolo = os.path.join(map, 'wendolo')

    xvfb, env = start_x()
    bus = None
    uitslagen = []
    try:
        # Without a session bus, Qt's accessibility bridge tries to start
        # one (dbus-launch) on the first button's text; on a desktop it only
        # connects. Both are measured, the desktop's way second.
        uitslagen.append(('X server only, no session bus', meet(kaal, wendolo, env, tmp, keer)))
        if delen:
            stukken = subprocess.run([delen], env=env, cwd=map, capture_output=True, text=True, timeout=60).stdout
        bus, adres = start_bus()
        if bus:
            env_bus = dict(env, DBUS_SESSION_BUS_ADDRESS=adres)
            uitslagen.append(('with a session bus, as on a desktop', meet(kaal, wendolo, env_bus, tmp, keer)))
    finally:
        if bus:
            bus.kill()
            bus.wait()
        stop_xvfb(xvfb)
        shutil.rmtree(tmp, ignore_errors=True)

    for titel, metingen in uitslagen:
        toon(titel, metingen, keer)
    if delen:
        print('the pieces of the program\'s start-up (no session bus), timed one by one in a fresh process:')
        for regel in stukken.splitlines():
            print('  ' + regel)


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


def meet(kaal, wendolo, env, tmp, keer):
    opdrachten = {'kaal': [kaal], 'kaal+tekst': [kaal, 'tekst'], 'wendolo': [wendolo]}
    # The first starts fill the file cache and write Wendolo.ini.
    for naam in PROGRAMMAS:
        eens(opdrachten[naam], env, tmp)
    metingen = {naam: [] for naam in PROGRAMMAS}
    for _ in range(keer):
        for naam in PROGRAMMAS:
            metingen[naam].append(eens(opdrachten[naam], env, tmp))
    return metingen


def toon(titel, metingen, keer):
    def mediaan(naam, i):
        return statistics.median(m[i] for m in metingen[naam])

    print(f'start-up to first paint, {titel}: median of {keer} starts each, interleaved')
    print(f'  {"":10} {"ms":>8} {"min ms":>8} {"max ms":>8} {"peak kB":>9}')
    for naam in PROGRAMMAS:
        tijden = [m[0] * 1000 for m in metingen[naam]]
        print(f'  {naam:10} {mediaan(naam, 0) * 1000:8.1f} {min(tijden):8.1f} {max(tijden):8.1f} {mediaan(naam, 1):9.0f}')
    for tegen in ('kaal', 'kaal+tekst'):
        tijd = mediaan('wendolo', 0) / mediaan(tegen, 0)
        geheugen = mediaan('wendolo', 1) / mediaan(tegen, 1)
        doel = '   (target <= 1.30x each)' if tegen == 'kaal' else ''
        print(f'  wendolo / {tegen:10} time {tijd:.2f}x   memory {geheugen:.2f}x{doel}')


if __name__ == '__main__':
    main()
