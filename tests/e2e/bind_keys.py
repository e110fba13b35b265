"""Gives every character of TEXT that no key of the X display's keyboard types a spare key of its own, and
keeps them until it is stopped (or its parent ends, or the display goes).

    bind_keys.py TEXT      prints "bound" once the keys are there

xdotool types such a character by mapping a spare keycode to it for the moment and mapping it back after
the key: a program that looks the key up later (Wine does, when the launcher's message loop translates the
key into a character) finds the key mapped back or mapped to the next character, and the character is
lost. With a key of its own, xdotool types the character with that key and maps nothing. Wine reads the
keyboard's map when a program starts: map the keys before starting the program that is to receive them.
The server forgets every change when its last client leaves: this program stays connected meanwhile.
"""
import ctypes
import os
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                    ctypes.POINTER(ctypes.c_int)]
x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                       ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


def keysym(character):
    """The keysym of a character: Latin-1 ones are their own code, all others Unicode keysyms."""
    code = ord(character)
    return code if 0x20 <= code <= 0x7E or 0xA0 <= code <= 0xFF else 0x1000000 | code


def main():
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("bind_keys.py: cannot open the display")
    low, high, per_key = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
    x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    count = high.value - low.value + 1
    table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per_key))
    keys = [[table[key * per_key.value + level] for level in range(per_key.value)] for key in range(count)]
    x11.XFree(table)
    typed = {sym for symbols in keys for sym in symbols}
    spare = [low.value + key for key, symbols in enumerate(keys) if not any(symbols)]
    # The lowest spare keycodes first: Wine gives keys without a virtual key of their own (these, and the
    # many multimedia keys of the X server's keyboard) the few spare virtual keys in keycode order, and a
    # key left without one types nothing.
    for sym in sorted({keysym(c) for c in sys.argv[1]} - typed):
        if not spare:
            sys.exit("bind_keys.py: no spare key left")
        x11.XChangeKeyboardMapping(display, spare.pop(0), 1, (ctypes.c_ulong * 1)(sym), 1)
    x11.XSync(display, 0)
    print("bound", flush=True)
    parent = os.getppid()
    while os.getppid() == parent:
        time.sleep(0.5)
        x11.XSync(display, 0)  # Xlib ends this program when the display has gone


main()
