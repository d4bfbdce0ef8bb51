"""A private Xvfb for the journeys and benchmarks. It picks a free display
number itself (-displayfd); -noreset keeps it from turning away a program
that starts just as the last client leaves; SIGTERM ends it without leftovers.
Openbox on it: who has the keyboard is the window manager's word, as on a desktop."""
import os
import select
import signal
import subprocess
import time


class GeenScherm(RuntimeError):
    pass


def start_xvfb(timeout=20):
    """Starts Xvfb; returns (process, display number)."""
    lees, schrijf = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(schrijf), '-screen', '0', '1280x1024x24', '-nolisten', 'tcp',
                             '-noreset'], pass_fds=(schrijf,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(schrijf)
    tekst = b''
    while not tekst.endswith(b'\n'):
        klaar, _, _ = select.select([lees], [], [], timeout)
        stuk = os.read(lees, 64) if klaar else b''
        if not stuk:
            os.close(lees)
            stop_proces(xvfb)
            raise GeenScherm('Xvfb did not start')
        tekst += stuk
    os.close(lees)
    return xvfb, int(tekst)


def start_openbox(env, timeout=20):
    """Openbox on env's display, Debian's settings whoever runs it, once the root window names its check window."""
    wm = subprocess.Popen(['openbox', '--sm-disable', '--config-file', '/etc/xdg/openbox/rc.xml'], env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    eind = time.time() + timeout
    while b'window id' not in subprocess.check_output(['xprop', '-root', '_NET_SUPPORTING_WM_CHECK'], env=env):
        if wm.poll() is not None or time.time() > eind:
            stop_proces(wm)
            raise GeenScherm('Openbox did not start')
        time.sleep(0.05)
    return wm


def stop_proces(proc, sein=signal.SIGTERM, timeout=5):
    """Asks a process to end with sein; kills it if it has not within timeout."""
    if proc.poll() is None:
        proc.send_signal(sein)
        try:
            proc.wait(timeout)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


stop_xvfb = stop_proces
