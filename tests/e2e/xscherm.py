"""A private Xvfb for one run of the journeys or benchmarks.

The server picks its own display number (-displayfd), so numbers left
behind by servers that died without cleaning up, or taken by other users of
the machine, never stand in the way; it is ready for clients once it has
written that number. -noreset keeps it from resetting when its last client
leaves, which would turn away a program starting at that moment. It is
ended with SIGTERM so it removes its own lock file and socket.
"""
import os
import select
import signal
import subprocess


class GeenScherm(RuntimeError):
    pass


def start_xvfb(timeout=20):
    """Starts Xvfb; returns (process, display number)."""
    lees, schrijf = os.pipe()
    try:
        xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(schrijf), '-screen', '0', '1280x1024x24',
                                 '-nolisten', 'tcp', '-noreset'], pass_fds=(schrijf,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    finally:
        os.close(schrijf)
    try:
        tekst = b''
        while not tekst.endswith(b'\n'):
            klaar, _, _ = select.select([lees], [], [], timeout)
            stuk = os.read(lees, 64) if klaar else b''
            if not stuk:
                stop_xvfb(xvfb)
                raise GeenScherm('Xvfb did not start')
            tekst += stuk
    finally:
        os.close(lees)
    return xvfb, int(tekst)


def stop_xvfb(xvfb):
    if xvfb.poll() is None:
        xvfb.send_signal(signal.SIGTERM)
        try:
            xvfb.wait(5)
        except subprocess.TimeoutExpired:
            xvfb.kill()
            xvfb.wait()
