"""The game window seen and handled straight through Xlib and XTest (ctypes), so a look or a
click costs no process start: on a busy machine a grab through xwd took most of a second.

XWindow(id).grab() gives the window's pixels as rows of R, G, B (float32); move(x, y) and
click() act as the pointer would, in window pixels. save_png writes a grab for people.
"""
import ctypes
import ctypes.util
import os
import struct
import time
import zlib

import numpy as np


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


_ZPIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class XWindow:
    def __init__(self, window):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(_XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        self.x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                                   ctypes.c_int, ctypes.c_int, ctypes.c_void_p,
                                                   ctypes.c_void_p, ctypes.c_void_p]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(os.environ.get("DISPLAY", "").encode())
        if not self.display:
            raise RuntimeError("cannot open the X display")
        self.window = int(window)
        self.root = self.x11.XDefaultRootWindow(self.display)
        self.last_click = 0.0  # of paced_click, time.monotonic()

    def size(self):
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        self.x11.XGetGeometry(self.display, self.window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                              ctypes.byref(w), ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth))
        return w.value, h.value

    def grab(self):
        width, height = self.size()
        image = self.x11.XGetImage(self.display, self.window, 0, 0, width, height, _ALL_PLANES, _ZPIXMAP)
        if not image:
            raise RuntimeError("XGetImage failed")
        try:
            im = image.contents
            if im.bits_per_pixel != 32:
                raise RuntimeError("%d bits a pixel" % im.bits_per_pixel)
            raw = ctypes.string_at(im.data, im.bytes_per_line * im.height)
            masks = (im.red_mask, im.green_mask, im.blue_mask)
            if masks == (0xFF0000, 0xFF00, 0xFF) and not im.byte_order:  # B, G, R, pad: as Xvfb has it
                pixels = np.frombuffer(raw, np.uint8).reshape(im.height, im.bytes_per_line)
                return pixels[:, :im.width * 4].reshape(im.height, im.width, 4)[:, :, 2::-1].astype(np.float32)
            words = np.frombuffer(raw, dtype=">u4" if im.byte_order else "<u4")
            words = words.reshape(im.height, im.bytes_per_line // 4)[:, :im.width]
            shifts = [(m & -m).bit_length() - 1 for m in masks]
            return np.stack([(words >> s) & 0xFF for s in shifts], axis=-1).astype(np.float32)
        finally:
            self.x11.XFree(ctypes.c_void_p(image.contents.data))
            self.x11.XFree(image)

    def move(self, x, y):
        rx, ry, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.x11.XTranslateCoordinates(self.display, self.window, self.root, int(x), int(y),
                                       ctypes.byref(rx), ctypes.byref(ry), ctypes.byref(child))
        self.xtst.XTestFakeMotionEvent(self.display, -1, rx.value, ry.value, 0)
        self.x11.XSync(self.display, 0)

    def click(self, button=1):
        self.xtst.XTestFakeButtonEvent(self.display, button, 1, 0)
        self.x11.XSync(self.display, 0)
        self.xtst.XTestFakeButtonEvent(self.display, button, 0, 0)
        self.x11.XSync(self.display, 0)

    def paced_click(self, spacing=0.7):
        """A click no sooner than spacing seconds after the last paced one, as a person clicks the
        board: two quick clicks near one place make a double click, which pauses the game."""
        time.sleep(max(0.0, self.last_click + spacing - time.monotonic()))
        self.last_click = time.monotonic()
        self.click()


def save_png(img, path):
    """An RGB picture as a PNG file (fast, lightly compressed)."""
    pixels = np.clip(img, 0, 255).astype(np.uint8)
    height, width = pixels.shape[:2]
    rows = np.concatenate([np.zeros((height, 1), np.uint8), pixels.reshape(height, width * 3)], axis=1)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(rows.tobytes(), 3)))
        out.write(chunk(b"IEND", b""))
