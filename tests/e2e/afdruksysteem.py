"""A private CUPS print system for one journey: cupsd in the foreground with
its configuration in a temporary folder, listening only on a unix socket
there (found through CUPS_SERVER). Its default queue Testprinter writes what
it prints into uit.pdf."""
import os
import shutil
import signal
import subprocess
import tempfile
import time

PPD = '/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd'
PRINTER = 'Testprinter'


class Afdruksysteem:
    def __init__(self):
        m = self.map = tempfile.mkdtemp(prefix='wendolo-cups-')
        os.chmod(m, 0o755)  # the filters run as lp
        self.uitvoer = os.path.join(m, 'uit.pdf')
        for sub in ('root', 'spool', 'state', 'cache', 'log', 'spool/tmp'):
            os.makedirs(os.path.join(m, sub))
        shutil.chown(os.path.join(m, 'spool/tmp'), 'root', 'lp')  # the PDF filter writes here as lp
        os.chmod(os.path.join(m, 'spool/tmp'), 0o1770)
        self.conf, self.bestanden = os.path.join(m, 'cupsd.conf'), os.path.join(m, 'cups-files.conf')
        with open(self.conf, 'w') as f:
            f.write(f'Listen {m}/cups.sock\nBrowsing No\nWebInterface No\nLogLevel info\nDirtyCleanInterval 0\n'
                    '<Location />\n  Order allow,deny\n  Allow all\n</Location>\n')
        with open(self.bestanden, 'w') as f:
            f.write(f'ServerRoot {m}/root\nRequestRoot {m}/spool\nStateDir {m}/state\nCacheDir {m}/cache\n'
                    f'TempDir {m}/spool/tmp\nPrintcap {m}/printcap\nAccessLog {m}/log/access_log\n'
                    f'ErrorLog {m}/log/error_log\nPageLog {m}/log/page_log\nFileDevice Yes\n')
        os.environ['CUPS_SERVER'] = f'{m}/cups.sock'
        self.proc = subprocess.Popen(['cupsd', '-f', '-c', self.conf, '-s', self.bestanden],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        eind = time.time() + 20
        while subprocess.run(['lpstat', '-r'], capture_output=True).returncode != 0:
            if time.time() > eind or self.proc.poll() is not None:
                raise RuntimeError(f'cupsd did not start; see {m}/log/error_log')
            time.sleep(0.1)
        # The scheduler can answer lpstat a moment before it takes a new
        # queue; seen once, so a few tries.
        for poging in range(5):
            try:
                self.cups('lpadmin', '-p', PRINTER, '-E', '-v', 'file://' + self.uitvoer, '-P', PPD)
                break
            except subprocess.CalledProcessError:
                if poging == 4:
                    raise
                time.sleep(0.5)
        self.cups('lpadmin', '-d', PRINTER)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def __enter__(self):
        return self

    def __exit__(self, soort, *rest):
        self.stop()
        os.environ.pop('CUPS_SERVER', None)
        if soort is None:
            shutil.rmtree(self.map, ignore_errors=True)
        else:
            print(f'print system left for inspection: {self.map}')

    def cups(self, *opdracht):
        return subprocess.run(opdracht, capture_output=True, text=True, check=True).stdout

    def klaar(self):
        """How many jobs the print system has finished."""
        return len(self.cups('lpstat', '-W', 'completed', '-o').splitlines())

    def wacht_op(self, aantal, timeout=30):
        """Waits until `aantal` jobs have been finished."""
        eind = time.time() + timeout
        while self.klaar() < aantal:
            if time.time() > eind:
                raise AssertionError(f'job {aantal} did not end: {self.cups("lpstat", "-W", "all", "-l", "-o")}')
            time.sleep(0.2)
