#!/usr/bin/env python3
"""Draws the help file's two small images (images/logo.png, images/caution.png).

The PNGs are kept in the repository; run this again only to change them. It needs only
the Python standard library, so the pictures can be remade on any machine. The pictures of
the add-in's windows are taken from the running tools by screenshots.qms.
"""
import math
import os
import struct
import zlib


def png(path, width, height, pixel):
    rows = b"".join(
        b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def logo(x, y):
    # A steel-blue gear of eight teeth around a white hub: the menu's symbol.
    cx = cy = 23.5
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    tooth = math.cos(8 * math.atan2(dy, dx)) > 0.3
    if r < 7:
        return (255, 255, 255, 0)
    if r < 16 or (r < 22 and tooth):
        return (47, 95, 143, 255)
    return (255, 255, 255, 0)


def caution(x, y):
    # An amber triangle with a dark exclamation mark, beside the "what can go wrong" notes.
    inside = y >= 1 and abs(x - 7.5) <= (y - 1) * 0.55 + 0.5 and y <= 14
    if not inside:
        return (255, 255, 255, 0)
    if 7 <= x <= 8 and (4 <= y <= 9 or 11 <= y <= 12):
        return (40, 40, 40, 255)
    return (232, 160, 32, 255)


if __name__ == "__main__":
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "images")
    os.makedirs(here, exist_ok=True)
    png(os.path.join(here, "logo.png"), 48, 48, logo)
    png(os.path.join(here, "caution.png"), 16, 16, caution)
