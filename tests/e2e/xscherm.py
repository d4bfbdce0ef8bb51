"""A private Xvfb for one run of the journeys or benchmarks. It picks its
own display number (-displayfd), so numbers left behind or taken by others
never stand in the way; -noreset keeps it from resetting when its last client
leaves, which would turn away a program starting then; SIGTERM ends it
cleanly, without a lock file or socket left behind."""
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
                stop_proces(xvfb)
                raise GeenScherm('Xvfb did not start')
            tekst += stuk
    finally:
        os.close(lees)
    return xvfb, int(tekst)


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
