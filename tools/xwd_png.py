#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns an X window dump (xwd, 24/32-bit ZPixmap as Xvfb writes it) into a PNG.

    python3 tools/xwd_png.py window.xwd window.png
"""
import struct
import sys
import zlib


def read_xwd(data):
    header = struct.unpack('>25I', data[:100])
    header_size, _, _, depth, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    ncolors = header[19]
    if bits_per_pixel != 32:
        raise SystemExit('only 32 bits per pixel are read, not %d' % bits_per_pixel)
    pixels = data[header_size + ncolors * 12:]
    rows = []
    for y in range(height):
        line = pixels[y * bytes_per_line:y * bytes_per_line + width * 4]
        row = bytearray()
        for x in range(width):
            b, g, r = (line[4 * x], line[4 * x + 1], line[4 * x + 2]) if byte_order == 0 \
                else (line[4 * x + 3], line[4 * x + 2], line[4 * x + 1])
            row += bytes((r, g, b))
        rows.append(bytes(row))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + \
            struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff)
    raw = b''.join(b'\0' + row for row in rows)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(raw, 9)))
        f.write(chunk(b'IEND', b''))


if __name__ == '__main__':
    with open(sys.argv[1], 'rb') as f:
        w, h, rows = read_xwd(f.read())
    write_png(sys.argv[2], w, h, rows)
