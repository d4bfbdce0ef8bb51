"""Whether a program's event loop answers: the _NET_WM_PING round trip.

A window manager sends _NET_WM_PING to a window and the toolkit answers it
from the program's own event loop, by sending the message back to the root
window. A program busy in a long computation, or stuck, answers late or
never, whatever the X server itself still does for it; a window name or
geometry query would be answered by the server alone and say nothing. Plain
Xlib through ctypes, so no module beyond the standard library is needed.
"""
import ctypes
import select
import time

_x = ctypes.CDLL('libX11.so.6')

ClientMessage = 33
StructureNotifyMask = 1 << 17


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                ('format', ctypes.c_int), ('l', ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [('type', ctypes.c_int), ('xclient', XClientMessageEvent), ('pad', ctypes.c_long * 24)]


_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x.XDefaultRootWindow.restype = ctypes.c_ulong
_x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x.XInternAtom.restype = ctypes.c_ulong
_x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
_x.XFlush.argtypes = [ctypes.c_void_p]
_x.XPending.argtypes = [ctypes.c_void_p]
_x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
_x.XConnectionNumber.argtypes = [ctypes.c_void_p]
_x.XCloseDisplay.argtypes = [ctypes.c_void_p]

# A window that went away between the choice and the ping must not end this
# process, which Xlib's default error handler would do.
_Foutafhandeling = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
_negeer = _Foutafhandeling(lambda d, e: 0)
_x.XSetErrorHandler(_negeer)


class Ping:
    def __init__(self, scherm):
        self.dpy = _x.XOpenDisplay(f':{scherm}'.encode())
        if not self.dpy:
            raise RuntimeError(f'cannot open display :{scherm}')
        self.root = _x.XDefaultRootWindow(self.dpy)
        self.protocols = _x.XInternAtom(self.dpy, b'WM_PROTOCOLS', 0)
        self.ping = _x.XInternAtom(self.dpy, b'_NET_WM_PING', 0)
        # The toolkit answers to the root with StructureNotify in its mask.
        _x.XSelectInput(self.dpy, self.root, StructureNotifyMask)
        self.fd = _x.XConnectionNumber(self.dpy)
        self.teller = 0

    def rondgang(self, venster, timeout):
        """Seconds until the window's program answered, or None after timeout."""
        self.teller += 1
        ev = XEvent()
        ev.xclient.type = ClientMessage
        ev.xclient.window = venster
        ev.xclient.message_type = self.protocols
        ev.xclient.format = 32
        ev.xclient.l[0] = self.ping
        ev.xclient.l[1] = self.teller  # stands in for the timestamp: tells answers apart
        ev.xclient.l[2] = venster
        begin = time.monotonic()
        _x.XSendEvent(self.dpy, venster, 0, 0, ctypes.byref(ev))
        _x.XFlush(self.dpy)
        antwoord = XEvent()
        while True:
            while _x.XPending(self.dpy):
                _x.XNextEvent(self.dpy, ctypes.byref(antwoord))
                c = antwoord.xclient
                if antwoord.type == ClientMessage and c.l[0] == self.ping and c.l[1] == self.teller:
                    return time.monotonic() - begin
            rest = begin + timeout - time.monotonic()
            if rest <= 0:
                return None
            select.select([self.fd], [], [], rest)

    def sluit(self):
        _x.XCloseDisplay(self.dpy)
